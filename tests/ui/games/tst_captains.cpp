// SPDX-License-Identifier: GPL-3.0-or-later
// Who captained the team: the season-captain text, reading the history, and the captains window
// in both modes, on both engines.
#include "TestSupport.h"

#include "common/Selection.h"
#include "core/games/Captains.h"
#include "ui/games/frmCaptain.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>

using namespace pw;
using namespace pwtest;

namespace {

QString seasonCaptains(int teamNo)
{
    return GetDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("SeasonCaptains"));
}

void captain(int teamNo, int gameNo, int playerNo, const QVariant& isCaptain = true)
{
    insertRow(QStringLiteral("GameStat"),
              fields(QStringLiteral("TeamNo GameNo PlayerNo Captain"), {teamNo, gameNo, playerNo, isCaptain}));
}

// The season window's box of that caption.
QCheckBox* box(QWidget* w, const QString& caption)
{
    for (QCheckBox* c : w->findChildren<QCheckBox*>(QStringLiteral("PlayerCheck"))) {
        if (c->text() == caption)
            return c;
    }
    qFatal("no check box %s", qPrintable(caption));
}

void show(QWidget& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace

class TestCaptains : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    // Comets mark a captain per game over three games; Rockets keep 25 players with long names and
    // season captains, of which only player 3 can be read out of the stored text.
    void init()
    {
        env.reset();
        emptyTables();
        const QString teamFields = QStringLiteral("TrackCaptain NumberOfGames SeasonCaptains");
        addTeam(1, QStringLiteral("Comets"), fields(teamFields, {0, 3, "2"}));
        const QStringList comets = QStringLiteral("O'Brien Nora,Chen Lily,de Vries Emma,Chen Amy,Brooks Mia,Chen Amy,"
                                                  "Evans\a Grace")
                                       .split(QLatin1Char(','));
        for (int i = 0; i < comets.size(); ++i)
            addPlayer(1, i + 1, comets[i].section(QLatin1Char(' '), 0, -2), comets[i].section(QLatin1Char(' '), -1), i);
        captain(1, 1, 2);
        captain(1, 3, 2);
        captain(1, 2, 5);
        captain(1, 1001, 1);  // the cup's first game
        captain(1, 4, 1);     // past the game count
        captain(1, 2, 3, false);
        captain(1, 1, 4, QVariant());
        captain(1, 2, 9);  // a player who has left the team

        addTeam(2, QStringLiteral("Rockets"), fields(teamFields, {1, 5, "x; 3;;abc;7.0;+7;99999;-7"}));
        for (int i = 1; i <= 25; ++i)
            addPlayer(2, i, QStringLiteral("Schwarzenegg%1").arg(i, 2, 10, QLatin1Char('0')),
                      i % 2 ? QStringLiteral("Sam") : QStringLiteral("Alexandra"), i);
    }

    void theSeasonCaptainText()
    {
        QCOMPARE(seasonCaptainSet(QStringLiteral("3;7")), QSet<qint16>({3, 7}));
        QCOMPARE(seasonCaptainSet(QString()), QSet<qint16>());
        QCOMPARE(seasonCaptainSet(QStringLiteral(" 3 ;;x;7.0;+7;-7;0;32768;3,7; 32767 ")), QSet<qint16>({3, 32767}));
        QCOMPARE(seasonCaptainText({7, 3, 7}), QStringLiteral("7;3"));  // the order given, each once

        // A list the column cannot hold is refused alike on both engines, before anything is written.
        QList<qint16> many;
        for (qint16 p = 10000; p < 10050; ++p)
            many << p;
        QVERIFY_THROWS_EXCEPTION(PwError, saveSeasonCaptains(2, many));
        QCOMPARE(seasonCaptains(2), QStringLiteral("x; 3;;abc;7.0;+7;99999;-7"));
    }

    void theHistoryIsReadInFewStatements()
    {
        const quint64 before = statementCount();
        const CaptainHistory comets = readCaptains(1);
        QVERIFY(statementCount() - before <= 3);
        QVERIFY(!comets.seasonMode);
        QList<qint16> order;
        for (const CaptainPlayer& p : comets.players)
            order << p.playerNo;
        QCOMPARE(order, QList<qint16>({5, 4, 6, 2, 3, 7, 1}));  // case ignored, namesakes by number
        QVERIFY(comets.players[3].seasonCaptain);
        QCOMPARE(comets.players[5].caption, QStringLiteral("Evans, Grace"));  // no control characters
        // Season games only: O'Brien's captaincies of the cup's game and of game 4 have no column.
        QCOMPARE(comets.players[3].games, QList<qint16>({1, 3}));
        QCOMPARE(comets.players[0].games, QList<qint16>{2});
        QVERIFY(comets.players.last().games.isEmpty());

        const CaptainHistory rockets = readCaptains(2);
        QVERIFY(rockets.seasonMode);
        for (const CaptainPlayer& p : rockets.players)
            QCOMPARE(p.seasonCaptain, p.playerNo == 3);

        // A damaged game count still gives no tournament game a column.
        PutDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), 1}}, QStringLiteral("NumberOfGames"), 5000);
        const CaptainHistory damaged = readCaptains(1);
        QCOMPARE(damaged.numberOfGames, qint16(999));
        QCOMPARE(damaged.players.last().games, QList<qint16>({4}));
    }

    void theWindowForSeasonCaptains()
    {
        NoticeLog saved;
        {
            frmCaptain w(2);
            show(w);
            QVERIFY(!child<QTableView>(&w, "PlayerList")->isVisible());
            const auto boxes = w.findChildren<QCheckBox*>(QStringLiteral("PlayerCheck"));
            QCOMPARE(boxes.size(), 25);
            for (QCheckBox* c : boxes)
                QCOMPARE(c->isChecked(), c->text() == QStringLiteral("Schwarzenegg03, Sam"));
            // The whole team shows at once, in a window that fits a small screen.
            const auto* area = child<QScrollArea>(&w, "SeasonCaptains");
            QVERIFY(area->verticalScrollBar()->maximum() == 0 && area->horizontalScrollBar()->maximum() == 0);
            QVERIFY(w.width() <= 1000 && w.height() <= 560);
            QTest::mouseClick(box(&w, QStringLiteral("Schwarzenegg07, Sam")), Qt::LeftButton);
            screenshot(&w, QStringLiteral("captains-season"));
            QTest::mouseClick(child<QPushButton>(&w, "CancelButton"), Qt::LeftButton);
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(seasonCaptains(2), QStringLiteral("3;7"));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.count(Change::Team, 2), 1);

        // Escape keeps the choices too: nobody left.
        {
            frmCaptain w(2);
            show(w);
            QTest::mouseClick(box(&w, QStringLiteral("Schwarzenegg03, Sam")), Qt::LeftButton);
            QTest::mouseClick(box(&w, QStringLiteral("Schwarzenegg07, Sam")), Qt::LeftButton);
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY(!w.isVisible());
        }
        QCOMPARE(seasonCaptains(2), QString());
        QCOMPARE(saved.size(), 2);

        // Closing with no box changed writes nothing: what another window stored stays as it was.
        PutDBData(QStringLiteral("Teams"), {{QStringLiteral("TeamNo"), 2}}, QStringLiteral("SeasonCaptains"), " 7 ;x");
        {
            frmCaptain w(2);
            show(w);
            QVERIFY(box(&w, QStringLiteral("Schwarzenegg07, Sam"))->isChecked());
            QVERIFY(w.close());
        }
        QCOMPARE(seasonCaptains(2), QStringLiteral(" 7 ;x"));
        QCOMPARE(saved.size(), 2);
    }

    void theWindowForGameCaptains()
    {
        NoticeLog saved;
        frmCaptain w(1);
        show(w);
        QVERIFY(w.findChildren<QCheckBox*>().isEmpty());
        auto* grid = child<QTableView>(&w, "PlayerList");
        QVERIFY(grid->isVisible());
        // A column for each of the season's three games, an X where the player captained it.
        const QAbstractItemModel* m = grid->model();
        QCOMPARE(m->columnCount(), 4);
        QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("3"));
        QCOMPARE(m->index(3, 0).data().toString(), QStringLiteral("Chen, Lily"));
        QCOMPARE(QStringList({m->index(3, 1).data().toString(), m->index(3, 2).data().toString(),
                              m->index(3, 3).data().toString()}),
                 QStringList({"X", "", "X"}));
        QCOMPARE(m->index(6, 0).data().toString(), QStringLiteral("O'Brien, Nora"));
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
        screenshot(&w, QStringLiteral("captains-games"));

        // Enter reaches Close, which only closes: the stored season list stays.
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(seasonCaptains(1), QStringLiteral("2"));
        QCOMPARE(saved.size(), 0);
    }
};

QTEST_MAIN(TestCaptains)
#include "tst_captains.moc"

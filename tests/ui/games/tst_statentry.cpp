// SPDX-License-Identifier: GPL-3.0-or-later
// Entering a player's figures for a game: the rules behind the dialog, what a save stores (and
// what it must leave alone), and the dialog driven as a coach uses it, on both engines.
#include "TestSupport.h"

#include "common/Selection.h"
#include "core/games/GameStats.h"
#include "core/games/Record.h"
#include "ui/games/StatDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>

using namespace pw;
using namespace pwtest;

class TestStatEntry : public StoreTest {
    Q_OBJECT

private:
    // A player's GameStat columns as stored, "" for NULL: the eight figures, then Opponent,
    // QtrPlayed, QtrAvailable, Captain.
    static QStringList statRow(int gameNo, int playerNo)
    {
        QSqlQuery q =
            execSql(QStringLiteral("SELECT Shots, Goals, Blocks, Assists, ShotOnGoal, GoalsBlocked, OverShot, "
                                   "GoalsScored, Opponent, QtrPlayed, QtrAvailable, Captain FROM GameStat "
                                   "WHERE TeamNo = 1 AND GameNo = ? AND PlayerNo = ?"),
                    {gameNo, playerNo});
        QStringList out;
        if (!q.next())
            return out;
        for (int i = 0; i < 11; ++i)
            out << NullToText(q.value(i));
        out << (q.value(11).isNull() ? QString() : QString::number(q.value(11).toBool()));
        return out;
    }
    static QString result(int gameNo)
    {
        return GetDBData(QStringLiteral("Schedule"),
                         {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("GameNo"), gameNo}}, QStringLiteral("Result"));
    }
    static void type(QWidget* w, const char* box, const QString& text)
    {
        auto* e = child<QLineEdit>(w, box);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    static void choose(QWidget* w, int index)
    {
        auto* picker = child<QComboBox>(w, "CPName");
        picker->setCurrentIndex(index);
        Q_EMIT picker->activated(index);
    }
    static void show(QWidget& w)
    {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

private Q_SLOTS:

    // Comets by jersey: Diaz (none), O'Brien 4, Brooks 7 (goalkeeper), Chen 9, Alvarez 12 ("Sofi",
    // goalkeeper too). Game 1 is unplayed, its line-up stored for Chen and Brooks; in game 2
    // O'Brien kept goal.
    void init()
    {
        env.reset();
        emptyTables();
        selection().clear();
        addTeam(1, QStringLiteral("Comets"));
        addTeam(2, QStringLiteral("Rockets"));
        addPlayer(1, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 9,
                  fields(QStringLiteral("Position"), {"1;0;0;0;0"}));
        addPlayer(1, 2, QStringLiteral("Brooks"), QStringLiteral("Mia"), 7,
                  fields(QStringLiteral("Position"), {"0;0;0;0;1"}));
        addPlayer(1, 3, QStringLiteral("O'Brien"), QStringLiteral("Nora"), 4,
                  fields(QStringLiteral("Position"), {"0;1;0;1;0"}));
        addPlayer(1, 4, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 12,
                  fields(QStringLiteral("Nickname Position"), {"Sofi", "1;0;0;0;1"}));
        addPlayer(1, 5, QStringLiteral("Diaz"), QStringLiteral("Ana"), 0,
                  fields(QStringLiteral("JerseyNo"), {QVariant()}));
        addPlayer(2, 1, QStringLiteral("Quinn"), QStringLiteral("Leo"), 1);
        addGame(1, 1, 2, QDate(2026, 9, 12));
        addGame(1, 2, 1, QDate(2026, 9, 19), 1);
        const QString lineup = QStringLiteral("TeamNo GameNo PlayerNo Opponent QtrAvailable QtrPlayed Captain");
        insertRow(QStringLiteral("GameStat"), fields(lineup, {1, 1, 1, 2, "1;1;0;1", 2, true}));
        insertRow(QStringLiteral("GameStat"), fields(lineup, {1, 1, 2, 2, "1;1;1;1", 4, false}));
        insertRow(
            QStringLiteral("GameStat"),
            fields(QStringLiteral("TeamNo GameNo PlayerNo Shots Goals ShotOnGoal GoalsBlocked OverShot GoalsScored"),
                   {1, 2, 3, 3, 0, 6, 4, 1, 1}));
    }

    void theRulesOfTheBoxes()
    {
        QVERIFY(isGoalkeeper(QStringLiteral("0;0;0;0;1")) && isGoalkeeper(QStringLiteral("1;0;0;0;1 ")));
        QVERIFY(!isGoalkeeper(QStringLiteral("1;1;1;1;0")) && !isGoalkeeper(QString()));
        for (const char* t : {"", "0", " 7 ", "007", "32767"})
            QVERIFY2(figureValue(QString::fromUtf8(t)).has_value(), t);
        for (const char* t : {"x", "1.5", "-1", "+1", "1e3", "3 4", "32768", "\u0663"})
            QVERIFY2(!figureValue(QString::fromUtf8(t)).has_value(), t);
        QCOMPARE(figureValue(QStringLiteral(" 007 ")), std::optional<qint32>(7));
        // Saves, goals let in, missed shots -> shots on goal. Empty boxes count 0 once one is typed.
        const QList<QStringList> sums{{"5", "2", "3", "10"}, {"5", "2", "x", "Err"}, {"5", "2.5", "3", "Err"},
                                      {"", "4", "", "4"},    {"", "", " ", ""},      {"32767", "1", "0", "Err"}};
        for (const QStringList& c : sums)
            QCOMPARE(goalieShotsOnGoal(c[0], c[1], c[2]), c[3]);
    }

    void thePickerListsTheTeamByJersey_data()
    {
        QTest::addColumn<int>("nameOption");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("last, first") << 0
                                     << QStringList{"Diaz, Ana", "O'Brien, Nora", "Brooks, Mia", "Chen, Lily", "Sofi"};
        QTest::newRow("last, initial") << 1 << QStringList{"Diaz, A", "O'Brien, N", "Brooks, M", "Chen, L", "Sofi"};
        QTest::newRow("first, initial") << 2 << QStringList{"Ana D.", "Nora O.", "Mia B.", "Lily C.", "Sofi"};
    }
    void thePickerListsTheTeamByJersey()
    {
        QFETCH(int, nameOption);
        QFETCH(QStringList, texts);
        const quint64 before = statementCount();
        const QList<StatPlayer> players = statPlayers(1, nameOption);
        QCOMPARE(statementCount() - before, quint64(1));
        QStringList shown, numbers;
        for (const StatPlayer& p : players) {
            shown << p.text;
            numbers << QString::number(p.playerNo) + (p.goalkeeper() ? QStringLiteral("G") : QString());
        }
        QCOMPARE(shown, texts);
        QCOMPARE(numbers, QStringList({"5", "3", "2G", "1", "4G"}));
    }

    void aRowIsReadInOneStatement()
    {
        const quint64 before = statementCount();
        const PlayerGameStats chen = readGameStats(1, 1, 1);
        QCOMPARE(statementCount() - before, quint64(1));
        QVERIFY(chen.exists);
        QCOMPARE(chen.figures.texts(), QStringList(8, QString()));
        QCOMPARE(chen.qtrPlayed, 2);
        QCOMPARE(chen.qtrAvailable, QStringLiteral("1;1;0;1"));
        QCOMPARE(readGameStats(1, 2, 3).figures.texts(), QStringList({"3", "0", "", "", "6", "4", "1", "1"}));
        QVERIFY(!readGameStats(1, 1, 3).exists);
    }

    // Refused before anything is written: no statement runs, so neither row nor result changes.
    void theStoreRefusesWhatIsNoFigure()
    {
        // Game, figure (in column order), text: a letter, a fraction, a negative, "Err", a season.
        const QList<std::tuple<qint16, int, QString>> cases{
            {1, 0, "x"}, {1, 1, "1.5"}, {1, 6, "-2"}, {1, 4, "Err"}, {100, 1, "1"}};
        for (const auto& [gameNo, figure, text] : cases) {
            StatFigures f;
            QString* texts[] = {&f.shots,      &f.goals,        &f.blocks,   &f.assists,
                                &f.shotOnGoal, &f.goalsBlocked, &f.overShot, &f.goalsScored};
            *texts[figure] = text;
            const quint64 before = statementCount();
            QVERIFY_THROWS_EXCEPTION(PwError, saveGameStats(1, gameNo, 2, 1, f, true));
            QCOMPARE(statementCount(), before);
        }
    }

    void aSaveIsWholeOrNothing()
    {
        // Game 7 has no schedule row to mark: the figures are not kept either.
        StatFigures f;
        f.goals = QStringLiteral("2");
        QVERIFY_THROWS_EXCEPTION(PwError, saveGameStats(1, 7, 2, 1, f, false));
        QCOMPARE(countRows(QStringLiteral("GameStat"), {{QStringLiteral("GameNo"), 7}}), 0);
        env.prompter.clear();

        // A field player keeps the goalkeeping figures of a game he kept goal in; a new row has 0.
        QVERIFY(!saveGameStats(1, 2, 1, 3, f, false));
        QCOMPARE(statRow(2, 3), QStringList({"0", "2", "0", "0", "6", "4", "1", "1", "1", "", "", ""}));
        QVERIFY(saveGameStats(1, 2, 1, 1, f, false));
        QCOMPARE(statRow(2, 1).mid(0, 9), QStringList({"0", "2", "0", "0", "0", "0", "0", "0", "1"}));
    }

    void theDialogNeedsAGameAndOpensOnTheGridsPlayer()
    {
        // The grid's player; none, or one not on the team: the first by jersey.
        for (const auto& [playerNo, name] :
             {std::pair<qint16, const char*>{2, "Brooks,Mia"}, {0, "Diaz,Ana"}, {99, "Diaz,Ana"}}) {
            StatDialog w(1, 1, 2, playerNo, 0);
            QCOMPARE(child<QLabel>(&w, "lblName")->text(), QString::fromLatin1(name));
            QVERIFY(!w.isDirty());
        }
        for (qint16 game : {0, 1000}) {
            env.prompter.clear();
            QVERIFY(!StatDialog::enterStats(1, game, 0, 1, 0, nullptr));
            const auto shown = env.prompter.find(QStringLiteral("No Game Selected"));
            QCOMPARE(shown.text, QStringLiteral("Select the game in which to add statistics."));
            QCOMPARE(shown.icon, Prompter::Icon::Critical);
        }
    }

    void aFieldPlayerWithOnlyGoalsStoresZeroElsewhere()
    {
        StatDialog w(1, 1, 2, 1, 0);
        show(w);
        QCOMPARE(w.windowTitle(), QStringLiteral("Game Statistics"));
        QStringList captions{child<QGroupBox>(&w, "PicField")->title(), child<QGroupBox>(&w, "PicGoalie")->title()};
        for (const char* l : {"lblSOG", "lblGoals", "lblBlocks", "lblAssists", "lblGSOG", "lblGoalsBlocked",
                              "lblOverShot", "lblGoalsScored", "lblQATitle", "lblQPTitle", "OKButton", "CancelButton"})
            captions << w.findChild<QWidget*>(QString::fromLatin1(l))->property("text").toString();
        QCOMPARE(
            captions.join(QLatin1Char('|')),
            QStringLiteral("Field Play|Goalie Play|Shots on Goal:|Goals Scored:|Blocks/Steals:|Assists:|Shots on Goal|"
                           "Blocks:|Missed Shots:|Goals Scored:|Qtrs Avail.:|Qtrs Played:|Save|Close"));
        QCOMPARE(child<QLabel>(&w, "lblName")->text() + child<QLabel>(&w, "lblQA")->text() +
                     child<QLabel>(&w, "lblQP")->text(),
                 QStringLiteral("Chen,Lily32"));
        // No goalkeeper: his goalkeeping boxes cannot be reached.
        QVERIFY(!child<QGroupBox>(&w, "PicGoalie")->isEnabled() && !child<QLineEdit>(&w, "txtOverShot")->isEnabled());
        screenshot(&w, QStringLiteral("stats-field-player"));

        NoticeLog saved;
        type(&w, "txtGoals", QStringLiteral("2"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Game Statistics (Dirty)"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        // The figures are stored; periods, availability and captaincy stay the line-up board's.
        QCOMPARE(statRow(1, 1), QStringList({"0", "2", "0", "0", "0", "0", "0", "0", "2", "2", "1;1;0;1", "1"}));
        QCOMPARE(result(1), QStringLiteral("99"));
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.count(Change::Statistics, 1), 1);
        QVERIFY(!w.isDirty() && !child<QPushButton>(&w, "OKButton")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), child<QComboBox>(&w, "CPName"));
        QCOMPARE(child<QLineEdit>(&w, "txtGoalsScored")->text(), QString());
    }

    void aGoalkeeperAddsUpHisShotsAndEqualGoalsTie()
    {
        StatDialog w(1, 1, 2, 2, 0);
        show(w);
        QVERIFY(child<QGroupBox>(&w, "PicGoalie")->isEnabled());
        type(&w, "txtGoalsBlocked", QStringLiteral("5"));
        type(&w, "txtGoalsScored", QStringLiteral("2"));
        type(&w, "txtOverShot", QStringLiteral("x"));
        QCOMPARE(child<QLineEdit>(&w, "txtGSOG")->text(), QStringLiteral("Err"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        const auto refusal = env.prompter.find(QStringLiteral("Game Statistics"));
        QCOMPARE(refusal.text, QStringLiteral("Check the values. All values must be numeric"));
        QCOMPARE(refusal.icon, Prompter::Icon::Critical);
        QCOMPARE(statRow(1, 2), QStringList({"", "", "", "", "", "", "", "", "2", "4", "1;1;1;1", "0"}));
        QCOMPARE(result(1), QString());
        QVERIFY(w.isDirty());

        type(&w, "txtOverShot", QStringLiteral("3"));
        QCOMPARE(child<QLineEdit>(&w, "txtGSOG")->text(), QStringLiteral("10"));
        screenshot(&w, QStringLiteral("stats-goalkeeper"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QCOMPARE(statRow(1, 2).mid(0, 8), QStringList({"0", "0", "0", "0", "10", "5", "3", "2"}));

        // Chen scores as many as Brooks let in: once recomputed, the game is a tie.
        choose(&w, 3);
        type(&w, "txtGoals", QStringLiteral("2"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QCOMPARE(result(1), QStringLiteral("99"));
        const RecordSummary record = GetRecord(1, 0, PointValues{3, 1, 0}, 1);
        QCOMPARE(result(1), QStringLiteral("3"));
        QCOMPARE(record.scoreText, QStringLiteral("2-2"));
        QCOMPARE(record.ties, 1);
    }

    void theKeyboardMovesOnWithoutSaving()
    {
        StatDialog w(1, 2, 1, 3, 0);
        show(w);
        child<QComboBox>(&w, "CPName")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* shots = child<QLineEdit>(&w, "txtSOG");
        QCOMPARE(QApplication::focusWidget(), shots);
        QTest::qWait(20);
        QCOMPARE(shots->selectedText(), QStringLiteral("3"));  // the whole text, ready to replace
        QTest::keyClick(shots, Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        // Blocks is empty; leaving it shows 0, but passing through is no change.
        QCOMPARE(child<QLineEdit>(&w, "txtBlocks")->text(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(child<QLineEdit>(&w, "txtBlocks")->text(), QStringLiteral("0"));
        QVERIFY(!w.isDirty());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The goalkeeping boxes are skipped for a field player; Enter never saved on the way.
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&w, "OKButton"));
        QVERIFY(w.isDirty());
        QCOMPARE(statRow(2, 3).at(3), QString());
    }

    // A figure is never added to unasked: the first click into a box, also one that has the focus
    // already, selects its figure so that the one typed replaces it ("3" stays "3", not "33"); a
    // second click places the cursor as in any field.
    void aClickIntoABoxReplacesItsFigure()
    {
        StatDialog w(1, 1, 2, 2, 0);
        show(w);
        auto* saves = child<QLineEdit>(&w, "txtGoalsBlocked");
        type(&w, "txtGoalsBlocked", QStringLiteral("3"));
        type(&w, "txtGoalsScored", QStringLiteral("2"));
        type(&w, "txtOverShot", QStringLiteral("4"));
        QCOMPARE(child<QLineEdit>(&w, "txtGSOG")->text(), QStringLiteral("9"));
        const auto clickAtEnd = [](QLineEdit* box) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
            QTest::qWait(1);
        };
        // Into a box without the focus, then into the one that has it.
        clickAtEnd(saves);
        QTest::keyClicks(saves, QStringLiteral("3"));
        QCOMPARE(saves->text(), QStringLiteral("3"));
        auto* letIn = child<QLineEdit>(&w, "txtGoalsScored");
        letIn->setFocus(Qt::TabFocusReason);
        QTest::qWait(1);
        clickAtEnd(letIn);
        QTest::keyClicks(letIn, QStringLiteral("2"));
        QCOMPARE(letIn->text(), QStringLiteral("2"));
        QCOMPARE(child<QLineEdit>(&w, "txtGSOG")->text(), QStringLiteral("9"));
        clickAtEnd(letIn);
        QTest::keyClicks(letIn, QStringLiteral("0"));
        QCOMPARE(letIn->text(), QStringLiteral("20"));
        QCOMPARE(child<QLineEdit>(&w, "txtGSOG")->text(), QStringLiteral("27"));
        w.markSaved();
    }

    void unsavedFiguresAreNotDroppedUnasked()
    {
        StatDialog w(1, 1, 2, 1, 0);
        show(w);
        type(&w, "txtGoals", QStringLiteral("4"));
        env.prompter.answers << Prompter::Answer::Cancel << Prompter::Answer::No;
        choose(&w, 2);
        QCOMPARE(w.shownPlayerNo(), qint16(1));  // Cancel: still Chen, figure still there
        QCOMPARE(child<QLineEdit>(&w, "txtGoals")->text(), QStringLiteral("4"));
        QCOMPARE(env.prompter.shown.last().text, QStringLiteral("Do you want to save your changes?"));
        choose(&w, 2);
        QCOMPARE(w.shownPlayerNo(), qint16(2));  // No: Brooks, Chen's figure dropped
        QCOMPARE(statRow(1, 1).at(1), QString());

        type(&w, "txtGoalsBlocked", QStringLiteral("6"));
        env.prompter.answers << Prompter::Answer::Yes;
        choose(&w, 3);
        QCOMPARE(statRow(1, 2).at(5), QStringLiteral("6"));  // Yes: saved before Chen shows

        type(&w, "txtGoals", QStringLiteral("1"));
        env.prompter.answers << Prompter::Answer::Cancel << Prompter::Answer::No;
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QTest::mouseClick(child<QPushButton>(&w, "CancelButton"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(statRow(1, 1).at(1), QString());
    }
};

QTEST_MAIN(TestStatEntry)
#include "tst_statentry.moc"

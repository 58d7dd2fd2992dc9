// SPDX-License-Identifier: GPL-3.0-or-later
// Tournaments in the main window: adding, changing and deleting them through the entry dialog,
// their branches in the tree, and their games selectable like the season's.
#include "TestSupport.h"

#include "app/MainForm.h"
#include "app/RosterModel.h"
#include "app/TeamTree.h"
#include "common/Selection.h"
#include "ui/schedule/frmNewData.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

using namespace pw;
using namespace pwtest;

class TestTournaments : public StoreTest {
    Q_OBJECT

private:
    std::unique_ptr<MainForm> form;

    QStringList childTexts(const QString& key) const
    {
        QStringList out;
        const QStandardItem* n = form->treeModel()->node(key);
        for (int r = 0; n && r < n->rowCount(); ++r)
            out << n->child(r)->text();
        return out;
    }

private Q_SLOTS:
    // Comets play tournaments: opponents Owls (1) and the own team (2, "*Comets"), three
    // players; Rockets do not play any.
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("TournamentPlay"), {true}));
        addTeam(2, QStringLiteral("Rockets"));
        addOpponent(1, 1, QStringLiteral("Owls"));
        addOpponent(1, 2, QStringLiteral("Comets"), true);
        for (int p = 1; p <= 3; ++p)
            addPlayer(1, p, QStringLiteral("Player%1").arg(p), QStringLiteral("Kid"), p);
        form = std::make_unique<MainForm>();
        form->ConfigureMainStatus();
        form->SetTeamTabs();
        form->show();
        QVERIFY(form->selectTeam(1));
    }

    void cleanup()
    {
        form.reset();
        const auto error = env.prompter.find(QStringLiteral("Error"));
        QVERIFY2(error.kind.isEmpty(), qPrintable(error.text));
    }

    void addingModifyingAndDeleting()
    {
        onModal<frmNewData>([&] { form->command(QStringLiteral("DataSetTournament"))->trigger(); },
                            [&](frmNewData* d) {
                                QCOMPARE(d->windowTitle(), QStringLiteral("Add New Tournament"));
                                d->AddBtn_Click();  // no name yet: refused, the dialog stays
                                QCOMPARE(env.prompter.find(QStringLiteral("Missing Tournament Name")).text,
                                         QStringLiteral("You must supply a tournament name."));
                                QVERIFY(d->isVisible());
                                child<QLineEdit>(d, "txtTournName")->setText(QStringLiteral("Harvest Cup"));
                                child<QComboBox>(d, "TournSize")->setCurrentIndex(1);  // 3 to 4 teams
                                d->AddBtn_Click();
                            });
        QCOMPARE(countRows(QStringLiteral("TournamentInfo"), {{QStringLiteral("TeamNo"), 1}}), 1);
        QCOMPARE(form->treeModel()->node(NodeKey::tournament(1, 1))->text(), QStringLiteral("Harvest Cup"));
        QCOMPARE(childTexts(NodeKey::tournament(1, 1)), (QStringList{"Round1", "Round2"}));
        QCOMPARE(childTexts(NodeKey::tournamentGame(1001, 1)), QStringList{QStringLiteral("Score:")});
        // The new tournament is selected: its summary and its two rounds.
        QCOMPARE(selection().CurrentTournamentNo(), qint16(1));
        QCOMPARE(selection().NoTiers(), qint16(2));
        QVERIFY(form->command(QStringLiteral("DataModTournament"))->isEnabled());

        onModal<frmNewData>([&] { form->command(QStringLiteral("DataModTournament"))->trigger(); },
                            [&](frmNewData* d) {
                                QCOMPARE(d->windowTitle(), QStringLiteral("Modify Tournament Information"));
                                QCOMPARE(child<QLineEdit>(d, "txtTournName")->text(), QStringLiteral("Harvest Cup"));
                                child<QLineEdit>(d, "txtTournName")->setText(QStringLiteral("Spring Cup"));
                                child<QComboBox>(d, "TournSize")->setCurrentIndex(0);
                                d->AddBtn_Click();
                            });
        // The main window shows the saved change once the command has finished.
        QTRY_COMPARE(form->treeModel()->node(NodeKey::tournament(1, 1))->text(), QStringLiteral("Spring Cup"));
        QCOMPARE(childTexts(NodeKey::tournament(1, 1)), QStringList{QStringLiteral("Round1")});

        // Deleting asks first; No keeps it, Yes removes it.
        QVERIFY(form->selectNode(NodeKey::tournament(1, 1)));
        env.prompter.answers << Prompter::Answer::No << Prompter::Answer::Yes;
        form->command(QStringLiteral("DataDelTournament"))->trigger();
        QCOMPARE(env.prompter.find(QStringLiteral("Confirm Delete")).text,
                 QStringLiteral("Are you sure you want to delete Spring Cup?"));
        QVERIFY(form->treeModel()->node(NodeKey::tournament(1, 1)));
        form->command(QStringLiteral("DataDelTournament"))->trigger();
        QVERIFY(!form->treeModel()->node(NodeKey::tournament(1, 1)));
        QCOMPARE(countRows(QStringLiteral("TournamentInfo")), 0);
    }

    void roundsShowTheirOpponentsAndSelectLikeSeasonGames()
    {
        insertRow(
            QStringLiteral("TournamentInfo"),
            fields(QStringLiteral("TeamNo TournamentNo TournamentName TournamentTeams"), {1, 1, "Harvest Cup", 2}));
        insertRow(QStringLiteral("Schedule"), fields(QStringLiteral("TeamNo GameNo OpponentNo GameDate Result"),
                                                     {1, 1001, 1, QDate(2026, 10, 3), 99}));
        insertRow(QStringLiteral("GameStat"),
                  fields(QStringLiteral("TeamNo GameNo PlayerNo Opponent Goals GoalsScored QtrPlayed QtrAvailable"),
                         {1, 1001, 1, 1, 2, 0, 3, "1;1;1;1"}));
        form->SetTeamTabs();
        QVERIFY(form->selectTeam(1));
        QCOMPARE(childTexts(NodeKey::tournament(1, 1)), (QStringList{"Owls", "Round2"}));
        // A round is a game like any other: its figures and shares show.
        QVERIFY(form->selectNode(NodeKey::tournamentGame(1001, 1)));
        QCOMPARE(selection().CurrentGameNo(), qint16(1001));
        QCOMPARE(selection().CurrentTournamentNo(), qint16(1));
        QCOMPARE(form->mainGridModel()->cellText(0, 1), QStringLiteral("75%"));
        QVERIFY(form->command(QStringLiteral("DataSetupGame"))->isEnabled());
        // The tournament's summary: its record counts its own games.
        QVERIFY(form->selectNode(NodeKey::tournament(1, 1)));
        QCOMPARE(selection().CurrentGameNo(), qint16(1000));
        QCOMPARE(form->statusText(3), QStringLiteral("Record: 1 - 0 - 0"));
        // A team that plays no tournaments cannot add one.
        QVERIFY(form->selectTeam(2));
        QVERIFY(!form->command(QStringLiteral("DataSetTournament"))->isEnabled());
    }
};

QTEST_MAIN(TestTournaments)
#include "tst_tournaments.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Every save that writes several rows, interrupted part-way: by a refusing store, and on
// PostgreSQL by the server ending the session. Nothing half-written may remain, the coach is told
// what happened, and the program carries on with a fresh connection.
#include "TestSupport.h"

#include "core/fees/Fees.h"
#include "core/games/Lineup.h"
#include "core/games/LineupStore.h"
#include "core/practice/DrillDiagram.h"
#include "core/practice/PracticeSession.h"
#include "core/schedule/Schedule.h"
#include "core/teams/TeamProfile.h"
#include "core/tournaments/Bracket.h"
#include "data/Schema.h"

using namespace pw;
using namespace pwtest;

class TestLostSave : public StoreTest {
    Q_OBJECT

    // Every row of every table, in an order that does not depend on the engine.
    static QStringList everything()
    {
        QStringList out;
        for (const TableDef& t : schemaTables()) {
            QStringList rows = queryRows(QStringLiteral("SELECT * FROM %1").arg(t.name));
            rows.sort();
            for (const QString& r : std::as_const(rows))
                out << t.name + QLatin1Char(':') + r;
        }
        return out;
    }

    struct Save {
        const char* name;
        QString table, event, when;
        std::function<void()> run;
    };

    static QList<Save> saves()
    {
        return {
            {"fees", QStringLiteral("Player"), QStringLiteral("UPDATE"), QStringLiteral("NEW.PlayerNo = 5"),
             [] {
                 QList<FeeLine> lines;
                 for (qint16 p = 1; p <= 15; ++p)
                     lines << FeeLine{p, QString(), 40.0};
                 saveFees(1, lines);
             }},
            {"line-up", QStringLiteral("GameStat"), QStringLiteral("INSERT"), QStringLiteral("NEW.PlayerNo = 5"),
             [] {
                 const LineupGame game{.teamNo = 1, .gameNo = 1, .opponentNo = 1, .periods = 4, .places = 8};
                 LineupBoard board;
                 FillPlayerGrid(board, game);
                 board.setCurrentPeriod(1);
                 for (qint16 p = 1; p <= 5; ++p)
                     QVERIFY(board.place(p, QPoint(572 * (p + 2), 415 * 3)));
                 saveLineup(board, game);
             }},
            {"bracket", QStringLiteral("Schedule"), QStringLiteral("INSERT"), QStringLiteral("1 = 1"),
             [] {
                 Bracket cup = FillTourney(1, 1, 2);
                 cup.setTeam(1, {QStringLiteral("*Comets"), QStringLiteral("5")});
                 cup.setTeam(2, {QStringLiteral("Owls"), QStringLiteral("1")});
                 saveBracket(1, 1, cup);
             }},
            {"practice", QStringLiteral("PracticeDrill"), QStringLiteral("INSERT"), QStringLiteral("1 = 1"),
             [] {
                 PracticeSession s = newPracticeSession(1, QDate(2026, 9, 15));
                 s.start = 17 * 60;
                 s.end = 18 * 60;
                 s.rows = {AgendaRow{}, AgendaRow{}};
                 s.rows[0].time = 17 * 60;
                 s.rows[0].agendaItem = QStringLiteral("Warm-up");
                 s.rows[1].time = 17 * 60 + 15;
                 s.rows[1].agendaItem = QStringLiteral("Rondo");
                 s.teamMeeting = true;
                 savePracticeSession(s);
             }},
            {"drill", QStringLiteral("DrillData"), QStringLiteral("INSERT"), QStringLiteral("1 = 1"),
             [] {
                 Drill d = *loadDrill(queryRows(QStringLiteral("SELECT MAX(DrillID) FROM DrillBook")).value(0).toInt());
                 d.description = QStringLiteral("Changed");
                 d.discipline = QStringLiteral("Passing");
                 d.diagram = loadDrill(1)->diagram;
                 QVERIFY(!d.diagram.isEmpty());
                 saveDrill(d);
             }},
            {"schedule", QStringLiteral("Schedule"), QStringLiteral("INSERT"), QStringLiteral("NEW.GameNo = 4"),
             [] {
                 ScheduleSlots slots;
                 slots.load(1, 6);
                 QVERIFY(slots.store(2, 3, QDate(2026, 9, 20), QTime(10, 0), QStringLiteral("North")));
                 slots.save(1);
             }},
            {"team delete", QStringLiteral("Tournament"), QStringLiteral("DELETE"), QStringLiteral("OLD.TeamNo = 1"),
             [] { deleteTeam(1); }},
        };
    }

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        addRealisticClub();
        insertRow(QStringLiteral("Tournament"), fields(QStringLiteral("TeamNo TournamentNo Round"), {1, 1, 1}));
        execSql(QStringLiteral("DELETE FROM DrillBook WHERE DrillID >= 1000"));
        execSql(QStringLiteral("DELETE FROM DrillData WHERE DrillID >= 1000"));
        addDrill(QStringLiteral("Give and go"), 0);
    }

    void anInterruptedSaveLeavesNothingHalfWritten()
    {
        const bool server = Db::sharedLocation().engine == Engine::PostgreSQL;
        for (const Refusal::Fault fault : {Refusal::Fault::Refuse, Refusal::Fault::LoseConnection}) {
            for (const Save& save : saves()) {
                init();
                const QStringList before = everything();
                QString told;
                {
                    const Refusal refusal(save.table, save.event, save.when, fault);
                    try {
                        save.run();
                    } catch (const PwError& e) {
                        told = e.description();
                    }
                }
                QVERIFY2(!told.isEmpty(), save.name);
                if (server && fault == Refusal::Fault::LoseConnection)
                    QVERIFY2(told.contains(QLatin1String("connection to the database server was lost")),
                             qPrintable(told));
                // Read on a connection opened anew: the store is as it was before the save.
                QCOMPARE(everything(), before);
            }
        }
    }
};

QTEST_MAIN(TestLostSave)
#include "tst_lostsave.moc"

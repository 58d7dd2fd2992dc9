// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClubDatabase.h"

#include "core/tournaments/Bracket.h"
#include "core/tournaments/Tournaments.h"
#include "data/Database.h"

#include <QDate>
#include <QDateTime>

namespace pw::bench {

// Fills the open shared database: every team with its players, opponents, played games and one
// statistics row per player and game, in one transaction.
void fillClub(const ClubSize& size)
{
    Transaction tx;
    QSqlDatabase db = Db::shared();
    PreparedStatement team(db, QStringLiteral("INSERT INTO Teams (TeamNo, TeamName, AgeDivision, Sex, Season, Visible, "
                                              "NumberOfGames, Periods, NumberOfPlayers, PointValue, StartDate, "
                                              "TournamentPlay, ManageFees, TeamAmount, WebSite, EmailSendTo) "
                                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    PreparedStatement player(db,
                             QStringLiteral("INSERT INTO Player (TeamNo, PlayerNo, PlayerLastName, PlayerFirstName, "
                                            "JerseyNo, BirthDate, AmountPaid) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    PreparedStatement opponent(db, QStringLiteral("INSERT INTO Opponent (TeamNo, OpponentNo, OpponentName, "
                                                  "OpponentCoach, OpponentCoachPhone, OpponentColor, IsUs) "
                                                  "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    PreparedStatement game(db, QStringLiteral("INSERT INTO Schedule (TeamNo, GameNo, OpponentNo, GameDate, GameTime, "
                                              "FieldName, Result) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    PreparedStatement stat(db, QStringLiteral("INSERT INTO GameStat (TeamNo, GameNo, PlayerNo, Goals, GoalsScored, "
                                              "Shots, QtrAvailable, QtrPlayed) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDate start(2026, 9, 5);
    for (int t = 1; t <= size.teams; ++t) {
        team.exec({t, QStringLiteral("Team %1").arg(t), QStringLiteral("U%1").arg(8 + t % 8), QStringLiteral("G"),
                   QStringLiteral("Fall 2026"), true, size.games, 4, 8, QStringLiteral("3;1;0"), start.addDays(t), true,
                   true, 1500.0, QStringLiteral("https://league.example.org/%1").arg(t),
                   QStringLiteral("families%1@example.org").arg(t)});
        for (int p = 1; p <= size.players; ++p) {
            player.exec({t, p, QStringLiteral("Player%1").arg(p), QStringLiteral("First%1").arg(t), p,
                         QDate(2016, 1 + p % 12, 1 + p % 28), 50.0 * (p % 3)});
        }
        for (int o = 1; o <= 8; ++o) {
            opponent.exec({t, o, QStringLiteral("Opponent %1").arg(o), QStringLiteral("Coach %1").arg(o),
                           QStringLiteral("555-01%1").arg(o, 2, 10, QLatin1Char('0')), QStringLiteral("Blue"), false});
        }
        for (int g = 1; g <= size.games; ++g) {
            // Goals for: players whose number and the game's add up to a multiple of 7 score one;
            // the goalkeeper (player 1) lets in g % 3. The stored result agrees, as it does
            // once the record has been computed.
            int scored = 0;
            for (int p = 1; p <= size.players; ++p)
                scored += (g + p) % 7 == 0 ? 1 : 0;
            const int against = g % 3;
            const int result = scored > against ? 1 : scored < against ? 2 : 3;
            game.exec({t, g, 1 + g % 8, start.addDays(7 * g), QStringLiteral("10:00 AM"),
                       QStringLiteral("Field %1").arg(g % 5), result});
            for (int p = 1; p <= size.players; ++p)
                stat.exec(
                    {t, g, p, (g + p) % 7 == 0 ? 1 : 0, p == 1 ? against : 0, p % 4, QStringLiteral("1;1;1;1"), 3});
        }
    }
    tx.commit();
}

// Every team plays five tournaments of two rounds with its first round scheduled; team 1's first
// tournament is a full 16-team bracket with every game timed and the own team in round 1.
void addTournaments(int teams)
{
    Transaction tx;
    for (int t = 1; t <= teams; ++t) {
        for (int n = 1; n <= 5; ++n) {
            TournamentInfo info{qint16(t), qint16(n), QStringLiteral("Cup %1").arg(n), qint16(t == 1 && n == 1 ? 4 : 2),
                                QDate(2026, 10, n)};
            saveTournament(info);
            execSql(QStringLiteral("INSERT INTO Schedule (TeamNo, GameNo, OpponentNo, GameDate, GameTime, Result) "
                                   "VALUES (?, ?, ?, ?, '09:00 AM', 99)"),
                    {t, n * 1000 + 1, 1 + n % 8, QDate(2026, 10, n)});
        }
    }
    execSql(QStringLiteral("UPDATE Opponent SET IsUs = ? WHERE TeamNo = 1 AND OpponentNo = 8"), {true});
    Bracket b(4);
    for (int p = 1; p <= 16; ++p)
        b.setTeam(p, BracketTeam{p == 1 ? QStringLiteral("*Opponent 8") : QStringLiteral("Opponent %1").arg(1 + p % 7),
                                 QString::number(p == 1 ? 8 : 1 + p % 7)});
    for (int game : b.games())
        b.setGameTag(game,
                     BracketGameTag{QDate(2026, 10, 3), QTime(8 + game % 9, 30), QStringLiteral("Field 2")}.toText());
    saveBracket(1, 1, b);
    tx.commit();
}

// The coach's own drills up to count in all, each with a small diagram.
void addDrills(int count)
{
    Transaction tx;
    QSqlDatabase db = Db::shared();
    PreparedStatement drill(
        db, QStringLiteral("INSERT INTO DrillBook (DrillID, DrillName, Description, Discipline, Explanation, "
                           "Development, DrillType, Stage) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    PreparedStatement marker(
        db, QStringLiteral("INSERT INTO DrillData (DrillID, GnomeType, BaseGnomeNo, FieldGnomeNo, GnomeXPos, "
                           "GnomeYPos) VALUES (?, 1, ?, ?, ?, ?)"));
    QSqlQuery existing = execSql(QStringLiteral("SELECT COUNT(*) FROM DrillBook"));
    const int builtIn = existing.next() ? existing.value(0).toInt() : 0;
    for (int n = 0; n < count - builtIn; ++n) {
        const int id = 1001 + n;
        drill.exec({id, QStringLiteral("Drill %1").arg(n, 3, 10, QLatin1Char('0')), QStringLiteral("Purpose"),
                    n % 2 ? QStringLiteral("Passing") : QStringLiteral("Attacking"), QStringLiteral("Procedure"),
                    QStringLiteral("Points"), n % 2,
                    n % 2 ? QStringLiteral("Fundamental") : QStringLiteral("Individual (1 v 1)")});
        for (int m = 1; m <= 6; ++m)
            marker.exec({id, m % 9, m, 300 * m, 200 * m});
    }
    tx.commit();
}

// A season of practices: three sessions a week from September to December for every team, each
// with a full agenda.
void addPractices(int teams)
{
    Transaction tx;
    QSqlDatabase db = Db::shared();
    PreparedStatement practice(
        db, QStringLiteral("INSERT INTO Practice (TeamNo, PracticeDate, StartTime, EndTime, TimeSegment, "
                           "TeamMeeting) VALUES (?, ?, ?, ?, 15, ?)"));
    for (int t = 1; t <= teams; ++t) {
        for (QDate d(2026, 9, 1); d < QDate(2026, 12, 20); d = d.addDays(1)) {
            if (d.dayOfWeek() == 2 || d.dayOfWeek() == 4 || d.dayOfWeek() == 6)
                practice.exec({t, d.startOfDay(), QDateTime(d, QTime(17, 0)), QDateTime(d, QTime(18, 30)), false});
        }
    }
    tx.commit();
}

}  // namespace pw::bench

// SPDX-License-Identifier: GPL-3.0-or-later
// The line-up board's rules without its window: snapping, placing and its refusals, availability,
// the playing-time figures, undo, and what the board reads from and writes to the store, on both
// engines.
#include "TestSupport.h"

#include "core/games/Lineup.h"
#include "core/games/LineupModel.h"
#include "core/games/LineupProposal.h"
#include "core/games/LineupStore.h"
#include "core/games/Pitch.h"
#include "core/teams/PlayerProfile.h"
#include "data/Schema.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QUndoStack>

using namespace pw;
using namespace pwtest;

namespace {

using lineup::kStepX;
using lineup::kStepY;

// Players 1 to count, in that order, on a board of four periods.
void setupBoard(LineupBoard& b, int count, int places = 11)
{
    QList<LineupPlayer> players;
    for (int i = 1; i <= count; ++i)
        players << LineupPlayer{.playerNo = qint16(i), .name = QStringLiteral("P%1").arg(i)};
    b.setup(4, places, players);
}

// A drop right on grid point (m, n).
QPoint at(int m, int n)
{
    return {m * kStepX, n * kStepY};
}

// Comets' game 3 against opponent 2, eight a side.
LineupGame game(int gameNo = 3, int tournamentNo = 0)
{
    return {.teamNo = 1,
            .gameNo = qint16(gameNo),
            .tournamentNo = qint16(tournamentNo),
            .opponentNo = 2,
            .periods = 4,
            .places = 8};
}

Where rowsOf(int teamNo, int gameNo)
{
    return {{QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("GameNo"), gameNo}};
}

void stat(int teamNo, int gameNo, int playerNo, const QVariant& played, const char* available = "1;1;1;1")
{
    insertRow(QStringLiteral("GameStat"), fields(QStringLiteral("TeamNo GameNo PlayerNo QtrPlayed QtrAvailable"),
                                                 {teamNo, gameNo, playerNo, played, QString::fromLatin1(available)}));
}

void setupRow(int teamNo, int gameNo, int playerNo, int placeNo)
{
    insertRow(QStringLiteral("GameSetup"), fields(QStringLiteral("TeamNo GameNo PlayerNo QtrNo PlaceNo XPos YPos"),
                                                  {teamNo, gameNo, playerNo, 1, placeNo, 302, 145}));
}

// Places the player in each of the periods at the same spot.
void placeIn(LineupBoard& b, qint16 playerNo, std::initializer_list<int> periods)
{
    for (int period : periods) {
        b.setCurrentPeriod(period);
        QVERIFY(b.place(playerNo, at(4, 4)));
    }
}

QVariant statValue(int gameNo, int playerNo, const char* column)
{
    QSqlQuery q = execSql(QStringLiteral("SELECT %1 FROM GameStat WHERE TeamNo = 1 AND GameNo = ? AND PlayerNo = ?")
                              .arg(QLatin1String(column)),
                          {gameNo, playerNo});
    return q.next() ? q.value(0) : QVariant();
}

// Everything a line-up save writes for the game, one line per row.
QStringList stored(int gameNo)
{
    return queryRows(QStringLiteral("SELECT PlayerNo, QtrNo, PlaceNo, XPos, YPos FROM GameSetup WHERE TeamNo = 1 AND "
                                    "GameNo = ? ORDER BY 1, 2"),
                     {gameNo}) +
           queryRows(QStringLiteral("SELECT PlayerNo, Opponent, QtrPlayed, QtrAvailable FROM GameStat WHERE TeamNo = 1 "
                                    "AND GameNo = ? ORDER BY 1"),
                     {gameNo});
}

}  // namespace

class TestLineup : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    // Comets in grid order: Alvarez (1), Brooks (2), Chen (3), Diaz (4), Evans (5). Games 1 to 4 of
    // the season and the cup's 1001 and 1002; game 3 is untouched. Alvarez played 3 and 4 of four
    // periods in games 1 and 2, and all four in the later game 4 and in the cup's first round; the
    // Rockets' player 1 has a game 1 of his own.
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"));
        addTeam(2, QStringLiteral("Rockets"));
        const QStringList names =
            QStringLiteral("Alvarez Sofia,Brooks Mia,Chen Lily,Diaz Ana,Evans Grace").split(QLatin1Char(','));
        for (int i = 0; i < names.size(); ++i)
            addPlayer(1, i + 1, names[i].section(QLatin1Char(' '), 0, 0), names[i].section(QLatin1Char(' '), 1), i + 2);
        addPlayer(2, 1, QStringLiteral("Quinn"), QStringLiteral("Leo"), 9);
        for (int g : {1, 2, 3, 4, 1001, 1002})
            addGame(1, g, 1, QDate(2026, 9, 12).addDays(g % 1000 * 7));
        for (auto [team, g, played] : {std::array{1, 1, 3}, {1, 2, 4}, {1, 4, 4}, {1, 1001, 4}, {2, 1, 0}})
            stat(team, g, 1, played);
    }

    void cleanup()
    {
        const auto failed = env.prompter.find(QStringLiteral("Failed Update"));
        QVERIFY2(failed.kind.isEmpty(), qPrintable(failed.text));
    }

    void dropsSnapToTheGridHalvesToEven()
    {
        // Where the icon is dropped, and the top-left corner it snaps to.
        const QList<std::pair<QPoint, QPoint>> drops{{{1000, 1000}, {874, 560}},      // 1.748 and 2.410 steps
                                                     {{286, 0}, {-270, -270}},        // half a step goes to 0
                                                     {{858, 415}, {874, 145}},        // 1.5 steps go to 2
                                                     {{1430, 830}, {874, 560}},       // 2.5 steps go to 2
                                                     {{-858, -100}, {-1414, -270}}};  // left of and above the field
        for (const auto& [drop, topLeft] : drops)
            QCOMPARE(snapToGrid(drop), topLeft);
    }

    void placingFillsPlacesInTurnAndRefuses()
    {
        LineupBoard b;
        setupBoard(b, 10, 8);
        QCOMPARE(LineupBoard::refusalText(b.checkPlacement(1)), QStringLiteral("No Period Selected"));
        QVERIFY(!b.place(1, at(2, 2)));
        b.setCurrentPeriod(2);
        b.setAvailable(3, {2}, false);
        QCOMPARE(LineupBoard::refusalText(b.checkPlacement(3)), QStringLiteral("Player Not Available"));
        QCOMPARE(LineupBoard::refusalText(b.checkPlacement(1)), QString());

        int placeNo = 0;
        for (qint16 no : {1, 2, 4, 5, 6, 7, 8, 9}) {
            QVERIFY(b.place(no, at(2 + placeNo, 3)));
            QCOMPARE(b.slot(2, no).PlaceNo, qint16(++placeNo));
        }
        QCOMPARE(LineupBoard::refusalText(b.checkPlacement(1)), QStringLiteral("Player already selected"));
        QVERIFY(!b.place(1, at(12, 12)));
        // The ninth of eight: refused, nothing changes.
        const LineupBoard::Snapshot full = b.snapshot();
        QCOMPARE(b.GetPlaceNo(2), 0);
        QVERIFY(!b.place(10, at(12, 12)));
        QVERIFY(b.snapshot() == full);

        // Taking off the player on place 3 frees it for the next one.
        QVERIFY(b.RemovePlayer(2, 4));
        QCOMPARE(b.GetPlaceNo(2), 3);
        QVERIFY(b.place(10, at(12, 12)));
        QCOMPARE(b.playerAt(2, 3), qint16(10));
        // A move keeps the place and the count and stores the snapped spot; other periods are untouched.
        QVERIFY(b.move(10, QPoint(7000, 4000)));
        QVERIFY((b.slot(2, 10) == LineupSlot{3, 12 * kStepX - 270, 10 * kStepY - 270}));
        QCOMPARE(b.PlacedCount(2), 8);
        QCOMPARE(b.PlacedCount(1), 0);
    }

    void notAvailableTakesHimOffAndColoursTheCell()
    {
        LineupBoard b;
        setupBoard(b, 3);
        LineupModel model(b);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const int row = b.rowOf(2);
        const int totals = model.totalsRow();
        auto cell = [&](int r, int column, int role = Qt::DisplayRole) {
            return model.data(model.index(r, column), role);
        };
        placeIn(b, 2, {1, 2});
        QCOMPARE(cell(row, LineupModel::QP).toString(), QStringLiteral("2"));
        QCOMPARE(cell(totals, 1).toString(), QStringLiteral("1"));

        changed.clear();
        QCOMPARE(b.setAvailable(2, {1, 3}, false), QList<int>{1});
        QVERIFY(!changed.isEmpty());
        QCOMPARE(b.slot(1, 2).PlaceNo, qint16(0));
        QCOMPARE(cell(row, 1).toString(), QString());
        QCOMPARE(cell(row, 2).toString(), QStringLiteral("X"));
        QCOMPARE(cell(row, LineupModel::QP).toString(), QStringLiteral("1"));
        QCOMPARE(cell(totals, 1).toString(), QStringLiteral("0"));
        QCOMPARE(cell(row, 1, Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
        QVERIFY(!cell(row, 2, Qt::BackgroundRole).isValid());
        QCOMPARE(b.JoinlcPlayerAvail(2), QStringLiteral("0;1;0;1"));

        // Available again: the colour goes, the placement does not come back.
        b.setAvailable(2, {1}, true);
        QVERIFY(!cell(row, 1, Qt::BackgroundRole).isValid());
        QCOMPARE(b.slot(1, 2).PlaceNo, qint16(0));
    }

    void copyingAPeriodReplacesTheCurrentOne()
    {
        LineupBoard b;
        setupBoard(b, 5);
        b.setCurrentPeriod(1);
        QVERIFY(b.place(1, at(2, 7)) && b.place(2, at(6, 3)) && b.place(3, at(10, 11)));
        b.setCurrentPeriod(3);
        QVERIFY(b.place(4, at(8, 8)) && b.place(1, at(14, 2)));
        b.setAvailable(2, {3}, false);
        const QList<LineupSlot> periodOne = b.snapshot()[0];

        QVERIFY(b.copyPeriod(1));
        for (qint16 no : {1, 3}) {
            QVERIFY(b.slot(3, no).PlaceNo > 0);
            QCOMPARE(QPoint(b.slot(3, no).XPos, b.slot(3, no).YPos), QPoint(b.slot(1, no).XPos, b.slot(1, no).YPos));
        }
        QCOMPARE(b.slot(3, 4).PlaceNo, qint16(0));  // stood in period 3 only
        QCOMPARE(b.slot(3, 2).PlaceNo, qint16(0));  // not available in period 3
        QCOMPARE(b.PlacedCount(3), 2);
        QVERIFY(b.snapshot()[0] == periodOne);
        QVERIFY(!b.copyPeriod(3));
    }

    void availabilityTextIsReadForgivingly()
    {
        const QList<std::pair<QString, QString>> texts{
            {"", "1;1;1;1"}, {"1;0", "1;0;1;1"}, {"1;0;1;1;1;1", "1;0;1;1"}, {" 0 ;b; 0;x", "0;1;0;1"}};
        for (const auto& [text, flags] : texts) {
            QStringList read;
            for (qint16 f : parseAvailability(text, 4))
                read << QString::number(f);
            QCOMPARE(read.join(QLatin1Char(';')), flags);
        }
    }

    void everyChangeUndoesAndRedoesExactly()
    {
        LineupBoard b;
        setupBoard(b, 4);
        QUndoStack stack;
        QList<LineupBoard::Snapshot> states{b.snapshot()};
        auto step = [&](const std::function<bool()>& change) {
            const bool done = applyLineupChange(stack, b, QStringLiteral("step"), change);
            states << b.snapshot();
            return done;
        };
        b.setCurrentPeriod(1);
        QVERIFY(step([&] { return b.place(1, at(3, 4)); }));
        QVERIFY(step([&] { return b.move(1, at(5, 6)); }));
        QVERIFY(step([&] { return b.place(2, at(3, 4)); }));
        QVERIFY(step([&] { return b.RemovePlayer(1, 1); }));
        b.setCurrentPeriod(2);
        QVERIFY(step([&] { return b.copyPeriod(1); }));
        // Nothing to take off: no step.
        QVERIFY(!applyLineupChange(stack, b, QStringLiteral("none"), [&] { return b.RemovePlayer(2, 1); }));
        QCOMPARE(stack.count(), 5);

        b.setCurrentPeriod(3);
        for (int i = 4; i >= 0; --i) {
            stack.undo();
            QVERIFY2(b.snapshot() == states[i], qPrintable(QStringLiteral("undo to state %1").arg(i)));
            QCOMPARE(b.currentPeriod(), i == 4 ? 2 : 1);  // each step shows its period again
        }
        QCOMPARE(b.PlacedCount(1), 0);
        for (int i = 1; i <= 5; ++i) {
            stack.redo();
            QVERIFY2(b.snapshot() == states[i], qPrintable(QStringLiteral("redo to state %1").arg(i)));
        }
        QCOMPARE(b.PlacedCount(1), 1);
        QCOMPARE(b.PlacedCount(2), 1);

        // Once he is not available, neither undo nor redo puts him back on the field.
        b.setAvailable(2, {1, 2}, false);
        stack.undo();
        QCOMPARE(b.slot(1, 2).PlaceNo, qint16(0));
        QCOMPARE(b.PlacedCount(1), 0);
        stack.redo();
        QCOMPARE(b.PlacedCount(2), 0);
    }

    void fieldAreasFaceTheRight()
    {
        QCOMPARE(fieldArea(snapToGrid(at(1, 7))), QStringLiteral("in goal"));
        QCOMPARE(fieldArea(snapToGrid(at(3, 1))), QStringLiteral("left defence"));
        QCOMPARE(fieldArea(snapToGrid(at(8, 7))), QStringLiteral("centre midfield"));
        QCOMPARE(fieldArea(snapToGrid(at(15, 13))), QStringLiteral("right attack"));
    }

    // Name tags keep the whole name wherever there is room for it, moving aside or a line down for
    // a neighbour; one squeezed on every line is shortened to the room it has, no more.
    void nameTagsUseTheRoomThereIs()
    {
        NameLabelStyle style;
        style.font = QFont();
        style.narrow = 20;
        const QFontMetricsF fm(style.font);
        const QString name = QStringLiteral("Chen, Mira-Louise");
        const double w = fm.horizontalAdvance(name) + 2 * style.padX;
        const auto noneCovers = [](const QList<PlacedNameLabel>& placed) {
            for (qsizetype i = 0; i < placed.size(); ++i) {
                for (qsizetype j = i + 1; j < placed.size(); ++j) {
                    if (placed[i].box.intersects(placed[j].box))
                        return false;
                }
            }
            return true;
        };
        QCOMPARE(layoutNameLabels({{QPointF(300, 50), name}}, style).value(0).text, name);
        QList<NameLabel> close;
        for (int i = 0; i < 3; ++i)
            close << NameLabel{QPointF(300 + i * w / 3, 50), name};
        const QList<PlacedNameLabel> sideBySide = layoutNameLabels(close, style);
        for (const PlacedNameLabel& p : sideBySide)
            QCOMPARE(p.text, name);
        QVERIFY(noneCovers(sideBySide));

        // Three stacked on the left fill every line there; the fourth has 0.6 of a name's room.
        style.keepWithin = 1.6 * w;
        QList<NameLabel> squeezed(3, NameLabel{QPointF(w / 2, 50), name});
        squeezed << NameLabel{QPointF(1.3 * w, 50), name};
        const QList<PlacedNameLabel> placed = layoutNameLabels(squeezed, style);
        QVERIFY(noneCovers(placed));
        const PlacedNameLabel& last = placed.last();
        QVERIFY2(last.text != name && last.text.startsWith(QStringLiteral("Chen")), qPrintable(last.text));
        QVERIFY(fm.horizontalAdvance(last.text) > 0.6 * w - 2 * style.padX - fm.averageCharWidth() * 3);
        QVERIFY(last.box.left() >= w - 0.01 && last.box.right() <= 1.6 * w + 0.01);
    }

    // The share counts the earlier games of the same season or cup and this game's periods.
    void playTimeAndPeriodsPlayed_data()
    {
        QTest::addColumn<int>("playerNo");
        QTest::addColumn<int>("gameNo");
        QTest::addColumn<QString>("availability");  // this game's, "" for no row
        QTest::addColumn<int>("placed");
        QTest::addColumn<int>("played");  // in earlier games
        QTest::addColumn<int>("available");
        QTest::addColumn<QString>("pt");
        QTest::addColumn<QString>("qp");
        QTest::newRow("9 of 12") << 1 << 3 << "" << 2 << 7 << 8 << "75%"
                                 << "2";
        QTest::newRow("away today, 7 of 8 is 87.5") << 1 << 3 << "0;0;0;0" << 0 << 7 << 8 << "88%"
                                                    << "-";
        QTest::newRow("first game") << 1 << 1 << "" << 2 << 0 << 0 << "50%"
                                    << "2";
        QTest::newRow("the cup counts its own games only") << 1 << 1002 << "" << 2 << 4 << 4 << "75%"
                                                           << "2";
        QTest::newRow("never available") << 2 << 3 << "0;0;0;0" << 0 << 0 << 0 << "0%"
                                         << "-";
        QTest::newRow("a share of nothing reads 0%") << 2 << 3 << "1;1;1;1" << 0 << 0 << 0 << "0%"
                                                     << "0";
    }
    void playTimeAndPeriodsPlayed()
    {
        QFETCH(int, playerNo);
        QFETCH(int, gameNo);
        QFETCH(QString, availability);
        QFETCH(int, placed);
        if (!availability.isEmpty())
            stat(1, gameNo, playerNo, 0, qPrintable(availability));
        LineupBoard b;
        FillPlayerGrid(b, game(gameNo, gameNo / 1000));
        QTEST(b.player(playerNo)->earlierPlayed, "played");
        QTEST(b.player(playerNo)->earlierAvailable, "available");
        for (int period = 1; period <= placed; ++period)
            placeIn(b, qint16(playerNo), {period});
        QTEST(b.ptText(qint16(playerNo)), "pt");
        QTEST(b.qpText(qint16(playerNo)), "qp");
    }

    void openingAnUntouchedGameGivesEveryoneARow()
    {
        // As the window opens it: read, then the missing rows written at once, in one statement.
        LineupBoard b;
        FillPlayerGrid(b, game());
        const quint64 before = statementCount();
        QVERIFY(addMissingStatRows(b, game()));
        QCOMPARE(statementCount() - before, quint64(3));  // the game, its rows, the new rows
        QVERIFY(!addMissingStatRows(b, game()));          // nothing missing the second time
        QCOMPARE(countRows(QStringLiteral("GameSetup")), 0);
        QCOMPARE(countRows(QStringLiteral("GameStat"), rowsOf(1, 3)), 5);
        QSqlQuery q =
            execSql(QStringLiteral("SELECT COUNT(*) FROM GameStat WHERE TeamNo = 1 AND GameNo = 3 AND Opponent = 2 "
                                   "AND Shots = 0 AND Goals = 0 AND Blocks = 0 AND Assists = 0 AND ShotOnGoal = 0 "
                                   "AND GoalsBlocked = 0 AND OverShot = 0 AND GoalsScored = 0 AND QtrPlayed = 0 "
                                   "AND QtrAvailable = '1;1;1;1'"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 5);
    }

    // Game 2 has statistics (Alvarez played 4 periods) but no line-up: opening its board leaves
    // his row as it is; only a save writes the board's periods. A game that is gone gets no rows.
    void openingChangesNoStoredFigure()
    {
        execSql(QStringLiteral("UPDATE GameStat SET Goals = 2 WHERE TeamNo = 1 AND GameNo = 2 AND PlayerNo = 1"));
        LineupBoard b;
        FillPlayerGrid(b, game(2));
        QVERIFY(addMissingStatRows(b, game(2)));
        QCOMPARE(statValue(2, 1, "QtrPlayed").toInt(), 4);
        QCOMPARE(statValue(2, 1, "Goals").toInt(), 2);
        QCOMPARE(countRows(QStringLiteral("GameStat"), rowsOf(1, 2)), 5);
        QCOMPARE(statValue(2, 2, "QtrPlayed").toInt(), 0);
        saveLineup(b, game(2));
        QCOMPARE(statValue(2, 1, "QtrPlayed").toInt(), 0);  // the coach saved an empty line-up

        execSql(QStringLiteral("DELETE FROM Schedule WHERE TeamNo = 1 AND GameNo = 4"));
        LineupBoard gone;
        FillPlayerGrid(gone, game(4));
        QVERIFY(!addMissingStatRows(gone, game(4)));
        QCOMPARE(countRows(QStringLiteral("GameStat"), rowsOf(1, 4)), 1);
    }

    void whatIsSavedIsReadBack()
    {
        // Evans's availability is garbled, a player who left still has a placement, and game 2
        // has a line-up of its own.
        insertRow(QStringLiteral("GameStat"),
                  fields(QStringLiteral("TeamNo GameNo PlayerNo QtrAvailable Captain"), {1, 3, 5, "x;;?", true}));
        setupRow(1, 3, 99, 1);
        setupRow(1, 2, 1, 1);

        LineupBoard b;
        FillPlayerGrid(b, game());
        QCOMPARE(b.JoinlcPlayerAvail(5), QStringLiteral("1;1;1;1"));
        QVERIFY(b.player(5)->captain);
        saveLineup(b, game());
        QCOMPARE(statValue(3, 5, "QtrAvailable").toString(), QStringLiteral("1;1;1;1"));
        QCOMPARE(countRows(QStringLiteral("GameSetup"), {{QStringLiteral("PlayerNo"), 99}}), 0);

        b.setAvailable(2, {4}, false);
        b.setCurrentPeriod(1);
        QVERIFY(b.place(1, at(2, 3)) && b.place(2, at(5, 5)) && b.place(3, at(8, 7)));
        b.setCurrentPeriod(3);
        QVERIFY(b.place(3, at(2, 3)));
        b.setCurrentPeriod(4);
        QVERIFY(b.place(4, at(13, 12)));
        saveLineup(b, game());
        saveLineup(b, game());
        QCOMPARE(countRows(QStringLiteral("GameSetup"), rowsOf(1, 3)), 5);
        QCOMPARE(countRows(QStringLiteral("GameSetup"), rowsOf(1, 2)), 1);
        QCOMPARE(statValue(3, 3, "QtrPlayed").toInt(), 2);
        QCOMPARE(statValue(3, 2, "QtrAvailable").toString(), QStringLiteral("1;1;1;0"));

        LineupBoard back;
        FillPlayerGrid(back, game());
        QVERIFY(back.snapshot() == b.snapshot());
        for (const LineupPlayer& p : b.players()) {
            QCOMPARE(back.JoinlcPlayerAvail(p.playerNo), b.JoinlcPlayerAvail(p.playerNo));
            QCOMPARE(back.player(p.playerNo)->captain, p.captain);
        }
    }

    void aFailedSaveChangesNothing_data()
    {
        QTest::addColumn<bool>("gameRemoved");
        QTest::newRow("the game was taken off the schedule") << true;
        QTest::newRow("the store refuses a new player's row") << false;
    }
    void aFailedSaveChangesNothing()
    {
        QFETCH(bool, gameRemoved);
        LineupBoard b;
        FillPlayerGrid(b, game());
        b.setCurrentPeriod(1);
        QVERIFY(b.place(1, at(2, 3)) && b.place(4, at(6, 3)));
        saveLineup(b, game());
        const QStringList before = stored(3);

        // Young joins the team and comes last in the grid: his row is the last one written.
        addPlayer(1, 6, QStringLiteral("Young"), QStringLiteral("Zoe"), 20);
        FillPlayerGrid(b, game());
        b.setCurrentPeriod(1);
        QVERIFY(b.RemovePlayer(1, 1) && b.place(6, at(9, 9)));
        b.setCurrentPeriod(2);
        QVERIFY(b.place(4, at(3, 3)));

        // Either the game is gone, or the store refuses Young's new row.
        std::optional<Refusal> refusal;
        if (gameRemoved)
            execSql(QStringLiteral("DELETE FROM Schedule WHERE TeamNo = 1 AND GameNo = 3"));
        else
            refusal.emplace(QStringLiteral("GameStat"), QStringLiteral("INSERT"), QStringLiteral("NEW.PlayerNo = 6"));
        QVERIFY_THROWS_EXCEPTION(PwError, saveLineup(b, game()));
        QCOMPARE(stored(3), before);
        env.prompter.clear();
    }

    void readingCostsTheSameForAnyRoster()
    {
        // Comets' 5 players and the Rockets' 25, each with two earlier games and a place in game 13.
        for (int i = 2; i <= 25; ++i)
            addPlayer(2, i, QStringLiteral("Player%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Max"), i);
        execSql(QStringLiteral("UPDATE Teams SET SeasonCaptains = '1;3'"));
        for (int team : {1, 2}) {
            for (int player = 1; player <= (team == 1 ? 5 : 25); ++player) {
                stat(team, 11, player, 2);
                stat(team, 12, player, 3);
                setupRow(team, 13, player, player);
            }
        }
        auto cost = [](int team) {
            LineupGame g = game(13);
            g.teamNo = qint16(team);
            g.places = 11;
            g.trackCaptain = true;
            LineupBoard b;
            const quint64 before = statementCount();
            FillPlayerGrid(b, g);
            return statementCount() - before;
        };
        const quint64 small = cost(1);
        QCOMPARE(cost(2), small);
    }

    void captainsComeFromTheGameOrTheSeasonList()
    {
        insertRow(QStringLiteral("GameStat"),
                  fields(QStringLiteral("TeamNo GameNo PlayerNo Captain"), {1, 3, 1, true}));
        execSql(QStringLiteral("UPDATE Teams SET SeasonCaptains = '2;5' WHERE TeamNo = 1"));
        LineupGame g = game();
        for (bool season : {false, true}) {
            g.trackCaptain = season;
            LineupBoard b;
            FillPlayerGrid(b, g);
            QCOMPARE(b.player(1)->captain, !season);
            QVERIFY(b.player(2)->captain == season && b.player(5)->captain == season && !b.player(3)->captain);
            QCOMPARE(LineupModel(b).nameCell(season ? 2 : 1),
                     season ? QStringLiteral("*Brooks, Mia") : QStringLiteral("*Alvarez, Sofia"));
        }
    }

    void deletingRemovesThisGamesRowsOnly()
    {
        for (int g : {2, 3}) {
            LineupBoard b;
            FillPlayerGrid(b, game(g));
            b.setCurrentPeriod(1);
            QVERIFY(b.place(1, at(2, 2)));
            saveLineup(b, game(g));
        }
        setupRow(2, 3, 1, 1);
        stat(2, 3, 1, 1);
        deleteLineup(1, 3);
        for (const QString& table : {QStringLiteral("GameSetup"), QStringLiteral("GameStat")}) {
            QCOMPARE(countRows(table, rowsOf(1, 3)), 0);
            QVERIFY(countRows(table, rowsOf(1, 2)) > 0);
            QCOMPARE(countRows(table, rowsOf(2, 3)), 1);
        }
        QCOMPARE(countRows(QStringLiteral("Schedule"), rowsOf(1, 3)), 1);
    }

    // What a proposal reads besides the board: periods in goal in the season's earlier games (not
    // later ones, not the cup's) and the "May play in goal" ticks; and how the board becomes the
    // solver's problem: periods before the re-plan kept, a locked icon on its nearest spot.
    void proposalsReadTheKeepersHistory()
    {
        const auto setup = [](int gameNo, int playerNo, int period, int x) {
            insertRow(QStringLiteral("GameSetup"),
                      fields(QStringLiteral("TeamNo GameNo PlayerNo QtrNo PlaceNo XPos YPos"),
                             {1, gameNo, playerNo, period, 1, x, 2635}));
        };
        setup(1, 2, 1, 302);   // in goal
        setup(1, 2, 2, 302);   // in goal
        setup(1, 3, 1, 2000);  // on the field
        setup(4, 2, 1, 302);   // a later game
        setup(1001, 4, 1, 302);
        execSql(QStringLiteral("UPDATE Player SET MayPlayGoal = ? WHERE TeamNo = 1 AND PlayerNo = 5"), {true});
        const LineupGame game3{.teamNo = 1, .gameNo = 3, .opponentNo = 1, .periods = 4, .places = 7};
        const KeeperHistory h = readKeeperHistory(game3);
        QCOMPARE(h.goalPeriods.value(2), 2);
        QCOMPARE(h.goalPeriods.value(3), 0);
        QCOMPARE(h.goalPeriods.value(4), 0);
        QCOMPARE(h.mayPlayGoal, QSet<qint16>{5});

        LineupBoard b;
        FillPlayerGrid(b, game3);
        b.setCurrentPeriod(1);
        QVERIFY(b.place(3, at(7, 7)));
        b.setCurrentPeriod(2);
        QVERIFY(b.place(1, at(1, 7)));
        QVERIFY(b.setLocked(2, 1, true));
        QVERIFY(!b.setLocked(2, 2, true));  // nobody to lock
        const LineupProblem pb = lineupProblem(b, 2, h, 2);
        QCOMPARE(pb.lockedPeriods, (QList<bool>{true, false, false, false}));
        const int goal = int(pb.spots.indexOf(SpotKind::Goal));
        QCOMPARE(pb.locked.size(), 2);
        QCOMPARE(pb.spots[pb.locked[0].spot], SpotKind::HalfBack);
        QCOMPARE(pb.locked[1], (SolverPlacement{b.rowOf(1), goal, 1}));
        QCOMPARE(pb.players[b.rowOf(2)].goalPeriods, 2);
        QVERIFY(pb.players[b.rowOf(5)].mayPlayGoal);

        // Five players for seven places: each period has all five, the goal kept by the locked one.
        QUndoStack stack;
        QString note;
        applyLineupChange(stack, b, QStringLiteral("Suggest"), [&] {
            note = proposeLineup(b, 2, h, 2);
            return true;
        });
        QCOMPARE(b.PlacedCount(1), 1);
        for (int p = 2; p <= 4; ++p)
            QCOMPARE(b.PlacedCount(p), 5);
        QVERIFY(b.isLocked(2, 1) && b.slot(2, 1).XPos == snapToGrid(at(1, 7)).x());
        QVERIFY2(note.contains(QLatin1String("only 5 available in period 3")), qPrintable(note));
        stack.undo();
        QCOMPARE(b.PlacedCount(3), 0);
        QVERIFY(b.isLocked(2, 1));
    }

    // A read-only database from before the "May play in goal" tick is read as if nobody had it.
    void aReadOnlyOlderDatabaseReadsWithoutTheTick()
    {
        if (store.location().engine != Engine::SQLite)
            QSKIP("read-only files are a SQLite matter");
        execSql(QStringLiteral("ALTER TABLE Player DROP COLUMN MayPlayGoal"));
        execSql(QStringLiteral("PRAGMA user_version = 2"));
        DbLocation readOnly = store.location();
        readOnly.readOnly = true;
        Db::openShared(readOnly);
        const LineupGame game3{.teamNo = 1, .gameNo = 3, .opponentNo = 1, .periods = 4, .places = 7};
        const KeeperHistory h = readKeeperHistory(game3);
        QVERIFY(h.mayPlayGoal.isEmpty());
        QCOMPARE(h.goalPeriods.size(), 5);
        const std::optional<PlayerProfile> p = readPlayer(1, 2);
        QVERIFY(p && !p->mayPlayGoal && p->lastName == QStringLiteral("Brooks"));
        Db::openShared(store.location());
        upgradeSchema(Db::shared());
        QVERIFY(storedColumn(QStringLiteral("Player"), QStringLiteral("MayPlayGoal")));
        QCOMPARE(missingColumns(Db::shared()), QStringList());
    }

    void playTimeHistoryListsGamesInOrder()
    {
        // Stored out of order; another player's and another team's rows stay out.
        stat(1, 4, 3, QVariant());
        stat(1, 2, 3, 4);
        stat(1, 1, 3, 3);
        stat(1, 3, 3, 2);
        stat(2, 5, 3, 1);
        QCOMPARE(playTimeHistory(1, 3), QStringLiteral("3-4-2-0"));
    }
};

QTEST_MAIN(TestLineup)
#include "tst_lineup.moc"

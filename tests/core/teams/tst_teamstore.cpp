// SPDX-License-Identifier: GPL-3.0-or-later
// Teams, players and opponents as their windows keep them, on both engines: the small text codecs,
// adding and updating rows without losing what other windows wrote, copying, removing, the import
// list and the opponents screen's working list.
#include "TestSupport.h"

#include "core/teams/Opponents.h"
#include "core/teams/PlayerProfile.h"
#include "core/teams/TeamProfile.h"
#include "data/RowSet.h"
#include "data/Schema.h"

#include <QScopeGuard>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace pw;
using namespace pwtest;

namespace {

Where teamKey(int teamNo)
{
    return {{QStringLiteral("TeamNo"), teamNo}};
}

Where playerKey(int teamNo, int playerNo)
{
    return {{QStringLiteral("TeamNo"), teamNo}, {QStringLiteral("PlayerNo"), playerNo}};
}

void put(const char* table, const char* columns, const QVariantList& values)
{
    insertRow(QString::fromLatin1(table), fields(QString::fromLatin1(columns), values));
}

// "a|b|c" as its parts.
QStringList parts(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'));
}

QString stored(const char* table, const Where& where, const char* column)
{
    return GetDBData(QString::fromLatin1(table), where, QString::fromLatin1(column));
}

// The rows a statement gives, each as its values joined by "/".
QStringList rowsOf(const QString& sql)
{
    QSqlQuery q = execSql(sql);
    QStringList out;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values << NullToText(q.value(i));
        out << values.join(QLatin1Char('/'));
    }
    return out;
}

// Every column of the first matching row as "Column=value", without the columns left out.
QStringList rowText(const QString& table, const Where& where, const QStringList& leaveOut)
{
    const QStringList cols = columnNames(table);
    QSqlQuery q = execSql(QStringLiteral("SELECT %1 FROM %2%3").arg(cols.join(QLatin1Char(',')), table, where.clause()),
                          where.values());
    QStringList out;
    if (!q.next())
        return out;
    for (int i = 0; i < cols.size(); ++i) {
        if (!leaveOut.contains(cols[i]))
            out << cols[i] + QLatin1Char('=') + NullToText(q.value(i));
    }
    return out;
}

// A team whose every profile field holds something other than its default, so a column lost on
// the way shows.
TeamProfile sampleTeam(qint16 teamNo)
{
    TeamProfile p{.teamNo = teamNo,
                  .league = QStringLiteral("North Valley Youth League"),
                  .teamName = QStringLiteral("Comets"),
                  .clubName = QStringLiteral("FC Rivière"),
                  .webSite = QStringLiteral("https://league.example.org"),
                  .homePage = QStringLiteral("https://comets.example.org"),
                  .tournamentPlay = true,
                  .manageFees = true,
                  .teamAmount = 1287.5,
                  .visible = false,
                  .season = QStringLiteral("Fall 2026"),
                  .startDate = QDate(2026, 9, 5),
                  .ageDivision = QStringLiteral("U10"),
                  .cutOff = QDate(2016, 8, 1),
                  .sex = QStringLiteral("G"),
                  .periods = 4,
                  .numberOfPlayers = 11,
                  .minutes = 15,
                  .minQtrReq = 2,
                  .jerseyColor = QStringLiteral("Navy"),
                  .shortsColor = QStringLiteral("White"),
                  .altColor = QStringLiteral("Gold"),
                  .timeTrack = 1,
                  .trackCaptain = 1,
                  .coaches = {},
                  .practiceSchedule = QStringLiteral("1,6:00 PM-7:30 PM;0,0;1,6:00 PM-7:30 PM;0,0;0,0"),
                  .emailSendTo = QStringLiteral("families@example.org"),
                  .pointValue = QStringLiteral("3;1;0"),
                  // Other windows write these two; the profile's save never does.
                  .seasonCaptains = QStringLiteral("from the profile"),
                  .numberOfGames = 42};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        p.coaches[size_t(i)] = {QStringLiteral("Coach ") + n,  QStringLiteral("555-010") + n,
                                n + QStringLiteral(" Elm St"), QStringLiteral("9740") + n,
                                QStringLiteral("555-020") + n, QStringLiteral("c%1@example.org").arg(n)};
    }
    return p;
}

QStringList profileText(const TeamProfile& p)
{
    QStringList out{QString::number(p.teamNo),
                    p.league,
                    p.teamName,
                    p.clubName,
                    p.webSite,
                    p.homePage,
                    QString::number(p.tournamentPlay),
                    QString::number(p.manageFees),
                    QString::number(p.teamAmount),
                    QString::number(p.visible),
                    p.season,
                    p.startDate.toString(Qt::ISODate),
                    p.ageDivision,
                    p.cutOff.toString(Qt::ISODate),
                    p.sex,
                    QString::number(p.periods),
                    QString::number(p.numberOfPlayers),
                    QString::number(p.minutes),
                    QString::number(p.minQtrReq),
                    p.jerseyColor,
                    p.shortsColor,
                    p.altColor,
                    QString::number(p.timeTrack),
                    QString::number(p.trackCaptain),
                    p.practiceSchedule,
                    p.emailSendTo,
                    p.pointValue};
    for (const CoachInfo& c : p.coaches)
        out << c.name << c.phone << c.address << c.zip << c.mobile << c.email;
    return out;
}

PlayerProfile samplePlayer(qint16 teamNo, qint16 playerNo)
{
    auto parent = [](const char* values, bool sameAddress) {
        const QStringList v = QString::fromLatin1(values).split(QLatin1Char(','));
        return ParentInfo{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], sameAddress};
    };
    return {.teamNo = teamNo,
            .playerNo = playerNo,
            .lastName = QStringLiteral("Smith"),
            .firstName = QStringLiteral("Anna"),
            .nickname = QStringLiteral("Annie"),
            .jerseyNo = 7,
            .email = QStringLiteral("anna@example.org"),
            .position = QStringLiteral("0;1;0;0;1"),
            .address = QStringLiteral("12 Elm St"),
            .city = QStringLiteral("Springfield"),
            .state = QStringLiteral("OR"),
            .zipCode = QStringLiteral("97403"),
            .birthDate = QDate(2016, 11, 3),
            .phone = QStringLiteral("555-0101"),
            .altPhone = QStringLiteral("555-0102"),
            // The mother lives with the player, though her boxes still hold an old address.
            .mom = parent("Jones,Kate,99 Other Rd,Eugene,WA,98001,555-0199,555-0103,kate@example.org", true),
            .dad = parent("Smith,Tom,4 Oak Ave,Salem,OR,97301,555-0104,555-0105,tom@example.org", false),
            .amountPaid = 999.0};  // the fees window's, never the profile's
}

QStringList playerText(const PlayerProfile& p)
{
    QStringList out{
        p.lastName, p.firstName, p.nickname, QString::number(p.jerseyNo),       p.email, p.position, p.address,
        p.city,     p.state,     p.zipCode,  p.birthDate.toString(Qt::ISODate), p.phone, p.altPhone};
    for (const ParentInfo* m : {&p.mom, &p.dad}) {
        out << m->lastName << m->firstName << m->address << m->city << m->state << m->zip << m->phone << m->altPhone
            << m->email << QString::number(m->sameAddress);
    }
    return out;
}

// One row of the team in each table that has a TeamNo, and a teaching moment on its practice,
// whose number it gives.
int fillTeam(int t)
{
    addTeam(t, QStringLiteral("Team %1").arg(t));
    addPlayer(t, 1, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 7);
    addOpponent(t, 1, QStringLiteral("Blue Herons"));
    addGame(t, 1, 1, QDate(2026, 9, 12));
    put("GameNotes", "TeamNo GameNo Notes", {t, 1, "Pressed high"});
    put("GameSetup", "TeamNo GameNo PlayerNo QtrNo", {t, 1, 1, 1});
    put("GameStat", "TeamNo GameNo PlayerNo Goals", {t, 1, 1, 2});
    put("PlayerNotes", "TeamNo PlayerNo NoteID Note", {t, 1, 1, "Weak foot"});
    put("TeamNotes", "TeamNo Subject", {t, "Snacks"});
    put("Tournament", "TeamNo TournamentNo Round", {t, 1, 1});
    put("TournamentInfo", "TeamNo TournamentNo TournamentName", {t, 1, "Harvest Cup"});
    put("Practice", "TeamNo PracticeDate", {t, QDate(2026, 9, 8)});
    const int practice = stored("Practice", teamKey(t), "PracticeID").toInt();
    put("PracticeDrill", "RowNo TeamNo PracticeID DrillID", {1, t, practice, 1});
    put("TeachingMoment", "RowNo PracticeID Moment", {1, practice, "Check your shoulder"});
    return practice;
}

QStringList lines(const OpponentList& list)
{
    QStringList out;
    for (qsizetype i = 0; i < list.entries().size(); ++i)
        out << list.lineText(i);
    return out;
}

}  // namespace

class TestTeamStore : public StoreTest {
    Q_OBJECT

private Q_SLOTS:

    // The store is opened once for the program: every test starts from empty team tables.
    void init()
    {
        env.reset();
        emptyTables();
    }

    void cleanupTestCase() { store.close(); }

    void practiceWeek_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("days");     // Monday to Friday: "1[start|end]" ticked, "0" not
        QTest::addColumn<QString>("written");  // what the decoded week writes back
        const QString off = QStringLiteral("0,0;0,0;0,0;0,0;0,0");
        const QString evenings = QStringLiteral("1,6:00 PM-7:30 PM;0,0;1,5:30 PM-7:00 PM;0,0;0,0");
        QTest::newRow("two evenings") << evenings << QStringLiteral("1[6:00 PM|7:30 PM] 0 1[5:30 PM|7:00 PM] 0 0")
                                      << evenings;
        QTest::newRow("nothing stored") << QString() << QStringLiteral("0 0 0 0 0") << off;
        QTest::newRow("monday only") << QStringLiteral("1,6:00 PM-7:00 PM")
                                     << QStringLiteral("1[6:00 PM|7:00 PM] 0 0 0 0")
                                     << QStringLiteral("1,6:00 PM-7:00 PM;0,0;0,0;0,0;0,0");
        QTest::newRow("weekend ignored") << QStringLiteral("0,0;0,0;0,0;0,0;1,8:00 AM-9:00 AM;1,8:00 AM-9:00 AM")
                                         << QStringLiteral("0 0 0 0 1[8:00 AM|9:00 AM]")
                                         << QStringLiteral("0,0;0,0;0,0;0,0;1,8:00 AM-9:00 AM");
        QTest::newRow("spaces") << QStringLiteral(" 1 , 6:00 PM - 7:30 PM ;0;0,0;0,0;0,0")
                                << QStringLiteral("1[6:00 PM|7:30 PM] 0 0 0 0")
                                << QStringLiteral("1,6:00 PM-7:30 PM;0,0;0,0;0,0;0,0");
        QTest::newRow("unreadable flags")
            << QStringLiteral("x,6:00 PM-7:00 PM;yes;0,0;0,0;0,0") << QStringLiteral("0 0 0 0 0") << off;
    }

    void practiceWeek()
    {
        QFETCH(QString, text);
        QFETCH(QString, days);
        QFETCH(QString, written);
        const PracticeWeek week = decodePracticeWeek(text);
        QStringList shown;
        for (const PracticeDay& d : week)
            shown << (d.on ? QStringLiteral("1[%1|%2]").arg(d.start, d.end) : QStringLiteral("0"));
        QCOMPARE(shown.join(QLatin1Char(' ')), days);
        QCOMPARE(encodePracticeWeek(week), written);
        QCOMPARE(decodePracticeWeek(written), week);
    }

    void pointBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("boxes");  // win|tie|loss
        QTest::addColumn<QString>("written");
        QTest::newRow("stored") << QStringLiteral("3;1;0") << QStringLiteral("3|1|0") << QStringLiteral("3;1;0");
        QTest::newRow("nothing stored") << QString() << QStringLiteral("2|1|0") << QStringLiteral("2;1;0");
        QTest::newRow("blank") << QStringLiteral("   ") << QStringLiteral("2|1|0") << QStringLiteral("2;1;0");
        QTest::newRow("win only") << QStringLiteral("3") << QStringLiteral("3|1|0") << QStringLiteral("3;1;0");
        QTest::newRow("spaces") << QStringLiteral(" 3 ; 1 ; 0 ") << QStringLiteral("3|1|0") << QStringLiteral("3;1;0");
        QTest::newRow("empty tie") << QStringLiteral("3;;0") << QStringLiteral("3||0") << QStringLiteral("3;;0");
        QTest::newRow("extra part") << QStringLiteral("3;1;0;5") << QStringLiteral("3|1|0") << QStringLiteral("3;1;0");
    }

    void pointBoxes()
    {
        QFETCH(QString, text);
        QFETCH(QString, boxes);
        QFETCH(QString, written);
        const std::array<QString, 3> read = decodePointBoxes(text);
        QCOMPARE(QStringList(read.begin(), read.end()).join(QLatin1Char('|')), boxes);
        // Spaces the coach typed around the numbers are not stored.
        const QStringList typed = boxes.split(QLatin1Char('|'));
        const QString padded = QLatin1Char(' ') + typed[2] + QLatin1Char('\t');
        QCOMPARE(encodePointBoxes({QLatin1Char(' ') + typed[0], typed[1] + QLatin1Char(' '), padded}), written);
    }

    void positions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ticks");  // front line, half back, full back, sweeper, goalie
        QTest::addColumn<QString>("written");
        const QString none = QStringLiteral("0;0;0;0;0");
        const QString halfBackAndGoalie = QStringLiteral("0;1;0;0;1");
        QTest::newRow("none") << none << QStringLiteral("00000") << none;
        QTest::newRow("half back and goalie") << halfBackAndGoalie << QStringLiteral("01001") << halfBackAndGoalie;
        QTest::newRow("nothing stored") << QString() << QStringLiteral("00000") << none;
        QTest::newRow("short") << QStringLiteral("1;1") << QStringLiteral("11000") << QStringLiteral("1;1;0;0;0");
        QTest::newRow("junk") << QStringLiteral(" 1 ;x;2;1") << QStringLiteral("10010") << QStringLiteral("1;0;0;1;0");
    }

    void positions()
    {
        QFETCH(QString, text);
        QFETCH(QString, ticks);
        QFETCH(QString, written);
        QString read;
        Positions ticked{};
        for (int i = 0; i < 5; ++i) {
            read += decodePositions(text)[size_t(i)] ? QLatin1Char('1') : QLatin1Char('0');
            ticked[size_t(i)] = ticks[i] == QLatin1Char('1');
        }
        QCOMPARE(read, ticks);
        QCOMPARE(encodePositions(ticked), written);
    }

    void jerseyNumbers()
    {
        for (const auto& [text, number] : {std::pair{"12", 12},
                                           {" 12 ", 12},
                                           {"32767", 32767},
                                           {"abc", 0},
                                           {"", 0},
                                           {"99999", 0},
                                           {"12a", 0},
                                           {"1.5", 0},
                                           {"-3", 0}})
            QCOMPARE(jerseyFromText(QString::fromLatin1(text)), qint16(number));
    }

    void ages_data()
    {
        QTest::addColumn<QString>("division");
        QTest::addColumn<int>("years");         // -1: not an age
        QTest::addColumn<QString>("defaults");  // periods, players, minimum periods, minutes
        QTest::addColumn<QDate>("cutOff");      // seen from March 15, 2026
        QTest::newRow("U6") << QStringLiteral("U6") << 6 << QStringLiteral("4 7 2 8") << QDate(2019, 8, 1);
        QTest::newRow("U9") << QStringLiteral("U9") << 9 << QStringLiteral("4 11 2 10") << QDate(2016, 8, 1);
        QTest::newRow("U10") << QStringLiteral("U10") << 10 << QStringLiteral("4 11 2 15") << QDate(2015, 8, 1);
        QTest::newRow("U11") << QStringLiteral("U11") << 11 << QStringLiteral("4 11 2 15") << QDate(2014, 8, 1);
        QTest::newRow("U12") << QStringLiteral("U12") << 12 << QStringLiteral("4 11 2 20") << QDate(2013, 8, 1);
        QTest::newRow("u14") << QStringLiteral(" u 14 ") << 14 << QStringLiteral("4 11 2 20") << QDate(2011, 8, 1);
        for (const auto& [tag, text] : {std::pair{"words", "Under 10"},
                                        {"no number", "U"},
                                        {"three digits", "U100"},
                                        {"number only", "10"},
                                        {"fraction", "U9.5"},
                                        {"empty", ""}})
            QTest::newRow(tag) << QString::fromLatin1(text) << -1 << QString() << QDate();
    }

    void ages()
    {
        QFETCH(QString, division);
        QFETCH(int, years);
        QFETCH(QString, defaults);
        QFETCH(QDate, cutOff);
        const std::optional<int> read = ageYears(division);
        QCOMPARE(read.value_or(-1), years);
        if (!read)
            return;
        const AgeDefaults d = ageDefaults(*read);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(d.periods).arg(d.players).arg(d.minPeriods).arg(d.minutes),
                 defaults);
        QCOMPARE(ageCutOff(*read, QDate(2026, 3, 15)), cutOff);
    }

    void theNeighbourShownAfterARemoval()
    {
        for (const auto& [index, count, shown] : {std::tuple{0, 3, 1},
                                                  {1, 3, 2},
                                                  {2, 3, 1},
                                                  {1, 2, 0},
                                                  {0, 2, 1},
                                                  {0, 1, -1},
                                                  {0, 0, -1},
                                                  {3, 3, -1},
                                                  {-1, 3, -1}})
            QCOMPARE(neighbourAfterRemoval(index, count), shown);
    }

    void aTeamIsAddedThenUpdatedKeepingWhatOtherWindowsWrote()
    {
        QCOMPARE(GenTeamNo(), qint16(1));
        QVERIFY(!readTeamProfile(1));
        TeamProfile p = sampleTeam(GenTeamNo());
        QVERIFY(saveTeamProfile(p));
        std::optional<TeamProfile> back = readTeamProfile(1);
        QVERIFY(back);
        QCOMPARE(profileText(*back), profileText(p));
        QCOMPARE(back->numberOfGames, 0);
        QCOMPARE(back->seasonCaptains, QString());

        // The schedule counts the games and the captains window picks the season's captains.
        execSql(QStringLiteral("UPDATE Teams SET NumberOfGames = 6, SeasonCaptains = '3;7' WHERE TeamNo = 1"));
        p.teamName = QStringLiteral("Comets Blue");
        p.cutOff = QDate();
        p.coaches[2] = CoachInfo{};
        QVERIFY(!saveTeamProfile(p));
        back = readTeamProfile(1);
        QCOMPARE(profileText(*back), profileText(p));
        QCOMPARE(back->numberOfGames, 6);
        QCOMPARE(back->seasonCaptains, QStringLiteral("3;7"));

        // Captains chosen per game from now on: the season's mean nothing; the games stay counted.
        p.trackCaptain = 0;
        QVERIFY(!saveTeamProfile(p));
        back = readTeamProfile(1);
        QCOMPARE(back->trackCaptain, 0);
        QCOMPARE(back->seasonCaptains, QString());
        QCOMPARE(back->numberOfGames, 6);

        addTeam(7, QStringLiteral("Rockets"));
        QCOMPARE(GenTeamNo(), qint16(8));
        p.teamNo = 0;
        try {
            saveTeamProfile(p);
            QFAIL("a team without a number was saved");
        } catch (const PwError& e) {
            QCOMPARE(e.number(), err::BadArgument);
        }
        QCOMPARE(countRows(QStringLiteral("Teams")), 2);
    }

    void aCopiedTeamIsItsRowOnly()
    {
        QVERIFY(saveTeamProfile(sampleTeam(1)));
        execSql(QStringLiteral("UPDATE Teams SET NumberOfGames = 6, SeasonCaptains = '3;7' WHERE TeamNo = 1"));
        addPlayer(1, 1, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 7);
        addOpponent(1, 1, QStringLiteral("Blue Herons"));
        const QStringList teamNo{QStringLiteral("TeamNo")};
        const QStringList source = rowText(QStringLiteral("Teams"), teamKey(1), teamNo);
        QCOMPARE(source.size(), columnNames(QStringLiteral("Teams")).size() - 1);
        for (const QString& column : source)
            QVERIFY2(!column.endsWith(QLatin1Char('=')), qPrintable(column));  // something to copy in every column

        CopyTeam(1, GenTeamNo());
        QCOMPARE(rowText(QStringLiteral("Teams"), teamKey(2), teamNo), source);
        QCOMPARE(rowText(QStringLiteral("Teams"), teamKey(1), teamNo), source);
        QCOMPARE(countRows(QStringLiteral("Player"), teamKey(2)), 0);
        QCOMPARE(countRows(QStringLiteral("Opponent"), teamKey(2)), 0);
        QCOMPARE(countRows(QStringLiteral("Player"), teamKey(1)), 1);
    }

    void aRemovedTeamTakesEverythingOfItsOwnInOneTransaction()
    {
        const Where moment1{{QStringLiteral("PracticeID"), fillTeam(1)}};
        const Where moment2{{QStringLiteral("PracticeID"), fillTeam(2)}};
        QStringList tables;
        for (const TableDef& t : schemaTables()) {
            if (t.hasColumn(QStringLiteral("TeamNo")))
                tables << t.name;
        }
        QCOMPARE(tables.size(), 13);
        for (const QString& t : tables)
            QVERIFY2(countRows(t, teamKey(1)) == 1 && countRows(t, teamKey(2)) == 1, qPrintable(t));

        // A table that cannot be reached half way: nothing at all is removed.
        execSql(QStringLiteral("ALTER TABLE TournamentInfo RENAME TO TournamentInfoAside"));
        {
            auto back = qScopeGuard(
                [] { execSql(QStringLiteral("ALTER TABLE TournamentInfoAside RENAME TO TournamentInfo")); });
            QVERIFY_THROWS_EXCEPTION(PwError, deleteTeam(1));
        }
        for (const QString& t : tables)
            QVERIFY2(countRows(t, teamKey(1)) == 1, qPrintable(t));
        QCOMPARE(countRows(QStringLiteral("TeachingMoment"), moment1), 1);

        deleteTeam(1);
        for (const QString& t : tables)
            QVERIFY2(countRows(t, teamKey(1)) == 0 && countRows(t, teamKey(2)) == 1, qPrintable(t));
        QCOMPARE(countRows(QStringLiteral("TeachingMoment"), moment1), 0);
        QCOMPARE(countRows(QStringLiteral("TeachingMoment"), moment2), 1);
    }

    void everyTeamIsListedByName()
    {
        addTeam(3, QStringLiteral("comets"));
        addTeam(1, QStringLiteral("Rockets"));
        addTeam(2, QStringLiteral("Comets"),
                fields(QStringLiteral("AgeDivision Sex Season"), {"U12", "B", "Spring 2027"}));
        addTeam(4, QStringLiteral("aces"), fields(QStringLiteral("Visible"), {false}));
        const QList<TeamEntry> teams = allTeamsByName();
        QList<qint16> numbers;
        for (const TeamEntry& t : teams)
            numbers << t.teamNo;
        QCOMPARE(numbers, (QList<qint16>{4, 2, 3, 1}));  // hidden ones too; one name in number order
        QCOMPARE(teams[1].text, QStringLiteral("Comets (U12B-Spring 2027)"));
    }

    void aPlayerIsAddedThenUpdatedKeepingWhatTheFeesWindowWrote()
    {
        PlayerProfile p = samplePlayer(1, 5);
        QVERIFY(savePlayer(p));
        const Where who = playerKey(1, 5);
        auto column = [&](const char* name) { return stored("Player", who, name); };
        // The mother shares the player's address, so the player's is what is stored for her.
        QCOMPARE((QStringList{column("MomAddress"), column("MomCity"), column("MomState"), column("MomZip"),
                              column("MomPhone"), column("MomAltPhone"), column("DadAddress"), column("DadZip")}),
                 parts("12 Elm St|Springfield|OR|97403|555-0101|555-0103|4 Oak Ave|97301"));
        PlayerProfile expected = p;
        expected.mom.address = p.address;
        expected.mom.city = p.city;
        expected.mom.state = p.state;
        expected.mom.zip = p.zipCode;
        expected.mom.phone = p.phone;
        std::optional<PlayerProfile> back = readPlayer(1, 5);
        QVERIFY(back);
        QCOMPARE(playerText(*back), playerText(expected));
        QCOMPARE(back->amountPaid, 0.0);

        execSql(QStringLiteral("UPDATE Player SET AmountPaid = 45.5, PlayTime = 130 WHERE PlayerNo = 5"));
        p.firstName = QStringLiteral("Anne");
        p.mom.sameAddress = false;
        p.zipCode = QString();
        QVERIFY(!savePlayer(p));
        back = readPlayer(1, 5);
        QCOMPARE(back->firstName, QStringLiteral("Anne"));
        QCOMPARE(back->mom.address, QStringLiteral("99 Other Rd"));
        QCOMPARE(back->amountPaid, 45.5);
        QCOMPARE(column("ZipCode"), QStringLiteral("0"));
        QCOMPARE(column("PlayTime"), QStringLiteral("0"));  // worked out again from the line-ups
        QVERIFY_THROWS_EXCEPTION(PwError, savePlayer(samplePlayer(1, 0)));
        QCOMPARE(countRows(QStringLiteral("Player")), 1);
    }

    void awkwardNamesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"Bree\"");
        QTest::newRow("accents") << QStringLiteral("Núñez-Großmann");
        QTest::newRow("emoji") << QStringLiteral("Zoë ⚽😀");
        QTest::newRow("statement text") << QStringLiteral("x'); DROP TABLE Player; --");
    }

    void awkwardNamesRoundTrip()
    {
        QFETCH(QString, name);
        PlayerProfile p = samplePlayer(1, 3);
        p.lastName = p.firstName = p.nickname = p.mom.firstName = name;
        QVERIFY(savePlayer(p));
        const std::optional<PlayerProfile> back = readPlayer(1, 3);
        QVERIFY(back);
        QCOMPARE((QStringList{back->lastName, back->firstName, back->nickname, back->mom.firstName}),
                 QStringList(4, name));
        QCOMPARE(playerEntries(1).value(0).text, name + QStringLiteral(", ") + name);
    }

    // The profile and the ticks of the player's items are one save: a tick the store refuses
    // keeps the profile's row as it was too.
    void aProfileAndItsTicksAreSavedTogether()
    {
        addTeam(1, QStringLiteral("Comets"));
        QVERIFY(savePlayer(samplePlayer(1, 5)));
        const PlayerNote note = addPlayerNote(1, 5, QStringLiteral("Weak foot"), 1);
        PlayerProfile changed = samplePlayer(1, 5);
        changed.nickname = QStringLiteral("Speedy");
        {
            const Refusal refusal(QStringLiteral("PlayerNotes"), QStringLiteral("UPDATE"));
            QVERIFY_THROWS_EXCEPTION(PwError, savePlayerProfile(changed, {PlayerNote{note.noteId, note.text, true}}));
        }
        QCOMPARE(readPlayer(1, 5)->nickname, samplePlayer(1, 5).nickname);
        savePlayerProfile(changed, {PlayerNote{note.noteId, note.text, true}});
        QCOMPARE(readPlayer(1, 5)->nickname, QStringLiteral("Speedy"));
        env.prompter.clear();
    }

    void aPlayerIsCopiedWithoutPaymentsOrNotesAndRemovedWithHisNotesOnly()
    {
        for (const auto& [teamNo, name] : {std::pair{1, "Comets"}, {2, "Rockets"}, {3, "Aces"}, {4, "Dragons"}})
            addTeam(teamNo, QString::fromLatin1(name));
        QVERIFY(savePlayer(samplePlayer(1, 5)));
        execSql(QStringLiteral("UPDATE Player SET AmountPaid = 60, PlayTime = 30 WHERE TeamNo = 1 AND PlayerNo = 5"));
        addPlayerNote(1, 5, QStringLiteral("Weak foot"), 1);
        addPlayerNote(1, 6, QStringLiteral("Throw-ins"), 1);
        addPlayer(3, 5, QStringLiteral("Stone"), QStringLiteral("Eli"), 11);
        put("GameStat", "TeamNo GameNo PlayerNo Goals", {1, 1, 5, 2});
        put("GameSetup", "TeamNo GameNo PlayerNo QtrNo", {1, 1, 5, 1});
        auto targets = [] {
            QList<qint16> out;
            for (const TeamEntry& t : copyTargets(5))
                out << t.teamNo;
            return out;
        };
        QCOMPARE(targets(), (QList<qint16>{4, 2}));  // by name, without the teams where 5 is taken

        CopyPlayer(5, 1, 2);
        const QStringList leaveOut{QStringLiteral("TeamNo"), QStringLiteral("AmountPaid")};
        QCOMPARE(rowText(QStringLiteral("Player"), playerKey(2, 5), leaveOut),
                 rowText(QStringLiteral("Player"), playerKey(1, 5), leaveOut));
        QCOMPARE(stored("Player", playerKey(2, 5), "AmountPaid").toDouble(), 0.0);
        QCOMPARE(stored("Player", playerKey(1, 5), "AmountPaid").toDouble(), 60.0);
        QCOMPARE(countRows(QStringLiteral("PlayerNotes"), playerKey(2, 5)), 0);
        QCOMPARE(targets(), (QList<qint16>{4}));
        try {
            CopyPlayer(5, 1, 3);
            QFAIL("a second player 5 was stored on team 3");
        } catch (const PwError& e) {
            QCOMPARE(e.number(), err::DuplicateKey);
        }
        QCOMPARE(stored("Player", playerKey(3, 5), "PlayerLastName"), QStringLiteral("Stone"));

        deletePlayer(1, 5);
        QVERIFY(!readPlayer(1, 5));
        QVERIFY(readPlayer(2, 5));
        QCOMPARE(countRows(QStringLiteral("PlayerNotes"), playerKey(1, 5)), 0);
        QCOMPARE(countRows(QStringLiteral("PlayerNotes"), playerKey(1, 6)), 1);
        // Past games still add up.
        QCOMPARE(countRows(QStringLiteral("GameStat"), playerKey(1, 5)), 1);
        QCOMPARE(countRows(QStringLiteral("GameSetup"), playerKey(1, 5)), 1);
    }

    void importOffersEachPersonOnceWithAFreeNumber()
    {
        addPlayer(1, 1, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 2);
        addPlayer(1, 2, QStringLiteral("Brooks"), QStringLiteral("Mia"), 3);
        addPlayer(2, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 4);  // number 1 is taken here
        addPlayer(3, 2, QStringLiteral("Fox"), QStringLiteral("Amy"), 5);    // so is 2
        addPlayer(2, 3, QStringLiteral("Diaz"), QStringLiteral("Ana"), 6);
        addPlayer(4, 7, QStringLiteral("diaz"), QStringLiteral("Ana"), 6);  // the same girl on a newer team
        addPlayer(3, 9, QStringLiteral("Diaz"), QStringLiteral("Ana"), 8,
                  fields(QStringLiteral("BirthDate"), {QDate(2016, 5, 1)}));  // and her older namesake
        addPlayer(3, 8, QStringLiteral("Diaz"), QStringLiteral("Ben"), 9);    // only the last name in common
        addPlayer(2, 1200, QStringLiteral("Evans"), QStringLiteral("Grace"), 10);
        // Typed with a stray space on a still newer team: the store sorts her apart from the
        // others, but she is the same girl.
        addPlayer(5, 11, QStringLiteral("Diaz "), QStringLiteral("Ana"), 6);
        QStringList offered;
        for (const ImportEntry& e : importCandidates(1))
            offered << QStringLiteral("%1/%2 %3").arg(e.teamNo).arg(e.playerNo).arg(e.text);
        QCOMPARE(offered.size(), 4);
        QCOMPARE(offered.filter(QStringLiteral("Ben")), parts("3/8 Diaz, Ben"));
        QCOMPARE(offered.filter(QStringLiteral("Evans")), parts("2/1200 Evans, Grace"));
        QCOMPARE(offered.filter(QStringLiteral("3/9")), parts("3/9 Diaz, Ana"));
        QCOMPARE(offered.filter(QStringLiteral("Ana")).filter(QStringLiteral("/11 ")), parts("5/11 Diaz , Ana"));
    }

    void playerNotesKeepTheirNumbersAndOrder()
    {
        auto ids = [](qint16 playerNo) {
            QList<int> out;
            for (const PlayerNote& n : readPlayerNotes(1, playerNo))
                out << n.noteId;
            return out;
        };
        const PlayerNote first = addPlayerNote(1, 5, QStringLiteral("Weak foot"), 2);
        QCOMPARE(first.noteId, 1);
        QVERIFY(!first.checked);
        QCOMPARE(addPlayerNote(1, 5, QStringLiteral("Heading"), 3).noteId, 2);
        QCOMPARE(addPlayerNote(1, 5, QStringLiteral("First touch"), 1).noteId, 3);
        QCOMPARE(addPlayerNote(1, 6, QStringLiteral("Throw-ins"), 1).noteId, 1);  // each player numbers his own
        QCOMPARE(ids(5), (QList<int>{3, 1, 2}));
        removePlayerNote(1, 5, 2);
        QCOMPARE(ids(5), (QList<int>{3, 1}));
        QCOMPARE(addPlayerNote(1, 5, QStringLiteral("Heading again"), 4).noteId, 4);

        // The coach moves the last item to the top and ticks it.
        QList<PlayerNote> notes = readPlayerNotes(1, 5);
        std::reverse(notes.begin(), notes.end());
        notes[0].checked = true;
        replacePlayerNotes(1, 5, notes);
        QCOMPARE(rowsOf(QStringLiteral("SELECT NoteID, Priority, Note FROM PlayerNotes WHERE PlayerNo = 5 "
                                       "ORDER BY Priority")),
                 parts("4/1/Heading again|1/2/Weak foot|3/3/First touch"));
        notes = readPlayerNotes(1, 5);
        QVERIFY(notes[0].checked && !notes[1].checked && !notes[2].checked);

        notes[0].checked = false;
        notes[2].checked = true;
        writeNoteTicks(1, 5, notes);
        notes = readPlayerNotes(1, 5);
        QVERIFY(!notes[0].checked && !notes[1].checked && notes[2].checked);
        QCOMPARE(ids(6), (QList<int>{1}));
    }

    void parents_data()
    {
        QTest::addColumn<QString>("names");  // player's last, mother's first and last, father's first and last
        QTest::addColumn<QString>("shown");
        const char* const rows[][3] = {{"one family name", "Smith,Kate,Smith,Tom,Smith", "Kate/Tom"},
                                       {"mother's own name", "Smith,Kate,Jones,Tom,Smith", "Kate Jones/Tom"},
                                       {"both other names", "Smith,Kate,Jones,Tom,Brown", "Kate Jones/Tom Brown"},
                                       {"mother only", "Smith,Kate,Jones,,", "Kate Jones"},
                                       {"father only", "Smith,,,Tom,Smith", "Tom"},
                                       {"a last name alone", "Smith,,Jones,Tom,Smith", "Tom"},
                                       {"no last names", "Smith,Kate,,Tom,", "Kate/Tom"},
                                       {"spaces", "Smith , Kate , Smith ,Tom, Brown ", "Kate/Tom Brown"},
                                       {"nobody", "Smith,,,,", ""}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
    }

    void parents()
    {
        QFETCH(QString, names);
        QFETCH(QString, shown);
        const QStringList n = names.split(QLatin1Char(','));
        QCOMPARE(parentsText(n[0], n[1], n[2], n[3], n[4]), shown);
    }

    void theOpponentListRefusesNumbersItCannotKeep()
    {
        put("Opponent", "TeamNo OpponentNo OpponentName OpponentCoach IsUs", {1, 3, "Valley FC", "Pat Moore", false});
        put("Opponent", "TeamNo OpponentNo OpponentName OpponentCoach IsUs", {1, 5, "Comets", "Jo Park", true});
        addOpponent(1, 1, QStringLiteral("Blue Herons"));
        addOpponent(2, 2, QStringLiteral("Hill Rovers"));
        OpponentList list = OpponentList::load(1);
        const QStringList loaded = parts("1 - Blue Herons  ()|3 - Valley FC  (Pat Moore)|5 - *Comets  (Jo Park)");
        QCOMPARE(lines(list), loaded);
        QCOMPARE(list.entries()[2].plainName(), QStringLiteral("Comets"));
        QVERIFY(list.entries()[2].isUs() && !list.entries()[0].isUs());
        QVERIFY(!list.changed());

        const QString none;
        for (const char* number : {"abc", "", "0", "32768", "-2", "1.5", "5"}) {
            const QString text = QString::fromLatin1(number);
            QVERIFY_THROWS_EXCEPTION(PwError, list.store(-1, text, QStringLiteral("Rovers"), none, none, none, false));
        }
        try {  // another entry's number, while replacing
            list.store(0, QStringLiteral("5"), QStringLiteral("Blue Herons"), none, none, none, false);
            QFAIL("two entries with number 5");
        } catch (const PwError& e) {
            QVERIFY2(e.description().contains(QLatin1String("already used by Comets.")), qPrintable(e.description()));
        }
        QCOMPARE(lines(list), loaded);
        QVERIFY(!list.changed());

        auto enter = [&](qsizetype index, const char* number, const char* name, const char* coach) {
            return list.store(index, QString::fromLatin1(number), QString::fromLatin1(name), QString::fromLatin1(coach),
                              none, none, false);
        };
        QCOMPARE(enter(-1, " 7 ", "Hill Rovers", "Sam Lee"), qsizetype(3));
        QVERIFY(list.changed());
        // Replacing keeps the place, and an entry may keep its own number.
        QCOMPARE(enter(1, "3", "Valley FC II", "Pat Moore"), qsizetype(1));
        // A star the coach typed does not make an opponent the own team.
        QCOMPARE(enter(0, "2", "**Blue Herons", "Ann Cole"), qsizetype(0));
        QVERIFY(!list.entries()[0].isUs());
        QCOMPARE(lines(list), parts("2 - Blue Herons  (Ann Cole)|3 - Valley FC II  (Pat Moore)|5 - *Comets  (Jo Park)|"
                                    "7 - Hill Rovers  (Sam Lee)"));
    }
};

QTEST_GUILESS_MAIN(TestTeamStore)
#include "tst_teamstore.moc"

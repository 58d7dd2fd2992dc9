// SPDX-License-Identifier: GPL-3.0-or-later
// Roster files: the comma-separated reader and writer, export, the import plan with its errors and
// duplicates, and storing it all or nothing, on both engines.
#include "TestSupport.h"

#include "core/teams/PlayerProfile.h"
#include "core/teams/RosterCsv.h"

using namespace pw;
using namespace pwtest;

namespace {

// A player with something in every field, awkward characters included, so a field lost or
// garbled on the way shows.
PlayerProfile fullPlayer(qint16 playerNo, const QString& last, qint16 jersey)
{
    PlayerProfile p;
    p.teamNo = 1;
    p.playerNo = playerNo;
    p.lastName = last;
    p.firstName = QStringLiteral("Zoë \"Zo\"");
    p.nickname = QStringLiteral("Line one\nline two, with a comma");
    p.jerseyNo = jersey;
    p.email = QStringLiteral("\"Zoë, Kid\" <zoe@example.org>");
    p.position = QStringLiteral("0;1;0;0;1");
    p.address = QStringLiteral(" 12 Elm St, Apt 3 ");
    p.city = QStringLiteral("Zürich");
    p.state = QStringLiteral("ZH");
    p.zipCode = QStringLiteral("8001");
    p.birthDate = QDate(2016, 11, 3);
    p.phone = QStringLiteral("+41 44 555 01 01");
    p.altPhone = QStringLiteral("555-0102\ttab");
    p.mom = {QStringLiteral("Jones"),
             QStringLiteral("Kate"),
             QStringLiteral("99 Other Rd"),
             QStringLiteral("Eugene"),
             QStringLiteral("WA"),
             QStringLiteral("98001"),
             QStringLiteral("555-0199"),
             QStringLiteral("555-0103"),
             QStringLiteral("kate@example.org"),
             false};
    p.dad = {QStringLiteral("Smith"),
             QStringLiteral("Tom"),
             {},
             {},
             {},
             {},
             {},
             QStringLiteral("555-0105"),
             QStringLiteral("tom@example.org"),
             true};
    return p;
}

QByteArray csv(const char* text)
{
    return QByteArray(text);
}

// The plan's rows as "line:error" for those with errors.
QStringList errorsOf(const RosterImportPlan& plan)
{
    QStringList out;
    for (const ImportRow& r : plan.rows) {
        if (!r.error.isEmpty())
            out << QString::number(r.line) + QLatin1Char(':') + r.error;
    }
    return out;
}

QStringList playerRows(int teamNo)
{
    return queryRows(QStringLiteral("SELECT * FROM Player WHERE TeamNo = ? ORDER BY PlayerNo"), {teamNo});
}

}  // namespace

class TestRosterCsv : public StoreTest {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"));
    }

    void cleanupTestCase() { store.close(); }

    void theReaderAndWriterKeepToRfc4180()
    {
        // Quoted commas, doubled quotes and line breaks; CR LF, LF and a lone CR all end records;
        // a byte-order mark is dropped; empty lines are no records; the last line may lack its end.
        const CsvFile file = readCsv(csv("\xEF\xBB\xBF"
                                         "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
                                         "\"two\r\nlines\",,x\n"
                                         "\n"
                                         "tab\there,\"\",end\r"
                                         "last,\"Zo\xC3\xAB\",z"));
        QVERIFY(file.error.isEmpty());
        QCOMPARE(file.records.size(), 4);
        QCOMPARE(file.records[0].fields, QStringList({"a", "b,c", "say \"hi\""}));
        QCOMPARE(file.records[1].fields, QStringList({"two\nlines", "", "x"}));
        QCOMPARE(file.records[2].fields, QStringList({"tab\there", "", "end"}));
        QCOMPARE(file.records[3].fields, QStringList({"last", QStringLiteral("Zoë"), "z"}));
        // Lines are counted as a text editor shows them, line breaks inside fields too.
        QCOMPARE(file.records[1].line, 2);
        QCOMPARE(file.records[2].line, 5);
        QCOMPARE(file.records[3].line, 6);
        for (const CsvRecord& r : file.records)
            QVERIFY2(r.error.isEmpty(), qPrintable(r.error));

        // Control characters other than tab, CR and LF make a row error, quoted or not; so does a
        // quote left open.
        const CsvFile bad = readCsv(csv("ok,fine\nbell\x07,x\n\"nul \x01\"\n\"open,\r\nfield"));
        QCOMPARE(bad.records.size(), 4);
        QVERIFY(bad.records[0].error.isEmpty());
        QVERIFY2(bad.records[1].error.contains(QLatin1String("U+0007")), qPrintable(bad.records[1].error));
        QVERIFY(bad.records[2].error.contains(QLatin1String("U+0001")));
        QVERIFY(bad.records[3].error.contains(QLatin1String("not closed")));
        QVERIFY(readCsv(csv("caf\xE9\n")).error.contains(QLatin1String("UTF-8")));

        // Written with CR LF, quoted only where needed, and read back to the same fields.
        const QList<QStringList> records{{"plain", "with,comma", "say \"hi\"", "two\nlines", " padded", ""},
                                         {QStringLiteral("Zoë"), "tab\tin", "x"}};
        const QByteArray written = writeCsv(records, false);
        QCOMPARE(written, QByteArray("plain,\"with,comma\",\"say \"\"hi\"\"\",\"two\r\nlines\",\" padded\",\r\n"
                                     "Zo\xC3\xAB,tab\tin,x\r\n"));
        QCOMPARE(writeCsv(records, true), QByteArray("\xEF\xBB\xBF") + written);
        QList<QStringList> back;
        for (const CsvRecord& r : readCsv(writeCsv(records, true)).records)
            back << r.fields;
        QCOMPARE(back, records);
    }

    void columnsAreMatchedByNameAndClubSynonyms()
    {
        const QStringList headers{"First Name",
                                  "SURNAME",
                                  "d.o.b.",
                                  "Shirt",
                                  "Mother",
                                  "Mum's E-mail",
                                  "Dad Cell",
                                  "Email",
                                  "Notes",
                                  "Number",
                                  "Mother at Player's Address"};
        const RosterMapping m = defaultMapping(headers);
        const QList<RosterField> expected{RosterField::FirstName,     RosterField::LastName,     RosterField::BirthDate,
                                          RosterField::Jersey,        RosterField::MomFirstName, RosterField::MomEmail,
                                          RosterField::DadAltPhone,   RosterField::Email,        RosterField::None,
                                          RosterField::None,  // "Number" comes after "Shirt": a field is filled once
                                          RosterField::MomSameAddress};
        QCOMPARE(m.columns, expected);
        // Every header of an exported file names its own field again.
        for (RosterField f : rosterFields())
            QCOMPARE(fieldForHeader(rosterHeader(f)), f);
    }

    void anExportedTeamImportsAgainWithoutAChange()
    {
        savePlayer(fullPlayer(1, QStringLiteral("O'Brien, Jr."), 7));
        PlayerProfile second = fullPlayer(2, QStringLiteral("Ødegaard"), 0);
        second.birthDate = QDate();
        second.position = QStringLiteral("0;0;0;0;0");
        second.mom = {};
        savePlayer(second);
        addPlayer(1, 3, QStringLiteral("Brooks"), QStringLiteral("Mia"), 12);  // nulls where savePlayer writes text
        execSql(QStringLiteral("UPDATE Player SET AmountPaid = 40, PlayTime = 95 WHERE TeamNo = 1"));
        addTeam(2, QStringLiteral("Rockets"));
        addPlayer(2, 1, QStringLiteral("Quinn"), QStringLiteral("Leo"), 9);
        const QStringList before = playerRows(1);

        const QByteArray file = exportRoster(1, true);
        QVERIFY(file.startsWith("\xEF\xBB\xBF"));
        QVERIFY(file.contains("Half Back; Goalie"));
        QVERIFY(file.contains("2016-11-03"));
        const RosterImportPlan plan = planImport(1, file);
        QVERIFY(plan.error.isEmpty());
        QCOMPARE(errorsOf(plan), QStringList());
        QCOMPARE(plan.rows.size(), 3);
        for (const ImportRow& r : plan.rows) {
            QVERIFY(r.duplicate());
            QVERIFY2(r.unchanged, qPrintable(QString::number(r.line)));
            QCOMPARE(r.player.lastName, readPlayer(1, r.existingPlayerNo)->lastName);
        }
        NoticeLog notices;
        const ImportResult result = storeImport(plan);
        QCOMPARE(result.added + result.updated, 0);
        QCOMPARE(playerRows(1), before);
        QCOMPARE(notices.size(), 0);

        // Into another team, every field arrives as it was.
        QCOMPARE(planImport(2, file).errorCount(), 0);
        QCOMPARE(storeImport(planImport(2, file)).added, 3);
        QList<QStringList> copied;
        for (const CsvRecord& r : readCsv(exportRoster(2, false)).records)
            copied << r.fields;
        for (const CsvRecord& r : readCsv(file).records)
            QVERIFY2(copied.contains(r.fields), qPrintable(r.fields.join(QLatin1Char('|'))));
        QCOMPARE(copied.size(), 5);
        QCOMPARE(queryRows(QStringLiteral("SELECT DISTINCT AmountPaid, PlayTime FROM Player WHERE TeamNo = 2 AND "
                                          "PlayerNo > 1")),
                 QStringList({"0/0"}));
        QCOMPARE(notices.count(Change::Players, 2), 1);
    }

    void eachBadRowSaysWhy()
    {
        addPlayer(1, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 4);
        const RosterImportPlan plan =
            planImport(1, csv("Surname,First Name,DOB,Shirt,Email,Mother Email,Position\n"
                              ",Nobody,2016-01-01,,,,\n"                                   // 2: no last name
                              "Ito,Yui,31/31/2016,,,,\n"                                   // 3: no date
                              "Evans,Grace,,4,,,\n"                                        // 4: Chen's jersey
                              "Fischer,Hanna,,9,,,\n"                                      // 5: fine
                              "Garcia,Isa,,9,,,\n"                                         // 6: line 5's jersey
                              "Hughes,Ava,,,ava@,,\n"                                      // 7: bad address
                              "Jensen,Freja,,,,kate at home,\n"                            // 8: bad mother's address
                              "Kowalski,Zofia,,x7,,,\n"                                    // 9: no jersey number
                              "Larsen,Emma,,,,,Striker\n"                                  // 10: no position
                              "Moreno,Lucia,,,\"Lucia <lucia@example.org>\",,Goalie\n"));  // 11: fine
        QVERIFY(plan.error.isEmpty());
        const QStringList errors = errorsOf(plan);
        QCOMPARE(errors.size(), 8);
        auto has = [&](int line, const char* words) {
            const auto it = std::find_if(errors.begin(), errors.end(), [&](const QString& e) {
                return e.startsWith(QString::number(line) + QLatin1Char(':')) && e.contains(QLatin1String(words));
            });
            if (it == errors.end())
                qWarning() << "line" << line << "lacks" << words << errors;
            return it != errors.end();
        };
        QVERIFY(has(2, "missing name"));
        QVERIFY(has(3, "bad date"));
        QVERIFY(has(4, "jersey 4 is taken by Chen, Lily"));
        QVERIFY(has(6, "jersey 9 is taken by line 5"));
        QVERIFY(has(7, "bad e-mail address in E-Mail"));
        QVERIFY(has(8, "bad e-mail address in Mother's E-Mail"));
        QVERIFY(has(9, "jersey \"x7\""));
        QVERIFY(has(10, "unknown position"));

        // Only the good rows are stored; new players get the numbers after the team's.
        const ImportResult result = storeImport(plan);
        QCOMPARE(result.added, 2);
        QCOMPARE(queryRows(QStringLiteral("SELECT PlayerNo, PlayerLastName, JerseyNo, Position FROM Player "
                                          "WHERE TeamNo = 1 ORDER BY PlayerNo")),
                 QStringList({"1/Chen/4/", "2/Fischer/9/0;0;0;0;0", "3/Moreno/0/0;0;0;0;1"}));

        // The command line stores nothing when any row is bad, and lists every error.
        const QString path = writeFile(env.dir() + QStringLiteral("/bad.csv"),
                                       csv("Last Name,First Name,Jersey\nAdams,Al,5\nBaker,Bo,4\n"));
        QStringList cliErrors;
        QCOMPARE_NE(importRosterFile(1, path, &cliErrors), 0);
        QCOMPARE(cliErrors, QStringList({"line 3: jersey 4 is taken by Chen, Lily in the team"}));
        QCOMPARE(countRows(QStringLiteral("Player"), {{QStringLiteral("TeamNo"), 1}}), 3);
        QCOMPARE_NE(importRosterFile(9, path, &cliErrors), 0);
        QCOMPARE(cliErrors.size(), 1);
    }

    void duplicatesAreUpdatedOrSkipped()
    {
        addPlayer(1, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 4,
                  fields(QStringLiteral("Nickname PhoneNo AmountPaid"), {"Lil", "555-0001", 80.0}));
        addPlayer(1, 2, QStringLiteral("Dubois"), QStringLiteral("Chloe"), 5,
                  fields(QStringLiteral("BirthDate"), {QDate(2016, 5, 5)}));
        // Chen by name (case and spaces aside; the file has no date), Dubois with another birth
        // date is someone else; the file swaps a jersey with a player it updates.
        const QByteArray file = csv("Last Name,First Name,Birth Date,Jersey,Phone\n"
                                    " chen ,LILY,,5,555-0002\n"
                                    "Dubois,Chloe,2017-05-05,4,\n"
                                    "Dubois,Chloe,2016-05-05,6,\n");
        RosterImportPlan plan = planImport(1, file);
        QCOMPARE(errorsOf(plan), QStringList());
        QCOMPARE(plan.rows[0].existingPlayerNo, qint16(1));
        QCOMPARE(plan.rows[1].existingPlayerNo, qint16(0));
        QCOMPARE(plan.rows[2].existingPlayerNo, qint16(2));
        // Fields the file has no column for keep what the team has.
        QCOMPARE(plan.rows[0].player.nickname, QStringLiteral("Lil"));
        QCOMPARE(plan.rows[0].player.lastName, QStringLiteral(" chen "));

        // Skipping Dubois keeps her jersey 5, which the Chen row wants; Chen then keeps his 4,
        // which the new Dubois wants.
        RosterMapping skipDubois = plan.mapping;
        skipDubois.skippedLines = {4};
        const RosterImportPlan skipped = planImport(1, file, skipDubois);
        QVERIFY(skipped.rows[2].skip);
        QCOMPARE(errorsOf(skipped), QStringList({"2:jersey 5 is taken by Dubois, Chloe in the team",
                                                 "3:jersey 4 is taken by Chen, Lily in the team"}));
        const QStringList before = playerRows(1);
        QCOMPARE(storeImport(skipped).added, 0);
        QCOMPARE(playerRows(1), before);

        // Updated: the jerseys swap; an empty cell and a field without a column keep the team's.
        const ImportResult result = storeImport(planImport(1, file));
        QCOMPARE(result.updated, 2);
        QCOMPARE(result.added, 1);
        QCOMPARE(queryRows(QStringLiteral("SELECT PlayerNo, PlayerLastName, JerseyNo, PhoneNo, Nickname "
                                          "FROM Player WHERE TeamNo = 1 ORDER BY PlayerNo")),
                 QStringList({"1/ chen /5/555-0002/Lil", "2/Dubois/6//", "3/Dubois/4//"}));
        QCOMPARE(readPlayer(1, 1)->birthDate, QDate(2017, 3, 14));
        QCOMPARE(readPlayer(1, 1)->amountPaid, 80.0);
        // A file naming one player twice stores him once.
        QCOMPARE(errorsOf(planImport(1, csv("Last Name,First Name\nChen,Lily\nchen,lily\n"))),
                 QStringList({"3:the same player as line 2"}));
    }

    void anImportIsStoredWholeOrNotAtAll()
    {
        addPlayer(1, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 4);
        const QStringList before = playerRows(1);
        const RosterImportPlan plan = planImport(1, csv("Last Name,First Name,Jersey\n"
                                                        "Chen,Lily,8\nAdams,Al,1\nBaker,Bo,2\nCole,Cy,3\n"));
        QCOMPARE(plan.errorCount(), 0);
        NoticeLog notices;
        {
            // The third row stored fails, after an update and a new row went in.
            const Refusal refusal(QStringLiteral("Player"), QStringLiteral("INSERT"),
                                  QStringLiteral("NEW.PlayerLastName = 'Baker'"));
            QVERIFY_THROWS_EXCEPTION(PwError, storeImport(plan));
        }
        QCOMPARE(playerRows(1), before);
        QCOMPARE(notices.size(), 0);
        env.prompter.clear();

        // The command line, too: a failure in the middle leaves the team as it was.
        const QString path = writeFile(env.dir() + QStringLiteral("/good.csv"),
                                       exportRoster(1, false) + "Adams,Al,,1\r\nBaker,Bo,,2\r\n");
        {
            const Refusal refusal(QStringLiteral("Player"), QStringLiteral("INSERT"),
                                  QStringLiteral("NEW.PlayerLastName = 'Baker'"));
            QStringList errors;
            QCOMPARE_NE(importRosterFile(1, path, &errors), 0);
            QCOMPARE(errors.size(), 1);
        }
        QCOMPARE(playerRows(1), before);
        env.prompter.clear();
        QStringList errors;
        QCOMPARE(importRosterFile(1, path, &errors), 0);
        QCOMPARE(errors, QStringList());
        QCOMPARE(countRows(QStringLiteral("Player")), 3);

        // Export from the command line writes the file whole, or says why not.
        QString why;
        const QString out = env.dir() + QStringLiteral("/out.csv");
        QCOMPARE(exportRosterFile(1, out, &why), 0);
        QCOMPARE(fileBytes(out), exportRoster(1, false));
        QCOMPARE_NE(exportRosterFile(1, env.dir() + QStringLiteral("/no/such/folder/x.csv"), &why), 0);
        QVERIFY(!why.isEmpty());
        QCOMPARE_NE(exportRosterFile(42, out, &why), 0);
    }
};

QTEST_GUILESS_MAIN(TestRosterCsv)
#include "tst_rostercsv.moc"

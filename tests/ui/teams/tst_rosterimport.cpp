// SPDX-License-Identifier: GPL-3.0-or-later
// The roster import window and the export command as a coach uses them, on both engines.
#include "TestSupport.h"

#include "core/teams/PlayerProfile.h"
#include "core/teams/RosterCsv.h"
#include "ui/teams/RosterImport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace pw;
using namespace pwtest;

namespace {

// A club's spreadsheet: its own column names, a notes column, a jersey taken, a bad address and a
// player the team has already.
const char kClubFile[] = "Surname,First Name,DOB,Shirt,Mother,Mother Email,Alias\r\n"
                         "Chen,Lily,2017-03-14,9,Ann,ann@example.org,Lil\r\n"
                         "Dubois,Chloe,2016-05-05,4,Marie,marie@example.org,Clo\r\n"
                         "Evans,Grace,3/9/2016,9,,,\r\n"
                         "Fischer,Hanna,,12,Eva,eva at home,Hanni\r\n";

QStringList column(const QAbstractItemModel* model, int c)
{
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, c).data().toString();
    return out;
}

int fieldColumn(RosterField f)
{
    return ImportPreviewModel::FirstFieldColumn + static_cast<int>(f);
}

}  // namespace

class TestRosterImport : public StoreTest {
    Q_OBJECT

private:
    QString clubFile() { return writeFile(env.dir() + QStringLiteral("/club.csv"), QByteArray(kClubFile)); }

    static void choose(QComboBox* box, RosterField field)
    {
        // As the keyboard does it: the picker takes focus and the coach steps to the field.
        box->setFocus();
        const int target = box->findData(static_cast<int>(field));
        while (box->currentIndex() != target)
            QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"));
        addPlayer(1, 1, QStringLiteral("Chen"), QStringLiteral("Lily"), 9);  // born 2017-03-14
        addPlayer(1, 2, QStringLiteral("Alvarez"), QStringLiteral("Sofia"), 6);
    }

    void cleanupTestCase() { store.close(); }

    void thePreviewFollowsTheMatchingAndImportStoresTheGoodRows()
    {
        RosterImportWindow w(1, clubFile());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ImportPreviewModel* model = w.model();
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(column(model, ImportPreviewModel::LineColumn), QStringList({"2", "3", "4", "5"}));
        // Matched by name: "Alias" is no field of the program's, so the coach matches it.
        QCOMPARE(w.matchBox(6)->currentData().toInt(), static_cast<int>(RosterField::None));
        QCOMPARE(column(model, fieldColumn(RosterField::MomFirstName)), QStringList({"Ann", "Marie", "", "Eva"}));
        QCOMPARE(column(model, fieldColumn(RosterField::Nickname)), QStringList({"", "", "", ""}));
        choose(w.matchBox(6), RosterField::Nickname);
        QCOMPARE(column(model, fieldColumn(RosterField::Nickname)), QStringList({"Lil", "Clo", "", "Hanni"}));
        QVERIFY(w.isDirty());

        // A field is fed by one column: giving "Mother" to the mother's last name and then
        // "Alias" to it too leaves "Mother" unmatched.
        choose(w.matchBox(4), RosterField::MomLastName);
        QCOMPARE(column(model, fieldColumn(RosterField::MomLastName)), QStringList({"Ann", "Marie", "", "Eva"}));
        choose(w.matchBox(6), RosterField::MomLastName);
        QCOMPARE(w.matchBox(4)->currentData().toInt(), static_cast<int>(RosterField::None));
        QCOMPARE(column(model, fieldColumn(RosterField::MomLastName)), QStringList({"Lil", "Clo", "", "Hanni"}));
        choose(w.matchBox(4), RosterField::MomFirstName);
        choose(w.matchBox(6), RosterField::Nickname);

        // Rows with errors say why, in their own column and tooltip, not by colour alone.
        const QStringList problems = column(model, ImportPreviewModel::ProblemColumn);
        QCOMPARE(problems.value(0), QString());
        QVERIFY2(problems.value(2).contains(QLatin1String("jersey 9 is taken by line 2")), qPrintable(problems[2]));
        QVERIFY2(problems.value(3).contains(QLatin1String("bad e-mail address in Mother's E-Mail")),
                 qPrintable(problems[3]));
        for (int c : {int(ImportPreviewModel::LineColumn), fieldColumn(RosterField::LastName)}) {
            QCOMPARE(model->index(3, c).data(Qt::ToolTipRole).toString(), problems.value(3));
            QVERIFY(model->index(3, c).data(Qt::ForegroundRole).isValid());
            QVERIFY(!model->index(1, c).data(Qt::ForegroundRole).isValid());
        }
        QCOMPARE(column(model, ImportPreviewModel::ActionColumn),
                 QStringList({"Update", "Add", "Not imported", "Not imported"}));
        QCOMPARE(unnamedControls(&w).join(QStringLiteral("; ")), QString());
        QCoreApplication::processEvents();
        screenshot(&w, QStringLiteral("roster-import"));

        // Chen is a duplicate: Skip keeps him as he is, with the keyboard on his Action cell.
        const QModelIndex chenAction = model->index(0, ImportPreviewModel::ActionColumn);
        QCOMPARE(chenAction.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        w.grid()->setFocus();
        w.grid()->setCurrentIndex(chenAction);
        QTest::keyClick(w.grid(), Qt::Key_Space);
        QCOMPARE(model->index(0, ImportPreviewModel::ActionColumn).data().toString(), QStringLiteral("Skip"));
        QCOMPARE(w.grid()->currentIndex(), chenAction);
        auto* summary = child<QLabel>(&w, "lblSummary");
        QVERIFY2(summary->text().contains(QLatin1String("1 to add, 0 to update")), qPrintable(summary->text()));

        NoticeLog notices;
        QTest::mouseClick(child<QPushButton>(&w, "ImportBtn"), Qt::LeftButton);
        QCOMPARE(queryRows(QStringLiteral("SELECT PlayerNo, PlayerLastName, JerseyNo, Nickname, MomFirstName FROM "
                                          "Player WHERE TeamNo = 1 ORDER BY PlayerNo")),
                 QStringList({"1/Chen/9//", "2/Alvarez/6//", "3/Dubois/4/Clo/Marie"}));
        QCOMPARE(notices.count(Change::Players, 1), 1);
        QVERIFY2(summary->text().startsWith(QLatin1String("Imported: 1 added, 0 updated.")),
                 qPrintable(summary->text()));
        QVERIFY(!w.isDirty());
        // Stored rows now show as duplicates that change nothing; nothing is left to import.
        QCOMPARE(model->index(1, ImportPreviewModel::ActionColumn).data().toString(),
                 QStringLiteral("Update (no change)"));
        QVERIFY(!child<QPushButton>(&w, "ImportBtn")->isEnabled());
        QCOMPARE(env.prompter.shown.size(), 0);
    }

    void closingAfterChangesAsksAndAnUnreadableFileIsSaid()
    {
        {
            RosterImportWindow w(1, clubFile());
            w.show();
            // Unchanged, Escape closes without a question.
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY(!w.isVisible());
            QCOMPARE(env.prompter.shown.size(), 0);
        }
        {
            RosterImportWindow w(1, clubFile());
            w.show();
            choose(w.matchBox(6), RosterField::Nickname);
            // Cancel keeps the window and stores nothing; No closes it without storing.
            env.prompter.answers = {Prompter::Answer::Cancel, Prompter::Answer::No};
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY(w.isVisible());
            QCOMPARE(env.prompter.shown.value(0).text,
                     QStringLiteral("Import the players read from the file before closing?"));
            QTest::mouseClick(child<QPushButton>(&w, "CloseBtn"), Qt::LeftButton);
            QVERIFY(!w.isVisible());
            QCOMPARE(countRows(QStringLiteral("Player")), 2);
        }
        RosterImportWindow missing(1, env.dir() + QStringLiteral("/nowhere.csv"));
        QVERIFY(child<QLabel>(&missing, "lblSummary")->text().startsWith(QLatin1String("Cannot read")));
        QVERIFY(!child<QPushButton>(&missing, "ImportBtn")->isEnabled());
    }

    void exportAsksForTheFileAndTheByteOrderMark()
    {
        const QString path = env.dir() + QStringLiteral("/out.csv");
        env.prompter.files = {path};
        env.prompter.answers = {Prompter::Answer::Yes};
        exportRosterAsked(1);
        QCOMPARE(env.prompter.shown.value(0).kind, QStringLiteral("save"));
        QCOMPARE(env.prompter.shown.value(0).defaultText, QStringLiteral("Comets roster.csv"));
        QCOMPARE(env.prompter.shown.value(1).text, QStringLiteral("Add byte-order mark for spreadsheet programs?"));
        QCOMPARE(fileBytes(path), exportRoster(1, true));
        QVERIFY(fileBytes(path).startsWith("\xEF\xBB\xBF"));

        env.prompter.clear();
        env.prompter.files = {path};
        exportRosterAsked(1);  // No: plain UTF-8
        QCOMPARE(fileBytes(path), exportRoster(1, false));
        // Cancelled in the file dialog: nothing more is asked.
        env.prompter.clear();
        exportRosterAsked(1);
        QCOMPARE(env.prompter.shown.size(), 1);
    }
};

QTEST_MAIN(TestRosterImport)
#include "tst_rosterimport.moc"

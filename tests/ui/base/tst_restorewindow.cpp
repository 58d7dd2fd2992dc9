// SPDX-License-Identifier: GPL-3.0-or-later
// File > "Back Up Now…" and File > "Restore…": the proposed file and the one-line confirmation,
// the automatic backups in a list with their reasons, Restore asking first, a chosen file that is
// no Pitchwise database refused with the reason, the server's answer, and "Backups to keep".
#include "TestSupport.h"

#include "app/cfgDialog.h"
#include "data/Backup.h"
#include "data/Options.h"
#include "ui/base/RestoreWindow.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

using namespace pw;
using namespace pwtest;

class TestRestoreWindow : public StoreTest {
    Q_OBJECT

private:
    bool onServer() const { return store.location().engine == Engine::PostgreSQL; }
    QString file(const QString& name) const { return env.dir() + QLatin1Char('/') + name; }
    QStringList teams() const { return queryRows(QStringLiteral("SELECT TeamName FROM Teams ORDER BY TeamNo")); }

private Q_SLOTS:
    void init()
    {
        // A server's database is backed up on the server: there only the cases named so run.
        const bool serverCase = QByteArray(QTest::currentTestFunction()).startsWith("onAServer");
        if (serverCase != onServer())
            QSKIP(serverCase ? "only for a database on a server" : "a server's database is backed up on the server");
        env.prompter.clear();
        emptyTables();
        if (!onServer())
            QDir(backupFolder(store.location().path)).removeRecursively();
    }

    void backingUpProposesTodaysFileAndSaysWhereItWent()
    {
        addTeam(1, QStringLiteral("Comets"));
        // Cancelled: nothing is written and nothing said.
        backUpNow();
        QCOMPARE(env.prompter.shown.size(), 1);
        QCOMPARE(env.prompter.shown[0].kind, QStringLiteral("save"));
        QCOMPARE(env.prompter.shown[0].title, QStringLiteral("Back Up Database"));
        QCOMPARE(env.prompter.shown[0].defaultText,
                 QStringLiteral("Pitchwise %1.db").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
        env.prompter.clear();
        const QString out = file(QStringLiteral("Season copy.db"));
        env.prompter.files << out;
        backUpNow();
        QCOMPARE(env.prompter.titles(),
                 (QStringList{QStringLiteral("Back Up Database"), QStringLiteral("Back Up Now")}));
        QCOMPARE(env.prompter.shown[1].text,
                 QStringLiteral("The database was backed up to %1.").arg(QDir::toNativeSeparators(out)));
        QCOMPARE(env.prompter.shown[1].icon, Prompter::Icon::Information);
        QVERIFY(checkBackupFile(out).ok());
    }

    void theRestoreWindowListsTheBackupsAndAsksFirst()
    {
        addTeam(1, QStringLiteral("Comets"));
        autoBackup(BackupReason::DeleteTeam);
        execSql(QStringLiteral("DELETE FROM Teams"));
        addTeam(2, QStringLiteral("Rockets"));
        autoBackup(BackupReason::Daily);
        RestoreWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Restore"));
        QCOMPARE(unnamedControls(&window), QStringList());
        QCOMPARE(window.model().rowCount(), 2);
        QCOMPARE(window.model().index(0, 1).data().toString(), QStringLiteral("Daily"));
        QCOMPARE(window.model().index(1, 1).data().toString(), QStringLiteral("Before deleting a team"));
        QVERIFY(!window.model().index(1, 0).data().toString().isEmpty());
        QVERIFY(child<QPushButton>(&window, "RestoreBtn")->isEnabled());

        // "No" leaves everything as it is.
        window.list()->selectRow(1);
        NoticeLog log;
        env.prompter.answers << Prompter::Answer::No;
        window.RestoreBtn_Click();
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Restore")});
        QCOMPARE(env.prompter.shown[0].buttons, Prompter::Buttons::YesNo);
        QVERIFY(env.prompter.shown[0].text.contains(QStringLiteral("Before deleting a team")));
        QCOMPARE(teams(), QStringList{QStringLiteral("Rockets")});
        QCOMPARE(log.size(), 0);

        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::Yes;
        window.RestoreBtn_Click();
        QCOMPARE(teams(), QStringList{QStringLiteral("Comets")});
        QCOMPARE(log.count(Change::Team, 0), 1);
        QCOMPARE(env.prompter.titles(), (QStringList{QStringLiteral("Restore"), QStringLiteral("Restore")}));
        QVERIFY(env.prompter.shown[1].text.startsWith(QStringLiteral("The database was restored from the backup of ")));
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(listBackups().first().reason, BackupReason::Restore);
    }

    void aChosenFileIsCheckedBeforeAnythingIsAsked()
    {
        addTeam(1, QStringLiteral("Comets"));
        const QString good = file(QStringLiteral("chosen.db"));
        QVERIFY(backUpTo(good));
        execSql(QStringLiteral("UPDATE Teams SET TeamName = ?"), {QStringLiteral("Renamed")});
        RestoreWindow window;
        const QString text = writeFile(file(QStringLiteral("letter.db")), "Dear coach, ...");
        env.prompter.files << text;
        window.ChooseFileBtn_Click();
        QCOMPARE(env.prompter.titles(),
                 (QStringList{QStringLiteral("Restore From Backup"), QStringLiteral("Restore")}));
        QCOMPARE(env.prompter.shown[1].text,
                 QStringLiteral("%1 is not a database.").arg(QDir::toNativeSeparators(text)));
        QCOMPARE(env.prompter.shown[1].icon, Prompter::Icon::Exclamation);
        QCOMPARE(teams(), QStringList{QStringLiteral("Renamed")});

        env.prompter.clear();
        env.prompter.files << good;
        env.prompter.answers << Prompter::Answer::Yes;
        window.ChooseFileBtn_Click();
        QVERIFY(env.prompter.shown[1].text.contains(QDir::toNativeSeparators(good)));
        QCOMPARE(teams(), QStringList{QStringLiteral("Comets")});
    }

    void onAServerTheCommandsSayHowTheServerIsBackedUp()
    {
        backUpNow();
        openRestoreWindow(nullptr);
        QCOMPARE(env.prompter.titles(), (QStringList{QStringLiteral("Back Up Now"), QStringLiteral("Restore")}));
        for (const ScriptedPrompter::Shown& s : env.prompter.shown)
            QCOMPARE(s.text, QStringLiteral("This database is kept on the club's PostgreSQL server. Back it up there "
                                            "with pg_dump."));
        QVERIFY(!QDir(env.dir() + QStringLiteral("/Backups")).exists());
    }

    void theOptionsKeepHowManyBackupsStay()
    {
        WriteSetting(QStringLiteral("mdbFile"), store.location().toSetting());
        cfgDialog dialog;
        auto* keep = child<QSpinBox>(&dialog, "spnBackups");
        QCOMPARE(keep->value(), kDefaultBackupsToKeep);
        QCOMPARE(keep->minimum(), 1);
        keep->setValue(4);
        dialog.OKButton_Click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(env.stored(QStringLiteral("BackupsToKeep")).toString(), QStringLiteral("4"));
        QCOMPARE(backupsToKeep(), 4);
        cfgDialog again;
        QCOMPARE(child<QSpinBox>(&again, "spnBackups")->value(), 4);
        RemoveSetting(QStringLiteral("BackupsToKeep"));
    }
};

QTEST_MAIN(TestRestoreWindow)
#include "tst_restorewindow.moc"

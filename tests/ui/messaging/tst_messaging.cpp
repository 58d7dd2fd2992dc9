// SPDX-License-Identifier: GPL-3.0-or-later
// Team notes and e-mail against a real mail server on 127.0.0.1 (started by the test command):
// who gets a team message, the result mail, logins, failures, and that the password shows nowhere.
#include "TestSupport.h"

#include "core/messaging/MailRun.h"
#include "core/messaging/Notes.h"
#include "core/messaging/Sending.h"
#include "core/print/PrintLayer.h"
#include "core/reports/Reports.h"
#include "ui/messaging/MailWindows.h"
#include "ui/messaging/NoteWindows.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace pw;
using namespace pwtest;

namespace {

// An awkward subject: quotes, a comma, letters beyond ASCII.
const QString kSubject = QStringLiteral("Practice \"moved\", Jürgen & Zoë");
// A family address with a name that holds a comma and a letter beyond ASCII.
const QString kColeMum = QStringLiteral("\"Cole, Zoë\" <cole@home.example>");
const QString kBody = QStringLiteral("Dear families,\nthe field is \"closed\" — we meet at Ørsted Park.\n.\nThanks");

}  // namespace

class TestMessaging : public StoreTest {
    Q_OBJECT

private:
    QString m_sender;  // unique per case and engine, so parallel runs never read each other's mail

    static QString smtpDir() { return qEnvironmentVariable("PW_TEST_SMTP_DIR"); }
    static QString password() { return qEnvironmentVariable("PW_TEST_SMTP_PASSWORD"); }

    // The mails the server received from this case's sender.
    QList<QJsonObject> received() const
    {
        QList<QJsonObject> out;
        for (const QFileInfo& f : QDir(smtpDir()).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile file(f.filePath());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
            if (o.value(QStringLiteral("mail_from")).toString() == m_sender)
                out << o;
        }
        return out;
    }
    static QStringList recipientsOf(const QJsonObject& mail)
    {
        QStringList r;
        for (const QJsonValue& v : mail.value(QStringLiteral("rcpt_tos")).toArray())
            r << v.toString();
        return r;
    }
    static QString logText()
    {
        QFile f(mailLogFile(state().DataFolder));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static QStringList texts(const QJsonValue& array)
    {
        QStringList out;
        for (const QJsonValue& v : array.toArray())
            out << v.toString();
        return out;
    }
    // Every mail the server received, whoever it claims to be from.
    static QList<QJsonObject> everything()
    {
        QList<QJsonObject> out;
        for (const QFileInfo& f : QDir(smtpDir()).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile file(f.filePath());
            if (file.open(QIODevice::ReadOnly))
                out << QJsonDocument::fromJson(file.readAll()).object();
        }
        return out;
    }
    // Runs the mailer as a script would, the password (when given) on its standard input.
    static int runMailer(const QStringList& args, const QString& password = {})
    {
        QProcess mailer;
        mailer.start(toolProgram(QStringLiteral("pwmail")), args);
        if (!mailer.waitForStarted(5000))
            return -1;
        if (!password.isEmpty())
            mailer.write(password.toUtf8() + '\n');
        mailer.closeWriteChannel();
        if (!mailer.waitForFinished(30000) || mailer.exitStatus() != QProcess::NormalExit)
            return -1;
        return mailer.exitCode();
    }
    static QStringList fileLines(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                           : QStringList();
    }
    static bool privateFile(const QString& path)
    {
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                          QFile::WriteOther | QFile::ExeOther;
        return QFileInfo::exists(path) && !(QFileInfo(path).permissions() & others);
    }
    // The test server's address for this machine, written as "127.1": the same machine, but not
    // in the plain form the mailer trusts, so the mailer treats it as a club's server elsewhere.
    static QString elsewhere()
    {
        return QStringLiteral("127.1:") + qEnvironmentVariable("PW_TEST_SMTP").section(QLatin1Char(':'), -1);
    }

    void useServer(const QString& user, const QString& pass)
    {
        state().EmailServer = qEnvironmentVariable("PW_TEST_SMTP");
        state().EmailUser = user;
        state().EmailPassword = pass;
    }
    static QDate sentDate(qint32 noteId) { return readTeamNote(1, noteId)->dateSent; }

private Q_SLOTS:
    void init()
    {
        if (qEnvironmentVariableIsEmpty("PW_TEST_SMTP"))
            QSKIP("PW_TEST_SMTP names no mail server");
        env.reset();
        emptyTables();
        // Within the 64 characters an address may have before its @.
        m_sender =
            QStringLiteral("coach-%1-%2-%3@club.example")
                .arg(qEnvironmentVariable("PW_TEST_ENGINE"), QString::fromLatin1(QTest::currentTestFunction()).left(36))
                .arg(QCoreApplication::applicationPid());
        state().DataFolder = env.dir() + QStringLiteral("/data");
        QDir().mkpath(state().DataFolder);
        useServer(QString(), QString());
        addTeam(1, QStringLiteral("Comets"),
                fields(QStringLiteral("TeamCoach1 TeamCoach1Email TeamCoach2Email TeamCoach3Email EmailSendTo ClubName "
                                      "AgeDivision Sex"),
                       {QStringLiteral("Pat Coach"), m_sender, QStringLiteral(" asst@club.example "), QString(),
                        QStringLiteral("results@league.example"), QStringLiteral("Valley FC"), QStringLiteral("U10"),
                        QStringLiteral("G")}));
        // Ann: her own address and both parents'; Ben: none; Cy: only his mother's.
        addPlayer(1, 1, QStringLiteral("Ames"), QStringLiteral("Ann"), 4,
                  fields(QStringLiteral("email MomEmail DadEmail"),
                         {QStringLiteral("ann@home.example"), QStringLiteral("mum.ames@home.example"),
                          QStringLiteral("dad.ames@work.example")}));
        addPlayer(1, 2, QStringLiteral("Bell"), QStringLiteral("Ben"), 7,
                  fields(QStringLiteral("email MomEmail"), {QString(), QString()}));
        addPlayer(1, 3, QStringLiteral("Cole"), QStringLiteral("Cy"), 9,
                  fields(QStringLiteral("MomEmail"), {kColeMum}));
    }

    void recipientsNotesAndTheGrid()
    {
        QString notFound;
        QCOMPARE(GetEmailAddress(1, notFound),
                 QStringList({QStringLiteral("ann@home.example,mum.ames@home.example,dad.ames@work.example"), kColeMum,
                              m_sender + QStringLiteral(",asst@club.example")}));
        QCOMPARE(notFound, QStringLiteral("Ben Bell"));

        // Editing replaces the row: a new number, today's date, the old row gone.
        const qint32 first =
            saveTeamNote(1, std::nullopt, QStringLiteral("Snacks"), QStringLiteral("Bring oranges"), false);
        markTeamNoteSent(1, first, QDate(2026, 9, 1));
        const qint32 edited =
            saveTeamNote(1, first, QStringLiteral("Snacks rota"), QStringLiteral("Oranges, water"), true);
        QVERIFY(edited != first);
        QVERIFY(!readTeamNote(1, first));
        const TeamNote n = *readTeamNote(1, edited);
        QCOMPARE(n.subject, QStringLiteral("Snacks rota"));
        QVERIFY(n.isEmail);
        QCOMPARE(n.dateWritten, QDate::currentDate());
        QVERIFY(!n.dateSent.isValid());

        execSql(QStringLiteral(
                    "INSERT INTO TeamNotes (TeamNo, Subject, Note, DateWritten, IsEmail) VALUES (1, 'Old', 'x', ?, ?)"),
                {QDate(2025, 3, 2), false});
        frmNoteList w(1);
        const QAbstractItemModel& m = *w.grid()->model();
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Date Sent"));
        QCOMPARE(m.index(0, 1).data().toString(), QStringLiteral("Snacks rota"));  // newest first
        QCOMPARE(m.index(0, 2).data().toString(), QString());                      // never sent: empty
        QCOMPARE(m.index(0, 3).data().toString(), QStringLiteral("True"));
        QCOMPARE(m.index(1, 3).data().toString(), QStringLiteral("False"));
        auto* action = child<QPushButton>(&w, "ActionBtn");
        QCOMPARE(action->text(), QStringLiteral("Send Selected"));
        w.grid()->selectRow(1);
        QCOMPARE(action->text(), QStringLiteral("Print Selected"));

        // Delete asks with the subject, and No keeps the note.
        env.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        w.DeleteBtn_Click();
        QCOMPARE(m.rowCount(), 2);
        w.DeleteBtn_Click();
        QCOMPARE(env.prompter.find(QStringLiteral("Confirm Delete?")).text,
                 QStringLiteral("Are you sure you want to delete the message Old"));
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(countRows(QStringLiteral("TeamNotes")), 1);
    }

    void theEditorStoresAndAsksBeforeLosingChanges()
    {
        frmNoteList w(1);
        w.show();
        // The editor opens modal; fill it in and press OK from inside its own event loop.
        QTimer::singleShot(0, &w, [] {
            auto* editor = qobject_cast<frmGameNotes*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            editor->accept();  // no subject yet: refused, the editor stays
            QVERIFY(editor->isVisible());
            editor->subject()->setText(kSubject);
            editor->text()->setPlainText(kBody);
            editor->email()->setChecked(true);
            editor->accept();
        });
        w.NewBtn_Click();
        QCOMPARE(env.prompter.find(QStringLiteral("Missing Subject")).text,
                 QStringLiteral("Please enter a subject for the note."));
        QCOMPARE(w.model().rowCount(), 1);
        const TeamNote stored = w.model().notes().first();
        QCOMPARE(stored.subject, kSubject);
        QCOMPARE(stored.note, kBody);

        // Cancel with a change asks; "No" leaves the note as it was.
        env.prompter.answers = {Prompter::Answer::No};
        frmGameNotes editor(1, stored);
        editor.text()->setPlainText(QStringLiteral("changed"));
        editor.reject();
        QCOMPARE(env.prompter.shown.last().text, QStringLiteral("Do you want to save the changes to this note?"));
        QCOMPARE(readTeamNote(1, stored.noteId)->note, kBody);
        screenshot(&w, QStringLiteral("notes-window"));
    }

    // Every family element and the coaches get the message with its subject and body intact; no
    // login without a user name; "Date Sent" set; the players without addresses named.
    void aTeamMessageReachesEveryone()
    {
        const qint32 id = saveTeamNote(1, std::nullopt, kSubject, kBody, true);
        frmNoteList w(1);
        w.show();
        // The progress window while it writes, for the screenshots.
        QTimer look;
        connect(&look, &QTimer::timeout, &w, [&look] {
            if (auto* sending = qobject_cast<dlgSending*>(QApplication::activeModalWidget())) {
                screenshot(sending, QStringLiteral("sending"));
                look.stop();
            }
        });
        look.start(5);
        w.ActionBtn_Click();

        const QList<QJsonObject> mails = received();
        QCOMPARE(mails.size(), 3);
        QSet<QString> all;
        for (const QJsonObject& m : mails) {
            QCOMPARE(m.value(QStringLiteral("subject")).toString(), kSubject);
            QCOMPARE(m.value(QStringLiteral("body")).toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                     QLatin1Char('\n') + kBody + QStringLiteral("\n\n\n"));
            QVERIFY(!m.value(QStringLiteral("authenticated")).toBool());
            for (const QString& r : recipientsOf(m))
                all << r;
        }
        QCOMPARE(all, (QSet<QString>{QStringLiteral("ann@home.example"), QStringLiteral("mum.ames@home.example"),
                                     QStringLiteral("dad.ames@work.example"), QStringLiteral("cole@home.example"),
                                     m_sender, QStringLiteral("asst@club.example")}));
        const auto cole = std::find_if(mails.begin(), mails.end(), [](const QJsonObject& m) {
            return recipientsOf(m) == QStringList{QStringLiteral("cole@home.example")};
        });
        QVERIFY(cole != mails.end());
        QCOMPARE(cole->value(QStringLiteral("headers")).toObject().value(QStringLiteral("To")).toString(), kColeMum);
        QCOMPARE(sentDate(id), QDate::currentDate());
        QVERIFY(!w.grid()->model()->index(0, 2).data().toString().isEmpty());
        QCOMPARE(env.prompter.find(QStringLiteral("Email not Sent")).text,
                 QStringLiteral("The following people do not have E-mail addresses\nBen Bell"));
        QVERIFY(!logText().contains(QStringLiteral("Error:")));
        QVERIFY(env.prompter.find(QStringLiteral("Error in Transmission")).kind.isEmpty());
        screenshot(&w, QStringLiteral("notes-window-sent"));
    }

    // A refused login: "Error:" in the log, the coach offered it, nothing marked sent, the other
    // families not tried; and the password appears in no log even with the conversation logged.
    void aRefusedLoginLeavesTheMessageUnsent()
    {
        const qint32 id = saveTeamNote(1, std::nullopt, QStringLiteral("Kit"), QStringLiteral("Bring shin pads"), true);
        useServer(qEnvironmentVariable("PW_TEST_SMTP_USER"), QStringLiteral("wrong ") + password());
        state().EmailDebug = true;
        env.prompter.answers = {Prompter::Answer::Yes};
        frmNoteList w(1);
        w.ActionBtn_Click();
        QVERIFY(received().isEmpty());
        QVERIFY(!sentDate(id).isValid());
        QCOMPARE(env.prompter.find(QStringLiteral("Error in Transmission")).text,
                 QStringLiteral("There was an error sending the this message.\nDo you want to see the log file?"));
        QCOMPARE(env.desktop.files, QStringList{mailLogFile(state().DataFolder)});
        const QString log = logText();
        QCOMPARE(log.count(QStringLiteral("Error:")), 1);  // the first family failed; the rest were not tried
        QVERIFY(log.contains(QStringLiteral("AUTH")) || log.contains(QStringLiteral("login hidden")));
        QVERIFY(!log.contains(password()));
        QVERIFY(!log.contains(QString::fromLatin1(password().toUtf8().toBase64())));

        // The right password logs in; it is still nowhere in the log or the trace.
        useServer(qEnvironmentVariable("PW_TEST_SMTP_USER"), password());
        w.ActionBtn_Click();
        const QList<QJsonObject> mails = received();
        QCOMPARE(mails.size(), 3);
        QCOMPARE(mails.first().value(QStringLiteral("login")).toString(), qEnvironmentVariable("PW_TEST_SMTP_USER"));
        QCOMPARE(sentDate(id), QDate::currentDate());
        QVERIFY(!logText().contains(password()));
        QVERIFY(!env.logText().contains(password()));
    }

    // A server that takes the connection and never answers: the mailer is stopped in time, the log
    // says why, and while it waits neither its arguments nor its environment hold the password.
    void aSilentServerEndsInTimeWithoutShowingThePassword()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QList<QTcpSocket*> held;
        connect(&silent, &QTcpServer::newConnection, &silent, [&] { held << silent.nextPendingConnection(); });

        QFile body(env.dir() + QStringLiteral("/body.txt"));
        QVERIFY(body.open(QIODevice::WriteOnly));
        body.write("hello\n");
        body.close();
        MailServer server{QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()), QStringLiteral("coach"),
                          QStringLiteral("s3cret-Pässword"), false, 2};
        const MailJob job{body.fileName(),
                          {QStringLiteral("a@x.example"), QStringLiteral("b@x.example")},
                          {},
                          QStringLiteral("S"),
                          m_sender,
                          env.dir() + QStringLiteral("/silent.log")};
        QVERIFY(!mailerArguments(job, job.recipients.first(), server)
                     .join(QLatin1Char(' '))
                     .contains(QStringLiteral("s3cret")));

        MailRun run(job, server);
        QSignalSpy done(&run, &MailRun::finished);
        QElapsedTimer clock;
        clock.start();
        run.start();
        // Find the running mailer among this program's children and read what the system shows of it.
        QString shown;
        QTRY_VERIFY_WITH_TIMEOUT(!held.isEmpty(), 5000);
        for (const QFileInfo& p : QDir(QStringLiteral("/proc")).entryInfoList(QDir::Dirs)) {
            QFile cmd(p.filePath() + QStringLiteral("/cmdline"));
            const QByteArray args = cmd.open(QIODevice::ReadOnly) ? cmd.readAll() : QByteArray();
            if (args.contains("pwmail")) {
                QFile envFile(p.filePath() + QStringLiteral("/environ"));
                shown += QString::fromUtf8(args);
                if (envFile.open(QIODevice::ReadOnly))
                    shown += QString::fromUtf8(envFile.readAll());
                shown += QStringLiteral("|found");
            }
        }
        QVERIFY(shown.contains(QStringLiteral("|found")));
        QVERIFY(shown.contains(server.server));  // the arguments were read, so their check means something
        QVERIFY(!shown.contains(QStringLiteral("s3cret")));
        QVERIFY(done.wait(15000));
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(done.first().first().toBool(), false);
        QFile log(job.logFile);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QCOMPARE(text.count(QStringLiteral("Error:")), 1);  // the second address was not tried
        QVERIFY(!text.contains(QStringLiteral("s3cret")));

        // A missing message file is an error of its own, and also ends the run.
        MailRun missing(MailJob{env.dir() + QStringLiteral("/gone.eml"),
                                {QStringLiteral("a@x.example")},
                                {},
                                QStringLiteral("S"),
                                m_sender,
                                env.dir() + QStringLiteral("/gone.log")},
                        MailServer{qEnvironmentVariable("PW_TEST_SMTP"), {}, {}, false, 5});
        QSignalSpy missingDone(&missing, &MailRun::finished);
        missing.start();
        QVERIFY(missingDone.wait(10000));
        QVERIFY(!missing.clean());
        QFile goneLog(env.dir() + QStringLiteral("/gone.log"));
        QVERIFY(goneLog.open(QIODevice::ReadOnly));
        QVERIFY(goneLog.readAll().contains("Error: cannot read the message file"));

        // A mailer that is not installed: said in the log, and the run ends.
        setToolFolder(QStringLiteral("/nonexistent"));
        MailRun absent(
            MailJob{body.fileName(),
                    {QStringLiteral("a@x.example"), QStringLiteral("b@x.example")},
                    {},
                    QStringLiteral("S"),
                    m_sender,
                    env.dir() + QStringLiteral("/absent.log")},
            MailServer{qEnvironmentVariable("PW_TEST_SMTP"), QStringLiteral("coach"), QStringLiteral("pw"), false, 5});
        QSignalSpy absentDone(&absent, &MailRun::finished);
        absent.start();
        setToolFolder(qEnvironmentVariable("PW_TOOLS_DIR"));
        QVERIFY(absentDone.wait(5000));
        QFile absentLog(env.dir() + QStringLiteral("/absent.log"));
        QVERIFY(absentLog.open(QIODevice::ReadOnly));
        QCOMPARE(absentLog.readAll().count("could not be started"), 1);
        qDeleteAll(held);
    }

    // An address holding a line break and SMTP commands after it (through -t, -c or -f) ends the
    // mailer's run before the server is asked: nothing arrives, the log says which address in one
    // line, and the exit code is not 0. Awkward but valid addresses arrive exactly as given, one
    // message with one command each; the log is the coach's alone.
    void theMailerSendsNothingForAnAddressThatWouldBecomeACommand()
    {
        QFile body(env.dir() + QStringLiteral("/body.txt"));
        QVERIFY(body.open(QIODevice::WriteOnly));
        body.write("Practice at six.\n");
        body.close();
        const QString log = env.dir() + QStringLiteral("/mailer.log");
        const auto args = [&](const QString& to, const QString& cc, const QString& from) {
            QStringList a{body.fileName(),
                          QStringLiteral("-t"),
                          to,
                          QStringLiteral("-s"),
                          QStringLiteral("s"),
                          QStringLiteral("-f"),
                          from,
                          QStringLiteral("-server"),
                          qEnvironmentVariable("PW_TEST_SMTP"),
                          QStringLiteral("-log"),
                          log};
            if (!cc.isEmpty())
                a << QStringLiteral("-c") << cc;
            return a;
        };
        const QString marker = QStringLiteral("injected for ") + m_sender;
        const QString injected = QStringLiteral("parent@x.org>\r\nDATA\r\nFrom: Club President <president@club.org>\r\n"
                                                "Subject: %1\r\n\r\nPay the fee to account 666\r\n.\r\n"
                                                "RCPT TO:<parent@x.org")
                                     .arg(marker);
        const QList<std::tuple<QStringList, int, QString>> runs{
            {args(injected, {}, m_sender), 1, QStringLiteral("(-t)")},
            {args(QStringLiteral("ann@home.example"), injected, m_sender), 3, QStringLiteral("(-c)")},
            {args(QStringLiteral("ann@home.example"), {}, m_sender + QStringLiteral(">\r\nRCPT TO:<") + injected), 3,
             QStringLiteral("(-f)")},
        };
        for (const auto& [arguments, exitCode, option] : runs) {
            QFile::remove(log);
            QCOMPARE(runMailer(arguments, QStringLiteral("unused")), exitCode);
            const QStringList lines = fileLines(log);
            QCOMPARE(lines.size(), 2);  // "Sending ... to ..." and the refusal, each one line
            QVERIFY2(lines[1].contains(QStringLiteral("Error: not sent: ")) && lines[1].contains(option) &&
                         lines[1].contains(QStringLiteral("\\r\\nDATA\\r\\n")) &&
                         lines[1].endsWith(QStringLiteral("is not a valid e-mail address: it holds a line break, a tab "
                                                          "or another control character")),
                     qPrintable(lines[1]));
        }
        QVERIFY(received().isEmpty());
        for (const QJsonObject& m : everything())
            QVERIFY(!m.value(QStringLiteral("raw")).toString().contains(marker));

        QFile::remove(log);
        QCOMPARE(runMailer(args(QStringLiteral("\"Smith, Ann\" <ann@home.example>, \"odd local\"@home.example; "
                                               "Zoë <zoe@home.example>"),
                                QStringLiteral("Pat (coach) <pat@club.example>"),
                                QStringLiteral("Pat Coach <%1>").arg(m_sender))),
                 0);
        const QList<QJsonObject> mails = received();
        QCOMPARE(mails.size(), 1);
        const QStringList commands = texts(mails[0].value(QStringLiteral("commands")));
        QCOMPARE(commands.filter(QRegularExpression(QStringLiteral("^(MAIL|DATA)"))).size(), 2);
        QVERIFY(commands.filter(QRegularExpression(QStringLiteral("^MAIL")))
                    .value(0)
                    .startsWith(QStringLiteral("MAIL FROM:<%1>").arg(m_sender)));
        QCOMPARE(
            commands.filter(QRegularExpression(QStringLiteral("^RCPT"))),
            (QStringList{QStringLiteral("RCPT TO:<ann@home.example>"),
                         QStringLiteral("RCPT TO:<\"odd local\"@home.example>"),
                         QStringLiteral("RCPT TO:<zoe@home.example>"), QStringLiteral("RCPT TO:<pat@club.example>")}));
        const QJsonObject headers = mails[0].value(QStringLiteral("headers")).toObject();
        QCOMPARE(
            headers.value(QStringLiteral("To")).toString(),
            QStringLiteral("\"Smith, Ann\" <ann@home.example>, \"odd local\"@home.example, Zoë <zoe@home.example>"));
        QCOMPARE(headers.value(QStringLiteral("Cc")).toString(), QStringLiteral("Pat <pat@club.example>"));
        QCOMPARE(headers.value(QStringLiteral("From")).toString(), QStringLiteral("Pat Coach <%1>").arg(m_sender));
        QCOMPARE(fileLines(log).value(1).section(QLatin1Char(' '), 2), QStringLiteral("Sent."));
        QVERIFY(privateFile(log));

        // A log an older version left readable to others is closed up at the next run.
        QFile::setPermissions(log, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        QCOMPARE(runMailer(args(QStringLiteral("ann@home.example"), {}, m_sender)), 0);
        QVERIFY(privateFile(log));
    }

    // The password goes to a club server only encrypted: a server that offers no encryption is
    // refused with the reason and nothing is sent, until the coach allows an unencrypted
    // connection in the settings, which reaches the mailer as -allowplain.
    void theLoginGoesOutOnlyEncryptedUnlessTheCoachAllowsOtherwise()
    {
        const qint32 id = saveTeamNote(1, std::nullopt, QStringLiteral("Kit"), QStringLiteral("Bring shin pads"), true);
        useServer(qEnvironmentVariable("PW_TEST_SMTP_USER"), password());
        state().EmailServer = elsewhere();
        const MailJob job{
            QStringLiteral("body.eml"), {QStringLiteral("a@x.example")}, {}, QStringLiteral("S"), m_sender,
            QStringLiteral("Blat.log")};
        QVERIFY(!mailerArguments(job, job.recipients.first(), mailServerFromSettings())
                     .contains(QStringLiteral("-allowplain")));
        frmNoteList w(1);
        w.ActionBtn_Click();
        QVERIFY(received().isEmpty());
        QVERIFY(!sentDate(id).isValid());
        QCOMPARE(env.prompter.find(QStringLiteral("Error in Transmission")).kind, QStringLiteral("message"));
        const QString log = logText();
        QCOMPARE(log.count(QStringLiteral("Error:")), 1);  // the first family failed; the rest were not tried
        QVERIFY2(log.contains(QStringLiteral("offers no encrypted connection, so the password was not sent")),
                 qPrintable(log));
        QVERIFY(log.contains(QStringLiteral("\"Allow unencrypted connection\"")));

        state().EmailAllowPlain = true;
        const QStringList args = mailerArguments(job, job.recipients.first(), mailServerFromSettings());
        QCOMPARE(args.count(QStringLiteral("-allowplain")), 1);
        QVERIFY(!args.join(QLatin1Char(' ')).contains(password()));
        w.ActionBtn_Click();
        const QList<QJsonObject> mails = received();
        QCOMPARE(mails.size(), 3);
        for (const QJsonObject& m : mails)
            QCOMPARE(m.value(QStringLiteral("login")).toString(), qEnvironmentVariable("PW_TEST_SMTP_USER"));
        QCOMPARE(sentDate(id), QDate::currentDate());
    }

    // Addresses stored before the program checked them (or by another program) that are no
    // addresses: the family or coach is left out and named, every valid address still gets the
    // message, and nothing of the stored text reaches the server. A result mail to such an
    // address, or from one, is not sent at all.
    void storedAddressesThatAreNoAddressesAreLeftOutAndNamed()
    {
        const QString marker = QStringLiteral("injected for ") + m_sender;
        execSql(QStringLiteral("UPDATE Player SET MomEmail = ? WHERE TeamNo = 1 AND PlayerNo = 3"),
                {QStringLiteral("cole@home.example>\r\nDATA\r\nFrom: Club President <president@club.example>\r\n"
                                "Subject: %1\r\n\r\nPay the fee to account 666\r\n.\r\nRCPT TO:<cole@home.example")
                     .arg(marker)});
        execSql(QStringLiteral("UPDATE Player SET DadEmail = ? WHERE TeamNo = 1 AND PlayerNo = 1"),
                {QStringLiteral("dad.ames@work.example> NOTIFY=SUCCESS")});
        execSql(QStringLiteral("UPDATE Teams SET TeamCoach2Email = ? WHERE TeamNo = 1"),
                {QStringLiteral("asst@club.example\nBcc: everyone@club.example")});
        QString notFound;
        QStringList refused;
        QCOMPARE(GetEmailAddress(1, notFound, &refused),
                 (QStringList{QStringLiteral("ann@home.example,mum.ames@home.example"), m_sender}));
        QCOMPARE(notFound, QStringLiteral("Ben Bell"));  // Cy has an address, only not a valid one
        QCOMPARE(refused.size(), 3);
        QVERIFY2(refused[0].startsWith(QStringLiteral("Ann Ames: the father's E-Mail (it holds angle brackets")),
                 qPrintable(refused[0]));
        QVERIFY2(refused[1].startsWith(QStringLiteral("Cy Cole: the mother's E-Mail (it holds a line break")),
                 qPrintable(refused[1]));
        QVERIFY2(refused[2].startsWith(QStringLiteral("Coach 2: the assistant coach's Email (")),
                 qPrintable(refused[2]));

        const qint32 id = saveTeamNote(1, std::nullopt, QStringLiteral("Kit"), QStringLiteral("Bring shin pads"), true);
        frmNoteList w(1);
        w.ActionBtn_Click();
        const QList<QJsonObject> mails = received();
        QCOMPARE(mails.size(), 2);
        QSet<QString> all;
        for (const QJsonObject& m : mails) {
            QCOMPARE(
                texts(m.value(QStringLiteral("commands"))).filter(QRegularExpression(QStringLiteral("^DATA"))).size(),
                1);
            for (const QString& r : recipientsOf(m))
                all << r;
        }
        QCOMPARE(all, (QSet<QString>{QStringLiteral("ann@home.example"), QStringLiteral("mum.ames@home.example"),
                                     m_sender}));
        for (const QJsonObject& m : everything())
            QVERIFY(!m.value(QStringLiteral("raw")).toString().contains(marker));
        QCOMPARE(sentDate(id), QDate::currentDate());  // every valid address got it
        QList<ScriptedPrompter::Shown> notSent;
        for (const ScriptedPrompter::Shown& shown : env.prompter.shown) {
            if (shown.title == QStringLiteral("Email not Sent"))
                notSent << shown;
        }
        QCOMPARE(notSent.size(), 2);
        QCOMPARE(notSent[0].text,
                 QStringLiteral("These addresses are not valid e-mail addresses, so nothing was sent to "
                                "them. Correct them in the player's or the team's profile:\n") +
                     refused.join(QLatin1Char('\n')));
        QCOMPARE(notSent[1].text, QStringLiteral("The following people do not have E-mail addresses\nBen Bell"));
        QVERIFY(!logText().contains(QStringLiteral("DATA")));
        QVERIFY(privateFile(mailLogFile(state().DataFolder)));

        // The result mail: to a stored address that is none, or from one, nothing goes out.
        addOpponent(1, 1, QStringLiteral("Rovers"));
        addGame(1, 3, 1, QDate(2026, 10, 3));
        execSql(QStringLiteral("UPDATE Teams SET EmailSendTo = ? WHERE TeamNo = 1"),
                {QStringLiteral("results@league.example>\r\nRCPT TO:<everyone@league.example")});
        env.prompter.clear();
        SendResults(1, 3, QStringLiteral("3-1"), nullptr);
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Email not Sent")});
        QCOMPARE(env.prompter.shown[0].text,
                 QStringLiteral(
                     "The team's address for game results is not a valid e-mail address: it holds a line "
                     "break, a tab or another control character. Correct it in the team profile and send again."));
        execSql(QStringLiteral(
                    "UPDATE Teams SET EmailSendTo = 'results@league.example', TeamCoach1Email = ? WHERE TeamNo = 1"),
                {m_sender + QStringLiteral(", pat@home.example")});
        env.prompter.clear();
        SendResults(1, 3, QStringLiteral("3-1"), nullptr);
        QCOMPARE(env.prompter.titles(), QStringList{QStringLiteral("Email not Sent")});
        QVERIFY(env.prompter.shown[0].text.startsWith(QStringLiteral("The first coach's e-mail address in the team "
                                                                     "profile is not a valid e-mail address: it names "
                                                                     "more than one address.")));
        QCOMPARE(received().size(), 2);
    }

    // The result mail: the league gets the labelled lines the coach may edit first, the coach a copy.
    void theResultMailGoesToTheLeagueWithACopy()
    {
        addOpponent(1, 1, QStringLiteral("Rovers"));
        execSql(QStringLiteral("UPDATE Opponent SET OpponentCoach = 'Lee Ray' WHERE TeamNo = 1 AND OpponentNo = 1"));
        addGame(1, 3, 1, QDate(2026, 10, 3));
        const GameResultMail r = resultMail(1, 3, QStringLiteral("3-1"));
        QCOMPARE(r.subject, QStringLiteral("Results of Valley FC Comets U10 G"));
        const QStringList lines = r.body.split(QLatin1Char('\n'));
        QCOMPARE(
            lines.mid(0, 4),
            (QStringList{QString(),
                         QStringLiteral("Please respond to this E-mail to verify that you received this information."),
                         QString(), QStringLiteral("Game Date:                10/3/2026")}));
        QCOMPARE(lines.mid(4, 10), (QStringList{QStringLiteral("Division:                 U10"),
                                                QStringLiteral("Team:                     Comets"),
                                                QStringLiteral("Coach:                    Pat Coach"),
                                                QStringLiteral("Score:                    3"),
                                                QStringLiteral("Opposing Team:            Rovers"),
                                                QStringLiteral("Opposing Coach:           Lee Ray"),
                                                QStringLiteral("Opposing Team score:      1"), QString(),
                                                QStringLiteral("Thanks,"), QStringLiteral("Pat Coach")}));

        // "View Message": the coach adds a line in the editor; "Confirm Send" Yes.
        env.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};
        QTimer::singleShot(0, [] {
            auto* editor = qobject_cast<dlgTextEditor*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            editor->editor()->appendPlainText(QStringLiteral("Referee was great."));
            editor->editor()->document()->setModified(true);
            editor->accept();
        });
        SendResults(1, 3, QStringLiteral("3-1"), nullptr);
        QCOMPARE(env.prompter.titles().mid(0, 2),
                 (QStringList{QStringLiteral("View Message"), QStringLiteral("Confirm Send")}));
        const QList<QJsonObject> mails = received();
        QCOMPARE(mails.size(), 1);
        QCOMPARE(recipientsOf(mails.first()), (QStringList{QStringLiteral("results@league.example"), m_sender}));
        QCOMPARE(mails.first().value(QStringLiteral("subject")).toString(), r.subject);
        QVERIFY(mails.first()
                    .value(QStringLiteral("headers"))
                    .toObject()
                    .value(QStringLiteral("Cc"))
                    .toString()
                    .contains(m_sender));
        const QString body = mails.first().value(QStringLiteral("body")).toString();
        QVERIFY(body.contains(QStringLiteral("Opposing Team score:      1")));
        QVERIFY(body.contains(QStringLiteral("Referee was great.")));

        // "Confirm Send" No: nothing goes out.
        env.prompter.clear();
        env.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No};
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        SendResults(1, 3, QStringLiteral("3-1"), nullptr);
        QCOMPARE(received().size(), 1);
    }

    void aNotePrintsAsAMessageFromTheCoach()
    {
        const qint32 id = saveTeamNote(1, std::nullopt, QStringLiteral("Picture day"),
                                       QStringLiteral("Photos on Saturday at nine. Wear the home jersey."), false);
        const QString pdf = env.dir() + QStringLiteral("/note.pdf");
        printToPdf([id](Printout& p) { PrintMessage(p, 1, id); }, kMessageOrientation, pdf);
        const QString text = readPdf(pdf);
        QVERIFY(textsInOrder(text, {QStringLiteral("Message from the Coach"), QStringLiteral("Subject: Picture day"),
                                    QStringLiteral("Photos on Saturday at nine."), QStringLiteral("Written: ")}));
        QVERIFY(wordsOffThePage(pdf).isEmpty());

        // A message of several lines prints them as lines, not run together.
        const qint32 lines = saveTeamNote(1, std::nullopt, QStringLiteral("Kit"),
                                          QStringLiteral("line one\nline two\r\nline three"), false);
        printToPdf([lines](Printout& p) { PrintMessage(p, 1, lines); }, kMessageOrientation, pdf);
        const QStringList printed = readPdf(pdf).split(QLatin1Char('\n'));
        for (const char* line : {"line one", "line two", "line three"})
            QVERIFY2(printed.contains(QString::fromLatin1(line)), qPrintable(printed.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(TestMessaging)
#include "tst_messaging.moc"

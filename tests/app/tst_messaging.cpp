// Team notes and e-mail against a real mail server on 127.0.0.1 (started by the test command):
// who gets a team message, the result mail, logins, failures, and that the password shows nowhere.
#include "TestSupport.h"

#include "messaging/MailRun.h"
#include "messaging/MailWindows.h"
#include "messaging/NoteWindows.h"
#include "messaging/Notes.h"
#include "messaging/Sending.h"
#include "reports/PrintLayer.h"
#include "reports/Reports.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
        m_sender = QStringLiteral("coach-%1-%2-%3@club.example")
                       .arg(qEnvironmentVariable("PW_TEST_ENGINE"), QString::fromLatin1(QTest::currentTestFunction()))
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
                         {QStringLiteral("ann@home.example"), QStringLiteral("mum.ames@home.example"), QStringLiteral("dad.ames@work.example")}));
        addPlayer(1, 2, QStringLiteral("Bell"), QStringLiteral("Ben"), 7, fields(QStringLiteral("email MomEmail"), {QString(), QString()}));
        addPlayer(1, 3, QStringLiteral("Cole"), QStringLiteral("Cy"), 9, fields(QStringLiteral("MomEmail"), {kColeMum}));
    }

    void recipientsNotesAndTheGrid()
    {
        QString notFound;
        QCOMPARE(GetEmailAddress(1, notFound),
                 QStringList({QStringLiteral("ann@home.example,mum.ames@home.example,dad.ames@work.example"),
                              kColeMum, m_sender + QStringLiteral(",asst@club.example")}));
        QCOMPARE(notFound, QStringLiteral("Ben Bell"));

        // Editing replaces the row: a new number, today's date, the old row gone.
        const qint32 first = saveTeamNote(1, std::nullopt, QStringLiteral("Snacks"), QStringLiteral("Bring oranges"), false);
        markTeamNoteSent(1, first, QDate(2026, 9, 1));
        const qint32 edited = saveTeamNote(1, first, QStringLiteral("Snacks rota"), QStringLiteral("Oranges, water"), true);
        QVERIFY(edited != first);
        QVERIFY(!readTeamNote(1, first));
        const TeamNote n = *readTeamNote(1, edited);
        QCOMPARE(n.subject, QStringLiteral("Snacks rota"));
        QVERIFY(n.isEmail);
        QCOMPARE(n.dateWritten, QDate::currentDate());
        QVERIFY(!n.dateSent.isValid());

        execSql(QStringLiteral("INSERT INTO TeamNotes (TeamNo, Subject, Note, DateWritten, IsEmail) VALUES (1, 'Old', 'x', ?, ?)"),
                {QDate(2025, 3, 2), false});
        frmNoteList w(1);
        const QAbstractItemModel& m = *w.grid()->model();
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Date Sent"));
        QCOMPARE(m.index(0, 1).data().toString(), QStringLiteral("Snacks rota"));  // newest first
        QCOMPARE(m.index(0, 2).data().toString(), QString());                    // never sent: empty
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
        QCOMPARE(env.prompter.find(QStringLiteral("Missing Subject")).text, QStringLiteral("Please enter a subject for the note."));
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
                                      QStringLiteral("dad.ames@work.example"), QStringLiteral("cole@home.example"), m_sender,
                                      QStringLiteral("asst@club.example")}));
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
        const MailJob job{body.fileName(), {QStringLiteral("a@x.example"), QStringLiteral("b@x.example")}, {},
                          QStringLiteral("S"), m_sender, env.dir() + QStringLiteral("/silent.log")};
        QVERIFY(!mailerArguments(job, job.recipients.first(), server).join(QLatin1Char(' ')).contains(QStringLiteral("s3cret")));

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
        MailRun missing(MailJob{env.dir() + QStringLiteral("/gone.eml"), {QStringLiteral("a@x.example")}, {},
                                QStringLiteral("S"), m_sender, env.dir() + QStringLiteral("/gone.log")},
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
        MailRun absent(MailJob{body.fileName(), {QStringLiteral("a@x.example"), QStringLiteral("b@x.example")}, {},
                               QStringLiteral("S"), m_sender, env.dir() + QStringLiteral("/absent.log")},
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

    // The result mail: the league gets the labelled lines the coach may edit first, the coach a copy.
    void theResultMailGoesToTheLeagueWithACopy()
    {
        addOpponent(1, 1, QStringLiteral("Rovers"));
        execSql(QStringLiteral("UPDATE Opponent SET OpponentCoach = 'Lee Ray' WHERE TeamNo = 1 AND OpponentNo = 1"));
        addGame(1, 3, 1, QDate(2026, 10, 3));
        const GameResultMail r = resultMail(1, 3, QStringLiteral("3-1"));
        QCOMPARE(r.subject, QStringLiteral("Results of Valley FC Comets U10 G"));
        const QStringList lines = r.body.split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(0, 4), (QStringList{QString(), QStringLiteral("Please respond to this E-mail to verify that you received this information."),
                                               QString(), QStringLiteral("Game Date:                10/3/2026")}));
        QCOMPARE(lines.mid(4, 10),
                 (QStringList{QStringLiteral("Division:                 U10"), QStringLiteral("Team:                     Comets"),
                              QStringLiteral("Coach:                    Pat Coach"), QStringLiteral("Score:                    3"),
                              QStringLiteral("Opposing Team:            Rovers"), QStringLiteral("Opposing Coach:           Lee Ray"),
                              QStringLiteral("Opposing Team score:      1"), QString(), QStringLiteral("Thanks,"),
                              QStringLiteral("Pat Coach")}));

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
        QCOMPARE(env.prompter.titles().mid(0, 2), (QStringList{QStringLiteral("View Message"), QStringLiteral("Confirm Send")}));
        const QList<QJsonObject> mails = received();
        QCOMPARE(mails.size(), 1);
        QCOMPARE(recipientsOf(mails.first()), (QStringList{QStringLiteral("results@league.example"), m_sender}));
        QCOMPARE(mails.first().value(QStringLiteral("subject")).toString(), r.subject);
        QVERIFY(mails.first().value(QStringLiteral("headers")).toObject().value(QStringLiteral("Cc")).toString().contains(m_sender));
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
    }
};

QTEST_MAIN(TestMessaging)
#include "tst_messaging.moc"

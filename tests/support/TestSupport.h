// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every test program uses: the test framework, the program's state, trace, settings and
// store helpers, and the test surroundings below.
#include "common/AppState.h"
#include "common/Desktop.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "data/Changes.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/Settings.h"

#include <QApplication>
#include <QRectF>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <optional>

namespace pwtest {

// Answers the program's questions from prepared queues and records everything it was shown.
class ScriptedPrompter : public pw::Prompter {
public:
    struct Shown {
        QString kind;  // "message", "input", "open", "save"
        QString title;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString defaultText;  // inputs: the pre-filled text; file dialogs: the proposed name
    };

    QList<Shown> shown;
    QList<Answer> answers;                 // for message(); an empty queue answers Ok/No/Cancel
    QList<std::optional<QString>> inputs;  // for inputText(); an empty queue cancels
    QStringList files;                     // for the file dialogs; an empty queue cancels

    void clear() { *this = ScriptedPrompter(); }
    QStringList titles() const
    {
        QStringList out;
        for (const Shown& s : shown)
            out << s.title;
        return out;
    }
    // The first thing shown with that title; an empty kind when there was none.
    Shown find(const QString& title) const
    {
        const auto it = std::find_if(shown.begin(), shown.end(), [&](const Shown& s) { return s.title == title; });
        return it == shown.end() ? Shown{} : *it;
    }

    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override
    {
        shown.append({QStringLiteral("message"), title, text, icon, buttons, {}});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& defaultText,
                                     bool) override
    {
        shown.append({QStringLiteral("input"), title, prompt, Icon::None, Buttons::OkCancel, defaultText});
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
    }
    QString openFileName(const QString& title, const QString&, const QString& filter) override
    {
        shown.append({QStringLiteral("open"), title, filter, Icon::None, Buttons::OkCancel, {}});
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString saveFileName(const QString& title, const QString&, const QString& proposedName,
                         const QString& filter) override
    {
        shown.append({QStringLiteral("save"), title, filter, Icon::None, Buttons::OkCancel, proposedName});
        return files.isEmpty() ? QString() : files.takeFirst();
    }
};

// Records the web addresses that would have been opened instead of opening them.
class RecordingDesktop : public pw::Desktop {
public:
    bool browser = true;
    bool succeed = true;
    QList<QUrl> urls;

    bool hasBrowser() override { return browser; }
    bool openUrl(const QUrl& url) override
    {
        urls << url;
        return succeed;
    }
    QStringList files;  // the files that would have been opened
    bool openFile(const QString& path) override
    {
        files << path;
        return succeed;
    }
    bool startProgram(const QString&, const QStringList&) override { return succeed; }
};

// The surroundings of one test program: a private temporary folder, settings file and log,
// the US English locale, and the scripted prompter and recording desktop installed.
class TestEnv {
public:
    TestEnv();
    ~TestEnv();
    QString dir() const { return m_dir.path(); }
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    QString logText() const;
    // The value the settings file holds under name, read past the program (invalid when missing).
    QVariant stored(const QString& name) const { return QSettings(settingsPath(), QSettings::IniFormat).value(name); }
    // Forgets settings, log, program state, call stack and everything recorded.
    void reset();

    ScriptedPrompter prompter;
    RecordingDesktop desktop;

private:
    QTemporaryDir m_dir;
};

// A fresh database with the program's tables and seed drills, opened as the shared connection,
// on the engine PW_TEST_ENGINE names ("sqlite" or "postgres").
class TestStore {
public:
    ~TestStore() { close(); }
    // Gives back why the engine cannot be reached (PostgreSQL not configured), or nothing when open.
    QString open(const QString& tempDir);
    void close();
    const pw::DbLocation& location() const { return m_location; }

private:
    void onServer(const QString& sql);  // runs sql, with %1 for the test database, on the server
    pw::DbLocation m_location;
    QString m_server;
    bool m_isOpen = false;
};

// A test program on the store: its surroundings and a fresh store, opened before the first test
// (the program is skipped when its engine cannot be reached). A test that showed an "Error"
// message fails.
class StoreTest : public QObject {
    Q_OBJECT

protected:
    TestEnv env;
    TestStore store;

private Q_SLOTS:
    void initTestCase();
    void cleanup();
};

// Column names with their values, in order.
using Fields = QList<QPair<QString, QVariant>>;
// "TeamNo GameNo" with {1, 3}: the names paired with the values. Rows are inserted with bound
// values, and counted where they match the conditions.
Fields fields(const QString& names, const QVariantList& values);
void insertRow(const QString& table, const Fields& values);
int countRows(const QString& table, const pw::Where& where = {});

// Fixtures: a team with sensible defaults; fields may be overridden by name.
void addTeam(int teamNo, const QString& name, const Fields& overrides = {});
void addPlayer(int teamNo, int playerNo, const QString& last, const QString& first, int jersey,
               const Fields& overrides = {});
void addOpponent(int teamNo, int opponentNo, const QString& name, bool isUs = false);
void addGame(int teamNo, int gameNo, int opponentNo, const QDate& date, const QVariant& result = {});

// A realistic club: team 1 "Comets" (15 players, four opponents, six games of which four have
// results: won 3-1, lost 0-2, tied 1-1, won 2-0) and team 2 "Rockets" (3 players, one game), plus a
// hidden team 3. Team 1 plays tournaments: tournament 1 "Harvest Cup" with two rounds.
void addRealisticClub();

// A file's bytes (empty when it cannot be read); writing one gives back its path.
QByteArray fileBytes(const QString& path);
QString writeFile(const QString& path, const QByteArray& bytes);
// Opens the database at address (a SQLite file, made if missing, or a postgresql:// address) on a
// connection of its own, hands it to work and closes it again, also when work throws.
void withDatabase(const QString& address, const std::function<void(const QSqlDatabase&)>& work);

// Empties every table but the drill library, so that a test starts from a known store.
void emptyTables();

// The rows a statement gives, each as its values joined by "/" (a null as nothing).
QStringList queryRows(const QString& sql, const QVariantList& values = {});

// Makes the store refuse event ("INSERT", "UPDATE", "DELETE") on table where the condition holds,
// as a full disk would, for as long as the refusal lives. With LoseConnection a PostgreSQL server
// ends the program's session right there instead, as a restarted or stopped server would (a
// SQLite file has no server to lose: it refuses).
class Refusal {
public:
    enum class Fault { Refuse, LoseConnection };
    Refusal(const QString& table, const QString& event, const QString& when = QStringLiteral("1 = 1"),
            Fault fault = Fault::Refuse);
    ~Refusal();
    Q_DISABLE_COPY_MOVE(Refusal)

private:
    QString m_table;
};

// A PDF read back with pdftotext (options such as "-f 2" or a crop go first): the text as laid out,
// each line's runs of spaces made one, pages ending in form feeds, ligatures read as their letters.
QString readPdf(const QString& path, const QStringList& options = {});
// Its words, each with its box in points from the top-left corner of its page (counted from 1).
struct PdfWord {
    QString text;
    QRectF box;
    int page = 1;
    QSizeF pageSize;
};
QList<PdfWord> readPdfWords(const QString& path);
// The words not wholly inside half an inch of their page's edges, each with its page.
QStringList wordsOffThePage(const QString& path);
// The parts occur in text in this order; the first one that does not is logged.
bool textsInOrder(const QString& text, const QStringList& parts);

// A window's control by its name; a missing one ends the test program with its name.
template <typename T> T* child(QObject* window, const char* name)
{
    T* c = window->findChild<T*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

// What a screen reader finds when it walks the window's accessibility tree: every control the
// coach operates or reaches with the keyboard (and every cell that shows something by colour
// alone) but that has no name, each as "role objectName" ("EditableText txtState", "Cell
// PlayerGrid 2,3"). Hidden controls count too: they are named before they are shown.
QStringList unnamedControls(QWidget* window);
// The accessible rectangle of every item of a view (tree, list or table) whose rectangle is not
// inside the view's visible area, each as "name rect"; a pointer sent to an item's centre must
// land on that item.
QStringList itemsOutsideView(QWidget* view);

// Runs work on the modal window that action opens, then closes whatever is still open.
template <typename W> void onModal(const std::function<void()>& action, const std::function<void(W*)>& work)
{
    bool seen = false;
    QTimer::singleShot(0, qApp, [&] {
        if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
            seen = true;
            work(w);
        }
        if (QApplication::activeModalWidget())
            QApplication::activeModalWidget()->close();
    });
    action();
    QVERIFY(seen);
}

// The change notices announced while it lives, in order.
class NoticeLog : public QObject {
public:
    NoticeLog()
    {
        connect(&pw::changeNotices(), &pw::ChangeNotices::changed, this,
                [this](const pw::ChangeNotice& n) { notices << n; });
    }
    qsizetype size() const { return notices.size(); }
    // How many notices of that kind (and of that team, unless -1) were heard.
    qsizetype count(pw::Change what, int teamNo = -1) const
    {
        return std::count_if(notices.cbegin(), notices.cend(), [&](const pw::ChangeNotice& n) {
            return n.what == what && (teamNo < 0 || n.teamNo == teamNo);
        });
    }
    QList<pw::ChangeNotice> notices;
};

// Saves a PNG of the widget under PW_SCREENSHOT_DIR when that is set, drawn at the given device
// pixel ratio (2: as on a high-density screen).
void screenshot(QObject* widget, const QString& name, qreal scale = 1.0);

}  // namespace pwtest

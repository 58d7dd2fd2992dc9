// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpCatalog.h"

#include "common/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace pw {

namespace {

// The titles of the table of contents and of the pages, which the coach sees in his language; the
// pages themselves stay in English. HelpCatalog::untranslatedTitles() lets a test hold this list
// to contents.json and the pages.
const char* const kTitles[] = {
    QT_TRANSLATE_NOOP("Help", "Welcome to Pitchwise"),
    QT_TRANSLATE_NOOP("Help", "Starting Pitchwise for the first time"),
    QT_TRANSLATE_NOOP("Help", "The main window"),
    QT_TRANSLATE_NOOP("Help", "The team tree"),
    QT_TRANSLATE_NOOP("Help", "Roster and statistics grids"),
    QT_TRANSLATE_NOOP("Help", "Status bar, record and points"),
    QT_TRANSLATE_NOOP("Help", "Toolbar and menus"),
    QT_TRANSLATE_NOOP("Help", "Teams, players and opponents"),
    QT_TRANSLATE_NOOP("Help", "Team Information and the New Team Wizard"),
    QT_TRANSLATE_NOOP("Help", "Player Information and the roster"),
    QT_TRANSLATE_NOOP("Help", "Opponents"),
    QT_TRANSLATE_NOOP("Help", "Games and statistics"),
    QT_TRANSLATE_NOOP("Help", "Line-ups, playing time and captains"),
    QT_TRANSLATE_NOOP("Help", "Tournaments and brackets"),
    QT_TRANSLATE_NOOP("Help", "Practices, drills and the calendar"),
    QT_TRANSLATE_NOOP("Help", "Team notes, e-mail and game notes"),
    QT_TRANSLATE_NOOP("Help", "Fees"),
    QT_TRANSLATE_NOOP("Help", "Printing and print preview"),
    QT_TRANSLATE_NOOP("Help", "Options (Tools > Configuration)"),
    QT_TRANSLATE_NOOP("Help", "Checking for updates"),
    QT_TRANSLATE_NOOP("Help", "Where your data lives"),
    QT_TRANSLATE_NOOP("Help", "When something goes wrong"),
    QT_TRANSLATE_NOOP("Help", "Player Information"),
    QT_TRANSLATE_NOOP("Help", "Team Information"),
};

QString translatedTitle(const QString& title)
{
    return QCoreApplication::translate("Help", title.toUtf8().constData());
}

QList<HelpTopic> readTopics(const QJsonArray& array)
{
    QList<HelpTopic> topics;
    for (const QJsonValue& v : array) {
        const QJsonObject o = v.toObject();
        topics << HelpTopic{translatedTitle(o.value(QStringLiteral("title")).toString()),
                            o.value(QStringLiteral("page")).toString(),
                            readTopics(o.value(QStringLiteral("children")).toArray())};
    }
    return topics;
}

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

}  // namespace

HelpCatalog HelpCatalog::load(const QString& root)
{
    HelpCatalog c;
    c.m_root = root.isEmpty() ? dataPath(QStringLiteral("help")) : root;
    const QJsonDocument toc = QJsonDocument::fromJson(readText(c.m_root + QStringLiteral("/contents.json")).toUtf8());
    c.m_contents = readTopics(toc.array());

    static const QRegularExpression keywordsRe(QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
                                               QRegularExpression::CaseInsensitiveOption);

    const QStringList files = QDir(c.m_root).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString html = readText(c.m_root + QLatin1Char('/') + file);
        QTextDocument doc;
        doc.setHtml(html);
        Page page;
        // The title as text ("&gt;" is ">"), in the coach's language; the search finds the page by
        // either title.
        const QString title = doc.metaInformation(QTextDocument::DocumentTitle).trimmed();
        page.title = title.isEmpty() ? file : translatedTitle(title);
        const QString titles =
            title.isEmpty() || page.title == title ? page.title : page.title + QLatin1Char('\n') + title;
        page.text = (titles + QLatin1Char('\n') + doc.toPlainText()).toLower();

        c.m_pages << file;
        c.m_pageInfo.insert(file, page);
        const QString keywords = keywordsRe.match(html).captured(1);
        for (const QString& k : keywords.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!k.trimmed().isEmpty())
                c.m_index << qMakePair(k.trimmed(), file);
        }
    }
    std::sort(c.m_index.begin(), c.m_index.end(), [](const auto& a, const auto& b) {
        const int byWord = a.first.compare(b.first, Qt::CaseInsensitive);
        return byWord != 0 ? byWord < 0 : a.second < b.second;
    });
    return c;
}

QList<HelpHit> HelpCatalog::search(const QString& query) const
{
    const QStringList words = query.toLower().split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    QList<HelpHit> hits;
    if (words.isEmpty())
        return hits;
    for (const QString& file : m_pages) {
        const Page& page = m_pageInfo[file];
        int score = 0;
        bool all = true;
        for (const QString& w : words) {
            // Whole words only: "goal" must not find "goalie".
            const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(w)),
                                           QRegularExpression::UseUnicodePropertiesOption);
            const int n = static_cast<int>(page.text.count(whole));
            if (n == 0) {
                all = false;
                break;
            }
            score += n + (page.title.toLower().contains(whole) ? 10 : 0);
        }
        if (all)
            hits << HelpHit{file, page.title, score};
    }
    std::stable_sort(hits.begin(), hits.end(), [](const HelpHit& a, const HelpHit& b) { return a.score > b.score; });
    return hits;
}

QStringList HelpCatalog::untranslatedTitles()
{
    QStringList titles;
    for (const char* title : kTitles)
        titles << QString::fromUtf8(title);
    return titles;
}

QString HelpCatalog::title(const QString& page) const

{
    return m_pageInfo.value(page).title;
}

QString HelpCatalog::url(const QString& page) const
{
    if (m_root.startsWith(QLatin1Char(':')))
        return QStringLiteral("qrc") + m_root + QLatin1Char('/') + page;
    return QUrl::fromLocalFile(m_root + QLatin1Char('/') + page).toString();
}

QString HelpCatalog::firstPage() const
{
    if (!m_contents.isEmpty() && !m_contents.first().page.isEmpty())
        return m_contents.first().page;
    return m_pages.value(0);
}

}  // namespace pw

#include "app/HelpCatalog.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace pw {

namespace {

QList<HelpTopic> readTopics(const QJsonArray& array)
{
    QList<HelpTopic> topics;
    for (const QJsonValue& v : array) {
        const QJsonObject o = v.toObject();
        topics << HelpTopic{o.value(QStringLiteral("title")).toString(), o.value(QStringLiteral("page")).toString(),
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
    c.m_root = root;
    const QJsonDocument toc = QJsonDocument::fromJson(readText(root + QStringLiteral("/contents.json")).toUtf8());
    c.m_contents = readTopics(toc.array());

    static const QRegularExpression titleRe(QStringLiteral("<title>(.*?)</title>"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywordsRe(QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
                                               QRegularExpression::CaseInsensitiveOption);

    const QStringList files = QDir(root).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString html = readText(root + QLatin1Char('/') + file);
        QTextDocument doc;
        doc.setHtml(html);
        Page page;
        page.title = titleRe.match(html).captured(1).trimmed();
        if (page.title.isEmpty())
            page.title = file;
        page.text = (page.title + QLatin1Char('\n') + doc.toPlainText()).toLower();
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

QString HelpCatalog::title(const QString& page) const
{
    return m_pageInfo.value(page).title;
}

QString HelpCatalog::url(const QString& page) const
{
    return (m_root.startsWith(QLatin1Char(':')) ? QStringLiteral("qrc") + m_root : m_root) + QLatin1Char('/') + page;
}

QString HelpCatalog::firstPage() const
{
    if (!m_contents.isEmpty() && !m_contents.first().page.isEmpty())
        return m_contents.first().page;
    return m_pages.value(0);
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace pw {

struct HelpTopic {
    QString title;
    QString page;
    QList<HelpTopic> children;
};

struct HelpHit {
    QString page;
    QString title;
    int score = 0;
};

// The help pages shipped with the program: their table of contents (contents.json), an index
// built from each page's keywords (<meta name="keywords" content="a; b">) and a full-text search.
// They are files in the program's help folder (see dataPath), so a package can ship them as such.
class HelpCatalog {
public:
    static HelpCatalog load(const QString& root = QString());  // empty: the shipped help folder

    const QList<HelpTopic>& contents() const { return m_contents; }
    // Keyword and page, sorted by keyword without regard to case.
    const QList<QPair<QString, QString>>& index() const { return m_index; }
    // Pages holding every word of the query, best first.
    QList<HelpHit> search(const QString& query) const;

    QStringList pages() const { return m_pages; }
    QString title(const QString& page) const;
    QString url(const QString& page) const;  // what a browser widget loads
    QString firstPage() const;

    // The titles of contents.json and of the pages, in English, as the translations know them.
    static QStringList untranslatedTitles();

private:
    struct Page {
        QString title;
        QString text;  // lower-case plain text for searching
    };
    QString m_root;
    QList<HelpTopic> m_contents;
    QList<QPair<QString, QString>> m_index;
    QStringList m_pages;
    QHash<QString, Page> m_pageInfo;
};

}  // namespace pw

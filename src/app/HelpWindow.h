// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/HelpCatalog.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace pw {

// The help pages in a window of their own: contents, index and search on the left, the page on
// the right.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // root: a folder of help pages; empty for the shipped ones.
    explicit HelpWindow(QWidget* parent = nullptr, const QString& root = QString());

    // 1 contents, 2 index, 3 search: shows the window on that tab.
    void showPage(int tab);
    void openPage(const QString& page);
    QString currentPage() const;

private:
    // The constructor's parts: the three tab pages (contents, index, search) and the page side
    // with its Back and Forward buttons.
    void buildContentsPage();
    QWidget* buildIndexPage();
    QWidget* buildSearchPage();
    QWidget* buildPageSide();
    void fillContents(QTreeWidgetItem* parent, const QList<HelpTopic>& topics);
    void filterIndex(const QString& text);
    void runSearch();

    HelpCatalog m_catalog;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QListWidget* m_index = nullptr;
    QLineEdit* m_searchText = nullptr;
    QListWidget* m_results = nullptr;
    QTextBrowser* m_browser = nullptr;
};

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace pw {

namespace {
constexpr int kPageRole = Qt::UserRole + 1;
}

HelpWindow::HelpWindow(QWidget* parent, const QString& root)
    : QWidget(parent, Qt::Window)
    , m_catalog(HelpCatalog::load(root))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Pitchwise Help"));

    buildContentsPage();
    QWidget* indexPage = buildIndexPage();
    QWidget* searchPage = buildSearchPage();

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("HelpTabs"));
    m_tabs->addTab(m_contents, tr("&Contents"));
    m_tabs->addTab(indexPage, tr("&Index"));
    m_tabs->addTab(searchPage, tr("&Search"));

    QWidget* pageSide = buildPageSide();

    auto* split = new QSplitter;
    split->addWidget(m_tabs);
    split->addWidget(pageSide);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 560});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
    resize(880, 600);

    if (!m_catalog.firstPage().isEmpty())
        openPage(m_catalog.firstPage());
}

void HelpWindow::buildContentsPage()
{
    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setHeaderHidden(true);
    fillContents(nullptr, m_catalog.contents());
    m_contents->expandAll();
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !item->data(0, kPageRole).toString().isEmpty())
            openPage(item->data(0, kPageRole).toString());
    });
}

QWidget* HelpWindow::buildIndexPage()
{
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* indexLabel = new QLabel(tr("&Type the keyword to find:"));
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("HelpIndexFilter"));
    indexLabel->setBuddy(m_indexFilter);
    m_index = new QListWidget;
    m_index->setObjectName(QStringLiteral("HelpIndexList"));
    for (const auto& [keyword, page] : m_catalog.index()) {
        auto* item = new QListWidgetItem(keyword, m_index);
        item->setData(kPageRole, page);
        item->setToolTip(m_catalog.title(page));
    }
    indexLayout->addWidget(indexLabel);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(m_index);
    connect(m_indexFilter, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
    connect(m_indexFilter, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = m_index->currentItem())
            openPage(item->data(kPageRole).toString());
    });
    connect(m_index, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openPage(item->data(kPageRole).toString()); });
    connect(m_index, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openPage(item->data(kPageRole).toString()); });
    return indexPage;
}

QWidget* HelpWindow::buildSearchPage()
{
    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* searchLabel = new QLabel(tr("&Words to search for:"));
    m_searchText = new QLineEdit;
    m_searchText->setObjectName(QStringLiteral("HelpSearchText"));
    searchLabel->setBuddy(m_searchText);
    auto* searchButton = new QPushButton(tr("&List Topics"));
    searchButton->setObjectName(QStringLiteral("HelpSearchButton"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchText, 1);
    searchRow->addWidget(searchButton);
    m_results = new QListWidget;
    m_results->setObjectName(QStringLiteral("HelpSearchResults"));
    searchLayout->addWidget(searchLabel);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(m_results);
    connect(searchButton, &QPushButton::clicked, this, &HelpWindow::runSearch);
    connect(m_searchText, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openPage(item->data(kPageRole).toString()); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openPage(item->data(kPageRole).toString()); });
    return searchPage;
}

QWidget* HelpWindow::buildPageSide()
{
    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);

    auto* back = new QToolButton;
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setText(tr("Back"));
    back->setArrowType(Qt::LeftArrow);
    back->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back->setEnabled(false);
    auto* forward = new QToolButton;
    forward->setObjectName(QStringLiteral("HelpForward"));
    forward->setText(tr("Forward"));
    forward->setArrowType(Qt::RightArrow);
    forward->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);

    auto* pageSide = new QWidget;
    auto* pageLayout = new QVBoxLayout(pageSide);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* nav = new QHBoxLayout;
    nav->addWidget(back);
    nav->addWidget(forward);
    nav->addStretch(1);
    pageLayout->addLayout(nav);
    pageLayout->addWidget(m_browser, 1);
    return pageSide;
}

void HelpWindow::fillContents(QTreeWidgetItem* parent, const QList<HelpTopic>& topics)
{
    for (const HelpTopic& t : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, t.title);
        item->setData(0, kPageRole, t.page);
        fillContents(item, t.children);
    }
}

void HelpWindow::showPage(int tab)
{
    m_tabs->setCurrentIndex(qBound(0, tab - 1, 2));
    show();
    raise();
    activateWindow();
    if (tab == 2)
        m_indexFilter->setFocus();
    else if (tab == 3)
        m_searchText->setFocus();
    else
        m_contents->setFocus();
}

void HelpWindow::openPage(const QString& page)
{
    if (page.isEmpty() || page == currentPage())
        return;
    m_browser->setSource(QUrl(m_catalog.url(page)));
}

QString HelpWindow::currentPage() const
{
    return m_browser->source().fileName();
}

void HelpWindow::filterIndex(const QString& text)
{
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_index->count(); ++i) {
        QListWidgetItem* item = m_index->item(i);
        const bool match = item->text().startsWith(text.trimmed(), Qt::CaseInsensitive) ||
                           (text.trimmed().size() > 2 && item->text().contains(text.trimmed(), Qt::CaseInsensitive));
        item->setHidden(!match);
        if (match && !first)
            first = item;
    }
    if (first)
        m_index->setCurrentItem(first);
}

void HelpWindow::runSearch()
{
    m_results->clear();
    const QList<HelpHit> hits = m_catalog.search(m_searchText->text());
    for (const HelpHit& hit : hits) {
        auto* item = new QListWidgetItem(hit.title, m_results);
        item->setData(kPageRole, hit.page);
    }
    if (hits.isEmpty())
        new QListWidgetItem(tr("No topics found."), m_results);
    else
        m_results->setCurrentRow(0);
}

}  // namespace pw

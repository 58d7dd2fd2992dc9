// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/games/frmCaptain.h"

#include "ui/base/Modal.h"

#include "common/Selection.h"
#include "common/Trace.h"
#include "ui/base/RowList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace pw {

namespace {

// A column of check boxes is read down; a team of 25 fits in three short columns rather than one
// long one, and a club list of 60 scrolls rather than growing the window off the screen.
constexpr int kChecksPerColumn = 10;
constexpr int kMostCheckColumns = 4;
constexpr int kLargestWidth = 1000;
constexpr int kLargestHeight = 560;

}  // namespace

CaptainGamesModel::CaptainGamesModel(QObject* parent)
    : RowTableModel<CaptainPlayer>({tr("Game")}, parent)
{
}

void CaptainGamesModel::setHistory(const CaptainHistory& history)
{
    beginResetModel();
    m_headers = QStringList{tr("Game")};
    for (int game = 1; game <= history.numberOfGames; ++game)
        m_headers << QString::number(game);
    m_rows = history.players;
    endResetModel();
}

QVariant CaptainGamesModel::data(const QModelIndex& index, int role) const
{
    const CaptainPlayer* p = row(index.row());
    if (!p)
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == 0 ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter)) : QVariant(int(Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    if (column == 0)
        return p->caption;
    return p->games.contains(static_cast<qint16>(column)) ? QStringLiteral("X") : QString();
}

frmCaptain::frmCaptain(qint16 teamNo, QWidget* parent)
    : QDialog(parent)
    , m_teamNo(teamNo)
    , m_model(new CaptainGamesModel(this))
{
    setObjectName(QStringLiteral("frmCaptain"));
    setWindowTitle(tr("Team Captains"));

    m_checkArea = new QScrollArea(this);
    m_checkArea->setObjectName(QStringLiteral("SeasonCaptains"));
    m_checkArea->setWidgetResizable(true);
    m_checkArea->setFrameShape(QFrame::NoFrame);
    // Tab goes from box to box; the area scrolls to the box that has the focus.
    m_checkArea->setFocusPolicy(Qt::NoFocus);
    PlayerList = new QTableView(this);
    PlayerList->setObjectName(QStringLiteral("PlayerList"));
    PlayerList->setAccessibleName(tr("Captain of each game"));
    setUpRowList(PlayerList, m_model);
    PlayerList->setAlternatingRowColors(true);
    // Rows as tall as a line of text, so that a whole team reads without scrolling.
    PlayerList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    CancelButton = new QPushButton(tr("Close"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_checkArea, 1);
    layout->addWidget(PlayerList, 1);
    layout->addLayout(buttons);

    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });

    m_loaded = guarded(QStringLiteral("Form_Load"), traceArg(QStringLiteral("TeamNo"), teamNo), [&] {
        m_history = readCaptains(teamNo);
        if (m_history.seasonMode)
            buildSeasonChecks();
        else
            m_model->setHistory(m_history);
    });
    m_checkArea->setVisible(m_history.seasonMode);
    PlayerList->setVisible(!m_history.seasonMode);

    if (m_history.seasonMode) {
        const QSize content = m_checkArea->widget() ? m_checkArea->widget()->sizeHint() : QSize();
        const int scrollBar = m_checkArea->verticalScrollBar()->sizeHint().width();
        resize(std::clamp(content.width() + scrollBar + 40, 320, kLargestWidth),
               std::clamp(content.height() + CancelButton->sizeHint().height() + 50, 160, kLargestHeight));
        if (!m_checks.isEmpty()) {
            setTabOrder(m_checks.last(), CancelButton);
            m_checks.first()->setFocus(Qt::OtherFocusReason);
        }
    } else {
        PlayerList->resizeColumnsToContents();
        // Game columns no narrower than three digits, so that the X's line up in even columns.
        const int gameWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
        for (int c = 1; c < m_model->columnCount(); ++c)
            PlayerList->setColumnWidth(c, std::max(gameWidth, PlayerList->columnWidth(c)));
        int width = 2 * PlayerList->frameWidth() + PlayerList->verticalScrollBar()->sizeHint().width();
        for (int c = 0; c < m_model->columnCount(); ++c)
            width += PlayerList->columnWidth(c);
        const int rows = PlayerList->horizontalHeader()->sizeHint().height() +
                         PlayerList->verticalHeader()->defaultSectionSize() * static_cast<int>(m_model->rowCount());
        resize(std::clamp(width + 24, 240, kLargestWidth),
               std::clamp(rows + 2 * PlayerList->frameWidth() + CancelButton->sizeHint().height() + 40, 200,
                          kLargestHeight));
        setTabOrder(PlayerList, CancelButton);
        PlayerList->setFocus(Qt::OtherFocusReason);
    }
}

void frmCaptain::buildSeasonChecks()
{
    auto* boxes = new QWidget;
    boxes->setObjectName(QStringLiteral("SeasonCaptainBoxes"));
    auto* grid = new QGridLayout(boxes);
    grid->setHorizontalSpacing(24);
    const int count = static_cast<int>(m_history.players.size());
    const int columns = std::clamp((count + kChecksPerColumn - 1) / kChecksPerColumn, 1, kMostCheckColumns);
    const int perColumn = std::max(1, (count + columns - 1) / columns);
    for (int i = 0; i < count; ++i) {
        const CaptainPlayer& p = m_history.players.at(i);
        auto* check = new QCheckBox(p.caption, boxes);
        check->setObjectName(QStringLiteral("PlayerCheck"));
        check->setAccessibleName(p.caption);
        check->setAccessibleDescription(tr("Season captain"));
        check->setChecked(p.seasonCaptain);
        if (p.seasonCaptain)
            m_shownCaptains << p.playerNo;
        // Filled down each column first, so that the names read in order top to bottom and Tab
        // follows them.
        grid->addWidget(check, i % perColumn, i / perColumn);
        m_checks << check;
    }
    grid->setRowStretch(perColumn, 1);
    grid->setColumnStretch(columns, 1);
    m_checkArea->setWidget(boxes);
}

QList<qint16> frmCaptain::checkedPlayers() const
{
    QList<qint16> out;
    for (qsizetype i = 0; i < m_checks.size(); ++i) {
        if (m_checks.at(i)->isChecked())
            out << m_history.players.at(i).playerNo;
    }
    return out;
}

void frmCaptain::storeSeasonCaptains()
{
    // A window that could not read the captains must not store its empty boxes over them, and
    // boxes nobody changed leave the stored text as it is.
    if (!m_loaded || !m_history.seasonMode)
        return;
    const QList<qint16> chosen = checkedPlayers();
    if (chosen == m_shownCaptains)
        return;
    if (saveSeasonCaptains(m_teamNo, chosen)) {
        m_shownCaptains = chosen;
    }
}

void frmCaptain::CancelButton_Click()
{
    guarded(QStringLiteral("CancelButton_Click"), {}, [this] { storeSeasonCaptains(); });
    // Closed even when storing failed: the coach has been told, and a window that cannot be
    // closed would only trap him.
    QDialog::reject();
}

void frmCaptain::reject()
{
    CancelButton_Click();
}

void frmCaptain::showCaptains(qint16 teamNo, QWidget* parent)
{
    Modal<frmCaptain> window(teamNo, parent);
    window.exec();
}

}  // namespace pw

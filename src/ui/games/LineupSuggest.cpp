// SPDX-License-Identifier: GPL-3.0-or-later
// The line-up board's proposals: "Suggest Line-up" and "Re-plan from Period n".
#include "ui/games/LineupSuggest.h"

#include "core/games/Lineup.h"
#include "core/games/LineupProposal.h"
#include "ui/games/GameSetup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QUndoStack>
#include <QVBoxLayout>

namespace pw {

ReplanDialog::ReplanDialog(const LineupBoard& board, int period, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ReplanDialog"));
    setWindowTitle(tr("Re-plan"));
    m_players = new QListWidget(this);
    m_players->setObjectName(QStringLiteral("ReplanPlayers"));
    m_players->setAccessibleName(tr("No longer available"));
    auto* nobody = new QListWidgetItem(tr("Nobody"), m_players);
    nobody->setData(Qt::UserRole, 0);
    for (const LineupPlayer& p : board.players()) {
        if (board.availableCount(p.playerNo) == 0)
            continue;
        auto* item = new QListWidgetItem(p.name, m_players);
        item->setData(Qt::UserRole, int(p.playerNo));
    }
    m_players->setCurrentRow(0);
    m_period = new QSpinBox(this);
    m_period->setObjectName(QStringLiteral("ReplanPeriod"));
    m_period->setRange(1, board.periods());
    m_period->setValue(std::clamp(period, 1, board.periods()));

    auto* who = new QLabel(tr("&No longer available:"), this);
    who->setBuddy(m_players);
    auto* form = new QFormLayout;
    form->addRow(tr("&From period:"), m_period);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_players, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(who);
    layout->addWidget(m_players, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

qint16 ReplanDialog::playerNo() const
{
    const QListWidgetItem* item = m_players->currentItem();
    return item ? qint16(item->data(Qt::UserRole).toInt()) : 0;
}

int ReplanDialog::period() const
{
    return m_period->value();
}

void GameSetup::addProposalActions(QMenu* gameMenu)
{
    QAction* suggest = gameMenu->addAction(tr("Suggest Line-up"));
    suggest->setObjectName(QStringLiteral("SuggestLineup"));
    suggest->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(suggest, &QAction::triggered, this,
            handler(QStringLiteral("SuggestLineup_Click"), [this] { suggestLineup(); }));
    // Captioned with the current period, which the dialog offers first.
    m_replanAction = gameMenu->addAction(tr("Re-plan from Period %1").arg(1));
    m_replanAction->setObjectName(QStringLiteral("Replan"));
    connect(m_replanAction, &QAction::triggered, this,
            handler(QStringLiteral("Replan_Click"), [this] { replanAsk(); }));
}

void GameSetup::proposeFrom(int fromPeriod, const QString& stepText)
{
    const KeeperHistory history = readKeeperHistory(m_game);
    QString note;
    applyLineupChange(*undoStack(), m_board, stepText, [&] {
        note = proposeLineup(m_board, m_game.minPeriods, history, fromPeriod);
        return true;
    });
    setNote(note);
    LoadField();
}

void GameSetup::suggestLineup()
{
    proposeFrom(1, tr("Suggest Line-up"));
}

void GameSetup::replan(qint16 playerNo, int fromPeriod)
{
    if (fromPeriod < 1 || fromPeriod > m_game.periods)
        return;
    if (m_board.player(playerNo)) {
        // Written at once, as the grid's "NOT available" does.
        m_menuRow = m_board.rowOf(playerNo);
        m_menuPeriods.clear();
        for (int p = fromPeriod; p <= m_game.periods; ++p)
            m_menuPeriods << p;
        setAvailability(false);
    }
    proposeFrom(fromPeriod, tr("Re-plan from Period %1").arg(fromPeriod));
}

void GameSetup::replanAsk()
{
    ReplanDialog dialog(m_board, std::max(1, m_board.currentPeriod()), this);
    if (dialog.exec() == QDialog::Accepted)
        replan(dialog.playerNo(), dialog.period());
}

}  // namespace pw

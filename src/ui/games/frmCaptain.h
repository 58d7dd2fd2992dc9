// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/RowTableModel.h"
#include "core/games/Captains.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QScrollArea;
class QTableView;

namespace pw {

// Who captained which season game: a player a row, "X" under each game he captained.
class CaptainGamesModel : public RowTableModel<CaptainPlayer> {
    Q_OBJECT
public:
    explicit CaptainGamesModel(QObject* parent = nullptr);
    void setHistory(const CaptainHistory& history);
    QVariant data(const QModelIndex& index, int role) const override;
};

// "Team Captains": a team's season captains to tick, or the captain history of its season games.
// Close (like Escape and the title-bar button) keeps the season captains as ticked.
class frmCaptain : public QDialog {
    Q_OBJECT
public:
    explicit frmCaptain(qint16 teamNo, QWidget* parent = nullptr);

    // Runs the window modally; the line-up board shows its captain history this way.
    static void showCaptains(qint16 teamNo, QWidget* parent);

    const CaptainHistory& history() const { return m_history; }
    CaptainGamesModel* model() const { return m_model; }
    // The ticked players, in the window's order.
    QList<qint16> checkedPlayers() const;

    // The handler, public so that tests drive it as the coach would.
    void CancelButton_Click();

    // Escape and the title-bar button close the way Close does.
    void reject() override;

private:
    void buildSeasonChecks();
    void storeSeasonCaptains();

    qint16 m_teamNo = 0;
    bool m_loaded = false;
    CaptainHistory m_history;
    QList<qint16> m_shownCaptains;  // ticked when the window opened
    QList<QCheckBox*> m_checks;     // in the order of m_history.players
    QScrollArea* m_checkArea = nullptr;
    CaptainGamesModel* m_model = nullptr;
    QTableView* PlayerList = nullptr;
    QPushButton* CancelButton = nullptr;
};

}  // namespace pw

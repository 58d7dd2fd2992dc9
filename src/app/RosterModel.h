// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RosterData.h"
#include "common/RowTableModel.h"
#include "core/games/Fairness.h"
#include "core/teams/TeamData.h"

#include <QColor>

namespace pw {

// The main window's roster grid: one row per player, then the team's row. The player column is
// coloured for an age-division problem (red, white text) or, on teams that manage fees, for what
// the player has paid; the statistics columns are filled once game selection computes them. The
// share column gives the spread of the shares on the team's row, and marks a player whose share
// lies more than kBehindPoints under the team's average: shaded, bold, and saying why in its tool
// tip and to a screen reader.
class RosterModel : public RowTableModel<RosterRow> {
    Q_OBJECT
public:
    explicit RosterModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The team's row, below the players; -1 without players. It cannot be selected.
    int teamRow() const;
    // The spread on the team's row stands in the share column and the columns after it, as many
    // as this.
    static constexpr int kSpreadColumns = 5;
    // The shares shown, how far apart they are and who trails the team.
    ShareSpread spread() const;
    // The player of a grid row, 0 for none.
    qint16 playerAt(int row) const;
    // Shows the figures of the selected game or summary, keeping rows and selection.
    void setGameView(const GameView& view);
    // What a statistics cell shows ("62%", "3", or empty).
    QString cellText(int row, int column) const;

    static QColor feeColour(FeeStatus status);
    static QColor tooOldColour();
    // Half see-through, so that it reads on a light and on a dark theme alike, over the theme's
    // own text colour.
    static QColor behindColour();
};

// The selected player's games, game by game, with a "Tournament" line before each tournament's.
class PlayerGamesModel : public RowTableModel<PlayerRecordLine> {
    Q_OBJECT
public:
    explicit PlayerGamesModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace pw

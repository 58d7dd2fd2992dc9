#pragma once

#include "app/RosterData.h"
#include "common/RowTableModel.h"
#include "core/teams/TeamData.h"

#include <QColor>

namespace pw {

// The main window's roster grid: one row per player. The player column is coloured for an
// age-division problem (red, white text) or, on teams that manage fees, for what the player has
// paid; the statistics columns are filled once game selection computes them.
class RosterModel : public RowTableModel<RosterRow> {
    Q_OBJECT
public:
    explicit RosterModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
    // The player of a grid row, 0 for none.
    qint16 playerAt(int row) const;
    // Shows the figures of the selected game or summary, keeping rows and selection.
    void setGameView(const GameView& view);
    // What a statistics cell shows ("62%", "3", or empty).
    QString cellText(int row, int column) const;

    static QColor feeColour(FeeStatus status);
    static QColor tooOldColour();
};

// The selected player's games, game by game, with a "Tournament" line before each tournament's.
class PlayerGamesModel : public RowTableModel<PlayerRecordLine> {
    Q_OBJECT
public:
    explicit PlayerGamesModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
};

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Selection.h"
#include "core/fees/FeeStatus.h"
#include "core/games/GameView.h"

#include <QList>
#include <QString>

#include <optional>

namespace pw {

// One roster line of the main window's grid.
struct RosterRow {
    qint16 playerNo = 0;
    QString text;                  // "Smith,Anna (7)"
    bool tooOld = false;           // fails the team's age cut-off
    std::optional<FeeStatus> fee;  // only when the team manages fees
    PlayerGameLine game;           // the selected game's or summary's figures
};

// The team's players by last name, with age and fee flags worked out against the settings.
QList<RosterRow> readRoster(qint16 teamNo, const TeamSettings& team);

}  // namespace pw

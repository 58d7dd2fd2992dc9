#pragma once

#include "common/Selection.h"
#include "fees/FeeStatus.h"
#include "games/GameView.h"

#include <QList>
#include <QString>

#include <optional>

namespace pw {

// A team as the tree and the pickers list it.
struct TeamEntry {
    qint16 teamNo = 0;
    QString text;  // "Comets (U10G-Fall 2026)"
};

// Visible teams by start date (teams without one last).
QList<TeamEntry> visibleTeams();

// A team in a list or the tree: "Comets (U10G-Fall 2026)".
QString teamEntryText(const QString& name, const QString& ageDivision, const QString& sex, const QString& season);

// The team's row as program-wide settings; a missing team gives the defaults.
TeamSettings readTeamSettings(qint16 teamNo);

// The team's web site, read fresh from the store.
QString teamWebSite(qint16 teamNo);

// One roster line of the main window's grid.
struct RosterRow {
    qint16 playerNo = 0;
    QString text;                   // "Smith,Anna (7)"
    bool tooOld = false;            // fails the team's age cut-off
    std::optional<FeeStatus> fee;   // only when the team manages fees
    PlayerGameLine game;            // the selected game's or summary's figures
};

// The team's players by last name, with age and fee flags worked out against the settings.
QList<RosterRow> readRoster(qint16 teamNo, const TeamSettings& team);

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Selection.h"

#include <QList>
#include <QString>

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

}  // namespace pw

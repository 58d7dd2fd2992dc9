#pragma once

#include "app/AppState.h"
#include "fees/FeeStatus.h"

#include <QList>
#include <QString>

#include <optional>

namespace pw {

// The team's row as program-wide settings; a missing team gives the defaults.
TeamSettings readTeamSettings(qint16 teamNo);

// The team's web site and the address its e-mails go to, read fresh from the store.
QString teamWebSite(qint16 teamNo);
QString teamEmailSendTo(qint16 teamNo);

// One roster line of the main window's grid.
struct RosterRow {
    qint16 playerNo = 0;
    QString text;                   // "Smith,Anna (7)"
    bool tooOld = false;            // fails the team's age cut-off
    std::optional<FeeStatus> fee;   // only when the team manages fees
};

// The team's players by last name, with age and fee flags worked out against the settings.
QList<RosterRow> readRoster(qint16 teamNo, const TeamSettings& team);

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/TeamData.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace pw {

struct CoachInfo {
    QString name;
    QString phone;
    QString address;
    QString zip;
    QString mobile;
    QString email;
};

// One weekday of the practice week: ticked, with its start and end time as the pickers show them.
struct PracticeDay {
    bool on = false;
    QString start;
    QString end;
    bool operator==(const PracticeDay&) const = default;
};
// Monday to Friday.
using PracticeWeek = std::array<PracticeDay, 5>;

// "1,6:00 PM-7:30 PM;0,0;..." : five entries joined by ";", a ticked day "1," start "-" end,
// another day "0,0".
QString encodePracticeWeek(const PracticeWeek& week);
// Reads what encodePracticeWeek writes; days the text does not cover stay unticked.
PracticeWeek decodePracticeWeek(const QString& text);

// The three point boxes (win, tie, loss) as the store keeps them: "2;1;0".
QString encodePointBoxes(const std::array<QString, 3>& boxes);
// The boxes filled from the stored text in order; boxes the text does not reach keep 2, 1 and 0.
std::array<QString, 3> decodePointBoxes(const QString& text);

// Every column of a team's row that the profile and the wizard edit, and the two they keep.
struct TeamProfile {
    qint16 teamNo = 0;
    QString league;
    QString teamName;
    QString clubName;
    QString webSite;
    QString homePage;
    bool tournamentPlay = false;
    bool manageFees = false;
    double teamAmount = 0.0;
    bool visible = true;
    QString season;
    QDate startDate;
    QString ageDivision;
    QDate cutOff;
    QString sex;  // "B", "G" or "C"
    int periods = 0;
    int numberOfPlayers = 0;
    int minutes = 0;
    int minQtrReq = 0;
    QString jerseyColor;
    QString shortsColor;
    QString altColor;
    int timeTrack = 0;     // 0 by period, 1 by time
    int trackCaptain = 0;  // 0 captains per game, 1 for the season
    std::array<CoachInfo, 3> coaches{};
    QString practiceSchedule;  // the practice-week text
    QString emailSendTo;
    QString pointValue;  // "2;1;0"
    // Kept by the profile's save, written by other windows.
    QString seasonCaptains;
    int numberOfGames = 0;
};

// The team's row; nothing when it has none.
std::optional<TeamProfile> readTeamProfile(qint16 teamNo);

// Writes the profile's columns to its team's row, adding the row when it is missing. A new row
// gets no games and no season captains. An existing row keeps its games, and its season captains
// as long as the captain mode is the one stored; a changed mode drops them, since captains chosen
// for the season mean nothing to a team choosing them per game. True when the row was added.
bool saveTeamProfile(const TeamProfile& profile);

// The next team number: the highest + 1, or 1 for the first team.
qint16 GenTeamNo();

// Adds a team numbered newTeamNo whose row is a copy of sourceTeamNo's; nothing else of the team
// is copied.
void CopyTeam(qint16 sourceTeamNo, qint16 newTeamNo);

// Removes the team and everything that belongs to it, in one transaction.
void deleteTeam(qint16 teamNo);

// Every team, shown or not, by name: the profile's picker.
QList<TeamEntry> allTeamsByName();

// Which entry to show once the entry at index is gone from a list of count entries: the previous
// one when it was the last, otherwise the next one (as an index into the list before the removal);
// -1 when it was the only one.
int neighbourAfterRemoval(int index, int count);

// What the wizard fills in when the coach picks an age.
struct AgeDefaults {
    int periods = 4;
    int players = 11;
    int minPeriods = 2;
    int minutes = 20;
};
// The age N of "U10"; nothing for a text that is not "U" and a whole number.
std::optional<int> ageYears(const QString& ageDivision);
AgeDefaults ageDefaults(int years);
// August 1 of (this year - N - 1): the youngest a player of the age may be born before.
QDate ageCutOff(int years, const QDate& today = QDate::currentDate());

}  // namespace pw

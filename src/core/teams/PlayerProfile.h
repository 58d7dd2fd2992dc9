// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/TeamData.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace pw {

// A parent's contact as the Mother and Father pages show it.
struct ParentInfo {
    QString lastName;
    QString firstName;
    QString address;
    QString city;
    QString state;
    QString zip;
    QString phone;
    QString altPhone;
    QString email;
    bool sameAddress = false;  // lives at the player's address: address, city, state, zip and phone are the player's
};

struct PlayerProfile {
    qint16 teamNo = 0;
    qint16 playerNo = 0;
    QString lastName;
    QString firstName;
    QString nickname;
    qint16 jerseyNo = 0;
    QString email;
    QString position;          // "0;1;0;0;1"
    bool mayPlayGoal = false;  // a field player the coach allows in goal when a line-up is proposed
    QString address;
    QString city;
    QString state;
    QString zipCode;
    QDate birthDate;
    QString phone;
    QString altPhone;
    ParentInfo mom;
    ParentInfo dad;
    double amountPaid = 0.0;  // kept by the profile's save; the fees window writes it
};

// Front Line, Half Back, Full Back, Sweeper, Goalie.
using Positions = std::array<bool, 5>;
QString encodePositions(const Positions& ticked);
Positions decodePositions(const QString& text);

// The jersey box as the store keeps it: a number from the text, 0 for anything else.
qint16 jerseyFromText(const QString& text);

// A parent who shares the player's address shows, and is stored with, the player's address,
// city, state, zip and phone.
void applySameAddress(const PlayerProfile& player, ParentInfo& parent);

// The player's row; nothing when the team has no such player.
std::optional<PlayerProfile> readPlayer(qint16 teamNo, qint16 playerNo);

// Writes the player's row, adding it when it is missing. A parent sharing the player's address
// is written with the player's; an empty zip is written as "0". An existing player keeps the
// payments the fees window recorded and a new one starts at 0; playing time is recomputed from
// the line-ups, so it starts again at 0. True when the row was added.
bool savePlayer(const PlayerProfile& player);

// "Smith, Anna" entries of the team's players by last name: the profile's picker.
struct PlayerEntry {
    qint16 playerNo = 0;
    QString text;
};
QList<PlayerEntry> playerEntries(qint16 teamNo);

// Teams the player may be copied to: every team that has no player with this number.
QList<TeamEntry> copyTargets(qint16 playerNo);

// Adds the source team's player to the destination team under the same number, with nothing
// paid; notes stay behind. Throws when the number is taken there.
void CopyPlayer(qint16 playerNo, qint16 sourceTeamNo, qint16 destTeamNo);

// Removes the player and the player's notes (line-ups and statistics stay, so past games add up).
void deletePlayer(qint16 teamNo, qint16 playerNo);

// One entry of the players-list dialog: a player of another team whose number is free here.
struct ImportEntry {
    qint16 teamNo = 0;
    qint16 playerNo = 0;
    QString text;  // "Smith, Anna"
};
// Players of other teams whose numbers the team does not use, each person once: a player on
// several teams (same last name, first name and birth date) is offered from the newest team.
QList<ImportEntry> importCandidates(qint16 teamNo);

// Items to work on.
struct PlayerNote {
    int noteId = 0;
    QString text;
    bool checked = false;
};
QList<PlayerNote> readPlayerNotes(qint16 teamNo, qint16 playerNo);
// Writes a new item at once, numbered after the player's highest, at the given position.
PlayerNote addPlayerNote(qint16 teamNo, qint16 playerNo, const QString& text, int priority);
void removePlayerNote(qint16 teamNo, qint16 playerNo, int noteId);
// Replaces the player's items by the list, in its order.
void replacePlayerNotes(qint16 teamNo, qint16 playerNo, const QList<PlayerNote>& notes);
// Writes each item's tick to its row.
void writeNoteTicks(qint16 teamNo, qint16 playerNo, const QList<PlayerNote>& notes);
// The profile window's save: the player's row and the ticks of his items, both or neither.
void savePlayerProfile(const PlayerProfile& player, const QList<PlayerNote>& ticks);

// A line of the roster dialog.
struct RosterLine {
    QString name;  // "Smith, Anna (7)"
    QString phone;
    QString parents;
    QString email;
};
QList<RosterLine> rosterLines(qint16 teamNo);
// "Kate/Tom", "Kate Jones/Tom": a parent's last name only where it differs from the player's.
QString parentsText(const QString& playerLastName, const QString& momFirst, const QString& momLast,
                    const QString& dadFirst, const QString& dadLast);

}  // namespace pw

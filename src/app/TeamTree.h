// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>

#include <QIcon>
#include <QPersistentModelIndex>
#include <QStandardItemModel>
#include <QString>
#include <functional>

#include "core/schedule/SeasonGames.h"
#include "core/tournaments/Bracket.h"

namespace pw {

struct GameResult;
struct TeamEntry;

// What a tree node stands for, read from its key: "Team" + team, "G" + game + "T" + team,
// "E" + team + "T" + tournament, "R" + game + "T" + team, or a game detail word
// ("Date", "rDate", "Field", "OppCoach", "OppCoachNo", "OppColor", "Score") + game + "T" + team.
struct NodeKey {
    enum class Kind { Unknown, Team, Game, Detail, Tournament, TournamentGame };
    Kind kind = Kind::Unknown;
    qint16 teamNo = 0;
    qint16 gameNo = 0;
    qint16 tournamentNo = 0;
    QString detailWord;

    static NodeKey parse(const QString& key);
    static QString team(qint16 teamNo);
    static QString game(qint16 gameNo, qint16 teamNo);
    static QString tournamentGame(qint16 gameNo, qint16 teamNo);
    static QString tournament(qint16 teamNo, qint16 tournamentNo);
    static QString detail(const QString& word, qint16 gameNo, qint16 teamNo);
};

// The main window's tree of teams with their games and tournaments. Every node carries its key,
// a tag (the team number on team nodes, the game number on game nodes) and an image key.
// A game's detail lines are made when the game is first expanded or looked up, so that a club
// with hundreds of games builds its tree in a few milliseconds.
class TeamTreeModel : public QStandardItemModel {
    Q_OBJECT
public:
    enum Role { KeyRole = Qt::UserRole + 1, TagRole, ImageRole, SavedTextRole };

    explicit TeamTreeModel(QObject* parent = nullptr);

    // parentKey empty adds a top-level node. Returns the new node.
    QStandardItem* addNode(const QString& parentKey, const QString& key, const QString& text, const QString& imageKey,
                           const QVariant& tag = {});
    // The same under a node already at hand (no look-up); null is the top level.
    QStandardItem* addNode(QStandardItem* parent, const QString& key, const QString& text, const QString& imageKey,
                           const QVariant& tag = {});
    // Empties the tree.
    void clearTree();
    // Rebuilds the whole tree: a node per team in the order given, each with its season games
    // (games of teams not listed are left out).
    void SetTeamTabs(const QList<TeamEntry>& teams, const QList<SeasonGame>& games,
                     const QList<TournamentBranch>& tournaments = {});
    // The same, but each team's games are read (through the reader) when the team is first
    // opened or one of its nodes is looked up: a club with many teams builds its tree at once.
    using GamesReader = std::function<QList<SeasonGame>(const QList<qint16>& teamNos)>;
    using TournamentsReader = std::function<QList<TournamentBranch>(const QList<qint16>& teamNos)>;
    void SetTeamTabs(const QList<TeamEntry>& teams, GamesReader reader, TournamentsReader tournaments = {});
    // AddTourney: the team's tournaments under its node after its games, each with a node per
    // round (the opponent once known, else "Round" r; the clock for rounds still ahead) and the
    // round's score line.
    void AddTourney(qint16 teamNo, const QList<TournamentBranch>& tournaments);
    // Adds the team's season games under its node: one node per game, named after the opponent,
    // with its detail lines below.
    void AddSchedule(qint16 teamNo, const QList<SeasonGame>& games);
    // Shows recomputed results: the game nodes' pictures and their "Score" lines. Nodes that
    // already show the result are not touched, so a repeated click changes nothing.
    void showResults(qint16 teamNo, qint16 tournamentNo, const QList<GameResult>& results);
    QStandardItem* node(const QString& key) const;
    QModelIndex indexOf(const QString& key) const;
    QString keyOf(const QModelIndex& index) const;
    bool setNodeImage(const QString& key, const QString& imageKey);
    bool setNodeText(const QString& key, const QString& text);
    // Removes every child of the node (the team's games and tournaments before a rebuild).
    void removeChildren(const QString& key);
    // Keys of all nodes, depth first, in display order.
    QStringList keys() const;

    // The picture for an image key: "team", "nyp", "won", "lost", "tied", "tournament", "Clock",
    // "Scoreboard".
    static QIcon icon(const QString& imageKey);

    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    // Makes the detail lines of a game whose lines are still to be made.
    void makeDetails(QStandardItem* gameNode);
    // Reads and adds the games of a team whose games are still to be read.
    void fetchTeam(QStandardItem* teamNode);
    void forgetPending(const QStandardItem* parent);
    static QStandardItem* makeItem(const QString& key, const QString& text, const QString& imageKey,
                                   const QVariant& tag);
    void appendGame(QStandardItem* teamNode, const SeasonGame& game);
    void appendTournament(QStandardItem* teamNode, const TournamentBranch& branch);
    void indexSubtree(const QStandardItem* parent);
    void collectKeys(const QStandardItem* parent, QStringList* out) const;

    // Key -> node, so that look-ups do not walk the whole tree; entries of removed nodes go invalid.
    mutable QHash<QString, QPersistentModelIndex> m_index;
    // Games whose detail lines are not made yet, by game node key, and the score lines shown
    // for games, so that lines made later show the score already computed.
    QHash<QString, SeasonGame> m_pending;
    QHash<QString, QString> m_scores;
    // Teams whose games are still to be read, by team node key.
    QSet<QString> m_pendingTeams;
    GamesReader m_reader;
    TournamentsReader m_tournamentReader;
};

}  // namespace pw

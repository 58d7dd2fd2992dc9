// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TeamTree.h"

#include "common/Formats.h"
#include "common/Icons.h"
#include "common/Trace.h"
#include "core/games/Record.h"
#include "core/schedule/SeasonGames.h"
#include "core/teams/TeamData.h"

#include <QHash>

namespace pw {

namespace {

// Longest first, so that "OppCoachNo" is not read as "OppCoach".
const QStringList kDetailWords{QStringLiteral("OppCoachNo"), QStringLiteral("OppCoach"), QStringLiteral("OppColor"),
                               QStringLiteral("rDate"),      QStringLiteral("Date"),     QStringLiteral("Field"),
                               QStringLiteral("Score")};

bool splitAtT(const QString& rest, qint16* before, qint16* after)
{
    const qsizetype t = rest.indexOf(QLatin1Char('T'));
    if (t < 0)
        return false;
    bool ok1 = false;
    bool ok2 = false;
    const int a = rest.left(t).toInt(&ok1);
    const int b = rest.mid(t + 1).toInt(&ok2);
    if (!ok1 || !ok2)
        return false;
    *before = static_cast<qint16>(a);
    *after = static_cast<qint16>(b);
    return true;
}

}  // namespace

NodeKey NodeKey::parse(const QString& key)
{
    NodeKey k;
    if (key.startsWith(QLatin1String("Team"))) {
        bool ok = false;
        const int n = key.mid(4).toInt(&ok);
        if (ok) {
            k.kind = Kind::Team;
            k.teamNo = static_cast<qint16>(n);
        }
        return k;
    }
    for (const QString& word : kDetailWords) {
        if (key.startsWith(word)) {
            if (splitAtT(key.mid(word.size()), &k.gameNo, &k.teamNo)) {
                k.kind = Kind::Detail;
                k.detailWord = word;
            }
            return k;
        }
    }
    if (key.size() < 2)
        return k;
    const QChar lead = key.at(0);
    const QString rest = key.mid(1);
    if (lead == QLatin1Char('G') && splitAtT(rest, &k.gameNo, &k.teamNo)) {
        k.kind = Kind::Game;
    } else if (lead == QLatin1Char('R') && splitAtT(rest, &k.gameNo, &k.teamNo)) {
        k.kind = Kind::TournamentGame;
        k.tournamentNo = static_cast<qint16>(k.gameNo / 1000);
    } else if (lead == QLatin1Char('E') && splitAtT(rest, &k.teamNo, &k.tournamentNo)) {
        k.kind = Kind::Tournament;
    }
    return k;
}

QString NodeKey::team(qint16 teamNo)
{
    return QStringLiteral("Team%1").arg(teamNo);
}

QString NodeKey::game(qint16 gameNo, qint16 teamNo)
{
    return QStringLiteral("G%1T%2").arg(gameNo).arg(teamNo);
}

QString NodeKey::tournamentGame(qint16 gameNo, qint16 teamNo)
{
    return QStringLiteral("R%1T%2").arg(gameNo).arg(teamNo);
}

QString NodeKey::tournament(qint16 teamNo, qint16 tournamentNo)
{
    return QStringLiteral("E%1T%2").arg(teamNo).arg(tournamentNo);
}

QString NodeKey::detail(const QString& word, qint16 gameNo, qint16 teamNo)
{
    return QStringLiteral("%1%2T%3").arg(word).arg(gameNo).arg(teamNo);
}

TeamTreeModel::TeamTreeModel(QObject* parent)
    : QStandardItemModel(parent)
{
}

QStandardItem* TeamTreeModel::addNode(const QString& parentKey, const QString& key, const QString& text,
                                      const QString& imageKey, const QVariant& tag)
{
    QStandardItem* parentItem = parentKey.isEmpty() ? invisibleRootItem() : node(parentKey);
    if (!parentItem)
        throw PwError(err::BadArgument, QStringLiteral("The tree has no node %1").arg(parentKey));
    return addNode(parentItem, key, text, imageKey, tag);
}

void TeamTreeModel::clearTree()
{
    clear();
    m_index.clear();
    m_pending.clear();
    m_scores.clear();
    m_pendingTeams.clear();
}

QStandardItem* TeamTreeModel::addNode(QStandardItem* parentItem, const QString& key, const QString& text,
                                      const QString& imageKey, const QVariant& tag)
{
    if (!parentItem)
        parentItem = invisibleRootItem();
    QStandardItem* item = makeItem(key, text, imageKey, tag);
    parentItem->appendRow(item);
    m_index.insert(key, QPersistentModelIndex(item->index()));
    return item;
}

QStandardItem* TeamTreeModel::makeItem(const QString& key, const QString& text, const QString& imageKey,
                                       const QVariant& tag)
{
    auto* item = new QStandardItem(text);
    item->setData(key, KeyRole);
    item->setData(tag, TagRole);
    item->setData(imageKey, ImageRole);
    item->setData(text, SavedTextRole);
    item->setIcon(icon(imageKey));
    item->setEditable(NodeKey::parse(key).kind == NodeKey::Kind::Tournament);
    if (text.size() > 60)
        item->setToolTip(text);  // shown whole where the tree cuts it short
    return item;
}

QModelIndex TeamTreeModel::indexOf(const QString& key) const
{
    const QPersistentModelIndex known = m_index.value(key);
    if (known.isValid() && known.data(KeyRole).toString() == key)
        return known;
    const NodeKey k = NodeKey::parse(key);
    // A game or line of a team whose games are not read yet: read them now. Looking a node up
    // is not a change of the tree the coach sees, only of when its nodes are made.
    if ((k.kind == NodeKey::Kind::Game || k.kind == NodeKey::Kind::Detail) &&
        m_pendingTeams.contains(NodeKey::team(k.teamNo))) {
        if (QStandardItem* team = node(NodeKey::team(k.teamNo))) {
            const_cast<TeamTreeModel*>(this)->fetchTeam(team);
            return indexOf(key);
        }
    }
    // A detail line whose game has not shown its lines yet: make them now.
    if (k.kind == NodeKey::Kind::Detail) {
        const QString gameKey = NodeKey::game(k.gameNo, k.teamNo);
        if (m_pending.contains(gameKey)) {
            if (QStandardItem* game = node(gameKey)) {
                const_cast<TeamTreeModel*>(this)->makeDetails(game);
                const QPersistentModelIndex made = m_index.value(key);
                return made.isValid() ? QModelIndex(made) : QModelIndex();
            }
        }
    }
    if (rowCount() == 0)
        return {};
    const QModelIndexList hits = match(index(0, 0), KeyRole, key, 1, Qt::MatchExactly | Qt::MatchRecursive);
    if (hits.isEmpty())
        return {};
    m_index.insert(key, QPersistentModelIndex(hits.first()));
    return hits.first();
}

QStandardItem* TeamTreeModel::node(const QString& key) const
{
    const QModelIndex i = indexOf(key);
    return i.isValid() ? itemFromIndex(i) : nullptr;
}

QString TeamTreeModel::keyOf(const QModelIndex& index) const
{
    return index.data(KeyRole).toString();
}

bool TeamTreeModel::setNodeImage(const QString& key, const QString& imageKey)
{
    QStandardItem* item = node(key);
    if (!item)
        return false;
    if (item->data(ImageRole).toString() != imageKey) {
        item->setData(imageKey, ImageRole);
        item->setIcon(icon(imageKey));
    }
    return true;
}

bool TeamTreeModel::setNodeText(const QString& key, const QString& text)
{
    QStandardItem* item = node(key);
    if (!item)
        return false;
    if (item->text() != text) {
        item->setData(text, SavedTextRole);
        item->setText(text);
    }
    return true;
}

void TeamTreeModel::removeChildren(const QString& key)
{
    if (QStandardItem* item = node(key)) {
        forgetPending(item);
        m_pendingTeams.remove(key);
        item->removeRows(0, item->rowCount());
    }
}

void TeamTreeModel::forgetPending(const QStandardItem* parent)
{
    for (int r = 0; r < parent->rowCount(); ++r) {
        const QString key = parent->child(r)->data(KeyRole).toString();
        m_pending.remove(key);
        m_scores.remove(key);
    }
}

bool TeamTreeModel::hasChildren(const QModelIndex& parent) const
{
    // Nodes whose children are still to be made show that they have some.
    return canFetchMore(parent) || QStandardItemModel::hasChildren(parent);
}

bool TeamTreeModel::canFetchMore(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return false;
    const QString key = parent.data(KeyRole).toString();
    return m_pending.contains(key) || m_pendingTeams.contains(key);
}

void TeamTreeModel::fetchMore(const QModelIndex& parent)
{
    if (QStandardItem* item = itemFromIndex(parent)) {
        fetchTeam(item);
        makeDetails(item);
    }
}

void TeamTreeModel::makeDetails(QStandardItem* gameNode)
{
    const QString key = gameNode->data(KeyRole).toString();
    const auto it = m_pending.constFind(key);
    if (it == m_pending.constEnd())
        return;
    const SeasonGame g = *it;
    m_pending.erase(it);
    QList<QStandardItem*> details;
    for (const auto& [word, text] : gameDetailLines(g)) {
        const QString line = word == QLatin1String("Score") ? m_scores.value(key, text) : text;
        details << makeItem(NodeKey::detail(word, g.gameNo, g.teamNo), line, {}, g.gameNo);
    }
    gameNode->appendRows(details);
    indexSubtree(gameNode);
}

QStringList TeamTreeModel::keys() const
{
    QStringList out;
    collectKeys(invisibleRootItem(), &out);
    return out;
}

void TeamTreeModel::collectKeys(const QStandardItem* parent, QStringList* out) const
{
    for (int r = 0; r < parent->rowCount(); ++r) {
        const QStandardItem* child = parent->child(r);
        const QString key = child->data(KeyRole).toString();
        out->append(key);
        const auto pending = m_pending.constFind(key);
        if (pending != m_pending.constEnd()) {
            // Lines still to be made are listed as they will be.
            for (const auto& line : gameDetailLines(*pending))
                out->append(NodeKey::detail(line.first, pending->gameNo, pending->teamNo));
        }
        collectKeys(child, out);
    }
}

QIcon TeamTreeModel::icon(const QString& imageKey)
{
    static QHash<QString, QIcon> cache;
    auto it = cache.find(imageKey);
    if (it != cache.end())
        return *it;
    QIcon result;
    if (imageKey == QLatin1String("team")) {
        // Image 1, and image 2 while selected.
        result = programIcon(QStringLiteral("team"), QStringLiteral("team-selected"));
    } else if (!imageKey.isEmpty()) {
        result = programIcon(imageKey);
    }
    cache.insert(imageKey, result);
    return result;
}

void TeamTreeModel::SetTeamTabs(const QList<TeamEntry>& teams, const QList<SeasonGame>& games,
                                const QList<TournamentBranch>& tournaments)
{
    PW_TRACE(QStringLiteral("SetTeamTabs"));
    clearTree();
    // The nodes are built while detached and handed to the model in one go, so that views
    // lay themselves out once rather than once per node.
    QHash<qint16, QStandardItem*> teamNodes;
    QList<QStandardItem*> top;
    for (const TeamEntry& t : teams) {
        QStandardItem* item = makeItem(NodeKey::team(t.teamNo), t.text, QStringLiteral("team"), t.teamNo);
        teamNodes.insert(t.teamNo, item);
        top << item;
    }
    for (const SeasonGame& g : games) {
        if (QStandardItem* teamNode = teamNodes.value(g.teamNo))
            appendGame(teamNode, g);
    }
    for (const TournamentBranch& b : tournaments) {
        if (QStandardItem* teamNode = teamNodes.value(b.info.teamNo))
            appendTournament(teamNode, b);
    }
    // One row at a time: appending a list of rows does not hand the model down to the items'
    // own children, which would leave every game node detached from the model.
    for (QStandardItem* item : std::as_const(top))
        invisibleRootItem()->appendRow(item);
    indexSubtree(invisibleRootItem());
}

void TeamTreeModel::indexSubtree(const QStandardItem* parent)
{
    for (int r = 0; r < parent->rowCount(); ++r) {
        const QStandardItem* child = parent->child(r);
        m_index.insert(child->data(KeyRole).toString(), QPersistentModelIndex(child->index()));
        indexSubtree(child);
    }
}

void TeamTreeModel::SetTeamTabs(const QList<TeamEntry>& teams, GamesReader reader, TournamentsReader tournaments)
{
    SetTeamTabs(teams, QList<SeasonGame>{});
    m_reader = std::move(reader);
    m_tournamentReader = std::move(tournaments);
    for (const TeamEntry& t : teams)
        m_pendingTeams.insert(NodeKey::team(t.teamNo));
}

void TeamTreeModel::fetchTeam(QStandardItem* teamNode)
{
    const QString key = teamNode->data(KeyRole).toString();
    if (!m_pendingTeams.remove(key) || !m_reader)
        return;
    const qint16 teamNo = NodeKey::parse(key).teamNo;
    AddSchedule(teamNo, m_reader({teamNo}));
    if (m_tournamentReader)
        AddTourney(teamNo, m_tournamentReader({teamNo}));
}

void TeamTreeModel::AddTourney(qint16 teamNo, const QList<TournamentBranch>& tournaments)
{
    PW_TRACE(QStringLiteral("AddTourney"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    QStandardItem* teamNode = node(NodeKey::team(teamNo));
    if (!teamNode)
        return;
    for (const TournamentBranch& b : tournaments) {
        if (b.info.teamNo == teamNo)
            appendTournament(teamNode, b);
    }
    indexSubtree(teamNode);
}

void TeamTreeModel::appendTournament(QStandardItem* teamNode, const TournamentBranch& b)
{
    const qint16 teamNo = b.info.teamNo;
    QStandardItem* tournament = makeItem(NodeKey::tournament(teamNo, b.info.tournamentNo), shownText(b.info.name),
                                         QStringLiteral("tournament"), teamNo);
    for (int r = 1; r <= b.info.rounds; ++r) {
        const auto gameNo = static_cast<qint16>(b.info.tournamentNo * 1000 + r);
        const QString text = r <= b.roundTexts.size() ? b.roundTexts[r - 1] : QStringLiteral("Round%1").arg(r);
        QStandardItem* round =
            makeItem(NodeKey::tournamentGame(gameNo, teamNo), shownText(text),
                     b.clockRounds.contains(r) ? QStringLiteral("Clock") : QStringLiteral("nyp"), gameNo);
        // Scores are kept by the round's own key (see showResults), not the score line's.
        const QString scoreKey = NodeKey::detail(QStringLiteral("Score"), gameNo, teamNo);
        const QString score = m_scores.value(NodeKey::tournamentGame(gameNo, teamNo), QStringLiteral("Score:"));
        round->appendRow(makeItem(scoreKey, score, QStringLiteral("Scoreboard"), gameNo));
        tournament->appendRow(round);
    }
    teamNode->appendRow(tournament);
}

void TeamTreeModel::AddSchedule(qint16 teamNo, const QList<SeasonGame>& games)
{
    PW_TRACE(QStringLiteral("AddSchedule"), traceArg(QStringLiteral("lcTeamNo"), teamNo));
    QStandardItem* teamNode = node(NodeKey::team(teamNo));
    if (!teamNode)
        return;
    for (const SeasonGame& g : games) {
        if (g.teamNo == teamNo)
            appendGame(teamNode, g);
    }
    indexSubtree(teamNode);
}

void TeamTreeModel::appendGame(QStandardItem* teamNode, const SeasonGame& g)
{
    const QString key = NodeKey::game(g.gameNo, g.teamNo);
    teamNode->appendRow(makeItem(key, g.opponentName, resultImage(g.result), g.gameNo));
    m_pending.insert(key, g);
}

void TeamTreeModel::showResults(qint16 teamNo, qint16 tournamentNo, const QList<GameResult>& results)
{
    for (const GameResult& r : results) {
        const QString key =
            tournamentNo > 0 ? NodeKey::tournamentGame(r.gameNo, teamNo) : NodeKey::game(r.gameNo, teamNo);
        setNodeImage(key, resultImage(r.result));
        const QString score = QStringLiteral("Score: ") + r.score;
        m_scores.insert(key, score);
        if (!m_pending.contains(key))
            setNodeText(NodeKey::detail(QStringLiteral("Score"), r.gameNo, teamNo), score);
    }
}

}  // namespace pw

#include "app/TeamTree.h"

#include "app/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "schedule/ScheduleTree.h"

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

QString teamEntryText(const QString& name, const QString& ageDivision, const QString& sex, const QString& season)
{
    return name + QStringLiteral(" (") + ageDivision + sex + QLatin1Char('-') + season + QLatin1Char(')');
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
}

QStandardItem* TeamTreeModel::addNode(QStandardItem* parentItem, const QString& key, const QString& text,
                                      const QString& imageKey, const QVariant& tag)
{
    if (!parentItem)
        parentItem = invisibleRootItem();
    auto* item = new QStandardItem(text);
    item->setData(key, KeyRole);
    item->setData(tag, TagRole);
    item->setData(imageKey, ImageRole);
    item->setData(text, SavedTextRole);
    item->setIcon(icon(imageKey));
    item->setEditable(NodeKey::parse(key).kind == NodeKey::Kind::Tournament);
    parentItem->appendRow(item);
    m_index.insert(key, QPersistentModelIndex(item->index()));
    return item;
}

QModelIndex TeamTreeModel::indexOf(const QString& key) const
{
    const QPersistentModelIndex known = m_index.value(key);
    if (known.isValid() && known.data(KeyRole).toString() == key)
        return known;
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
    item->setData(imageKey, ImageRole);
    item->setIcon(icon(imageKey));
    return true;
}

bool TeamTreeModel::setNodeText(const QString& key, const QString& text)
{
    QStandardItem* item = node(key);
    if (!item)
        return false;
    item->setData(text, SavedTextRole);
    item->setText(text);
    return true;
}

void TeamTreeModel::removeChildren(const QString& key)
{
    if (QStandardItem* item = node(key))
        item->removeRows(0, item->rowCount());
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
        out->append(child->data(KeyRole).toString());
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
        result.addFile(QStringLiteral(":/icons/team.png"), {}, QIcon::Normal);
        result.addFile(QStringLiteral(":/icons/team-selected.png"), {}, QIcon::Selected);
    } else if (!imageKey.isEmpty()) {
        result = QIcon(QStringLiteral(":/icons/%1.png").arg(imageKey));
    }
    cache.insert(imageKey, result);
    return result;
}

void SetTeamTabs(TeamTreeModel& tree)
{
    PW_TRACE(QStringLiteral("SetTeamTabs"));
    tree.clearTree();
    // Teams without a start date come last on either engine.
    QSqlQuery q = execSql(QStringLiteral("SELECT TeamNo, TeamName, AgeDivision, Sex, Season FROM Teams "
                                         "WHERE Visible = ? ORDER BY CASE WHEN StartDate IS NULL THEN 1 ELSE 0 END, "
                                         "StartDate ASC, TeamNo ASC"),
                          {true});
    QList<qint16> teams;
    while (q.next()) {
        const qint16 teamNo = NullToInt(q.value(0));
        tree.addNode(tree.invisibleRootItem(), NodeKey::team(teamNo),
                     teamEntryText(NullToText(q.value(1)), NullToText(q.value(2)), NullToText(q.value(3)),
                                   NullToText(q.value(4))),
                     QStringLiteral("team"), teamNo);
        teams << teamNo;
    }
    for (qint16 teamNo : teams)
        AddSchedule(tree, teamNo);
}

}  // namespace pw

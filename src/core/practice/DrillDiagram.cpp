// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/practice/DrillDiagram.h"

#include "data/Changes.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/RowSet.h"
#include "data/SeedLibrary.h"

#include <QCoreApplication>
#include <QHash>
#include <QLineF>
#include <QSqlQuery>

#include <algorithm>
#include <array>
#include <cmath>

namespace pw {

namespace {

// The translation context of the practice texts.
struct Practice {
    Q_DECLARE_TR_FUNCTIONS(Practice)
};

// The angles keep the two-decimal quarter turns the diagrams were always drawn with.
constexpr double kQuarter = 1.57;
constexpr double kHalf = 3.14;
constexpr double kThreeQuarters = 4.71;
constexpr double kFull = 6.28;
constexpr double kArrowHalfWidth = 0.52;

double wrapAngle(double a)
{
    while (a >= kFull)
        a -= kFull;
    while (a < 0)
        a += kFull;
    return a;
}

struct MarkerKind {
    const char* tip;
    const char* stem;
};
// In palette order: the stored kind is the index.
constexpr std::array<MarkerKind, kDrillMarkerKinds> kKinds{{
    {QT_TRANSLATE_NOOP("Practice", "Standing Attacker"), "pOffenseST"},
    {QT_TRANSLATE_NOOP("Practice", "Left Running/Kicking Attacker"), "pOffenseRL"},
    {QT_TRANSLATE_NOOP("Practice", "Right Running/Kicking Attacker"), "pOffenseRR"},
    {QT_TRANSLATE_NOOP("Practice", "Flag"), "pFlag"},
    {QT_TRANSLATE_NOOP("Practice", "Cone"), "pCone"},
    {QT_TRANSLATE_NOOP("Practice", "Stadning Defender"), "pDefenseST"},
    {QT_TRANSLATE_NOOP("Practice", "Left Running/Kicking Defender"), "pDefenseRL"},
    {QT_TRANSLATE_NOOP("Practice", "Right Running/Kicking Defender"), "pDefenseRR"},
    {QT_TRANSLATE_NOOP("Practice", "Soccer Ball"), "pBall"},
}};

bool knownKind(int kind)
{
    return kind >= 0 && kind < kDrillMarkerKinds;
}

QString traceDrill(qint32 drillId)
{
    return traceArg(QStringLiteral("DrillID"), drillId);
}

const QStringList kDataColumns{
    QStringLiteral("DrillID"),      QStringLiteral("GnomeType"), QStringLiteral("BaseGnomeNo"),
    QStringLiteral("FieldGnomeNo"), QStringLiteral("GnomeXPos"), QStringLiteral("GnomeYPos"),
    QStringLiteral("X1"),           QStringLiteral("Y1"),        QStringLiteral("X2"),
    QStringLiteral("Y2"),           QStringLiteral("MX"),        QStringLiteral("MY"),
    QStringLiteral("PassType")};

// A stored diagram row into the diagram, as far as it can be drawn.
void readElement(DrillDiagram& d, const QSqlQuery& q)
{
    // Columns as kDataColumns.
    const QVariant type = q.value(1);
    if (type.isNull())
        return;
    const int gnomeType = type.toInt();
    if (gnomeType == 1) {
        const QVariant kind = q.value(2);
        // A marker keeps its place on the field, where the coach can see it and move it.
        d.addMarker(kind.isNull() ? -1 : kind.toInt(), clampMarker(QPoint(q.value(4).toInt(), q.value(5).toInt())));
        return;
    }
    if (gnomeType < drill::kPlainLine || gnomeType > drill::kCurveLine)
        return;
    for (int c = 6; c <= 9; ++c) {
        if (q.value(c).isNull())
            return;  // a line without both ends cannot be drawn
    }
    DrillLine line;
    line.kind = qint16(gnomeType);
    line.style = NullToInt(q.value(12));
    line.x1 = q.value(6).toInt();
    line.y1 = q.value(7).toInt();
    line.x2 = q.value(8).toInt();
    line.y2 = q.value(9).toInt();
    if (gnomeType == drill::kCurveLine) {
        const bool known = !q.value(10).isNull() && !q.value(11).isNull();
        line.mx = known ? q.value(10).toInt() : drill::kNoBulge;
        line.my = known ? q.value(11).toInt() : drill::kNoBulge;
        if (line.mx <= drill::kNoBulge)
            line.mx = line.my = drill::kNoBulge;
    }
    d.addLine(line);
}

Drill readBook(const QSqlQuery& q)
{
    Drill d;
    d.id = q.value(0).toInt();
    d.name = NullToText(q.value(1));
    d.type = NullToInt(q.value(2)) == 1 ? 1 : 0;
    d.discipline = NullToText(q.value(3));
    d.stage = NullToText(q.value(4));
    d.description = NullToText(q.value(5));
    d.explanation = NullToText(q.value(6));
    d.development = NullToText(q.value(7));
    return d;
}

}  // namespace

// --- The diagram ------------------------------------------------------------------------------

DrillLine DrillLine::straight(qint16 kind, qint16 style, QPoint from, QPoint to)
{
    return {kind, style, from.x(), from.y(), to.x(), to.y(), 0, 0};
}

DrillLine DrillLine::curve(qint16 style, QPoint from, QPoint to, QPoint bulge)
{
    return {drill::kCurveLine, style, from.x(), from.y(), to.x(), to.y(), bulge.x(), bulge.y()};
}

int DrillDiagram::addMarker(int kind, QPoint topLeft)
{
    m_markers.append({kind, topLeft});
    return markerCount();
}

void DrillDiagram::insertMarker(int number, const DrillMarker& marker)
{
    m_markers.insert(std::clamp(number, 1, markerCount() + 1) - 1, marker);
}

void DrillDiagram::moveMarker(int number, QPoint topLeft)
{
    if (number >= 1 && number <= markerCount())
        m_markers[number - 1].topLeft = topLeft;
}

void DrillDiagram::removeMarker(int number)
{
    if (number >= 1 && number <= markerCount())
        m_markers.removeAt(number - 1);
}

int DrillDiagram::markerAt(QPointF point) const
{
    for (int n = markerCount(); n >= 1; --n) {
        if (QRectF(marker(n).topLeft, QSizeF(kDrillMarkerSize, kDrillMarkerSize)).contains(point))
            return n;
    }
    return 0;
}

void DrillDiagram::clear()
{
    m_markers.clear();
    m_lines.clear();
}

// --- Palette ----------------------------------------------------------------------------------

QString markerToolTip(int kind)
{
    return knownKind(kind) ? Practice::tr(kKinds[size_t(kind)].tip) : QString();
}

QString markerImageStem(int kind)
{
    return knownKind(kind) ? QString::fromLatin1(kKinds[size_t(kind)].stem) : QString();
}

QString markerImagePath(int kind)
{
    return knownKind(kind) ? QStringLiteral(":/markers/%1.svg").arg(markerImageStem(kind)) : QString();
}

QList<MarkerGroup> markerPalette()
{
    return {{Practice::tr("Attackers"), {0, 1, 2}},
            {Practice::tr("Defenders"), {5, 6, 7}},
            {Practice::tr("Equipment"), {3, 4, 8}}};
}

// --- Geometry ---------------------------------------------------------------------------------

double drillAngle(QPointF from, QPointF to)
{
    const double dx = to.x() - from.x();
    const double dy = from.y() - to.y();  // upwards on the field is the positive direction
    if (dx == 0 && dy == 0)
        return 0;
    double a = 0;
    if (dx > 0 && dy >= 0)
        a = std::atan(dy / dx);
    else if (dx <= 0 && dy > 0)
        a = kQuarter + std::atan(-dx / dy);
    else if (dx < 0 && dy <= 0)
        a = kHalf + std::atan(dy / dx);
    else
        a = kThreeQuarters + std::atan(dx / -dy);
    return wrapAngle(a);
}

ArrowHead arrowHead(QPoint start, QPoint end)
{
    ArrowHead h;
    h.tip = end;
    h.direction = drillAngle(start, end);
    h.startAngle = wrapAngle(h.direction + kHalf - kArrowHalfWidth);
    h.spanAngle = 2 * kArrowHalfWidth;
    return h;
}

CurveArc curveArc(const DrillLine& line)
{
    CurveArc arc;
    const QPointF start = line.start();
    const QPointF end = line.end();
    arc.start = start;
    arc.end = end;
    arc.centre = (start + end) / 2.0;
    arc.radius = QLineF(start, end).length() / 2.0;
    arc.startAngle = drillAngle(arc.centre, start);
    arc.endAngle = drillAngle(arc.centre, end);
    if (!line.hasBulge() || arc.radius <= 0)
        return arc;
    const QPointF toBulge = QPointF(line.bulge()) - arc.centre;
    arc.aspect = std::hypot(toBulge.x(), toBulge.y()) / arc.radius;
    // The start turned a quarter counter-clockwise, as seen: the half an arc from the start angle
    // to the end angle passes through. A bulge on the other side of the chord takes the other half.
    const QPointF s = start - arc.centre;
    const QPointF ccw(s.y(), -s.x());
    arc.side = QPointF::dotProduct(ccw, toBulge) < 0 ? -1 : 1;
    arc.drawable = true;
    return arc;
}

QList<QPointF> curvePoints(const CurveArc& arc, int segments)
{
    QList<QPointF> points;
    if (!arc.drawable || segments < 1)
        return points;
    // The start's offset from the centre (the chord's half axis) and the other axis, of length
    // radius x aspect, on the bulge's side. The ends are the line's own points, not points found
    // again from the rounded angles, so the curve meets its markers exactly.
    const QPointF u = arc.start - arc.centre;
    const double k = arc.aspect * arc.side;
    const QPointF v(u.y() * k, -u.x() * k);
    points.reserve(segments + 1);
    for (int i = 0; i <= segments; ++i) {
        const double t = M_PI * i / segments;
        points << arc.centre + std::cos(t) * u + std::sin(t) * v;
    }
    return points;
}

// --- Drills in the store ----------------------------------------------------------------------

QString drillTypeName(int type)
{
    return type == 1 ? Practice::tr("Tactics") : Practice::tr("Techniques");
}

QStringList drillDisciplines(int type)
{
    if (type == 1)
        return {QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Attacking")),
                QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Defending"))};
    return {QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Warmup")),
            QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Defending")),
            QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Attacking")),
            QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Passing")),
            QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Transition")),
            QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Conditioning"))};
}

QStringList drillStages(int type)
{
    if (type == 1) {
        return {QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Individual (1 v 1)")),
                QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Small Group (2 v 1,2 v 2,3 v 2,3 v 3,etc/)")),
                QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Large Group (6 v 4 through 11 v 11)"))};
    }
    return {QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Fundamental")),
            QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Match Related")),
            QStringLiteral(QT_TRANSLATE_NOOP("Practice", "Match Conditions"))};
}

QString drillWordText(const QString& stored)
{
    return Practice::tr(stored.toUtf8().constData());
}

QPoint clampMarker(QPoint topLeft)
{
    return {std::clamp(topLeft.x(), 0, kDrillFieldWidth - kDrillMarkerSize),
            std::clamp(topLeft.y(), 0, kDrillFieldHeight - kDrillMarkerSize)};
}

QList<DrillListEntry> FillDrillList(int ActiveIndex)
{
    PW_TRACE(QStringLiteral("FillDrillList"), traceArg(QStringLiteral("ActiveIndex"), ActiveIndex));
    const Where filter = ActiveIndex == 2 ? Where{} : Where{{QStringLiteral("DrillType"), ActiveIndex}};
    QSqlQuery q = execSql(QStringLiteral("SELECT DrillID, DrillName, DrillType FROM DrillBook") + filter.clause() +
                              QStringLiteral(" ORDER BY LOWER(DrillName) ASC, DrillName ASC, DrillID ASC"),
                          filter.values());
    QList<DrillListEntry> out;
    while (q.next())
        out.append({q.value(0).toInt(), NullToText(q.value(1)), NullToInt(q.value(2))});
    return out;
}

QList<Drill> loadDrills(const QList<qint32>& drillIds)
{
    PW_TRACE(QStringLiteral("loadDrills"), traceArg(QStringLiteral("Drills"), drillIds.size()));
    QList<qint32> ids;
    for (qint32 id : drillIds) {
        if (!ids.contains(id))
            ids << id;
    }
    if (ids.isEmpty())
        return {};
    QVariantList values;
    for (qint32 id : ids)
        values << id;
    const QString in = QStringLiteral(" WHERE DrillID IN (%1)").arg(placeholders(ids.size()));

    QHash<qint32, Drill> found;
    QSqlQuery book = execSql(QStringLiteral("SELECT DrillID, DrillName, DrillType, Discipline, Stage, Description, "
                                            "Explanation, Development FROM DrillBook") +
                                 in,
                             values);
    while (book.next()) {
        Drill d = readBook(book);
        found.insert(d.id, d);
    }
    // Markers by number and lines by number, each kind of element keeping its own order.
    QSqlQuery data = execSql(QStringLiteral("SELECT %1 FROM DrillData").arg(kDataColumns.join(QStringLiteral(", "))) +
                                 in + QStringLiteral(" ORDER BY DrillID ASC, FieldGnomeNo ASC, GnomeType ASC"),
                             values);
    while (data.next()) {
        const auto it = found.find(data.value(0).toInt());
        if (it != found.end())
            readElement(it->diagram, data);
    }
    QList<Drill> out;
    for (qint32 id : drillIds) {
        if (found.contains(id))
            out << found.value(id);
    }
    return out;
}

std::optional<Drill> loadDrill(qint32 drillId)
{
    PW_TRACE(QStringLiteral("loadDrill"), traceDrill(drillId));
    const QList<Drill> one = loadDrills({drillId});
    if (one.isEmpty())
        return std::nullopt;
    return one.first();
}

qint32 nextDrillId()
{
    PW_TRACE(QStringLiteral("nextDrillId"));
    QSqlQuery q = execSql(QStringLiteral("SELECT MAX(DrillID) FROM DrillBook UNION ALL "
                                         "SELECT MAX(DrillID) FROM PracticeDrill"));
    qint32 highest = 0;
    while (q.next()) {
        if (!q.value(0).isNull())
            highest = std::max(highest, q.value(0).toInt());
    }
    return highest >= 1000 ? highest + 1 : kFirstOwnDrillId;
}

qint32 addDrill(const QString& name, int type)
{
    PW_TRACE(QStringLiteral("addDrill"), traceArg(QStringLiteral("DrillName"), name));
    if (name.trimmed().isEmpty())
        return 0;
    Transaction tx;
    const qint32 id = nextDrillId();
    execSql(QStringLiteral("INSERT INTO DrillBook (DrillID, DrillName, Description, Discipline, Explanation, "
                           "Development, DrillType) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            {id, cutToWidth(name, 50), QString(), QString(), QString(), QString(), type == 1 ? 1 : 0});
    announce(Change::Drills, 0);
    tx.commit();
    return id;
}

qint32 copyDrill(qint32 drillId, const QString& newName)
{
    PW_TRACE(QStringLiteral("copyDrill"), traceDrill(drillId) + traceArg(QStringLiteral("DrillName"), newName));
    if (newName.trimmed().isEmpty())
        return 0;
    Transaction tx;
    const Where from{{QStringLiteral("DrillID"), drillId}};
    QSqlQuery there = execSql(QStringLiteral("SELECT COUNT(*) FROM DrillBook") + from.clause(), from.values());
    if (!there.next() || there.value(0).toInt() == 0)
        return 0;
    const qint32 id = nextDrillId();
    copyRows(QStringLiteral("DrillBook"), from,
             {{QStringLiteral("DrillID"), id}, {QStringLiteral("DrillName"), cutToWidth(newName, 50)}});
    copyRows(QStringLiteral("DrillData"), from, {{QStringLiteral("DrillID"), id}});
    announce(Change::Drills, 0);
    tx.commit();
    return id;
}

bool saveDrill(const Drill& drill)
{
    PW_TRACE(QStringLiteral("saveDrill"), traceDrill(drill.id));
    if (drill.discipline.trimmed().isEmpty()) {
        prompter().message(Practice::tr("Missing Data"),
                           Practice::tr("You must specify which discipline this drill is designed to improve."),
                           Prompter::Icon::Critical);
        return false;
    }
    if (drill.id < 1 || drill.isBuiltIn())
        throw PwError(err::BadArgument, Practice::tr("This is a system drill and is not modifiable."));

    const Where key{{QStringLiteral("DrillID"), drill.id}};
    RowSet rows{QStringLiteral("DrillData"), key, kDataColumns, {}};
    const QVariant none;
    int number = 0;
    for (const DrillMarker& m : drill.diagram.markers()) {
        rows.rows << QVariantList{drill.id, 1,    m.kind, ++number, m.topLeft.x(), m.topLeft.y(), none,
                                  none,     none, none,   none,     none,          none};
    }
    number = 0;
    for (const DrillLine& l : drill.diagram.lines()) {
        const bool curve = l.kind == drill::kCurveLine;
        rows.rows << QVariantList{
            drill.id,         l.kind,           none,   number++, none, none, l.x1, l.y1, l.x2, l.y2,
            curve ? l.mx : 0, curve ? l.my : 0, l.style};
    }

    Transaction tx;
    upsertRow(QStringLiteral("DrillBook"), key,
              {QStringLiteral("DrillName"), QStringLiteral("Description"), QStringLiteral("Discipline"),
               QStringLiteral("Stage"), QStringLiteral("DrillType"), QStringLiteral("Explanation"),
               QStringLiteral("Development")},
              {cutToWidth(drill.name, 50), cutToWidth(drill.description, 255), cutToWidth(drill.discipline, 50),
               cutToWidth(drill.stage, 50), drill.type == 1 ? 1 : 0, drill.explanation, drill.development});
    replaceRows(rows);
    announce(Change::Drills, 0);
    tx.commit();
    return true;
}

bool removeDrill(qint32 drillId)
{
    PW_TRACE(QStringLiteral("removeDrill"), traceDrill(drillId));
    if (drillId < 1000)
        return false;
    const Where key{{QStringLiteral("DrillID"), drillId}};
    Transaction tx;
    execSql(QStringLiteral("DELETE FROM DrillData") + key.clause(), key.values());
    execSql(QStringLiteral("DELETE FROM DrillBook") + key.clause(), key.values());
    announce(Change::Drills, 0);
    tx.commit();
    return true;
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

namespace pw {

// A drill's diagram: markers (players and equipment) placed on the drill field and the lines drawn
// between points of it, everything in field twips. The field is kDrillFieldWidth x
// kDrillFieldHeight (data/SeedLibrary.h), a marker kDrillMarkerSize square.

constexpr int kDrillMarkerSize = 240;
constexpr int kDrillMarkerKinds = 9;  // palette kinds 0 to 8
constexpr int kDrillGridColumns = 10;
constexpr int kDrillGridRows = 10;
constexpr qint32 kFirstOwnDrillId = 1001;  // the coach's own drills; below 1000 the built-in ones

// A marker's top-left corner moved onto the field where needed, so the whole marker shows.
QPoint clampMarker(QPoint topLeft);

namespace drill {
constexpr qint16 kPlainLine = 2;
constexpr qint16 kArrowLine = 3;
constexpr qint16 kCurveLine = 4;
// The bulge of a curve whose bulge click is still awaited.
constexpr qint32 kNoBulge = -1;
// Line styles as the style boxes number them: the pass line solid, the run line dashed, the
// third box dotted; 3 and 4 (dash-dot, dash-dot-dot) only come from older diagrams.
constexpr qint16 kSolidStyle = 0;
constexpr qint16 kDashStyle = 1;
constexpr qint16 kDotStyle = 2;
}  // namespace drill

struct DrillMarker {
    int kind = 0;    // palette index 0 to 8; any other number is kept and drawn as a placeholder
    QPoint topLeft;  // left and top on the field
    bool operator==(const DrillMarker&) const = default;
};

// One line record, in the order the store and the drawing use.
struct DrillLine {
    qint16 kind = drill::kPlainLine;  // 2 plain, 3 arrow at the end, 4 curve
    qint16 style = drill::kSolidStyle;
    qint32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    qint32 mx = 0, my = 0;  // a curve's bulge point; 0 for plain and arrow lines

    QPoint start() const { return {x1, y1}; }
    QPoint end() const { return {x2, y2}; }
    QPoint bulge() const { return {mx, my}; }
    // A curve is drawn only once its bulge is known (MX greater than -1).
    bool hasBulge() const { return mx > drill::kNoBulge; }
    bool operator==(const DrillLine&) const = default;

    static DrillLine straight(qint16 kind, qint16 style, QPoint from, QPoint to);
    static DrillLine curve(qint16 style, QPoint from, QPoint to, QPoint bulge);
};

class DrillDiagram {
public:
    // Markers are numbered from 1 in the order they were placed.
    const QList<DrillMarker>& markers() const { return m_markers; }
    int markerCount() const { return int(m_markers.size()); }
    const DrillMarker& marker(int number) const { return m_markers.at(number - 1); }
    // Places the next marker (n + 1) and returns its number.
    int addMarker(int kind, QPoint topLeft);
    // Puts a marker back at number (1 to n + 1), moving that one and the later ones up a number:
    // the undo of removeMarker.
    void insertMarker(int number, const DrillMarker& marker);
    void moveMarker(int number, QPoint topLeft);
    // The marker goes to the bench: every later marker moves down one number.
    void removeMarker(int number);
    // The number of the topmost marker covering the field point, or 0.
    int markerAt(QPointF point) const;

    // Lines in drawing order; line numbers count from 0.
    const QList<DrillLine>& lines() const { return m_lines; }
    void addLine(const DrillLine& line) { m_lines.append(line); }
    void clearLines() { m_lines.clear(); }

    void clear();
    bool isEmpty() const { return m_markers.isEmpty() && m_lines.isEmpty(); }
    bool operator==(const DrillDiagram&) const = default;

private:
    QList<DrillMarker> m_markers;
    QList<DrillLine> m_lines;
};

// --- Marker palette --------------------------------------------------------------------------

// The palette item's tooltip ("Standing Attacker", …); empty for an unknown kind.
QString markerToolTip(int kind);
// The picture's file stem ("pOffenseST"), as the printed sheet names it; empty for an unknown kind.
QString markerImageStem(int kind);
// The program's own picture of the kind (":/markers/pOffenseST.svg"); empty for an unknown kind.
QString markerImagePath(int kind);
// The palette's frames in screen order, each with the kinds it shows.
struct MarkerGroup {
    QString caption;  // "Attackers", "Defenders", "Equipment"
    QList<int> kinds;
};
QList<MarkerGroup> markerPalette();

// --- Geometry -------------------------------------------------------------------------------

// The direction from one field point to another as an angle in radians, counter-clockwise from
// "to the right" as the field is seen (field y grows downwards): the arctangent within the
// quadrant, plus 1.57, 3.14 or 4.71 for the second, third and fourth quadrant, wrapped into 0 to
// 6.28. Equal points give 0.
double drillAngle(QPointF from, QPointF to);

// An arrowhead: a pie wedge around the line's end, 0.52 radians either side of the reversed
// direction, drawn with radius 100 and again with radius 75.
struct ArrowHead {
    QPointF tip;
    double direction = 0;   // of the line, drillAngle(start, end)
    double startAngle = 0;  // of the wedge, radians counter-clockwise, within 0 to 6.28
    double spanAngle = 1.04;
    double outerRadius = 100;
    double innerRadius = 75;
};
ArrowHead arrowHead(QPoint start, QPoint end);

// A curve: a half ellipse on the chord from start to end. Its centre is the chord's midpoint and
// its radius half the chord; it bulges towards the bulge point, as far out as the bulge point is
// from the centre (aspect = that distance / radius).
struct CurveArc {
    QPointF start;
    QPointF end;
    QPointF centre;
    double radius = 0;
    double startAngle = 0;  // of the start point seen from the centre (drillAngle)
    double endAngle = 0;    // of the end point
    double aspect = 0;
    // +1: the arc runs counter-clockwise as seen from the start angle to the end angle, as an arc
    // drawn between those angles does; -1: the other half, clockwise.
    int side = 1;
    bool drawable = false;  // false for a pending bulge or a chord of no length
};
CurveArc curveArc(const DrillLine& line);
// The arc's points from start to end (segments points apart), for drawing and hit tests.
QList<QPointF> curvePoints(const CurveArc& arc, int segments = 48);

// --- Drills in the store -----------------------------------------------------------------------

// The type's name as the type options and the sort menu show it: "Techniques" (0), "Tactics" (1).
QString drillTypeName(int type);
// The disciplines and the development stages a drill of the type picks from, as the store keeps
// them (the drill library's English words, whatever the coach's language).
QStringList drillDisciplines(int type);
QStringList drillStages(int type);
// A stored discipline or stage as the coach reads it, in his language; one the program does not
// know is shown as it is.
QString drillWordText(const QString& stored);

struct Drill {
    qint32 id = 0;
    QString name;
    qint16 type = 0;  // 0 techniques, 1 tactics
    QString discipline;
    QString stage;
    QString description;
    QString explanation;
    QString development;
    DrillDiagram diagram;

    // The library's own drills are read-only.
    bool isBuiltIn() const { return id < 1000; }
    bool operator==(const Drill&) const = default;
};

struct DrillListEntry {
    qint32 id = 0;
    QString name;
    qint16 type = 0;
    bool operator==(const DrillListEntry&) const = default;
};
// The drill list: every drill by name for ActiveIndex 2, else the drills of type ActiveIndex (by
// name as well). One query.
QList<DrillListEntry> FillDrillList(int ActiveIndex);

// The drill with its diagram, or nothing when there is no such drill. Two queries, however big
// the diagram. Forgiving: markers of unknown kind are kept, positions off the field are brought
// back onto it, a missing position is the field's corner, lines without both ends or of an
// unknown kind are left out, a curve without a bulge is kept pending (and not drawn).
std::optional<Drill> loadDrill(qint32 drillId);
// Several drills at once (a practice agenda's sheets), in two queries: in the order asked, a
// number asked twice given twice, missing ones left out.
QList<Drill> loadDrills(const QList<qint32>& drillIds);

// The number of a new drill, and of a copy: one more than the highest drill number in use when
// that is 1000 or more, else 1001. A number an agenda still names counts as in use, so a drill
// removed from the library never passes its number on to a new one.
qint32 nextDrillId();
// "Add New": a drill of that name and type with empty texts; returns its number, or 0 (nothing
// added) for an empty name.
qint32 addDrill(const QString& name, int type);
// "Add New (Copy Current)": the drill's row and diagram under the next number and the new name,
// in one transaction; returns the new number, or 0 for an empty name or a drill that is not there.
qint32 copyDrill(qint32 drillId, const QString& newName);
// "Update": the drill's row and its whole diagram in one transaction (the diagram's rows are
// replaced); a failure leaves the stored drill as it was. Without a discipline the coach is told
// ("Missing Data") and nothing is saved: false. A built-in drill (or a drill number below 1) is
// never written: PwError.
bool saveDrill(const Drill& drill);
// "Remove Selected": the drill's row and its diagram, in one transaction. A built-in drill stays:
// false.
bool removeDrill(qint32 drillId);

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/games/LineupSolver.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <array>

class QPainter;

namespace pw {

class LineupBoard;

// Drawing the line-up field, shared by the board's field, its period thumbnails and the printed
// line-up sheet. Everything is drawn in field twips (0..kFieldWidth x 0..kFieldHeight) through a
// transform, so it is sharp at any size and on any device.

// The transform that shows the whole field centred in target, keeping its proportions.
QTransform fieldTransform(const QRectF& target);

// A soccer pitch: grass, touch and goal lines, halfway line, centre circle and spot, penalty and
// goal areas with their spots and arcs, corner arcs and goals. The painter's transform must be a
// fieldTransform.
void paintPitch(QPainter& painter);

// The pitch on its background as a picture of a widget's size (logical pixels) at a device pixel
// ratio, the field filling fieldRect as fieldTransform(fieldRect) places it. Kept for the sizes
// last asked for, so that moving an icon or picking a period paints the grass and lines from the
// picture instead of drawing them again; the board's field and its period thumbnails share one.
QPixmap pitchPixmap(const QSize& size, const QRectF& fieldRect, qreal devicePixelRatio, const QColor& background);
// How many pictures pitchPixmap has drawn since the start of the run (the rest came from the cache).
quint64 pitchPixmapsDrawn();

// A small padlock at the top right of an icon whose top-left corner is at topLeft (twips): a
// locked placement. The painter's transform must be a fieldTransform.
void paintLockMark(QPainter& painter, QPoint topLeft);

// A place icon with its top-left corner at topLeft (twips): a shirt-coloured disc with the text
// (jersey or place number) and, for a captain, a small band. The painter's transform must be a
// fieldTransform.
void paintPlaceIcon(QPainter& painter, QPoint topLeft, const QString& text, bool captain);
// The frame around the selected player's icon.
void paintActiveBox(QPainter& painter, QPoint topLeft);

// Players' names under their icons, laid out so that none covers another. A tag that would drops
// a line (or two), or moves sideways within the gap it is in; only a tag with no room for its
// whole text anywhere is shortened, to the widest room it has.
struct NameLabel {
    QPointF centreTop;  // the middle of the icon's bottom edge, in the painter's units
    QString text;
};
struct NameLabelStyle {
    QFont font;
    double wide = 0;     // longest tag; 0 for no limit
    double narrow = 0;   // the least a squeezed tag keeps
    double padX = 8;     // room left and right of the text
    double gapY = 1;     // below the icon
    double lineGap = 2;  // between lines of tags
    double radius = 4;
    double keepWithin = 0;  // when above 0, tags are kept between 0 and this x
    int alpha = 160;        // of the dark background
};
// A tag as laid out: its box (in the painter's units) and the text it shows.
struct PlacedNameLabel {
    QRectF box;
    QString text;
};
// The layout paintNameLabels draws, the tags in the order they are placed (top to bottom).
QList<PlacedNameLabel> layoutNameLabels(QList<NameLabel> labels, const NameLabelStyle& style);
void paintNameLabels(QPainter& painter, QList<NameLabel> labels, const NameLabelStyle& style);

// Where a keyboard placement puts the player in the period (a drop point, twips), on the spots of
// a 4-3-3 towards the right: a player whose position flags say goalkeeper goes in goal first;
// then every player goes to a free spot of his flagged positions (front line, half backs, full
// backs, the sweeper's spot behind them), then to any free spot of the field players, then in
// goal, and last to the first free grid point.
QPoint keyboardSpot(const LineupBoard& board, int period, qint16 playerNo);

// The spots a proposed line-up puts a team of `places` players on, towards the right, as grid
// points (drop points are grid x kStep): the back line, midfield and front line from top to
// bottom, then the goal. Eleven play the 4-3-3 that keyboardSpot uses; fewer keep about four
// backs to three midfielders and three forwards.
struct FormationSpot {
    QPoint grid;
    SpotKind kind;
};
QList<FormationSpot> formationSpots(int places);

// Where on the field an icon stands, in words a screen reader speaks: "in goal", "left defence",
// "centre midfield", "right attack". The team plays towards the right.
QString fieldArea(QPoint topLeft);

// The zone of the field an icon stands in, from its own goal to the attack: the lines of
// fieldArea, without the side.
enum class FieldZone { Goal = 0, Defence = 1, Midfield = 2, Attack = 3 };
constexpr int kFieldZones = 4;
FieldZone fieldZone(QPoint topLeft);
// Where the defence, the midfield and the attack begin, as the X of an icon's top-left corner
// (twips): an icon whose corner lies left of a start is in the zone before it. Queries that
// count zones in the store compare with these, so that they count as fieldZone does.
std::array<double, kFieldZones - 1> fieldZoneStarts();

}  // namespace pw

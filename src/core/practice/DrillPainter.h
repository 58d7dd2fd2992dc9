// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/DrillDiagram.h"

#include <QColor>
#include <QRectF>
#include <QTransform>

class QPainter;

namespace pw {

// Drawing a drill diagram, the same for the drill window's field, its palette and the printed
// drill sheet. Everything is drawn in field twips through a transform, so it is sharp on the
// screen, on paper and in a PDF.

// The field's green, also the background of the palette pictures.
inline const QColor kDrillFieldGreen{165, 214, 132};

// The transform that shows the whole drill field centred in target, keeping its proportions.
QTransform drillFieldTransform(const QRectF& target);
// Grid spacing: the field divided into 10 columns and 10 rows, truncated to whole twips.
int drillGridColumnSpacing();
int drillGridRowSpacing();

// The whole diagram into target: the green field (with the 10 x 10 grid when showGrid), the lines
// in drawing order, then the markers numbered 1 to n, later ones on top.
void paintDrill(QPainter& painter, const DrillDiagram& diagram, const QRectF& target, bool showGrid);

// The pieces, for a painter already set to drillFieldTransform (field twips).
void paintDrillField(QPainter& painter, bool showGrid);
// A line record with its style: plain, arrow (head at the end) or curve (nothing while its bulge
// is pending). A finished line is drawn 1 wide; while the coach draws it, 2 wide (1 for the dotted
// style, whose dots would run together).
void paintDrillLine(QPainter& painter, const DrillLine& line, bool beingDrawn = false);
// The marker's picture in its kMarkerSize square at topLeft; an unknown kind is a grey ring.
void paintDrillMarker(QPainter& painter, int kind, QPointF topLeft);
// A marker picture into any rectangle (palette items, drag pictures), in the painter's units.
void paintMarkerImage(QPainter& painter, int kind, const QRectF& rect);

// A line being drawn with the mouse (target as for paintDrill): a plain or arrow line as it would
// be appended, or the chord of a curve awaiting its bulge, shown as a thin straight line.
void paintPendingLine(QPainter& painter, const DrillLine& line, const QRectF& target);

// Pen widths in twips: one screen pixel at full scale, two while a line is being drawn.
constexpr double kDrillLineWidth = 15.0;

}  // namespace pw

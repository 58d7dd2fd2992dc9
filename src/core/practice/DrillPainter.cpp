// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/practice/DrillPainter.h"

#include "common/FitTransform.h"
#include "data/SeedLibrary.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <memory>

namespace pw {

namespace {

const QColor kLineColour(24, 32, 40);
const QColor kGridColour(118, 170, 92);
const QColor kEdgeColour(96, 150, 74);

constexpr double kDegreesPer16 = 180.0 * 16.0 / M_PI;

Qt::PenStyle penStyle(qint16 style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;  // the pass line, and styles no box offers
    }
}

// The pictures are drawn from their vector source each time, so a printed sheet is as sharp as
// the printer allows; parsing them is done once.
QSvgRenderer* markerRenderer(int kind)
{
    static QHash<int, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(kind);
    if (it == cache.end()) {
        const QString path = markerImagePath(kind);
        it = cache.insert(kind,
                          path.isEmpty() ? std::make_shared<QSvgRenderer>() : std::make_shared<QSvgRenderer>(path));
    }
    return it.value()->isValid() ? it.value().get() : nullptr;
}

QRectF circleRect(QPointF centre, double r)
{
    return {centre.x() - r, centre.y() - r, 2 * r, 2 * r};
}

}  // namespace

QTransform drillFieldTransform(const QRectF& target)
{
    return fitTransform(target, QSizeF(kDrillFieldWidth, kDrillFieldHeight));
}

int drillGridColumnSpacing()
{
    return kDrillFieldWidth / kDrillGridColumns;
}

int drillGridRowSpacing()
{
    return kDrillFieldHeight / kDrillGridRows;
}

void paintDrillField(QPainter& painter, bool showGrid)
{
    painter.save();
    const QRectF field(0, 0, kDrillFieldWidth, kDrillFieldHeight);
    painter.fillRect(field, kDrillFieldGreen);
    if (showGrid) {
        painter.setPen(QPen(kGridColour, kDrillLineWidth, Qt::SolidLine, Qt::FlatCap));
        const int sx = drillGridColumnSpacing();
        const int sy = drillGridRowSpacing();
        for (int i = 1; i <= kDrillGridColumns; ++i)
            painter.drawLine(QLineF(sx * i, 0, sx * i, kDrillFieldHeight));
        for (int j = 1; j <= kDrillGridRows; ++j)
            painter.drawLine(QLineF(0, sy * j, kDrillFieldWidth, sy * j));
    }
    // The field's edge, so that it stands out on white paper too.
    painter.setPen(QPen(kEdgeColour, 2 * kDrillLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(field.adjusted(kDrillLineWidth, kDrillLineWidth, -kDrillLineWidth, -kDrillLineWidth));
    painter.restore();
}

void paintDrillLine(QPainter& painter, const DrillLine& line, bool beingDrawn)
{
    const double width = beingDrawn && line.style != drill::kDotStyle ? 2 * kDrillLineWidth : kDrillLineWidth;
    QPen pen(kLineColour, width, penStyle(line.style), Qt::RoundCap, Qt::RoundJoin);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (line.kind) {
    case drill::kPlainLine: painter.drawLine(line.start(), line.end()); break;
    case drill::kArrowLine: {
        painter.drawLine(line.start(), line.end());
        if (line.start() == line.end())
            break;
        const ArrowHead head = arrowHead(line.start(), line.end());
        // The head is solid whatever the line's style: a dashed wedge would not read as an arrow.
        pen.setStyle(Qt::SolidLine);
        pen.setWidthF(kDrillLineWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(kLineColour);
        const int start16 = int(std::lround(head.startAngle * kDegreesPer16));
        const int span16 = int(std::lround(head.spanAngle * kDegreesPer16));
        painter.drawPie(circleRect(head.tip, head.outerRadius), start16, span16);
        painter.drawPie(circleRect(head.tip, head.innerRadius), start16, span16);
        break;
    }
    case drill::kCurveLine: {
        const QList<QPointF> points = curvePoints(curveArc(line));
        if (points.size() > 1)
            painter.drawPolyline(points.constData(), int(points.size()));
        break;
    }
    default: break;
    }
    painter.restore();
}

void paintMarkerImage(QPainter& painter, int kind, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (QSvgRenderer* r = markerRenderer(kind)) {
        r->render(&painter, rect);
    } else {
        // A kind this program does not know (from an older or damaged diagram): kept in its place,
        // shown as a grey ring the coach can move to the bench.
        const double w = rect.width() * 0.08;
        painter.setPen(QPen(QColor(90, 90, 90), w));
        painter.setBrush(QColor(235, 235, 235, 200));
        painter.drawEllipse(rect.adjusted(w, w, -w, -w));
        painter.setPen(QPen(QColor(90, 90, 90), w * 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(rect.center().x(), rect.top() + rect.height() * 0.3),
                         QPointF(rect.center().x(), rect.top() + rect.height() * 0.58));
        painter.drawPoint(QPointF(rect.center().x(), rect.top() + rect.height() * 0.72));
    }
    painter.restore();
}

void paintDrillMarker(QPainter& painter, int kind, QPointF topLeft)
{
    paintMarkerImage(painter, kind, QRectF(topLeft, QSizeF(kDrillMarkerSize, kDrillMarkerSize)));
}

void paintDrill(QPainter& painter, const DrillDiagram& diagram, const QRectF& target, bool showGrid)
{
    painter.save();
    painter.setTransform(drillFieldTransform(target), true);
    painter.setClipRect(QRectF(0, 0, kDrillFieldWidth, kDrillFieldHeight), Qt::IntersectClip);
    paintDrillField(painter, showGrid);
    for (const DrillLine& line : diagram.lines())
        paintDrillLine(painter, line);
    for (const DrillMarker& m : diagram.markers())
        paintDrillMarker(painter, m.kind, m.topLeft);
    painter.restore();
}

void paintPendingLine(QPainter& painter, const DrillLine& line, const QRectF& target)
{
    painter.save();
    painter.setTransform(drillFieldTransform(target), true);
    painter.setClipRect(QRectF(0, 0, kDrillFieldWidth, kDrillFieldHeight), Qt::IntersectClip);
    if (line.kind == drill::kCurveLine && !line.hasBulge())
        paintDrillLine(painter, DrillLine::straight(drill::kPlainLine, line.style, line.start(), line.end()), true);
    else
        paintDrillLine(painter, line, true);
    painter.restore();
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/practice/DrillField.h"

#include "common/Twips.h"
#include "core/practice/DrillPainter.h"
#include "core/practice/LineDrawing.h"
#include "data/SeedLibrary.h"

#include <QApplication>
#include <QDrag>
#include <QIcon>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <functional>

namespace pw {

namespace {

QString mimeType()
{
    return QString::fromLatin1(kDrillMarkerMime);
}

// How far the arrow keys move a marker: a quarter of its size, with Shift a sixteenth.
constexpr int kKeyStep = kDrillMarkerSize / 4;
constexpr int kFineKeyStep = kDrillMarkerSize / 16;

// The field at a comfortable working size: 5400 twips at one and a half times their printed size.
int nominalWidth(const QWidget* w)
{
    return twipsToPixels(kDrillFieldWidth * 3 / 2, w->logicalDpiX());
}

QPixmap markerPixmap(int kind, int side, qreal dpr)
{
    QPixmap pm(QSize(side, side) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paintMarkerImage(p, kind, QRectF(0, 0, side, side));
    return pm;
}

// Column and row of the grid square a field point lies in, counted from 1, for screen readers.
QString gridSquare(QPointF twips)
{
    const int col = std::clamp(int(twips.x()) / drillGridColumnSpacing() + 1, 1, kDrillGridColumns);
    const int row = std::clamp(int(twips.y()) / drillGridRowSpacing() + 1, 1, kDrillGridRows);
    return DrillField::tr("column %1, row %2").arg(col).arg(row);
}

void drawFocusFrame(QWidget* w, QPainter& p)
{
    QStyleOptionFocusRect o;
    o.initFrom(w);
    o.rect = w->rect().adjusted(1, 1, -1, -1);
    w->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, w);
}

}  // namespace

// ---------------------------------------------------------------- MarkerDrag

QByteArray MarkerDrag::encode() const
{
    return (moving ? QByteArray("move ") : QByteArray("new ")) + QByteArray::number(kindOrNumber) + ' ' +
           QByteArray::number(grab.x()) + ' ' + QByteArray::number(grab.y());
}

std::optional<MarkerDrag> MarkerDrag::decode(const QByteArray& data)
{
    const QList<QByteArray> parts = data.split(' ');
    if (parts.size() != 4 || (parts[0] != "move" && parts[0] != "new"))
        return std::nullopt;
    bool ok[3] = {};
    MarkerDrag d{parts[0] == "move", parts[1].toInt(&ok[0]), QPoint(parts[2].toInt(&ok[1]), parts[3].toInt(&ok[2]))};
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    return d;
}

// ---------------------------------------------------------------- DrillField

DrillField::DrillField(const DrillDiagram& diagram, LineDrawing& drawing, QWidget* parent)
    : QWidget(parent)
    , m_diagram(diagram)
    , m_drawing(drawing)
{
    setObjectName(QStringLiteral("PracticeField"));
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // a waiting curve follows the mouse to show its bulge
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Drill field"));
    setAccessibleDescription(tr("Page Up and Page Down pick a marker, the arrow keys move it, Delete puts it on the "
                                "bench; the mouse draws lines."));
}

QSize DrillField::sizeHint() const
{
    const int w = nominalWidth(this);
    return {w, w * kDrillFieldHeight / kDrillFieldWidth};
}

QSize DrillField::minimumSizeHint() const
{
    const int w = nominalWidth(this) / 2;
    return {w, w * kDrillFieldHeight / kDrillFieldWidth};
}

void DrillField::setShowGrid(bool show)
{
    m_showGrid = show;
    update();
}

void DrillField::setEditable(bool editable)
{
    m_editable = editable;
    if (!editable) {
        m_drawing.cancel();
        m_selected = 0;
    }
    setAcceptDrops(editable);
    update();
}

void DrillField::setSelectedMarker(int number)
{
    number = number >= 1 && number <= m_diagram.markerCount() ? number : 0;
    if (number == m_selected)
        return;
    m_selected = number;
    update();
}

QTransform DrillField::transform() const
{
    return drillFieldTransform(QRectF(rect()).adjusted(3, 3, -3, -3));
}

QPoint DrillField::toTwips(QPointF widgetPos) const
{
    return transform().inverted().map(widgetPos).toPoint();
}

QPointF DrillField::toWidget(QPointF twips) const
{
    return transform().map(twips);
}

QRectF DrillField::markerRect(int number) const
{
    if (number < 1 || number > m_diagram.markerCount())
        return {};
    return transform().mapRect(QRectF(m_diagram.marker(number).topLeft, QSizeF(kDrillMarkerSize, kDrillMarkerSize)));
}

void DrillField::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRectF target = QRectF(rect()).adjusted(3, 3, -3, -3);
    paintDrill(p, m_diagram, target, m_showGrid);
    if (const auto line = m_drawing.pending())
        paintPendingLine(p, *line, target);
    if (m_ghost) {
        p.save();
        p.setTransform(transform());
        p.setOpacity(0.5);
        paintDrillMarker(p, m_ghost->kind, m_ghost->topLeft);
        p.restore();
    }
    if (m_selected > 0 && m_editable) {
        // The marker the keys act on, framed in the highlight colour.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2.0, hasFocus() ? Qt::SolidLine : Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(markerRect(m_selected).adjusted(-2, -2, 2, 2));
    }
    if (hasFocus())
        drawFocusFrame(this, p);
}

void DrillField::mousePressEvent(QMouseEvent* e)
{
    m_pressedMarker = 0;
    if (!m_editable || e->button() != Qt::LeftButton)
        return;
    const QPoint twips = toTwips(e->position());
    // A press while a curve waits is its bulge, wherever it lands; otherwise a marker under the
    // mouse is picked up rather than a line started.
    if (!m_drawing.awaitingBulge()) {
        if (const int number = m_diagram.markerAt(twips)) {
            setSelectedMarker(number);
            m_pressedMarker = number;
            m_pressPos = e->position().toPoint();
            m_pressGrab = twips - m_diagram.marker(number).topLeft;
            return;
        }
    }
    if (const auto line = m_drawing.press(twips))
        Q_EMIT lineFinished(*line);
    update();
}

void DrillField::mouseMoveEvent(QMouseEvent* e)
{
    if (m_pressedMarker != 0) {
        if (!(e->buttons() & Qt::LeftButton))
            m_pressedMarker = 0;
        else if ((e->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            const int number = std::exchange(m_pressedMarker, 0);
            startMarkerDrag(number, m_pressGrab);
        }
        return;
    }
    if (m_drawing.isBusy()) {
        m_drawing.move(toTwips(e->position()));
        update();
    }
}

void DrillField::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressedMarker = 0;
    if (const auto line = m_drawing.release(toTwips(e->position())))
        Q_EMIT lineFinished(*line);
    update();
}

void DrillField::startMarkerDrag(int number, QPoint grab)
{
    auto* mime = new QMimeData;
    mime->setData(mimeType(), MarkerDrag{true, number, grab}.encode());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const QRectF r = markerRect(number);
    const int side = std::max(8, int(r.width()));
    drag->setPixmap(markerPixmap(m_diagram.marker(number).kind, side, devicePixelRatioF()));
    drag->setHotSpot((QPointF(grab) * (side / double(kDrillMarkerSize))).toPoint());
    drag->exec(Qt::MoveAction);
}

QPoint DrillField::dropCorner(const MarkerDrag& drag, QPointF widgetPos) const
{
    return clampMarker(toTwips(widgetPos) - drag.grab);
}

void DrillField::dragEnterEvent(QDragEnterEvent* e)
{
    if (m_editable && e->mimeData()->hasFormat(mimeType()))
        e->acceptProposedAction();
}

void DrillField::dragMoveEvent(QDragMoveEvent* e)
{
    const auto drag = MarkerDrag::decode(e->mimeData()->data(mimeType()));
    if (!m_editable || !drag)
        return;
    e->acceptProposedAction();
    const int kind =
        drag->moving ? (drag->kindOrNumber <= m_diagram.markerCount() ? m_diagram.marker(drag->kindOrNumber).kind : 0)
                     : drag->kindOrNumber;
    m_ghost = Ghost{kind, dropCorner(*drag, e->position())};
    update();
}

void DrillField::dragLeaveEvent(QDragLeaveEvent*)
{
    m_ghost.reset();
    update();
}

void DrillField::dropEvent(QDropEvent* e)
{
    m_ghost.reset();
    update();
    const auto drag = MarkerDrag::decode(e->mimeData()->data(mimeType()));
    if (!m_editable || !drag)
        return;
    e->acceptProposedAction();
    Q_EMIT markerDropped(*drag, dropCorner(*drag, e->position()));
}

void DrillField::keyPressEvent(QKeyEvent* e)
{
    const int step = e->modifiers() & Qt::ShiftModifier ? kFineKeyStep : kKeyStep;
    const int count = m_diagram.markerCount();
    if (!m_editable) {
        QWidget::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
    case Qt::Key_Left: Q_EMIT moveKey(-step, 0); return;
    case Qt::Key_Right: Q_EMIT moveKey(step, 0); return;
    case Qt::Key_Up: Q_EMIT moveKey(0, -step); return;
    case Qt::Key_Down: Q_EMIT moveKey(0, step); return;
    case Qt::Key_PageDown:
        if (count > 0)
            setSelectedMarker(m_selected % count + 1);
        return;
    case Qt::Key_PageUp:
        if (count > 0)
            setSelectedMarker(m_selected <= 1 ? count : m_selected - 1);
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: Q_EMIT benchKey(); return;
    case Qt::Key_Escape:
        if (m_drawing.isBusy()) {
            m_drawing.cancel();
            update();
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(e);
}

void DrillField::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

QList<int> DrillField::accessibleItems() const
{
    QList<int> keys;
    for (int n = 1; n <= m_diagram.markerCount(); ++n)
        keys << n;
    for (int i = 0; i < m_diagram.lines().size(); ++i)
        keys << 1000 + i;
    return keys;
}

SurfaceItem DrillField::accessibleItem(int key) const
{
    SurfaceItem item;
    if (key >= 1 && key <= m_diagram.markerCount()) {
        const DrillMarker& m = m_diagram.marker(key);
        const QString kindName = markerToolTip(m.kind).isEmpty() ? tr("Unknown marker") : markerToolTip(m.kind);
        item.name = tr("%1 %2").arg(kindName).arg(key);
        item.description = gridSquare(QPointF(m.topLeft) + QPointF(kDrillMarkerSize / 2.0, kDrillMarkerSize / 2.0));
        item.rect = markerRect(key).toAlignedRect();
        item.selected = key == m_selected;
        return item;
    }
    const int index = key - 1000;
    if (index < 0 || index >= m_diagram.lines().size())
        return item;
    const DrillLine& l = m_diagram.lines().at(index);
    const QString shape = l.kind == drill::kArrowLine   ? tr("arrow")
                          : l.kind == drill::kCurveLine ? tr("curve")
                                                        : tr("line");
    const QString style = l.style == drill::kDashStyle ? tr("run") : tr("pass");
    item.name = tr("%1 %2 %3").arg(style, shape).arg(index + 1);
    item.description = tr("from %1 to %2").arg(gridSquare(l.start()), gridSquare(l.end()));
    item.rect = transform().mapRect(QRectF(l.start(), l.end()).normalized()).toAlignedRect();
    return item;
}

// ---------------------------------------------------------------- MarkerPaletteItem

MarkerPaletteItem::MarkerPaletteItem(int kind, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("Gnome_%1").arg(kind));
    setToolTip(markerToolTip(kind));
    setAccessibleName(markerToolTip(kind));
    setAccessibleDescription(tr("Enter places one in the middle of the field; drag it onto the field to place it."));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::OpenHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize MarkerPaletteItem::sizeHint() const
{
    const int side = std::max(32, fontMetrics().height() * 2 + 6);
    return {side, side};
}

void MarkerPaletteItem::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kDrillFieldGreen);
    if (!isEnabled())
        p.setOpacity(0.45);
    const int side = std::min(width(), height()) - 6;
    paintMarkerImage(p, m_kind, QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
    p.setOpacity(1.0);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void MarkerPaletteItem::mousePressEvent(QMouseEvent* e)
{
    m_pressPos.reset();
    if (e->button() == Qt::LeftButton)
        m_pressPos = e->position().toPoint();
}

void MarkerPaletteItem::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_pressPos || !(e->buttons() & Qt::LeftButton) ||
        (e->position().toPoint() - *m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    // The grab point is kept in field twips, so that the marker lands under the same spot of its
    // picture at any size of the palette and the field.
    const int side = std::min(width(), height()) - 6;
    const QPointF corner((width() - side) / 2.0, (height() - side) / 2.0);
    const QPointF inside = (QPointF(*m_pressPos) - corner) * (double(kDrillMarkerSize) / side);
    const QPoint grab(std::clamp(int(inside.x()), 0, kDrillMarkerSize),
                      std::clamp(int(inside.y()), 0, kDrillMarkerSize));
    const QPoint hot = *m_pressPos - corner.toPoint();
    m_pressPos.reset();

    auto* mime = new QMimeData;
    mime->setData(mimeType(), MarkerDrag{false, m_kind, grab}.encode());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(markerPixmap(m_kind, side, devicePixelRatioF()));
    drag->setHotSpot(hot);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void MarkerPaletteItem::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        Q_EMIT placeRequested(m_kind);
        return;
    }
    QWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------- DrillBench

DrillBench::DrillBench(QWidget* parent)
    : QLabel(tr("The Bench"), parent)
{
    setObjectName(QStringLiteral("Garbage"));
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setMinimumHeight(fontMetrics().height() * 3);
    setToolTip(tr("Drop a marker here to take it off the field"));
}

void DrillBench::setHighlighted(bool on)
{
    setBackgroundRole(on ? QPalette::Highlight : QPalette::Window);
    setForegroundRole(on ? QPalette::HighlightedText : QPalette::WindowText);
}

void DrillBench::dragEnterEvent(QDragEnterEvent* e)
{
    const auto drag = MarkerDrag::decode(e->mimeData()->data(mimeType()));
    if (isEnabled() && drag && drag->moving) {
        e->acceptProposedAction();
        setHighlighted(true);
    }
}

void DrillBench::dragLeaveEvent(QDragLeaveEvent*)
{
    setHighlighted(false);
}

void DrillBench::dropEvent(QDropEvent* e)
{
    setHighlighted(false);
    const auto drag = MarkerDrag::decode(e->mimeData()->data(mimeType()));
    if (!drag || !drag->moving)
        return;
    e->acceptProposedAction();
    Q_EMIT benched(drag->kindOrNumber);
}

// ---------------------------------------------------------------- box pictures

namespace {

// A palette picture of one line, drawn in twips by the field's own line routine, so the buttons
// show the very arrowhead, curve and dash the field will draw.
QIcon lineIcon(const QSize& size, qreal dpr, const std::function<DrillLine(double height)>& make)
{
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const double scale = size.width() / 800.0;
    p.scale(scale, scale);
    paintDrillLine(p, make(size.height() / scale), true);
    return QIcon(pm);
}

}  // namespace

QIcon lineKindIcon(qint16 kind, const QSize& size, qreal dpr)
{
    return lineIcon(size, dpr, [kind](double h) {
        const QPoint from(90, int(h * 0.7)), to(710, int(h * 0.7));
        return kind == drill::kCurveLine
                   ? DrillLine::curve(0, from, to, QPoint(400, int(h * 0.15)))
                   : DrillLine::straight(kind, 0, QPoint(90, int(h / 2)), QPoint(710, int(h / 2)));
    });
}

QIcon lineStyleIcon(qint16 style, const QSize& size, qreal dpr)
{
    return lineIcon(size, dpr, [style](double h) {
        return DrillLine::straight(drill::kPlainLine, style, QPoint(30, int(h / 2)), QPoint(770, int(h / 2)));
    });
}

}  // namespace pw

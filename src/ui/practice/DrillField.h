// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/DrillDiagram.h"
#include "ui/base/SurfaceAccessible.h"

#include <QLabel>
#include <QPoint>
#include <QWidget>

#include <optional>

namespace pw {

class LineDrawing;

// A marker dragged in the drill window: "new <kind> <x> <y>" from the palette, "move <number>
// <x> <y>" for a marker already on the field; x and y are where it was grabbed, in field twips
// from the marker's corner.
inline constexpr const char* kDrillMarkerMime = "application/x-pitchwise-drill-marker";

struct MarkerDrag {
    bool moving = false;
    int kindOrNumber = 0;  // the palette kind of a new marker, the number of a placed one
    QPoint grab;           // twips from the marker's top-left corner
    QByteArray encode() const;
    static std::optional<MarkerDrag> decode(const QByteArray& data);
};

// PracticeField: the drill's field drawn from the diagram at whatever size the window gives it;
// positions stay field twips. It shows the line being drawn and the marker being dragged, and
// hands every change to the window through signals, so that each one becomes an undoable step.
class DrillField : public QWidget, public SurfaceAccessibility {
    Q_OBJECT
public:
    DrillField(const DrillDiagram& diagram, LineDrawing& drawing, QWidget* parent = nullptr);

    void setShowGrid(bool show);
    bool showGrid() const { return m_showGrid; }
    // A built-in drill's field takes neither drops nor lines nor keys.
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }
    // The marker the keys act on (0: none).
    void setSelectedMarker(int number);
    int selectedMarker() const { return m_selected; }

    // Between widget pixels and field twips.
    QTransform transform() const;
    QPoint toTwips(QPointF widgetPos) const;
    QPointF toWidget(QPointF twips) const;
    QRectF markerRect(int number) const;  // widget pixels

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Screen readers hear the markers by kind, number and grid square, then the lines.
    QList<int> accessibleItems() const override;
    SurfaceItem accessibleItem(int key) const override;

Q_SIGNALS:
    // A marker let go over the field: number 0 places a new one of kind.
    void markerDropped(const MarkerDrag& drag, QPoint topLeft);
    void lineFinished(const DrillLine& line);
    void moveKey(int dx, int dy);
    void benchKey();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QPoint dropCorner(const MarkerDrag& drag, QPointF widgetPos) const;
    void startMarkerDrag(int number, QPoint grab);

    const DrillDiagram& m_diagram;
    LineDrawing& m_drawing;
    bool m_showGrid = true;
    bool m_editable = true;
    int m_selected = 0;
    int m_pressedMarker = 0;  // a marker pressed, dragged once the mouse moves far enough
    QPoint m_pressPos;
    QPoint m_pressGrab;
    struct Ghost {
        int kind;
        QPoint topLeft;
    };
    std::optional<Ghost> m_ghost;  // where a dragged marker would land
};

// Gnome_<kind>: one palette picture. Dragging it onto the field places a marker of its kind;
// Enter or Space asks for one in the middle of the field.
class MarkerPaletteItem : public QWidget {
    Q_OBJECT
public:
    explicit MarkerPaletteItem(int kind, QWidget* parent = nullptr);
    int kind() const { return m_kind; }
    QSize sizeHint() const override;

Q_SIGNALS:
    void placeRequested(int kind);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int m_kind;
    std::optional<QPoint> m_pressPos;
};

// Garbage, "The Bench": a marker dropped here leaves the field.
class DrillBench : public QLabel {
    Q_OBJECT
public:
    explicit DrillBench(QWidget* parent = nullptr);

Q_SIGNALS:
    void benched(int number);

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void setHighlighted(bool on);
};

// The pictures on the line-kind and line-style boxes: a short line of the kind or style.
QIcon lineKindIcon(qint16 kind, const QSize& size, qreal dpr);
QIcon lineStyleIcon(qint16 style, const QSize& size, qreal dpr);

}  // namespace pw

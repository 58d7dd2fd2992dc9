// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/base/SurfaceAccessible.h"

#include <QPoint>
#include <QWidget>

#include <optional>

namespace pw {

class LineupBoard;

// The mime type of a player dragged on the line-up board: "new <PlayerNo>" from the grid,
// "move <PlayerNo>" for an icon already on the field.
inline constexpr const char* kLineupMime = "application/x-pitchwise-lineup-player";

// MainField: the drawn pitch with the current period's place icons and their name labels. It
// scales with the window; positions stay in field twips. Drops and keys are handed to the board
// window through signals, so that the rules stay in one place. A locked icon shows a padlock; L
// (or the icon's pop-up) locks and unlocks the selected player, which is no change to the line-up
// and so no undo step.
class FieldView : public QWidget, public SurfaceAccessibility {
    Q_OBJECT
public:
    explicit FieldView(LineupBoard& board, QWidget* parent = nullptr);

    // The player framed by the highlight (0: none).
    void setSelectedPlayer(qint16 playerNo);
    qint16 selectedPlayer() const { return m_selected; }
    const LineupBoard& board() const { return m_board; }

    // Between widget pixels and field twips.
    QPoint toTwips(QPointF widgetPos) const;
    QRectF iconRect(qint16 playerNo) const;  // widget pixels; empty when not on the field
    // The player whose icon is under the point in the current period, 0 for none.
    qint16 playerAtPos(QPointF widgetPos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Screen readers hear each place icon as the player's name and where he stands; keys are
    // player numbers.
    QList<int> accessibleItems() const override;
    SurfaceItem accessibleItem(int key) const override;

Q_SIGNALS:
    void iconPressed(qint16 playerNo);
    void dropped(const QString& kind, qint16 playerNo, QPoint twips);
    void moveKey(int stepsX, int stepsY);
    void removeKey();

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
    // The icon's pop-up: "Lock" keeps the player on his spot when a line-up is proposed.
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    QRectF fieldRect() const;  // where the field is drawn, widget pixels
    QTransform transform() const;
    void startDrag(qint16 playerNo);
    void toggleLock(qint16 playerNo);

    LineupBoard& m_board;
    qint16 m_selected = 0;
    qint16 m_pressed = 0;
    QPoint m_pressPos;
    std::optional<QPoint> m_ghost;  // snapped corner shown while something is dragged over the field
};

// One period's thumbnail (Qtr1Pic): the pitch small, a marker per placed player, the selected
// player's marker framed and the current period outlined. Clicking it (or Space) picks the period.
// A locked period shows a padlock; so does a locked player's marker.
class PeriodThumb : public QWidget {
    Q_OBJECT
public:
    PeriodThumb(LineupBoard& board, int period, QWidget* parent = nullptr);
    int period() const { return m_period; }
    void setSelectedPlayer(qint16 playerNo);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override;

Q_SIGNALS:
    void picked(int period);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // The period's pop-up: "Lock Period" keeps the whole period when a line-up is proposed.
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void updateName();

    LineupBoard& m_board;
    int m_period;
    qint16 m_selected = 0;
};

// A small picture of a place icon for the drag cursor, sharp on high-density screens.
QPixmap placeIconPixmap(const QString& text, bool captain, int logicalSize, qreal dpr);

}  // namespace pw

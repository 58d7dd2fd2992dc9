// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/games/LineupViews.h"

#include "core/games/Lineup.h"
#include "core/games/Pitch.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace pw {

using namespace lineup;

namespace {

// The field's width in logical pixels at 100 %: a little under seven inches, like a sheet on the
// bench clipboard.
int nominalWidth(const QWidget* w)
{
    return int(kFieldWidth * w->logicalDpiX() / 1440.0 * 0.75);
}

}  // namespace

QPixmap placeIconPixmap(const QString& text, bool captain, int logicalSize, qreal dpr)
{
    const int side = std::max(8, logicalSize);
    QPixmap pm(QSize(side, side) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const double margin = 80.0;  // twips around the icon, for the captain band
    const double scale = side / (kIconSize + 2 * margin);
    p.setTransform(QTransform(scale, 0, 0, scale, margin * scale, margin * scale));
    paintPlaceIcon(p, QPoint(0, 0), text, captain);
    return pm;
}

// ---------------------------------------------------------------- FieldView

FieldView::FieldView(LineupBoard& board, QWidget* parent)
    : QWidget(parent)
    , m_board(board)
{
    setObjectName(QStringLiteral("MainField"));
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Field"));
    connect(&board, &LineupBoard::lineupChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &LineupBoard::rosterChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &LineupBoard::captainChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &LineupBoard::currentPeriodChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &LineupBoard::locksChanged, this, qOverload<>(&QWidget::update));
}

QSize FieldView::sizeHint() const
{
    const int w = nominalWidth(this);
    return {w, w * kFieldHeight / kFieldWidth};
}

QSize FieldView::minimumSizeHint() const
{
    const int w = nominalWidth(this) / 2;
    return {w, w * kFieldHeight / kFieldWidth};
}

void FieldView::setSelectedPlayer(qint16 playerNo)
{
    if (m_selected == playerNo)
        return;
    m_selected = playerNo;
    update();
}

QRectF FieldView::fieldRect() const
{
    // Room below the bottom row of icons for their name labels.
    const int labelRoom = fontMetrics().height() + 4;
    return QRectF(rect()).adjusted(2, 2, -2, -2 - labelRoom / 2);
}

QTransform FieldView::transform() const
{
    return fieldTransform(fieldRect());
}

QPoint FieldView::toTwips(QPointF widgetPos) const
{
    return transform().inverted().map(widgetPos).toPoint();
}

QRectF FieldView::iconRect(qint16 playerNo) const
{
    const LineupSlot s = m_board.slot(m_board.currentPeriod(), playerNo);
    if (m_board.currentPeriod() == 0 || s.PlaceNo == 0)
        return {};
    return transform().mapRect(QRectF(s.XPos, s.YPos, kIconSize, kIconSize));
}

qint16 FieldView::playerAtPos(QPointF widgetPos) const
{
    // The icon drawn last is on top, so it is found first.
    for (int i = int(m_board.players().size()) - 1; i >= 0; --i) {
        const qint16 no = m_board.players()[i].playerNo;
        const QRectF r = iconRect(no);
        if (!r.isEmpty() && r.contains(widgetPos))
            return no;
    }
    return 0;
}

void FieldView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The grass and lines come from a picture kept for this size: a moved icon repaints only icons.
    p.drawPixmap(0, 0, pitchPixmap(size(), fieldRect(), devicePixelRatioF(), palette().window().color()));
    const QTransform t = transform();
    p.setTransform(t);
    const int period = m_board.currentPeriod();
    QList<NameLabel> labels;
    if (period > 0) {
        for (const LineupPlayer& pl : m_board.players()) {
            const LineupSlot s = m_board.slot(period, pl.playerNo);
            if (s.PlaceNo == 0)
                continue;
            const QPoint corner(s.XPos, s.YPos);
            paintPlaceIcon(p, corner, pl.iconText(s.PlaceNo), pl.captain);
            if (m_board.isLocked(period, pl.playerNo))
                paintLockMark(p, corner);
            if (pl.playerNo == m_selected)
                paintActiveBox(p, corner);
            labels << NameLabel{t.map(QPointF(s.XPos + kIconOffset, s.YPos + kIconSize)), pl.name};
        }
    }
    if (m_ghost) {
        p.setOpacity(0.45);
        paintPlaceIcon(p, *m_ghost, QString(), false);
        p.setOpacity(1.0);
    }
    p.resetTransform();
    // Names in the window's own font, so they stay readable however small the field gets.
    NameLabelStyle tags;
    tags.font = font();
    tags.narrow = std::max(double(fontMetrics().horizontalAdvance(QStringLiteral("Mmmm"))), t.m11() * kStepX - 2);
    paintNameLabels(p, labels, tags);
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

void FieldView::mousePressEvent(QMouseEvent* e)
{
    m_pressed = 0;
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = playerAtPos(e->position());
    m_pressPos = e->position().toPoint();
    if (m_pressed != 0)
        Q_EMIT iconPressed(m_pressed);
}

void FieldView::mouseMoveEvent(QMouseEvent* e)
{
    if (m_pressed == 0 || !(e->buttons() & Qt::LeftButton))
        return;
    if ((e->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    const qint16 playerNo = m_pressed;
    m_pressed = 0;
    startDrag(playerNo);
}

void FieldView::mouseReleaseEvent(QMouseEvent*)
{
    m_pressed = 0;
}

void FieldView::startDrag(qint16 playerNo)
{
    const LineupSlot s = m_board.slot(m_board.currentPeriod(), playerNo);
    const LineupPlayer* player = m_board.player(playerNo);
    if (!player)
        return;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kLineupMime), QByteArray("move ") + QByteArray::number(playerNo));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    const int side = int(iconRect(playerNo).width());
    drag->setPixmap(placeIconPixmap(player->iconText(s.PlaceNo), player->captain, side, devicePixelRatioF()));
    drag->setHotSpot(QPoint(side / 2, side / 2));
    drag->exec(Qt::MoveAction);
}

void FieldView::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasFormat(QString::fromLatin1(kLineupMime)))
        e->acceptProposedAction();
}

void FieldView::dragMoveEvent(QDragMoveEvent* e)
{
    if (!e->mimeData()->hasFormat(QString::fromLatin1(kLineupMime)))
        return;
    e->acceptProposedAction();
    const QPoint corner = snapToGrid(toTwips(e->position()));
    if (m_ghost != corner) {
        m_ghost = corner;
        update();
    }
}

void FieldView::dragLeaveEvent(QDragLeaveEvent*)
{
    m_ghost.reset();
    update();
}

void FieldView::dropEvent(QDropEvent* e)
{
    m_ghost.reset();
    update();
    const QList<QByteArray> parts = e->mimeData()->data(QString::fromLatin1(kLineupMime)).split(' ');
    if (parts.size() != 2)
        return;
    e->acceptProposedAction();
    Q_EMIT dropped(QString::fromLatin1(parts[0]), qint16(parts[1].toInt()), toTwips(e->position()));
}

void FieldView::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left: Q_EMIT moveKey(-1, 0); return;
    case Qt::Key_Right: Q_EMIT moveKey(1, 0); return;
    case Qt::Key_Up: Q_EMIT moveKey(0, -1); return;
    case Qt::Key_Down: Q_EMIT moveKey(0, 1); return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: Q_EMIT removeKey(); return;
    case Qt::Key_L: toggleLock(m_selected); return;
    default: QWidget::keyPressEvent(e);
    }
}

void FieldView::toggleLock(qint16 playerNo)
{
    const int period = m_board.currentPeriod();
    if (playerNo != 0 && period > 0)
        m_board.setLocked(period, playerNo, !m_board.isLocked(period, playerNo));
}

void FieldView::contextMenuEvent(QContextMenuEvent* e)
{
    const qint16 playerNo = e->reason() == QContextMenuEvent::Mouse ? playerAtPos(e->pos()) : m_selected;
    const int period = m_board.currentPeriod();
    if (playerNo == 0 || period == 0 || m_board.slot(period, playerNo).PlaceNo == 0)
        return;
    if (playerNo != m_selected)
        Q_EMIT iconPressed(playerNo);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("FieldMenu"));
    QAction* lock = menu.addAction(tr("Lock"));
    lock->setObjectName(QStringLiteral("LockPlayer"));
    lock->setCheckable(true);
    lock->setChecked(m_board.isLocked(period, playerNo));
    lock->setShortcut(QKeySequence(Qt::Key_L));
    const QPoint at = e->reason() == QContextMenuEvent::Mouse ? e->pos() : iconRect(playerNo).center().toPoint();
    if (menu.exec(mapToGlobal(at)) == lock)
        m_board.setLocked(period, playerNo, lock->isChecked());
}

// ---------------------------------------------------------------- PeriodThumb

PeriodThumb::PeriodThumb(LineupBoard& board, int period, QWidget* parent)
    : QWidget(parent)
    , m_board(board)
    , m_period(period)
{
    setObjectName(QStringLiteral("Qtr1Pic%1").arg(period));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(tr("Period %1").arg(period));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    connect(&board, &LineupBoard::lineupChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &LineupBoard::rosterChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &LineupBoard::currentPeriodChanged, this, qOverload<>(&QWidget::update));
    connect(&board, &LineupBoard::locksChanged, this, [this] {
        updateName();
        update();
    });
    connect(&board, &LineupBoard::rosterChanged, this, &PeriodThumb::updateName);
}

void PeriodThumb::updateName()
{
    setAccessibleName(m_board.isPeriodLocked(m_period) ? tr("Period %1, locked").arg(m_period)
                                                       : tr("Period %1").arg(m_period));
}

QSize PeriodThumb::sizeHint() const
{
    const int w = int(nominalWidth(this) / kThumbScale / 1.6);
    return {w, heightForWidth(w)};
}

QSize PeriodThumb::minimumSizeHint() const
{
    return {80, heightForWidth(80)};
}

int PeriodThumb::heightForWidth(int w) const
{
    return w * kFieldHeight / kFieldWidth;
}

void PeriodThumb::setSelectedPlayer(qint16 playerNo)
{
    if (m_selected == playerNo)
        return;
    m_selected = playerNo;
    update();
}

void PeriodThumb::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool current = m_board.currentPeriod() == m_period;
    const QRectF field = QRectF(rect()).adjusted(3, 3, -3, -3);
    p.drawPixmap(0, 0, pitchPixmap(size(), field, devicePixelRatioF(), palette().window().color()));
    const QTransform t = fieldTransform(field);
    p.setTransform(t);
    for (const LineupPlayer& pl : m_board.players()) {
        const LineupSlot s = m_board.slot(m_period, pl.playerNo);
        if (s.PlaceNo == 0)
            continue;
        paintPlaceIcon(p, QPoint(s.XPos, s.YPos), QString(), false);
        if (m_board.isLocked(m_period, pl.playerNo))
            paintLockMark(p, QPoint(s.XPos, s.YPos));
        if (pl.playerNo == m_selected)
            paintActiveBox(p, QPoint(s.XPos, s.YPos));
    }
    if (m_board.isPeriodLocked(m_period)) {
        // A padlock three icons tall in the top left corner says the whole period stays.
        p.scale(3.0, 3.0);
        paintLockMark(p, QPoint(100, 40));
        p.scale(1 / 3.0, 1 / 3.0);
    }
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, true);
    // The current period is outlined in the highlight colour; the others only framed.
    const QRectF frame = t.mapRect(QRectF(0, 0, kFieldWidth, kFieldHeight)).adjusted(-1.5, -1.5, 1.5, 1.5);
    p.setPen(
        QPen(current ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid), current ? 3.0 : 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

void PeriodThumb::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        Q_EMIT picked(m_period);
}

void PeriodThumb::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PeriodMenu"));
    QAction* lock = menu.addAction(tr("Lock Period"));
    lock->setObjectName(QStringLiteral("LockPeriod"));
    lock->setCheckable(true);
    lock->setChecked(m_board.isPeriodLocked(m_period));
    const QPoint at = e->reason() == QContextMenuEvent::Mouse ? e->pos() : rect().center();
    if (menu.exec(mapToGlobal(at)) == lock)
        m_board.setPeriodLocked(m_period, lock->isChecked());
}

void PeriodThumb::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Q_EMIT picked(m_period);
        return;
    }
    QWidget::keyPressEvent(e);
}

// ---------------------------------------------------------------- accessibility

QList<int> FieldView::accessibleItems() const
{
    QList<int> keys;
    for (int place = 1; place <= kPlaces; ++place) {
        if (const qint16 no = m_board.playerAt(m_board.currentPeriod(), place))
            keys << no;
    }
    return keys;
}

SurfaceItem FieldView::accessibleItem(int key) const
{
    const auto playerNo = qint16(key);
    const LineupPlayer* p = m_board.player(playerNo);
    const LineupSlot s = m_board.slot(m_board.currentPeriod(), playerNo);
    if (!p || s.PlaceNo == 0)
        return {};
    SurfaceItem item;
    const QString area = fieldArea(QPoint(s.XPos, s.YPos));
    item.name = p->captain ? tr("Captain %1, %2").arg(p->name, area) : tr("%1, %2").arg(p->name, area);
    if (m_board.isLocked(m_board.currentPeriod(), playerNo))
        item.name = tr("%1, locked").arg(item.name);

    item.description = tr("Place %1 in period %2").arg(s.PlaceNo).arg(m_board.currentPeriod());
    item.rect = iconRect(playerNo).toAlignedRect();
    item.selected = m_selected == playerNo;
    return item;
}

}  // namespace pw

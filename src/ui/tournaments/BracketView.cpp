// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tournaments/BracketView.h"

#include "common/Twips.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace pw {

using bracket::column;
using bracket::position;

namespace {

constexpr int kTextPad = 3;  // pixels between a label's frame and its text

// Tooltips and screen readers take line breaks as "\n".
QString plainLines(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

BracketView::BracketView(const Bracket& bracket, QWidget* parent)
    : QWidget(parent)
    , m_bracket(bracket)
{
    setObjectName(QStringLiteral("TournyScreen"));
    setAccessibleName(tr("Bracket"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setMouseTracking(true);
    installSurfaceAccessibility();
}

void BracketView::build(QSizeF labelTwips)
{
    m_labelTwips = labelTwips;
    const double base = logicalDpiY() / double(kTwipsPerInch);
    // A font too tall for the label grows the whole bracket, gaps included, so that its shape stays.
    const double labelPixels = labelTwips.height() * base;
    const double needed = fontMetrics().height() + 2;
    m_scale = base * std::max(1.0, labelPixels > 0 ? needed / labelPixels : 1.0);
    m_labelWidth = labelWidthNeeded();
    m_layout = BuildTourney(m_bracket.rounds(), QSizeF(m_labelWidth, labelTwips.height()));
    m_size = QSize(toPixels(m_layout.surface.width()), toPixels(m_layout.surface.height()));
    setFixedSize(m_size);
    if (!m_current.isValid() || labelRect(m_current).isEmpty())
        m_current = Label{Label::Kind::Team, 1};
    update();
}

double BracketView::labelWidthNeeded() const
{
    double widest = 0;
    for (const int game : m_bracket.games()) {
        const QString tag = m_bracket.gameTag(game);
        QFont f = font();
        f.setItalic(BracketGameTag::parse(tag).isEmpty());
        widest = std::max<double>(widest, QFontMetrics(f).horizontalAdvance(FormatGameTime(tag)));
    }
    // The caption's pixels with the padding on both sides and a pixel to spare for rounding.
    const double needed = m_scale > 0 ? (widest + 2 * kTextPad + 2) / m_scale : 0;
    return std::clamp(needed, m_labelTwips.width(), 3 * m_labelTwips.width());
}

void BracketView::refit()
{
    if (m_labelWidth > 0 && std::abs(labelWidthNeeded() - m_labelWidth) > 0.5)
        build(m_labelTwips);
    else
        update();
}

int BracketView::toPixels(double twips) const
{
    return int(std::lround(twips * m_scale));
}

QRect BracketView::toPixels(const QRectF& twips) const
{
    // Edges are rounded, not sizes, so that labels that touch in twips touch on the screen.
    const int left = toPixels(twips.left());
    const int top = toPixels(twips.top());
    return QRect(left, top, toPixels(twips.right()) - left, toPixels(twips.bottom()) - top);
}

QSize BracketView::sizeHint() const
{
    return m_size;
}

QRect BracketView::teamRect(int slot) const
{
    const auto it = m_layout.teamLabels.constFind(slot);
    return it == m_layout.teamLabels.cend() ? QRect() : toPixels(*it);
}

QRect BracketView::gameRect(int game) const
{
    const auto it = m_layout.gameLabels.constFind(game);
    return it == m_layout.gameLabels.cend() ? QRect() : toPixels(*it);
}

QRect BracketView::labelRect(Label label) const
{
    return label.kind == Label::Kind::Team ? teamRect(label.id) : gameRect(label.id);
}

int BracketView::teamAt(QPoint pos) const
{
    for (auto it = m_layout.teamLabels.cbegin(); it != m_layout.teamLabels.cend(); ++it) {
        if (toPixels(it.value()).contains(pos) && !m_bracket.team(it.key()).hidden)
            return it.key();
    }
    return 0;
}

int BracketView::gameAt(QPoint pos) const
{
    for (auto it = m_layout.gameLabels.cbegin(); it != m_layout.gameLabels.cend(); ++it) {
        if (toPixels(it.value()).contains(pos))
            return it.key();
    }
    return 0;
}

BracketView::Label BracketView::labelAt(QPoint pos) const
{
    if (const int slot = teamAt(pos))
        return {Label::Kind::Team, slot};
    if (const int game = gameAt(pos))
        return {Label::Kind::Game, game};
    return {};
}

QList<BracketView::Label> BracketView::labels() const
{
    QList<Label> out;
    const int rounds = m_bracket.rounds();
    for (int c = 0; c <= rounds; ++c) {
        for (int p = 1; p <= (1 << (rounds - c)); ++p) {
            const int slot = bracket::slotOf(c, p);
            if (p % 2 == 0 && m_layout.gameLabels.contains(slot - 1))
                out.append({Label::Kind::Game, slot - 1});
            if (m_layout.teamLabels.contains(slot) && !m_bracket.team(slot).hidden)
                out.append({Label::Kind::Team, slot});
        }
    }
    return out;
}

QString BracketView::teamText(int slot) const
{
    const QString caption = m_bracket.team(slot).caption;
    return caption.isEmpty() ? tr("empty") : caption;
}

QString BracketView::labelName(Label label) const
{
    if (label.kind == Label::Kind::Game)
        return tr("Round %1, game %2: %3")
            .arg(column(label.id) + 1)
            .arg((position(label.id) + 1) / 2)
            .arg(FormatGameTime(m_bracket.gameTag(label.id)));
    if (column(label.id) == m_bracket.rounds())
        return tr("Winner: %1").arg(teamText(label.id));
    return tr("Round %1, position %2: %3").arg(column(label.id) + 1).arg(position(label.id)).arg(teamText(label.id));
}

QString BracketView::labelDescription(Label label) const
{
    if (label.kind == Label::Kind::Game)
        return plainLines(gameToolTip(m_bracket.gameTag(label.id)));
    return {};
}

void BracketView::setHighlight(int slot)
{
    if (m_highlight == slot)
        return;
    m_highlight = slot;
    update();
}

void BracketView::setCurrent(Label label)
{
    if (!label.isValid() || labelRect(label).isEmpty() ||
        (label.kind == Label::Kind::Team && m_bracket.team(label.id).hidden))
        return;
    if (!(label == m_current)) {
        m_current = label;
        update();
        notifyFocus();
    }
    Q_EMIT currentMoved(labelRect(label));
}

void BracketView::notifyFocus()
{
    if (!hasFocus() || !QAccessible::isActive())
        return;
    const int index = int(labels().indexOf(m_current));
    if (index < 0)
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

BracketView::Label BracketView::neighbour(Label from, int dx, int dy) const
{
    const QList<Label> all = labels();
    const int col = column(from.id) + dx;
    if (const int at = int(all.indexOf(from)); dy != 0 && at >= 0) {
        for (int i = at + dy; i >= 0 && i < all.size(); i += dy) {
            if (column(all[i].id) == col)
                return all[i];
        }
        return from;
    }
    // Across, or from a label no longer shown: the label of that column nearest to its height.
    const int y = labelRect(from).center().y();
    Label best = from;
    int bestDistance = INT_MAX;
    for (const Label& l : all) {
        if (column(l.id) != col)
            continue;
        const int distance = std::abs(labelRect(l).center().y() - y);
        if (distance < bestDistance) {
            best = l;
            bestDistance = distance;
        }
    }
    return best;
}

void BracketView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();

    // "Round n" over the column of the teams that play it.
    QFont headingFont = font();
    headingFont.setBold(true);
    p.setFont(headingFont);
    p.setPen(pal.color(QPalette::WindowText));
    const QFontMetrics hfm(headingFont);
    for (const BracketLayout::Heading& h : m_layout.headings) {
        const int width = hfm.horizontalAdvance(h.text);
        p.drawText(QRect(toPixels(h.centreX) - width / 2 - 1, 0, width + 2, hfm.height()), Qt::AlignCenter, h.text);
    }

    p.setPen(QPen(pal.color(QPalette::WindowText), 1));
    for (const QLineF& l : m_layout.connectors)
        p.drawLine(QPoint(toPixels(l.x1()), toPixels(l.y1())), QPoint(toPixels(l.x2()), toPixels(l.y2())));

    for (auto it = m_layout.gameLabels.cbegin(); it != m_layout.gameLabels.cend(); ++it) {
        const QString tag = m_bracket.gameTag(it.key());
        const bool unset = BracketGameTag::parse(tag).isEmpty();
        QFont f = font();
        f.setItalic(unset);
        p.setFont(f);
        p.setPen(pal.color(unset ? QPalette::PlaceholderText : QPalette::WindowText));
        const QRect r = toPixels(it.value()).adjusted(kTextPad, 0, -kTextPad, 0);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(f).elidedText(FormatGameTime(tag), Qt::ElideRight, r.width()));
    }

    for (auto it = m_layout.teamLabels.cbegin(); it != m_layout.teamLabels.cend(); ++it) {
        const BracketTeam team = m_bracket.team(it.key());
        if (team.hidden)
            continue;
        const QRect r = toPixels(it.value());
        const bool lit = it.key() == m_highlight;
        p.fillRect(r, pal.color(lit ? QPalette::Highlight : QPalette::Base));
        p.setPen(pal.color(QPalette::Dark));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        QFont f = font();
        f.setBold(team.isOwnTeam());
        p.setFont(f);
        p.setPen(pal.color(lit ? QPalette::HighlightedText : QPalette::Text));
        const QRect text = r.adjusted(kTextPad, 0, -kTextPad, 0);
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(f).elidedText(team.caption, Qt::ElideRight, text.width()));
    }

    // The label the keys act on, framed whenever the surface has the focus: arrow keys move it
    // without the style ever seeing keyboard navigation, so its own focus frame would not show.
    if (hasFocus() && m_current.isValid()) {
        p.setPen(QPen(pal.color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(labelRect(m_current)).adjusted(1, 1, -1, -1));
    }
}

void BracketView::mousePressEvent(QMouseEvent* e)
{
    const Label l = labelAt(e->position().toPoint());
    if (l.isValid())
        setCurrent(l);
    if (l.isValid() && l.kind == Label::Kind::Team) {
        // The pop-up opens as the right button goes down, on every platform alike.
        if (e->button() == Qt::RightButton)
            Q_EMIT teamMenuRequested(l.id, e->globalPosition().toPoint());
        else if (e->button() == Qt::LeftButton)
            Q_EMIT teamPressed(l.id, e->button(), e->modifiers(), e->position().toPoint());
    }
    QWidget::mousePressEvent(e);
}

void BracketView::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        if (const int game = gameAt(e->position().toPoint())) {
            Q_EMIT gameActivated(game);
            return;
        }
    }
    QWidget::mouseDoubleClickEvent(e);
}

void BracketView::contextMenuEvent(QContextMenuEvent* e)
{
    // The mouse's pop-up has opened with the button press already; this is the keyboard's.
    if (e->reason() == QContextMenuEvent::Mouse || m_current.kind != Label::Kind::Team) {
        e->ignore();
        return;
    }
    Q_EMIT teamMenuRequested(m_current.id, mapToGlobal(teamRect(m_current.id).bottomLeft()));
}

void BracketView::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Up: setCurrent(neighbour(m_current, 0, -1)); return;
    case Qt::Key_Down: setCurrent(neighbour(m_current, 0, 1)); return;
    case Qt::Key_Left: setCurrent(neighbour(m_current, -1, 0)); return;
    case Qt::Key_Right: setCurrent(neighbour(m_current, 1, 0)); return;
    case Qt::Key_Home:
    case Qt::Key_End: {
        const QList<Label> all = labels();
        if (!all.isEmpty())
            setCurrent(e->key() == Qt::Key_Home ? all.first() : all.last());
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_current.kind == Label::Kind::Team)
            Q_EMIT teamPressed(m_current.id, Qt::LeftButton, e->modifiers(), teamRect(m_current.id).center());
        else
            Q_EMIT gameActivated(m_current.id);
        return;
    case Qt::Key_F10:
        if (e->modifiers() & Qt::ShiftModifier) {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, labelRect(m_current).center(),
                                   mapToGlobal(labelRect(m_current).center()));
            contextMenuEvent(&menu);
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(e);
}

void BracketView::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
    notifyFocus();
    Q_EMIT currentMoved(labelRect(m_current));
}

void BracketView::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

bool BracketView::event(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return QWidget::event(e);
    auto* help = static_cast<QHelpEvent*>(e);
    const Label l = labelAt(help->pos());
    QString tip;
    if (l.kind == Label::Kind::Game && l.isValid()) {
        tip = plainLines(gameToolTip(m_bracket.gameTag(l.id)));
    } else if (l.isValid()) {
        // A name cut short on its label shows whole in the tooltip.
        const BracketTeam team = m_bracket.team(l.id);
        QFont f = font();
        f.setBold(team.isOwnTeam());
        if (QFontMetrics(f).horizontalAdvance(team.caption) > teamRect(l.id).width() - 2 * kTextPad)
            tip = team.caption;
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this, labelRect(l));
    }
    return true;
}

QList<int> BracketView::accessibleItems() const
{
    QList<int> keys;
    for (const Label& l : labels())
        keys << (l.kind == Label::Kind::Game ? -l.id : l.id);
    return keys;
}

SurfaceItem BracketView::accessibleItem(int key) const
{
    const Label l{key < 0 ? Label::Kind::Game : Label::Kind::Team, std::abs(key)};
    SurfaceItem item;
    item.rect = labelRect(l);
    if (item.rect.isEmpty())
        return item;
    item.name = labelName(l);
    item.description = labelDescription(l);
    item.role = l.kind == Label::Kind::Game ? QAccessible::Button : QAccessible::StaticText;
    item.selected = l.kind == Label::Kind::Team && m_highlight == l.id;
    item.focused = hasFocus() && m_current == l;
    return item;
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tournaments/Bracket.h"
#include "ui/base/SurfaceAccessible.h"

#include <QRect>
#include <QWidget>

namespace pw {

// TournyScreen: the drawn bracket. Headings, connector lines, one framed label per team position
// and one label per game, laid out in twips by BuildTourney and turned into pixels once. It shows
// the window's Bracket and hands the coach's gestures on through signals; the rules stay in the
// window. The keyboard moves a focus frame from label to label (arrows), Enter or Space acts as
// the left button on a team label or a double click on a game label, and the menu key opens a
// team label's pop-up.
class BracketView : public QWidget, public SurfaceAccessibility {
    Q_OBJECT
public:
    // A label of the surface: a team position by its slot, or a game by its upper slot.
    struct Label {
        enum class Kind { Team, Game };
        Kind kind = Kind::Team;
        int id = 0;
        bool isValid() const { return id > 0; }
        friend bool operator==(const Label&, const Label&) = default;
    };

    BracketView(const Bracket& bracket, QWidget* parent = nullptr);

    // Lays the bracket out for its number of rounds with labels of labelTwips. The layout grows
    // as a whole when the font would not fit in a label, so that every name stays readable, and
    // the labels widen to the longest game caption (up to three times their width; the tooltip
    // shows a longer one whole).
    void build(QSizeF labelTwips);
    // The bracket's texts changed: lays it out again when its game captions need other widths,
    // else repaints it.
    void refit();
    int toPixels(double twips) const;

    // Where a label stands on the surface, in pixels (empty for an unknown one).
    QRect teamRect(int slot) const;
    QRect gameRect(int game) const;
    QRect labelRect(Label label) const;
    // The label under a point of the surface; hidden team labels are not there. 0 for none.
    int teamAt(QPoint pos) const;
    int gameAt(QPoint pos) const;
    Label labelAt(QPoint pos) const;

    // The labels shown, column by column and top to bottom, games between their pair.
    QList<Label> labels() const;
    // What a screen reader says for a label: "Round 1, position 3: Valley FC", "Round 1, game 2:
    // Game Time", "Winner: Valley FC".
    QString labelName(Label label) const;
    QString labelDescription(Label label) const;
    // The labels for screen readers: teams keyed by slot, games by minus their slot.
    QList<int> accessibleItems() const override;
    SurfaceItem accessibleItem(int key) const override;

    // The team label painted in the highlight colour (0: none).
    void setHighlight(int slot);
    int highlight() const { return m_highlight; }
    // The label the keyboard acts on.
    Label current() const { return m_current; }
    void setCurrent(Label label);

    QSize sizeHint() const override;

Q_SIGNALS:
    void teamPressed(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void teamMenuRequested(int slot, QPoint globalPos);
    void gameActivated(int game);
    // The current label moved: the area should scroll it into view.
    void currentMoved(QRect rect);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool event(QEvent* e) override;

private:
    QRect toPixels(const QRectF& twips) const;
    QString teamText(int slot) const;
    // The label width (twips) the game captions need, at least the width asked for.
    double labelWidthNeeded() const;
    // The label of the neighbouring column (dx = ±1) or of the same column (dy = ±1).
    Label neighbour(Label from, int dx, int dy) const;
    void notifyFocus();

    const Bracket& m_bracket;
    BracketLayout m_layout;
    QSizeF m_labelTwips;      // as asked for; the labels may be wider
    double m_labelWidth = 0;  // twips, as laid out
    double m_scale = 1.0;
    QSize m_size;
    int m_highlight = 0;
    Label m_current;
};

}  // namespace pw

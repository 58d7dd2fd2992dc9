// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/DrillDiagram.h"

#include <QPoint>

#include <optional>

namespace pw {

// The mouse on the drill field while the coach draws pass and run lines, kept apart from the
// widget so that the steps can be checked without one. Points are field twips.
//
// A plain or arrow line is one press, drag and release. A curve takes two gestures: press, drag
// and release give its chord, and the next press puts its bulge there; until then the curve is
// pending (its bulge -1), and moving the mouse shows where the bulge would go.
class LineDrawing {
public:
    // Shorter strokes are taken as clicks that slipped, not as lines.
    static constexpr int kMinLength = 30;

    qint16 kind() const { return m_kind; }
    qint16 style() const { return m_style; }
    // A plain line is always drawn as a pass line (style 0); the other kinds keep the style.
    // Changing the kind gives up a curve under way.
    void setKind(qint16 kind);
    void setStyle(qint16 style);

    // The left button pressed at a field point: the finished curve when this press placed its
    // bulge, else nothing (a stroke begins).
    std::optional<DrillLine> press(QPoint at);
    void move(QPoint at);
    // The left button released: the finished plain or arrow line, if any.
    std::optional<DrillLine> release(QPoint at);
    // Escape, another drill or the field made read-only: whatever was under way is dropped.
    void cancel();

    bool awaitingBulge() const { return m_state == State::AwaitingBulge; }
    bool isBusy() const { return m_state != State::Idle; }
    // The line under way as the field previews it: the stroke being dragged, or the waiting curve
    // (bulge -1 until the mouse has moved after the chord).
    std::optional<DrillLine> pending() const;

    // A point kept on the field.
    static QPoint onField(QPoint at);

private:
    enum class State { Idle, Dragging, AwaitingBulge };
    DrillLine current(QPoint end) const;

    qint16 m_kind = drill::kPlainLine;
    qint16 m_style = drill::kSolidStyle;
    State m_state = State::Idle;
    QPoint m_start;
    QPoint m_end;
    std::optional<QPoint> m_hoverBulge;
};

}  // namespace pw

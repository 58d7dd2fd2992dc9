// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/practice/LineDrawing.h"

#include "data/SeedLibrary.h"

#include <algorithm>

namespace pw {

void LineDrawing::setKind(qint16 kind)
{
    if (kind < drill::kPlainLine || kind > drill::kCurveLine)
        return;
    if (kind != m_kind)
        cancel();
    m_kind = kind;
    if (kind == drill::kPlainLine)
        m_style = drill::kSolidStyle;
}

void LineDrawing::setStyle(qint16 style)
{
    m_style = std::clamp<qint16>(style, drill::kSolidStyle, drill::kDotStyle);
}

QPoint LineDrawing::onField(QPoint at)
{
    return {std::clamp(at.x(), 0, kDrillFieldWidth), std::clamp(at.y(), 0, kDrillFieldHeight)};
}

DrillLine LineDrawing::current(QPoint end) const
{
    if (m_kind == drill::kCurveLine)
        return DrillLine::curve(m_style, m_start, end, QPoint(drill::kNoBulge, drill::kNoBulge));
    return DrillLine::straight(m_kind, m_style, m_start, end);
}

std::optional<DrillLine> LineDrawing::press(QPoint at)
{
    at = onField(at);
    if (m_state == State::AwaitingBulge) {
        m_state = State::Idle;
        m_hoverBulge.reset();
        return DrillLine::curve(m_style, m_start, m_end, at);
    }
    m_state = State::Dragging;
    m_start = m_end = at;
    return std::nullopt;
}

void LineDrawing::move(QPoint at)
{
    at = onField(at);
    if (m_state == State::Dragging)
        m_end = at;
    else if (m_state == State::AwaitingBulge)
        m_hoverBulge = at;
}

std::optional<DrillLine> LineDrawing::release(QPoint at)
{
    if (m_state != State::Dragging)
        return std::nullopt;
    m_end = onField(at);
    m_state = State::Idle;
    if ((m_end - m_start).manhattanLength() < kMinLength)
        return std::nullopt;
    if (m_kind == drill::kCurveLine) {
        m_state = State::AwaitingBulge;
        m_hoverBulge.reset();
        return std::nullopt;
    }
    return current(m_end);
}

void LineDrawing::cancel()
{
    m_state = State::Idle;
    m_hoverBulge.reset();
}

std::optional<DrillLine> LineDrawing::pending() const
{
    switch (m_state) {
    case State::Idle: return std::nullopt;
    case State::Dragging: return current(m_end);
    case State::AwaitingBulge:
        if (m_hoverBulge)
            return DrillLine::curve(m_style, m_start, m_end, *m_hoverBulge);
        return current(m_end);
    }
    return std::nullopt;
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/games/Pitch.h"

#include "common/FitTransform.h"
#include "core/games/Lineup.h"
#include "core/teams/PlayerProfile.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace pw {

using namespace lineup;

namespace {

// The playing area inside the field, with room around it for the goals.
constexpr double kMargin = 220.0;
constexpr double kLength = 105.0;  // metres, touch line
constexpr double kWidth = 68.0;    // metres, goal line

struct Metres {
    QRectF area{kMargin, kMargin, kFieldWidth - 2 * kMargin, kFieldHeight - 2 * kMargin};
    double sx = area.width() / kLength;
    double sy = area.height() / kWidth;
    double sr = std::min(sx, sy);  // circles stay round
    QPointF at(double x, double y) const { return {area.left() + x * sx, area.top() + y * sy}; }
    QRectF rect(double x, double y, double w, double h) const { return {at(x, y), QSizeF(w * sx, h * sy)}; }
    QRectF circle(QPointF centre, double r) const
    {
        return {centre.x() - r * sr, centre.y() - r * sr, 2 * r * sr, 2 * r * sr};
    }
};

const QColor kGrass(0x3f, 0x8f, 0x3a);
const QColor kGrassStripe(0x48, 0x9c, 0x42);
const QColor kShirt(0x1f, 0x4e, 0x9a);

}  // namespace

QTransform fieldTransform(const QRectF& target)
{
    return fitTransform(target, QSizeF(kFieldWidth, kFieldHeight));
}

void paintPitch(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(0, 0, kFieldWidth, kFieldHeight), kGrass);
    const Metres m;
    // Mown stripes, as on a real pitch: they also help the eye judge distances.
    for (int i = 0; i < 14; i += 2)
        painter.fillRect(m.rect(i * kLength / 14.0, -kMargin / m.sy, kLength / 14.0, kWidth + 2 * kMargin / m.sy),
                         kGrassStripe);

    QPen line(Qt::white, 28.0);
    line.setJoinStyle(Qt::MiterJoin);
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m.area);
    painter.drawLine(m.at(kLength / 2, 0), m.at(kLength / 2, kWidth));
    const QPointF centre = m.at(kLength / 2, kWidth / 2);
    painter.drawEllipse(m.circle(centre, 9.15));

    for (int side = 0; side < 2; ++side) {
        // Measured from this side's goal line towards the middle.
        const auto x = [&](double d, double w = 0) { return side == 0 ? d : kLength - d - w; };
        painter.drawRect(m.rect(x(0, 16.5), (kWidth - 40.32) / 2, 16.5, 40.32));
        painter.drawRect(m.rect(x(0, 5.5), (kWidth - 18.32) / 2, 5.5, 18.32));
        // The arc of the penalty area: the part of the circle round the penalty spot outside it.
        const QPointF spot = m.at(x(11.0), kWidth / 2);
        const double span = std::acos(5.5 / 9.15) * 180.0 / M_PI;  // 16.5 - 11 from the spot
        painter.drawArc(m.circle(spot, 9.15), int((side == 0 ? -span : 180.0 - span) * 16), int(2 * span * 16));
        // The goal, outside the goal line.
        painter.drawRect(m.rect(side == 0 ? -2.0 : kLength, (kWidth - 7.32) / 2, 2.0, 7.32));
        for (int end = 0; end < 2; ++end) {
            const QPointF corner = m.at(side == 0 ? 0 : kLength, end == 0 ? 0 : kWidth);
            const int start = side == 0 ? (end == 0 ? 270 : 0) : (end == 0 ? 180 : 90);
            painter.drawArc(m.circle(corner, 1.0), start * 16, 90 * 16);
        }
        painter.setBrush(Qt::white);
        painter.drawEllipse(m.circle(spot, 0.35));
        painter.setBrush(Qt::NoBrush);
    }
    painter.setBrush(Qt::white);
    painter.drawEllipse(m.circle(centre, 0.35));
    painter.restore();
}

namespace {

struct PitchPicture {
    QSize size;
    QRectF fieldRect;
    qreal dpr = 1;
    QRgb background = 0;
    QPixmap pixmap;
};

// The field at its size and the four thumbnails at theirs, and a few more for a window being
// resized or moved to a screen of another density.
constexpr qsizetype kPitchPictures = 6;
QList<PitchPicture> g_pitchPictures;  // the one used last first
quint64 g_pitchPixmapsDrawn = 0;

}  // namespace

QPixmap pitchPixmap(const QSize& size, const QRectF& fieldRect, qreal devicePixelRatio, const QColor& background)
{
    for (qsizetype i = 0; i < g_pitchPictures.size(); ++i) {
        const PitchPicture& p = g_pitchPictures.at(i);
        if (p.size == size && p.fieldRect == fieldRect && qFuzzyCompare(p.dpr, devicePixelRatio) &&
            p.background == background.rgba()) {
            g_pitchPictures.move(i, 0);
            return g_pitchPictures.first().pixmap;
        }
    }
    PitchPicture picture{size, fieldRect, devicePixelRatio, background.rgba(),
                         QPixmap(size.expandedTo(QSize(1, 1)) * devicePixelRatio)};
    picture.pixmap.setDevicePixelRatio(devicePixelRatio);
    picture.pixmap.fill(background);
    {
        QPainter painter(&picture.pixmap);
        painter.setTransform(fieldTransform(fieldRect));
        paintPitch(painter);
    }
    ++g_pitchPixmapsDrawn;
    // Pictures belong to the application: they go with it, not after it.
    static const bool released = [] {
        qAddPostRoutine([] { g_pitchPictures.clear(); });
        return true;
    }();
    Q_UNUSED(released);
    g_pitchPictures.prepend(picture);
    if (g_pitchPictures.size() > kPitchPictures)
        g_pitchPictures.removeLast();
    return picture.pixmap;
}

quint64 pitchPixmapsDrawn()
{
    return g_pitchPixmapsDrawn;
}

void paintPlaceIcon(QPainter& painter, QPoint topLeft, const QString& text, bool captain)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF disc(topLeft, QSizeF(kIconSize, kIconSize));
    painter.setPen(QPen(QColor(0, 0, 0, 90), 20.0));
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(disc.translated(25, 30));  // a shadow lifts it off the grass
    painter.setPen(QPen(Qt::white, 36.0));
    painter.setBrush(kShirt);
    painter.drawEllipse(disc.adjusted(18, 18, -18, -18));
    if (captain) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xff, 0xd2, 0x3f));
        painter.drawEllipse(QRectF(disc.right() - 200, disc.top() - 30, 220, 220));
        QFont f = painter.font();
        f.setPixelSize(150);
        f.setBold(true);
        painter.setFont(f);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(disc.right() - 200, disc.top() - 30, 220, 220), Qt::AlignCenter, QStringLiteral("C"));
    }
    QFont f = painter.font();
    f.setPixelSize(text.size() > 2 ? 170 : 230);
    f.setBold(true);
    painter.setFont(f);
    painter.setPen(Qt::white);
    painter.drawText(disc, Qt::AlignCenter, text);
    painter.restore();
}

void paintLockMark(QPainter& painter, QPoint topLeft)
{
    // At the top left, where the captain's band (top right) leaves room: a dark body with a white
    // rim and shackle, readable on the shirt and on the grass.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF body(topLeft.x() - 40, topLeft.y() + 40, 220, 170);
    const QRectF shackle(body.left() + 45, body.top() - 95, 130, 190);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 70.0));
    painter.drawArc(shackle, 0, 180 * 16);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 34.0));
    painter.drawArc(shackle, 0, 180 * 16);
    painter.setPen(QPen(Qt::white, 22.0));
    painter.setBrush(QColor(0x30, 0x30, 0x30));
    painter.drawRoundedRect(body, 30, 30);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xd2, 0x3f));
    painter.drawEllipse(body.center(), 28, 28);
    painter.restore();
}

void paintActiveBox(QPainter& painter, QPoint topLeft)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0xff, 0xd2, 0x3f), 45.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(topLeft, QSizeF(kIconSize, kIconSize)).adjusted(-60, -60, 60, 60), 90, 90);
    painter.restore();
}

QList<PlacedNameLabel> layoutNameLabels(QList<NameLabel> labels, const NameLabelStyle& style)
{
    const QFontMetricsF fm(style.font);
    const double lineHeight = fm.height() + style.lineGap;
    std::sort(labels.begin(), labels.end(), [](const NameLabel& a, const NameLabel& b) {
        return std::pair(a.centreTop.y(), a.centreTop.x()) < std::pair(b.centreTop.y(), b.centreTop.x());
    });
    // Shortened only when wider than the limit: elidedText takes its width in a fixed-point type
    // that a very large width overflows, which then cut every tag.
    const auto shortened = [&](const QString& text, double width) {
        return fm.horizontalAdvance(text) <= width ? text : fm.elidedText(text, Qt::ElideRight, width);
    };
    const double left = 0.0;
    const double right = style.keepWithin > 0 ? style.keepWithin : std::numeric_limits<double>::max();
    QList<PlacedNameLabel> placed;
    for (const NameLabel& l : std::as_const(labels)) {
        const QString text = style.wide > 0 ? shortened(l.text, style.wide) : l.text;
        const double cx = l.centreTop.x();
        const auto top = [&](int line) { return l.centreTop.y() + style.gapY + line * lineHeight; };
        // The free stretch of a line around the icon's middle, between the tags already there.
        struct Gap {
            double from;
            double to;
        };
        const auto gapAt = [&](int line) {
            Gap g{style.keepWithin > 0 ? left : -std::numeric_limits<double>::max(), right};
            const QRectF band(0, top(line), 1, lineHeight);
            for (const PlacedNameLabel& p : std::as_const(placed)) {
                if (p.box.bottom() <= band.top() || p.box.top() >= band.bottom())
                    continue;
                if (p.box.right() <= cx)
                    g.from = std::max(g.from, p.box.right());
                else if (p.box.left() >= cx)
                    g.to = std::min(g.to, p.box.left());
                else
                    return Gap{cx, cx};  // a tag over the middle: no room at all
            }
            return g;
        };
        // Centred under the icon where the gap allows, else moved within it.
        const auto boxIn = [&](const Gap& g, int line, double w) {
            double x = cx - w / 2.0;
            if (style.keepWithin > 0)
                x = std::clamp(x, 0.0, std::max(0.0, style.keepWithin - w));
            if (g.to - g.from >= w)
                x = std::clamp(x, g.from, g.to - w);
            return QRectF(x, top(line), w, lineHeight);
        };
        const double w = fm.horizontalAdvance(text) + 2 * style.padX;
        std::optional<PlacedNameLabel> chosen;
        for (int line = 0; line <= 2 && !chosen; ++line) {
            if (const Gap g = gapAt(line); g.to - g.from >= w)
                chosen = PlacedNameLabel{boxIn(g, line, w), text};
        }
        if (!chosen) {
            // No room for the whole text anywhere: shortened to the widest room it has.
            int best = 0;
            for (int line = 1; line <= 2; ++line) {
                if (gapAt(line).to - gapAt(line).from > gapAt(best).to - gapAt(best).from)
                    best = line;
            }
            const Gap g = gapAt(best);
            const QString shorter = shortened(text, std::max(g.to - g.from - 2 * style.padX, style.narrow));
            chosen = PlacedNameLabel{boxIn(g, best, fm.horizontalAdvance(shorter) + 2 * style.padX), shorter};
        }
        placed << *chosen;
    }
    return placed;
}

void paintNameLabels(QPainter& painter, QList<NameLabel> labels, const NameLabelStyle& style)
{
    painter.save();
    painter.setFont(style.font);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const PlacedNameLabel& l : layoutNameLabels(std::move(labels), style)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, style.alpha));
        painter.drawRoundedRect(l.box, style.radius, style.radius);
        painter.setPen(Qt::white);
        painter.drawText(l.box, Qt::AlignCenter, l.text);
    }
    painter.restore();
}

QPoint keyboardSpot(const LineupBoard& board, int period, qint16 playerNo)
{
    // A 4-3-3 towards the right on grid points, each spot with the position it is for (the
    // position flags' order: front line, half back, full back, sweeper, goalkeeper). The sweeper's
    // spot behind the back four is taken only by a sweeper, or when all the others are taken.
    enum { FrontLine, HalfBack, FullBack, Sweeper, Goalkeeper };
    struct Spot {
        QPoint grid;
        int position;
    };
    static const std::array<Spot, kPlaces + 1> formation{{{{4, 2}, FullBack},
                                                          {{4, 5}, FullBack},
                                                          {{4, 9}, FullBack},
                                                          {{4, 12}, FullBack},
                                                          {{7, 4}, HalfBack},
                                                          {{7, 7}, HalfBack},
                                                          {{7, 10}, HalfBack},
                                                          {{11, 3}, FrontLine},
                                                          {{11, 7}, FrontLine},
                                                          {{11, 11}, FrontLine},
                                                          {{1, 7}, Goalkeeper},
                                                          {{3, 7}, Sweeper}}};
    // A spot is taken when an icon there would cover one already on the field (one dragged near it
    // included), not only when an icon stands right on it.
    const auto taken = [&](QPoint grid) {
        const QRect icon(snapToGrid({grid.x() * kStepX, grid.y() * kStepY}), QSize(kIconSize, kIconSize));
        for (const LineupPlayer& p : board.players()) {
            const LineupSlot s = board.slot(period, p.playerNo);
            if (s.PlaceNo > 0 && icon.intersects(QRect(s.XPos, s.YPos, kIconSize, kIconSize)))
                return true;
        }
        return false;
    };
    const LineupPlayer* player = board.player(playerNo);
    const Positions flags = decodePositions(player ? player->position : QString());
    // The order the spots are tried in: the keeper's goal, his positions' spots, then the rest.
    QList<int> order;
    if (flags[Goalkeeper])
        order << Goalkeeper;
    for (int position : {FrontLine, HalfBack, FullBack, Sweeper}) {
        if (flags[static_cast<size_t>(position)])
            order << position;
    }
    order << FullBack << HalfBack << FrontLine << Goalkeeper << Sweeper;
    for (int position : std::as_const(order)) {
        for (const Spot& spot : formation) {
            if (spot.position == position && !taken(spot.grid))
                return {spot.grid.x() * kStepX, spot.grid.y() * kStepY};
        }
    }
    for (int y = 1; y < kFieldHeight / kStepY; ++y) {
        for (int x = 1; x < kFieldWidth / kStepX; ++x) {
            if (!taken({x, y}))
                return {x * kStepX, y * kStepY};
        }
    }
    return {kStepX, kStepY};
}

QList<FormationSpot> formationSpots(int places)
{
    const int field = std::clamp(places, 1, kPlaces) - 1;
    QList<FormationSpot> spots;
    if (field == kPlaces - 1) {
        // keyboardSpot's 4-3-3, without the sweeper's spot behind the back four.
        const QList<QPoint> backs{{4, 2}, {4, 5}, {4, 9}, {4, 12}};
        const QList<QPoint> halves{{7, 4}, {7, 7}, {7, 10}};
        const QList<QPoint> fronts{{11, 3}, {11, 7}, {11, 11}};
        for (QPoint g : backs)
            spots << FormationSpot{g, SpotKind::FullBack};
        for (QPoint g : halves)
            spots << FormationSpot{g, SpotKind::HalfBack};
        for (QPoint g : fronts)
            spots << FormationSpot{g, SpotKind::FrontLine};
    } else {
        const int backs = int(std::lround(field * 0.4));
        const int fronts = int(std::lround(field * 0.3));
        const int halves = field - backs - fronts;
        const auto line = [&](int count, int column, SpotKind kind) {
            for (int j = 0; j < count; ++j)
                spots << FormationSpot{QPoint(column, int(std::lround((j + 1) * 14.0 / (count + 1)))), kind};
        };
        line(backs, 4, SpotKind::FullBack);
        line(halves, 7, SpotKind::HalfBack);
        line(fronts, 11, SpotKind::FrontLine);
    }
    spots << FormationSpot{{1, 7}, SpotKind::Goal};
    return spots;
}

QString fieldArea(QPoint topLeft)
{
    const double y = topLeft.y() + kIconSize / 2.0;
    const FieldZone zone = fieldZone(topLeft);
    if (zone == FieldZone::Goal)
        return QCoreApplication::translate("Games", "in goal");
    const QString side = y < kFieldHeight / 3.0       ? QCoreApplication::translate("Games", "left")
                         : y < 2 * kFieldHeight / 3.0 ? QCoreApplication::translate("Games", "centre")
                                                      : QCoreApplication::translate("Games", "right");
    const QString line = zone == FieldZone::Defence    ? QCoreApplication::translate("Games", "defence")
                         : zone == FieldZone::Midfield ? QCoreApplication::translate("Games", "midfield")
                                                       : QCoreApplication::translate("Games", "attack");
    return side + QLatin1Char(' ') + line;
}

std::array<double, kFieldZones - 1> fieldZoneStarts()
{
    // By the icon's centre: the goal area up to two grid steps, then the field in thirds.
    const double centre = kIconSize / 2.0;
    return {2.0 * kStepX - centre, kFieldWidth / 3.0 - centre, 2.0 * kFieldWidth / 3.0 - centre};
}

FieldZone fieldZone(QPoint topLeft)
{
    const std::array<double, kFieldZones - 1> starts = fieldZoneStarts();
    int zone = 0;
    while (zone < kFieldZones - 1 && topLeft.x() >= starts[size_t(zone)])
        ++zone;
    return FieldZone(zone);
}

}  // namespace pw

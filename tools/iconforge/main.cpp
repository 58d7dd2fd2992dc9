// pw_iconforge OUTDIR — paints the program's toolbar and tree pictures as PNG files at one and two
// times their size (name.png, name@2x.png). The pictures are committed under resources/icons;
// run this again after changing a drawing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;  // draws on a 24 x 24 canvas

const QColor kInk(0x2f, 0x3b, 0x45);
const QColor kGrass(0x3d, 0x9a, 0x4a);
const QColor kSky(0x2f, 0x7d, 0xc8);
const QColor kPaper(0xfb, 0xfb, 0xf6);

QPen ink(qreal w = 1.6)
{
    return QPen(kInk, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void save(const QString& dir, const QString& name, int size, const Draw& draw)
{
    for (int scale : {1, 2}) {
        QImage img(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size * scale / 24.0, size * scale / 24.0);
        draw(p);
        p.end();
        img.save(dir + QLatin1Char('/') + name + (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
    }
}

void shield(QPainter& p, const QColor& fill)
{
    QPainterPath path;
    path.moveTo(12, 2.5);
    path.lineTo(20, 5.5);
    path.cubicTo(20, 13, 17, 18.5, 12, 21.5);
    path.cubicTo(7, 18.5, 4, 13, 4, 5.5);
    path.closeSubpath();
    p.setPen(ink(1.4));
    p.setBrush(fill);
    p.drawPath(path);
}

void ball(QPainter& p, QPointF c, qreal r, const QColor& fill = Qt::white)
{
    p.setPen(ink(1.2));
    p.setBrush(fill);
    p.drawEllipse(c, r, r);
    // A pentagon in the middle reads as a football at small sizes.
    QPolygonF pent;
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        pent << QPointF(c.x() + r * 0.42 * std::cos(a), c.y() + r * 0.42 * std::sin(a));
    }
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawPolygon(pent);
}

void shirt(QPainter& p, QPointF at, qreal s, const QColor& fill)
{
    QPainterPath path;
    auto pt = [&](qreal x, qreal y) { return QPointF(at.x() + x * s, at.y() + y * s); };
    path.moveTo(pt(3, 0));
    path.lineTo(pt(5, 1));
    path.lineTo(pt(7, 0));
    path.lineTo(pt(10, 2));
    path.lineTo(pt(9, 4.5));
    path.lineTo(pt(8, 4));
    path.lineTo(pt(8, 10));
    path.lineTo(pt(2, 10));
    path.lineTo(pt(2, 4));
    path.lineTo(pt(1, 4.5));
    path.lineTo(pt(0, 2));
    path.closeSubpath();
    p.setPen(ink(1.2));
    p.setBrush(fill);
    p.drawPath(path);
}

void page(QPainter& p, QRectF r)
{
    p.setPen(ink(1.3));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 1.5, 1.5);
}

void badge(QPainter& p, const QColor& fill, const std::function<void(QPainter&)>& mark)
{
    p.setPen(QPen(fill.darker(140), 1.2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    mark(p);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = app.arguments().value(1, QStringLiteral("."));
    QDir().mkpath(dir);

    // Toolbar, 24 px.
    save(dir, QStringLiteral("GblTeam"), 24, [](QPainter& p) {
        shield(p, kSky);
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(12, 6), QPointF(12, 17));
        p.drawLine(QPointF(7.5, 9.5), QPointF(16.5, 9.5));
    });
    save(dir, QStringLiteral("TeamRoster"), 24, [](QPainter& p) {
        page(p, QRectF(4, 2.5, 16, 19));
        p.setPen(ink(1.4));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 7 + i * 3.8;
            p.setBrush(kGrass);
            p.drawEllipse(QPointF(8, y), 1.3, 1.3);
            p.drawLine(QPointF(11, y), QPointF(17, y));
        }
    });
    save(dir, QStringLiteral("TeamOpponent"), 24, [](QPainter& p) {
        shirt(p, QPointF(1, 5), 1.0, kSky);
        shirt(p, QPointF(13, 5), 1.0, QColor(0xd9, 0x48, 0x3b));
        p.setPen(ink(1.2));
        QFont f;
        f.setPixelSize(6);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(8, 15, 8, 8), Qt::AlignCenter, QStringLiteral("v"));
    });
    save(dir, QStringLiteral("TeamSchedule"), 24, [](QPainter& p) {
        page(p, QRectF(3, 4.5, 18, 16.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd9, 0x48, 0x3b));
        p.drawRect(QRectF(3.7, 5.2, 16.6, 4));
        p.setPen(ink(1.6));
        p.drawLine(QPointF(8, 2.5), QPointF(8, 6.5));
        p.drawLine(QPointF(16, 2.5), QPointF(16, 6.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                p.drawRect(QRectF(5.5 + c * 3.6, 11 + r * 3.1, 2, 1.8));
    });
    save(dir, QStringLiteral("TeamTournament"), 24, [](QPainter& p) {
        p.setPen(ink(1.5));
        p.setBrush(Qt::NoBrush);
        for (qreal y : {4.0, 9.0, 15.0, 20.0})
            p.drawLine(QPointF(2.5, y), QPointF(8, y));
        p.drawLine(QPointF(8, 4), QPointF(8, 9));
        p.drawLine(QPointF(8, 15), QPointF(8, 20));
        p.drawLine(QPointF(8, 6.5), QPointF(14, 6.5));
        p.drawLine(QPointF(8, 17.5), QPointF(14, 17.5));
        p.drawLine(QPointF(14, 6.5), QPointF(14, 17.5));
        p.drawLine(QPointF(14, 12), QPointF(17, 12));
        p.setBrush(QColor(0xe8, 0xb4, 0x2a));
        p.drawEllipse(QPointF(19.5, 12), 2.8, 2.8);
    });
    save(dir, QStringLiteral("TeamStandings"), 24, [](QPainter& p) {
        p.setPen(ink(1.3));
        p.setBrush(QColor(0xdd, 0xee, 0xfa));
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(7.5, 2.5, 9, 19));
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
        p.drawLine(QPointF(4, 7), QPointF(20, 7));
        p.drawLine(QPointF(4, 17), QPointF(20, 17));
    });
    save(dir, QStringLiteral("GameLineUp"), 24, [](QPainter& p) {
        p.setPen(QPen(Qt::white, 1.1));
        p.setBrush(kGrass);
        p.drawRect(QRectF(2.5, 3.5, 19, 17));
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 3, 3);
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(0xfa, 0xd1, 0x4b));
        for (QPointF c : {QPointF(7, 7.5), QPointF(17, 7.5), QPointF(12, 16.5), QPointF(6.5, 17), QPointF(17.5, 17)})
            p.drawEllipse(c, 1.7, 1.7);
    });
    save(dir, QStringLiteral("GameNotes"), 24, [](QPainter& p) {
        page(p, QRectF(4, 2.5, 14, 19));
        p.setPen(ink(1.1));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(7, 7 + i * 3.5), QPointF(15, 7 + i * 3.5));
        p.setPen(QPen(QColor(0xe8, 0x8d, 0x1c), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 19), QPointF(21, 9));
        p.setPen(ink(1.0));
        p.drawLine(QPointF(12.3, 20), QPointF(13, 19));
    });
    save(dir, QStringLiteral("GameStats"), 24, [](QPainter& p) {
        p.setPen(ink(1.4));
        p.drawLine(QPointF(3, 3), QPointF(3, 21));
        p.drawLine(QPointF(3, 21), QPointF(21, 21));
        p.setPen(Qt::NoPen);
        const QColor bars[] = {kSky, kGrass, QColor(0xe8, 0xb4, 0x2a)};
        const qreal heights[] = {8, 14, 11};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(bars[i]);
            p.drawRect(QRectF(6 + i * 5, 20 - heights[i], 3.6, heights[i]));
        }
    });
    save(dir, QStringLiteral("GblConfiguration"), 24, [](QPainter& p) {
        QPainterPath gear;
        const int teeth = 8;
        for (int i = 0; i < teeth * 2; ++i) {
            const double a = i * M_PI / teeth;
            const double r = (i % 2 == 0) ? 10 : 7.6;
            const QPointF pt(12 + r * std::cos(a), 12 + r * std::sin(a));
            if (i == 0)
                gear.moveTo(pt);
            else
                gear.lineTo(pt);
        }
        gear.closeSubpath();
        gear.addEllipse(QPointF(12, 12), 3.2, 3.2);
        gear.setFillRule(Qt::OddEvenFill);
        p.setPen(ink(1.2));
        p.setBrush(QColor(0x9a, 0xa7, 0xb1));
        p.drawPath(gear);
    });
    save(dir, QStringLiteral("Print"), 24, [](QPainter& p) {
        page(p, QRectF(7, 2.5, 10, 7));
        p.setPen(ink(1.3));
        p.setBrush(QColor(0x9a, 0xa7, 0xb1));
        p.drawRoundedRect(QRectF(3, 9, 18, 8.5), 2, 2);
        page(p, QRectF(7, 14, 10, 7.5));
        p.setPen(ink(0.9));
        p.drawLine(QPointF(9, 17), QPointF(15, 17));
        p.drawLine(QPointF(9, 19), QPointF(15, 19));
    });
    save(dir, QStringLiteral("GblMessages"), 24, [](QPainter& p) {
        p.setPen(ink(1.4));
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 5.5, 19, 13));
        p.drawLine(QPointF(2.5, 5.5), QPointF(12, 13));
        p.drawLine(QPointF(21.5, 5.5), QPointF(12, 13));
    });

    // Tree, 16 px.
    save(dir, QStringLiteral("team"), 16, [](QPainter& p) { shield(p, kSky); });
    save(dir, QStringLiteral("team-selected"), 16, [](QPainter& p) {
        shield(p, QColor(0xe8, 0xb4, 0x2a));
        ball(p, QPointF(12, 11.5), 4.2);
    });
    save(dir, QStringLiteral("nyp"), 16, [](QPainter& p) { ball(p, QPointF(12, 12), 9.5, QColor(0xf2, 0xf2, 0xf2)); });
    save(dir, QStringLiteral("won"), 16, [](QPainter& p) {
        badge(p, kGrass, [](QPainter& q) { q.drawPolyline(QPolygonF{QPointF(7, 12.5), QPointF(10.5, 16), QPointF(17, 8.5)}); });
    });
    save(dir, QStringLiteral("lost"), 16, [](QPainter& p) {
        badge(p, QColor(0xd9, 0x48, 0x3b), [](QPainter& q) {
            q.drawLine(QPointF(8, 8), QPointF(16, 16));
            q.drawLine(QPointF(16, 8), QPointF(8, 16));
        });
    });
    save(dir, QStringLiteral("tied"), 16, [](QPainter& p) {
        badge(p, QColor(0xd0, 0x9a, 0x12), [](QPainter& q) {
            q.drawLine(QPointF(7.5, 9.5), QPointF(16.5, 9.5));
            q.drawLine(QPointF(7.5, 14.5), QPointF(16.5, 14.5));
        });
    });
    save(dir, QStringLiteral("tournament"), 16, [](QPainter& p) {
        p.setPen(ink(1.4));
        p.setBrush(QColor(0xe8, 0xb4, 0x2a));
        QPainterPath cup;
        cup.moveTo(6, 3);
        cup.lineTo(18, 3);
        cup.cubicTo(18, 11, 15, 14, 12, 14);
        cup.cubicTo(9, 14, 6, 11, 6, 3);
        p.drawPath(cup);
        p.drawRect(QRectF(10.5, 14, 3, 4));
        p.drawRect(QRectF(7, 18, 10, 3));
    });

    // The program's own picture, 64 px.
    save(dir, QStringLiteral("pitchwise"), 64, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kGrass);
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 5, 5);
        p.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(12, 1), QPointF(12, 23));
        p.drawEllipse(QPointF(12, 12), 4.5, 4.5);
        ball(p, QPointF(16.5, 16.5), 4.6);
    });
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The drill library without its window: the diagram model, the arrow and curve geometry, the
// marker palette, drill numbers, reading and writing drills on both engines (forgiving reads,
// all-or-nothing saves) and the drawing of a diagram.
#include "TestSupport.h"

#include "core/practice/DrillDiagram.h"
#include "core/practice/DrillPainter.h"
#include "data/SeedLibrary.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSvgRenderer>

#include <cmath>

using namespace pw;
using namespace pwtest;

namespace {

QStringList rowsOf(const QString& sql, const QVariantList& values = {})
{
    QSqlQuery q = execSql(sql, values);
    QStringList out;
    while (q.next()) {
        QStringList v;
        for (int i = 0; i < q.record().count(); ++i)
            v << (q.value(i).isNull() ? QStringLiteral("-") : NullToText(q.value(i)));
        out << v.join(QLatin1Char('/'));
    }
    return out;
}

QStringList dataRows(qint32 id)
{
    return rowsOf(QStringLiteral("SELECT GnomeType, BaseGnomeNo, FieldGnomeNo, GnomeXPos, GnomeYPos, X1, Y1, X2, Y2, "
                                 "MX, MY, PassType FROM DrillData WHERE DrillID = ? ORDER BY GnomeType, FieldGnomeNo"),
                  {id});
}

void addBook(qint32 id, const QString& name, int type)
{
    insertRow(QStringLiteral("DrillBook"), fields(QStringLiteral("DrillID DrillName DrillType Discipline"),
                                                  {id, name, type, drillDisciplines(type).first()}));
}

// A diagram with every kind of element: a give-and-go past a defender.
DrillDiagram giveAndGo()
{
    DrillDiagram d;
    d.addMarker(0, QPoint(900, 1700));
    d.addMarker(2, QPoint(2500, 2500));
    d.addMarker(5, QPoint(2300, 1500));
    d.addMarker(8, QPoint(1150, 1900));
    d.addMarker(4, QPoint(4200, 600));
    d.addMarker(4, QPoint(4200, 2760));
    d.addMarker(3, QPoint(300, 300));
    d.addMarker(6, QPoint(3600, 1000));
    d.addLine(DrillLine::straight(drill::kArrowLine, drill::kSolidStyle, QPoint(1260, 1950), QPoint(2520, 2580)));
    d.addLine(DrillLine::curve(drill::kDashStyle, QPoint(1020, 1650), QPoint(3700, 1400), QPoint(2300, 700)));
    d.addLine(DrillLine::straight(drill::kArrowLine, drill::kSolidStyle, QPoint(2640, 2450), QPoint(3650, 1450)));
    d.addLine(DrillLine::straight(drill::kArrowLine, drill::kDashStyle, QPoint(3800, 1250), QPoint(4800, 1800)));
    d.addLine(DrillLine::straight(drill::kPlainLine, drill::kDotStyle, QPoint(4320, 840), QPoint(4320, 2760)));
    return d;
}

QImage render(const DrillDiagram& d, bool grid, QSize size = QSize(540, 360))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintDrill(p, d, QRectF(QPointF(0, 0), size), grid);
    return image;
}

// Pixels of the rectangle (image pixels) that are far from the field green.
int offGreen(const QImage& image, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - 165) + std::abs(c.green() - 214) + std::abs(c.blue() - 132) > 60)
                ++n;
        }
    }
    return n;
}

void saveScreenshot(const QImage& image, const QString& name)
{
    const QString dir = qEnvironmentVariable("PW_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QVERIFY(image.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

}  // namespace

class TestDrills : public StoreTest {
    Q_OBJECT

private Q_SLOTS:

    // Two built-in drills (one with a diagram) and nothing else: the library's own content is
    // somebody else's business.
    void init()
    {
        env.reset();
        emptyTables();
        execSql(QStringLiteral("DELETE FROM DrillData"));
        execSql(QStringLiteral("DELETE FROM DrillBook"));
        addBook(1, QStringLiteral("Zig Zag Dribble"), 0);
        addBook(250, QStringLiteral("Back Four Shape"), 1);
        insertRow(QStringLiteral("DrillData"),
                  fields(QStringLiteral("DrillID GnomeType BaseGnomeNo FieldGnomeNo GnomeXPos GnomeYPos"),
                         {250, 1, 5, 1, 400, 400}));
    }

    void geometry_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<double>("angle");
        QTest::newRow("right") << QPoint(100, 0) << 0.0;
        QTest::newRow("up") << QPoint(0, -100) << 1.57;
        QTest::newRow("left") << QPoint(-100, 0) << 3.14;
        QTest::newRow("down") << QPoint(0, 100) << 4.71;
        QTest::newRow("up right") << QPoint(100, -100) << std::atan(1.0);
        QTest::newRow("up left") << QPoint(-100, -100) << 1.57 + std::atan(1.0);
        QTest::newRow("down left") << QPoint(-100, 100) << 3.14 + std::atan(1.0);
        QTest::newRow("down right, steep") << QPoint(100, 173) << 4.71 + std::atan(100.0 / 173.0);
        QTest::newRow("same point") << QPoint(0, 0) << 0.0;
    }
    void geometry()
    {
        QFETCH(QPoint, to);
        QFETCH(double, angle);
        QCOMPARE(drillAngle(QPointF(0, 0), to), angle);
        const double a = drillAngle(QPointF(500, 500), QPointF(500, 500) + to);
        QVERIFY(a >= 0 && a < 6.28);
    }

    void arrowAndCurve()
    {
        // A line to the right: the head opens to the left, 0.52 either side.
        ArrowHead h = arrowHead(QPoint(1000, 1000), QPoint(2000, 1000));
        QCOMPARE(h.tip, QPointF(2000, 1000));
        QCOMPARE(h.startAngle, 3.14 - 0.52);
        QCOMPARE(h.spanAngle, 1.04);
        QCOMPARE(h.outerRadius, 100.0);
        QCOMPARE(h.innerRadius, 75.0);
        // Straight up: reversed is 4.71, so the wedge starts at 4.19.
        h = arrowHead(QPoint(1000, 1000), QPoint(1000, 200));
        QCOMPARE(h.startAngle, 4.71 - 0.52);
        // Straight down: reversed 4.71 + 3.14 wraps to 1.57.
        QVERIFY(std::abs(arrowHead(QPoint(0, 0), QPoint(0, 500)).startAngle - (1.57 - 0.52)) < 1e-9);

        // A chord of 2000 bulging 500 upwards: half an ellipse through the bulge.
        CurveArc arc = curveArc(DrillLine::curve(0, QPoint(1000, 1000), QPoint(3000, 1000), QPoint(2000, 500)));
        QVERIFY(arc.drawable);
        QCOMPARE(arc.centre, QPointF(2000, 1000));
        QCOMPARE(arc.radius, 1000.0);
        QCOMPARE(arc.startAngle, 3.14);
        QCOMPARE(arc.endAngle, 0.0);
        QCOMPARE(arc.aspect, 0.5);
        QCOMPARE(arc.side, -1);
        QList<QPointF> pts = curvePoints(arc, 4);
        QCOMPARE(pts.size(), 5);
        QVERIFY(QLineF(pts.first(), QPointF(1000, 1000)).length() < 1e-6);
        QVERIFY(QLineF(pts[2], QPointF(2000, 500)).length() < 1e-6);
        QVERIFY(QLineF(pts.last(), QPointF(3000, 1000)).length() < 1e-6);
        // The same chord bulging downwards takes the other half.
        arc = curveArc(DrillLine::curve(0, QPoint(1000, 1000), QPoint(3000, 1000), QPoint(2000, 1300)));
        QCOMPARE(arc.side, 1);
        QCOMPARE(arc.aspect, 0.3);
        QVERIFY(QLineF(curvePoints(arc, 4)[2], QPointF(2000, 1300)).length() < 1e-6);
        // A slanted chord with the bulge as far out as the radius: a half circle through it.
        arc = curveArc(DrillLine::curve(0, QPoint(0, 0), QPoint(2000, 2000), QPoint(2000, 0)));
        QVERIFY(std::abs(arc.aspect - 1.0) < 1e-9);
        QVERIFY(QLineF(curvePoints(arc, 2)[1], QPointF(2000, 0)).length() < 1e-6);
        // Pending bulge, or a chord of no length: nothing to draw.
        QVERIFY(!curveArc(DrillLine::curve(0, QPoint(1, 1), QPoint(500, 1), QPoint(-1, -1))).drawable);
        QVERIFY(!curveArc(DrillLine::curve(0, QPoint(9, 9), QPoint(9, 9), QPoint(100, 100))).drawable);
        QVERIFY(curvePoints(CurveArc{}, 10).isEmpty());
    }

    void markers()
    {
        DrillDiagram d;
        int placed = 0;
        for (int kind : {0, 1, 5, 8})
            QCOMPARE(d.addMarker(kind, QPoint(kind * 300, 100)), ++placed);
        const DrillDiagram before = d;
        d.removeMarker(2);  // to the bench
        QCOMPARE(d.markerCount(), 3);
        QCOMPARE(d.marker(1), (DrillMarker{0, QPoint(0, 100)}));
        QCOMPARE(d.marker(2), (DrillMarker{5, QPoint(1500, 100)}));
        QCOMPARE(d.marker(3), (DrillMarker{8, QPoint(2400, 100)}));
        d.insertMarker(2, before.marker(2));  // undo
        QCOMPARE(d, before);
        d.removeMarker(9);  // no such marker
        QCOMPARE(d, before);
        // The topmost marker is the one picked; the square ends at the marker size.
        d.moveMarker(4, QPoint(100, 150));
        QCOMPARE(d.markerAt(QPointF(200, 200)), 4);
        QCOMPARE(d.markerAt(QPointF(20, 120)), 1);
        QCOMPARE(d.markerAt(QPointF(20, 101 + kDrillMarkerSize)), 0);

        // The palette: tooltips as the coach knows them, in three frames, each with its picture.
        QCOMPARE(markerToolTip(5), QStringLiteral("Stadning Defender"));
        QCOMPARE(markerToolTip(2), QStringLiteral("Right Running/Kicking Attacker"));
        QCOMPARE(markerToolTip(8), QStringLiteral("Soccer Ball"));
        QCOMPARE(markerToolTip(9), QString());
        QCOMPARE(markerImageStem(6), QStringLiteral("pDefenseRL"));
        QCOMPARE(markerImagePath(4), QStringLiteral(":/markers/pCone.svg"));
        QStringList captions;
        QList<int> kinds;
        for (const MarkerGroup& g : markerPalette()) {
            captions << g.caption;
            kinds += g.kinds;
        }
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("Attackers"), QStringLiteral("Defenders"), QStringLiteral("Equipment")}));
        std::sort(kinds.begin(), kinds.end());
        QCOMPARE(kinds, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
        for (int kind = 0; kind < kDrillMarkerKinds; ++kind)
            QVERIFY2(QSvgRenderer(markerImagePath(kind)).isValid(), qPrintable(markerImagePath(kind)));

        QCOMPARE(drillDisciplines(1), (QStringList{QStringLiteral("Attacking"), QStringLiteral("Defending")}));
        QCOMPARE(drillDisciplines(0).size(), 6);
        QCOMPARE(drillStages(0).last(), QStringLiteral("Match Conditions"));
        QCOMPARE(drillStages(1).at(1), QStringLiteral("Small Group (2 v 1,2 v 2,3 v 2,3 v 3,etc/)"));
        QCOMPARE(drillTypeName(1), QStringLiteral("Tactics"));
    }

    void numbering()
    {
        QCOMPARE(nextDrillId(), 1001);  // built-in drills only
        execSql(QStringLiteral("DELETE FROM DrillData"));
        execSql(QStringLiteral("DELETE FROM DrillBook"));
        QCOMPARE(addDrill(QStringLiteral("First"), 0), 1001);  // empty library
        addBook(1007, QStringLiteral("Seventh"), 1);
        QCOMPARE(addDrill(QStringLiteral("Eighth"), 1), 1008);
        QCOMPARE(copyDrill(1007, QStringLiteral("Copy")), 1009);
        // An agenda still naming a removed drill keeps its number from being handed out again.
        insertRow(QStringLiteral("PracticeDrill"),
                  fields(QStringLiteral("RowNo TeamNo PracticeID DrillID"), {1, 1, 1, 1020}));
        QCOMPARE(nextDrillId(), 1021);
        // An empty name adds nothing.
        QCOMPARE(addDrill(QStringLiteral("  "), 0), 0);
        QCOMPARE(copyDrill(1007, QString()), 0);
        QCOMPARE(copyDrill(4444, QStringLiteral("Nothing to copy")), 0);
        QCOMPARE(countRows(QStringLiteral("DrillBook")), 4);
    }

    void listsCopiesAndRemoval()
    {
        const qint32 own = addDrill(QStringLiteral("apple Passing"), 1);
        Drill d = *loadDrill(own);
        QCOMPARE(d.type, qint16(1));
        QCOMPARE(d.discipline, QString());
        d.discipline = QStringLiteral("Attacking");
        d.diagram = giveAndGo();
        QVERIFY(saveDrill(d));

        auto names = [](int index) {
            QStringList out;
            for (const DrillListEntry& e : FillDrillList(index))
                out << QStringLiteral("%1 %2").arg(e.id).arg(e.name);
            return out;
        };
        QCOMPARE(names(2), (QStringList{QStringLiteral("1001 apple Passing"), QStringLiteral("250 Back Four Shape"),
                                        QStringLiteral("1 Zig Zag Dribble")}));
        QCOMPARE(names(0), QStringList{QStringLiteral("1 Zig Zag Dribble")});
        QCOMPARE(names(1).size(), 2);

        // A copy of a built-in drill is the coach's own, with the diagram; the original stays.
        const qint32 copy = copyDrill(250, QStringLiteral("My Back Four"));
        QCOMPARE(copy, 1002);
        const Drill c = *loadDrill(copy);
        QCOMPARE(c.name, QStringLiteral("My Back Four"));
        QCOMPARE(c.type, qint16(1));
        QCOMPARE(c.diagram.markers(), (QList<DrillMarker>{{5, QPoint(400, 400)}}));
        QVERIFY(!c.isBuiltIn());
        const qint32 copy2 = copyDrill(own, QStringLiteral("Give and go again"));
        QCOMPARE(loadDrill(copy2)->diagram, d.diagram);

        QVERIFY(removeDrill(own));
        QVERIFY(!loadDrill(own));
        QCOMPARE(countRows(QStringLiteral("DrillData"), {{QStringLiteral("DrillID"), own}}), 0);
        QCOMPARE(loadDrill(copy2)->diagram, d.diagram);
        // The library's own drills are read-only.
        QVERIFY(!removeDrill(250));
        QVERIFY_THROWS_EXCEPTION(PwError, saveDrill(*loadDrill(250)));
        Drill unnumbered = d;
        unnumbered.id = 0;
        QVERIFY_THROWS_EXCEPTION(PwError, saveDrill(unnumbered));
        QCOMPARE(dataRows(250), QStringList{QStringLiteral("1/5/1/400/400/-/-/-/-/-/-/-")});
        QCOMPARE(countRows(QStringLiteral("DrillBook")), 4);
    }

    void saveAndReload()
    {
        Drill d = *loadDrill(addDrill(QStringLiteral("Smith's \"Give\"; & Go"), 0));
        d.discipline = QStringLiteral("Passing");
        d.stage = QStringLiteral("Match Related");
        d.description = QStringLiteral("Play a one-two past the defender.");
        d.explanation = QStringLiteral("A passes to B, runs; B returns it first time.\nRotate.");
        d.development = QStringLiteral("Add a second defender ⚽");
        d.diagram.addMarker(0, QPoint(900, 1700));
        d.diagram.addMarker(5, QPoint(2300, 1500));
        d.diagram.addLine({drill::kPlainLine, 2, 100, 200, 300, 400, 77, 88});  // a stray bulge is not kept
        d.diagram.addLine(DrillLine::straight(drill::kArrowLine, 1, QPoint(10, 20), QPoint(30, 40)));
        d.diagram.addLine(DrillLine::curve(0, QPoint(1000, 1000), QPoint(3000, 1000), QPoint(2000, 500)));
        QVERIFY(saveDrill(d));
        QCOMPARE(dataRows(d.id), (QStringList{
                                     QStringLiteral("1/0/1/900/1700/-/-/-/-/-/-/-"),
                                     QStringLiteral("1/5/2/2300/1500/-/-/-/-/-/-/-"),
                                     QStringLiteral("2/-/0/-/-/100/200/300/400/0/0/2"),
                                     QStringLiteral("3/-/1/-/-/10/20/30/40/0/0/1"),
                                     QStringLiteral("4/-/2/-/-/1000/1000/3000/1000/2000/500/0"),
                                 }));
        Drill expected = d;
        DrillDiagram clean;
        for (const DrillMarker& m : d.diagram.markers())
            clean.addMarker(m.kind, m.topLeft);
        clean.addLine({drill::kPlainLine, 2, 100, 200, 300, 400, 0, 0});
        clean.addLine(d.diagram.lines().at(1));
        clean.addLine(d.diagram.lines().at(2));
        expected.diagram = clean;
        QCOMPARE(*loadDrill(d.id), expected);

        // Saving again replaces the diagram; a drill read needs the same two statements, however big.
        d.diagram = giveAndGo();
        for (int i = 0; i < 30; ++i)
            d.diagram.addLine(DrillLine::straight(drill::kPlainLine, 0, QPoint(i * 100, 0), QPoint(i * 100, 3000)));
        QVERIFY(saveDrill(d));
        QCOMPARE(countRows(QStringLiteral("DrillData"), {{QStringLiteral("DrillID"), d.id}}), 8 + 35);
        quint64 before = statementCount();
        QCOMPARE(loadDrill(d.id)->diagram, d.diagram);
        QCOMPARE(statementCount() - before, quint64(2));
        before = statementCount();
        QList<qint32> got;
        for (const Drill& one : loadDrills({250, d.id, 1, 9999, 250}))
            got << one.id;
        QCOMPARE(got, (QList<qint32>{250, d.id, 1, 250}));  // an agenda may use a drill twice
        QCOMPARE(statementCount() - before, quint64(2));
    }

    // Names, copy names and stages longer than their columns are cut before a character that would
    // not fit whole: an emoji at the edge goes rather than becoming a broken one.
    void longTextsAreCutBetweenWholeCharacters()
    {
        const QString start(49, QLatin1Char('x'));
        const QString goal = QString::fromUtf8("\xF0\x9F\xA5\x85");
        const qint32 id = addDrill(start + goal + QStringLiteral(" Finishing"), 0);
        QCOMPARE(loadDrill(id)->name, start);
        QCOMPARE(loadDrill(copyDrill(id, start + goal))->name, start);
        Drill d = *loadDrill(id);
        d.discipline = QStringLiteral("Shooting");
        d.name = QStringLiteral("Finishing ") + goal;  // fits: kept whole
        d.stage = start + goal;
        QVERIFY(saveDrill(d));
        QCOMPARE(loadDrill(id)->name, d.name);
        QCOMPARE(loadDrill(id)->stage, start);
    }

    void refusedSaves()
    {
        Drill d = *loadDrill(addDrill(QStringLiteral("Rondo"), 0));
        d.discipline = QStringLiteral("Warmup");
        d.diagram = giveAndGo();
        QVERIFY(saveDrill(d));
        const QStringList stored = dataRows(d.id);

        // No discipline: the coach is told, and nothing is written.
        Drill changed = d;
        changed.discipline.clear();
        changed.description = QStringLiteral("changed");
        changed.diagram.clearLines();
        QVERIFY(!saveDrill(changed));
        const ScriptedPrompter::Shown shown = env.prompter.find(QStringLiteral("Missing Data"));
        QCOMPARE(shown.text, QStringLiteral("You must specify which discipline this drill is designed to improve."));
        QCOMPARE(shown.icon, Prompter::Icon::Critical);
        QCOMPARE(*loadDrill(d.id), d);

        // The store refuses a curve row part-way: the drill stays as it was, texts and all.
        changed.discipline = QStringLiteral("Conditioning");
        changed.diagram = giveAndGo();
        changed.diagram.removeMarker(1);
        {
            Refusal refusal(QStringLiteral("DrillData"), QStringLiteral("INSERT"), QStringLiteral("NEW.GnomeType = 4"));
            QVERIFY_THROWS_EXCEPTION(PwError, saveDrill(changed));
        }
        QCOMPARE(*loadDrill(d.id), d);
        QCOMPARE(dataRows(d.id), stored);
    }

    void forgivingLoads()
    {
        const qint32 id = addDrill(QStringLiteral("Damaged"), 0);
        const QString cols =
            QStringLiteral("DrillID GnomeType BaseGnomeNo FieldGnomeNo GnomeXPos GnomeYPos X1 Y1 X2 Y2 MX MY PassType");
        const QVariant n;
        const QList<QVariantList> rows{
            {id, 1, 12, 1, 500, 500, n, n, n, n, n, n, n},        // a kind this program does not know
            {id, 1, 4, 2, n, n, n, n, n, n, n, n, n},             // no position
            {id, 1, 8, 3, 9000, -50, n, n, n, n, n, n, n},        // off the field
            {id, 1, n, 4, 100, 100, n, n, n, n, n, n, n},         // no kind
            {id, 2, n, 0, n, n, 10, 10, n, 50, n, n, 0},          // no end point
            {id, 7, n, 1, n, n, 10, 10, 20, 20, n, n, 0},         // a line kind nobody knows
            {id, 4, n, 2, n, n, 100, 100, 900, 100, n, n, 1},     // a curve without a bulge
            {id, 4, n, 3, n, n, 100, 100, 900, 100, -1, -1, 1},   // a curve still waiting for it
            {id, 3, n, 4, n, n, 100, 100, 7000, 100, 55, 66, n},  // runs off the field, stray bulge
            {id, n, n, 5, n, n, 1, 1, 2, 2, n, n, n},             // no type at all
        };
        for (const QVariantList& r : rows)
            insertRow(QStringLiteral("DrillData"), fields(cols, r));

        const std::optional<Drill> d = loadDrill(id);
        QVERIFY(d);
        QCOMPARE(d->diagram.markers(), (QList<DrillMarker>{{12, QPoint(500, 500)},
                                                           {4, QPoint(0, 0)},
                                                           {8, QPoint(kDrillFieldWidth - kDrillMarkerSize, 0)},
                                                           {-1, QPoint(100, 100)}}));
        QCOMPARE(d->diagram.lines(), (QList<DrillLine>{{4, 1, 100, 100, 900, 100, -1, -1},
                                                       {4, 1, 100, 100, 900, 100, -1, -1},
                                                       {3, 0, 100, 100, 7000, 100, 0, 0}}));
        // It draws what it can: the unknown kind as a ring, the arrow up to the field's edge.
        const QImage image = render(d->diagram, false);
        QVERIFY(offGreen(image, QRect(50, 50, 24, 24)) > 50);
        QVERIFY(offGreen(image, QRect(300, 8, 20, 4)) > 10);
        QVERIFY(!loadDrill(4242));
    }

    void drawing()
    {
        const QImage empty = render(DrillDiagram{}, false);
        QCOMPARE(empty.pixelColor(270, 180), kDrillFieldGreen);
        QCOMPARE(offGreen(empty, QRect(5, 5, 530, 350)), 0);
        // The grid: 10 columns of 540 and 10 rows of 360 twips.
        QCOMPARE(drillGridColumnSpacing(), 540);
        QCOMPARE(drillGridRowSpacing(), 360);
        const QImage grid = render(DrillDiagram{}, true);
        QVERIFY(offGreen(grid, QRect(52, 100, 4, 1)) > 0);
        QVERIFY(offGreen(grid, QRect(100, 34, 1, 4)) > 0);
        QCOMPARE(offGreen(grid, QRect(56, 38, 50, 30)), 0);
        QCOMPARE(grid.pixelColor(80, 50), kDrillFieldGreen);

        // Markers show their pictures; a pending curve adds nothing.
        DrillDiagram d;
        d.addMarker(0, QPoint(1000, 1000));
        d.addMarker(8, QPoint(3000, 2000));
        d.addLine(DrillLine::curve(0, QPoint(200, 3000), QPoint(5000, 3000), QPoint(-1, -1)));
        const QImage image = render(d, false);
        QVERIFY(offGreen(image, QRect(100, 100, 24, 24)) > 60);
        QVERIFY(offGreen(image, QRect(300, 200, 24, 24)) > 60);
        QCOMPARE(offGreen(image, QRect(5, 260, 530, 90)), 0);
        // A line is drawn twice as wide while the coach draws it (the dotted style excepted).
        auto thickness = [](const DrillLine& line, bool pending) {
            QImage img(540, 360, QImage::Format_ARGB32);
            img.fill(kDrillFieldGreen);
            QPainter p(&img);
            if (pending) {
                paintPendingLine(p, line, QRectF(img.rect()));
            } else {
                p.setTransform(drillFieldTransform(QRectF(img.rect())));
                paintDrillLine(p, line);
            }
            p.end();
            return offGreen(img, QRect(270, 160, 1, 40));
        };
        const DrillLine across = DrillLine::straight(drill::kPlainLine, 0, QPoint(0, 1800), QPoint(5400, 1800));
        QVERIFY(thickness(across, true) > thickness(across, false));
        QVERIFY(thickness(across, false) > 0);
        // A curve awaiting its bulge shows its chord while it is drawn.
        QVERIFY(thickness(DrillLine::curve(0, QPoint(0, 1800), QPoint(5400, 1800), QPoint(-1, -1)), true) > 0);

        // A club-size diagram paints: 30 markers and 40 lines of every kind.
        DrillDiagram big;
        for (int i = 0; i < 30; ++i)
            big.addMarker(i % 9, QPoint(150 * i + 100, (i * 577) % 3300));
        for (int i = 0; i < 40; ++i) {
            const QPoint a(130 * i, (i * 331) % 3600), b(5400 - 120 * i, (i * 713) % 3600);
            big.addLine(i % 3 == 2 ? DrillLine::curve(qint16(i % 3), a, b, QPoint(2700, 1800))
                                   : DrillLine::straight(qint16(2 + i % 3), qint16(i % 3), a, b));
        }
        QImage bigImage;
        QBENCHMARK
        {
            bigImage = render(big, true, QSize(1080, 720));
        }
        const QImage gridOnly = render(DrillDiagram{}, true, QSize(1080, 720));
        QVERIFY(offGreen(bigImage, bigImage.rect()) > offGreen(gridOnly, gridOnly.rect()) + 20000);
    }

    // The look of a diagram and of the nine pictures, for a person to judge.
    void screenshots()
    {
        DrillDiagram d = giveAndGo();
        QImage image(1080, 720, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        paintDrill(p, d, QRectF(image.rect()), true);
        p.end();
        QVERIFY(offGreen(image, QRect(180, 340, 48, 48)) > 200);  // the standing attacker
        saveScreenshot(image, QStringLiteral("drill-diagram"));

        QImage palette(9 * 110, 130, QImage::Format_ARGB32);
        palette.fill(kDrillFieldGreen);
        QPainter pp(&palette);
        for (int kind = 0; kind < kDrillMarkerKinds; ++kind) {
            paintMarkerImage(pp, kind, QRectF(kind * 110 + 7, 7, 96, 96));
            paintMarkerImage(pp, kind, QRectF(kind * 110 + 47, 108, 16, 16));  // full scale on screen
        }
        pp.end();
        saveScreenshot(palette, QStringLiteral("drill-markers"));
    }
};

QTEST_MAIN(TestDrills)
#include "tst_drills.moc"

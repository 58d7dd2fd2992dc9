// SPDX-License-Identifier: GPL-3.0-or-later
// "Drill Maintenance" as the coach uses it: the list and its sorting, the type lists, built-in
// drills shown read-only, adding, copying and removing drills, markers placed, moved and benched
// with undo, lines and curves drawn with the mouse and stored, and the unsaved-changes question.
#include "TestSupport.h"

#include "ui/practice/DrillField.h"
#include "ui/practice/dlgDrillMaint.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QUndoStack>

using namespace pw;
using namespace pwtest;

namespace {

QStringList listNames(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

int rowOf(QListWidget* list, qint32 id)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->data(Qt::UserRole).toInt() == id)
            return i;
    }
    return -1;
}

QStringList comboItems(QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// The left button on the field at a point given in field twips, as the mouse sends it.
void mouseAt(DrillField& f, QEvent::Type type, QPoint twips)
{
    const QPointF pos = f.toWidget(twips);
    const bool move = type == QEvent::MouseMove;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, f.mapToGlobal(pos), move ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&f, &e);
}

void stroke(DrillField& f, QPoint from, QPoint to)
{
    mouseAt(f, QEvent::MouseButtonPress, from);
    mouseAt(f, QEvent::MouseMove, (from + to) / 2);
    mouseAt(f, QEvent::MouseMove, to);
    mouseAt(f, QEvent::MouseButtonRelease, to);
}

// Encoded marker data dragged onto a widget and let go at a widget point, as a drag delivers it.
void dropOn(QWidget* target, QPointF pos, const QByteArray& data)
{
    QMimeData mime;
    mime.setData(QString::fromLatin1(kDrillMarkerMime), data);
    QDragEnterEvent enter(pos.toPoint(), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(pos, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

bool near(QPoint a, QPoint b)
{
    return (a - b).manhattanLength() <= 40;  // a pixel or two at the field's scale
}

}  // namespace

class TestDrillWindow : public StoreTest {
    Q_OBJECT

private:
    // Only the built-in library, and no agenda pointing at a drill number.
    static void ownDrillsGone()
    {
        for (const DrillListEntry& e : FillDrillList(2)) {
            if (e.id >= 1000)
                removeDrill(e.id);
        }
    }
    static QStringList storedLines(qint32 id)
    {
        return queryRows(QStringLiteral("SELECT GnomeType, X1, Y1, X2, Y2, MX, MY, PassType FROM DrillData "
                                        "WHERE DrillID = ? AND GnomeType > 1 ORDER BY FieldGnomeNo"),
                         {id});
    }

private Q_SLOTS:
    void init()
    {
        env.reset();
        emptyTables();
        ownDrillsGone();
    }

    // The window opens on an empty field: focus arriving in the list chooses no drill (and draws
    // no second frame); the arrow keys from the top, or a click, do.
    void openingChoosesNoDrillUntilTheCoachDoes()
    {
        dlgDrillMaint w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* list = child<QListWidget>(&w, "DrillList");
        list->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(list->hasFocus());
        QTest::qWait(80);
        QCOMPARE(w.currentDrillId(), 0);
        QCOMPARE(list->currentRow(), -1);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 0);
        QTRY_COMPARE(w.currentDrillId(), list->item(0)->data(Qt::UserRole).toInt());
        list->clearFocus();
        list->setFocus(Qt::TabFocusReason);  // coming back keeps the coach's drill
        QTest::qWait(80);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(w.currentDrillId(), list->item(0)->data(Qt::UserRole).toInt());
    }

    void listSortingAndTypeLists()
    {
        dlgDrillMaint w;
        w.show();
        auto* list = child<QListWidget>(&w, "DrillList");
        QStringList all;
        for (const DrillListEntry& e : FillDrillList(2))
            all << e.name;
        QCOMPARE(listNames(list), all);
        QVERIFY(all.size() >= 40);
        QVERIFY(child<QAction>(&w, "SortBy_2")->isChecked());

        for (int filter : {1, 0}) {
            child<QAction>(&w, filter == 1 ? "SortBy_1" : "SortBy_0")->trigger();
            const QList<DrillListEntry> only = FillDrillList(filter);
            QCOMPARE(list->count(), only.size());
            QVERIFY(list->count() > 0 && list->count() < all.size());
            for (const DrillListEntry& e : only)
                QCOMPARE(e.type, filter);
            QCOMPARE(child<QAction>(&w, "SortBy_0")->isChecked(), filter == 0);
            QCOMPARE(child<QAction>(&w, "SortBy_1")->isChecked(), filter == 1);
            QVERIFY(!child<QAction>(&w, "SortBy_2")->isChecked());
        }

        // Switching the type of an own drill replaces both lists; "Attacking", known to both, stays.
        env.prompter.inputs = {QStringLiteral("Rondo")};
        child<QAction>(&w, "mnuAddNew")->trigger();
        auto* discipline = child<QComboBox>(&w, "txtDiscipline");
        auto* stage = child<QComboBox>(&w, "txtStage");
        QCOMPARE(comboItems(discipline), drillDisciplines(0));
        QCOMPARE(comboItems(stage), drillStages(0));
        discipline->setCurrentText(QStringLiteral("Attacking"));
        QTest::mouseClick(child<QRadioButton>(&w, "optDrillType_1"), Qt::LeftButton);
        QCOMPARE(w.drillType(), 1);
        QCOMPARE(comboItems(discipline), (QStringList{"Attacking", "Defending"}));
        QCOMPARE(comboItems(stage), drillStages(1));
        QCOMPARE(discipline->currentText(), QStringLiteral("Attacking"));
        QTest::mouseClick(child<QRadioButton>(&w, "optDrillType_0"), Qt::LeftButton);
        QCOMPARE(comboItems(discipline), drillDisciplines(0));
        QVERIFY(w.isDirty());
    }

    void builtInDrillIsReadOnly()
    {
        dlgDrillMaint w;
        w.show();
        auto* list = child<QListWidget>(&w, "DrillList");
        // A built-in drill that has a diagram.
        qint32 id = 0;
        for (const DrillListEntry& e : FillDrillList(2)) {
            if (!id && loadDrill(e.id)->diagram.markerCount() > 0)
                id = e.id;
        }
        QVERIFY(id > 0 && id < 1000);
        list->setCurrentRow(rowOf(list, id));
        QTRY_COMPARE(w.currentDrillId(), id);

        const Drill stored = *loadDrill(id);
        QCOMPARE(w.diagram(), stored.diagram);
        QCOMPARE(child<QPlainTextEdit>(&w, "txtDescription")->toPlainText(), stored.description);
        QCOMPARE(child<QComboBox>(&w, "txtDiscipline")->currentText(), stored.discipline);
        auto* label = child<QLabel>(&w, "lblupdate");
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("This is a system drill and is not modifiable."));
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());
        QVERIFY(!child<QAction>(&w, "mnuUpdate")->isEnabled());
        QVERIFY(!child<QAction>(&w, "mnuRemove")->isEnabled());
        QVERIFY(child<QAction>(&w, "mnuAddCopy")->isEnabled());
        QVERIFY(child<QPlainTextEdit>(&w, "txtExplanation")->isReadOnly());
        QVERIFY(!child<QComboBox>(&w, "txtStage")->isEnabled());
        QVERIFY(!child<QWidget>(&w, "Gnome_0")->isEnabled());
        QVERIFY(!child<QPushButton>(&w, "ClearPass")->isEnabled());

        // Neither drops, keys nor the mouse change its diagram.
        w.PracticeField_DragDrop(MarkerDrag{false, 0, {}}, QPoint(100, 100));
        w.Garbage_DragDrop(1);
        stroke(w.field(), QPoint(500, 500), QPoint(2500, 1500));
        QCOMPARE(w.diagram(), stored.diagram);
        QCOMPARE(w.undoStack()->count(), 0);
        QVERIFY(!w.isDirty());

        // An own drill takes the label away again.
        env.prompter.inputs = {QStringLiteral("Mine")};
        child<QAction>(&w, "mnuAddNew")->trigger();
        QVERIFY(!label->isVisible());
        QVERIFY(child<QPushButton>(&w, "OKButton")->isEnabled());
    }

    void addUpdateCopyAndRemove()
    {
        dlgDrillMaint w;
        w.show();
        auto* list = child<QListWidget>(&w, "DrillList");
        const int before = list->count();

        // Cancelled or empty: nothing is added.
        env.prompter.inputs = {std::nullopt, QStringLiteral("   ")};
        child<QAction>(&w, "mnuAddNew")->trigger();
        child<QAction>(&w, "mnuAddNew")->trigger();
        QCOMPARE(list->count(), before);
        QCOMPARE(env.prompter.shown.size(), 2);
        QCOMPARE(env.prompter.shown[0].title, QStringLiteral("New Drill"));
        QCOMPARE(env.prompter.shown[0].text, QStringLiteral("Enter the name of the new drill."));

        env.prompter.inputs = {QStringLiteral("Give and Go")};
        child<QAction>(&w, "mnuAddNew")->trigger();
        QCOMPARE(w.currentDrillId(), 1001);
        QCOMPARE(list->count(), before + 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Give and Go"));
        QCOMPARE(child<QLineEdit>(&w, "txtDrillName")->text(), QStringLiteral("Give and Go"));

        // No discipline: told, nothing stored.
        env.prompter.clear();
        child<QPlainTextEdit>(&w, "txtDescription")->setPlainText(QStringLiteral("Beat a defender with a wall pass"));
        w.PracticeField_DragDrop(MarkerDrag{false, 0, {}}, QPoint(900, 1700));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        const auto missing = env.prompter.find(QStringLiteral("Missing Data"));
        QCOMPARE(missing.text, QStringLiteral("You must specify which discipline this drill is designed to improve."));
        QCOMPARE(missing.icon, Prompter::Icon::Critical);
        QVERIFY(loadDrill(1001)->description.isEmpty());
        QVERIFY(w.isDirty());

        child<QComboBox>(&w, "txtDiscipline")->setCurrentText(QStringLiteral("Passing"));
        child<QComboBox>(&w, "txtStage")->setCurrentText(QStringLiteral("Fundamental"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        QVERIFY(!w.isDirty());
        const Drill saved = *loadDrill(1001);
        QCOMPARE(saved.discipline, QStringLiteral("Passing"));
        QCOMPARE(saved.stage, QStringLiteral("Fundamental"));
        QCOMPARE(saved.description, QStringLiteral("Beat a defender with a wall pass"));
        QCOMPARE(saved.diagram, w.diagram());

        // The copy takes the next number, the texts and the diagram.
        env.prompter.clear();
        env.prompter.inputs = {QStringLiteral("Give and Go 2")};
        child<QAction>(&w, "mnuAddCopy")->trigger();
        QCOMPARE(env.prompter.shown.value(0).title, QStringLiteral("New Drill"));
        QCOMPARE(env.prompter.shown.value(0).text, QStringLiteral("Enter New Drill Name:"));
        QCOMPARE(w.currentDrillId(), 1002);
        const Drill copy = *loadDrill(1002);
        QCOMPARE(copy.name, QStringLiteral("Give and Go 2"));
        QCOMPARE(copy.discipline, saved.discipline);
        QCOMPARE(copy.diagram, saved.diagram);
        QCOMPARE(w.diagram(), saved.diagram);

        // Removing goes at once, without a question.
        env.prompter.clear();
        child<QAction>(&w, "mnuRemove")->trigger();
        QVERIFY(env.prompter.shown.isEmpty());
        QVERIFY(!loadDrill(1002).has_value());
        QCOMPARE(rowOf(list, 1002), -1);
        QCOMPARE(w.currentDrillId(), 0);
        QVERIFY(!child<QPushButton>(&w, "OKButton")->isEnabled());
    }

    void markersPlacedMovedAndBenched()
    {
        dlgDrillMaint w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        env.prompter.inputs = {QStringLiteral("Shadow Play")};
        child<QAction>(&w, "mnuAddNew")->trigger();
        DrillField& f = w.field();

        // A palette drop lands where the picture was held: drop point less the grab offset.
        dropOn(&f, f.toWidget(QPoint(1000, 1000)), MarkerDrag{false, 4, QPoint(120, 120)}.encode());
        QCOMPARE(w.diagram().markerCount(), 1);
        QCOMPARE(w.diagram().marker(1).kind, 4);
        QVERIFY(near(w.diagram().marker(1).topLeft, QPoint(880, 880)));
        // Dropped half off the field, it stays on it.
        dropOn(&f, f.toWidget(QPoint(5390, 3590)), MarkerDrag{false, 5, QPoint(0, 0)}.encode());
        QCOMPARE(w.diagram().marker(2).topLeft, QPoint(5400 - 240, 3600 - 240));
        w.PracticeField_DragDrop(MarkerDrag{false, 8, {}}, QPoint(3000, 2000));
        w.PracticeField_DragDrop(MarkerDrag{true, 1, {}}, QPoint(400, 300));
        QCOMPARE(w.diagram().marker(1).topLeft, QPoint(400, 300));
        QVERIFY(w.isDirty());

        // Benching marker 2 moves the ball down to number 2.
        dropOn(child<QWidget>(&w, "Garbage"), QPointF(5, 5), MarkerDrag{true, 2, {}}.encode());
        QCOMPARE(w.diagram().markerCount(), 2);
        QCOMPARE(w.diagram().marker(2).kind, 8);
        QCOMPARE(w.undoStack()->count(), 5);
        w.undoStack()->undo();
        QCOMPARE(w.diagram().marker(2).kind, 5);
        QCOMPARE(w.diagram().marker(3).kind, 8);
        w.undoStack()->undo();
        QVERIFY(near(w.diagram().marker(1).topLeft, QPoint(880, 880)));
        w.undoStack()->redo();
        w.undoStack()->redo();
        QCOMPARE(w.diagram().markerCount(), 2);

        // The keyboard: Enter on a palette item places one mid-field, arrows move the selected one
        // (held down, one undo step), Delete benches it.
        auto* flag = child<QWidget>(&w, "Gnome_3");
        flag->setFocus();
        QTest::keyClick(flag, Qt::Key_Return);
        QCOMPARE(w.diagram().markerCount(), 3);
        const QPoint centre = w.diagram().marker(3).topLeft;
        QCOMPARE(centre, QPoint((5400 - 240) / 2, (3600 - 240) / 2));
        QCOMPARE(f.selectedMarker(), 3);
        const int steps = w.undoStack()->count();
        f.setFocus();
        QTest::keyClick(&f, Qt::Key_Right);
        QTest::keyClick(&f, Qt::Key_Right);
        QTest::keyClick(&f, Qt::Key_Up);
        QCOMPARE(w.diagram().marker(3).topLeft, centre + QPoint(120, -60));
        QCOMPARE(w.undoStack()->count(), steps + 1);
        QTest::keyClick(&f, Qt::Key_PageDown);  // wraps round to marker 1
        QCOMPARE(f.selectedMarker(), 1);
        QTest::keyClick(&f, Qt::Key_Delete);
        QCOMPARE(w.diagram().markerCount(), 2);
        QCOMPARE(w.diagram().marker(1).kind, 8);
        w.undoStack()->undo();
        QCOMPARE(w.diagram().marker(1).kind, 4);
        w.undoStack()->setIndex(0);
        QVERIFY(w.diagram().isEmpty());
    }

    void linesAndCurvesDrawnAndStored()
    {
        dlgDrillMaint w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        env.prompter.inputs = {QStringLiteral("Overlap on the Wing")};
        child<QAction>(&w, "mnuAddNew")->trigger();
        DrillField& f = w.field();
        LineDrawing& d = w.lineDrawing();
        w.PracticeField_DragDrop(MarkerDrag{false, 0, {}}, QPoint(700, 2400));
        w.PracticeField_DragDrop(MarkerDrag{false, 1, {}}, QPoint(1800, 2600));
        w.PracticeField_DragDrop(MarkerDrag{false, 5, {}}, QPoint(3000, 1500));
        w.PracticeField_DragDrop(MarkerDrag{false, 8, {}}, QPoint(1000, 2600));
        w.PracticeField_DragDrop(MarkerDrag{false, 4, {}}, QPoint(4800, 400));

        // A run line with an arrow; the preview follows the mouse until the release.
        QTest::mouseClick(child<QToolButton>(&w, "chkLine_3"), Qt::LeftButton);
        QTest::mouseClick(child<QToolButton>(&w, "chkPassType_1"), Qt::LeftButton);
        mouseAt(f, QEvent::MouseButtonPress, QPoint(900, 2300));
        mouseAt(f, QEvent::MouseMove, QPoint(2000, 1500));
        QVERIFY(d.pending() && near(d.pending()->end(), QPoint(2000, 1500)));
        QVERIFY(w.diagram().lines().isEmpty());
        mouseAt(f, QEvent::MouseMove, QPoint(3600, 800));
        mouseAt(f, QEvent::MouseButtonRelease, QPoint(3600, 800));
        QCOMPARE(w.diagram().lines().size(), 1);
        const DrillLine arrow = w.diagram().lines()[0];
        QCOMPARE(arrow.kind, drill::kArrowLine);
        QCOMPARE(arrow.style, drill::kDashStyle);
        QVERIFY(near(arrow.start(), QPoint(900, 2300)) && near(arrow.end(), QPoint(3600, 800)));
        QVERIFY(!d.pending());

        // The plain line is always a pass line; a mere click draws nothing.
        QTest::mouseClick(child<QToolButton>(&w, "chkLine_2"), Qt::LeftButton);
        QCOMPARE(d.style(), drill::kSolidStyle);
        QVERIFY(child<QToolButton>(&w, "chkPassType_0")->isChecked());
        stroke(f, QPoint(1300, 3100), QPoint(2200, 3100));
        stroke(f, QPoint(4000, 3000), QPoint(4000, 3000));
        QCOMPARE(w.diagram().lines().size(), 2);

        // A dotted curve: the chord first, then the bulge click.
        QTest::mouseClick(child<QToolButton>(&w, "chkLine_4"), Qt::LeftButton);
        QTest::mouseClick(child<QToolButton>(&w, "chkPassType_2"), Qt::LeftButton);
        stroke(f, QPoint(2300, 3000), QPoint(4400, 3000));
        QVERIFY(d.awaitingBulge());
        QCOMPARE(d.pending()->mx, drill::kNoBulge);
        QCOMPARE(w.diagram().lines().size(), 2);
        mouseAt(f, QEvent::MouseMove, QPoint(3300, 2200));
        QVERIFY(d.pending()->hasBulge());
        mouseAt(f, QEvent::MouseButtonPress, QPoint(3350, 2100));
        mouseAt(f, QEvent::MouseButtonRelease, QPoint(3350, 2100));
        QCOMPARE(w.diagram().lines().size(), 3);
        const DrillLine curve = w.diagram().lines()[2];
        QCOMPARE(curve.kind, drill::kCurveLine);
        QCOMPARE(curve.style, drill::kDotStyle);
        QVERIFY(near(curve.bulge(), QPoint(3350, 2100)));
        QVERIFY(!d.isBusy());
        screenshot(&w, QStringLiteral("drill-editor"));

        // Stored and read back: the curve keeps its bulge, the plain line stores 0 there.
        child<QComboBox>(&w, "txtDiscipline")->setCurrentText(QStringLiteral("Attacking"));
        QTest::mouseClick(child<QPushButton>(&w, "OKButton"), Qt::LeftButton);
        const qint32 id = w.currentDrillId();
        const DrillDiagram drawn = w.diagram();
        w.openDrill(1);
        w.openDrill(id);
        QCOMPARE(w.diagram(), drawn);
        const QStringList rows = storedLines(id);
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[1].startsWith(QStringLiteral("2/")) && rows[1].endsWith(QStringLiteral("/0/0/0")),
                 qPrintable(rows[1]));
        QCOMPARE(rows[2], QStringLiteral("4/%1/%2/%3/%4/%5/%6/2")
                              .arg(curve.x1)
                              .arg(curve.y1)
                              .arg(curve.x2)
                              .arg(curve.y2)
                              .arg(curve.mx)
                              .arg(curve.my));

        // Clearing takes the lines and leaves the markers; undo brings them back.
        QTest::mouseClick(child<QPushButton>(&w, "ClearPass"), Qt::LeftButton);
        QVERIFY(w.diagram().lines().isEmpty());
        QCOMPARE(w.diagram().markerCount(), 5);
        QVERIFY(w.isDirty());
        w.undoStack()->undo();
        QCOMPARE(w.diagram(), drawn);
        QVERIFY(!w.isDirty());
    }

    void unsavedChangesAskedBeforeSwitching()
    {
        dlgDrillMaint w;
        w.show();
        auto* list = child<QListWidget>(&w, "DrillList");
        const qint32 a = addDrill(QStringLiteral("AAA Keep Away"), 0);
        const qint32 b = addDrill(QStringLiteral("AAB Wall Pass"), 0);
        w.FillDrillList(2);
        w.openDrill(a);
        child<QPlainTextEdit>(&w, "txtExplanation")->setPlainText(QStringLiteral("Five against two"));

        // Cancel: the drill and its text stay.
        env.prompter.answers = {Prompter::Answer::Cancel};
        list->setCurrentRow(rowOf(list, b));
        QCOMPARE(env.prompter.shown.value(0).title, QStringLiteral("Save Data"));
        QCOMPARE(env.prompter.shown.value(0).buttons, Prompter::Buttons::YesNoCancel);
        QCOMPARE(list->currentRow(), rowOf(list, a));
        QTest::qWait(80);
        QCOMPARE(w.currentDrillId(), a);
        QCOMPARE(child<QPlainTextEdit>(&w, "txtExplanation")->toPlainText(), QStringLiteral("Five against two"));

        // Yes without a discipline: told, and still on the drill.
        env.prompter.clear();
        env.prompter.answers = {Prompter::Answer::Yes};
        list->setCurrentRow(rowOf(list, b));
        QVERIFY(env.prompter.titles().contains(QStringLiteral("Missing Data")));
        QTest::qWait(80);
        QCOMPARE(w.currentDrillId(), a);

        // No: the changes are dropped and the other drill loads.
        env.prompter.answers = {Prompter::Answer::No};
        list->setCurrentRow(rowOf(list, b));
        QTRY_COMPARE(w.currentDrillId(), b);
        QVERIFY(loadDrill(a)->explanation.isEmpty());

        // A diagram change counts as well; Yes stores it before switching.
        child<QComboBox>(&w, "txtDiscipline")->setCurrentText(QStringLiteral("Warmup"));
        w.PracticeField_DragDrop(MarkerDrag{false, 3, {}}, QPoint(200, 200));
        env.prompter.clear();
        env.prompter.answers = {Prompter::Answer::Yes};
        list->setCurrentRow(rowOf(list, a));
        QTRY_COMPARE(w.currentDrillId(), a);
        QCOMPARE(loadDrill(b)->diagram.markerCount(), 1);
        QCOMPARE(env.prompter.shown.size(), 1);
    }
};

QTEST_MAIN(TestDrillWindow)
#include "tst_drillwindow.moc"

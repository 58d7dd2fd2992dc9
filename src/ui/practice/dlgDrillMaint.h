// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/DrillDiagram.h"
#include "core/practice/LineDrawing.h"
#include "ui/base/EditWindow.h"

#include <functional>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace pw {

class DrillBench;
class DrillField;
struct MarkerDrag;
class MarkerPaletteItem;

// "Drill Maintenance": the drill library. The coach picks a drill from the list, reads or edits
// its texts, type, discipline and stage, places markers from the palette on its field and draws
// pass and run lines; "Update" stores the drill. Built-in drills are shown read-only. Every change
// to the diagram is an undoable step; the texts mark the window changed.
class dlgDrillMaint : public EditWindow {
    Q_OBJECT
public:
    explicit dlgDrillMaint(QWidget* parent = nullptr);
    ~dlgDrillMaint() override;

    // The library, modal over parent: from the main window and the practice window.
    static void showDrills(QWidget* parent);

    // The open drill (0: none) and its diagram as edited.
    qint32 currentDrillId() const { return m_drill.id; }
    const DrillDiagram& diagram() const { return m_drill.diagram; }
    int drillType() const { return m_drill.type; }
    LineDrawing& lineDrawing() { return m_drawing; }
    DrillField& field() const { return *m_field; }

    // The window's procedures and handlers, public so that tests drive them as the coach would.
    void FillDrillList(int ActiveIndex);
    void SortBy_Click(int index);
    void optDrillType_Click(int index);
    // Shows the drill at once, its row picked in the list (a new or copied drill, tests). Unsaved
    // changes are the caller's to settle.
    void openDrill(qint32 drillId);
    void DrillSwitchTmr_Timer();
    void chkLine_Click(int kind);
    void chkPassType_Click(int style);
    void ClearPass_Click();
    void OKButton_Click();
    void AddNew_Click();
    void AddCopy_Click();
    void RemoveSelected_Click();
    // A marker dropped on the field: a new one from the palette or a placed one moved.
    void PracticeField_DragDrop(const MarkerDrag& drag, QPoint topLeft);
    // A placed marker dropped on the bench.
    void Garbage_DragDrop(int number);
    // The keyboard's ways to the same: a palette kind placed mid-field, the selected marker moved
    // or benched.
    void placeByKey(int kind);
    void moveByKey(int dx, int dy);
    void benchByKey();

protected:
    bool save() override;

private:
    // The constructor's parts, each adding its rows to the right-hand column in screen order.
    void buildFactRows(QVBoxLayout* right);
    void buildFieldRow(QVBoxLayout* right);
    void buildLineBoxes(QVBoxLayout* right);
    void buildTexts(QVBoxLayout* right);
    void buildButtons(QVBoxLayout* right);
    void setDrillTabOrder();
    void connectWidgets();
    void buildMenus();
    // Both lists for the type with the values picked; a value the list does not offer (an older
    // drill's) is kept when keepUnlisted, rather than lost on saving.
    void fillTypeLists(int type, const QString& discipline, const QString& stage, bool keepUnlisted = true);
    void clearDrill();
    void showDrill(qint32 drillId);
    void DrillList_Click(int row);
    void setEditable(bool editable);
    void syncLineBoxes();
    // Applies a change to the diagram as one undoable step named text; steps with the same
    // merge key (not -1) in a row become one, so holding an arrow key is one undo.
    void changeDiagram(const QString& text, const std::function<void(DrillDiagram&)>& change, int mergeKey = -1);
    void setDiagram(const DrillDiagram& diagram);
    void showAllTypes();
    qint32 listedDrillId(int row) const;
    friend class DrillDiagramCommand;

    Drill m_drill;
    int m_filter = 2;
    int m_shownRow = -1;  // the list row whose drill is open
    LineDrawing m_drawing;

    QListWidget* DrillList = nullptr;
    QLineEdit* txtDrillName = nullptr;
    QPlainTextEdit* txtDescription = nullptr;
    QPlainTextEdit* txtExplanation = nullptr;
    QPlainTextEdit* txtDevelopment = nullptr;
    QComboBox* txtDiscipline = nullptr;
    QComboBox* txtStage = nullptr;
    QButtonGroup* optDrillType = nullptr;
    DrillField* m_field = nullptr;
    DrillBench* Garbage = nullptr;
    QList<MarkerPaletteItem*> m_palette;
    QButtonGroup* chkLine = nullptr;
    QButtonGroup* chkPassType = nullptr;
    QPushButton* ClearPass = nullptr;
    QAbstractButton* chkGrid = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* lblupdate = nullptr;
    QTimer* DrillSwitchTmr = nullptr;
    QAction* m_addCopy = nullptr;
    QAction* m_remove = nullptr;
    QAction* m_update = nullptr;
    QList<QAction*> m_sortBy;
};

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/games/Lineup.h"
#include "core/games/LineupStore.h"
#include "ui/base/EditWindow.h"

#include <QModelIndex>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace pw {

class FieldView;
class LineupModel;
class PeriodThumb;

// "Lineup for …": the line-up board of one game. The coach picks a period, drags players from
// the roster grid onto the field (or keys them on), moves and removes them, copies periods, sets
// availability and captains, and saves. The board stays on the game it was opened for whatever
// the main window selects meanwhile; each game has at most one board open.
class GameSetup : public EditWindow {
    Q_OBJECT
public:
    GameSetup(const LineupGame& game, const QString& gameNodeText, QWidget* parent = nullptr);
    ~GameSetup() override;

    // Opens the board of the game without blocking, or brings its open board to the front.
    static GameSetup* openBoard(const LineupGame& game, const QString& gameNodeText, QWidget* parent);
    // The board open for the team's game, if any.
    static GameSetup* boardFor(qint16 teamNo, qint16 gameNo);

    const LineupGame& game() const { return m_game; }
    LineupBoard& board() { return m_board; }
    LineupModel& model() const { return *m_model; }
    QString note() const;
    qint16 selectedPlayer() const { return m_currentPlayer; }

    // The board's procedures and handlers, public so that tests drive them as the coach would.
    void FillPlayerGrid();
    void SelectRow(int lcRowNo);
    void ClearField(int FieldToClear);
    void LoadField();
    void Qtr1Pic_Click(int period);
    // A left press on a grid row's name cell: true when the drag may start.
    bool PlayerGrid_MouseDown(int row);
    // A drop on the field at (twips); moving for an icon already on it.
    void MainField_DragDrop(qint16 playerNo, QPoint twips, bool moving);
    // An icon dropped back onto the grid: off the field in the current period.
    void PlayerGrid_DragDrop(qint16 playerNo);
    // The keyboard: Enter on a row places the player at the next free spot for his position
    // (keyboardSpot), as one step that undo takes back; Delete takes the selected player off;
    // arrows on the field move his icon a grid step.
    void placeByKey();
    void removeByKey();
    void moveByKey(int stepsX, int stepsY);
    void CopyFromQ_Click(int period);
    // Prepares the grid's pop-up menu for a cell (enabling and captions, the cells it acts on).
    void prepareGridMenu(const QModelIndex& cell);
    void NAA_Click();
    void NANA_Click();
    void NACaptain_Click();
    void NAPTHistory_Click();
    void GameSave_Click();
    void GameDelete_Click();
    void GameCaptainHistory_Click();
    // "Suggest Line-up" (Ctrl+L): every period proposed around what is locked, as one undo step,
    // with a note of what it did. Placements only: nothing is stored until Save.
    void suggestLineup();
    // "Re-plan from Period n": the player (0 for none) is no longer available from the period on,
    // which is written at once like any availability; the periods from there on are proposed
    // again and the earlier ones kept. replanAsk asks for both first (the re-plan dialog).
    void replan(qint16 playerNo, int fromPeriod);
    void replanAsk();

protected:
    bool save() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's parts: the roster column with its note and Save, the board column with
    // the field and the period pictures, and the connections.
    QVBoxLayout* buildRoster();
    QVBoxLayout* buildBoard();
    void connectWidgets();
    void buildMenus(QWidget* menuHost);
    void sizeGrid();
    void setNote(const QString& text);
    void selectPlayer(qint16 playerNo);
    void setAvailability(bool available);
    void refreshSeasonCaptains();
    void startGridDrag(qint16 playerNo);
    void proposeFrom(int fromPeriod, const QString& stepText);
    void addProposalActions(QMenu* gameMenu);

    LineupGame m_game;
    LineupBoard m_board;
    LineupModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    FieldView* m_field = nullptr;
    QList<PeriodThumb*> m_thumbs;
    QList<QLabel*> m_thumbLabels;
    QLabel* m_note = nullptr;
    QLabel* m_currentQtr = nullptr;
    QPushButton* m_saveBtn = nullptr;
    QPushButton* m_suggestBtn = nullptr;
    QAction* m_replanAction = nullptr;
    QMenu* m_gridMenu = nullptr;
    QAction* m_captainAction = nullptr;
    QAction* m_availableAction = nullptr;
    QAction* m_notAvailableAction = nullptr;
    QList<QAction*> m_copyActions;
    qint16 m_currentPlayer = 0;  // CurrentPlayerNo: the player being placed or moved
    int m_menuRow = -1;
    QList<int> m_menuPeriods;
    qint16 m_pressedPlayer = 0;  // a drag from the grid waiting for the mouse to move
    QPoint m_pressPos;
};

}  // namespace pw

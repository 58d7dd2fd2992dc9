// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/tournaments/Bracket.h"
#include "ui/base/EditWindow.h"

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QPushButton;
class QScrollArea;

namespace pw {

class BracketView;

// "Tournament": the bracket of one tournament. The coach types or picks the first-round teams,
// advances winners, clears positions, gives each game a date, time and field, and saves. The
// window stays on the tournament it was opened for. Every change of the bracket is an undo
// command holding the bracket before and after.
class Tournament : public EditWindow {
    Q_OBJECT
public:
    Tournament(qint16 teamNo, qint16 tournamentNo, int rounds, QWidget* parent = nullptr);

    // Opens the bracket and waits until the coach closes it.
    static void openBracket(qint16 teamNo, qint16 tournamentNo, int rounds, QWidget* parent);

    qint16 teamNo() const { return m_teamNo; }
    qint16 tournamentNo() const { return m_tournamentNo; }
    const Bracket& bracket() const { return m_bracket; }
    BracketView* surface() const { return TournyScreen; }
    // The slot the pop-up acts on (the team label last pressed with the right button).
    int menuSlot() const { return m_menuSlot; }

    // The opponent picker for one first-round position: false when the coach cancelled, else
    // the chosen team's caption and tag in chosen. Runs the picker window unless replaced.
    std::function<bool(int position, BracketTeam* chosen)> pickTeam;
    // The game-time dialog, given the game's date, time and field (today and 12:00 PM where the
    // game has none): the entry, or nothing when the coach cancelled. Runs the entry dialog
    // unless replaced.
    std::function<std::optional<BracketGameTag>(const BracketGameTag& current)> editGameTime;

    // The window's handlers, public so that tests drive them as the coach would.
    // A press on team label slot: the left button types a team into an empty first-round
    // position, the right one opens the pop-up menu (at globalPos).
    void Tlbl_MouseDown(int slot, Qt::MouseButton button, QPoint globalPos = {});
    // Remembers the pop-up's slot and enables its items for it.
    void prepareTeamMenu(int slot);
    void PopWinner_Click();
    void popClear_Click();
    void ClearBracket_Click();
    void TournEnterTeams_Click();
    // A double click on game label game: its date, time and field.
    void Glbl_DblClick(int game);
    void TournSave_Click();

protected:
    bool save() override;
    void changeEvent(QEvent* e) override;

private:
    void buildMenus();
    void sizeToSurface();
    // Runs an edit of the bracket as one undo command (nested edits join the outer one).
    void edit(const QString& text, const std::function<void()>& body);
    void setGameTime(int game);
    bool runPicker(int position, BracketTeam* chosen);
    std::optional<BracketGameTag> runGameDialog(const BracketGameTag& current);
    // Puts a bracket back (undo, redo) and rewrites the own team's changed game times.
    void restore(const Bracket& bracket);
    void writeOwnTime(int game, const BracketGameTag& tag);
    friend class BracketCommand;

    qint16 m_teamNo;
    qint16 m_tournamentNo;
    Bracket m_bracket;
    int m_menuSlot = 0;
    int m_editDepth = 0;

    QScrollArea* Picture1 = nullptr;
    BracketView* TournyScreen = nullptr;
    QPushButton* SaveBtn = nullptr;
    QMenu* TournMnu = nullptr;
    QMenu* TourneyMnu = nullptr;
    QAction* PopWinner = nullptr;
    QAction* popClear = nullptr;
};

}  // namespace pw

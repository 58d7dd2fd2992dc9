// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

namespace pw {

class Selection;

// What a command needs before it may be used.
enum class Need : unsigned {
    None = 0,
    Game = 1 << 0,                // a single game (not a team or tournament view)
    Player = 1 << 1,              // a player clicked in the roster
    Tournaments = 1 << 2,         // a team that plays tournaments
    TournamentSelected = 1 << 3,  // a tournament or one of its games selected
    WebSite = 1 << 4,             // the team has a web site
    Fees = 1 << 5,                // the team manages fees
    Result = 1 << 6,              // a game with a result, and an address to send it to
    Team = 1 << 7,                // a team is current
};
Q_DECLARE_FLAGS(Needs, Need)
Q_DECLARE_OPERATORS_FOR_FLAGS(Needs)

// Which needs the current selection meets.
struct CommandContext {
    Needs met;
    bool satisfies(Needs needs) const { return (met & needs) == needs; }
};

// The needs met by a selection; whether a game result can be mailed takes a look at the store,
// so the caller says it.
CommandContext contextOf(const Selection& selection, bool resultMailable);

// A menu of the menu bar, a sub-menu, or a pop-up menu. Its path names it and its parents
// ("mnuTeam/mnuTournament"); the last part is its object name.
struct MenuDef {
    QString path{};
    QString caption{};
    int order = 0;  // place among the items of its parent menu
    bool separatorBefore = false;
    bool popup = false;       // shown on a right click or from a button, not in the menu bar
    bool keyedItems = false;  // its items are known as "Menu.Item": their names repeat elsewhere
};

// Where a command stands: in a menu, a pop-up or on the toolbar.
struct Placement {
    QString menu{};  // path of its menu, or "MainTB" for the toolbar
    int order = 0;   // place among the items of its menu
    bool separatorBefore = false;
    QString name{};  // the item's name here when it is not the command's ("Opponents")
    // A caption of its own where the words differ from the command's; such a placement gets an
    // action of its own, which runs the same handler and is enabled with the command.
    QString caption{};
};

// One command of the program, with every place it stands. All its placements share one action
// (but those with a caption of their own), so they run one handler and are enabled together.
struct CommandDef {
    QString name{};     // the control name
    QString caption{};  // menu text
    QString tip{};      // what the command does: the tool tip of its toolbar button
    QString icon{};     // its picture in resources/icons (without ".svg"); toolbar commands have one
    Needs needs{};
    std::function<void()> handler{};  // none: its window is not built yet and it stays disabled
    QKeySequence shortcut{};
    QString dropDown{};  // toolbar button: path of the pop-up menu it opens
    QList<Placement> placements{};
};

inline const QString kToolbar = QStringLiteral("MainTB");

// Every command of the program, registered by the subsystem that owns it. Menus, toolbar and
// pop-ups are built from it, and its needs decide which commands the selection enables.
class CommandTable {
public:
    void addMenu(const MenuDef& menu);
    // Throws when a key is taken, a menu is unknown or the command stands nowhere, so a slip
    // shows at start-up.
    void add(const CommandDef& command);
    void add(const QList<CommandDef>& commands);

    const QList<MenuDef>& menus() const { return m_menus; }
    const QList<CommandDef>& commands() const { return m_commands; }
    const MenuDef* menu(const QString& path) const;
    // A placement's key: "GameLineUp", or "TreeGameMnu.GameNotes" for items of menus with keyed
    // items. Every placement's key finds its command.
    QString key(const CommandDef& command, const Placement& placement) const;
    // Throws for a key no command has, so a misspelt name fails loudly.
    const CommandDef& command(const QString& key) const;
    const Placement& placement(const QString& key) const;
    bool contains(const QString& key) const { return m_byKey.contains(key); }
    QStringList keys() const;

    // The items of one menu (commands and sub-menus) in their order.
    struct Item {
        const MenuDef* subMenu = nullptr;
        const CommandDef* command = nullptr;
        const Placement* placement = nullptr;
        int order = 0;
        bool separatorBefore = false;
    };
    QList<Item> itemsOf(const QString& menuPath) const;

    // Its needs are met (whether or not its window exists yet).
    bool wanted(const QString& key, const CommandContext& context) const;
    // Wanted and built.
    bool enabled(const QString& key, const CommandContext& context) const;

private:
    QList<MenuDef> m_menus;
    QList<CommandDef> m_commands;
    struct At {
        qsizetype command = 0;
        qsizetype placement = 0;
    };
    QHash<QString, At> m_byKey;
    QStringList m_keys;  // in the order they were added
};

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace pw {

// What the command handlers need of the program's main window: a parent for the windows they
// open, the main window's own windows, the selection in the tree, and the texts it shows. The
// main window implements it, so the commands of a subsystem do not depend on the main window.
class Shell {
    Q_DECLARE_TR_FUNCTIONS(Shell)
public:
    virtual ~Shell() = default;

    // The parent of the windows a command opens, and the object their signals are tied to.
    virtual QWidget* parentWindow() = 0;
    // Ends the program as the main window's close button would.
    virtual void quit() = 0;
    virtual void openStandings() = 0;
    virtual void openOptions() = 0;
    virtual void openAbout() = 0;
    virtual void showHelp(int page) = 0;  // 1 contents, 2 index, 3 search

    // Selects a node of the tree by key as a click would; false when there is no such node.
    virtual bool selectNode(const QString& key) = 0;
    // Selects the team's node and loads the team; false when the tree has no such team.
    virtual bool selectTeam(qint16 teamNo) = 0;
    // What the tree shows for a node; empty for no such node.
    virtual QString nodeText(const QString& key) const = 0;
    // What the tree shows for the selected game (its opponent).
    virtual QString currentGameNodeText() const = 0;
    // Recomputes and shows the current team's record; the score of gameNo.
    virtual QString recordText(qint16 gameNo) = 0;
};

}  // namespace pw

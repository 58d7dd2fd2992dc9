// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>

namespace pw {

// A grid that lists rows to pick from and never edits in place: whole rows, one at a time, no
// row numbers. The lists of the program's windows (schedule, notes, captains, backups, the main
// window's grids) all start this way and add their own sizes.
inline void setUpRowList(QTableView* view, QAbstractItemModel* model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
}

}  // namespace pw

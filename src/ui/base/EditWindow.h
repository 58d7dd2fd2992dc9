// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Trace.h"

#include <QDialog>
#include <QScopedValueRollback>
#include <QString>

#include <type_traits>

class QUndoStack;

namespace pw {

// The base of every editing window. It keeps:
// - the loading flag: load() fills the window with it set, and handlers made by handler() do
//   nothing meanwhile, so the filling does not count as the coach's changes;
// - guarded handlers: each runs traced under its own name and hands failures to the error handler;
// - the dirty marker: the window is dirty while its undo stack is not clean or a field was edited
//   (markChanged); the save control is enabled and the caption carries " (Dirty)" meanwhile;
// - the unsaved-changes question when the window closes with changes.
// Edits on drawn surfaces are pushed onto undoStack() as QUndoCommands, which gives Undo
// (Ctrl+Z) and Redo (Ctrl+Shift+Z) and makes undoing back to the saved state clean again.
class EditWindow : public QDialog {
    Q_OBJECT
public:
    explicit EditWindow(QWidget* parent = nullptr);
    ~EditWindow() override;

    QUndoStack* undoStack() const { return m_undo; }
    bool isLoading() const { return m_loading; }
    bool isDirty() const;

    // A field was edited (changes that are not undo commands). Ignored while loading.
    void markChanged();
    // The window's changes were stored: clean again.
    void markSaved();

    // Closes the window the way its title-bar button does, asking about unsaved changes.
    // True when it closed.
    bool closeWindow();

protected:
    // Which caption carries " (Dirty)" (the window itself when null) and which control saves.
    void setDirtyMarker(QWidget* captionOwner, QWidget* saveControl);
    // The question asked when the window closes with unsaved changes (Yes saves, No discards,
    // Cancel keeps the window open).
    void setUnsavedQuestion(const QString& title, const QString& text);

    // Stores the changes; true when they were stored. Called by the unsaved-changes question.
    virtual bool save() = 0;

    // Before the window shows something else (another team, a copy): when there are unsaved
    // changes, asks the unsaved-changes question. True when the window may go on: nothing was
    // changed, the changes were saved, or the coach chose to drop them.
    bool settleChanges();

    // Fills the window with the loading flag set; afterwards the window is clean.
    template <typename F> void load(const QString& procName, F&& fill)
    {
        {
            QScopedValueRollback<bool> loading(m_loading, true);
            guarded(procName, {}, std::forward<F>(fill));
        }
        markSaved();
    }

    // An event handler named procName: does nothing while loading, is traced, and reports
    // whatever fails inside it.
    template <typename F> auto handler(const QString& procName, F body)
    {
        // Constrained and of a stated return type, so that Qt can probe how many of a signal's
        // arguments the handler takes without compiling its body for the wrong count.
        return [ this, procName,
                 body ](auto&&... args) -> void requires(std::is_invocable_v<const F&, decltype(args)...> ||
                                                         std::is_invocable_v<const F&>)
        {
            if (m_loading)
                return;
            guarded(procName, {}, [&] { callHandler(body, std::forward<decltype(args)>(args)...); });
        };
    }

    // Signals may carry more than the handler wants (clicked(bool)): what it does not take is dropped.
    template <typename F, typename... A> static void callHandler(const F& body, A&&... args)
    {
        if constexpr (std::is_invocable_v<const F&, A...>)
            body(std::forward<A>(args)...);
        else
            body();
    }

    // Every way of closing asks about unsaved changes: the close button (closeEvent) and
    // Escape or a Cancel wired to reject(). Cancel keeps the window open with its edits.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void showDirty();

    QUndoStack* m_undo = nullptr;
    bool m_loading = false;
    bool m_fieldsChanged = false;
    QWidget* m_captionOwner = nullptr;
    QWidget* m_saveControl = nullptr;
    QString m_questionTitle;
    QString m_questionText;
};

}  // namespace pw

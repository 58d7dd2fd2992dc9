// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

#include <utility>

namespace pw {

// A window shown modally over its parent. The window lives on the heap, owned by its parent, and
// is deleted when the Modal goes out of scope. A parent that goes away while the window shows
// (the main window ending from inside the window's event loop) takes the window with it; the
// Modal then holds nothing, exec() has returned Rejected, and the caller must leave at once
// without touching the window or the parent again:
//     Modal<TeamInfo> window(teamNo, &main);
//     window.exec();
//     if (!window) return;
template <typename Window> class Modal {
public:
    template <typename... Args>
    explicit Modal(Args&&... args)
        : m_window(new Window(std::forward<Args>(args)...))
    {
    }
    ~Modal() { delete m_window.data(); }
    Modal(const Modal&) = delete;
    Modal& operator=(const Modal&) = delete;

    int exec() { return m_window ? m_window->exec() : int(QDialog::Rejected); }
    // Whether the window still exists (its parent did not take it away).
    explicit operator bool() const { return !m_window.isNull(); }
    Window* operator->() const { return m_window.data(); }
    Window& operator*() const { return *m_window; }
    Window* get() const { return m_window.data(); }

private:
    QPointer<Window> m_window;
};

}  // namespace pw

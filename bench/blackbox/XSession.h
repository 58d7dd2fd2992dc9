// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

struct _XDisplay;

namespace pw::bench {

// The X server as a coach's hands and eyes: pointer and keys through XTest, and every change of
// the screen's contents through XDamage on the root window (which takes in every window on it).
// Xlib stays inside: its macros clash with Qt's headers.
class XSession {
public:
    using Id = unsigned long;  // an X resource: a window, an atom, a key symbol
    struct Window {
        Id id = 0;
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // Throws std::runtime_error when the display cannot be opened or lacks an extension.
    explicit XSession(const std::string& display);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Milliseconds on the monotonic clock.
    static double now();

    void moveTo(int x, int y);
    int screenWidth() const;
    int screenHeight() const;
    // Presses and releases the left button where the pointer is; returns when the press was sent.
    double click();
    // Clicks twice in quick succession; returns when the second press was sent.
    double doubleClick();
    // Turns the mouse wheel one step where the pointer is.
    void wheel(bool down);
    // Presses and releases a key, with a modifier held when one is given; returns when the key
    // press was sent.
    double key(Id symbol, Id modifier = 0);

    // Waits until ready() holds (asked after every batch of events and at least every 20 ms) and
    // the screen has then stayed unchanged for quietMs. Returns when it last changed after since
    // (since itself when it did not change), or a negative number when timeoutMs passed first.
    double settle(double since, double quietMs, double timeoutMs, const std::function<bool()>& ready = {});
    // The latest changed areas, "x,y widthxheight" with their time, to see what keeps changing.
    std::string recentDamage() const;
    // When the screen last changed, as far as the events read so far tell.
    double lastDamage() const { return m_lastDamage; }

    // The mapped top-level windows of a process (by _NET_WM_PID), in stacking order, bottom first;
    // menus and tool tips left out.
    std::vector<Window> windowsOf(pid_t pid);
    // Every window on the root: id, process, mapped, override-redirect, size; to see what went wrong.
    std::string dumpWindows();
    // Gives a window the keyboard, as a window manager does with a window that opens.
    void focus(Id id);
    // Writes the screen as it is to a PPM file, to see what went wrong.
    void screenshot(const std::string& path);
    // Asks a window to close as its title bar's close button does (WM_DELETE_WINDOW).
    void closeWindow(Id id);

private:
    void readEvents();
    bool windowOf(Id w, pid_t pid, Window& found);

    _XDisplay* m_display = nullptr;
    Id m_root = 0;
    int m_damageEvent = 0;
    Id m_damage = 0;
    Id m_pidAtom = 0;
    Id m_protocols = 0;
    Id m_delete = 0;
    double m_lastDamage = 0;
    std::vector<std::string> m_recent;
};

}  // namespace pw::bench

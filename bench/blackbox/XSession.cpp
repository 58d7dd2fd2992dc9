// SPDX-License-Identifier: GPL-3.0-or-later
#include "XSession.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>
#include <poll.h>
#include <stdexcept>
#include <time.h>

namespace pw::bench {

namespace {

// Windows come and go while they are looked at; asking about one that just went is no failure
// (Xlib's own handler would end the benchmark).
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

XSession::XSession(const std::string& display)
{
    XSetErrorHandler(ignoreErrors);
    m_display = XOpenDisplay(display.empty() ? nullptr : display.c_str());
    if (!m_display)
        throw std::runtime_error("cannot open the X display " + display);
    m_root = DefaultRootWindow(m_display);
    int error = 0;
    int major = 0;
    int minor = 0;
    int event = 0;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest extension");
    if (!XDamageQueryExtension(m_display, &m_damageEvent, &error))
        throw std::runtime_error("the X server has no DAMAGE extension");
    XFixesQueryExtension(m_display, &event, &error);
    m_damage = XDamageCreate(m_display, m_root, XDamageReportNonEmpty);
    m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    m_protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    m_delete = XInternAtom(m_display, "WM_DELETE_WINDOW", False);
    XSync(m_display, False);
}

XSession::~XSession()
{
    if (m_damage)
        XDamageDestroy(m_display, m_damage);
    XCloseDisplay(m_display);
}

double XSession::now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int XSession::screenWidth() const
{
    return DisplayWidth(m_display, DefaultScreen(m_display));
}

int XSession::screenHeight() const
{
    return DisplayHeight(m_display, DefaultScreen(m_display));
}

void XSession::moveTo(int x, int y)
{
    XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
    XFlush(m_display);
}

double XSession::click()
{
    const double sent = now();
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    return sent;
}

double XSession::doubleClick()
{
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    const double sent = now();
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    return sent;
}

void XSession::wheel(bool down)
{
    const unsigned int button = down ? 5 : 4;
    XTestFakeButtonEvent(m_display, button, True, CurrentTime);
    XTestFakeButtonEvent(m_display, button, False, CurrentTime);
    XFlush(m_display);
}

double XSession::key(Id symbol, Id modifier)
{
    const KeyCode code = XKeysymToKeycode(m_display, symbol);
    const KeyCode held = modifier ? XKeysymToKeycode(m_display, modifier) : 0;
    if (held)
        XTestFakeKeyEvent(m_display, held, True, CurrentTime);
    const double sent = now();
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    if (held)
        XTestFakeKeyEvent(m_display, held, False, CurrentTime);
    XFlush(m_display);
    return sent;
}

void XSession::readEvents()
{
    bool damaged = false;
    while (XPending(m_display) > 0) {
        XEvent e;
        XNextEvent(m_display, &e);
        if (e.type != m_damageEvent + XDamageNotify)
            continue;
        const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
        damaged = true;
        m_lastDamage = now();
        if (m_recent.size() >= 8)
            m_recent.erase(m_recent.begin());
        m_recent.push_back(std::to_string(d.area.x) + "," + std::to_string(d.area.y) + " " +
                           std::to_string(d.area.width) + "x" + std::to_string(d.area.height) + " at " +
                           std::to_string(long(now())));
    }
    // Re-armed for the next change: with "report non-empty" the server tells once until then, and
    // so keeps the events few however much a window draws.
    if (damaged) {
        XDamageSubtract(m_display, m_damage, None, None);
        XFlush(m_display);
    }
}

double XSession::settle(double since, double quietMs, double timeoutMs, const std::function<bool()>& ready)
{
    bool isReady = !ready;
    pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
    while (true) {
        readEvents();
        if (!isReady)
            isReady = ready();
        const double t = now();
        const double last = m_lastDamage > since ? m_lastDamage : since;
        if (isReady && t - last >= quietMs)
            return last;
        if (t - since > timeoutMs)
            return -1;
        // Replies to ready()'s questions may have brought events along, which Xlib keeps
        // queued where poll() does not see them: read them first, or their time is missed.
        if (XEventsQueued(m_display, QueuedAlready) > 0)
            continue;
        const double wait = isReady ? quietMs - (t - last) : 20;
        poll(&fd, 1, int(wait < 1 ? 1 : wait > 20 && !isReady ? 20 : wait));
    }
}

bool XSession::windowOf(Id w, pid_t pid, Window& found)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    bool mine = false;
    if (XGetWindowProperty(m_display, w, m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &left, &data) ==
            Success &&
        data) {
        mine = count == 1 && pid_t(*reinterpret_cast<unsigned long*>(data)) == pid;
        XFree(data);
    }
    if (!mine)
        return false;
    XWindowAttributes a;
    // Menus and tool tips are not windows of their own to the coach.
    if (!XGetWindowAttributes(m_display, w, &a) || a.map_state != IsViewable || a.override_redirect)
        return false;
    ::Window child = 0;
    found.id = w;
    XTranslateCoordinates(m_display, w, m_root, 0, 0, &found.x, &found.y, &child);
    found.width = a.width;
    found.height = a.height;
    return true;
}

std::vector<XSession::Window> XSession::windowsOf(pid_t pid)
{
    std::vector<Window> windows;
    ::Window rootReturn = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, m_root, &rootReturn, &parent, &children, &count))
        return windows;
    for (unsigned int i = 0; i < count; ++i) {
        Window w;
        if (windowOf(children[i], pid, w)) {
            windows.push_back(w);
            continue;
        }
        // Under a window manager the program's window sits inside the manager's frame.
        ::Window* inner = nullptr;
        unsigned int innerCount = 0;
        if (XQueryTree(m_display, children[i], &rootReturn, &parent, &inner, &innerCount)) {
            for (unsigned int j = 0; j < innerCount; ++j) {
                if (windowOf(inner[j], pid, w))
                    windows.push_back(w);
            }
            if (inner)
                XFree(inner);
        }
    }
    if (children)
        XFree(children);
    return windows;
}

std::string XSession::recentDamage() const
{
    std::string text;
    for (const std::string& r : m_recent)
        text += r + "; ";
    return text + "now " + std::to_string(long(now()));
}

std::string XSession::dumpWindows()
{
    std::string text;
    ::Window rootReturn = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, m_root, &rootReturn, &parent, &children, &count))
        return text;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(m_display, children[i], &a) || a.map_state != IsViewable)
            continue;
        Atom type = 0;
        int format = 0;
        unsigned long n = 0;
        unsigned long left = 0;
        unsigned char* data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(m_display, children[i], m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &n, &left,
                               &data) == Success &&
            data) {
            pid = n == 1 ? long(*reinterpret_cast<unsigned long*>(data)) : -2;
            XFree(data);
        }
        text += std::to_string(children[i]) + " pid " + std::to_string(pid) + " or " +
                std::to_string(a.override_redirect) + " " + std::to_string(a.width) + "x" + std::to_string(a.height) +
                "\n";
    }
    if (children)
        XFree(children);
    return text;
}

void XSession::focus(Id id)
{
    XSetInputFocus(m_display, id, RevertToPointerRoot, CurrentTime);
    XFlush(m_display);
}

void XSession::screenshot(const std::string& path)
{
    XWindowAttributes a;
    XGetWindowAttributes(m_display, m_root, &a);
    XImage* image = XGetImage(m_display, m_root, 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes, ZPixmap);
    if (!image)
        return;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fprintf(f, "P6\n%d %d\n255\n", a.width, a.height);
        for (int y = 0; y < a.height; ++y) {
            for (int x = 0; x < a.width; ++x) {
                const unsigned long p = XGetPixel(image, x, y);
                const unsigned char rgb[3] = {static_cast<unsigned char>((p >> 16) & 0xff),
                                              static_cast<unsigned char>((p >> 8) & 0xff),
                                              static_cast<unsigned char>(p & 0xff)};
                std::fwrite(rgb, 1, 3, f);
            }
        }
        std::fclose(f);
    }
    XDestroyImage(image);
}

void XSession::closeWindow(Id id)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = id;
    e.xclient.message_type = m_protocols;
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(m_delete);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, id, False, NoEventMask, &e);
    XFlush(m_display);
}

}  // namespace pw::bench

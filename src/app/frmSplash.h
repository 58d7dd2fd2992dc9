// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

namespace pw {

class MainForm;

// The splash window, the first thing the program draws. As soon as it is on screen, the database
// is opened and the main window built behind it; its timer, a second after it appears, or a key
// press or a click shows the main window then (at once when it is ready, or as soon as it is).
// Either way the sequence runs exactly once and the splash window closes afterwards.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    void Timer1_Timer();
    bool started() const { return m_started; }
    // The main window the sequence opened, or null when the program is ending.
    MainForm* mainForm() const { return m_main; }

Q_SIGNALS:
    void finished(bool mainWindowShown);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Opens the database and builds the main window without showing it; false when the program
    // ends instead (the coach declined, or it failed). Runs once.
    bool buildMainWindow();
    void prepare();

    QTimer m_timer;
    bool m_started = false;
    bool m_painted = false;
    bool m_preparing = false;  // the main window is being built (questions may be open)
    bool m_prepared = false;
    bool m_ready = false;  // the main window is built and waits to be shown
    bool m_startWanted = false;
    MainForm* m_main = nullptr;
};

}  // namespace pw

#pragma once

#include <QTimer>
#include <QWidget>

namespace pw {

class MainForm;

// The splash window. Its timer runs the start-up sequence once, a second after it appears; a key
// press or a click runs it at once instead. Either way the sequence runs exactly once and the
// splash window closes afterwards.
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
    QTimer m_timer;
    bool m_started = false;
    MainForm* m_main = nullptr;
};

}  // namespace pw

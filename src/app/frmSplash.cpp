// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmSplash.h"

#include "app/MainForm.h"
#include "app/Startup.h"
#include "app/TeamTree.h"
#include "app/frmAbout.h"
#include "common/AppState.h"
#include "common/Icons.h"
#include "common/StartupTrace.h"
#include "common/Trace.h"
#include "core/teams/TeamProfile.h"
#include "data/Settings.h"
#include "ui/teams/NewTeamWiz.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace pw {

namespace {

// The program's badge at the splash's size.
QPixmap badge()
{
    return programIcon(QStringLiteral("pitchwise")).pixmap(QSize(64, 64));
}

}  // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("Pitchwise"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel;
    picture->setPixmap(badge());
    picture->setAlignment(Qt::AlignCenter);
    auto* product = new QLabel(tr("Pitchwise"));
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(tr("The season planner for youth soccer coaches"));
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(frmAbout::versionText());
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    // White on the green the splash paints; through the palette, since a style sheet would load
    // the style sheet machinery before anything is on screen.
    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    for (QLabel* l : {product, title, version})
        l->setPalette(white);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    layout->addWidget(picture);
    layout->addWidget(product);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(version);
    setFixedSize(sizeHint().expandedTo(QSize(420, 260)));

    m_timer.setInterval(1000);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    m_timer.start();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x2e, 0x7d, 0x32));
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    p.drawRect(rect().adjusted(6, 6, -7, -7));
    if (!std::exchange(m_painted, true)) {
        startupStep("splash drawn");
        // The main window is built behind the splash; the coach's click then only shows it.
        QTimer::singleShot(0, this, &frmSplash::prepare);
    }
}

void frmSplash::keyPressEvent(QKeyEvent*)
{
    Timer1_Timer();
}

void frmSplash::mousePressEvent(QMouseEvent*)
{
    Timer1_Timer();
}

namespace {

// Marks in the start-up trace when the main window's first frame is drawn: the paint follows
// its first exposure, and the trace line the paint.
class FirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !std::exchange(m_seen, true)) {
            startupStep("main window exposed");
            QTimer::singleShot(0, [] { startupStep("main window drawn"); });
            deleteLater();
        }
        return false;
    }

private:
    bool m_seen = false;
};

}  // namespace

void frmSplash::prepare()
{
    if (m_started || m_prepared || m_preparing)
        return;
    // The splash's frame is on its way to the display, which draws it on the other core while the
    // main window is built here (waiting for it to be drawn cost the start a round trip). The
    // windows' icon, for the questions and windows to come, goes to the desktop with it.
    QApplication::setWindowIcon(programIcon(QStringLiteral("pitchwise")));
    startupStep("window icon set");
    m_preparing = true;
    m_ready = buildMainWindow();
    m_preparing = false;
    m_prepared = true;
    // The coach asked for it meanwhile, or there is nothing to wait for.
    if (m_startWanted || !m_ready)
        Timer1_Timer();
}

bool frmSplash::buildMainWindow()
{
    bool ready = false;
    guarded(QStringLiteral("Timer1_Timer"), {}, [&] {
        if (!PrepareDatabase())
            return;
        startupStep("database opened");
        m_main = new MainForm;
        m_main->setAttribute(Qt::WA_DeleteOnClose);
        startupStep("main window built");
        // A new database gets its first team before anything is shown. Abandoning the wizard
        // takes the new database away again, so the next start begins afresh.
        if (needsFirstTeam()) {
            state().WizardCancelled = false;
            NewTeamWiz wizard(GenTeamNo(), NewTeamWiz::Mode::FirstStart);
            if (wizard.exec() != QDialog::Accepted || state().WizardCancelled) {
                undoFirstStart();
                return;
            }
        }
        m_main->ConfigureMainStatus();
        m_main->SetTeamTabs();
        startupStep("tree filled");
        // Read without storing a default: a start writes nothing.
        const QString remembered = ReadSetting(QStringLiteral("TeamTabNo"));
        const auto lastTeam = static_cast<qint16>(remembered.isEmpty() ? 1 : remembered.toInt());
        // The remembered team may be gone or hidden: then the first team of the tree.
        if (!m_main->selectTeam(lastTeam))
            m_main->selectFirstTeam();
        startupStep("team loaded");
        ready = true;
    });
    if (!ready && m_main) {
        delete m_main;
        m_main = nullptr;
    }
    return ready;
}

void frmSplash::Timer1_Timer()
{
    if (m_started)
        return;
    if (m_preparing) {
        // Shown as soon as it is built.
        m_startWanted = true;
        return;
    }
    m_started = true;
    m_timer.stop();
    if (!m_prepared) {
        m_prepared = true;
        m_ready = buildMainWindow();
    }
    bool shown = false;
    if (m_ready && m_main) {
        startupStep("start asked for");
        shown = guarded(QStringLiteral("Timer1_Timer"), {}, [&] { m_main->show(); });
        startupStep("main window shown");
        if (QWindow* window = m_main->windowHandle())
            window->installEventFilter(new FirstFrame(window));
    }
    if (!shown && m_main) {
        delete m_main;
        m_main = nullptr;
    }
    Q_EMIT finished(shown);
    close();
}

}  // namespace pw

#include "app/frmSplash.h"

#include "app/MainForm.h"
#include "app/Startup.h"
#include "app/TeamTree.h"
#include "app/frmAbout.h"
#include "common/AppState.h"
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

namespace pw {

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("Pitchwise"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel;
    picture->setPixmap(QIcon(QStringLiteral(":/icons/pitchwise.svg")).pixmap(64, 64));
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
    for (QLabel* l : {product, title, version})
        l->setStyleSheet(QStringLiteral("color: white;"));

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
}

void frmSplash::keyPressEvent(QKeyEvent*)
{
    Timer1_Timer();
}

void frmSplash::mousePressEvent(QMouseEvent*)
{
    Timer1_Timer();
}

void frmSplash::Timer1_Timer()
{
    if (m_started)
        return;
    m_started = true;
    m_timer.stop();
    bool shown = false;
    guarded(QStringLiteral("Timer1_Timer"), {}, [&] {
        if (!PrepareDatabase())
            return;
        m_main = new MainForm;
        m_main->setAttribute(Qt::WA_DeleteOnClose);
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
        const auto lastTeam =
            static_cast<qint16>(ReadSetting(QStringLiteral("TeamTabNo"), QStringLiteral("1")).toInt());
        // The remembered team may be gone or hidden: then the first team of the tree.
        if (!m_main->selectTeam(lastTeam))
            m_main->selectFirstTeam();
        m_main->show();
        shown = true;
    });
    if (!shown && m_main) {
        delete m_main;
        m_main = nullptr;
    }
    Q_EMIT finished(shown);
    close();
}

}  // namespace pw

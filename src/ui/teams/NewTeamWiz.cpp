// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/NewTeamWiz.h"

#include "ui_TeamFields.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/teams/TeamProfile.h"
#include "ui/teams/TeamFields.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace pw {

namespace {

constexpr int kPages = 6;

// A ball rolling along the bottom of the explanation panel, to keep the wizard friendly.
class RollingBall : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(RollingBall)

public:
    explicit RollingBall(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("Animation"));
        setMinimumHeight(56);
        setAccessibleName(tr("Rolling ball"));
        m_timer.setInterval(40);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % 400;
            update();
        });
    }

protected:
    void showEvent(QShowEvent*) override { m_timer.start(); }
    void hideEvent(QHideEvent*) override { m_timer.stop(); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal r = 18;
        const qreal track = width() - 2 * r - 8;
        const qreal t = m_step < 200 ? m_step / 200.0 : (400 - m_step) / 200.0;
        const QPointF centre(4 + r + track * t, height() - r - 4);
        p.setPen(QPen(palette().color(QPalette::Mid), 1));
        p.drawLine(QPointF(0, height() - 3.5), QPointF(width(), height() - 3.5));
        p.translate(centre);
        p.rotate(t * track / r * 180 / 3.14159265);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), r, r);
        // A pentagon in the middle and five patches at the rim read as a football at any size.
        QPolygonF pent;
        for (int i = 0; i < 5; ++i) {
            const qreal a = (i * 72 - 90) * 3.14159265 / 180;
            pent << QPointF(std::cos(a) * r * 0.38, std::sin(a) * r * 0.38);
        }
        p.setBrush(Qt::black);
        p.drawPolygon(pent);
        for (const QPointF& c : pent)
            p.drawEllipse(c * 2.1, r * 0.16, r * 0.16);
    }

private:
    QTimer m_timer;
    int m_step = 0;
};

}  // namespace

QString NewTeamWiz::pageTitle(int page)
{
    switch (page) {
    case 0: return tr("General Information");
    case 1: return tr("Session Information");
    case 2: return tr("Tracking Information");
    case 3: return tr("Coaches information");
    case 4: return tr("Training Information");
    case 5: return tr("Reporting Information");
    default: return {};
    }
}

QString NewTeamWiz::pageText(int page)
{
    QStringList lines;
    switch (page) {
    case 0:
        lines << tr("Fill in the information about the team in general.") << tr("League:")
              << tr("(REQUIRED) The name of the association to which your team belongs.") << tr("Team Name:")
              << tr("(REQUIRED) The name your team is know by in the association") << tr("Club Name:")
              << tr("(REQUIRED) The name of your team, could be a sponser's name or one you make up.")
              << tr("Standings:") << tr("The address of a web-site that shows your teams standings.")
              << tr("Home Page:") << tr("The address of your associations web-site.") << tr("Tournament Play:")
              << tr("Check if your team will participate in one or more tournaments.");
        break;
    case 1:
        lines << tr("This information is about the current session.") << tr("Season/Session:")
              << tr("(REQUIRED) Although it is not critical, it is required to distinguish this team from another in "
                    "the same league and with the same name.")
              << tr("All other data is self-explanatory and is required.");
        break;
    case 2:
        lines << tr("Fill in the information about team colors and how to deal with captains.")
              << tr("You can decide to have different captains for each game, or 1 set of captains for the entire "
                    "season.");
        break;
    case 3:
        lines << tr("Fill in the information about the Head Coach and the assistants")
              << tr("the Head Coach and Head Coach Phone number is REQUIRED.")
              << tr("If you supply any assistance coaches names, you must specify a phone number for that coach.");
        break;
    case 4:
        lines << tr("This information will be printed on the schedule and other documents that are sent out.")
              << tr("When a check is placed by the day of the week, the textbox to the right is enabled and you can "
                    "enter a time.");
        break;
    case 5:
        lines << tr("Some associations/clubs prefer that game results be E-mailed to a particular person. Enter the "
                    "E-mail address of the person you need send this information to.")
              << tr("In a point system, points are awarded for each win, tie, and loss. Enter the points your "
                    "association/club awards for these outcomes.");
        break;
    default: break;
    }
    return lines.join(QLatin1Char('\n'));
}

NewTeamWiz::NewTeamWiz(qint16 teamNo, Mode mode, QWidget* parent)
    : QDialog(parent)
    , m_teamNo(teamNo)
    , m_mode(mode)
{
    setObjectName(QStringLiteral("NewTeamWiz"));
    setWindowTitle(tr("New Team Wizard"));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("InfoPanel"));
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Base);
    panel->setFixedWidth(fontMetrics().averageCharWidth() * 38);
    lblTitle = new QLabel(panel);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.25);
    lblTitle->setFont(big);
    lblTitle->setWordWrap(true);
    lblInfo = new QLabel(panel);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(lblTitle);
    panelLayout->addWidget(lblInfo, 1);
    panelLayout->addWidget(new RollingBall(panel));

    m_fields = new TeamFields(this);
    m_fields->setWizardMode();
    m_fields->onPageEnd = [this](int, QWidget* next) {
        // Leaving a page's last field is the Next button, check and all.
        guarded(QStringLiteral("cmdNext_Click"), {}, [&] {
            const int before = m_page;
            cmdNext_Click();
            if (m_page != before && next)
                next->setFocus(Qt::TabFocusReason);
        });
    };

    cmdBack = new QPushButton(tr("< Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdNext = new QPushButton(tr("Next >"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdFinish = new QPushButton(tr("Finish"), this);
    cmdFinish->setObjectName(QStringLiteral("cmdFinish"));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {cmdBack, cmdNext, cmdFinish, cmdCancel})
        b->setAutoDefault(false);

    auto* body = new QHBoxLayout;
    body->addWidget(panel);
    body->addWidget(m_fields, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext);
    buttons->addWidget(cmdFinish);
    buttons->addSpacing(fontMetrics().averageCharWidth() * 2);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    auto guard = [](const char* name, auto work) {
        return [name, work] { guarded(QString::fromLatin1(name), {}, work); };
    };
    connect(cmdNext, &QPushButton::clicked, this, guard("cmdNext_Click", [this] { cmdNext_Click(); }));
    connect(cmdBack, &QPushButton::clicked, this, guard("cmdBack_Click", [this] { cmdBack_Click(); }));
    connect(cmdFinish, &QPushButton::clicked, this, guard("cmdFinish_Click", [this] { cmdFinish_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, guard("cmdCancel_Click", [this] { cmdCancel_Click(); }));
    connect(m_fields->ui().txtAge, &QComboBox::activated, this, guard("txtAge_Click", [this] { txtAge_Click(); }));

    m_fields->clear();
    // The wizard starts before its first page: Next from there asks nothing.
    cmdNext_Click();
}

NewTeamWiz::~NewTeamWiz() = default;

void NewTeamWiz::showPage(int page)
{
    m_page = page;
    m_fields->ui().TeamConfigTab->setCurrentIndex(page);
    lblTitle->setText(pageTitle(page));
    lblInfo->setText(pageText(page));
    cmdBack->setEnabled(page > 0);
    cmdNext->setVisible(page < kPages - 1);
    cmdFinish->setVisible(page == kPages - 1);
}

bool NewTeamWiz::checkPage(int page)
{
    const Ui::TeamFields& ui = m_fields->ui();
    // The coaches' and the results address, on the page they stand on.
    if (!m_fields->checkAddresses(ui.TeamConfigTab->widget(page)))
        return false;
    QList<QWidget*> required;
    switch (page) {
    case 0: required = {ui.TxtLeague, ui.txtTeamName, ui.txtClubName}; break;
    case 1: required = {ui.txtSeason, ui.txtAge}; break;
    case 3: required = {ui.txtCoach_1, ui.txtCoachPhone_1}; break;
    case 5: required = {ui.txtPts_0, ui.txtPts_1, ui.txtPts_2}; break;
    default: return true;
    }
    QString missing = m_fields->firstMissing(required);
    if (missing.isEmpty() && page == 1 && !ui.optSex_0->isChecked() && !ui.optSex_1->isChecked() &&
        !ui.optSex_2->isChecked()) {
        prompter().message(tr("Missing Data"), tr("Critical Data for %1 is missing.").arg(ui.frmDivision->title()),
                           Prompter::Icon::Critical);
        missing = ui.frmDivision->title();
    } else {
        if (missing.isEmpty() && page == 1)
            missing = m_fields->firstMissing({ui.txtNoPlayers, ui.txtPeriods, ui.txtMinQtrReq, ui.txtMinutes});
        // An assistant with a name needs a phone number too, as the page says.
        for (int coach = 2; missing.isEmpty() && page == 3 && coach <= 3; ++coach) {
            if (!m_fields->firstMissing({m_fields->findChild<QLineEdit*>(QStringLiteral("txtCoach_%1").arg(coach))})
                     .isEmpty())
                continue;
            missing = m_fields->firstMissing(
                {m_fields->findChild<QLineEdit*>(QStringLiteral("txtCoachPhone_%1").arg(coach))});
            if (!missing.isEmpty())
                ui.CoachTab->setCurrentIndex(coach - 1);
        }
        if (missing.isEmpty())
            return true;
        prompter().message(tr("Missing Data"), tr("Critical data is missing for: %1").arg(missing),
                           Prompter::Icon::Critical);
    }
    prompter().message(tr("Missing Data"),
                       tr("Some required fields in the %1 section has not been completed.\n"
                          "Check the information to the left and fill in the missing data.\n"
                          "You will be able to change this information from within Pitchwise.")
                           .arg(pageTitle(page)),
                       Prompter::Icon::Exclamation);
    return false;
}

void NewTeamWiz::cmdNext_Click()
{
    if (m_page >= 0 && !checkPage(m_page))
        return;
    if (m_page + 1 < kPages)
        showPage(m_page + 1);
}

void NewTeamWiz::cmdBack_Click()
{
    if (m_page > 0)
        showPage(m_page - 1);
}

void NewTeamWiz::txtAge_Click()
{
    const auto years = ageYears(m_fields->ui().txtAge->currentText());
    if (!years)
        return;
    const AgeDefaults d = ageDefaults(*years);
    Ui::TeamFields& ui = m_fields->ui();
    ui.txtPeriods->setText(QString::number(d.periods));
    ui.txtNoPlayers->setText(QString::number(d.players));
    ui.txtMinQtrReq->setText(QString::number(d.minPeriods));
    ui.txtMinutes->setText(QString::number(d.minutes));
    ui.txtCutOff->setDate(ageCutOff(*years));
}

void NewTeamWiz::cmdFinish_Click()
{
    if (!checkPage(m_page))
        return;
    TeamProfile team = m_fields->collect(TeamProfile{});
    team.teamNo = m_teamNo;
    team.visible = true;
    team.manageFees = false;
    team.teamAmount = 0.0;
    team.numberOfGames = 0;
    team.seasonCaptains.clear();
    saveTeamProfile(team);
    m_closing = true;
    accept();
}

void NewTeamWiz::cmdCancel_Click()
{
    const QString text =
        m_mode == Mode::FirstStart
            ? tr("If you cancel now, Pitchwise will not start and at the next startup, you will have to re-enter all "
                 "information.\nAre you sure you want to cancel?")
            : tr("The new team will not be saved.\nAre you sure you want to cancel?");

    if (prompter().message(tr("Confirm Cancel"), text, Prompter::Icon::Question, Prompter::Buttons::YesNo) !=
        Prompter::Answer::Yes)
        return;
    state().WizardCancelled = true;
    m_closing = true;
    QDialog::reject();
}

void NewTeamWiz::reject()
{
    // Escape and the title bar's close button are the Cancel button.
    if (m_closing) {
        QDialog::reject();
        return;
    }
    guarded(QStringLiteral("cmdCancel_Click"), {}, [this] { cmdCancel_Click(); });
}

void NewTeamWiz::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    reject();
}

}  // namespace pw

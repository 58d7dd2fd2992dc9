// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/schedule/frmNewData.h"

#include "common/AppState.h"
#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "ui/base/FieldEntry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace pw {

namespace {

const QString kTimeFormat = QStringLiteral("h:mm AP");

}  // namespace

frmNewData::frmNewData(qint16 teamNo, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNewData"));
    setWindowTitle(tr("New Data"));

    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("Panels"));
    m_gamePanel = makeGamePanel();
    m_panels->addWidget(m_gamePanel);
    m_tournamentPanel = makeTournamentPanel();
    m_panels->addWidget(m_tournamentPanel);
    m_tournamentGamePanel = makeTournamentGamePanel();
    m_panels->addWidget(m_tournamentGamePanel);

    AddBtn = new QPushButton(tr("Add"), this);
    AddBtn->setObjectName(QStringLiteral("AddBtn"));
    AddBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panels);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(AddBtn, &QPushButton::clicked, this,
            [this] { guarded(QStringLiteral("AddBtn_Click"), {}, [this] { AddBtn_Click(); }); });
    connect(CancelBtn, &QPushButton::clicked, this, &frmNewData::reject);

    guarded(QStringLiteral("Form_Load"), traceArg(QStringLiteral("lcTeamNo"), teamNo),
            [&] { m_opponents = scheduleOpponents(teamNo); });
    for (const ScheduleOpponent& o : m_opponents)
        OpList->addItem(o.text(), o.number);
    // The coach names the opponent; nothing is chosen for them.
    OpList->setCurrentIndex(-1);
    setPurpose(Purpose::Game);
    typeableDateTimes(this);
}

QWidget* frmNewData::makeGamePanel()
{
    auto* panel = new QGroupBox(tr("Game Schedule Information"), this);
    panel->setObjectName(QStringLiteral("GamePanel"));
    OpList = new QComboBox(panel);
    OpList->setObjectName(QStringLiteral("OpList"));
    OpList->setMinimumContentsLength(28);
    OpList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    GameDate = new QDateEdit(QDate::currentDate(), panel);
    GameDate->setObjectName(QStringLiteral("GameDate"));
    GameDate->setDisplayFormat(shortDateFormat());
    GameDate->setCalendarPopup(true);
    Gametime = new QTimeEdit(QTime(12, 0), panel);
    Gametime->setObjectName(QStringLiteral("Gametime"));
    Gametime->setDisplayFormat(kTimeFormat);
    GameField = new QLineEdit(panel);
    GameField->setObjectName(QStringLiteral("GameField"));
    GameField->setMaxLength(255);

    auto* form = new QFormLayout(panel);
    auto row = [&](const QString& caption, QWidget* input) {
        auto* l = new QLabel(caption, panel);
        l->setBuddy(input);
        form->addRow(l, input);
    };
    row(tr("Opponent:"), OpList);
    row(tr("Date:"), GameDate);
    row(tr("Time:"), Gametime);
    row(tr("Field:"), GameField);
    return panel;
}

namespace {

// A form of captioned inputs, each caption the buddy of its input (Alt+letter reaches it).
void addRows(QWidget* panel, const QList<QPair<QString, QWidget*>>& rows)
{
    auto* form = new QFormLayout(panel);
    for (const auto& r : rows) {
        auto* l = new QLabel(r.first, panel);
        l->setBuddy(r.second);
        form->addRow(l, r.second);
    }
}

QDateEdit* datePicker(QWidget* panel, const char* name)
{
    auto* d = new QDateEdit(QDate::currentDate(), panel);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(shortDateFormat());
    d->setCalendarPopup(true);
    return d;
}

}  // namespace

QWidget* frmNewData::makeTournamentPanel()
{
    auto* panel = new QGroupBox(tr("Tournament Information"), this);
    panel->setObjectName(QStringLiteral("TournamentPanel"));
    txtTournName = new QLineEdit(panel);
    txtTournName->setObjectName(QStringLiteral("txtTournName"));
    txtTournName->setMaxLength(50);
    txtTournName->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    TournDate = datePicker(panel, "TournDate");
    TournSize = new QComboBox(panel);
    TournSize->setObjectName(QStringLiteral("TournSize"));
    // One entry per round count: "From 2 to 2 Teams" … "From 9 to 16 Teams".
    for (int rounds = 1; rounds <= 4; ++rounds)
        TournSize->addItem(tr("From %1 to %2 Teams").arg((1 << (rounds - 1)) + 1).arg(1 << rounds), rounds);

    addRows(panel,
            {{tr("Tournament &Name:"), txtTournName}, {tr("&Start Date:"), TournDate}, {tr("Si&ze:"), TournSize}});
    return panel;
}

QWidget* frmNewData::makeTournamentGamePanel()
{
    auto* panel = new QGroupBox(tr("Game Schedule Information"), this);
    panel->setObjectName(QStringLiteral("TournamentGamePanel"));
    TGameDate = datePicker(panel, "TGameDate");
    TGameTime = new QTimeEdit(QTime(12, 0), panel);
    TGameTime->setObjectName(QStringLiteral("TGameTime"));
    // On the coach's clock, as the bracket's game labels show it.
    TGameTime->setDisplayFormat(clockFormat());
    TGameField = new QLineEdit(panel);
    TGameField->setObjectName(QStringLiteral("TGameField"));
    TGameField->setMaxLength(255);
    TGameField->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
    addRows(panel, {{tr("&Date:"), TGameDate}, {tr("&Time:"), TGameTime}, {tr("&Field:"), TGameField}});
    return panel;
}

void frmNewData::setPurpose(Purpose purpose)
{
    m_purpose = purpose;
    switch (purpose) {
    case Purpose::Game:
        m_panels->setCurrentWidget(m_gamePanel);
        AddBtn->setText(m_moving ? tr("Reschedule") : tr("Add"));
        break;
    case Purpose::Tournament:
        m_panels->setCurrentWidget(m_tournamentPanel);
        AddBtn->setText(tr("OK"));
        txtTournName->setFocus(Qt::OtherFocusReason);
        break;
    case Purpose::TournamentGame:
        m_panels->setCurrentWidget(m_tournamentGamePanel);
        AddBtn->setText(tr("OK"));
        break;
    }
    // The stack is as large as its largest panel; only the one shown counts.
    for (int i = 0; i < m_panels->count(); ++i)
        m_panels->widget(i)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_panels->currentWidget()->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_panels->adjustSize();
}

void frmNewData::setTournament(const QString& name, const QDate& startDate, int rounds)
{
    txtTournName->setText(name);
    TournDate->setDate(startDate.isValid() ? startDate : QDate::currentDate());
    TournSize->setCurrentIndex(std::max(0, TournSize->findData(std::clamp(rounds, 1, 4))));
}

QString frmNewData::tournamentName() const
{
    return txtTournName->text().trimmed();
}

QDate frmNewData::tournamentStart() const
{
    return TournDate->date();
}

int frmNewData::tournamentRounds() const
{
    return TournSize->currentData().toInt();
}

void frmNewData::setTournamentGame(const QDate& date, const QTime& time, const QString& fieldName)
{
    TGameDate->setDate(date.isValid() ? date : QDate::currentDate());
    TGameTime->setTime(time.isValid() ? time : QTime(12, 0));
    TGameField->setText(fieldName);
}

void frmNewData::setGame(qint16 opponentNo, const QDate& date, const QTime& time, const QString& fieldName)
{
    OpList->setCurrentIndex(opponentNo > 0 ? OpList->findData(opponentNo) : -1);
    GameDate->setDate(date.isValid() ? date : QDate::currentDate());
    Gametime->setTime(time.isValid() ? time : QTime(12, 0));
    GameField->setText(fieldName);
}

void frmNewData::setOpponentLocked(bool locked)
{
    OpList->setEnabled(!locked);
    GameField->setReadOnly(locked);
    m_moving = locked;
    if (m_purpose == Purpose::Game)
        AddBtn->setText(m_moving ? tr("Reschedule") : tr("Add"));
}

qint16 frmNewData::opponentNo() const
{
    return OpList->currentIndex() < 0 ? 0 : static_cast<qint16>(OpList->currentData().toInt());
}

QDate frmNewData::date() const
{
    return m_purpose == Purpose::TournamentGame ? TGameDate->date() : GameDate->date();
}

QTime frmNewData::time() const
{
    return m_purpose == Purpose::TournamentGame ? TGameTime->time() : Gametime->time();
}

QString frmNewData::timeText() const
{
    return QLocale().toString(Gametime->time(), kTimeFormat);
}

QString frmNewData::fieldName() const
{
    return m_purpose == Purpose::TournamentGame ? TGameField->text() : GameField->text();
}

void frmNewData::AddBtn_Click()
{
    if (m_purpose == Purpose::Tournament && tournamentName().isEmpty()) {
        prompter().message(tr("Missing Tournament Name"), tr("You must supply a tournament name."),
                           Prompter::Icon::Critical);
        txtTournName->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (m_purpose == Purpose::Game && opponentNo() < 1) {
        prompter().message(tr("Missing Opponent"), tr("You must supply an opponent."), Prompter::Icon::Critical);
        OpList->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

}  // namespace pw

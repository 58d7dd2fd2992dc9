#include "schedule/frmNewData.h"

#include "common/AppState.h"
#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Trace.h"

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

    guarded(QStringLiteral("Form_Load"), traceArg(QStringLiteral("lcTeamNo"), teamNo), [&] {
        m_opponents = scheduleOpponents(teamNo);
    });
    for (const ScheduleOpponent& o : m_opponents)
        OpList->addItem(o.text(), o.number);
    // The coach names the opponent; nothing is chosen for them.
    OpList->setCurrentIndex(-1);
    setPurpose(Purpose::Game);
    state().DialogResult = 1;
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

void frmNewData::setPurpose(Purpose purpose)
{
    switch (purpose) {
    case Purpose::Game: m_panels->setCurrentWidget(m_gamePanel); break;
    }
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
}

qint16 frmNewData::opponentNo() const
{
    return OpList->currentIndex() < 0 ? 0 : static_cast<qint16>(OpList->currentData().toInt());
}

QDate frmNewData::date() const
{
    return GameDate->date();
}

QTime frmNewData::time() const
{
    return Gametime->time();
}

QString frmNewData::timeText() const
{
    return QLocale().toString(Gametime->time(), kTimeFormat);
}

QString frmNewData::fieldName() const
{
    return GameField->text();
}

void frmNewData::AddBtn_Click()
{
    if (opponentNo() < 1) {
        prompter().message(tr("Missing Opponent"), tr("You must supply an opponent."), Prompter::Icon::Critical);
        OpList->setFocus(Qt::OtherFocusReason);
        return;
    }
    state().DialogResult = 0;
    accept();
}

void frmNewData::reject()
{
    state().DialogResult = 1;
    QDialog::reject();
}

}  // namespace pw

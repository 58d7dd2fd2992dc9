// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/TeamFields.h"

#include "ui_TeamFields.h"

#include "common/Formats.h"
#include "common/MailAddress.h"
#include "common/Prompter.h"
#include "ui/base/FieldEntry.h"

#include <QKeyEvent>
#include <QLocale>

namespace pw {

namespace {

const QTime kPracticeStart(18, 0);
const QTime kPracticeEnd(19, 30);

// A time as a practice picker showed it ("6:00 PM"), read back in the coach's locale or as written
// on a machine with another one.
QTime readTime(const QString& text)
{
    const QString t = text.trimmed();
    for (const QString& f : {QStringLiteral("h:mm AP"), QStringLiteral("h:mm ap"), QStringLiteral("H:mm"),
                             QStringLiteral("h:mm:ss AP"), QStringLiteral("H:mm:ss")}) {
        QTime time = QLocale().toTime(t, f);
        if (!time.isValid())
            time = QTime::fromString(t, f);
        if (time.isValid())
            return time;
    }
    return {};
}

template <typename T> void setChecked(const QList<T*>& options, int index)
{
    for (int i = 0; i < options.size(); ++i) {
        // Auto-exclusive buttons cannot be all cleared one by one; switch it off meanwhile.
        options[i]->setAutoExclusive(false);
        options[i]->setChecked(i == index);
        options[i]->setAutoExclusive(true);
    }
}

template <typename T> int checkedIndex(const QList<T*>& options)
{
    for (int i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked())
            return i;
    }
    return -1;
}

}  // namespace

TeamFields::TeamFields(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::TeamFields>())
{
    m_ui->setupUi(this);
    for (int age = 1; age <= 20; ++age)
        m_ui->txtAge->addItem(QStringLiteral("U%1").arg(age));
    m_ui->txtAge->setCurrentIndex(-1);
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        e->installEventFilter(this);
        // A spin box's own line edit is entered with its spin box.
        if (!qobject_cast<QAbstractSpinBox*>(e->parentWidget()))
            selectWholeOnEntry(e);
    }
    for (QAbstractSpinBox* e : findChildren<QAbstractSpinBox*>()) {
        e->installEventFilter(this);
        selectWholeOnEntry(e);
    }
    typeableDateTimes(this);
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui->txtAge, m_ui->chkTourney, m_ui->chkMoney, m_ui->chk_0,
                                                      m_ui->chk_1, m_ui->chk_2, m_ui->chk_3, m_ui->chk_4})
        w->installEventFilter(this);
    // Numbers only where numbers are stored.
    for (QLineEdit* e : {m_ui->txtPeriods, m_ui->txtNoPlayers, m_ui->txtMinutes, m_ui->txtMinQtrReq, m_ui->txtPts_0,
                         m_ui->txtPts_1, m_ui->txtPts_2})
        e->setValidator(new QIntValidator(-999, 9999, e));
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        if (!e->validator())
            e->setMaxLength(255);
    }
    m_ui->txtAge->setMinimumContentsLength(4);
    for (QDateEdit* d : {m_ui->dpStartDate, m_ui->txtCutOff})
        d->setDisplayFormat(shortDateFormat());

    onPageEnd = [this](int page, QWidget* next) { showPage(page, next); };

    connect(m_ui->chkMoney, &QCheckBox::toggled, this, [this](bool on) { showFeeFields(on); });
    const QList<QCheckBox*> days{m_ui->chk_0, m_ui->chk_1, m_ui->chk_2, m_ui->chk_3, m_ui->chk_4};
    for (int d = 0; d < days.size(); ++d)
        connect(days[d], &QCheckBox::toggled, this, [this, d](bool on) { setPracticeDay(d, on); });
    connect(m_ui->txtTeamAmount, &QLineEdit::editingFinished, this, [this] {
        // The fee reads as money once the coach leaves it.
        if (const auto amount = feeAmount(); amount && !m_ui->txtTeamAmount->text().trimmed().isEmpty())
            m_ui->txtTeamAmount->setText(Format(*amount, QStringLiteral("Currency")));
    });
    connectEdits();
    clear();
}

TeamFields::~TeamFields() = default;

void TeamFields::connectEdits()
{
    auto changed = [this] { Q_EMIT edited(); };
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, changed);
    for (QDateEdit* e : findChildren<QDateEdit*>()) {
        // A time picker is a date-time editor too; its own signal is enough.
        if (qobject_cast<QTimeEdit*>(e) == nullptr)
            connect(e, &QDateEdit::dateChanged, this, changed);
    }
    for (QTimeEdit* e : findChildren<QTimeEdit*>())
        connect(e, &QTimeEdit::timeChanged, this, changed);
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) {
        if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
            connect(b, &QAbstractButton::clicked, this, changed);
    }
    connect(m_ui->txtAge, &QComboBox::activated, this, changed);
}

void TeamFields::setWizardMode()
{
    m_ui->TeamConfigTab->tabBar()->hide();
    m_ui->chkMoney->hide();
    m_ui->lblTeamAmount->hide();
    m_ui->txtTeamAmount->hide();
    m_ui->lblCutOff->setText(tr("Must be born after:"));
    m_ui->lblSeason->setText(tr("Season/Session:"));
    m_ui->lblStartDate->setText(tr("Start:"));
    m_ui->sexLayout->removeWidget(m_ui->optSex_2);
    m_ui->sexLayout->insertWidget(0, m_ui->optSex_2);
    QWidget::setTabOrder(m_ui->txtCutOff, m_ui->optSex_2);
    QWidget::setTabOrder(m_ui->optSex_2, m_ui->optSex_0);
}

void TeamFields::showFeeFields(bool on)
{
    m_ui->lblTeamAmount->setEnabled(on);
    m_ui->txtTeamAmount->setEnabled(on);
}

void TeamFields::setPracticeDay(int day, bool on)
{
    findChild<QTimeEdit*>(QStringLiteral("txtPracS_%1").arg(day))->setEnabled(on);
    findChild<QTimeEdit*>(QStringLiteral("txtPracE_%1").arg(day))->setEnabled(on);
}

void TeamFields::showPage(int page, QWidget* focus)
{
    m_ui->TeamConfigTab->setCurrentIndex(page);
    if (focus)
        focus->setFocus(Qt::TabFocusReason);
}

void TeamFields::clear()
{
    for (QLineEdit* e : findChildren<QLineEdit*>())
        e->clear();
    for (QCheckBox* c : findChildren<QCheckBox*>())
        c->setChecked(false);
    setChecked(QList<QRadioButton*>{m_ui->optSex_0, m_ui->optSex_1, m_ui->optSex_2}, -1);
    setChecked(QList<QRadioButton*>{m_ui->optTimeTrack_0, m_ui->optTimeTrack_1}, -1);
    setChecked(QList<QRadioButton*>{m_ui->CptOpt_0, m_ui->CptOpt_1}, -1);
    m_ui->txtAge->setCurrentIndex(-1);
    m_ui->txtCutOff->setDate(QDate::currentDate());
    m_ui->dpStartDate->setDate(QDate::currentDate());
    for (int d = 0; d < 5; ++d) {
        findChild<QTimeEdit*>(QStringLiteral("txtPracS_%1").arg(d))->setTime(kPracticeStart);
        findChild<QTimeEdit*>(QStringLiteral("txtPracE_%1").arg(d))->setTime(kPracticeEnd);
        setPracticeDay(d, false);
    }
    const auto points = decodePointBoxes(QString());
    m_ui->txtPts_0->setText(points[0]);
    m_ui->txtPts_1->setText(points[1]);
    m_ui->txtPts_2->setText(points[2]);
    showFeeFields(false);
    unselectPickers();
}

void TeamFields::fill(const TeamProfile& t)
{
    m_ui->TxtLeague->setText(t.league);
    m_ui->txtTeamName->setText(t.teamName);
    m_ui->txtClubName->setText(t.clubName);
    m_ui->txtwebsite->setText(t.webSite);
    m_ui->txtHomePage->setText(t.homePage);
    m_ui->chkTourney->setChecked(t.tournamentPlay);
    m_ui->chkMoney->setChecked(t.manageFees);
    showFeeFields(t.manageFees);
    m_ui->txtTeamAmount->setText(Format(t.teamAmount, QStringLiteral("Currency")));
    m_ui->txtSeason->setText(t.season);
    if (t.startDate.isValid())
        m_ui->dpStartDate->setDate(t.startDate);
    // An age the list does not offer is still shown as stored.
    int age = m_ui->txtAge->findText(t.ageDivision.trimmed(), Qt::MatchFixedString);
    if (age < 0 && !t.ageDivision.trimmed().isEmpty()) {
        m_ui->txtAge->addItem(t.ageDivision.trimmed());
        age = m_ui->txtAge->count() - 1;
    }
    m_ui->txtAge->setCurrentIndex(age);
    if (t.cutOff.isValid())
        m_ui->txtCutOff->setDate(t.cutOff);
    const QString sex = t.sex.trimmed().toUpper();
    setChecked(QList<QRadioButton*>{m_ui->optSex_0, m_ui->optSex_1, m_ui->optSex_2}, sex == QLatin1String("B")   ? 0
                                                                                     : sex == QLatin1String("C") ? 2
                                                                                                                 : 1);
    m_ui->txtPeriods->setText(QString::number(t.periods));
    m_ui->txtNoPlayers->setText(QString::number(t.numberOfPlayers));
    m_ui->txtMinutes->setText(QString::number(t.minutes));
    m_ui->txtMinQtrReq->setText(QString::number(t.minQtrReq));
    m_ui->txtJerseyColor->setText(t.jerseyColor);
    m_ui->txtShortsColor->setText(t.shortsColor);
    m_ui->txtAlternate->setText(t.altColor);
    setChecked(QList<QRadioButton*>{m_ui->optTimeTrack_0, m_ui->optTimeTrack_1}, t.timeTrack);
    setChecked(QList<QRadioButton*>{m_ui->CptOpt_0, m_ui->CptOpt_1}, t.trackCaptain);
    for (int i = 0; i < 3; ++i) {
        const CoachInfo& c = t.coaches[static_cast<size_t>(i)];
        const QString n = QString::number(i + 1);
        findChild<QLineEdit*>(QStringLiteral("txtCoach_") + n)->setText(c.name);
        findChild<QLineEdit*>(QStringLiteral("txtCoachPhone_") + n)->setText(c.phone);
        findChild<QLineEdit*>(QStringLiteral("txtCoachAdd_") + n)->setText(c.address);
        findChild<QLineEdit*>(QStringLiteral("txtCoachZip_") + n)->setText(c.zip);
        findChild<QLineEdit*>(QStringLiteral("txtCoachMobile_") + n)->setText(c.mobile);
        findChild<QLineEdit*>(QStringLiteral("txtEmail_") + n)->setText(c.email);
    }
    const PracticeWeek week = decodePracticeWeek(t.practiceSchedule);
    for (int d = 0; d < 5; ++d) {
        const PracticeDay& day = week[static_cast<size_t>(d)];
        findChild<QCheckBox*>(QStringLiteral("chk_%1").arg(d))->setChecked(day.on);
        const QTime start = readTime(day.start);
        const QTime end = readTime(day.end);
        findChild<QTimeEdit*>(QStringLiteral("txtPracS_%1").arg(d))->setTime(start.isValid() ? start : kPracticeStart);
        findChild<QTimeEdit*>(QStringLiteral("txtPracE_%1").arg(d))->setTime(end.isValid() ? end : kPracticeEnd);
        setPracticeDay(d, day.on);
    }
    m_ui->txtReportEmail->setText(t.emailSendTo);
    const auto points = decodePointBoxes(t.pointValue);
    m_ui->txtPts_0->setText(points[0]);
    m_ui->txtPts_1->setText(points[1]);
    m_ui->txtPts_2->setText(points[2]);
    m_ui->TeamConfigTab->setCurrentIndex(0);
    m_ui->CoachTab->setCurrentIndex(0);
    unselectPickers();
}

void TeamFields::unselectPickers()
{
    // A picker given a value selects its first part, which would show highlighted on every
    // page as if the coach had selected it.
    for (QAbstractSpinBox* s : findChildren<QAbstractSpinBox*>()) {
        if (!s->hasFocus()) {
            if (auto* e = s->findChild<QLineEdit*>())
                e->deselect();
        }
    }
}

std::optional<double> TeamFields::feeAmount() const
{
    if (m_ui->txtTeamAmount->text().trimmed().isEmpty())
        return 0.0;
    return parseAmount(m_ui->txtTeamAmount->text());
}

TeamProfile TeamFields::collect(const TeamProfile& base) const
{
    TeamProfile t = base;
    t.league = m_ui->TxtLeague->text();
    t.teamName = m_ui->txtTeamName->text();
    t.clubName = m_ui->txtClubName->text();
    t.webSite = m_ui->txtwebsite->text().trimmed();
    t.homePage = m_ui->txtHomePage->text().trimmed();
    t.tournamentPlay = m_ui->chkTourney->isChecked();
    t.manageFees = m_ui->chkMoney->isChecked();
    t.teamAmount = feeAmount().value_or(0.0);
    t.season = m_ui->txtSeason->text();
    t.startDate = m_ui->dpStartDate->date();
    t.ageDivision = m_ui->txtAge->currentText();
    t.cutOff = m_ui->txtCutOff->date();
    const int sex = checkedIndex(QList<QRadioButton*>{m_ui->optSex_0, m_ui->optSex_1, m_ui->optSex_2});
    // Whatever the option shows, its caption's first letter is what is kept.
    t.sex =
        sex < 0 ? QString() : QList<QRadioButton*>{m_ui->optSex_0, m_ui->optSex_1, m_ui->optSex_2}[sex]->text().left(1);
    t.periods = m_ui->txtPeriods->text().toInt();
    t.numberOfPlayers = m_ui->txtNoPlayers->text().toInt();
    t.minutes = m_ui->txtMinutes->text().toInt();
    t.minQtrReq = m_ui->txtMinQtrReq->text().toInt();
    t.jerseyColor = m_ui->txtJerseyColor->text();
    t.shortsColor = m_ui->txtShortsColor->text();
    t.altColor = m_ui->txtAlternate->text();
    t.timeTrack = std::max(0, checkedIndex(QList<QRadioButton*>{m_ui->optTimeTrack_0, m_ui->optTimeTrack_1}));
    t.trackCaptain = std::max(0, checkedIndex(QList<QRadioButton*>{m_ui->CptOpt_0, m_ui->CptOpt_1}));
    for (int i = 0; i < 3; ++i) {
        CoachInfo& c = t.coaches[static_cast<size_t>(i)];
        const QString n = QString::number(i + 1);
        c.name = findChild<QLineEdit*>(QStringLiteral("txtCoach_") + n)->text();
        c.phone = findChild<QLineEdit*>(QStringLiteral("txtCoachPhone_") + n)->text();
        c.address = findChild<QLineEdit*>(QStringLiteral("txtCoachAdd_") + n)->text();
        c.zip = findChild<QLineEdit*>(QStringLiteral("txtCoachZip_") + n)->text();
        c.mobile = findChild<QLineEdit*>(QStringLiteral("txtCoachMobile_") + n)->text();
        c.email = findChild<QLineEdit*>(QStringLiteral("txtEmail_") + n)->text().trimmed();
    }
    PracticeWeek week;
    for (int d = 0; d < 5; ++d) {
        PracticeDay& day = week[static_cast<size_t>(d)];
        day.on = findChild<QCheckBox*>(QStringLiteral("chk_%1").arg(d))->isChecked();
        day.start = findChild<QTimeEdit*>(QStringLiteral("txtPracS_%1").arg(d))->text();
        day.end = findChild<QTimeEdit*>(QStringLiteral("txtPracE_%1").arg(d))->text();
    }
    t.practiceSchedule = encodePracticeWeek(week);
    t.emailSendTo = m_ui->txtReportEmail->text().trimmed();
    t.pointValue = encodePointBoxes({m_ui->txtPts_0->text(), m_ui->txtPts_1->text(), m_ui->txtPts_2->text()});
    return t;
}

QLabel* TeamFields::labelOf(const QWidget* field) const
{
    QString name = field->objectName();
    if (name.startsWith(QLatin1String("txt"), Qt::CaseInsensitive))
        name.replace(0, 3, QStringLiteral("lbl"));
    return findChild<QLabel*>(name);
}

QWidget* TeamFields::firstEmpty(const QList<QWidget*>& fields) const
{
    for (QWidget* f : fields) {
        QString text;
        if (const auto* e = qobject_cast<QLineEdit*>(f))
            text = e->text();
        else if (const auto* c = qobject_cast<QComboBox*>(f))
            text = c->currentText();
        if (text.trimmed().isEmpty())
            return f;
    }
    return nullptr;
}

QString TeamFields::firstMissing(const QList<QWidget*>& fields) const
{
    QWidget* f = firstEmpty(fields);
    if (!f)
        return {};
    const QLabel* l = labelOf(f);
    return l ? l->text() : f->objectName();
}

QList<QWidget*> TeamFields::requiredFields() const
{
    return {m_ui->txtTeamName,    m_ui->txtSeason,  m_ui->txtAge,          m_ui->txtNoPlayers, m_ui->txtJerseyColor,
            m_ui->txtShortsColor, m_ui->txtCoach_1, m_ui->txtCoachPhone_1, m_ui->txtPeriods};
}

bool TeamFields::checkAddresses(const QWidget* page)
{
    const std::pair<QLineEdit*, const char*> addresses[] = {
        {m_ui->txtEmail_1, QT_TR_NOOP("The coach's Email")},
        {m_ui->txtEmail_2, QT_TR_NOOP("The first assistant coach's Email")},
        {m_ui->txtEmail_3, QT_TR_NOOP("The second assistant coach's Email")},
        {m_ui->txtReportEmail, QT_TR_NOOP("The Email address to Send Game Results")}};
    for (const auto& [field, name] : addresses) {
        if (page && !page->isAncestorOf(field))
            continue;
        const QString why = mail::addressFieldProblem(field->text());
        if (why.isEmpty())
            continue;
        prompter().message(mail::fieldProblemTitle(), mail::fieldProblemMessage(tr(name), why),
                           Prompter::Icon::Exclamation);
        for (QWidget* w = field->parentWidget(); w; w = w->parentWidget()) {
            if (const int coach = m_ui->CoachTab->indexOf(w); coach >= 0)
                m_ui->CoachTab->setCurrentIndex(coach);
            if (const int tab = m_ui->TeamConfigTab->indexOf(w); tab >= 0) {
                m_ui->TeamConfigTab->setCurrentIndex(tab);
                break;
            }
        }
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

int TeamFields::pageAfter(const QWidget* field, QWidget** next) const
{
    if (field == m_ui->txtHomePage) {
        *next = m_ui->txtSeason;
        return 1;
    }
    if (field == m_ui->txtAlternate) {
        m_ui->CoachTab->setCurrentIndex(0);
        *next = m_ui->txtCoach_1;
        return 3;
    }
    if (field == m_ui->txtEmail_3) {
        *next = m_ui->chk_0;
        return 4;
    }
    return -1;
}

bool TeamFields::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool tab = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
    if (!enter && !tab)
        return false;
    // A coach's e-mail leads to the next coach's sub-page.
    if (field == m_ui->txtEmail_1 || field == m_ui->txtEmail_2) {
        const int coach = field == m_ui->txtEmail_1 ? 1 : 2;
        m_ui->CoachTab->setCurrentIndex(coach);
        findChild<QLineEdit*>(QStringLiteral("txtCoach_%1").arg(coach + 1))->setFocus(Qt::TabFocusReason);
        return true;
    }
    QWidget* next = nullptr;
    if (const int page = pageAfter(field, &next); page >= 0) {
        onPageEnd(page, next);
        return true;
    }
    if (enter) {
        focusNextChild();
        return true;
    }
    return false;
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/schedule/frmSchedule.h"

#include "common/Formats.h"
#include "common/Selection.h"
#include "core/schedule/ScheduleModel.h"
#include "ui/base/FieldEntry.h"
#include "ui/base/RowList.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace pw {

frmSchedule::frmSchedule(qint16 teamNo, qint16 numberOfGames, qint16 selectedGameNo, QWidget* parent)
    : EditWindow(parent)
    , m_teamNo(teamNo)
{
    setObjectName(QStringLiteral("frmSchedule"));
    setWindowTitle(tr("Game Schedule"));
    setUnsavedQuestion(tr("Save Data?"), tr("Data has been changed. Do you want to Save the changes?"));

    QLabel* gridCaption = buildGrid();
    buildInputs();
    buildButtons();
    QHBoxLayout* inputs = buildInputRows();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddMod);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridCaption);
    layout->addWidget(ScheduleList, 1);
    layout->addLayout(inputs);
    layout->addLayout(buttons);
    setTabOrder(ScheduleList, txtOppNo);
    setTabOrder(txtOppNo, GameDate);
    setTabOrder(GameDate, GameTime);
    setTabOrder(GameTime, txtFieldName);
    setTabOrder(txtFieldName, AddMod);
    setTabOrder(AddMod, OKButton);
    setTabOrder(OKButton, CloseBtn);
    resize(fontMetrics().averageCharWidth() * 78, sizeHint().height());

    setDirtyMarker(this, OKButton);
    connectWidgets();

    load(QStringLiteral("Form_Load"), [&] {
        m_opponents = scheduleOpponents(m_teamNo);
        for (const ScheduleOpponent& o : m_opponents)
            txtOppNo->addItem(QString::number(o.number), o.number);
        m_model->setOpponents(m_opponents);
        m_slots.load(m_teamNo, numberOfGames);
        fillGrid();
        ResetInputs();
        if (m_slots.slot(selectedGameNo)) {
            const int row = selectedGameNo - 1;
            ScheduleList->selectRow(row);
            ScheduleList->scrollTo(m_model->index(row, 0));
            ScheduleList_Click(row);
        }
    });
}

QLabel* frmSchedule::buildGrid()
{
    m_model = new ScheduleModel(this);
    ScheduleList = new QTableView(this);
    ScheduleList->setObjectName(QStringLiteral("ScheduleList"));
    setUpRowList(ScheduleList, m_model);
    ScheduleList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    ScheduleList->setAlternatingRowColors(true);
    ScheduleList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ScheduleList->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ScheduleList->setMinimumHeight(fontMetrics().height() * 14);
    auto* gridCaption = new QLabel(tr("Game Schedule"), this);
    gridCaption->setBuddy(ScheduleList);
    return gridCaption;
}

void frmSchedule::buildInputs()
{
    txtOppNo = new QComboBox(this);
    txtOppNo->setObjectName(QStringLiteral("txtOppNo"));
    txtOppNo->setMinimumContentsLength(5);
    auto readOnly = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        // Shown from the chosen number, not typed: drawn on the window's colour so that it does
        // not invite typing.
        QPalette shown = e->palette();
        shown.setColor(QPalette::Base, shown.color(QPalette::Window));
        e->setPalette(shown);
        return e;
    };
    txtOppName = readOnly("txtOppName");
    txtOppCoach = readOnly("txtOppCoach");
    GameDate = new QDateEdit(this);
    GameDate->setObjectName(QStringLiteral("GameDate"));
    GameDate->setDisplayFormat(shortDateFormat());
    GameDate->setCalendarPopup(true);
    GameTime = new QTimeEdit(this);
    GameTime->setObjectName(QStringLiteral("GameTime"));
    GameTime->setDisplayFormat(QStringLiteral("hh:mm AP"));
    typeableDateTimes(GameDate);
    typeableDateTimes(GameTime);
    txtFieldName = new QLineEdit(this);
    txtFieldName->setObjectName(QStringLiteral("txtFieldName"));
    txtFieldName->setMaxLength(255);
}

void frmSchedule::buildButtons()
{
    AddMod = new QPushButton(tr("Add/Modify"), this);
    AddMod->setObjectName(QStringLiteral("AddMod"));
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    OKButton->setAutoDefault(false);
    CloseBtn->setAutoDefault(false);
    // Enter in the inputs stores the slot.
    AddMod->setDefault(true);
}

QHBoxLayout* frmSchedule::buildInputRows()
{
    auto labelled = [this](QFormLayout* form, const QString& caption, QWidget* input) {
        auto* l = new QLabel(caption, this);
        l->setBuddy(input);
        form->addRow(l, input);
    };
    auto* opponent = new QFormLayout;
    labelled(opponent, tr("Team Number:"), txtOppNo);
    labelled(opponent, tr("Team Name:"), txtOppName);
    labelled(opponent, tr("Coach:"), txtOppCoach);
    auto* when = new QFormLayout;
    labelled(when, tr("Game Date:"), GameDate);
    labelled(when, tr("Game Time:"), GameTime);
    labelled(when, tr("Field"), txtFieldName);
    auto* inputs = new QHBoxLayout;
    inputs->addLayout(opponent, 1);
    inputs->addSpacing(fontMetrics().averageCharWidth() * 2);
    inputs->addLayout(when, 1);
    return inputs;
}

void frmSchedule::connectWidgets()
{
    connect(ScheduleList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            handler(QStringLiteral("ScheduleList_Click"), [this](const QModelIndex& current) {
                if (current.isValid())
                    ScheduleList_Click(current.row());
            }));
    connect(txtOppNo, &QComboBox::currentIndexChanged, this,
            handler(QStringLiteral("txtOppNo_Click"), [this] { txtOppNo_Click(); }));
    connect(AddMod, &QPushButton::clicked, this, handler(QStringLiteral("AddMod_Click"), [this] { AddMod_Click(); }));
    connect(OKButton, &QPushButton::clicked, this,
            handler(QStringLiteral("OKButton_Click"), [this] { OKButton_Click(); }));
    connect(CloseBtn, &QPushButton::clicked, this, [this] { closeWindow(); });
}

frmSchedule::~frmSchedule() = default;

void frmSchedule::fillGrid()
{
    m_model->setRows(m_slots.slots());
}

void frmSchedule::ResetInputs()
{
    const QSignalBlocker quiet(txtOppNo);
    txtOppNo->setCurrentIndex(-1);
    txtOppName->clear();
    txtOppCoach->clear();
    GameDate->setDate(QDate::currentDate());
    GameTime->setTime(QTime(0, 0));
    txtFieldName->clear();
}

void frmSchedule::ScheduleList_Click(int row)
{
    const ScheduleSlot* s = m_slots.slot(row + 1);
    if (!s)
        return;
    m_slotNo = row + 1;
    if (!s->filled()) {
        ResetInputs();
        return;
    }
    int index = txtOppNo->findData(s->opponentNo);
    if (index < 0) {
        // An opponent no longer in the list keeps its number, so that storing the slot again
        // does not empty it.
        txtOppNo->addItem(QString::number(s->opponentNo), s->opponentNo);
        index = txtOppNo->count() - 1;
    }
    {
        const QSignalBlocker quiet(txtOppNo);
        txtOppNo->setCurrentIndex(index);
    }
    txtOppNo_Click();
    GameDate->setDate(s->date.isValid() ? s->date : QDate::currentDate());
    const QTime kickOff = parseGameTime(s->timeText);
    GameTime->setTime(kickOff.isValid() ? kickOff : QTime(0, 0));
    txtFieldName->setText(s->fieldName);
}

void frmSchedule::txtOppNo_Click()
{
    const qint16 number = static_cast<qint16>(txtOppNo->currentData().toInt());
    txtOppName->clear();
    txtOppCoach->clear();
    for (const ScheduleOpponent& o : m_opponents) {
        if (o.number == number && txtOppNo->currentIndex() >= 0) {
            txtOppName->setText(shownText(o.name));
            txtOppCoach->setText(shownText(o.coach));
            break;
        }
    }
}

void frmSchedule::AddMod_Click()
{
    const ScheduleSlot* s = m_slots.slot(m_slotNo);
    if (!s)
        return;
    const qint16 opponent = txtOppNo->currentIndex() < 0 ? 0 : static_cast<qint16>(txtOppNo->currentData().toInt());
    if (opponent < 1 && !s->filled())
        return;  // an empty slot stays empty: nothing changed
    m_slots.store(m_slotNo, opponent, GameDate->date(), GameTime->time(), txtFieldName->text());
    // The inputs are cleared for the next game; the slot is forgotten with them, so that a
    // second click cannot store the empty inputs over the game just entered.
    m_slotNo = 0;
    fillGrid();
    ResetInputs();
    markChanged();
}

bool frmSchedule::save()
{
    m_slots.save(m_teamNo);
    markSaved();
    return true;
}

void frmSchedule::OKButton_Click()
{
    if (save())
        accept();
}

}  // namespace pw

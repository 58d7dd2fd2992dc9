// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/teams/PlayerInfo.h"

#include "ui/base/Modal.h"

#include "core/reports/Reports.h"
#include "ui/base/FieldConfig.h"

#include "ui_PlayerFields.h"

#include "common/Formats.h"
#include "common/MailAddress.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "core/teams/PlayerRules.h"
#include "core/teams/TeamProfile.h"
#include "data/Fields.h"
#include "ui/base/Dirty.h"
#include "ui/base/FieldEntry.h"
#include "ui/teams/dlgPlayerList.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace pw {

namespace {

constexpr int kNoteIdRole = Qt::UserRole;

struct ParentFields {
    QLineEdit* lastName;
    QLineEdit* firstName;
    QCheckBox* same;
    QLineEdit* address;
    QLineEdit* city;
    QLineEdit* state;
    QLineEdit* zip;
    QLineEdit* phone;
    QLineEdit* altPhone;
    QLineEdit* email;
};

ParentFields parentFields(const Ui::PlayerFields& ui, bool dad)
{
    if (dad)
        return {ui.DadLastName, ui.DadFirstName, ui.chkDadSameAdd, ui.DadAddress,  ui.DadCity,
                ui.DadState,    ui.DadZip,       ui.DadPhone,      ui.DadAltPhone, ui.DadEmail};
    return {ui.MomLastName, ui.MomFirstName, ui.chkMomSameAdd, ui.MomAddress,  ui.MomCity,
            ui.MomState,    ui.MomZip,       ui.MomPhone,      ui.MomAltPhone, ui.MomEmail};
}

QList<QCheckBox*> positionBoxes(const Ui::PlayerFields& ui)
{
    return {ui.ChkPos_0, ui.ChkPos_1, ui.ChkPos_2, ui.ChkPos_3, ui.ChkPos_4};
}

}  // namespace

PlayerInfo::PlayerInfo(qint16 teamNo, QWidget* parent)
    : PlayerInfo(teamNo, selection().CurrentPlayerNo(), parent)
{
}

PlayerInfo::PlayerInfo(qint16 teamNo, qint16 playerNo, QWidget* parent)
    : EditWindow(parent)
    , m_teamNo(teamNo)
    , m_ui(std::make_unique<Ui::PlayerFields>())
{
    setObjectName(QStringLiteral("PlayerInfo"));
    setWindowTitle(tr("Player Information"));
    setUnsavedQuestion(tr("Save Data"), tr("Changes have been made, Do you want to save them?"));

    QMenuBar* menuBar = buildMenuBar();
    QWidget* fields = buildPlayerFields();
    QHBoxLayout* bottom = buildButtonRow();
    buildNotesFrame();

    auto* top = new QHBoxLayout;
    auto* playerCaption = new QLabel(tr("Player:"), this);
    playerCaption->setBuddy(CPlayer);
    top->addWidget(playerCaption);
    top->addWidget(CPlayer, 1);
    top->addSpacing(fontMetrics().averageCharWidth() * 2);
    top->addWidget(new QLabel(tr("Player No:"), this));
    top->addWidget(lblPlayerNo);
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(fields, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(NotesFrame);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);
    setTabOrder(CPlayer, m_ui->PlyrTab);

    setDirtyMarker(this, OKButton);
    connectFields(fields);
    connectButtons();

    m_ui->PlyrTab->setCurrentIndex(0);
    GenPlayerList(playerNo);
    if (m_shownIndex < 0 && CPlayer->count() > 0)
        GenPlayerList(static_cast<qint16>(CPlayer->itemData(0).toInt()));
}

QMenuBar* PlayerInfo::buildMenuBar()
{
    auto* menuBar = new QMenuBar(this);
    QMenu* playerMenu = menuBar->addMenu(tr("Player"));
    playerMenu->setObjectName(QStringLiteral("mnuPlayer"));
    QAction* add = playerMenu->addAction(tr("Add Player"));
    add->setObjectName(QStringLiteral("PlayerAdd"));
    QAction* del = playerMenu->addAction(tr("Delete Player"));
    del->setObjectName(QStringLiteral("PlayerDelete"));
    playerMenu->addSeparator();
    QAction* import = playerMenu->addAction(tr("Import Player"));
    import->setObjectName(QStringLiteral("PlayerImport"));
    connect(add, &QAction::triggered, this, handler(QStringLiteral("PlayerAdd_Click"), [this] { PlayerAdd_Click(); }));
    connect(del, &QAction::triggered, this,
            handler(QStringLiteral("PlayerDelete_Click"), [this] { PlayerDelete_Click(); }));
    connect(import, &QAction::triggered, this,
            handler(QStringLiteral("PlayerImport_Click"), [this] { PlayerImport_Click(); }));
    return menuBar;
}

QWidget* PlayerInfo::buildPlayerFields()
{
    CPlayer = new QComboBox(this);
    CPlayer->setObjectName(QStringLiteral("CPlayer"));
    CPlayer->setMinimumContentsLength(24);
    lblPlayerNo = new QLabel(this);
    lblPlayerNo->setObjectName(QStringLiteral("lblPlayerNo"));
    lblPlayerNo->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    auto* fields = new QWidget(this);
    m_ui->setupUi(fields);
    m_ui->ctlBirthDate->setDisplayFormat(shortDateFormat());
    typeableDateTimes(m_ui->ctlBirthDate);
    // A jersey number is stored as a number: anything else is refused as it is typed, and said why.
    m_ui->txtJerseyNo->setValidator(new QIntValidator(0, 32767, m_ui->txtJerseyNo));
    explainRefusals(m_ui->txtJerseyNo, tr("A jersey number is a whole number from 0 to 32767."));
    // Each position box carries its short tag, as line-up sheets abbreviate them.
    const QStringList tags{QStringLiteral("FL"), QStringLiteral("HB"), QStringLiteral("FB"), QStringLiteral("S"),
                           QStringLiteral("G")};
    for (int i = 0; i < tags.size(); ++i)
        positionBoxes(*m_ui)[i]->setProperty("tag", tags[i]);
    return fields;
}

QHBoxLayout* PlayerInfo::buildButtonRow()
{
    OKButton = new QPushButton(tr("Save"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(tr("Close"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    PreviewBtn = new QPushButton(tr("Print Preview"), this);
    PreviewBtn->setObjectName(QStringLiteral("PreviewBtn"));
    auto* copyCaption = new QLabel(tr("Copy Player to:"), this);
    copyCaption->setObjectName(QStringLiteral("lblCopy"));
    TeamList = new QComboBox(this);
    TeamList->setObjectName(QStringLiteral("TeamList"));
    TeamList->setMinimumContentsLength(20);
    copyCaption->setBuddy(TeamList);
    CopyBtn = new QPushButton(tr("Copy"), this);
    CopyBtn->setObjectName(QStringLiteral("CopyBtn"));
    OpenBtn = new QPushButton(tr("More >"), this);
    OpenBtn->setObjectName(QStringLiteral("OpenBtn"));
    for (QPushButton* b : {OKButton, CancelButton, PreviewBtn, CopyBtn, OpenBtn})
        b->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(OKButton);
    bottom->addWidget(CancelButton);
    bottom->addWidget(PreviewBtn);
    bottom->addStretch();
    bottom->addWidget(copyCaption);
    bottom->addWidget(TeamList);
    bottom->addWidget(CopyBtn);
    bottom->addStretch();
    bottom->addWidget(OpenBtn);
    return bottom;
}

void PlayerInfo::buildNotesFrame()
{
    NotesFrame = new QFrame(this);
    NotesFrame->setObjectName(QStringLiteral("NotesFrame"));
    auto* notesBox = new QGroupBox(tr("Items to work on"), NotesFrame);
    notesBox->setObjectName(QStringLiteral("frmNotes"));
    NoteList = new QListWidget(notesBox);
    NoteList->setObjectName(QStringLiteral("NoteList"));
    NoteList->setAccessibleName(tr("Items to work on"));
    UpBtn = new QToolButton(notesBox);
    UpBtn->setObjectName(QStringLiteral("UpBtn"));
    UpBtn->setArrowType(Qt::UpArrow);
    UpBtn->setToolTip(tr("Move Up"));
    UpBtn->setAccessibleName(tr("Move Up"));
    DownBtn = new QToolButton(notesBox);
    DownBtn->setObjectName(QStringLiteral("DownBtn"));
    DownBtn->setArrowType(Qt::DownArrow);
    DownBtn->setToolTip(tr("Move Down"));
    DownBtn->setAccessibleName(tr("Move Down"));
    AddBtn = new QPushButton(tr("Add"), notesBox);
    AddBtn->setObjectName(QStringLiteral("AddBtn"));
    RemoveBtn = new QPushButton(tr("Remove"), notesBox);
    RemoveBtn->setObjectName(QStringLiteral("RemoveBtn"));
    UpdateBtn = new QPushButton(tr("Update"), notesBox);
    UpdateBtn->setObjectName(QStringLiteral("UpdateBtn"));
    PrintNotesBtn = new QPushButton(tr("Print"), notesBox);
    PrintNotesBtn->setObjectName(QStringLiteral("PrintNotesBtn"));

    for (QPushButton* b : {AddBtn, RemoveBtn, UpdateBtn, PrintNotesBtn})
        b->setAutoDefault(false);

    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(UpBtn);
    arrows->addWidget(DownBtn);
    arrows->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(NoteList, 1);
    listRow->addLayout(arrows);
    auto* noteButtons = new QHBoxLayout;
    for (QPushButton* b : {AddBtn, RemoveBtn, UpdateBtn, PrintNotesBtn})
        noteButtons->addWidget(b);
    auto* boxLayout = new QVBoxLayout(notesBox);
    boxLayout->addLayout(listRow, 1);
    boxLayout->addLayout(noteButtons);
    auto* frameLayout = new QVBoxLayout(NotesFrame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(notesBox);
    // As wide as its buttons need ("Update (Dirty)" included), and room for the items' text.
    UpdateBtn->setMinimumWidth(UpdateBtn->fontMetrics().horizontalAdvance(dirtyCaption(tr("Update"))) +
                               UpdateBtn->fontMetrics().averageCharWidth() * 3);
    NotesFrame->setMinimumWidth(qMax(NotesFrame->sizeHint().width(), fontMetrics().averageCharWidth() * 44));
    NotesFrame->hide();
}

void PlayerInfo::connectFields(QWidget* fields)
{
    // Every field the coach edits makes the window changed.
    for (QLineEdit* e : fields->findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, [this] { markChanged(); });
    for (QCheckBox* c : fields->findChildren<QCheckBox*>())
        connect(c, &QCheckBox::clicked, this, [this] { markChanged(); });
    connect(m_ui->ctlBirthDate, &QDateEdit::dateChanged, this, [this] {
        // A date the coach picks is the player's birth date from now on.
        if (!isLoading())
            m_birthDateKnown = true;
        showAge();
        markChanged();
    });
    // A parent living with the player shows the player's address as it is typed.
    for (QLineEdit* e : {m_ui->txtAddress, m_ui->txtCity, m_ui->txtState, m_ui->txtZip, m_ui->txtPhone}) {
        connect(e, &QLineEdit::textChanged, this, [this] {
            for (bool dad : {false, true}) {
                if (parentFields(*m_ui, dad).same->isChecked())
                    showPlayerAddress(dad);
            }
        });
    }
    m_ui->txtPlayerLastName->installEventFilter(this);
    connect(m_ui->txtPlayerLastName, &QLineEdit::editingFinished, this,
            handler(QStringLiteral("txtPlayerLastName_LostFocus"), [this] { parentLastNamesFollow(); }));
    connect(m_ui->chkMomSameAdd, &QCheckBox::clicked, this,
            handler(QStringLiteral("chkMomSameAdd_Click"), [this] { sameAddress_Click(false); }));
    connect(m_ui->chkDadSameAdd, &QCheckBox::clicked, this,
            handler(QStringLiteral("chkDadSameAdd_Click"), [this] { sameAddress_Click(true); }));
}

void PlayerInfo::connectButtons()
{
    connect(CPlayer, &QComboBox::activated, this,
            handler(QStringLiteral("CPlayer_Click"), [this](int i) { CPlayer_Click(i); }));
    connect(OKButton, &QPushButton::clicked, this,
            handler(QStringLiteral("OKButton_Click"), [this] { OKButton_Click(); }));
    connect(CancelButton, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(CopyBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("CopyBtn_Click"), [this] { CopyBtn_Click(); }));
    connect(OpenBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("OpenBtn_Click"), [this] { OpenBtn_Click(); }));
    connect(AddBtn, &QPushButton::clicked, this, handler(QStringLiteral("AddBtn_Click"), [this] { AddBtn_Click(); }));
    // The player's notes sheet, as stored: on screen, or on paper.
    const auto notesSheet = [this] {
        return Report([t = m_teamNo, p = shownPlayerNo()](Printout& out) { PrintPlayerNotes(out, t, p); });
    };
    connect(PreviewBtn, &QPushButton::clicked, this, handler(QStringLiteral("PreviewBtn_Click"), [this, notesSheet] {
                runReport(QStringLiteral("PreviewBtn_Click"), notesSheet(), kPlayerNotesOrientation, tr("Player Notes"),
                          true, this);
            }));
    connect(PrintNotesBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("PrintNotesBtn_Click"), [this, notesSheet] {
                runReport(QStringLiteral("PrintNotesBtn_Click"), notesSheet(), kPlayerNotesOrientation,
                          tr("Player Notes"), false, this);
            }));
    connect(RemoveBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("RemoveBtn_Click"), [this] { RemoveBtn_Click(); }));
    connect(UpBtn, &QToolButton::clicked, this, handler(QStringLiteral("UpBtn_Click"), [this] { UpBtn_Click(); }));
    connect(DownBtn, &QToolButton::clicked, this,
            handler(QStringLiteral("DownBtn_Click"), [this] { DownBtn_Click(); }));
    connect(UpdateBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("UpdateBtn_Click"), [this] { UpdateBtn_Click(); }));
    connect(NoteList, &QListWidget::currentRowChanged, this, [this] { enableArrows(); });
    connect(NoteList, &QListWidget::itemChanged, this,
            handler(QStringLiteral("NoteList_ItemCheck"), [this] { markNotesChanged(); }));
}

PlayerInfo::~PlayerInfo() = default;

qint16 PlayerInfo::shownPlayerNo() const
{
    return static_cast<qint16>(lblPlayerNo->text().toInt());
}

void PlayerInfo::GenPlayerList(qint16 playerNo)
{
    load(QStringLiteral("GenPlayerList"), [&] {
        CPlayer->clear();
        for (const PlayerEntry& p : playerEntries(m_teamNo))
            CPlayer->addItem(p.text, p.playerNo);
        m_shownIndex = playerNo > 0 ? CPlayer->findData(playerNo) : -1;
        CPlayer->setCurrentIndex(m_shownIndex);
    });
    if (m_shownIndex >= 0) {
        ClearPlayerInfo();
        FillPlayerInfo();
    } else if (CPlayer->count() == 0) {
        // A team without players shows an empty profile under the first number, ready to fill in.
        ClearPlayerInfo();
        lblPlayerNo->setText(QString::number(
            GetNextNo(QStringLiteral("PlayerNo"), QStringLiteral("Player"), {{QStringLiteral("TeamNo"), m_teamNo}})));
    }
}

void PlayerInfo::ClearPlayerInfo()
{
    load(QStringLiteral("ClearPlayerInfo"), [&] {
        for (QLineEdit* e : m_ui->PlyrTab->findChildren<QLineEdit*>()) {
            e->clear();
            e->setEnabled(true);
        }
        for (QCheckBox* c : m_ui->PlyrTab->findChildren<QCheckBox*>())
            c->setChecked(false);
        m_ui->ctlBirthDate->setDate(QDate::currentDate());
        m_birthDateKnown = false;
        showAge();
        lblPlayerNo->clear();
        NoteList->clear();
        TeamList->clear();
        m_amountPaid = 0.0;
        setNotesClean();
        enableArrows();
    });
}

void PlayerInfo::fillParent(const ParentInfo& p, bool dad)
{
    const ParentFields f = parentFields(*m_ui, dad);
    f.address->setText(p.address);
    f.city->setText(p.city);
    f.state->setText(p.state);
    f.zip->setText(p.zip);
    f.phone->setText(p.phone);
    for (QLineEdit* e : {f.address, f.city, f.state, f.zip, f.phone})
        e->setEnabled(!f.same->isChecked());
}

void PlayerInfo::FillPlayerInfo()
{
    load(QStringLiteral("FillPlayerInfo"), [&] {
        const int index = CPlayer->currentIndex();
        if (index < 0)
            return;
        const qint16 playerNo = static_cast<qint16>(CPlayer->itemData(index).toInt());
        const auto player = readPlayer(m_teamNo, playerNo);
        if (!player)
            return;
        const PlayerProfile& p = *player;
        lblPlayerNo->setText(QString::number(playerNo));
        m_ui->txtPlayerLastName->setText(p.lastName);
        m_ui->txtPlayerFirstName->setText(p.firstName);
        m_ui->txtPlayerNickName->setText(p.nickname);
        m_ui->txtJerseyNo->setText(QString::number(p.jerseyNo));
        m_ui->txtEmail->setText(p.email);
        m_ui->txtAddress->setText(p.address);
        m_ui->txtCity->setText(p.city);
        m_ui->txtState->setText(p.state);
        // The store keeps "0" for a zip that was left empty; the coach sees it empty.
        m_ui->txtZip->setText(p.zipCode == QLatin1String("0") ? QString() : p.zipCode);
        m_birthDateKnown = p.birthDate.isValid();
        if (m_birthDateKnown)
            m_ui->ctlBirthDate->setDate(p.birthDate);
        showAge();
        m_ui->txtPhone->setText(p.phone);
        m_ui->txtAltPhone->setText(p.altPhone);
        const Positions positions = decodePositions(p.position);
        const QList<QCheckBox*> boxes = positionBoxes(*m_ui);
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setChecked(positions[static_cast<size_t>(i)]);
        m_ui->chkMayPlayGoal->setChecked(p.mayPlayGoal);
        for (bool dad : {false, true}) {
            const ParentInfo& parent = dad ? p.dad : p.mom;
            const ParentFields f = parentFields(*m_ui, dad);
            f.lastName->setText(parent.lastName);
            f.firstName->setText(parent.firstName);
            f.same->setChecked(parent.sameAddress);
            f.altPhone->setText(parent.altPhone);
            f.email->setText(parent.email);
            fillParent(parent, dad);
        }
        m_amountPaid = p.amountPaid;
        reloadNotes();
        FillTeamList(playerNo);
    });
}

void PlayerInfo::reloadNotes()
{
    const QSignalBlocker quiet(NoteList);
    NoteList->clear();
    for (const PlayerNote& n : readPlayerNotes(m_teamNo, shownPlayerNo())) {
        auto* item = new QListWidgetItem(n.text, NoteList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(n.checked ? Qt::Checked : Qt::Unchecked);
        item->setData(kNoteIdRole, n.noteId);
    }
    setNotesClean();
    enableArrows();
}

void PlayerInfo::FillTeamList(qint16 playerNo)
{
    TeamList->clear();
    for (const TeamEntry& t : copyTargets(playerNo))
        TeamList->addItem(t.text, t.teamNo);
    TeamList->setCurrentIndex(-1);
}

void PlayerInfo::showAge()
{
    // No age for a player whose birth date was never given: the picker's today is not one.
    m_ui->lblAge->setText(m_birthDateKnown ? QString::number(CalculateAge(m_ui->ctlBirthDate->date())) : QString());
}

void PlayerInfo::CPlayer_Click(int index)
{
    if (index == m_shownIndex)
        return;
    if (!settleChanges()) {
        CPlayer->setCurrentIndex(m_shownIndex);
        return;
    }
    m_shownIndex = index;
    ClearPlayerInfo();
    FillPlayerInfo();
}

bool PlayerInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->txtPlayerLastName && event->type() == QEvent::FocusIn)
        m_lastNameOnEntry = m_ui->txtPlayerLastName->text();
    return EditWindow::eventFilter(watched, event);
}

void PlayerInfo::parentLastNamesFollow()
{
    const QString last = m_ui->txtPlayerLastName->text();
    // Leaving the field without changing the name changes nobody's.
    if (last.trimmed().isEmpty() || last == m_lastNameOnEntry)
        return;
    for (QLineEdit* parent : {m_ui->MomLastName, m_ui->DadLastName}) {
        if (parent->text().isEmpty() || parent->text() == m_lastNameOnEntry)
            parent->setText(last);
    }
    m_lastNameOnEntry = last;
    markChanged();
}

void PlayerInfo::showPlayerAddress(bool dad)
{
    ParentInfo same;
    same.sameAddress = true;
    applySameAddress(collect(), same);
    fillParent(same, dad);
}

void PlayerInfo::sameAddress_Click(bool dad)
{
    if (parentFields(*m_ui, dad).same->isChecked()) {
        showPlayerAddress(dad);
        return;
    }
    // Cleared: the fields keep what they show and may be edited again.
    const PlayerProfile p = collect();
    fillParent(dad ? p.dad : p.mom, dad);
}

PlayerProfile PlayerInfo::collect() const
{
    PlayerProfile p;
    p.teamNo = m_teamNo;
    p.playerNo = shownPlayerNo();
    p.lastName = m_ui->txtPlayerLastName->text();
    p.firstName = m_ui->txtPlayerFirstName->text();
    p.nickname = m_ui->txtPlayerNickName->text();
    p.jerseyNo = jerseyFromText(m_ui->txtJerseyNo->text());
    p.email = m_ui->txtEmail->text().trimmed();
    Positions positions{};
    const QList<QCheckBox*> boxes = positionBoxes(*m_ui);
    for (int i = 0; i < boxes.size(); ++i)
        positions[static_cast<size_t>(i)] = boxes[i]->isChecked();
    p.position = encodePositions(positions);
    p.mayPlayGoal = m_ui->chkMayPlayGoal->isChecked();
    p.address = m_ui->txtAddress->text();
    p.city = m_ui->txtCity->text();
    p.state = m_ui->txtState->text();
    p.zipCode = m_ui->txtZip->text();
    p.birthDate = m_birthDateKnown ? m_ui->ctlBirthDate->date() : QDate();
    p.phone = m_ui->txtPhone->text();
    p.altPhone = m_ui->txtAltPhone->text();
    for (bool dad : {false, true}) {
        ParentInfo& parent = dad ? p.dad : p.mom;
        const ParentFields f = parentFields(*m_ui, dad);
        parent.lastName = f.lastName->text();
        parent.firstName = f.firstName->text();
        parent.sameAddress = f.same->isChecked();
        parent.address = f.address->text();
        parent.city = f.city->text();
        parent.state = f.state->text();
        parent.zip = f.zip->text();
        parent.phone = f.phone->text();
        parent.altPhone = f.altPhone->text();
        parent.email = f.email->text().trimmed();
    }
    p.amountPaid = m_amountPaid;
    return p;
}

bool PlayerInfo::save()
{
    if (m_ui->txtPlayerLastName->text().trimmed().isEmpty()) {
        // Nothing is stored without a name; said, so that a coach who asked to save knows why.
        prompter().message(tr("Player Name"), tr("A player needs a last name before it can be saved."),
                           Prompter::Icon::Exclamation);
        return false;
    }
    // An address reaches the mail server as it is typed: one that is no e-mail address is refused
    // here, where the coach can put it right, and its page is shown with the cursor in it.
    const std::pair<QLineEdit*, const char*> addresses[] = {{m_ui->txtEmail, QT_TR_NOOP("The player's E-Mail")},
                                                            {m_ui->MomEmail, QT_TR_NOOP("The mother's E-Mail")},
                                                            {m_ui->DadEmail, QT_TR_NOOP("The father's E-Mail")}};
    for (const auto& [field, name] : addresses) {
        const QString why = mail::addressFieldProblem(field->text());
        if (why.isEmpty())
            continue;
        prompter().message(mail::fieldProblemTitle(), mail::fieldProblemMessage(tr(name), why),
                           Prompter::Icon::Exclamation);
        for (QWidget* page = field->parentWidget(); page; page = page->parentWidget()) {
            if (m_ui->PlyrTab->indexOf(page) >= 0) {
                m_ui->PlyrTab->setCurrentWidget(page);
                break;
            }
        }
        field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (m_notesDirty) {
        if (prompter().message(tr("Update information"),
                               tr("Notes have been changed, but not updated. Do you want to update it now?"),
                               Prompter::Icon::Question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
            UpdateBtn_Click();
        else
            reloadNotes();  // the list shows again what is stored, so nothing looks kept that is not
    }
    const PlayerProfile p = collect();
    if (p.playerNo < 1)
        return false;
    QList<PlayerNote> ticks;
    for (int i = 0; i < NoteList->count(); ++i)
        ticks << PlayerNote{NoteList->item(i)->data(kNoteIdRole).toInt(), NoteList->item(i)->text(),
                            NoteList->item(i)->checkState() == Qt::Checked};
    savePlayerProfile(p, ticks);
    markSaved();
    if (CPlayer->currentIndex() < 0 ||
        CPlayer->itemText(CPlayer->currentIndex()) != p.lastName + QStringLiteral(", ") + p.firstName)
        GenPlayerList(p.playerNo);
    return true;
}

void PlayerInfo::OKButton_Click()
{
    save();
}

void PlayerInfo::PlayerAdd_Click()
{
    if (!settleChanges())
        return;
    const qint16 next =
        GetNextNo(QStringLiteral("PlayerNo"), QStringLiteral("Player"), {{QStringLiteral("TeamNo"), m_teamNo}});
    CPlayer->setCurrentIndex(-1);
    m_shownIndex = -1;
    ClearPlayerInfo();
    lblPlayerNo->setText(QString::number(next));
    m_ui->PlyrTab->setCurrentIndex(0);
    const auto last = prompter().inputText(tr("Player Name"), tr("Enter the new player's LAST name."), QString());
    if (!last)
        return;
    const auto first = prompter().inputText(tr("Player Name"), tr("Enter the new player's FIRST name."), QString());
    m_ui->txtPlayerLastName->setText(*last);
    m_ui->txtPlayerFirstName->setText(first.value_or(QString()));
    m_ui->MomLastName->setText(*last);
    m_ui->DadLastName->setText(*last);
    // An empty last name adds nothing: the empty profile waits for the coach to type one.
    if (last->trimmed().isEmpty())
        return;
    save();
}

void PlayerInfo::PlayerDelete_Click()
{
    const int index = CPlayer->currentIndex();
    if (index < 0)
        return;
    if (prompter().message(tr("Confirm Delete"),
                           tr("Are you sure you want to delete %1?").arg(CPlayer->itemText(index)),
                           Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    const int neighbour = neighbourAfterRemoval(index, CPlayer->count());
    const qint16 next = neighbour < 0 ? 0 : static_cast<qint16>(CPlayer->itemData(neighbour).toInt());
    deletePlayer(m_teamNo, static_cast<qint16>(CPlayer->itemData(index).toInt()));
    markSaved();
    GenPlayerList(next);
}

void PlayerInfo::PlayerImport_Click()
{
    if (!settleChanges())
        return;
    Modal<dlgPlayerList> dialog(m_teamNo, this);
    dialog.exec();
    if (!dialog)
        return;
    if (dialog->addedCount() > 0) {
        GenPlayerList(shownPlayerNo() > 0 ? shownPlayerNo() : dialog->lastAdded());
    }
}

void PlayerInfo::CopyBtn_Click()
{
    const int target = TeamList->currentIndex();
    if (target < 0 || shownPlayerNo() < 1 || CPlayer->currentIndex() < 0)
        return;
    const qint16 destTeam = static_cast<qint16>(TeamList->itemData(target).toInt());
    const QString teamText = TeamList->itemText(target);
    // What is copied is what is stored: unsaved changes are settled first.
    if (!settleChanges())
        return;
    const qint16 playerNo = shownPlayerNo();
    CopyPlayer(playerNo, m_teamNo, destTeam);
    FillTeamList(playerNo);
    prompter().message(tr("Copy Player"), tr("%1 has been copied to %2.").arg(CPlayer->currentText(), teamText),

                       Prompter::Icon::Information);
}

void PlayerInfo::markNotesChanged()
{
    m_notesDirty = true;
    Dirty(UpdateBtn, nullptr, true);
    markChanged();
}

void PlayerInfo::setNotesClean()
{
    m_notesDirty = false;
    Dirty(UpdateBtn, nullptr, false);
}

void PlayerInfo::enableArrows()
{
    const int row = NoteList->currentRow();
    UpBtn->setEnabled(row > 0);
    DownBtn->setEnabled(row >= 0 && row < NoteList->count() - 1);
    RemoveBtn->setEnabled(row >= 0);
    const bool player = shownPlayerNo() > 0 && CPlayer->currentIndex() >= 0;
    AddBtn->setEnabled(player);
    UpdateBtn->setEnabled(player);
}

void PlayerInfo::AddBtn_Click()
{
    const qint16 playerNo = shownPlayerNo();
    if (playerNo < 1 || CPlayer->currentIndex() < 0)
        return;
    const auto text =
        prompter().inputText(tr("Improvement Item"), tr("Enter the item that needs improvement."), QString());
    if (!text || text->trimmed().isEmpty())
        return;
    const PlayerNote note = addPlayerNote(m_teamNo, playerNo, *text, NoteList->count() + 1);
    {
        const QSignalBlocker quiet(NoteList);
        auto* item = new QListWidgetItem(note.text, NoteList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setData(kNoteIdRole, note.noteId);
    }
    NoteList->setCurrentRow(NoteList->count() - 1);
    markNotesChanged();
}

void PlayerInfo::RemoveBtn_Click()
{
    const int row = NoteList->currentRow();
    if (row < 0)
        return;
    removePlayerNote(m_teamNo, shownPlayerNo(), NoteList->item(row)->data(kNoteIdRole).toInt());
    delete NoteList->takeItem(row);
    enableArrows();
    markNotesChanged();
}

void PlayerInfo::moveNote(int by)
{
    const int row = NoteList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= NoteList->count())
        return;
    const QSignalBlocker quiet(NoteList);
    QListWidgetItem* item = NoteList->takeItem(row);
    NoteList->insertItem(to, item);
    NoteList->setCurrentRow(to);
    enableArrows();
    markNotesChanged();
}

void PlayerInfo::UpBtn_Click()
{
    moveNote(-1);
}

void PlayerInfo::DownBtn_Click()
{
    moveNote(1);
}

void PlayerInfo::UpdateBtn_Click()
{
    const qint16 playerNo = shownPlayerNo();
    if (playerNo < 1)
        return;
    QList<PlayerNote> notes;
    for (int i = 0; i < NoteList->count(); ++i)
        notes << PlayerNote{NoteList->item(i)->data(kNoteIdRole).toInt(), NoteList->item(i)->text(),
                            NoteList->item(i)->checkState() == Qt::Checked};
    replacePlayerNotes(m_teamNo, playerNo, notes);
    setNotesClean();
}

void PlayerInfo::OpenBtn_Click()
{
    const bool open = !NotesFrame->isVisible();
    const int wide = NotesFrame->minimumSizeHint().width() + layout()->spacing();
    NotesFrame->setVisible(open);
    OpenBtn->setText(open ? tr("< Less") : tr("More >"));
    resize(width() + (open ? wide : -wide), height());
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/messaging/NoteWindows.h"

#include "ui/base/Modal.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/messaging/Notes.h"
#include "core/messaging/Sending.h"
#include "core/reports/Reports.h"
#include "ui/base/Buttons.h"
#include "ui/base/FieldConfig.h"
#include "ui/base/RowList.h"
#include "ui/messaging/MailWindows.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace pw {

// ---------------------------------------------------------------- the notes window

frmNoteList::frmNoteList(qint16 teamNo, QWidget* parent)
    : QDialog(parent)
    , m_teamNo(teamNo)
{
    setObjectName(QStringLiteral("frmNoteList"));
    setWindowTitle(tr("Team Notes and Messages"));
    setSizeGripEnabled(true);

    m_model = new NoteListModel(this);
    NoteGrid = new QTableView(this);
    NoteGrid->setObjectName(QStringLiteral("NoteGrid"));
    setUpRowList(NoteGrid, m_model);
    NoteGrid->horizontalHeader()->setHighlightSections(false);
    NoteGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    NoteGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    NoteGrid->setAccessibleName(tr("Notes and messages"));
    NoteGrid->installEventFilter(this);

    NewBtn = namedButton(tr("&New…"), "NewBtn", this);
    EditBtn = namedButton(tr("&Edit…"), "EditBtn", this);
    DeleteBtn = namedButton(tr("&Delete"), "DeleteBtn", this);
    ActionBtn = namedButton(tr("Print Selected"), "ActionBtn", this);
    PreviewBtn = namedButton(tr("Print Pre&view"), "PreviewBtn", this);
    CancelBtn = namedButton(tr("Close"), "CancelBtn", this);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {NewBtn, EditBtn, DeleteBtn})
        side->addWidget(b);
    side->addSpacing(12);
    side->addWidget(ActionBtn);
    side->addWidget(PreviewBtn);
    side->addStretch(1);
    side->addWidget(CancelBtn);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(NoteGrid, 1);
    layout->addLayout(side);
    setTabOrder(NoteGrid, NewBtn);
    setTabOrder(NewBtn, EditBtn);
    setTabOrder(EditBtn, DeleteBtn);
    setTabOrder(DeleteBtn, ActionBtn);
    setTabOrder(ActionBtn, PreviewBtn);
    setTabOrder(PreviewBtn, CancelBtn);

    connect(NewBtn, &QPushButton::clicked, this, &frmNoteList::NewBtn_Click);
    connect(EditBtn, &QPushButton::clicked, this, &frmNoteList::EditBtn_Click);
    connect(DeleteBtn, &QPushButton::clicked, this, &frmNoteList::DeleteBtn_Click);
    connect(ActionBtn, &QPushButton::clicked, this, &frmNoteList::ActionBtn_Click);
    connect(PreviewBtn, &QPushButton::clicked, this, &frmNoteList::PreviewBtn_Click);
    connect(CancelBtn, &QPushButton::clicked, this, &frmNoteList::reject);
    connect(NoteGrid, &QTableView::doubleClicked, this, [this] { EditBtn_Click(); });
    connect(NoteGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmNoteList::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &frmNoteList::selectionChanged);

    resize(fontMetrics().averageCharWidth() * 95, fontMetrics().lineSpacing() * 24);
    FillNoteList();
    NoteGrid->setFocus();
}

void frmNoteList::FillNoteList(qint32 selectNoteId)
{
    guarded(QStringLiteral("FillNoteList"), traceArg(QStringLiteral("TeamNo"), m_teamNo), [&] {
        m_model->setNotes(readTeamNotes(m_teamNo));
        const int row = selectNoteId ? m_model->rowOf(selectNoteId) : (m_model->rowCount() ? 0 : -1);
        if (row >= 0)
            NoteGrid->selectRow(row);
        selectionChanged();
    });
}

const TeamNote* frmNoteList::selectedNote() const
{
    const QModelIndexList rows = NoteGrid->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->note(rows.first().row());
}

void frmNoteList::selectionChanged()
{
    const TeamNote* n = selectedNote();
    ActionBtn->setText(n && n->isEmail ? tr("Send Selected") : tr("Print Selected"));
    for (QPushButton* b : {EditBtn, DeleteBtn, ActionBtn, PreviewBtn})
        b->setEnabled(n != nullptr);
}

bool frmNoteList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == NoteGrid && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: EditBtn_Click(); return true;
        case Qt::Key_Delete: DeleteBtn_Click(); return true;
        case Qt::Key_Insert: NewBtn_Click(); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmNoteList::openEditor(const TeamNote* note)
{
    Modal<frmGameNotes> editor(m_teamNo, note ? std::optional<TeamNote>(*note) : std::nullopt, this);
    if (editor.exec() == QDialog::Accepted && editor)
        FillNoteList(editor->savedNoteId());
}

void frmNoteList::NewBtn_Click()
{
    guarded(QStringLiteral("NewBtn_Click"), {}, [&] { openEditor(nullptr); });
}

void frmNoteList::EditBtn_Click()
{
    guarded(QStringLiteral("NoteGrid_DblClick"), {}, [&] {
        if (const TeamNote* n = selectedNote())
            openEditor(n);
    });
}

void frmNoteList::DeleteBtn_Click()
{
    guarded(QStringLiteral("DeleteBtn_Click"), {}, [&] {
        const TeamNote* n = selectedNote();
        if (!n)
            return;
        const qint32 id = n->noteId;
        const int row = m_model->rowOf(id);
        if (prompter().message(tr("Confirm Delete?"),
                               tr("Are you sure you want to delete the message %1").arg(n->subject),

                               Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return;
        deleteTeamNote(m_teamNo, id);
        // The neighbour takes the selection, so that several notes can go one after another.
        const TeamNote* next = m_model->note(row + 1 < m_model->rowCount() ? row + 1 : row - 1);
        FillNoteList(next ? next->noteId : 0);
    });
}

void frmNoteList::ActionBtn_Click()
{
    guarded(QStringLiteral("ActionBtn_Click"), {}, [&] {
        const TeamNote* n = selectedNote();
        if (!n)
            return;
        if (n->isEmail)
            SendMessage(n->noteId);
        else
            PrintMessage(n->noteId, false);
    });
}

void frmNoteList::PreviewBtn_Click()
{
    guarded(QStringLiteral("PreviewBtn_Click"), {}, [&] {
        if (const TeamNote* n = selectedNote())
            PrintMessage(n->noteId, true);
    });
}

void frmNoteList::SendMessage(qint32 noteId)
{
    const std::optional<PreparedMail> mail =
        prepareTeamMessage(m_teamNo, noteId, state().DataFolder, mailServerFromSettings());
    if (!mail)
        return;
    dlgSending sending(mail->job, mailServerFromSettings(), this);
    const bool clean = sending.run();
    finishTeamMessage(m_teamNo, noteId, clean, *mail);
    FillNoteList(noteId);
}

void frmNoteList::PrintMessage(qint32 noteId, bool preview)
{
    const qint16 team = m_teamNo;
    runReport(
        QStringLiteral("PrintMessage"), [team, noteId](Printout& p) { pw::PrintMessage(p, team, noteId); },
        kMessageOrientation, tr("Message from the Coach"), preview, this);
}

// ---------------------------------------------------------------- the note editor

frmGameNotes::frmGameNotes(qint16 teamNo, const std::optional<TeamNote>& existing, QWidget* parent)
    : QDialog(parent)
    , m_teamNo(teamNo)
{
    setObjectName(QStringLiteral("frmGameNotes"));
    setWindowTitle(existing ? tr("Edit Note") : tr("New Note"));
    setSizeGripEnabled(true);

    txtSubject = new QLineEdit(this);
    txtSubject->setObjectName(QStringLiteral("txtSubject"));
    txtSubject->setMaxLength(255);
    txtNote = new QPlainTextEdit(this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setTabChangesFocus(true);
    txtNote->setAccessibleName(tr("Note"));
    chkEmail = new QCheckBox(tr("Send as E-mail to the team's families and coaches"), this);
    chkEmail->setObjectName(QStringLiteral("chkEmail"));

    if (existing) {
        m_noteId = existing->noteId;
        m_origSubject = existing->subject;
        m_origText = existing->note;
        m_origEmail = existing->isEmail;
    }
    txtSubject->setText(m_origSubject);
    txtNote->setPlainText(m_origText);
    chkEmail->setChecked(m_origEmail);

    auto* form = new QFormLayout;
    form->addRow(tr("&Subject:"), txtSubject);
    auto* noteLabel = new QLabel(tr("&Note:"), this);
    noteLabel->setBuddy(txtNote);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &frmGameNotes::accept);
    connect(box, &QDialogButtonBox::rejected, this, &frmGameNotes::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(noteLabel);
    layout->addWidget(txtNote, 1);
    layout->addWidget(chkEmail);
    layout->addWidget(box);
    resize(fontMetrics().averageCharWidth() * 80, fontMetrics().lineSpacing() * 22);
    txtSubject->setFocus();
}

bool frmGameNotes::changed() const
{
    return txtSubject->text() != m_origSubject || txtNote->toPlainText() != m_origText ||
           chkEmail->isChecked() != m_origEmail;
}

bool frmGameNotes::save()
{
    if (txtSubject->text().trimmed().isEmpty()) {
        prompter().message(tr("Missing Subject"), tr("Please enter a subject for the note."),
                           Prompter::Icon::Exclamation);
        txtSubject->setFocus();
        return false;
    }
    return guarded(QStringLiteral("frmGameNotes.OKButton_Click"), {}, [&] {
        m_saved = saveTeamNote(m_teamNo, m_noteId, txtSubject->text().trimmed(), txtNote->toPlainText(),
                               chkEmail->isChecked());
    });
}

void frmGameNotes::accept()
{
    if (!m_noteId || changed()) {
        if (!save())
            return;
    } else {
        m_saved = *m_noteId;
    }
    QDialog::accept();
}

void frmGameNotes::reject()
{
    if (changed()) {
        switch (prompter().message(windowTitle(), tr("Do you want to save the changes to this note?"),
                                   Prompter::Icon::Question, Prompter::Buttons::YesNoCancel)) {
        case Prompter::Answer::Yes: accept(); return;
        case Prompter::Answer::No: break;
        default: return;
        }
    }
    QDialog::reject();
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace pw {

class NoteListModel;
struct TeamNote;

// The team's notes and messages: write, edit and delete them, print a note, mail a message to
// every family and the coaches.
class frmNoteList : public QDialog {
    Q_OBJECT
public:
    explicit frmNoteList(qint16 teamNo, QWidget* parent = nullptr);

    NoteListModel& model() const { return *m_model; }
    QTableView* grid() const { return NoteGrid; }
    // Refills the grid from the store, keeping the given note selected when it is still there.
    void FillNoteList(qint32 selectNoteId = 0);

    void NewBtn_Click();
    void EditBtn_Click();
    void DeleteBtn_Click();
    // "Send Selected" for a message, "Print Selected" for a plain note.
    void ActionBtn_Click();
    void PreviewBtn_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TeamNote* selectedNote() const;
    void selectionChanged();
    void SendMessage(qint32 noteId);
    void PrintMessage(qint32 noteId, bool preview);
    // Opens the editor on a note (or a new one); true when it was saved.
    void openEditor(const TeamNote* note);

    qint16 m_teamNo;
    NoteListModel* m_model = nullptr;
    QTableView* NoteGrid = nullptr;
    QPushButton* NewBtn = nullptr;
    QPushButton* EditBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* ActionBtn = nullptr;
    QPushButton* PreviewBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

// The note editor: subject, text, and whether the note is an e-mail message. OK stores the note
// (an edited note replaces its old row); Cancel with changes asks first.
class frmGameNotes : public QDialog {
    Q_OBJECT
public:
    // existing: the note being edited, or nullopt for a new one.
    frmGameNotes(qint16 teamNo, const std::optional<TeamNote>& existing, QWidget* parent = nullptr);

    QLineEdit* subject() const { return txtSubject; }
    QPlainTextEdit* text() const { return txtNote; }
    QCheckBox* email() const { return chkEmail; }
    // The stored note's number after OK.
    qint32 savedNoteId() const { return m_saved; }

    void accept() override;
    void reject() override;

private:
    bool changed() const;
    bool save();

    qint16 m_teamNo;
    std::optional<qint32> m_noteId;
    qint32 m_saved = 0;
    QString m_origSubject;
    QString m_origText;
    bool m_origEmail = false;
    QLineEdit* txtSubject = nullptr;
    QPlainTextEdit* txtNote = nullptr;
    QCheckBox* chkEmail = nullptr;
};

}  // namespace pw

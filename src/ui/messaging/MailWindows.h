// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/messaging/MailRun.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace pw {

// Shows a mail run while it goes: whom the mailer is writing to, how far it has come, and a
// Cancel button. The window stays responsive throughout; it closes itself when the run ends.
class dlgSending : public QDialog {
    Q_OBJECT
public:
    dlgSending(const MailJob& job, const MailServer& server, QWidget* parent = nullptr);

    // Runs the send to its end; true when it went out cleanly.
    bool run();
    MailRun& mailRun() { return *m_run; }

protected:
    void reject() override;

private:
    MailRun* m_run = nullptr;
    QLabel* lblRecipient = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* CancelBtn = nullptr;
};

// A text file opened for reading and changing inside the program, where the program has to wait
// for the coach to finish (the result mail before it goes). OK writes the file back.
class dlgTextEditor : public QDialog {
    Q_OBJECT
public:
    dlgTextEditor(const QString& title, const QString& path, QWidget* parent = nullptr);
    QPlainTextEdit* editor() const { return m_text; }

    void accept() override;

private:
    QString m_path;
    QPlainTextEdit* m_text = nullptr;
};

// SendResults: the game's result to the league's address with a copy to the coach. The coach may
// read and change the text first ("View Message"); the program waits until the editor is closed
// and asks "Confirm Send". score is the game's "own-opponent" text.
void SendResults(qint16 teamNo, qint16 gameNo, const QString& score, QWidget* parent);

}  // namespace pw

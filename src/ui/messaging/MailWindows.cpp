// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/messaging/MailWindows.h"

#include "ui/base/Modal.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/messaging/Sending.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>

namespace pw {

dlgSending::dlgSending(const MailJob& job, const MailServer& server, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgSending"));
    setWindowTitle(tr("Sending Email"));
    setModal(true);
    m_run = new MailRun(job, server, this);

    lblRecipient = new QLabel(tr("Starting the mailer…"), this);
    lblRecipient->setObjectName(QStringLiteral("lblRecipient"));
    lblRecipient->setWordWrap(true);
    lblRecipient->setTextFormat(Qt::PlainText);
    lblRecipient->setMinimumWidth(lblRecipient->fontMetrics().averageCharWidth() * 50);
    // Room for a family's three addresses, so the window need not jump from one family to the next.
    lblRecipient->setMinimumHeight(lblRecipient->fontMetrics().lineSpacing() * 4);
    lblRecipient->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, int(job.recipients.size()));
    ProgressBar1->setValue(0);
    ProgressBar1->setAccessibleName(tr("Messages sent"));
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    // The window grows with a long list of addresses rather than cutting it off.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(lblRecipient);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);

    connect(CancelBtn, &QPushButton::clicked, this, &dlgSending::reject);
    connect(m_run, &MailRun::sending, this, [this](int index, int count, const QString& recipient) {
        ProgressBar1->setValue(index);
        // A family's addresses are joined without spaces; spaced out they wrap between addresses.
        const QString addresses = recipient.split(QLatin1Char(','), Qt::SkipEmptyParts).join(QStringLiteral(", "));
        lblRecipient->setText(tr("Sending to %1 (%2 of %3)").arg(addresses).arg(index + 1).arg(count));
    });
    connect(m_run, &MailRun::finished, this, [this](bool clean) {
        ProgressBar1->setValue(ProgressBar1->maximum());
        done(clean ? Accepted : Rejected);
    });
}

bool dlgSending::run()
{
    QMetaObject::invokeMethod(m_run, &MailRun::start, Qt::QueuedConnection);
    // The run's end closes the window as Accepted when every family got the mail. Nothing of the
    // window is touched after exec(): its parent may have taken it away meanwhile.
    return exec() == Accepted;
}

void dlgSending::reject()
{
    // Escape, the close box and Cancel stop the mailer; the window closes when the run has ended.
    if (m_run->isRunning()) {
        lblRecipient->setText(tr("Cancelling…"));
        CancelBtn->setEnabled(false);
        m_run->cancel();
        return;
    }
    QDialog::reject();
}

dlgTextEditor::dlgTextEditor(const QString& title, const QString& path, QWidget* parent)
    : QDialog(parent)
    , m_path(path)
{
    setObjectName(QStringLiteral("dlgTextEditor"));
    setWindowTitle(title);
    setSizeGripEnabled(true);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtMessage"));
    // The result lines are lined up with spaces, so they read right only in a fixed-pitch font.
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setAccessibleName(title);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        m_text->setPlainText(QString::fromUtf8(file.readAll()));
    const QFontMetrics fm(m_text->font());
    resize(fm.horizontalAdvance(QLatin1Char('x')) * 80 + 40, fm.lineSpacing() * 24 + 80);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &dlgTextEditor::accept);
    connect(box, &QDialogButtonBox::rejected, this, &dlgTextEditor::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(box);
}

void dlgTextEditor::accept()
{
    if (m_text->document()->isModified()) {
        QSaveFile file(m_path);
        if (!file.open(QIODevice::WriteOnly) || file.write(m_text->toPlainText().toUtf8()) < 0 || !file.commit()) {
            prompter().message(windowTitle(),
                               tr("The changes could not be written to\n%1\n(%2)")
                                   .arg(QDir::toNativeSeparators(m_path), file.errorString()),
                               Prompter::Icon::Critical);
            return;
        }
    }
    QDialog::accept();
}

void SendResults(qint16 teamNo, qint16 gameNo, const QString& score, QWidget* parent)
{
    PW_TRACE(QStringLiteral("SendResults"), traceArg(QStringLiteral("GameNo"), gameNo));
    const MailServer server = mailServerFromSettings();
    const std::optional<PreparedMail> mail = prepareResultMail(teamNo, gameNo, score, state().DataFolder, server);
    if (!mail)
        return;
    if (prompter().message(dlgSending::tr("View Message"),
                           dlgSending::tr("Do you want to verify the Email message before sending it?"),
                           Prompter::Icon::Question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes) {
        Modal<dlgTextEditor> editor(dlgSending::tr("View Message"), mail->job.bodyFile, parent);
        editor.exec();
        if (!editor)
            return;
        if (prompter().message(dlgSending::tr("Confirm Send"), dlgSending::tr("Is the message OK to send?"),
                               Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return;
    }
    Modal<dlgSending> sending(mail->job, server, parent);
    const bool clean = sending->run();
    if (!sending)
        return;
    finishResultMail(clean, *mail);
    if (clean) {
        prompter().message(
            dlgSending::tr("Send Results"),
            dlgSending::tr("The game's results were sent to %1.").arg(mail->job.recipients.join(QStringLiteral(", "))),
            Prompter::Icon::Information);
    }
}

}  // namespace pw

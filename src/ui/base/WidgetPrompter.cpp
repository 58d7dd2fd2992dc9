// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/WidgetPrompter.h"

#include "ui/base/Modal.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace pw {

namespace {

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::Exclamation: return QMessageBox::Warning;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Prompter::Answer WidgetPrompter::message(const QString& title, const QString& text, Icon icon, Buttons buttons)
{
    // On the heap, owned by the window it stands over: that window may go while the box shows.
    Modal<QMessageBox> box(boxIcon(icon), title, text, QMessageBox::NoButton, dialogParent());
    switch (buttons) {
    case Buttons::Ok: box->setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box->setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel: box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

std::optional<QString> WidgetPrompter::inputText(const QString& title, const QString& prompt,
                                                 const QString& defaultText, bool password)
{
    Modal<QInputDialog> dialog(dialogParent());
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    dialog->setTextEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
    dialog->resize(qMax(dialog->sizeHint().width(), 420), dialog->sizeHint().height());
    if (dialog.exec() != QDialog::Accepted || !dialog)
        return std::nullopt;
    return dialog->textValue();
}

QString WidgetPrompter::openFileName(const QString& title, const QString& startDir, const QString& filter)
{
    return QFileDialog::getOpenFileName(dialogParent(), title, startDir, qtFileFilter(filter));
}

QString WidgetPrompter::saveFileName(const QString& title, const QString& startDir, const QString& proposedName,
                                     const QString& filter)
{
    return QFileDialog::getSaveFileName(dialogParent(), title, QDir(startDir).filePath(proposedName),
                                        qtFileFilter(filter));
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace pw {

// Every message box, question, text prompt and file dialog of the program goes through this
// interface, so that the logic can ask the coach without knowing about widgets and tests can
// answer in its place and check every word that would have been shown.
class Prompter {
public:
    enum class Icon { None, Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    virtual Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons = Buttons::Ok) = 0;
    // nullopt when the coach cancels; OK returns the text as typed, even when empty.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& defaultText,
                                             bool password = false) = 0;
    // Filters use the "Name (*.ext)|*.ext|..." form; see qtFileFilter(). Empty when cancelled.
    virtual QString openFileName(const QString& title, const QString& startDir, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& startDir, const QString& proposedName,
                                 const QString& filter) = 0;
};

Prompter& prompter();
// Installs p for the rest of the run (not owned); nullptr restores the fallback, which answers
// every question with its cancel/no answer and logs the text (used before any window exists).
void setPrompter(Prompter* p);

// "GIF Files (*.gif)|*.gif|All Files (*.*)|*.*" -> "GIF Files (*.gif);;All Files (*.*)".
QString qtFileFilter(const QString& pipeFilter);

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Prompter.h"

namespace pw {

// The coach-facing Prompter: message boxes, input boxes and file dialogs over the active window.
class WidgetPrompter final : public Prompter {
public:
    Answer message(const QString& title, const QString& text, Icon icon, Buttons buttons) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt, const QString& defaultText,
                                     bool password) override;
    QString openFileName(const QString& title, const QString& startDir, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& startDir, const QString& proposedName,
                         const QString& filter) override;
};

}  // namespace pw

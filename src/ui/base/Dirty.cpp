// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/Dirty.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

#include <optional>
#include <utility>

namespace pw {

namespace {

struct DirtyText {
    Q_DECLARE_TR_FUNCTIONS(Dirty)
};

// The text around the caption in a marked one: before and after "%1" of the translated mark, which
// a language may put in front of the caption as well as behind it.
std::pair<QString, QString> markAround()
{
    QString pattern = DirtyText::tr("%1 (Dirty)", "a window title or button caption with unsaved changes");
    qsizetype at = pattern.indexOf(QLatin1String("%1"));
    if (at < 0) {
        pattern = QStringLiteral("%1 (Dirty)");
        at = 0;
    }
    return {pattern.left(at), pattern.mid(at + 2)};
}

// The caption without its mark, or nothing when it carries none.
std::optional<QString> unmarked(const QString& text)
{
    const auto [before, after] = markAround();
    if (text.size() < before.size() + after.size() || !text.startsWith(before) || !text.endsWith(after))
        return std::nullopt;
    return text.mid(before.size(), text.size() - before.size() - after.size());
}

QString caption(QWidget* w)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return w->windowTitle();
}

void setCaption(QWidget* w, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else
        w->setWindowTitle(text);
}

}  // namespace

void Dirty(QWidget* captionOwner, QWidget* saveControl, bool flag)
{
    if (saveControl)
        saveControl->setEnabled(flag);
    if (!captionOwner)
        return;
    const QString text = caption(captionOwner);
    const std::optional<QString> bare = unmarked(text);
    if (flag && !bare)
        setCaption(captionOwner, dirtyCaption(text));
    else if (!flag && bare)
        setCaption(captionOwner, *bare);
}

QString dirtyCaption(const QString& caption)
{
    const auto [before, after] = markAround();
    return before + caption + after;
}

}  // namespace pw

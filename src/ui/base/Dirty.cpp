#include "ui/base/Dirty.h"

#include <QAbstractButton>
#include <QWidget>

namespace pw {

namespace {

const QString kMark = QStringLiteral(" (Dirty)");

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
    if (flag && !text.endsWith(kMark))
        setCaption(captionOwner, text + kMark);
    else if (!flag && text.endsWith(kMark))
        setCaption(captionOwner, text.left(text.size() - kMark.size()));
}

}  // namespace pw

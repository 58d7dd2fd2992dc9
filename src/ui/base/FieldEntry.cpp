// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/FieldEntry.h"

#include "common/Formats.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

namespace pw {

namespace {

struct EntryText {
    Q_DECLARE_TR_FUNCTIONS(FieldEntry)
};

const QString kWholeEntry = QStringLiteral("pwWholeEntry");
const QString kTyping = QStringLiteral("pwDateTimeTyping");

// The line edit the coach types into: the field itself, or a spin box's own.
QLineEdit* editorOf(QWidget* field)
{
    if (auto* e = qobject_cast<QLineEdit*>(field))
        return e;
    return field->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
}

// Selects the whole field on entry and at the first click into it after that. The click's own
// cursor is placed on the press, so the selection is made once the click is over; a click that
// gave the focus is the first click too.
class WholeEntry : public QObject {
public:
    explicit WholeEntry(QWidget* field)
        : QObject(field)
        , m_field(field)
        , m_edit(editorOf(field))
    {
        setObjectName(kWholeEntry);
        field->installEventFilter(this);
        if (m_edit && m_edit != field)
            m_edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            m_armed = true;
            selectAll();
            selectLater();
            break;
        case QEvent::FocusOut:
            m_armed = false;
            m_clicked = false;
            break;
        case QEvent::MouseButtonPress: {
            const auto* e = static_cast<QMouseEvent*>(event);
            if (watched == m_edit && e->button() == Qt::LeftButton && !(e->modifiers() & Qt::ShiftModifier)) {
                m_clicked = m_armed;
                m_armed = false;
                m_pressPos = e->position().toPoint();
            }
            break;
        }
        case QEvent::MouseButtonRelease: {
            const auto* e = static_cast<QMouseEvent*>(event);
            if (watched == m_edit && m_clicked && e->button() == Qt::LeftButton) {
                m_clicked = false;
                if ((e->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
                    selectLater();
            }
            break;
        }
        default: break;
        }
        return false;
    }

private:
    void selectAll()
    {
        if (auto* s = qobject_cast<QAbstractSpinBox*>(m_field.data()))
            s->selectAll();
        else if (m_edit)
            m_edit->selectAll();
    }
    // After the event that brought the focus or ended the click has been handled in full.
    void selectLater()
    {
        QTimer::singleShot(0, this, [this] {
            if (m_field && m_field->hasFocus())
                selectAll();
        });
    }

    QPointer<QWidget> m_field;
    QPointer<QLineEdit> m_edit;
    bool m_armed = false;    // the next click is the first since the field got the focus
    bool m_clicked = false;  // that click is under way
    QPoint m_pressPos;
};

// Typing a whole date or time. The field's own typing works section by section and keeps what is
// not typed over (Ctrl+A and "09:30" gave 12:30), so while the coach types, the text goes into the
// field's line edit unchecked and is read as a whole when he is done.
class DateTimeTyping : public QObject {
public:
    explicit DateTimeTyping(QDateTimeEdit* field)
        : QObject(field)
        , m_field(field)
        , m_edit(editorOf(field))
    {
        setObjectName(kTyping);
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!m_edit)
            return false;
        if (event->type() == QEvent::FocusOut) {
            if (m_typing && !commit())
                stop();
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride && m_typing) {
            // The line edit's own keys (Ctrl+A, Ctrl+V, …) edit the typed text. Any other shortcut
            // (Ctrl+S saving the window) acts on the typed value, or waits until it is readable.
            deliver(event);
            if (!event->isAccepted() && !commit())
                event->accept();
            return true;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // Read first; the field and the window then take the key as usual. Unreadable text
            // keeps the keyboard here, so that Enter cannot close a dialog on the old value.
            return m_typing && !commit();
        case Qt::Key_Escape:
            if (!m_typing)
                return false;
            stop();
            return true;  // only the typing is given up, not the window
        default: break;
        }
        const Qt::KeyboardModifiers extra = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        const bool printable = !key->text().isEmpty() && key->text().at(0).isPrint() && extra == Qt::NoModifier;
        if (!m_typing) {
            if (!printable)
                return false;
            start();
        }
        deliver(key);
        return true;
    }

private:
    // Straight to the line edit: a key it leaves would otherwise go on to its parent, this field.
    void deliver(QEvent* event) { static_cast<QObject*>(m_edit.data())->event(event); }

    bool isTimeField() const { return !(m_field->displayedSections() & QDateTimeEdit::DateSections_Mask); }

    void start()
    {
        m_typing = true;
        m_validator = m_edit->validator();
        // The field's own reading of each key would put back what is not typed over.
        m_edit->blockSignals(true);
        m_edit->setValidator(nullptr);
        m_edit->clear();
    }

    // Back to the field's own value, shown in its own format (also when it did not change).
    void stop()
    {
        m_typing = false;
        m_edit->setValidator(m_validator);
        m_edit->blockSignals(false);
        m_edit->setText(m_field->locale().toString(m_field->dateTime(), m_field->displayFormat()));
    }

    // What was typed, into the field. False, with the note, when it is no date or time.
    bool commit()
    {
        const QString typed = m_edit->text().trimmed();
        if (typed.isEmpty()) {
            stop();
            return true;
        }
        QDateTime value = m_field->dateTime();
        bool ok = false;
        if (isTimeField()) {
            const QTime t = readTypedTime(typed);
            ok = t.isValid() && t >= m_field->minimumTime() && t <= m_field->maximumTime();
            value.setTime(t);
        } else {
            const QDate d = readTypedDate(typed, m_field->displayFormat());
            ok = d.isValid() && d >= m_field->minimumDate() && d <= m_field->maximumDate();
            value.setDate(d);
        }
        if (!ok) {
            const QString example = isTimeField()
                                        ? m_field->locale().toString(QTime(9, 30), m_field->displayFormat())
                                        : m_field->locale().toString(QDate::currentDate(), m_field->displayFormat());
            showFieldNote(m_field, (isTimeField() ? EntryText::tr("\"%1\" is not a time. Type one such as %2.")
                                                  : EntryText::tr("\"%1\" is not a date. Type one such as %2."))

                                       .arg(typed, example));
            return false;
        }
        stop();
        m_field->setDateTime(value);
        QToolTip::hideText();
        return true;
    }

    QDateTimeEdit* m_field;
    QPointer<QLineEdit> m_edit;
    QPointer<const QValidator> m_validator;
    bool m_typing = false;
};

}  // namespace

void selectWholeOnEntry(QWidget* field)
{
    if (field && !field->findChild<QObject*>(kWholeEntry, Qt::FindDirectChildrenOnly))
        new WholeEntry(field);
}

void typeableDateTimes(QWidget* root)
{
    if (!root)
        return;
    QList<QDateTimeEdit*> fields = root->findChildren<QDateTimeEdit*>();
    if (auto* self = qobject_cast<QDateTimeEdit*>(root))
        fields.prepend(self);
    for (QDateTimeEdit* field : std::as_const(fields)) {
        if (field->findChild<QObject*>(kTyping, Qt::FindDirectChildrenOnly))
            continue;
        new DateTimeTyping(field);
        selectWholeOnEntry(field);
    }
}

void explainRefusals(QLineEdit* field, const QString& reason)
{
    QObject::connect(field, &QLineEdit::inputRejected, field, [field, reason] { showFieldNote(field, reason); });
}

void showFieldNote(QWidget* field, const QString& text)
{
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field);
}

}  // namespace pw

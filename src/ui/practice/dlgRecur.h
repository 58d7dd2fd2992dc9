// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pw {

// "Recurrence": for how many weeks, and on which days of each, a practice is copied.
class dlgRecur : public QDialog {
    Q_OBJECT
public:
    // The session's own weekday starts ticked: repeating a practice on its day is the usual wish.
    explicit dlgRecur(const QDate& sessionDate, QWidget* parent = nullptr);

    QString weeks() const;
    // Index 0 Sunday to 6 Saturday.
    std::array<bool, 7> days() const;

private:
    QLineEdit* txtWeeks = nullptr;
    std::array<QCheckBox*, 7> chkDay{};
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

}  // namespace pw

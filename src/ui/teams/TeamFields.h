// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/teams/TeamProfile.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class TeamFields;
}

class QLabel;

namespace pw {

// The team's fields on their six pages, shared by the team profile and the new-team wizard: the
// same controls, the same keyboard behaviour (the whole text selected on entry, Enter moving on,
// the last field of a page leading to the next page) and the same reading and writing of a team.
class TeamFields : public QWidget {
    Q_OBJECT
public:
    explicit TeamFields(QWidget* parent = nullptr);
    ~TeamFields() override;

    Ui::TeamFields& ui() const { return *m_ui; }

    // The wizard's variant: no fee fields, "Co-Ed" offered first, its own labels, and the pages
    // walked with its buttons instead of tabs.
    void setWizardMode();

    // Fills every field from the team and shows the first page of both tab strips.
    void fill(const TeamProfile& team);
    // Empties every field; the cut-off date becomes today and every practice day runs
    // 6:00 PM to 7:30 PM, unticked.
    void clear();
    // The team as the fields give it; columns the fields do not edit come from base.
    TeamProfile collect(const TeamProfile& base) const;

    // The fee as typed; nothing when the box holds something that is not an amount. Empty is 0.
    std::optional<double> feeAmount() const;

    // The caption of the label of the first of these fields that is empty ("Team Name:"); empty
    // when all are filled. The label is the control's namesake with "lbl" for "txt".
    QString firstMissing(const QList<QWidget*>& fields) const;
    // The first of these fields that is empty; null when all are filled.
    QWidget* firstEmpty(const QList<QWidget*>& fields) const;
    QLabel* labelOf(const QWidget* field) const;
    // The fields the profile requires, in the order they are checked.
    QList<QWidget*> requiredFields() const;
    // The coaches' addresses and the address for game results reach the mail server as typed:
    // the first that holds no valid e-mail address (only those on page, when given) is named to
    // the coach, shown and given the cursor. True when every one is valid or empty.
    bool checkAddresses(const QWidget* page = nullptr);

    // The last field of page `page` was left with Enter or Tab; by default the next page is
    // shown and focus goes to `next`. The wizard takes it as its Next button.
    std::function<void(int page, QWidget* next)> onPageEnd;

    void showPage(int page, QWidget* focus);

Q_SIGNALS:
    // The coach changed a field.
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectEdits();
    void showFeeFields(bool on);
    void setPracticeDay(int day, bool on);
    void unselectPickers();
    // Where the keyboard goes on from a page-ending field: page and first field, or -1.
    int pageAfter(const QWidget* field, QWidget** next) const;

    std::unique_ptr<Ui::TeamFields> m_ui;
};

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pw {

class TeamFields;

// The "New Team Wizard": the team's fields a page at a time, each page explained at the left and
// checked before the next one is shown.
class NewTeamWiz : public QDialog {
    Q_OBJECT
public:
    // At the first start the team is the program's first, and cancelling ends the program.
    enum class Mode { FirstStart, AddTeam };

    NewTeamWiz(qint16 teamNo, Mode mode, QWidget* parent = nullptr);
    ~NewTeamWiz() override;

    qint16 teamNo() const { return m_teamNo; }
    int currentPage() const { return m_page; }
    TeamFields* fields() const { return m_fields; }

    static QString pageTitle(int page);
    static QString pageText(int page);

    // The buttons' handlers, public so that tests drive them as the coach would.
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdFinish_Click();
    void cmdCancel_Click();
    void txtAge_Click();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // True when the page's required fields are filled; otherwise the coach is told.
    bool checkPage(int page);
    void showPage(int page);

    qint16 m_teamNo = 0;
    Mode m_mode = Mode::AddTeam;
    int m_page = -1;  // before the first page until the wizard opens
    bool m_closing = false;
    TeamFields* m_fields = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdFinish = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace pw {

class UpdateCheck;

// "Check For Updates": fetches a newer version of the program and the newest built-in drills
// from the club's update server, one step a line in the check list. The transfers run on a
// thread of their own, so the window can be moved, cancelled or left open meanwhile.
class CheckUpdates : public QDialog {
    Q_OBJECT
public:
    // tempFolder and programFolder: the check's own unless given (tests give theirs).
    explicit CheckUpdates(QWidget* parent = nullptr, const QString& tempFolder = QString(),
                          const QString& programFolder = QString());
    ~CheckUpdates() override;

    UpdateCheck& check() const { return *m_check; }
    // The text a line of the check list shows for each step, before anything is added to it.
    static QString lineCaption(int line);

    void OKButton_Click();
    // "Cancel" stops the running step; "Close" (when done) closes the window.
    void CancelBtn_Click();

protected:
    void reject() override;

private:
    // The constructor's parts: the explanation, the steps, the progress bar and the buttons; then
    // the buttons' and the check's connections.
    void buildWidgets();
    void connectWidgets();
    void showLine(int line);
    void showFinished();

    UpdateCheck* m_check = nullptr;
    bool m_closeWhenDone = false;
    QLabel* lblExplain = nullptr;
    QLabel* lblPackage = nullptr;  // shown only when a system package installed the program
    QListWidget* CheckList = nullptr;
    QProgressBar* Progress = nullptr;
    QLabel* lblCancel = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelBtn = nullptr;
};

}  // namespace pw

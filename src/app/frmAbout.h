// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace pw {

// The about box: program name and version, and on request the facts a helper asks for first
// (where the data, settings and log are, which Qt and system).
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    static QString versionText();  // "Version 1.0.0"
    static QString systemInfo();

private:
    QPlainTextEdit* m_info = nullptr;
};

}  // namespace pw

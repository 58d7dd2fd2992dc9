// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <memory>

class QButtonGroup;
class QComboBox;

namespace Ui {
class cfgDialog;
}

namespace pw {

// The options dialog: database file, how names are shown, the e-mail account and the team logo.
// OK writes every setting and announces it; Cancel writes nothing.
class cfgDialog : public QDialog {
    Q_OBJECT
public:
    explicit cfgDialog(QWidget* parent = nullptr);
    ~cfgDialog() override;

    void Form_Load();
    void NameOpt_Click(int index);
    void PickGifBtn_Click();
    void BrowseDataBtn_Click();
    void OKButton_Click();
    void CancelButton_Click();

    int nameIndex() const { return m_nameIndex; }
    QString logoPath() const { return m_logo; }

Q_SIGNALS:
    // The settings were written; the main window rebuilds its tree and shows the logo.
    void settingsSaved(const QString& logoPath);

private:
    void buildLanguageRow();

    std::unique_ptr<Ui::cfgDialog> ui;
    QComboBox* m_language = nullptr;  // "System default", then each language in itself

    QButtonGroup* m_names = nullptr;
    int m_nameIndex = 0;
    QString m_logo;      // the picture ConfigGif shows
    QString m_database;  // the stored database setting, whose password the field does not show
};

}  // namespace pw

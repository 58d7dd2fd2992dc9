// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cfgDialog.h"

#include "ui_cfgDialog.h"

#include "app/Language.h"
#include "app/Startup.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Trace.h"
#include "core/schedule/TeamCalendar.h"
#include "data/Options.h"
#include "ui/base/LogoPicture.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>

namespace pw {

cfgDialog::cfgDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::cfgDialog>())
{
    ui->setupUi(this);
    buildLanguageRow();
    ui->spnBackups->setRange(1, kMaxBackupsToKeep);
    m_names = new QButtonGroup(this);
    m_names->addButton(ui->NameOpt_0, 0);
    m_names->addButton(ui->NameOpt_1, 1);
    m_names->addButton(ui->NameOpt_2, 2);
    connect(m_names, &QButtonGroup::idClicked, this, &cfgDialog::NameOpt_Click);
    connect(ui->PickGifBtn, &QPushButton::clicked, this, &cfgDialog::PickGifBtn_Click);
    connect(ui->BrowseDataBtn, &QPushButton::clicked, this, &cfgDialog::BrowseDataBtn_Click);
    connect(ui->OKButton, &QPushButton::clicked, this, &cfgDialog::OKButton_Click);
    connect(ui->CancelButton, &QPushButton::clicked, this, &cfgDialog::CancelButton_Click);
    Form_Load();
}

cfgDialog::~cfgDialog() = default;

void cfgDialog::Form_Load()
{
    guarded(QStringLiteral("Form_Load"), {}, [&] {
        const Options o = Options::read();
        m_database = o.mdbFile;
        ui->TxtDataFile->setText(maskedDatabaseSetting(o.mdbFile));
        state().NameOpt = o.NameOpt;
        m_names->button(o.NameOpt)->setChecked(true);
        NameOpt_Click(o.NameOpt);
        ui->txtServer->setText(o.EmailServer);
        ui->txtUser->setText(o.EmailUser);
        ui->txtEmailPassword->setText(o.EmailPassword);
        ui->txtRePassword->setText(o.EmailPassword);
        ui->chkDebug->setChecked(o.EmailDebug);
        ui->chkAllowPlain->setChecked(o.EmailAllowPlain);
        ui->spnBackups->setValue(o.BackupsToKeep);
        ui->chkKeepCalendar->setChecked(keepCalendarsSetting());
        m_logo = o.TeamLogo;
        showLogo(ui->ConfigGif, m_logo, QSize(92, 92));
        m_language->setCurrentIndex(qMax(0, m_language->findData(languageSetting())));
    });
}

void cfgDialog::buildLanguageRow()
{
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("cboLanguage"));
    m_language->addItem(tr("System default"), QString());
    for (const ProgramLanguage& language : programLanguages())
        m_language->addItem(language.name, language.code);
    auto* label = new QLabel(tr("&Language:"), this);
    label->setBuddy(m_language);
    // The windows are built in their language once, so a new one is for the next start.
    auto* note = new QLabel(tr("The language changes at the next start of Pitchwise."), this);
    note->setObjectName(QStringLiteral("lblLanguageNote"));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_language);
    row->addWidget(note, 1);
    ui->mainLayout->insertLayout(ui->mainLayout->indexOf(ui->buttonRow), row);
}

void cfgDialog::NameOpt_Click(int index)
{
    m_nameIndex = index;
}

void cfgDialog::PickGifBtn_Click()
{
    guarded(QStringLiteral("PickGifBtn_Click"), {}, [&] {
        const QString file = prompter().openFileName(
            tr("Pick Logo"), m_logo.isEmpty() ? QDir::homePath() : QFileInfo(m_logo).absolutePath(),
            QStringLiteral("GIF Files (*.gif)|*.gif|jpeg Files (*.jpg)|*.jpg| All Files (*.*)|*.*"));
        if (file.isEmpty())
            return;  // cancelled: the previous logo stays
        m_logo = file;
        showLogo(ui->ConfigGif, m_logo, QSize(92, 92));
    });
}

void cfgDialog::BrowseDataBtn_Click()
{
    guarded(QStringLiteral("BrowseDataBtn_Click"), {}, [&] {
        const QString current = ui->TxtDataFile->text();
        const QString file = prompter().openFileName(
            tr("Database file"), current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath(),
            tr("Pitchwise Database (*.db)|*.db|All Files (*.*)|*.*"));
        if (!file.isEmpty())
            ui->TxtDataFile->setText(file);
    });
}

void cfgDialog::OKButton_Click()
{
    guarded(QStringLiteral("OKButton_Click"), {}, [&] {
        Options o;
        o.mdbFile = unmaskedDatabaseSetting(ui->TxtDataFile->text(), m_database);
        o.NameOpt = static_cast<qint16>(m_nameIndex);
        o.EmailServer = ui->txtServer->text();
        o.EmailUser = ui->txtUser->text();
        o.EmailPassword = ui->txtEmailPassword->text();
        o.EmailDebug = ui->chkDebug->isChecked();
        o.EmailAllowPlain = ui->chkAllowPlain->isChecked();
        o.BackupsToKeep = ui->spnBackups->value();
        o.TeamLogo = m_logo;
        if (const auto problem = checkOptions(o, ui->txtRePassword->text())) {
            prompter().message(problem->title, problem->text, Prompter::Icon::Critical);
            switch (problem->field) {
            case OptionsProblem::Field::Server: ui->txtServer->setFocus(); break;
            case OptionsProblem::Field::User: ui->txtUser->setFocus(); break;
            case OptionsProblem::Field::Database: ui->TxtDataFile->setFocus(); break;
            case OptionsProblem::Field::Password:
                ui->txtEmailPassword->clear();
                ui->txtRePassword->clear();
                ui->txtEmailPassword->setFocus();
                break;
            }
            return;
        }
        o.write();
        setKeepCalendarsSetting(ui->chkKeepCalendar->isChecked());
        writeLanguageSetting(m_language->currentData().toString());

        // The database setting takes effect at the next start, so the program-wide copy keeps
        // naming the database that is open now.
        const QString openDatabase = state().mdbFile;
        LoadStartupSettings();
        state().mdbFile = openDatabase;
        Q_EMIT settingsSaved(m_logo);
        accept();
    });
}

void cfgDialog::CancelButton_Click()
{
    reject();
}

}  // namespace pw

#include "app/cfgDialog.h"

#include "ui_cfgDialog.h"

#include "app/AppState.h"
#include "app/LogoPicture.h"
#include "app/Prompter.h"
#include "app/Startup.h"
#include "app/Trace.h"
#include "data/Settings.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>

namespace pw {

namespace {

bool readsTrue(const QString& value)
{
    const QString v = value.trimmed();
    return !v.isEmpty() && v != QLatin1String("0") && v.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

}  // namespace

cfgDialog::cfgDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::cfgDialog>())
{
    ui->setupUi(this);
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
        ui->TxtDataFile->setText(ReadSettingText(QStringLiteral("mdbFile")));
        state().NameOpt = static_cast<qint16>(ReadSetting(QStringLiteral("NameOpt")).toInt());
        const int index = qBound(0, static_cast<int>(state().NameOpt), 2);
        m_names->button(index)->setChecked(true);
        NameOpt_Click(index);
        ui->txtServer->setText(ReadSettingText(QStringLiteral("EmailServer")));
        ui->txtUser->setText(ReadSettingText(QStringLiteral("EmailUser")));
        ui->txtEmailPassword->setText(ReadSettingText(QStringLiteral("EmailPassword")));
        ui->txtRePassword->setText(ui->txtEmailPassword->text());
        ui->chkDebug->setChecked(readsTrue(ReadSetting(QStringLiteral("EmailDebug"))));
        const QString logo = ReadSettingText(QStringLiteral("TeamLogo"));
        m_logo = logo == QLatin1String("0") ? QString() : logo;
        showLogo(ui->ConfigGif, m_logo, QSize(92, 92));
    });
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
        if (ui->txtEmailPassword->text() != ui->txtRePassword->text()) {
            prompter().message(tr("Wrong Password"), tr("The passwords to not match. Please re-enter them"),
                               Prompter::Icon::Critical);
            ui->txtEmailPassword->clear();
            ui->txtRePassword->clear();
            ui->txtEmailPassword->setFocus();
            return;
        }
        WriteSetting(QStringLiteral("mdbFile"), ui->TxtDataFile->text().trimmed());
        WriteSetting(QStringLiteral("NameOpt"), QString::number(m_nameIndex));
        WriteSetting(QStringLiteral("EmailServer"), ui->txtServer->text().trimmed());
        WriteSetting(QStringLiteral("EmailUser"), ui->txtUser->text().trimmed());
        WriteSetting(QStringLiteral("EmailPassword"), ui->txtEmailPassword->text());
        WriteSetting(QStringLiteral("EmailDebug"), ui->chkDebug->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        // The database setting takes effect at the next start, so the program-wide copy keeps
        // naming the database that is open now.
        const QString openDatabase = state().mdbFile;
        LoadStartupSettings();
        state().mdbFile = openDatabase;
        WriteSetting(QStringLiteral("TeamLogo"), m_logo);
        Q_EMIT settingsSaved(m_logo);
        accept();
    });
}

void cfgDialog::CancelButton_Click()
{
    reject();
}

}  // namespace pw

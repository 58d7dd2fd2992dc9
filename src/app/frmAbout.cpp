// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmAbout.h"

#include "common/AppState.h"
#include "common/Icons.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace pw {

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Pitchwise"));

    auto* picture = new QLabel;
    picture->setPixmap(programIcon(QStringLiteral("pitchwise")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(tr("Pitchwise"));
    name->setObjectName(QStringLiteral("lblProductName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel(versionText());
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* blurb = new QLabel(tr("Rosters, schedules, line-ups, statistics and practice plans for the coach of "
                                "youth soccer teams."));
    blurb->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(blurb);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);

    m_info = new QPlainTextEdit;
    m_info->setObjectName(QStringLiteral("txtSystemInfo"));
    m_info->setReadOnly(true);
    m_info->setVisible(false);
    m_info->setMinimumHeight(140);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QPushButton* sysInfo = buttons->addButton(tr("&System Info..."), QDialogButtonBox::ActionRole);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, [this] {
        m_info->setPlainText(systemInfo());
        m_info->setVisible(true);
        adjustSize();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_info, 1);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

QString frmAbout::versionText()
{
    return tr("Version %1").arg(programVersion());
}

QString frmAbout::systemInfo()
{
    QStringList lines;
    lines << QStringLiteral("Pitchwise ") + programVersion();
    lines << tr("Qt %1 on %2").arg(QString::fromLatin1(qVersion()), QSysInfo::prettyProductName());
    lines << tr("Database: %1").arg(QDir::toNativeSeparators(Db::connectionText()));
    lines << tr("Data folder: %1").arg(QDir::toNativeSeparators(state().DataFolder));
    lines << tr("Settings: %1").arg(QDir::toNativeSeparators(settingsFileName()));
    lines << tr("Log: %1").arg(QDir::toNativeSeparators(logFilePath()));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace pw

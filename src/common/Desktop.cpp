// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Desktop.h"

#include "common/Prompter.h"
#include "common/Trace.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace pw {

namespace {

// The translation context of the common texts.
struct Common {
    Q_DECLARE_TR_FUNCTIONS(Common)
};

class SystemDesktop final : public Desktop {
public:
    bool hasBrowser() override
    {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // Qt hands URLs to xdg-open on Linux; without it nothing can open a page.
        return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
#else
        return true;
#endif
    }
    bool openUrl(const QUrl& url) override
    {
        return QDesktopServices::openUrl(url);
    }
    bool openFile(const QString& path) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

SystemDesktop g_system;
Desktop* g_desktop = nullptr;

}  // namespace

Desktop& desktop()
{
    return g_desktop ? *g_desktop : g_system;
}

void setDesktop(Desktop* d)
{
    g_desktop = d;
}

QString OpenInBrowser(const QString& address)
{
    PW_TRACE(QStringLiteral("OpenInBrowser"), traceArg(QStringLiteral("Address"), address));
    if (!desktop().hasBrowser()) {
        prompter().message(Common::tr("Browser Not Found"), Common::tr("Could not find associated Browser"),
                           Prompter::Icon::Exclamation);
        return {};
    }
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("URLFailed");
    const QUrl url = QUrl::fromUserInput(trimmed);
    // Only web pages: a stored address must not open a local file, run a script or reach a
    // network share through the desktop's handlers.
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty() || !desktop().openUrl(url))
        return QStringLiteral("URLFailed");
    return {};
}

}  // namespace pw

// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt plug-in the install check loads into the installed program (QT_QPA_GENERIC_PLUGINS): once
// the main window is up it opens the help through the Help menu's command and writes what the help
// window shows to the file named by PW_PROBE_RESULT, then ends the program. Nothing in the program
// knows of it; without the plug-in and its two environment variables it is never loaded.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGenericPlugin>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace {

class InstallProbe : public QObject {
public:
    InstallProbe()
    {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, [this] { look(); });
        m_timer.start(200);
    }

private:
    void finish(const QString& result, int code)
    {
        m_timer.stop();
        QFile out(qEnvironmentVariable("PW_PROBE_RESULT"));
        if (out.open(QIODevice::WriteOnly | QIODevice::Text))
            out.write(result.toUtf8() + '\n');
        QCoreApplication::exit(code);
    }

    void look()
    {
        if (m_clock.elapsed() > 30000) {
            finish(QStringLiteral("timeout: no main window and help window within 30 s"), 2);
            return;
        }
        // A start that asks anything here was not the quiet start the check prepared.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            finish(QStringLiteral("asked: %1").arg(modal->windowTitle()), 1);
            return;
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("HelpWindow") && w->isVisible()) {
                report(w);
                return;
            }
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != QLatin1String("MainForm") || !w->isVisible() || m_helpAsked)
                continue;
            if (auto* help = w->findChild<QAction*>(QStringLiteral("HelpMain"))) {
                m_helpAsked = true;
                help->trigger();
            }
        }
    }

    void report(QWidget* window)
    {
        const auto* contents = window->findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
        const auto* page = window->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
        if (!contents || !page) {
            finish(QStringLiteral("help window without contents or page"), 1);
            return;
        }
        finish(QStringLiteral("help topics: %1\nhelp page: %2\nhelp title: %3")
                   .arg(contents->topLevelItemCount())
                   .arg(page->source().toLocalFile(), page->documentTitle()),
               0);
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_helpAsked = false;
};

}  // namespace

class InstallProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        return key.compare(QLatin1String("pwinstallprobe"), Qt::CaseInsensitive) == 0 ? new InstallProbe : nullptr;
    }
};

#include "InstallProbe.moc"

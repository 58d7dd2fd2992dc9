// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/StartupTrace.h"

#include <QElapsedTimer>

#include <cstdio>

namespace pw {

namespace {

struct TraceState {
    bool on = qEnvironmentVariable("PW_STARTUP_TRACE") == QLatin1String("1");
    QElapsedTimer clock;
    qint64 last = 0;
    QString text;
    TraceState() { clock.start(); }
};

TraceState& trace()
{
    static TraceState t;
    return t;
}

}  // namespace

void startupStep(const char* step)
{
    TraceState& t = trace();
    if (!t.on)
        return;
    const qint64 now = t.clock.nsecsElapsed();
    const QString line = QStringLiteral("startup: %1 ms  (total %2 ms)  %3\n")
                             .arg((now - t.last) / 1e6, 6, 'f', 1)
                             .arg(now / 1e6, 6, 'f', 1)
                             .arg(QLatin1String(step));
    t.last = now;
    t.text += line;
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

QString startupTraceText()
{
    return trace().text;
}

void setStartupTrace(bool on)
{
    TraceState& t = trace();
    t.on = on;
    t.clock.restart();
    t.last = 0;
    t.text.clear();
}

}  // namespace pw

#include "StartupProbe.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace startupprobe {

namespace {

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression rss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    const QRegularExpressionMatch m = rss.match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLong() : -1;
}

} // namespace

bool Enabled() { return !qEnvironmentVariableIsEmpty("TEXTREADER_STARTUP_PROBE"); }

void Report()
{
    std::printf("first_page_ms=%lld rss_kb=%ld\n", QDateTime::currentMSecsSinceEpoch(),
                ResidentKilobytes());
    std::fflush(stdout);
}

} // namespace startupprobe

#include "FetchProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <cstdio>
#include <unistd.h>

#include "AppBrowser.h"
#include "state/ViewerState.h"

namespace fetchprobe {

namespace {

QString ProcFile(qint64 pid, const char* name)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// The proportional set size: pages shared with the engine's helpers are split among them, so
// the sizes of the whole tree add up to what it takes.
long ResidentKilobytes(qint64 pid)
{
    static const QRegularExpression pss(QStringLiteral("Pss:\\s*(\\d+)"));
    const QRegularExpressionMatch m = pss.match(ProcFile(pid, "smaps_rollup"));
    return m.hasMatch() ? m.captured(1).toLong() : 0;
}

// The same for every process below pid (the engine's helper processes).
long DescendantsKilobytes(qint64 pid)
{
    long total = 0;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 child = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QString stat = ProcFile(child, "stat");
        const QStringList fields = stat.mid(stat.lastIndexOf(u')') + 2).split(u' ');
        if (fields.size() > 1 && fields[1].toLongLong() == pid)
            total += ResidentKilobytes(child) + DescendantsKilobytes(child);
    }
    return total;
}

qint64 TimedFetch(AppBrowser& browser, const ViewerState& viewer, const QString& url)
{
    QElapsedTimer clock;
    clock.start();
    browser.Window().FetchAndWait(url);
    while (viewer.PageText.isEmpty() && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return clock.elapsed();
}

} // namespace

QString Url() { return qEnvironmentVariable("TEXTREADER_FETCH_PROBE"); }

void Run(AppBrowser& browser, const ViewerState& viewer, const QString& url)
{
    const qint64 load = TimedFetch(browser, viewer, url);
    const qint64 firstChar = TimedFetch(browser, viewer, url);
    std::printf("load_ms=%lld first_char_ms=%lld pss_kb=%ld engine_pss_kb=%ld\n", load, firstChar,
                ResidentKilobytes(::getpid()), DescendantsKilobytes(::getpid()));
    std::fflush(stdout);
}

} // namespace fetchprobe

#include "web/ConversionProgress.h"

#include <cmath>

#include "core/Notation.h"

ConversionPacer::ConversionPacer(const ConversionCallbacks& callbacks) : callbacks_(callbacks)
{
    timer_.start();
}

void ConversionPacer::show(const QString& caption) const
{
    if (callbacks_.showProgress)
        callbacks_.showProgress(caption);
}

void ConversionPacer::letEventsRunWhenDue()
{
    if (!due())
        return;
    if (callbacks_.letEventsRun)
        callbacks_.letEventsRun();
    timer_.restart();
}

void ConversionPacer::showAndLetEventsRunWhenDue(const std::function<QString()>& caption)
{
    if (!due())
        return;
    show(caption());
    letEventsRunWhenDue();
}

namespace {

QString RightAligned(const QString& text, qsizetype width)
{
    return notation::Right(QString(width, u' ') + text, width);
}

} // namespace

QString ProgressNumber(double x)
{
    return RightAligned(notation::NumberText(x), 10);
}

QString PreprocessingCaption(double total)
{
    return QStringLiteral("前処理中…") + ProgressNumber(0) + u'/' + ProgressNumber(total);
}

QString ScanningCaption(double done, double total)
{
    const double percent = total > 0 ? std::floor(100.0 * done / total) : 0;
    return RightAligned(notation::NumberText(percent), 3) + QStringLiteral("% ") + ProgressNumber(done)
           + u'/' + ProgressNumber(total);
}

QString FinishedCaption(double total)
{
    return QStringLiteral("処理完了") + ProgressNumber(total) + u'/' + ProgressNumber(total);
}

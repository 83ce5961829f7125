#include "convert/ConversionProgress.h"

#include "convert/DecimalText.h"

ConversionPacer::ConversionPacer(const ProgressCallbacks& callbacks) : callbacks_(callbacks), since_(Clock::now()) {}

void ConversionPacer::show(std::u16string_view caption) const
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
    since_ = Clock::now();
}

void ConversionPacer::showAndLetEventsRunWhenDue(const std::function<std::u16string()>& caption)
{
    if (!due())
        return;
    show(caption());
    letEventsRunWhenDue();
}

namespace {

std::u16string RightAligned(int64_t n, size_t width)
{
    const std::u16string padded = std::u16string(width, u' ') + DecimalText(n);
    return padded.substr(padded.size() - width);
}

} // namespace

std::u16string ProgressNumber(int64_t n) { return RightAligned(n, 10); }

std::u16string PreprocessingCaption(int64_t total)
{
    return u"前処理中…" + ProgressNumber(0) + u'/' + ProgressNumber(total);
}

std::u16string ScanningCaption(int64_t done, int64_t total)
{
    // Whole percent, rounded down; done never passes total.
    const int64_t percent = total > 0 ? done * 100 / total : 0;
    return RightAligned(percent, 3) + u"% " + ProgressNumber(done) + u'/' + ProgressNumber(total);
}

std::u16string FinishedCaption(int64_t total)
{
    return u"処理完了" + ProgressNumber(total) + u'/' + ProgressNumber(total);
}

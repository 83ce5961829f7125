#pragma once
// How a long conversion reports itself: the captions for the browser window's status label
// and a pacer that lets window events run now and then, never more often than every 50 ms of
// work and never by sleeping.
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct ProgressCallbacks {
    std::function<void(std::u16string_view caption)> showProgress;
    std::function<void()> letEventsRun;
};

class ConversionPacer {
public:
    static constexpr std::chrono::milliseconds kInterval{50};

    explicit ConversionPacer(const ProgressCallbacks& callbacks);
    void show(std::u16string_view caption) const;
    // True once kInterval of work has passed since the last events ran.
    bool due() const { return Clock::now() - since_ >= kInterval; }
    // Lets pending events run when due; the time they take is not counted as work.
    void letEventsRunWhenDue();
    // As letEventsRunWhenDue, showing the caption first (built only when due).
    void showAndLetEventsRunWhenDue(const std::function<std::u16string()>& caption);

private:
    using Clock = std::chrono::steady_clock;
    const ProgressCallbacks& callbacks_;
    Clock::time_point since_;
};

// n as decimal text right-aligned in 10 characters (the last ten kept when longer).
std::u16string ProgressNumber(int64_t n);
// "前処理中…" + 0 / total.
std::u16string PreprocessingCaption(int64_t total);
// Percentage, then done / total.
std::u16string ScanningCaption(int64_t done, int64_t total);
// "処理完了" + total / total.
std::u16string FinishedCaption(int64_t total);

#pragma once
// How a long conversion reports itself: the captions for the browser window's status label
// and a pacer that lets window events run now and then, never more often than every 50 ms of
// work and never by sleeping.
#include <QElapsedTimer>
#include <QString>
#include <functional>

struct ConversionCallbacks {
    std::function<void(const QString& caption)> showProgress;
    std::function<void()> letEventsRun;
};

class ConversionPacer {
public:
    static constexpr qint64 kIntervalMs = 50;

    explicit ConversionPacer(const ConversionCallbacks& callbacks);
    void show(const QString& caption) const;
    // True once kIntervalMs of work have passed since the last events ran.
    bool due() const { return timer_.elapsed() >= kIntervalMs; }
    // Lets pending events run when due; the time they take is not counted as work.
    void letEventsRunWhenDue();
    // As letEventsRunWhenDue, showing the caption first (built only when due).
    void showAndLetEventsRunWhenDue(const std::function<QString()>& caption);

private:
    const ConversionCallbacks& callbacks_;
    QElapsedTimer timer_;
};

// x as decimal text right-aligned in 10 characters (the last ten kept when longer).
QString ProgressNumber(double x);
// "前処理中…" + 0 / total.
QString PreprocessingCaption(double total);
// Percentage, then done / total.
QString ScanningCaption(double done, double total);
// "処理完了" + total / total.
QString FinishedCaption(double total);

#include "ui/Clock.h"

#include <QDateTime>
#include <chrono>
#include <cmath>

namespace ui {

namespace {
constexpr double SecondsPerDay = 86400.0;
constexpr double NsPerSecond = 1e9;
constexpr qint64 DateEpochJulianDay = 2415019;  // 30 December 1899, day 0 of the Date type
}  // namespace

std::int64_t DateDiffSeconds(const Zeitpunkt& a, const Zeitpunkt& b)
{
    const double startSeconds = a.datum * SecondsPerDay;
    const double phase = startSeconds - std::floor(startSeconds);  // a's place within its second
    const double elapsed = static_cast<double>(b.monoNs - a.monoNs) / NsPerSecond;
    return static_cast<std::int64_t>(std::floor(phase + elapsed));
}

Zeitpunkt SystemClock::Now()
{
    const auto mono = std::chrono::steady_clock::now().time_since_epoch();
    const QDateTime now = QDateTime::currentDateTime();
    const QDate epoch = QDate::fromJulianDay(DateEpochJulianDay);
    Zeitpunkt z;
    z.datum = static_cast<double>(epoch.daysTo(now.date())) +
              static_cast<double>(now.time().msecsSinceStartOfDay()) / (SecondsPerDay * 1000.0);
    z.monoNs = std::chrono::duration_cast<std::chrono::nanoseconds>(mono).count();
    return z;
}

std::int64_t SystemClock::MonoNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace ui

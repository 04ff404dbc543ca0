#include "ui/Clock.h"

#include <QDateTime>
#include <chrono>

namespace ui {

namespace {
constexpr std::int64_t MsPerDay = 86'400'000;
constexpr std::int64_t NsPerMs = 1'000'000;
constexpr std::int64_t NsPerSecond = 1'000'000'000;
constexpr qint64 DateEpochJulianDay = 2415019;  // 30 December 1899, day 0 of the Date type

// Division rounding towards minus infinity, for distances of either sign.
std::int64_t abgerundet(std::int64_t zaehler, std::int64_t nenner)
{
    const std::int64_t q = zaehler / nenner;
    return (zaehler % nenner != 0 && (zaehler < 0) != (nenner < 0)) ? q - 1 : q;
}
}  // namespace

std::int64_t WandMs(const QDate& tag, int msSeitMitternacht)
{
    return QDate::fromJulianDay(DateEpochJulianDay).daysTo(tag) * MsPerDay + msSeitMitternacht;
}

std::int64_t DateDiffSeconds(const Zeitpunkt& a, const Zeitpunkt& b)
{
    // a's place within its wall-clock second, kept in whole milliseconds: a
    // fraction of a day count would put a whole second just below itself.
    const std::int64_t phaseMs = a.wandMs - abgerundet(a.wandMs, 1000) * 1000;
    return abgerundet(phaseMs * NsPerMs + (b.monoNs - a.monoNs), NsPerSecond);
}

Zeitpunkt SystemClock::Now()
{
    const auto mono = std::chrono::steady_clock::now().time_since_epoch();
    const QDateTime now = QDateTime::currentDateTime();
    Zeitpunkt z;
    z.wandMs = WandMs(now.date(), now.time().msecsSinceStartOfDay());
    z.monoNs = std::chrono::duration_cast<std::chrono::nanoseconds>(mono).count();
    return z;
}

std::int64_t SystemClock::MonoNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace ui

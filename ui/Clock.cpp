#include "ui/Clock.h"

#include <QDateTime>
#include <chrono>

namespace ui {

namespace {
constexpr std::int64_t NsPerDay = 86'400'000'000'000;
constexpr std::int64_t NsPerMs = 1'000'000;
constexpr std::int64_t NsPerSecond = 1'000'000'000;
constexpr qint64 DateEpochJulianDay = 2415019;  // 30 December 1899, day 0 of the Date type

// Division rounding towards minus infinity, for distances of either sign.
std::int64_t abgerundet(std::int64_t zaehler, std::int64_t nenner)
{
    const std::int64_t q = zaehler / nenner;
    return (zaehler % nenner != 0 && (zaehler < 0) != (nenner < 0)) ? q - 1 : q;
}

std::int64_t rest(std::int64_t zaehler, std::int64_t nenner)
{
    return zaehler - abgerundet(zaehler, nenner) * nenner;
}

template <class C>
std::int64_t nanosekunden()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(C::now().time_since_epoch()).count();
}
}  // namespace

std::int64_t WandNs(const QDate& tag, std::int64_t nsSeitMitternacht)
{
    return QDate::fromJulianDay(DateEpochJulianDay).daysTo(tag) * NsPerDay + nsSeitMitternacht;
}

std::int64_t DateDiffSeconds(const Zeitpunkt& a, const Zeitpunkt& b)
{
    // a's place within its wall-clock second, to the nanosecond: kept coarser,
    // a start just before a boundary would count one boundary too few.
    return abgerundet(rest(a.wandNs, NsPerSecond) + (b.monoNs - a.monoNs), NsPerSecond);
}

SystemClock::SystemClock()
    : SystemClock(nanosekunden<std::chrono::steady_clock>, nanosekunden<std::chrono::system_clock>)
{
}

SystemClock::SystemClock(Lesung mono, Lesung wand) : mono_(std::move(mono)), wand_(std::move(wand)) {}

Zeitpunkt SystemClock::Now()
{
    // The wall clock is read between two monotonic readings. Its place within
    // the second, less the width of the bracket, tells whether a second
    // boundary may lie between the first monotonic reading and the wall
    // reading; then all three are read again (the chance of that is the
    // bracket's width in a second, some ten nanoseconds). Otherwise the first monotonic reading
    // stands for the moment, with the wall reading's place in the second.
    std::int64_t mono = 0, wand = 0;
    for (int versuch = 0; versuch < 4; ++versuch) {
        mono = mono_();
        wand = wand_();
        const std::int64_t danach = mono_();
        if (rest(wand, NsPerSecond) >= danach - mono) break;
    }
    // Local time differs from UTC by whole seconds, so the conversion, which is
    // slow, need not be inside the bracket.
    const QDateTime lokal = QDateTime::fromMSecsSinceEpoch(abgerundet(wand, NsPerMs));
    Zeitpunkt z;
    z.wandNs = WandNs(lokal.date(), std::int64_t(lokal.time().msecsSinceStartOfDay()) * NsPerMs + rest(wand, NsPerMs));
    z.monoNs = mono;
    return z;
}

}  // namespace ui

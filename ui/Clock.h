#pragma once
// Date and time as the game reads them: Now and DateDiff in seconds.
#include <cstdint>
#include <functional>

class QDate;

namespace ui {

// A moment. `wandNs` is the local wall-clock time in nanoseconds since
// 30 December 1899, 00:00 (day 0 of the runtime's Date type); `monoNs` is a
// monotonic reading taken at the same moment. Elapsed time is measured on the
// monotonic reading, so a daylight-saving switch, an NTP step or a user setting
// the clock cannot stretch or cut a run.
struct Zeitpunkt {
    std::int64_t wandNs = 0;
    std::int64_t monoNs = 0;
};

// The wall-clock value of a local date and a time of day.
std::int64_t WandNs(const QDate& tag, std::int64_t nsSeitMitternacht);

class Clock {
public:
    virtual ~Clock() = default;
    virtual Zeitpunkt Now() = 0;
    // The monotonic part of Now alone, for readings that need no wall clock.
    virtual std::int64_t MonoNs() { return Now().monoNs; }
};

// The whole number of second boundaries from a to b. The boundaries are those of
// a's wall clock; the distance between a and b comes from the monotonic reading.
std::int64_t DateDiffSeconds(const Zeitpunkt& a, const Zeitpunkt& b);

class SystemClock final : public Clock {
public:
    // Raw readings in nanoseconds: a monotonic clock, and the wall clock since
    // 1 January 1970 UTC. Tests pass their own.
    using Lesung = std::function<std::int64_t()>;
    SystemClock();
    SystemClock(Lesung mono, Lesung wand);

    Zeitpunkt Now() override;
    // A fraction of Now's cost: the local wall-clock time is what is dear.
    std::int64_t MonoNs() override { return mono_(); }

private:
    Lesung mono_, wand_;
};

}  // namespace ui

#include "ui/Random.h"

#include <chrono>

#include "ui/Trace.h"

namespace ui {

namespace {
// splitmix64's finaliser: a strong 64-bit mixing function.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t steadyTicks()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}
}  // namespace

void Random::Randomize()
{
    reseed();
    if (trace_) trace_->randomized();
}

float Random::Rnd()
{
    const float r = next();
    if (trace_) trace_->drawn(r);
    return r;
}

SystemRandom::SystemRandom(TickSource ticks)
    : ticks_(ticks ? std::move(ticks) : TickSource(steadyTicks)), state_(mix(ticks_() ^ 0x2545F4914F6CDD1DULL))
{
}

void SystemRandom::reseed()
{
    state_ = mix(state_ ^ mix(ticks_()));
}

std::uint64_t SystemRandom::nextBits()
{
    state_ += 0x9E3779B97F4A7C15ULL;
    return mix(state_);
}

float SystemRandom::next()
{
    return static_cast<float>(nextBits() >> 40) * 0x1p-24f;
}

}  // namespace ui

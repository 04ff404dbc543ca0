#pragma once
// Randomize and Rnd.
#include <cstdint>
#include <functional>

namespace ui {

class Trace;

class Random {
public:
    virtual ~Random() = default;

    // Reseeds from the clock.
    void Randomize();
    // A single-precision value in [0, 1).
    float Rnd();

    void setTrace(Trace* trace) { trace_ = trace; }

protected:
    virtual void reseed() = 0;
    virtual float next() = 0;

private:
    Trace* trace_ = nullptr;
};

class SystemRandom final : public Random {
public:
    using TickSource = std::function<std::uint64_t()>;
    // `ticks` is the high-resolution clock mixed in by Randomize; tests may freeze it.
    explicit SystemRandom(TickSource ticks = {});

protected:
    // Mixes the clock into the current state instead of restarting from it, so
    // two builds within one clock tick still get different boards.
    void reseed() override;
    // 24 random bits scaled by 2^-24: exactly representable as a float, so the
    // largest value is 1 - 2^-24 and Int(Rnd * n) never reaches n.
    float next() override;

private:
    std::uint64_t nextBits();
    TickSource ticks_;
    std::uint64_t state_;
};

}  // namespace ui

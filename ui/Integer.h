#pragma once
// The game's 16-bit counters. Where the original runtime would end the program
// on overflow, these saturate at their limits: a game that keeps running with a
// capped counter is better than one that vanishes.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace ui {

class Integer {
public:
    static constexpr int Min = std::numeric_limits<std::int16_t>::min();
    static constexpr int Max = std::numeric_limits<std::int16_t>::max();

    constexpr Integer() = default;
    constexpr Integer(int v)
        : v_(static_cast<std::int16_t>(std::clamp(v, Min, Max))) {}  // NOLINT: implicit like the language's Integer

    constexpr operator int() const { return v_; }  // NOLINT

    constexpr Integer& operator+=(int d)
    {
        *this = Integer(int(v_) + d);
        return *this;
    }
    constexpr Integer& operator-=(int d)
    {
        *this = Integer(int(v_) - d);
        return *this;
    }

private:
    std::int16_t v_ = 0;
};

constexpr Integer operator+(Integer a, Integer b)
{
    return Integer(int(a) + int(b));
}
constexpr Integer operator-(Integer a, Integer b)
{
    return Integer(int(a) - int(b));
}

// 16-bit Booleans: True is -1, False is 0, and any non-zero value counts as on.
using Boolean = std::int16_t;
inline constexpr Boolean True = -1;
inline constexpr Boolean False = 0;

}  // namespace ui

#include "tests/support/Fakes.h"

namespace fakes {

namespace {
constexpr double SecondsPerDay = 86400.0;
}

ManualClock::ManualClock()
{
    // 8 December 2026 is day 46364 after 30 December 1899.
    now_.datum = 46364.0 + (10 * 3600 + 0.25) / SecondsPerDay;
    now_.monoNs = 5'000'000'000'000LL;
}

void ManualClock::advance(double seconds)
{
    now_.datum += seconds / SecondsPerDay;
    now_.monoNs += static_cast<std::int64_t>(seconds * 1e9);
}

void ManualClock::jumpWall(double seconds) { now_.datum += seconds / SecondsPerDay; }

float ScriptedRandom::next()
{
    if (!queue_.empty()) {
        const float r = queue_.front();
        queue_.pop_front();
        return r;
    }
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) * 0x1p-24f;
}

void AnsweringMessageBox::MsgBox(const QString& text)
{
    if (shutDown_) return;
    texts << text;
    if (whileOpen) whileOpen(text);
}

void RecordingTrace::attach(Flinkblick& w, ui::Random& r)
{
    for (ui::Label* l : w.Zahllbl) l->setTrace(this);
    r.setTrace(this);
}

void RecordingTrace::detach(Flinkblick& w, ui::Random& r)
{
    for (ui::Label* l : w.Zahllbl) l->setTrace(nullptr);
    r.setTrace(nullptr);
}

}  // namespace fakes

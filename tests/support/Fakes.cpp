#include "tests/support/Fakes.h"

#include <cmath>

namespace fakes {

ManualClock::ManualClock()
{
    stellen(QDate(2026, 12, 8), QTime(10, 0, 0, 250));
    now_.monoNs = 5'000'000'000'000LL;
}

void ManualClock::advance(double seconds)
{
    jumpWall(seconds);
    now_.monoNs += std::llround(seconds * 1e9);
}

void ManualClock::jumpWall(double seconds)
{
    now_.wandNs += std::llround(seconds * 1e9);
}

void ManualClock::stellen(const QDate& tag, const QTime& zeit)
{
    now_.wandNs = ui::WandNs(tag, std::int64_t(zeit.msecsSinceStartOfDay()) * 1'000'000);
}

float ScriptedRandom::next()
{
    if (!queue_.empty()) {
        const float r = queue_.front();
        queue_.pop_front();
        return r;
    }
    // A plain 64-bit linear congruential step; the top 24 bits make the value.
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<float>(state_ >> 40) * 0x1p-24f;
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

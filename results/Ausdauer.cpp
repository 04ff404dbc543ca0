// Endurance clock: once a second, end the run once 720 seconds have passed.
#include "app/Flinkblick.h"
#include "ui/Clock.h"

namespace {
constexpr std::int64_t Laufzeit = 720;  // 12 minutes
}

void Flinkblick::Timer12Min_Timer()
{
    const auto e = ui::DateDiffSeconds(Startzeit, d_.uhr.Now());
    if (e < Laufzeit) return;
    // While the miss box is open, its click is unfinished: ending the run now
    // would stack the results on the box and count the miss after the run was
    // reported. The first tick after the box has closed ends it instead.
    if (fehlermeldungOffen_) return;
    Modus = QString();
    Zaehler = 50;
    Zahllbl_Click(Zielbasis < 1 ? 49 : 0);
    Timer12Min->setInterval(0);
    AuswertungZeigen();
}

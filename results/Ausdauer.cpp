// Endurance clock: once a second, end the run once its time has passed.
#include "app/Ausdauerlauf.h"
#include "app/Flinkblick.h"

void Flinkblick::Timer12Min_Timer()
{
    if (SeitStartzeit().sekunden < ausdauer::Sekunden) return;
    // While the miss box is open, its click is unfinished: ending the run now
    // would stack the results on the box and count the miss after the run was
    // reported. The first tick after the box has closed ends it instead.
    if (fehlermeldungOffen_) return;
    Modus = QString();
    Zaehler = 50;
    // A hit on the board's last number, so that the ordinary completion ends the board and writes the misses line.
    Zahllbl_Click(Zielbasis < 1 ? 49 : 0);
    Timer12Min->setInterval(0);
    AuswertungZeigen();
}

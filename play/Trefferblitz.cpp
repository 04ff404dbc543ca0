// Hit flash: the found label turns white; the next tick of Timer1, about
// 100 ms later, paints every label black again.
#include "app/Flinkblick.h"
#include "ui/Units.h"

void Flinkblick::TrefferblitzStarten(int Index)
{
    Zahllbl[static_cast<std::size_t>(Index)]->setBackColor(ui::Weiss);
    Timer1->setInterval(100);
}

void Flinkblick::Timer1_Timer()
{
    Timer1->setInterval(0);
    for (ui::Label* l : Zahllbl) l->setBackColor(ui::Schwarz);
}

// Reshuffle option: the check box mirrors into ImmerNeuMischen.
#include "app/Flinkblick.h"

void Flinkblick::ImmerNeuMischenChk_Click()
{
    ImmerNeuMischen = ImmerNeuMischenChk->value() != 0 ? ui::True : ui::False;
}

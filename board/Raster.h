#pragma once
// Grid placement: the build frame both board builders share. The 50 labels are
// spread over 10 columns × 5 rows in random order, one label per cell.
#include <algorithm>
#include <array>
#include <cmath>

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Random.h"

namespace board {

inline constexpr int Spalten = 10;
inline constexpr int Zeilen = 5;
inline constexpr int Felder = Spalten * Zeilen;

using Zahllabels = std::array<ui::Label*, Felder>;

// What a build works on: the labels, the window whose current outer size they
// follow, and the generator.
struct Brett {
    Zahllabels& Zahllbl;
    const ui::Form& fenster;
    ui::Random& zufall;
};

// The slot a draw r in [0, 1) picks: Int(r × 50). A generator that broke its
// promise cannot push a label off the grid.
inline int slotAus(float r)
{
    const int s = static_cast<int>(std::floor(static_cast<double>(r) * Felder));
    return s < 0 ? 0 : s >= Felder ? Felder - 1 : s;
}

// The cell label `l` stands in, row by row from the top left: the inverse of
// the placement below, from the label's own position and size, which one
// build sets together, whatever size the window has had since.
inline int feldVon(const ui::Label& l)
{
    if (l.widthTwips() <= 0 || l.heightTwips() <= 0) return 0;  // never built
    const long spalte = std::lround(l.left() / l.widthTwips()) - 1;
    const long zeile = std::lround(l.top() / l.heightTwips() - 0.5);
    return int(std::clamp(zeile, 0L, long(Zeilen - 1)) * Spalten + std::clamp(spalte, 0L, long(Spalten - 1)));
}

// Runs the frame; `stil(label, i)` performs the style steps of label i
// (colour, font, slant, size, caption) between its size and its slot.
template <class Stil>
void aufbauen(Brett b, Stil&& stil)
{
    b.zufall.Randomize();
    std::array<bool, Felder> Belegt{};  // lives for this build only
    for (int i = 0; i < Felder; ++i) {
        ui::Label& l = *b.Zahllbl[static_cast<std::size_t>(i)];
        // The label moves and changes its face once, when it is complete.
        ui::Label::Batch ganzesLabel(l);
        l.setTextAlignment(Qt::AlignHCenter);
        l.setHeightTwips(static_cast<float>(b.fenster.outerHeightTwips() / 6.0));
        l.setWidthTwips(static_cast<float>(b.fenster.outerWidthTwips() / 12.0));
        stil(l, i);
        int s = slotAus(b.zufall.Rnd());
        while (Belegt[static_cast<std::size_t>(s)]) s = slotAus(b.zufall.Rnd());
        Belegt[static_cast<std::size_t>(s)] = true;
        const double W = b.fenster.outerWidthTwips();
        const double H = b.fenster.outerHeightTwips();
        l.setLeft(static_cast<float>((W / 12.0) * (s % Spalten) + W / 12.0));
        l.setTop(static_cast<float>((s / Spalten) * (H / 6.0) + H / 12.0));
        l.setVisible(true);
    }
}

}  // namespace board

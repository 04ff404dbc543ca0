#pragma once
// The two board builders.
#include <QFont>
#include <QList>
#include <array>

#include "board/Raster.h"

namespace board {

// Font table of the colourful board, indexed by Int(r × 5).
inline constexpr std::array<const char*, 5> BunteSchriften{"Arial Black", "Courier New", "Dauphin", "LithographLight",
                                                           "MS Sans Serif"};

// Point size of the colourful board for a draw k = Int(r × 5): 10, 15, 20, 25 or 30.
inline constexpr float BunteGroesse(int k)
{
    return static_cast<float>(k * 5 + 10);
}

// Every face the colourful builder can give a label, each completed from
// the window's font `fenster` as a label's own font is.
QList<QFont> BunteSchnitte(const QFont& fenster);
// Loads every face of the colourful board and draws the digits in it, one face
// per pass of the event loop, from a moment after the call until `fenster`
// goes: the first board in faces the process has not drawn in yet takes more
// than a frame.
void BunteSchnitteVorladen(QWidget& fenster);

// Colourful board: random colour (no channel below 56), face, slant and size; captions "1" … "50".
void BunteAufbauen(Brett b);
// Uniform board: white 30-point upright Arial; captions "01" … "50".
void GleicheAufbauen(Brett b);

}  // namespace board

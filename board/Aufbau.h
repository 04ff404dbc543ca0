#pragma once
// The two board builders.
#include <array>

#include "board/Raster.h"

namespace board {

// Font table of the colourful board, indexed by Int(r × 5).
inline constexpr std::array<const char*, 5> BunteSchriften{"Arial Black", "Courier New", "Dauphin", "LithographLight",
                                                           "MS Sans Serif"};

// Colourful board: random colour (no channel below 56), face, slant and size; captions "1" … "50".
void BunteAufbauen(Brett b);
// Uniform board: white 30-point upright Arial; captions "01" … "50".
void GleicheAufbauen(Brett b);

}  // namespace board

#pragma once
// The typefaces the game asks for by name, and what stands in for the ones a
// Debian desktop lacks.
#include <QString>
#include <array>

namespace ui {

struct FontSubstitute {
    const char* requested;
    const char* substitute;
};

// The table lives in data/schriften.tsv with the Debian package of each
// substitute, which the package's dependencies and scripts/deps.sh read too.
inline constexpr auto FontSubstitutes = std::to_array<FontSubstitute>({
#include "ui/Schriftersatz.inc"
});

// Registers a substitute for every requested face that is not installed under
// its own name. Safe to call more than once.
void installFontSubstitutes();

}  // namespace ui

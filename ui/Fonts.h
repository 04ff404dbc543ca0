#pragma once
// The typefaces the game asks for by name, and what stands in for the ones a
// Debian desktop lacks.
#include <QString>
#include <array>

namespace ui {

struct FontSubstitute {
    const char* requested;
    const char* substitute;
    const char* debianPackage;
};

// Each substitute keeps the character of the face it replaces, so that the
// five faces of the colourful board stay clearly different from one another.
inline constexpr std::array<FontSubstitute, 7> FontSubstitutes{{
    {"Arial", "Liberation Sans", "fonts-liberation2"},                            // metric-compatible sans
    {"Arial Black", "Lato Black", "fonts-lato"},                                  // heavy sans
    {"Courier New", "Liberation Mono", "fonts-liberation2"},                      // metric-compatible monospace
    {"Dauphin", "Dancing Script", "fonts-dancingscript"},                         // script
    {"LithographLight", "Comfortaa Light", "fonts-comfortaa"},                    // light display face
    {"MS Sans Serif", "DejaVu Sans", "fonts-dejavu-core"},                        // plain UI sans
    {"GoudyHandtooled BT", "Linux Libertine Display O", "fonts-linuxlibertine"},  // decorative serif
}};

// Registers a substitute for every requested face that is not installed under
// its own name. Safe to call more than once.
void installFontSubstitutes();

}  // namespace ui

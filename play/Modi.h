#pragma once
// The four game modes: the name kept in Modus, the board style and the direction.
#include <QString>
#include <QStringView>
#include <array>

enum class Brettstil { Bunt, Gleich };

struct Spielmodus {
    const char16_t* name;
    Brettstil stil;
    bool abwaerts;  // counts 50 … 1: Zielbasis 51
    // Its start button builds the board before RundeStarten, the others after.
    bool bautVorDemStart;
};

inline constexpr std::array<Spielmodus, 4> Spielmodi{{
    {u"BunteZahlenHoch", Brettstil::Bunt, false, false},
    {u"BunteZahlenRunter", Brettstil::Bunt, true, false},
    {u"GleicheZahlenHoch", Brettstil::Gleich, false, false},
    {u"GleicheZahlenRunter", Brettstil::Gleich, true, true},
}};

inline constexpr const Spielmodus& BunteZahlenHoch = Spielmodi[0];
inline constexpr const Spielmodus& BunteZahlenRunter = Spielmodi[1];
inline constexpr const Spielmodus& GleicheZahlenHoch = Spielmodi[2];
inline constexpr const Spielmodus& GleicheZahlenRunter = Spielmodi[3];

// The mode of exactly this name; none for any other string, the empty name included.
inline const Spielmodus* modusNamens(const QString& name)
{
    for (const Spielmodus& m : Spielmodi)
        if (name == QStringView(m.name)) return &m;
    return nullptr;
}

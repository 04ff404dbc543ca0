#pragma once
// The state all handlers of the window share.
#include <QString>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "app/Ausdauerlauf.h"
#include "ui/Clock.h"
#include "ui/Integer.h"

struct Spielstand {
    // Ordinal of the next number to find: 1 … 50; 51 when the board is complete.
    ui::Integer Zaehler = 0;
    // When the current run began.
    ui::Zeitpunkt Startzeit;
    // 0 counting upwards, 51 counting downwards.
    ui::Integer Zielbasis = 0;
    // True during a 12-minute endurance run.
    ui::Boolean Ausdauer = ui::False;
    // Numbers found per started minute of an endurance run; the last entry
    // collects the hits at and after the end.
    std::array<ui::Integer, ausdauer::Eintraege> ProMinute{};
    // "BunteZahlenHoch", "BunteZahlenRunter", "GleicheZahlenHoch", "GleicheZahlenRunter" or empty.
    QString Modus;
    // Rebuild the board after every hit; mirrors the check box.
    ui::Boolean ImmerNeuMischen = ui::False;

    // The sought number is derived, never stored.
    int GesuchteZahl() const { return std::abs(int(Zielbasis) - int(Zaehler)); }

    // A minute beyond the table counts in its last entry instead of failing.
    ui::Integer& ProMinuteAt(long long minute)
    {
        return ProMinute[static_cast<std::size_t>(std::clamp<long long>(minute, 0, ausdauer::Minuten))];
    }
};

#pragma once
// Where everything on the Leistungskurve goes, worked out before anything is
// painted: the run's figures and the room there is become a list of drawn
// items, each with its rectangle, its text and the minute or number it
// belongs to. The painter only draws that list; tests read it without pixels.
//
// The rules every layout keeps, whatever the run and the room:
//  1. No two texts overlap; no text crosses a bar, frame, mark or dot that is
//     not its own; every item lies inside the panel.
//  2. Each figure reads as its own bar's: on its bar's line (an endurance
//     run's counts all stand in one column right of every bar and mark) or
//     in its bar's slot, right above the bar (a simple run's misses).
//  3. No text is cut: each text's rectangle holds it at its font. Where the
//     room is short the sentences get a smaller font, down to a readable
//     floor; what still does not fit is left out of the picture whole (the
//     description always has all of it).
//  4. The bars stand on one scale; a simple run's axis labels give it. The
//     framed minutes are the best ones; a mark stands at its value, and a
//     minute in which the best run found nothing gets none; each miss is a
//     dot, from four up a figure where the slot holds one.
//  5. A simple run's map of the board has a cell for each of the board's, in
//     its rows and columns; a cell's shade orders like its printed seconds,
//     from the fastest (0) to the slowest (1), and a cell nothing was found
//     in is drawn empty. It stands beside the sentences where they keep a
//     readable width, and not at all where they would not.
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "results/Kurvenwerte.h"

namespace kurve {

enum class Art {
    Ueberschrift,   // the mean of an endurance run, the title of a simple run (one item a line)
    Legende,        // what a miss dot and a miss figure are
    Legendenpunkt,  // the dot beside it
    Balken,         // zu: the minute, or the number's place in the order sought
    Rahmen,         // a best minute's frame, its outer edge; zu: the minute
    Marke,          // the session best's mark on a minute's line; zu: the minute
    Punkt,          // one miss dot over a number's bar; zu: the number's place
    Zahl,           // a minute's count, or a number's misses from four up; zu as the bar's
    Nummer,         // the number sought under a bar; zu: the number's place
    Achse,          // the seconds axis, a line at 0 s
    Gitter,         // a grid line; wert: its seconds
    Achsenzahl,     // an axis label; wert: its seconds
    Satz,           // one line of a sentence; zu: the sentence's place in Kurvendaten::saetze
    Feld,           // a cell of the board's map; zu: the cell, row by row; wert: its printed seconds, -1: empty
    Skala,          // the map's scale from fast to slow
    Skalenzahl,     // the seconds at either end of it; wert: those seconds
};

struct Element {
    Art art;
    QRectF rect;  // in the panel's pixels
    QString text;
    QFont schrift;
    int zu = -1;
    double wert = 0;
    bool gedreht = false;  // written upwards; rect is the turned text's box
    bool fett = false;     // an endurance run's best minute's count
    double anteil = 0;     // a map cell's shade, 0 the fastest printed, 1 the slowest

    bool istText() const;
};

struct Anordnung {
    QSizeF groesse;
    std::vector<Element> elemente;
};

// Lays out `d` on a panel of `groesse` pixels in the panel's font `schrift`.
// `zeile` is the results text's line spacing: an endurance run's heading and
// bars sit on its lines, its first line and the twelve minutes' lines.
Anordnung anordnen(const Kurvendaten& d, QSizeF groesse, const QFont& schrift, double zeile);

}  // namespace kurve

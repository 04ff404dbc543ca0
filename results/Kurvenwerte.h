#pragma once
// The figures behind the Leistungskurve: what a run leaves behind (hits with
// the monotonic clock reading they were counted at, misses with the number
// sought), what this program session remembers of earlier runs, and the
// statistics drawn from both. Plain data and plain functions: no widget, no
// display, nothing written anywhere; the session lives as long as the window.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/Ausdauerlauf.h"

namespace kurve {

using Minuten = std::array<int, ausdauer::Minuten>;

struct Treffer {
    int zahl;
    std::int64_t monoNs;
    int feld = -1;  // the board's cell it stood in, row by row; -1: not known
};

// What the window told of one run: its kind, noted when it starts (the
// endurance clock empties Modus at time-up), then its hits and misses.
struct Laufprotokoll {
    QString modus;
    bool ausdauer = false;
    bool mischen = false;  // "Immer neu mischen?"
    std::int64_t startNs = 0;
    std::vector<Treffer> treffer;
    // The number sought at each miss.
    std::vector<int> fehlversuche;
};

// Runs of this program session, compared per mode and "Immer neu mischen?" setting.
class Sitzung {
public:
    struct Lauf {
        QString modus;
        bool mischen;
        bool ausdauer;
        double sekunden;  // simple run: start to last hit
        Minuten proMinute;
    };

    void merken(Lauf lauf) { laeufe_.push_back(std::move(lauf)); }
    // The shortest simple run so far.
    std::optional<double> bestzeit(const QString& modus, bool mischen) const;
    // The endurance run with the highest total so far (the earlier one on a
    // tie); a run that found nothing is none.
    std::optional<Minuten> besterAusdauerlauf(const QString& modus, bool mischen) const;
    // The lengths of the last `n` simple runs, oldest first.
    std::vector<double> letzteZeiten(const QString& modus, bool mischen, std::size_t n) const;

private:
    std::vector<Lauf> laeufe_;
};

int summe(const Minuten& m);
double mittelJeMinute(const Minuten& m);
// The indices of the minutes with the most finds; none when no minute found anything.
std::vector<int> besteMinuten(const Minuten& m);

// The change from `von` to `nach` in tenths of a percent, worked out in whole
// numbers and rounded half away from zero; none when `von` is 0.
std::optional<int> aenderungZehntel(long long von, long long nach);

struct AnfangEnde {
    int anfang;  // found in the first three minutes
    int ende;    // found in the last three
    // The change from the start to the end in tenths of a percent, rounded half
    // away from zero; none when the start was 0.
    std::optional<int> aenderungZehntel;
};
AnfangEnde anfangGegenEnde(const Minuten& m);

struct Zahlzeit {
    int zahl;
    double sekunden;  // from the previous hit, the first from the start
    int fehlversuche;
    int feld = -1;
};
// The recorded hits in the order sought, each with its seconds and misses.
std::vector<Zahlzeit> zeitenJeZahl(const Laufprotokoll& p);
// The `n` slowest by their printed tenths, slowest first, equal printed times
// in the order sought; and how many more share the last one's printed time.
struct Langsamste {
    std::vector<Zahlzeit> zahlen;
    int weitere;
};
Langsamste langsamste(const std::vector<Zahlzeit>& zeiten, std::size_t n = 5);
// The board's cells, row by row from the top left, as the builders lay them out.
inline constexpr int KartenSpalten = 10, KartenZeilen = 5;
// The mean seconds of the numbers found in each cell, -1 where none was;
// empty when no hit's cell is known.
std::vector<double> sekundenJeFeld(const std::vector<Zahlzeit>& zeiten);

// Seconds from the start to the last hit.
double laufzeit(const Laufprotokoll& p);

// The classic reading of five runs T1 … T5: ER the mean, VR = T1 / ER, PU = T4 / ER.
struct FuenfRunden {
    double er, vr, pu;
};
std::optional<FuenfRunden> fuenfRunden(const std::vector<double>& zeiten);

// `wert` rounded to `stellen` decimals, half away from zero: every figure the
// panel prints and every comparison of printed figures goes through this.
double gerundet(double wert, int stellen);
// `wert` as printed with one decimal, in whole tenths: what printed figures are compared by.
long long zehntel(double wert);
// gerundet() in German ("1234,5"), and never "-0,0".
QString dezimal(double wert, int stellen);

// Everything the panel draws and says about one run.
struct Kurvendaten {
    bool ausdauer = false;
    // The drawn figures. An endurance run: a bar per minute, the best minutes
    // framed (none when no minute found anything), a thin mark per minute for
    // the session's best earlier run of the kind. A simple run: a bar per number.
    Minuten proMinute{};
    std::vector<int> besteMinuten;
    std::optional<Minuten> bester;
    bool besterUeberboten = false;  // this run found more than `bester`
    std::vector<Zahlzeit> zeiten;
    // A simple run's map of the board: sekundenJeFeld().
    std::vector<double> felder;
    // The line over the bars: an endurance run's mean, a simple run's title.
    QString ueberschrift;
    // The sentences under the bars.
    QStringList saetze;

    // For a screen reader: the figures, then the heading and the sentences.
    QString beschreibung() const;
};

// Both read the session before they add this run to it.
Kurvendaten ausdauerAuswerten(const Minuten& proMinute, const Laufprotokoll& p, Sitzung& s);
Kurvendaten einfachAuswerten(const Laufprotokoll& p, Sitzung& s);

}  // namespace kurve

#include "results/Kurvenlayout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <climits>
#include <cmath>

namespace kurve {

namespace {

constexpr double Rand = 8;
// The panel's font and the smaller ones it may take where the room is short;
// 7 pt is the smallest still read without effort.
constexpr double Groessen[] = {9.75, 9, 8.25, 7.5, 7};
constexpr double Punktabstand = 7;  // between the centres of two miss dots
constexpr double Punktraum = 3 * Punktabstand;

QFont inGroesse(QFont f, double pt, bool fett = false)
{
    f.setPointSizeF(pt);
    f.setBold(fett);
    return f;
}

Element text(Art art, const QString& t, const QFont& f, QPointF links, int zu = -1)
{
    const QFontMetricsF fm(f);
    return {art, QRectF(links, QSizeF(fm.horizontalAdvance(t), fm.height())), t, f, zu};
}

// `s` broken at its spaces into lines no wider than `breite`; empty when a
// single word is wider.
QStringList umbrechen(const QString& s, const QFontMetricsF& fm, double breite)
{
    QStringList zeilen;
    QString zeile;
    for (const QString& wort : s.split(QLatin1Char(' '))) {
        const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
        if (fm.horizontalAdvance(laenger) <= breite) {
            zeile = laenger;
        } else {
            if (fm.horizontalAdvance(wort) > breite) return {};
            zeilen << zeile;
            zeile = wort;
        }
    }
    zeilen << zeile;
    return zeilen;
}

// Texts in lines down from `oben`, at the largest size at which all fit in
// `hoehe`; at the smallest, as many whole texts as fit. Each text is one
// sentence, numbered from `erste`, or the heading (`art`).
struct Block {
    std::vector<Element> zeilen;
    double hoehe = 0;
};
Block satzblock(const std::vector<std::pair<Art, QString>>& texte, int erste, const QFont& schrift, double breite,
                double oben, double hoehe)
{
    Block b;
    for (const double pt : Groessen) {
        b = {};
        bool alle = true;
        int nr = erste;
        for (const auto& [art, t] : texte) {
            const QFont f = inGroesse(schrift, pt, art == Art::Ueberschrift);
            const QFontMetricsF fm(f);
            const QStringList zeilen = umbrechen(t, fm, breite);
            const double h = zeilen.size() * fm.lineSpacing();
            if (zeilen.isEmpty() || b.hoehe + h > hoehe) {
                alle = false;
                break;
            }
            for (int i = 0; i < zeilen.size(); ++i)
                b.zeilen.push_back(
                    text(art, zeilen[i], f, {Rand, oben + b.hoehe + i * fm.lineSpacing()}, art == Art::Satz ? nr : -1));
            b.hoehe += h + 1;
            if (art == Art::Satz) ++nr;
        }
        if (alle) break;
    }
    return b;
}

std::vector<std::pair<Art, QString>> saetzeVon(const Kurvendaten& d, bool mitUeberschrift)
{
    std::vector<std::pair<Art, QString>> r;
    if (mitUeberschrift) r.emplace_back(Art::Ueberschrift, d.ueberschrift);
    for (const QString& s : d.saetze) r.emplace_back(Art::Satz, s);
    return r;
}

void anhaengen(Anordnung& a, std::vector<Element> e)
{
    a.elemente.insert(a.elemente.end(), e.begin(), e.end());
}

// A round step for the seconds axis, so that at most five grid lines are drawn.
double schritt(double hoechstwert)
{
    double s = 0.5;
    for (double naechster : {1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0, 120.0, 300.0, 600.0})
        if (hoechstwert / s > 5) s = naechster;
    // Beyond 50 minutes on one number: whole ten-minute steps.
    return hoechstwert > 3000 ? std::ceil(hoechstwert / 3000.0) * 600.0 : s;
}

// The map of the board: a cell for each of the board's, in the board's
// proportions (a cell is a twelfth of the window wide and a sixth high), and
// under it the scale from the fastest printed cell to the slowest.
struct Karte {
    QFont schrift;
    double zelleB = 11, zelleH = 18;
    QString schnell, langsam;
    double breite = 0, hoehe = 0;
    long long min = 0, max = 0;  // in printed tenths
};
Karte karteMessen(const std::vector<double>& felder, const QFont& schrift)
{
    Karte k;
    k.schrift = schrift;
    k.min = LLONG_MAX, k.max = -1;
    for (double s : felder)
        if (s >= 0) {
            const long long t = zehntel(s);
            k.min = std::min(k.min, t), k.max = std::max(k.max, t);
        }
    if (k.max < 0) return k;
    k.schnell = dezimal(double(k.min) / 10, 1) + QStringLiteral(" s");
    k.langsam = dezimal(double(k.max) / 10, 1) + QStringLiteral(" s");
    const QFontMetricsF fm(schrift);
    const double skala = fm.horizontalAdvance(k.schnell) + 4 + 24 + 4 + fm.horizontalAdvance(k.langsam);
    k.breite = std::max(KartenSpalten * k.zelleB, skala);
    k.hoehe = KartenZeilen * k.zelleH + 4 + fm.height();
    return k;
}

void karteLegen(Anordnung& a, const Karte& k, const std::vector<double>& felder, QPointF ecke)
{
    const QFontMetricsF fm(k.schrift);
    const double links = ecke.x() + k.breite - KartenSpalten * k.zelleB;
    for (int i = 0; i < int(felder.size()); ++i) {
        const QRectF zelle(links + (i % KartenSpalten) * k.zelleB, ecke.y() + (i / KartenSpalten) * k.zelleH,
                           k.zelleB - 1, k.zelleH - 1);
        Element e{Art::Feld, zelle, {}, {}, i, -1};
        if (felder[std::size_t(i)] >= 0) {
            // The shade follows the printed seconds: cells printed alike look alike.
            const long long t = zehntel(felder[std::size_t(i)]);
            e.wert = double(t) / 10;
            e.anteil = k.max > k.min ? double(t - k.min) / double(k.max - k.min) : 1.0;
        }
        a.elemente.push_back(e);
    }
    const double y = ecke.y() + KartenZeilen * k.zelleH + 3;
    Element schnell =
        text(Art::Skalenzahl, k.schnell, k.schrift,
             {ecke.x() + k.breite - fm.horizontalAdvance(k.langsam) - 32 - fm.horizontalAdvance(k.schnell), y});
    schnell.wert = double(k.min) / 10;
    Element langsam =
        text(Art::Skalenzahl, k.langsam, k.schrift, {ecke.x() + k.breite - fm.horizontalAdvance(k.langsam), y});
    langsam.wert = double(k.max) / 10;
    a.elemente.push_back(schnell);
    a.elemente.push_back({Art::Skala, QRectF(schnell.rect.right() + 4, y + fm.height() / 2 - 3, 24, 6), {}, {}});
    a.elemente.push_back(langsam);
}

// The heading and each minute on a line of the results text, a bar each,
// the counts in one column right of every bar and mark, the sentences below.
Anordnung ausdauer(const Kurvendaten& d, QSizeF g, const QFont& schrift, double zeile)
{
    Anordnung a{g, {}};
    const QFont fett = inGroesse(schrift, schrift.pointSizeF(), true);
    const QFontMetricsF fm(schrift), fmFett(fett);
    const int minuten = int(d.proMinute.size());
    int hoechst = std::max(1, *std::max_element(d.proMinute.begin(), d.proMinute.end()));
    double spalte = 0;
    for (int n : d.proMinute) spalte = std::max(spalte, fmFett.horizontalAdvance(QString::number(n)));
    if (d.bester) hoechst = std::max(hoechst, *std::max_element(d.bester->begin(), d.bester->end()));
    const double feld = std::floor(g.width() - 2 * Rand - spalte - 8);
    const QString& kopf = d.ueberschrift;
    // Without its bars the column beside the text is too narrow to read.
    if ((minuten + 1) * zeile > g.height() || feld < 30) return a;
    const bool kopfAufZeile = fmFett.horizontalAdvance(kopf) <= g.width() - 2 * Rand;
    if (kopfAufZeile) a.elemente.push_back(text(Art::Ueberschrift, kopf, fett, {Rand, (zeile - fmFett.height()) / 2}));
    const double jeZahl = feld / hoechst;
    const double hoehe = std::max(6.0, std::floor(zeile * 0.55));
    const auto& beste = d.besteMinuten;
    for (int m = 0; m < minuten; ++m) {
        const double oben = std::round((m + 1) * zeile), y = oben + std::floor((std::round(zeile) - hoehe) / 2);
        const int n = d.proMinute[std::size_t(m)];
        const QRectF balken(Rand, y, std::round(n * jeZahl), hoehe);
        a.elemente.push_back({Art::Balken, balken, {}, {}, m});
        const bool best = std::find(beste.begin(), beste.end(), m) != beste.end();
        if (best) {
            QRectF r = balken;
            r.setWidth(std::max(1.0, r.width()));
            a.elemente.push_back({Art::Rahmen, r.adjusted(-2, -2, 2, 2), {}, {}, m});
        }
        // A minute in which the best run found nothing gets no mark: a
        // mark at the bar's start would read as the edge of a frame.
        if (d.bester && (*d.bester)[std::size_t(m)] > 0) {
            const double x = Rand + std::round((*d.bester)[std::size_t(m)] * jeZahl);
            a.elemente.push_back({Art::Marke, QRectF(x - 1, oben + 2, 2, std::round(zeile) - 4), {}, {}, m});
        }
        const QString zahl = QString::number(n);
        const QFontMetricsF& z = best ? fmFett : fm;
        Element e = text(Art::Zahl, zahl, best ? fett : schrift,
                         {g.width() - Rand - z.horizontalAdvance(zahl), oben + (zeile - z.height()) / 2}, m);
        e.fett = best;
        a.elemente.push_back(e);
    }
    const double oben = std::ceil((minuten + 1) * zeile) + 2;
    anhaengen(a,
              satzblock(saetzeVon(d, !kopfAufZeile), 0, schrift, g.width() - 2 * Rand, oben, g.height() - oben).zeilen);
    return a;
}

// The title and the legend of the miss marks on top, the sentences at the
// bottom, between them a bar per number over a seconds axis.
Anordnung einfach(const Kurvendaten& d, QSizeF g, const QFont& schrift)
{
    Anordnung a{g, {}};
    const QFontMetricsF fm(schrift);
    const double breite = g.width() - 2 * Rand;
    const auto& zeiten = d.zeiten;

    // The seconds axis: its labels, as wide as the widest, in the panel's margin.
    double hoechst = 0.1;
    int fehlerHoechst = 0;
    for (const auto& z : zeiten) {
        hoechst = std::max(hoechst, z.sekunden);
        fehlerHoechst = std::max(fehlerHoechst, z.fehlversuche);
    }
    const double st = schritt(hoechst);
    // A bar that is a whole step high ends on the top line rather than under a line of its own.
    const double skala = std::ceil(hoechst / st - 1e-6) * st;
    std::vector<std::pair<double, QString>> marken;
    for (double s = 0; s <= skala + 1e-9; s += st)
        marken.emplace_back(s, dezimal(s, st < 1 ? 1 : 0) + QStringLiteral(" s"));
    double achse = 0;
    for (const auto& m : marken) achse = std::max(achse, Rand + fm.horizontalAdvance(m.second) + 6);
    const double feld = zeiten.empty() ? 0 : (g.width() - Rand - achse) / double(zeiten.size());

    // A miss figure stands in its bar's slot, across or upwards, in the
    // largest size that fits; where the slot holds none, three dots stand for more.
    QFont fehlerSchrift;
    bool quer = true, fehlerZahlen = false;
    const QString breitest = QString::number(fehlerHoechst);
    for (const double pt : Groessen) {
        const QFontMetricsF f(fehlerSchrift = inGroesse(schrift, pt));
        if (f.horizontalAdvance(breitest) + 2 <= feld || f.height() + 2 <= feld) {
            quer = f.horizontalAdvance(breitest) + 2 <= feld;
            fehlerZahlen = true;
            break;
        }
    }
    const QFontMetricsF fmFehler(fehlerSchrift);
    const double fehlerRaum =
        fehlerHoechst > 3 && fehlerZahlen ? 3 + (quer ? fmFehler.height() : fmFehler.horizontalAdvance(breitest)) : 0;

    // The title, then the legend of the chart beside it or on a line of its own.
    const Block titel = satzblock({{Art::Ueberschrift, d.ueberschrift}}, 0, schrift, breite, 0, g.height());
    anhaengen(a, titel.zeilen);
    const QString legende = fehlerZahlen ? QStringLiteral("Fehlversuch (ab 4 als Zahl)")
                                         : QStringLiteral("Fehlversuch (höchstens 3 gezeigt)");
    const double lb = fm.horizontalAdvance(legende) + 12;
    const bool daneben = !titel.zeilen.empty() && titel.zeilen.back().rect.right() + 16 + lb <= g.width() - Rand;
    const double kopf = titel.hoehe + (daneben ? 0 : fm.lineSpacing());

    // The chart only where each bar's slot holds its dots, the legend has its
    // line and the bars are more than a few pixels high; the sentences at the
    // bottom leave it that room.
    const double oben = kopf + 6 + std::max(Punktraum, fehlerRaum);
    const double kurveMin = 4 * fm.height() + fm.height() + 6;
    const bool kurve = !zeiten.empty() && feld >= 7 && lb <= breite && g.height() - oben >= kurveMin;
    const double satzRaum = kurve ? g.height() - oben - kurveMin : g.height() - titel.hoehe - 6;
    if (kurve) {
        const double y = daneben ? titel.zeilen.back().rect.center().y() - fm.height() / 2 : titel.hoehe;
        const Element l = text(Art::Legende, legende, schrift, {g.width() - Rand - lb + 12, y});
        a.elemente.push_back(l);
        a.elemente.push_back({Art::Legendenpunkt, QRectF(l.rect.left() - 11, l.rect.center().y() - 3, 6, 6), {}, {}});
    }
    // The map of the board right of the sentences, where they keep a readable width.
    const Karte karte = karteMessen(d.felder, schrift);
    const bool mitKarte = !d.felder.empty() && breite - karte.breite - 12 >= 200 && karte.hoehe <= satzRaum;
    Block saetze =
        satzblock(saetzeVon(d, false), 0, schrift, mitKarte ? breite - karte.breite - 12 : breite, 0, satzRaum);
    const double block = mitKarte ? std::max(saetze.hoehe, karte.hoehe) : saetze.hoehe;
    for (Element& e : saetze.zeilen) e.rect.translate(0, g.height() - block);
    anhaengen(a, saetze.zeilen);
    if (mitKarte) karteLegen(a, karte, d.felder, {g.width() - Rand - karte.breite, g.height() - block});
    if (!kurve) return a;

    const double unten = std::floor(g.height() - block - fm.height() - 6);  // the axis
    const double jeSekunde = (unten - oben) / skala;
    // Labels at least a line apart: with little height only every k-th.
    const double linienAbstand = st * jeSekunde;
    const int jede = int(std::ceil((fm.height() + 1) / linienAbstand));
    for (std::size_t i = 0; i < marken.size(); ++i) {
        const auto& [s, t] = marken[i];
        const double y = unten - std::round(s * jeSekunde);
        a.elemente.push_back(
            {s == 0 ? Art::Achse : Art::Gitter, QRectF(achse, y, g.width() - Rand - achse, 1), {}, {}, -1, s});
        if (i % std::size_t(jede) == 0) {
            Element e = text(Art::Achsenzahl, t, schrift, {achse - 6 - fm.horizontalAdvance(t), y - fm.height() / 2});
            e.wert = s;
            a.elemente.push_back(e);
        }
    }

    const double balken = std::max(2.0, std::floor(feld * 0.7));
    double nummerBreit = fm.horizontalAdvance(QStringLiteral("50"));
    const bool nummern = 4 * feld >= nummerBreit + 4;
    for (std::size_t i = 0; i < zeiten.size(); ++i) {
        const auto& z = zeiten[i];
        const int nr = int(i);
        const double mitte = achse + feld * (double(i) + 0.5);
        const double h = std::max(1.0, std::round(z.sekunden * jeSekunde));
        const double spitze = unten - h;
        a.elemente.push_back({Art::Balken, QRectF(std::round(mitte - balken / 2), spitze, balken, h), {}, {}, nr});
        if (z.fehlversuche > 3 && fehlerZahlen) {
            const QString t = QString::number(z.fehlversuche);
            const double lang = fmFehler.horizontalAdvance(t), hoch = fmFehler.height();
            Element e{Art::Zahl,
                      quer ? QRectF(mitte - lang / 2, spitze - 3 - hoch, lang, hoch)
                           : QRectF(mitte - hoch / 2, spitze - 3 - lang, hoch, lang),
                      t, fehlerSchrift, nr};
            e.gedreht = !quer;
            a.elemente.push_back(e);
        } else {
            for (int k = 0; k < std::min(z.fehlversuche, 3); ++k)
                a.elemente.push_back({Art::Punkt, QRectF(mitte - 3, spitze - 8 - Punktabstand * k, 6, 6), {}, {}, nr});
        }
        // The number sought under the first bar and every fifth.
        if (nummern && (i == 0 || (i + 1) % 5 == 0)) {
            const QString t = QString::number(z.zahl);
            a.elemente.push_back(text(Art::Nummer, t, schrift, {mitte - fm.horizontalAdvance(t) / 2, unten + 3}, nr));
        }
    }
    return a;
}

}  // namespace

bool Element::istText() const
{
    return !text.isEmpty();
}

Anordnung anordnen(const Kurvendaten& d, QSizeF groesse, const QFont& schrift, double zeile)
{
    if (groesse.width() < 2 * Rand + 1 || groesse.height() < 1) return {groesse, {}};
    return d.ausdauer ? ausdauer(d, groesse, schrift, zeile) : einfach(d, groesse, schrift);
}

}  // namespace kurve

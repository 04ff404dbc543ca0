#include "results/Kurvenwerte.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace kurve {

namespace {

constexpr double NsJeSekunde = 1e9;

bool gleicheArt(const Sitzung::Lauf& l, const QString& modus, bool mischen, bool ausdauer)
{
    return l.ausdauer == ausdauer && l.mischen == mischen && l.modus == modus;
}

QString zahlen(int n)
{
    return n == 1 ? QStringLiteral("1 Zahl") : QStringLiteral("%1 Zahlen").arg(n);
}

// "4." or "4. und 6." or "1., 4. und 6."
QString aufzaehlung(const std::vector<int>& minuten)
{
    QStringList teile;
    for (int m : minuten) teile << QStringLiteral("%1.").arg(m + 1);
    const QString letzte = teile.takeLast();
    return teile.isEmpty() ? letzte : teile.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzte;
}

// " (+19,4 %)", or nothing.
QString prozent(std::optional<int> zehntel)
{
    if (!zehntel) return {};
    return QStringLiteral(" (%1%2 %)").arg(*zehntel > 0 ? QStringLiteral("+") : QString(), dezimal(*zehntel / 10.0, 1));
}

// Where on the board the eye lingered: the halves, as printed and compared
// as printed, and the slowest cell, the first in reading order of those
// printed alike.
QString feldSatz(const std::vector<Zahlzeit>& zeiten, const std::vector<double>& felder)
{
    double summe[4] = {}, anzahl[4] = {};  // links, rechts, oben, unten
    for (const Zahlzeit& z : zeiten) {
        if (z.feld < 0) continue;
        const int spalte = z.feld % KartenSpalten, zeile = z.feld / KartenSpalten;
        const int seite = spalte < KartenSpalten / 2 ? 0 : 1;
        summe[seite] += z.sekunden, anzahl[seite] += 1;
        if (zeile == KartenZeilen / 2) continue;  // the middle row is neither top nor bottom
        const int haelfte = zeile < KartenZeilen / 2 ? 2 : 3;
        summe[haelfte] += z.sekunden, anzahl[haelfte] += 1;
    }
    const auto haelfte = [&](int i) {
        return anzahl[i] > 0 ? std::optional(zehntel(summe[i] / anzahl[i])) : std::nullopt;
    };
    const auto text = [&](int i) {
        const auto z = haelfte(i);
        return z ? dezimal(double(*z) / 10, 1) + QStringLiteral(" s") : QStringLiteral("–");
    };
    const auto l = haelfte(0), r = haelfte(1);
    QString satz = QStringLiteral("Links %1 je Zahl, rechts %2%3; oben %4, unten %5.")
                       .arg(text(0), text(1), l && r ? prozent(aenderungZehntel(*l, *r)) : QString(), text(2), text(3));
    long long hoechst = -1;
    int erstes = -1, gleich = 0;
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (felder[i] < 0) continue;
        const long long t = zehntel(felder[i]);
        if (t > hoechst)
            hoechst = t, erstes = int(i), gleich = 0;
        else if (t == hoechst)
            ++gleich;
    }
    satz += QStringLiteral(" Langsamstes Feld: Zeile %1, Spalte %2, %3 s")
                .arg(erstes / KartenSpalten + 1)
                .arg(erstes % KartenSpalten + 1)
                .arg(dezimal(double(hoechst) / 10, 1));
    return satz + (gleich > 0 ? QStringLiteral(", ebenso %1 weitere.").arg(gleich) : QStringLiteral("."));
}

}  // namespace

std::optional<double> Sitzung::bestzeit(const QString& modus, bool mischen) const
{
    std::optional<double> best;
    for (const Lauf& l : laeufe_)
        if (gleicheArt(l, modus, mischen, false) && (!best || l.sekunden < *best)) best = l.sekunden;
    return best;
}

std::optional<Minuten> Sitzung::besterAusdauerlauf(const QString& modus, bool mischen) const
{
    std::optional<Minuten> best;
    for (const Lauf& l : laeufe_)
        if (gleicheArt(l, modus, mischen, true) && summe(l.proMinute) > (best ? summe(*best) : 0)) best = l.proMinute;
    return best;
}

std::vector<double> Sitzung::letzteZeiten(const QString& modus, bool mischen, std::size_t n) const
{
    std::vector<double> r;
    for (auto it = laeufe_.rbegin(); it != laeufe_.rend() && r.size() < n; ++it)
        if (gleicheArt(*it, modus, mischen, false)) r.push_back(it->sekunden);
    std::reverse(r.begin(), r.end());
    return r;
}

int summe(const Minuten& m)
{
    return std::accumulate(m.begin(), m.end(), 0);
}

double mittelJeMinute(const Minuten& m)
{
    return summe(m) / double(m.size());
}

std::vector<int> besteMinuten(const Minuten& m)
{
    const int hoechst = *std::max_element(m.begin(), m.end());
    std::vector<int> r;
    for (std::size_t i = 0; i < m.size() && hoechst > 0; ++i)
        if (m[i] == hoechst) r.push_back(int(i));
    return r;
}

AnfangEnde anfangGegenEnde(const Minuten& m)
{
    const std::size_t n = m.size();
    const int anfang = m[0] + m[1] + m[2], ende = m[n - 3] + m[n - 2] + m[n - 1];
    return {anfang, ende, aenderungZehntel(anfang, ende)};
}

std::optional<int> aenderungZehntel(long long von, long long nach)
{
    // In whole numbers: a quotient of two means misses an exact tie.
    if (von <= 0) return std::nullopt;
    const long long d = 1000LL * std::llabs(nach - von);
    const int zehntel = int((2 * d + von) / (2 * von));
    return nach < von ? -zehntel : zehntel;
}

std::vector<double> sekundenJeFeld(const std::vector<Zahlzeit>& zeiten)
{
    constexpr int felder = KartenSpalten * KartenZeilen;
    std::vector<double> summe(felder, 0.0), anzahl(felder, 0.0);
    bool bekannt = false;
    for (const Zahlzeit& z : zeiten)
        if (z.feld >= 0 && z.feld < felder) {
            summe[std::size_t(z.feld)] += z.sekunden;
            anzahl[std::size_t(z.feld)] += 1;
            bekannt = true;
        }
    if (!bekannt) return {};
    for (std::size_t i = 0; i < summe.size(); ++i) summe[i] = anzahl[i] > 0 ? summe[i] / anzahl[i] : -1;
    return summe;
}

std::vector<Zahlzeit> zeitenJeZahl(const Laufprotokoll& p)
{
    std::vector<Zahlzeit> r;
    r.reserve(p.treffer.size());
    std::int64_t vorher = p.startNs;
    for (const Treffer& t : p.treffer) {
        const int fehler = int(std::count(p.fehlversuche.begin(), p.fehlversuche.end(), t.zahl));
        r.push_back({t.zahl, double(t.monoNs - vorher) / NsJeSekunde, fehler, t.feld});
        vorher = t.monoNs;
    }
    return r;
}

Langsamste langsamste(const std::vector<Zahlzeit>& zeiten, std::size_t n)
{
    // Ranked by the tenths as printed: hundredths nobody sees decide nothing.
    const auto gedruckt = [](const Zahlzeit& z) { return zehntel(z.sekunden); };
    Langsamste r{zeiten, 0};
    std::stable_sort(r.zahlen.begin(), r.zahlen.end(),
                     [&](const Zahlzeit& a, const Zahlzeit& b) { return gedruckt(a) > gedruckt(b); });
    if (r.zahlen.size() > n) {
        const long long letzte = gedruckt(r.zahlen[n - 1]);
        r.weitere = int(std::count_if(r.zahlen.begin() + std::ptrdiff_t(n), r.zahlen.end(),
                                      [&](const Zahlzeit& z) { return gedruckt(z) == letzte; }));
        r.zahlen.resize(n);
    }
    return r;
}

double laufzeit(const Laufprotokoll& p)
{
    return p.treffer.empty() ? 0.0 : double(p.treffer.back().monoNs - p.startNs) / NsJeSekunde;
}

std::optional<FuenfRunden> fuenfRunden(const std::vector<double>& zeiten)
{
    if (zeiten.size() < 5) return std::nullopt;
    const double* t = zeiten.data() + (zeiten.size() - 5);
    const double er = (t[0] + t[1] + t[2] + t[3] + t[4]) / 5.0;
    if (er <= 0) return std::nullopt;
    return FuenfRunden{er, t[0] / er, t[3] / er};
}

double gerundet(double wert, int stellen)
{
    const double faktor = std::pow(10.0, stellen);
    return std::round(wert * faktor) / faktor;
}

long long zehntel(double wert)
{
    return std::llround(gerundet(wert, 1) * 10);
}

QString dezimal(double wert, int stellen)
{
    static const QLocale deutsch = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    // A small negative value that rounds to zero is written without a sign.
    const double g = gerundet(wert, stellen);
    return deutsch.toString(g == 0 ? 0.0 : g, 'f', stellen);
}

QString Kurvendaten::beschreibung() const
{
    QStringList eintraege;
    if (ausdauer) {
        for (int m = 0; m < int(proMinute.size()); ++m)
            eintraege << QStringLiteral("Minute %1: %2").arg(m + 1).arg(proMinute[std::size_t(m)]);
    } else {
        for (const Zahlzeit& z : zeiten) {
            QString e = QStringLiteral("Zahl %1: %2 s").arg(z.zahl).arg(dezimal(z.sekunden, 1));
            if (z.fehlversuche == 1)
                e += QStringLiteral(" (1 Fehlversuch)");
            else if (z.fehlversuche > 1)
                e += QStringLiteral(" (%1 Fehlversuche)").arg(z.fehlversuche);
            eintraege << e;
        }
    }
    // A simple run's title says what its figures are; an endurance run's line is its mean.
    const QString liste = eintraege.join(QStringLiteral("; ")) + QLatin1Char('.');
    QStringList teile{ausdauer ? liste : ueberschrift + QStringLiteral(": ") + liste};
    if (bester) {
        QStringList marken;
        for (int n : *bester) marken << QString::number(n);
        teile << QStringLiteral("%1 Lauf dieser Sitzung je Minute: %2.")
                     .arg(besterUeberboten ? QStringLiteral("Bisher bester") : QStringLiteral("Bester"),
                          marken.join(QStringLiteral(", ")));
    }
    if (!felder.empty()) {
        QStringList zeilen;
        for (int z = 0; z < KartenZeilen; ++z) {
            QStringList feld;
            for (int s = 0; s < KartenSpalten; ++s) {
                const double w = felder[std::size_t(z * KartenSpalten + s)];
                feld << (w < 0 ? QStringLiteral("–") : dezimal(w, 1));
            }
            zeilen << QStringLiteral("Zeile %1: %2").arg(z + 1).arg(feld.join(QStringLiteral("; ")));
        }
        teile << QStringLiteral("Sekunden je Feld, %1.").arg(zeilen.join(QStringLiteral(". ")));
    }
    if (ausdauer) teile << ueberschrift;
    return (teile + saetze).join(QLatin1Char(' '));
}

Kurvendaten ausdauerAuswerten(const Minuten& proMinute, const Laufprotokoll& p, Sitzung& s)
{
    Kurvendaten k;
    k.ausdauer = true;
    k.proMinute = proMinute;
    k.bester = s.besterAusdauerlauf(p.modus, p.mischen);

    k.ueberschrift = QStringLiteral("Mittel: %1 Zahlen je Minute.").arg(dezimal(mittelJeMinute(proMinute), 1));
    const AnfangEnde ae = anfangGegenEnde(proMinute);
    const int n = int(proMinute.size());
    // The sums of the three minutes, whole numbers from which the change follows exactly.
    QString verlauf = QStringLiteral("Minuten 1 bis 3: %1, Minuten %2 bis %3: %4")
                          .arg(zahlen(ae.anfang))
                          .arg(n - 2)
                          .arg(n)
                          .arg(zahlen(ae.ende));
    verlauf += prozent(ae.aenderungZehntel);
    k.saetze << verlauf + QLatin1Char('.');
    k.besteMinuten = besteMinuten(proMinute);
    if (!k.besteMinuten.empty())
        k.saetze << QStringLiteral("%1 (Rahmen): %2 mit %3.")
                        .arg(k.besteMinuten.size() == 1 ? QStringLiteral("Beste Minute")
                                                        : QStringLiteral("Beste Minuten"),
                             aufzaehlung(k.besteMinuten), zahlen(proMinute[std::size_t(k.besteMinuten.front())]));
    if (k.bester) {
        // Once this run is shown it counts in the session: a better one is the new best.
        const int vorher = summe(*k.bester), jetzt = summe(proMinute);
        k.besterUeberboten = jetzt > vorher;
        if (k.besterUeberboten)
            k.saetze << QStringLiteral("Neuer bester Lauf dieser Sitzung: %1 mehr als der bisherige mit %2 (Striche).")
                            .arg(jetzt - vorher)
                            .arg(zahlen(vorher));
        else
            k.saetze << QStringLiteral("Bester Lauf dieser Sitzung (Striche): %1, dieser Lauf %2.")
                            .arg(zahlen(vorher), jetzt == vorher ? QStringLiteral("gleich viele")
                                                                 : QStringLiteral("%1 weniger").arg(vorher - jetzt));
    }
    s.merken({p.modus, p.mischen, true, 0.0, proMinute});
    return k;
}

Kurvendaten einfachAuswerten(const Laufprotokoll& p, Sitzung& s)
{
    Kurvendaten k;
    k.zeiten = zeitenJeZahl(p);
    const double dauer = laufzeit(p);
    // Beside the results' "Zeit", which counts the clock's whole-second marks.
    k.ueberschrift = QStringLiteral("Sekunden je Zahl, auf die Zehntelsekunde gemessen");

    const Langsamste l = langsamste(k.zeiten);
    if (l.zahlen.empty()) {
        // No hit, nothing to rank.
    } else if (k.zeiten.size() > 1 && l.weitere == int(k.zeiten.size() - l.zahlen.size()) &&
               dezimal(l.zahlen.front().sekunden, 1) == dezimal(l.zahlen.back().sekunden, 1)) {
        // None slower than another: naming five of them would say otherwise.
        k.saetze << QStringLiteral("Alle %1 Zahlen gleich schnell: je %2 s.")
                        .arg(k.zeiten.size())
                        .arg(dezimal(l.zahlen.front().sekunden, 1));
    } else {
        QStringList langsam;
        for (const Zahlzeit& z : l.zahlen)
            langsam << QStringLiteral("%1 (%2 s)").arg(z.zahl).arg(dezimal(z.sekunden, 1));
        QString satz = QStringLiteral("Langsamste Zahlen: %1").arg(langsam.join(QStringLiteral(", ")));
        if (l.weitere > 0)
            satz += QStringLiteral(" und %1 weitere mit %2 s").arg(l.weitere).arg(dezimal(l.zahlen.back().sekunden, 1));
        k.saetze << satz + QLatin1Char('.');
    }
    k.felder = sekundenJeFeld(k.zeiten);
    if (!k.felder.empty()) k.saetze << feldSatz(k.zeiten, k.felder);

    if (const auto best = s.bestzeit(p.modus, p.mischen)) {
        // Compared exactly as printed, in tenths of a second.
        const long long vorher = zehntel(*best), jetzt = zehntel(dauer);
        const QString v = dezimal(*best, 1), j = dezimal(dauer, 1);
        const QString d = dezimal(double(std::llabs(jetzt - vorher)) / 10, 1);
        if (jetzt < vorher)
            k.saetze << QStringLiteral("Neue Bestzeit dieser Sitzung: %1 s, %2 s schneller als die bisherige (%3 s).")
                            .arg(j, d, v);
        else
            k.saetze << QStringLiteral("Bestzeit dieser Sitzung: %1 s, diese Runde: %2 s, %3.")
                            .arg(v, j,
                                 jetzt == vorher ? QStringLiteral("gleich schnell")
                                                 : QStringLiteral("%1 s langsamer").arg(d));
    }
    s.merken({p.modus, p.mischen, false, dauer, {}});

    if (const auto f = fuenfRunden(s.letzteZeiten(p.modus, p.mischen, 5))) {
        k.saetze << QStringLiteral("Fünf-Runden-Probe: ER = %1 s; VR = %2; PU = %3.")
                        .arg(dezimal(f->er, 1), dezimal(f->vr, 2), dezimal(f->pu, 2));
        // Judged on the figures as shown, so "1,00" never reads as above 1.
        const bool vrUeber = gerundet(f->vr, 2) > 1, puUeber = gerundet(f->pu, 2) > 1;
        k.saetze << QStringLiteral("ER ist die mittlere Zeit der letzten fünf Runden.");
        k.saetze << (vrUeber ? QStringLiteral("VR über 1: die erste Runde brauchte Anlauf.")
                             : QStringLiteral("VR höchstens 1: kein Anlauf nötig."));
        k.saetze << (puUeber ? QStringLiteral("PU über 1: die vierte Runde ließ nach.")
                             : QStringLiteral("PU höchstens 1: gleichmäßig."));
    }
    return k;
}

}  // namespace kurve

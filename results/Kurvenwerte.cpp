#include "results/Kurvenwerte.h"

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
        if (gleicheArt(l, modus, mischen, true) && (!best || summe(l.proMinute) > summe(*best))) best = l.proMinute;
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
    return summe(m) / 12.0;
}

int besteMinute(const Minuten& m)
{
    return int(std::max_element(m.begin(), m.end()) - m.begin());
}

AnfangEnde anfangGegenEnde(const Minuten& m)
{
    const int anfang = m[0] + m[1] + m[2], ende = m[9] + m[10] + m[11];
    AnfangEnde r{anfang / 3.0, ende / 3.0, std::nullopt};
    // From the sums, in whole numbers: a quotient of the two means misses an exact tie.
    if (anfang > 0) {
        const long long d = 1000LL * std::abs(ende - anfang);
        const int zehntel = int((2 * d + anfang) / (2LL * anfang));
        r.aenderungZehntel = ende < anfang ? -zehntel : zehntel;
    }
    return r;
}

std::vector<Zahlzeit> zeitenJeZahl(const Laufprotokoll& p)
{
    std::vector<Zahlzeit> r;
    r.reserve(p.treffer.size());
    std::int64_t vorher = p.startNs;
    for (const Treffer& t : p.treffer) {
        const int fehler = int(std::count(p.fehlversuche.begin(), p.fehlversuche.end(), t.zahl));
        r.push_back({t.zahl, double(t.monoNs - vorher) / NsJeSekunde, fehler});
        vorher = t.monoNs;
    }
    return r;
}

std::vector<Zahlzeit> langsamste(const std::vector<Zahlzeit>& zeiten, std::size_t n)
{
    std::vector<Zahlzeit> r = zeiten;
    std::stable_sort(r.begin(), r.end(), [](const Zahlzeit& a, const Zahlzeit& b) { return a.sekunden > b.sekunden; });
    if (r.size() > n) r.resize(n);
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

QString dezimal(double wert, int stellen)
{
    QString s = QString::number(wert, 'f', stellen);
    // A small negative value that rounds to zero is written without a sign.
    if (s.startsWith(QLatin1Char('-')) && s.count(QLatin1Char('0')) == s.size() - 2) s.remove(0, 1);
    return s.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString Kurvendaten::beschreibung() const
{
    QStringList eintraege;
    if (ausdauer) {
        for (int m = 0; m < 12; ++m)
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
    QStringList teile{eintraege.join(QStringLiteral("; ")) + QLatin1Char('.')};
    if (bester) {
        QStringList marken;
        for (int n : *bester) marken << QString::number(n);
        teile << QStringLiteral("Bester Lauf dieser Sitzung je Minute: %1.").arg(marken.join(QStringLiteral(", ")));
    }
    if (!ueberschrift.isEmpty()) teile << ueberschrift;
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
    QString verlauf = QStringLiteral("Minuten 1 bis 3: %1, Minuten 10 bis 12: %2 je Minute")
                          .arg(dezimal(ae.anfang, 1), dezimal(ae.ende, 1));
    if (const auto z = ae.aenderungZehntel)
        verlauf += QStringLiteral(" (%1%2 %)").arg(*z > 0 ? QStringLiteral("+") : QString(), dezimal(*z / 10.0, 1));
    k.saetze << verlauf + QLatin1Char('.');
    // Among twelve empty minutes none is the best.
    if (summe(proMinute) > 0) {
        k.besteMinute = besteMinute(proMinute);
        k.saetze << QStringLiteral("Beste Minute (Rahmen): %1. mit %2.")
                        .arg(*k.besteMinute + 1)
                        .arg(zahlen(proMinute[std::size_t(*k.besteMinute)]));
    }
    if (k.bester) {
        const int vorher = summe(*k.bester), jetzt = summe(proMinute);
        const QString vergleich = jetzt > vorher   ? QStringLiteral("%1 mehr").arg(jetzt - vorher)
                                  : jetzt < vorher ? QStringLiteral("%1 weniger").arg(vorher - jetzt)
                                                   : QStringLiteral("gleich viele");
        k.saetze << QStringLiteral("Bester Lauf dieser Sitzung (Striche): %1, dieser Lauf %2.")
                        .arg(zahlen(vorher), vergleich);
    }
    s.merken({p.modus, p.mischen, true, 0.0, proMinute});
    return k;
}

Kurvendaten einfachAuswerten(const Laufprotokoll& p, Sitzung& s)
{
    Kurvendaten k;
    k.zeiten = zeitenJeZahl(p);
    const double dauer = laufzeit(p);

    QStringList langsam;
    for (const Zahlzeit& z : langsamste(k.zeiten))
        langsam << QStringLiteral("%1 (%2 s)").arg(z.zahl).arg(dezimal(z.sekunden, 1));
    k.saetze << QStringLiteral("Langsamste Zahlen: %1.").arg(langsam.join(QStringLiteral(", ")));

    if (const auto best = s.bestzeit(p.modus, p.mischen)) {
        // Compared as shown, to the tenth of a second.
        const double d = std::round(dauer * 10) / 10 - std::round(*best * 10) / 10;
        const QString vergleich = d < 0   ? QStringLiteral("%1 s schneller, neue Bestzeit").arg(dezimal(-d, 1))
                                  : d > 0 ? QStringLiteral("%1 s langsamer").arg(dezimal(d, 1))
                                          : QStringLiteral("gleich schnell");
        k.saetze << QStringLiteral("Bestzeit dieser Sitzung: %1 s, diese Runde: %2 s, %3.")
                        .arg(dezimal(*best, 1), dezimal(dauer, 1), vergleich);
    }
    s.merken({p.modus, p.mischen, false, dauer, {}});

    if (const auto f = fuenfRunden(s.letzteZeiten(p.modus, p.mischen, 5))) {
        k.saetze << QStringLiteral("Fünf-Runden-Probe: ER = %1 s; VR = %2; PU = %3.")
                        .arg(dezimal(f->er, 1), dezimal(f->vr, 2), dezimal(f->pu, 2));
        // Judged on the figures as shown, so "1,00" never reads as above 1.
        const bool vrUeber = std::round(f->vr * 100) > 100, puUeber = std::round(f->pu * 100) > 100;
        k.saetze << QStringLiteral("ER ist die mittlere Zeit der letzten fünf Runden.");
        k.saetze << (vrUeber ? QStringLiteral("VR über 1: die erste Runde brauchte Anlauf.")
                             : QStringLiteral("VR höchstens 1: kein Anlauf nötig."));
        k.saetze << (puUeber ? QStringLiteral("PU über 1: die vierte Runde ließ nach.")
                             : QStringLiteral("PU höchstens 1: gleichmäßig."));
    }
    return k;
}

}  // namespace kurve

// The Leistungskurve's rules on thousands of generated sessions: the items each
// run's layout lists are read back against the figures the run was made of, and
// the sentences against the printed figures, in whole numbers.
#include <rapidcheck.h>

#include <QFontMetricsF>
#include <QIcon>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <climits>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "results/Auswertung.h"
#include "results/Kurvenwerte.h"
#include "results/Leistungskurve.h"
#include "tests/support/Spielhilfe.h"

using namespace rc;
using kurve::Anordnung, kurve::Art, kurve::Element, kurve::Minuten;

namespace {

constexpr std::int64_t Zehntel = 100'000'000;  // ns
const char* const Modi[] = {"BunteZahlenHoch", "BunteZahlenRunter", "GleicheZahlenHoch", "GleicheZahlenRunter"};

// One run: its kind, an endurance run's minutes, or a simple run's numbers in
// the order sought, each with its time and its misses.
struct Lauf {
    int modus = 0;
    bool mischen = false, ausdauer = false;
    Minuten minuten{};
    std::vector<std::int64_t> ns;
    std::vector<int> fehler;
    std::vector<int> feld;  // the board's cell each number stood in

    bool gleicheArt(const Lauf& l) const { return l.modus == modus && l.mischen == mischen && l.ausdauer == ausdauer; }
    int gesamt() const { return std::accumulate(minuten.begin(), minuten.end(), 0); }
    std::int64_t dauer() const { return std::accumulate(ns.begin(), ns.end(), std::int64_t{0}); }
    int zahl(std::size_t platz) const { return modus % 2 ? 50 - int(platz) : int(platz) + 1; }  // "…Runter": 50 first
};

// The session's earlier runs, the run shown, the window and the misses its results text names.
struct Fall {
    std::vector<Lauf> frueher;
    Lauf lauf;
    int breite = 800, hoehe = 640, fehlversuche = 0;
};

// A simple run's numbers as "seconds@cell/misses", the misses only where there are any.
std::ostream& operator<<(std::ostream& os, const Fall& f)
{
    const auto zeigen = [&](const char* wann, const Lauf& l) {
        os << wann << (l.ausdauer ? "Ausdauer " : "Einfach ") << Modi[l.modus] << (l.mischen ? " gemischt:" : ":");
        for (int i = 0; i < 12 && l.ausdauer; ++i) os << ' ' << l.minuten[std::size_t(i)];
        for (std::size_t i = 0; i < l.ns.size(); ++i)
            os << ' ' << double(l.ns[i]) / 1e9 << '@' << l.feld[i]
               << (l.fehler[i] ? "/" + std::to_string(l.fehler[i]) : "");
    };
    os.precision(13);
    os << "Fenster " << f.breite << "x" << f.hoehe << ", Fehlversuche " << f.fehlversuche;
    for (const Lauf& l : f.frueher) zeigen("\n  vorher ", l);
    zeigen("\n  gezeigt ", f.lauf);
    return os << '\n';
}

// ---- The generated sessions ----

// The whole range in every case: inRange alone narrows it in the early, small cases.
const auto ueberall = [](int von, int bis) { return gen::resize(100, gen::inRange(von, bis)); };

// Nothing found, a few values over and over (ties, zeros), a handful, or anything.
Gen<Minuten> minuten()
{
    return gen::exec([] {
        Minuten m{};
        const int art = *gen::inRange(0, 4);
        std::vector<int> vorrat = *gen::container<std::vector<int>>(2, gen::inRange(0, 401));
        vorrat.push_back(0);
        for (int& n : m) n = art == 0 ? 0 : art == 1 ? *gen::elementOf(vorrat) : *gen::inRange(0, art == 2 ? 4 : 401);
        return m;
    });
}

// From a hundredth of a second to thousands, two digits, evenly over the powers of ten.
Gen<std::int64_t> sekunden()
{
    return gen::exec([] {
        std::int64_t ns = *gen::inRange<std::int64_t>(1, 100) * 10'000'000;
        for (int k = *ueberall(0, 5); k > 0; --k) ns *= 10;
        return ns;
    });
}

Gen<Lauf> lauf(int modus, bool mischen, bool ausdauer)
{
    return gen::exec([=] {
        Lauf l{modus, mischen, ausdauer, {}, {}, {}, {}};
        if (ausdauer) return l.minuten = *minuten(), l;
        std::vector<int> frei(50);  // a board not reshuffled holds each number in a cell of its own
        std::iota(frei.begin(), frei.end(), 0);
        std::shuffle(frei.begin(), frei.end(), std::mt19937(*gen::arbitrary<unsigned>()));
        const auto vorrat = *gen::container<std::vector<std::int64_t>>(3, sekunden());
        const std::size_t viele = *gen::inRange(0, 3);  // misses: none, a few, some many
        const auto fehler = gen::weightedOneOf<int>({{10, gen::just(0)},
                                                     {4, gen::inRange(1, 4)},
                                                     {viele, gen::inRange(4, 10)},
                                                     {viele, gen::inRange(10, 1001)}});
        for (int i = *gen::weightedOneOf<int>({{1, gen::inRange(1, 51)}, {3, gen::just(50)}}); i > 0; --i) {
            // An exact tie, one printed alike or half a tenth away, or another time.
            const int wie = *gen::inRange(0, 3);
            const std::int64_t t = *gen::elementOf(vorrat), neben = t + *gen::inRange(-60, 61) * 1'000'000;
            l.ns.push_back(wie == 2 ? *sekunden() : wie == 1 ? std::max<std::int64_t>(10'000'000, neben) : t);
            l.fehler.push_back(viele ? *fehler : 0);
            l.feld.push_back(mischen ? *gen::inRange(0, 50) : frei[std::size_t(i - 1)]);
        }
        return l;
    });
}

Gen<Fall> fall(bool ausdauer)
{
    return gen::exec([ausdauer] {
        Fall f;
        f.lauf = *lauf(*gen::inRange(0, 4), *gen::arbitrary<bool>(), ausdauer);
        f.breite = *gen::weightedOneOf<int>({{4, ueberall(1, 1601)}, {3, gen::just(800)}, {2, gen::just(700)}});
        f.hoehe = *gen::weightedOneOf<int>({{1, ueberall(1, 1201)}, {1, gen::just(640)}});
        const auto& fehler = f.lauf.fehler;
        f.fehlversuche = ausdauer ? *gen::inRange(0, 1001) : std::accumulate(fehler.begin(), fehler.end(), 0);
        // Most earlier runs of the shown run's kind, so that its sentences compare something.
        for (int i = std::min(4, *ueberall(0, 8)); i > 0; --i) {
            const bool gleich = *gen::weightedElement<int>({{1, 0}, {3, 1}});
            f.frueher.push_back(*lauf(gleich ? f.lauf.modus : *gen::inRange(0, 4),
                                      gleich ? f.lauf.mischen : *gen::arbitrary<bool>(),
                                      gleich ? ausdauer : *gen::arbitrary<bool>()));
        }
        return f;
    });
}

// ---- The session through the game's evaluation, the last run on the panel ----

kurve::Kurvendaten auswerten(const Lauf& l, kurve::Sitzung& s)
{
    kurve::Laufprotokoll p{Modi[l.modus], l.ausdauer, l.mischen, 7'000'000'000'000LL, {}, {}};
    std::int64_t t = p.startNs;
    for (std::size_t i = 0; i < l.ns.size(); ++i) {
        p.fehlversuche.insert(p.fehlversuche.end(), std::size_t(l.fehler[i]), l.zahl(i));
        p.treffer.push_back({l.zahl(i), t += l.ns[i], l.feld[i]});
    }
    return l.ausdauer ? kurve::ausdauerAuswerten(l.minuten, p, s) : kurve::einfachAuswerten(p, s);
}

// The window at the case's size, its results label as the game's (537 × 449
// pixels, "MS Sans Serif" 18 pt, written from the top) and the panel beside it.
struct Tafel {
    QWidget fenster;
    QLabel text{&fenster};
    Leistungskurve kurve{&fenster, text, 800};
    Tafel(const Fall& f, kurve::Kurvendaten daten)
    {
        QStringList z{QStringLiteral("Fehlversuche: %1").arg(f.fehlversuche)};
        for (int m = 0; m < 12 && f.lauf.ausdauer; ++m) z << auswertung::minutenZeile(m + 1, f.lauf.minuten[m]);
        const std::int64_t s = f.lauf.dauer() / 1'000'000'000;
        z << (f.lauf.ausdauer ? QStringLiteral("Gesamt: %1").arg(f.lauf.gesamt())
                              : QStringLiteral("Zeit = %1:%2").arg(s / 60).arg(s % 60));
        fenster.resize(f.breite, f.hoehe);
        text.setGeometry(0, 0, 537, 449);
        text.setFont(QFont(QStringLiteral("MS Sans Serif"), 18));
        text.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text.setText(z.join('\n'));
        kurve.setzen(std::move(daten));
        fenster.show();
        kurve.hide();
        kurve.show();  // places itself and lays itself out
    }
};

// ---- Reading the items ----

template <typename T>
QString teil(const T& x)
{
    if constexpr (std::is_arithmetic_v<T>) {
        return QString::number(x);
    } else if constexpr (!std::is_same_v<T, Element>) {
        return QString(x);
    } else {
        static const char* const namen[] = {
            "Ueberschrift", "Legende", "Legendenpunkt", "Balken",     "Rahmen", "Marke", "Punkt", "Zahl",
            "Nummer",       "Achse",   "Gitter",        "Achsenzahl", "Satz",   "Feld",  "Skala", "Skalenzahl"};
        const QRectF& r = x.rect;
        return QStringLiteral("[%1 %2 \"%3\" %4,%5 %6x%7]")
            .arg(namen[int(x.art)], QString::number(x.zu), x.text, QString::number(r.x()), QString::number(r.y()),
                 QString::number(r.width()), QString::number(r.height()));
    }
}

// Ends the case naming the rule and what broke it; the message is made only then.
template <typename... T>
[[noreturn]] void scheitern(int regel, const T&... teile)
{
    const std::string meldung = (QStringLiteral("Regel %1:").arg(regel) + ... + (' ' + teil(teile))).toStdString();
    RC_FAIL(meldung);
}
#define REGEL(nr, bedingung, ...)                     \
    do {                                              \
        if (!(bedingung)) scheitern(nr, __VA_ARGS__); \
    } while (false)

const auto istFigur = [](Art a) {
    return a == Art::Balken || a == Art::Rahmen || a == Art::Marke || a == Art::Punkt || a == Art::Feld ||
           a == Art::Skala;
};
const auto ueberlappen = [](const QRectF& a, const QRectF& b) {
    const QRectF s = a.normalized() & b.normalized();
    return s.width() > 1e-6 && s.height() > 1e-6;
};
// Rounded half away from zero, for a positive divisor.
const auto gerundet = [](long long z, long long n) { return (z < 0 ? -1 : 1) * ((2 * std::llabs(z) + n) / (2 * n)); };
const auto dezimal = [](long long e, int stellen = 1) {
    const int t = stellen == 1 ? 10 : 100;
    return QStringLiteral("%1,%2").arg(e / t).arg(e % t, stellen, 10, QLatin1Char('0'));
};
const auto zahlen = [](long long n) { return n == 1 ? QStringLiteral("1 Zahl") : QStringLiteral("%1 Zahlen").arg(n); };
// " (+19,4 %)": the change from `von` to `nach`.
const auto aenderung = [](long long von, long long nach) {
    const long long p = gerundet(1000 * (nach - von), von);
    return QStringLiteral(" (%1%2 %)").arg(p > 0 ? "+" : p < 0 ? "-" : "", dezimal(std::llabs(p)));
};
// The figure printed for zaehler / nenner: the game divides in floating point, so on an exact half
// the one shown may be either neighbour; otherwise it is the rounded one.
long long gedruckt(const QString& gezeigt, long long zaehler, long long nenner)
{
    const long long g = QString(gezeigt).remove(',').toLongLong();
    return !gezeigt.isEmpty() && std::llabs(g * nenner - zaehler) * 2 <= nenner ? g : gerundet(zaehler, nenner);
}

// The earlier run of the kind with the highest total, the first on a tie; one that found nothing is none.
const Lauf* besterFrueher(const Fall& f)
{
    const Lauf* b = nullptr;
    for (const Lauf& l : f.frueher)
        if (l.gleicheArt(f.lauf) && l.gesamt() > (b ? b->gesamt() : 0)) b = &l;
    return b;
}

// ---- Rule 1: no text over another, nor over a bar, frame, mark or dot not its own; all inside
// the panel; the panel inside the window, clear of the results text and of the last box.
void pruefenPlatz(const Tafel& t, const Anordnung& a)
{
    REGEL(1, a.groesse == QSizeF(t.kurve.size()), "angeordnet für", a.groesse.width(), "x", a.groesse.height());
    const QRectF innen = QRectF(QPointF(0, 0), a.groesse).adjusted(-0.5, -0.5, 0.5, 0.5);
    for (const Element& e : a.elemente) {
        REGEL(1, (innen | e.rect.normalized()) == innen, e, "ragt aus der Tafel von", a.groesse.width(), "x",
              a.groesse.height());
        for (const Element& o : a.elemente)
            REGEL(1,
                  !e.istText() || &o == &e || !ueberlappen(e.rect, o.rect) ||
                      !(o.istText() || (istFigur(o.art) && (e.art != Art::Zahl || o.zu != e.zu))),
                  e, "überdeckt", o);
    }
    const QRect g = t.kurve.geometry();
    REGEL(1, g.isEmpty() || t.fenster.rect().contains(g), "die Tafel ragt aus dem Fenster");
    const QFontMetricsF fm(t.text.font());
    const QStringList zeilen = t.text.text().split('\n');
    for (int i = 0; i < zeilen.size(); ++i) {
        const QRectF zeile(0, i * fm.lineSpacing(), fm.horizontalAdvance(zeilen[i]), fm.lineSpacing());
        REGEL(1, !ueberlappen(g, zeile.translated(t.text.pos())), "die Tafel verdeckt", zeilen[i]);
    }
    // The last box's frame, measured as the game does before placing it low in the window; in a
    // window lower than the box and the tenth under it the box covers the window anyway.
    static const QSize k = [] {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Flinkblick"), spielhilfe::Bitte, QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.adjustSize();
        box.winId();
        return box.frameGeometry().size();
    }();
    const int w = t.fenster.width(), h = t.fenster.height();
    const QRect kasten((w - 1) / 2 - k.width() / 2, h - 1 - k.height() - h / 10, k.width(), k.height());
    REGEL(1, h < k.height() + h / 10 || !g.intersects(kasten), "die Tafel liegt unter dem letzten Kasten");
}

// ---- Rule 3: no text cut at its font; a sentence shown whole or not at all, and none after a missing one.
void pruefenSchnitt(const kurve::Kurvendaten& d, const Anordnung& a)
{
    std::map<int, std::map<std::pair<double, double>, QString>> saetze;  // each sentence's lines by their place
    for (const Element& e : a.elemente) {
        if (!e.istText()) continue;
        const QFontMetricsF fm(e.schrift);
        const QSizeF platz = e.gedreht ? e.rect.size().transposed() : e.rect.size();
        REGEL(3, fm.horizontalAdvance(e.text) <= platz.width() + 0.5 && fm.height() <= platz.height() + 0.5, e,
              "ist abgeschnitten");
        if (e.art == Art::Satz) saetze[e.zu][{e.rect.top(), e.rect.left()}] = e.text;
    }
    for (const auto& [zu, zeilen] : saetze) {
        QStringList teile;
        for (const auto& z : zeilen) teile << z.second;
        REGEL(3, zu >= 0 && zu < d.saetze.size() && teile.join(' ') == d.saetze[zu], "Satz", zu, "als",
              teile.join('|'));
    }
    REGEL(3, saetze.empty() || saetze.rbegin()->first + 1 == int(saetze.size()), "ein Satz fehlt vor einem gezeigten");
}

// ---- Rules 4 and 6: the sentences as they follow from the printed figures and the earlier runs of the kind.
QStringList ausdauerSaetze(const Fall& f, const kurve::Kurvendaten& d)
{
    const Minuten& m = f.lauf.minuten;
    const int anfang = m[0] + m[1] + m[2], ende = m[9] + m[10] + m[11], gesamt = f.lauf.gesamt();
    const QString mittel = QStringLiteral("Mittel: %1 Zahlen je Minute.").arg(dezimal(gerundet(10LL * gesamt, 12)));
    REGEL(4, d.ueberschrift == mittel, d.ueberschrift, "statt", mittel);
    QString verlauf = QStringLiteral("Minuten 1 bis 3: %1, Minuten 10 bis 12: %2").arg(zahlen(anfang), zahlen(ende));
    if (anfang) verlauf += aenderung(anfang, ende);
    QStringList s{verlauf + '.'}, beste, vorgelesen;
    const int hoechst = *std::max_element(m.begin(), m.end());
    for (std::size_t i = 0; i < 12; ++i) {
        if (hoechst > 0 && m[i] == hoechst) beste << QStringLiteral("%1.").arg(i + 1);
        vorgelesen << QStringLiteral("Minute %1: %2").arg(i + 1).arg(m[i]);
    }
    REGEL(4, d.beschreibung().startsWith(vorgelesen.join("; ") + '.'), "vorgelesen:", d.beschreibung());
    const QString letzte = beste.isEmpty() ? QString() : beste.takeLast();
    if (hoechst > 0)
        s << QStringLiteral("%1 (Rahmen): %2 mit %3.")
                 .arg(beste.isEmpty() ? "Beste Minute" : "Beste Minuten",
                      beste.isEmpty() ? letzte : beste.join(", ") + " und " + letzte, zahlen(hoechst));
    const Lauf* b = besterFrueher(f);
    const int v = b ? b->gesamt() : 0;
    if (b && gesamt > v)
        s << QStringLiteral("Neuer bester Lauf dieser Sitzung: %1 mehr als der bisherige mit %2 (Striche).")
                 .arg(gesamt - v)
                 .arg(zahlen(v));
    else if (b)
        s << QStringLiteral("Bester Lauf dieser Sitzung (Striche): %1, dieser Lauf %2.")
                 .arg(zahlen(v), v == gesamt ? "gleich viele" : QStringLiteral("%1 weniger").arg(v - gesamt));
    return s;
}

// Each cell's printed tenths (-1: none found there) as the description reads them, and the halves'
// in the sentence, within half a tenth of their means; the sentence from the printed figures: the
// change from left to right, the slowest cell, the first in reading order.
std::pair<std::vector<long long>, QString> karte(const Lauf& l, const kurve::Kurvendaten& d)
{
    std::vector<std::int64_t> summe(54), anzahl(54);  // the cells; left, right, top, bottom
    for (std::size_t i = 0; i < l.ns.size(); ++i)
        for (int k : {l.feld[i], 50 + l.feld[i] % 10 / 5, l.feld[i] < 20 ? 52 : l.feld[i] >= 30 ? 53 : -1})
            if (k >= 0) summe[std::size_t(k)] += l.ns[i], ++anzahl[std::size_t(k)];
    QStringList gezeigt = d.beschreibung()
                              .section(QStringLiteral("Sekunden je Feld, "), 1)
                              .section(QStringLiteral(". "), 0, 4)
                              .split(QRegularExpression(QStringLiteral("(^|\\. )Zeile \\d: |; ")), Qt::SkipEmptyParts);
    const auto m =
        QRegularExpression(QStringLiteral("^Links (.*) je Zahl, rechts (.*?)(?: \\(.*\\))?; oben (.*), unten (.*)\\. "))
            .match(d.saetze.value(1));
    for (int h = 1; h <= 4; ++h) gezeigt << m.captured(h).section(' ', 0, 0);
    REGEL(4, gezeigt.size() == 54, "keine Karte in", d.beschreibung());
    std::vector<long long> p;
    for (std::size_t i = 0; i < 54; ++i) {
        p.push_back(anzahl[i] ? gedruckt(gezeigt[int(i)], summe[i], anzahl[i] * Zehntel) : -1);
        REGEL(4, gezeigt[int(i)] == (p[i] < 0 ? QStringLiteral("–") : dezimal(p[i])), i < 50 ? "Feld" : "Hälfte",
              int(i), gezeigt[int(i)]);
    }
    const auto t = [&](std::size_t h) { return p[h] < 0 ? QStringLiteral("–") : dezimal(p[h]) + QStringLiteral(" s"); };
    const auto hoechst = std::max_element(p.begin(), p.begin() + 50);
    const auto erste = hoechst - p.begin(), weitere = std::count(p.begin(), p.begin() + 50, *hoechst) - 1;
    const QString satz =
        QStringLiteral(
            "Links %1 je Zahl, rechts %2%3; oben %4, unten %5. Langsamstes Feld: Zeile %6, Spalte %7, %8 s%9")
            .arg(t(50), t(51), p[50] > 0 && p[51] >= 0 ? aenderung(p[50], p[51]) : QString(), t(52), t(53),
                 QString::number(erste / 10 + 1), QString::number(erste % 10 + 1), dezimal(*hoechst),
                 weitere ? QStringLiteral(", ebenso %1 weitere.").arg(weitere) : QStringLiteral("."));
    p.resize(50);
    return {p, satz};
}

QStringList einfacheSaetze(const Fall& f, const QStringList& gezeigt, const QString& feldSatz)
{
    const Lauf& l = f.lauf;
    std::vector<long long> z;  // each number's printed tenths
    for (std::int64_t ns : l.ns) z.push_back(gerundet(ns, Zehntel));
    std::vector<std::size_t> rang(z.size());
    std::iota(rang.begin(), rang.end(), 0);
    std::stable_sort(rang.begin(), rang.end(), [&](std::size_t a, std::size_t b) { return z[a] > z[b]; });
    const std::size_t n = std::min<std::size_t>(5, z.size());
    const long long letzte = z[rang[n - 1]];
    QStringList liste, s;
    for (std::size_t i = 0; i < n; ++i)
        liste << QStringLiteral("%1 (%2 s)").arg(l.zahl(rang[i])).arg(dezimal(z[rang[i]]));
    const auto weitere =
        std::count_if(rang.begin() + long(n), rang.end(), [&](std::size_t i) { return z[i] == letzte; });
    if (z.size() > 1 && z[rang.front()] == z[rang.back()])
        s << QStringLiteral("Alle %1 Zahlen gleich schnell: je %2 s.").arg(z.size()).arg(dezimal(letzte));
    else
        s << "Langsamste Zahlen: " + liste.join(", ") +
                 (weitere ? QStringLiteral(" und %1 weitere mit %2 s").arg(weitere).arg(dezimal(letzte)) : "") + '.';
    s << feldSatz;
    std::vector<std::int64_t> t;  // the runs of the kind, this one last
    for (const Lauf& v : f.frueher)
        if (v.gleicheArt(l)) t.push_back(v.dauer());
    t.push_back(l.dauer());
    const long long v = gerundet(*std::min_element(t.begin(), t.end() - (t.size() > 1)), Zehntel);
    const long long j = gerundet(t.back(), Zehntel);
    if (t.size() > 1 && j < v)
        s << QStringLiteral("Neue Bestzeit dieser Sitzung: %1 s, %2 s schneller als die bisherige (%3 s).")
                 .arg(dezimal(j), dezimal(v - j), dezimal(v));
    else if (t.size() > 1)
        s << QStringLiteral("Bestzeit dieser Sitzung: %1 s, diese Runde: %2 s, %3.")
                 .arg(dezimal(v), dezimal(j), j == v ? "gleich schnell" : dezimal(j - v) + " s langsamer");
    if (t.size() < 5) return s;
    RC_TAG("Fünf-Runden-Probe");
    const std::int64_t* r = &t[t.size() - 5];
    const long long summe = r[0] + r[1] + r[2] + r[3] + r[4];
    // ER, VR = T1 / ER and PU = T4 / ER are printed from quotients in seconds: on an exact half
    // either neighbour is as near.
    const auto p = QRegularExpression(QStringLiteral("^Fünf-Runden-Probe: ER = (\\d+,\\d) s; VR = (\\d,\\d\\d); "
                                                     "PU = (\\d,\\d\\d)\\.$"))
                       .match(gezeigt.value(s.size()));
    const long long er = gedruckt(p.captured(1), summe, 5 * Zehntel), vr = gedruckt(p.captured(2), 500 * r[0], summe);
    const long long pu = gedruckt(p.captured(3), 500 * r[3], summe);
    return s << QStringLiteral("Fünf-Runden-Probe: ER = %1 s; VR = %2; PU = %3.")
                    .arg(dezimal(er), dezimal(vr, 2), dezimal(pu, 2))
             << QStringLiteral("ER ist die mittlere Zeit der letzten fünf Runden.")
             << (vr > 100 ? "VR über 1: die erste Runde brauchte Anlauf." : "VR höchstens 1: kein Anlauf nötig.")
             << (pu > 100 ? "PU über 1: die vierte Runde ließ nach." : "PU höchstens 1: gleichmäßig.");
}

// ---- Rules 2 and 5, an endurance run: a bar on each minute's line, bars and the session best's
// marks on one scale, the best minutes framed, the counts in one column right of them all.
void pruefenAusdauerBild(const Fall& f, const Tafel& t, const Anordnung& a)
{
    const Minuten& m = f.lauf.minuten;
    const double zeile = QFontMetricsF(t.text.font()).lineSpacing(), oben = t.text.y() - t.kurve.y();
    const int hoechst = *std::max_element(m.begin(), m.end());
    const Lauf* b = besterFrueher(f);
    std::array<const Element*, 12> balken{}, zahl{};
    std::array<int, 12> marken{};
    std::set<int> rahmen, fett, beste;
    double rechts = -1e9, links = -1, s0 = 0, s1 = 1e9;  // right of bars and marks; where bars begin; the scale
    // One scale: the pixels a number that every bar (to a pixel) and every mark (to 1.5) allows.
    const auto massstab = [&](double laenge, int n, double toleranz) {
        s0 = std::max(s0, (laenge - toleranz) / n), s1 = std::min(s1, (laenge + toleranz) / n);
        return s0 <= s1;
    };
    for (const Element& e : a.elemente) {
        if (e.art != Art::Balken && e.art != Art::Rahmen && e.art != Art::Marke && e.art != Art::Zahl) continue;
        REGEL(5, e.zu >= 0 && e.zu < 12, e, "gehört zu keiner Minute");
        const std::size_t i = std::size_t(e.zu);
        const double y = e.rect.center().y() - oben - (e.zu + 1) * zeile;  // on its minute's line of the results
        REGEL(e.art == Art::Zahl ? 2 : 5, y >= 0 && y <= zeile, e, "steht nicht auf der Zeile seiner Minute");
        const double band = oben + (e.zu + 1) * zeile;  // a mark or frame stays on its line; a frame hugs its bar
        REGEL(5, e.art == Art::Zahl || (e.rect.top() >= band - 0.5 && e.rect.bottom() <= band + zeile + 0.5), e,
              "ragt aus der Zeile seiner Minute");
        const QRectF b0 = balken[i] ? balken[i]->rect : QRectF();
        REGEL(5,
              e.art != Art::Rahmen || (b0.adjusted(-2.5, -2.5, b0.width() < 1 ? 3.5 : 2.5, 2.5).contains(e.rect) &&
                                       e.rect.left() < b0.left()),
              e, "umschließt nicht knapp seinen Balken");
        REGEL(5, e.art != Art::Balken || !std::exchange(balken[i], &e), "zweimal", e);
        REGEL(5, e.art != Art::Zahl || !std::exchange(zahl[i], &e), "zweimal", e);
        REGEL(5, e.art != Art::Marke || (b && b->minuten[i] > 0 && ++marken[i] == 1), e, "wo der beste Lauf",
              b ? b->minuten[i] : 0, "fand");
        if (e.art == Art::Rahmen || (e.art == Art::Zahl && e.fett)) (e.art == Art::Rahmen ? rahmen : fett).insert(e.zu);
        if (e.art == Art::Balken || e.art == Art::Marke) rechts = std::max(rechts, e.rect.right());
        if (e.art == Art::Balken && links < 0) links = e.rect.left();
    }
    if (std::count(zahl.begin(), zahl.end(), nullptr) == 12 && rahmen.empty() && rechts < -1e8) {
        REGEL(5, f.breite < 800 || f.hoehe < 640, "im Fenster der Ladegröße fehlt das Bild");
        return;  // the chart left out for want of room
    }
    RC_TAG("Bild");
    for (std::size_t i = 0; i < 12; ++i) {
        if (hoechst > 0 && m[i] == hoechst) beste.insert(int(i));
        const Element* e = balken[i];
        REGEL(5, e || m[i] == 0, "Minute", i + 1, "fehlt der Balken");
        REGEL(5, !e || std::abs(e->rect.left() - links) <= 0.5, *e, "beginnt nicht mit den anderen");
        REGEL(5, !e || (m[i] ? massstab(e->rect.width(), m[i], 1) : e->rect.width() < 1e-6), *e, "nicht im Maßstab");
        REGEL(5, marken[i] == (b && b->minuten[i] > 0), "Minute", i + 1, "fehlt die Marke");
        REGEL(2, zahl[i], "Minute", i + 1, "fehlt die Zahl");
        const Element& z = *zahl[i];
        REGEL(4, z.text == QString::number(m[i]), z, "statt", m[i]);
        REGEL(2, std::abs(z.rect.right() - zahl[0]->rect.right()) <= 0.5 && z.rect.left() >= rechts - 0.5, z,
              "steht nicht in der Spalte rechts der Balken und Marken");
        const double y = z.rect.center().y(), eigen = e ? e->rect.center().y() : oben + (double(i) + 1.5) * zeile;
        for (const Element* o : balken)
            REGEL(2, !o || o == e || std::abs(y - o->rect.center().y()) > std::abs(y - eigen), z, "steht näher bei",
                  *o);
    }
    for (const Element& e : a.elemente) {
        const int v = e.art == Art::Marke ? b->minuten[std::size_t(e.zu)] : 0;
        REGEL(5, !v || links < 0 || massstab(e.rect.center().x() - links, v, 1.5), e, "steht nicht bei", v);
    }
    REGEL(5, rahmen == beste && fett == beste, "Rahmen oder fette Zahlen nicht genau bei den besten Minuten");
}

// ---- Rules 2 and 5, a simple run: a bar per number on the scale its axis labels give, each
// number's misses as dots or a figure, in the bar's slot above it.
void pruefenEinfachBild(const Fall& f, const Anordnung& a)
{
    const Lauf& l = f.lauf;
    const std::size_t n = l.ns.size();
    std::vector<const Element*> balken(n), figur(n);
    std::vector<std::vector<const Element*>> ueber(n);  // the dots and the figure over each bar
    std::vector<double> linien;
    std::vector<std::pair<double, double>> beschriftung;  // seconds, height
    const Element* achse = nullptr;
    QString legende;
    for (const Element& e : a.elemente) {
        const bool eigen = e.art == Art::Balken || e.art == Art::Punkt || e.art == Art::Zahl;
        REGEL(5, !eigen || (e.zu >= 0 && e.zu < int(n)), e, "gehört zu keiner Zahl");
        REGEL(5, e.art != Art::Balken || !std::exchange(balken[std::size_t(e.zu)], &e), "zweimal", e);
        REGEL(5, e.art != Art::Zahl || !std::exchange(figur[std::size_t(e.zu)], &e), "zweimal", e);
        REGEL(5, e.art != Art::Achse || !std::exchange(achse, &e), "zwei Achsen");
        if (e.art == Art::Punkt || e.art == Art::Zahl) ueber[std::size_t(e.zu)].push_back(&e);
        if (e.art == Art::Achse || e.art == Art::Gitter) linien.push_back(e.rect.center().y());
        if (e.art == Art::Legende) legende += e.text;
        if (e.art != Art::Achsenzahl) continue;
        REGEL(5, QRegularExpression(QStringLiteral("^\\d+(,\\d+)? s$")).match(e.text).hasMatch(), e, "keine Sekunden");
        beschriftung.emplace_back(QString(e.text).chopped(2).replace(',', '.').toDouble(), e.rect.center().y());
    }
    if (std::count(balken.begin(), balken.end(), nullptr) == long(n)) {
        REGEL(5, std::all_of(ueber.begin(), ueber.end(), [](auto& u) { return u.empty(); }),
              "Fehlversuche ohne Balken");
        REGEL(5, f.breite < 800 || f.hoehe < 640, "im Fenster der Ladegröße fehlt das Bild");
        return;  // the chart left out for want of room
    }
    RC_TAG("Bild");
    REGEL(5, std::count(balken.begin(), balken.end(), nullptr) == 0, "nicht jede Zahl hat ihren Balken");
    REGEL(5, achse && !beschriftung.empty(), "keine Achse mit Beschriftung");
    // Each label names the line it stands at; those lines give the scale.
    for (auto& [wert, y] : beschriftung) {
        const auto naeher = [y = y](double p, double q) { return std::abs(p - y) < std::abs(q - y); };
        const double linie = *std::min_element(linien.begin(), linien.end(), naeher);
        REGEL(5, std::abs(linie - y) <= 1.5, "die Achsenzahl", wert, "s steht an keiner Linie");
        y = linie;
    }
    const double y0 = achse->rect.center().y(), oberste = *std::min_element(linien.begin(), linien.end());
    const auto [hoch, yHoch] = *std::max_element(beschriftung.begin(), beschriftung.end());
    REGEL(5, hoch > 0, "die Achse gibt keinen Maßstab");
    const double k = (y0 - yHoch) / hoch;  // pixels a second
    for (const auto& [wert, y] : beschriftung)
        REGEL(5, std::abs(y - (y0 - wert * k)) <= 1, "die Achsenzahl", wert, "s ist nicht im Maßstab");
    bool alsPunkte = false, alsZahl = false;
    const auto mitte = [&](std::size_t j) { return balken[j]->rect.center().x(); };
    for (std::size_t i = 0; i < n; ++i) {
        const QRectF r = balken[i]->rect;
        const double soll = double(l.ns[i]) / 1e9 * k;  // or a pixel, to be seen
        REGEL(5, std::abs(r.height() - soll) <= 1.5 || (soll < 1 && std::abs(r.height() - 1) <= 0.5), *balken[i],
              "statt", soll, "px hoch");
        REGEL(5, std::abs(r.bottom() - y0) <= 1.5 && r.top() >= oberste - 1, *balken[i], "steht nicht in der Achse");
        // Up to three misses a dot each; from four a figure, or three dots where the slot holds no figure.
        const long fehler = l.fehler[i], punkte = long(ueber[i].size()) - (figur[i] != nullptr);
        REGEL(5,
              fehler < 4
                  ? punkte == fehler && !figur[i]
                  : (figur[i] && !punkte && figur[i]->text == QString::number(fehler)) || (!figur[i] && punkte == 3),
              "Zahl", l.zahl(i), "mit", fehler, "Fehlversuchen:", punkte,
              "Punkte, Zahl:", figur[i] ? figur[i]->text : "keine");
        alsPunkte |= fehler >= 4 && punkte == 3;
        alsZahl |= figur[i] != nullptr;
        // Rule 2: in the bar's slot, half-way to its neighbours, above the bar; a figure nearer its
        // own bar's top than any other's.
        const double halb = n > 1 ? std::abs(mitte(i > 0 ? i - 1 : 1) - mitte(i)) / 2 : 1e9;
        const double von = i > 0 ? (mitte(i - 1) + mitte(i)) / 2 : mitte(i) - halb;
        const double bis = i + 1 < n ? (mitte(i + 1) + mitte(i)) / 2 : mitte(i) + halb;
        for (const Element* e : ueber[i])
            REGEL(2, e->rect.left() >= von - 0.5 && e->rect.right() <= bis + 0.5 && e->rect.bottom() <= r.top() + 0.5,
                  *e, "steht nicht im Platz", von, "bis", bis, "über", *balken[i]);
        const auto abstand = [&](std::size_t j) {
            return std::hypot(figur[i]->rect.center().x() - mitte(j),
                              figur[i]->rect.center().y() - balken[j]->rect.top());
        };
        for (std::size_t j = 0; j < n && figur[i]; ++j)
            REGEL(2, j == i || abstand(j) > abstand(i), *figur[i], "steht näher bei", *balken[j]);
    }
    REGEL(5, !alsPunkte || legende.contains(QStringLiteral("höchstens 3")), "drei Punkte für mehr; Legende:", legende);
    REGEL(5, !alsZahl || legende.contains(QStringLiteral("ab 4 als Zahl")), "Fehlversuche als Zahl; Legende:", legende);
}

// The map, all of it at the load size: each cell with its printed seconds (-1: empty, outlined),
// shaded in their order, the slowest 1.
void pruefenKarte(const Fall& f, const std::vector<long long>& zelle, const Anordnung& a)
{
    std::vector<const Element*> feld;
    for (const Element& e : a.elemente)
        if (e.art == Art::Feld) feld.push_back(&e);
    REGEL(5, feld.size() == 50 || (feld.empty() && (f.breite < 800 || f.hoehe < 640)), "Karte mit", feld.size());
    const long long langsam = *std::max_element(zelle.begin(), zelle.end());
    for (const Element* e : feld) {
        const long long z = zelle.at(std::size_t(e->zu));
        REGEL(5, std::llround(e->wert * 10) == (z < 0 ? -10 : z) && (z != langsam || e->anteil == 1), *e, "statt", z);
        for (const Element* o : feld)
            REGEL(5,
                  z < 0 || zelle[std::size_t(o->zu)] < 0 || (z > zelle[std::size_t(o->zu)]) == (e->anteil > o->anteil),
                  *e, "schattiert nicht in der Folge seiner Sekunden wie", *o);
    }
}

void pruefen(const Fall& f)
{
    kurve::Sitzung sitzung;
    for (const Lauf& l : f.frueher) auswerten(l, sitzung);
    const kurve::Kurvendaten d = auswerten(f.lauf, sitzung);
    const auto [zelle, feldSatz] = f.lauf.ausdauer ? std::pair<std::vector<long long>, QString>() : karte(f.lauf, d);
    const QStringList s = f.lauf.ausdauer ? ausdauerSaetze(f, d) : einfacheSaetze(f, d.saetze, feldSatz);
    REGEL(4, d.saetze == s, "\n ", d.saetze.join(' '), "\nstatt\n ", s.join(' '));
    Tafel t(f, d);
    const Anordnung& a = t.kurve.anordnung();
    pruefenPlatz(t, a);
    pruefenSchnitt(d, a);
    f.lauf.ausdauer ? pruefenAusdauerBild(f, t, a) : (pruefenEinfachBild(f, a), pruefenKarte(f, zelle, a));
}

}  // namespace

class KurvenregelnTest : public QObject {
    Q_OBJECT
private slots:
    void ausdauer()
    {
        QVERIFY(rc::check("Ausdauerlauf", [] { pruefen(*fall(true)); }));
    }
    void einfach()
    {
        QVERIFY(rc::check("einfacher Lauf", [] { pruefen(*fall(false)); }));
    }
};

FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(KurvenregelnTest)
#include "test_kurvenregeln.moc"

// The Leistungskurve: every sentence worked out by hand, the painted panel
// read back pixel by pixel, what a screen reader hears of it, and that it
// comes and goes with the results text.
#include <QAccessible>
#include <QMessageBox>
#include <QTest>
#include <map>
#include <set>

#include "results/Kurvenwerte.h"
#include "results/Leistungskurve.h"
#include "tests/support/Kasten.h"
#include "tests/support/Spielhilfe.h"

using namespace spielhilfe;
using kurve::Minuten;

namespace {

constexpr std::int64_t Beginn = 5'000'000'000'000LL;
const QString Gleich = QStringLiteral("GleicheZahlenHoch");
const QColor Akzent(255, 176, 0), Weiss(255, 255, 255), Gitter(70, 70, 70);

// A simple run upwards whose 50 hits come evenly over `sekunden`, but for
// the numbers given their own seconds; reshuffled, number n was found in the
// board's cell (n - 1) % 7, so that the top row's first seven cells hold them all.
kurve::Laufprotokoll gleichmaessig(double sekunden, bool mischen = false, const std::map<int, double>& je = {})
{
    kurve::Laufprotokoll p{Gleich, false, mischen, Beginn, {}, {}};
    std::int64_t ns = Beginn;
    for (int z = 1; z <= 50; ++z)
        p.treffer.push_back(
            {z, ns += std::llround((je.count(z) ? je.at(z) : sekunden / 50) * 1e9), mischen ? (z - 1) % 7 : -1});
    return p;
}

// One run of a session: an endurance run with its minutes, or a simple run of
// 50 equally fast numbers, but for those given their own seconds.
struct Lauf {
    double sekunden;  // 0: an endurance run
    Minuten minuten;
    QString modus = Gleich;
    bool mischen = false;
    std::map<int, double> je = {};
};
using Laeufe = std::vector<Lauf>;
// Reshuffled, 8 and 10 slow: in cells 0 and 2, the left half, and both print 1,3 s; cells 7 to 49 stay empty.
const Lauf Gemischt{50, {}, Gleich, true, {{8, 3.0}, {10, 3.0}}};

// Plays the runs into one session; the figures of the last.
kurve::Kurvendaten auswerten(const Laeufe& laeufe)
{
    kurve::Sitzung s;
    kurve::Kurvendaten k;
    for (const Lauf& l : laeufe) {
        kurve::Laufprotokoll p = gleichmaessig(l.sekunden, l.mischen, l.je);
        p.modus = l.modus;
        k = l.sekunden > 0 ? kurve::einfachAuswerten(p, s) : kurve::ausdauerAuswerten(l.minuten, p, s);
    }
    return k;
}

// Counts the game's clock readings, whole or monotonic only.
struct ZaehlendeUhr final : ui::Clock {
    fakes::ManualClock uhr;
    int lesungen = 0;
    ui::Zeitpunkt Now() override { return ++lesungen, uhr.Now(); }
    std::int64_t MonoNs() override { return ++lesungen, uhr.now_.monoNs; }
};

// The runs of pixels of colour `c` in row y (or, with `spalte`, column x), as [first, last].
std::vector<std::pair<int, int>> strecken(const QImage& bild, int pos, const QColor& c, bool spalte = false)
{
    std::vector<std::pair<int, int>> r;
    const int n = spalte ? bild.height() : bild.width();
    for (int i = 0; i < n; ++i) {
        if ((spalte ? bild.pixelColor(pos, i) : bild.pixelColor(i, pos)) != c) continue;
        if (!r.empty() && r.back().second == i - 1)
            r.back().second = i;
        else
            r.emplace_back(i, i);
    }
    return r;
}

// Where `bild` is not black: the bounds of what is written there, null if nothing.
QRect tinte(const QImage& bild)
{
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) != QColor(Qt::black)) r |= QRect(x, y, 1, 1);
    return r;
}

// How many pixels of row y have colour `c`.
int anzahl(const QImage& bild, int y, const QColor& c = Akzent)
{
    int n = 0;
    for (const auto& [a, b] : strecken(bild, y, c)) n += b - a + 1;
    return n;
}

// A panel beside a results label as the window has it (537 × 449 pixels,
// "MS Sans Serif" 18 pt), painted at `breite` × 449 pixels.
struct Tafel {
    QWidget fenster;
    QLabel text{&fenster};
    Leistungskurve kurve{&fenster, text, 800};
    Tafel()
    {
        fenster.resize(800, 640);
        text.setGeometry(0, 0, 537, 449);
        QFont f(QStringLiteral("MS Sans Serif"));
        f.setPointSizeF(18);
        text.setFont(f);
    }
    QImage malen(kurve::Kurvendaten daten, int breite)
    {
        kurve.setzen(std::move(daten));
        fenster.show();
        kurve.hide();
        kurve.show();  // places itself by the label's lines
        if (breite > 0) kurve.setGeometry(0, 0, breite, 449);
        return kurve.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    double zeile() const { return QFontMetricsF(text.font()).lineSpacing(); }
};

// What a screen reader gets of the panel while the last box is open; empty
// when it is no visible chart named "Leistungskurve" among the window's children.
QString vorgelesen(Flinkblick& w)
{
    QAccessibleInterface* fenster = QAccessible::queryAccessibleInterface(&w);
    for (int i = 0; i < fenster->childCount(); ++i) {
        QAccessibleInterface* k = fenster->child(i);
        if (k->object() == w.Kurve && k->role() == QAccessible::Chart && !k->state().invisible &&
            k->text(QAccessible::Name) == u"Leistungskurve")
            return k->text(QAccessible::Description);
    }
    return {};
}

}  // namespace

Q_DECLARE_METATYPE(Laeufe)

class LeistungskurveTest : public QObject {
    Q_OBJECT
private slots:
    void zahlen();
    void saetze_data();
    void saetze();
    void gemalt();
    void anordnung();
    void einfacherLauf();
    void ausdauerlauf();
    void abseitsDerMeldung();
    void trefferLiestDieUhrEinmal();
};

void LeistungskurveTest::zahlen()
{
    // German decimals, half away from zero, never "-0,0", no group separator.
    QStringList d;
    for (double w : {-0.04, -0.06, 0.05, 2.25, 1234.56, 40.15}) d << kurve::dezimal(w, 1);
    QCOMPARE(d.join(' '), QStringLiteral("0,0 -0,1 0,1 2,3 1234,6 40,2"));
}

void LeistungskurveTest::saetze_data()
{
    QTest::addColumn<Laeufe>("laeufe");
    // The sentences under the last run's bars (a simple run's after its slowest
    // numbers), and a part of its description.
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QString>("vorgelesen");

    const Minuten beispiel{20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24};  // 325
    const Minuten weniger{30, 28, 26, 26, 26, 25, 25, 25, 24, 20, 15, 10};   // 280
    const QString b = QStringLiteral(
        "Minuten 1 bis 3: 67 Zahlen, Minuten 10 bis 12: 80 Zahlen (+19,4 %). "
        "Beste Minute (Rahmen): 9. mit 33 Zahlen.");
    QTest::newRow("Beispiel")
        << Laeufe{{0, beispiel}} << b
        << "Minute 1: 20; Minute 2: 25; Minute 3: 22; Minute 4: 30; Minute 5: 28; Minute 6: 31; "
           "Minute 7: 27; Minute 8: 29; Minute 9: 33; Minute 10: 30; Minute 11: 26; Minute 12: 24. "
           "Mittel: 27,1 Zahlen je Minute. Minuten 1 bis 3";
    // 64 falling to 60 is -6,25 %: ties round away from zero.
    QTest::newRow("-6,25 %") << Laeufe{{0, {21, 21, 22, 25, 25, 25, 25, 25, 25, 20, 20, 20}}}
                             << "Minuten 1 bis 3: 64 Zahlen, Minuten 10 bis 12: 60 Zahlen (-6,3 %). Beste Minuten "
                                "(Rahmen): 4., 5., 6., 7., 8. und 9. mit 25 Zahlen."
                             << "";
    QTest::newRow("weniger als der beste")
        << Laeufe{{0, beispiel}, {0, weniger}}
        << "Minuten 1 bis 3: 84 Zahlen, Minuten 10 bis 12: 45 Zahlen (-46,4 %). Beste Minute (Rahmen): 1. mit 30 "
           "Zahlen. Bester Lauf dieser Sitzung (Striche): 325 Zahlen, dieser Lauf 45 weniger."
        << "Bester Lauf dieser Sitzung je Minute: 20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24. Mittel: 23,3";
    // Once shown, a better run is the session's best: the marks are the best until now.
    QTest::newRow("neuer bester")
        << Laeufe{{0, weniger}, {0, beispiel}}
        << b + " Neuer bester Lauf dieser Sitzung: 45 mehr als der bisherige mit 280 Zahlen (Striche)."
        << "Bisher bester Lauf dieser Sitzung je Minute: 30, 28, 26, 26, 26, 25, 25, 25, 24, 20, 15, 10.";
    QTest::newRow("gleich viele") << Laeufe{{0, beispiel}, {0, beispiel}}
                                  << b + " Bester Lauf dieser Sitzung (Striche): 325 Zahlen, dieser Lauf gleich viele."
                                  << "";
    QTest::newRow("nach 1 Zahl") << Laeufe{{0, {1}}, {0, {1, 1}}}
                                 << "Minuten 1 bis 3: 2 Zahlen, Minuten 10 bis 12: 0 Zahlen (-100,0 %). Beste Minuten "
                                    "(Rahmen): 1. und 2. mit 1 Zahl. Neuer bester Lauf dieser Sitzung: 1 mehr als der "
                                    "bisherige mit 1 Zahl (Striche)."
                                 << "";

    // None slower than another; then ranked by the tenths as printed, equal ones in the order sought.
    QTest::newRow("erste einfache Runde") << Laeufe{{60, {}}} << ""
                                          << "Zahl 50: 1,2 s. Alle 50 Zahlen gleich schnell: je 1,2 s.";
    QTest::newRow("Zehntel wie gedruckt")
        << Laeufe{{50, {}, Gleich, false, {{3, 2.01}, {7, 2.04}, {11, 2.04}, {12, 2.04}, {13, 2.04}, {14, 2.049}}}}
        << ""
        << "Langsamste Zahlen: 3 (2,0 s), 7 (2,0 s), 11 (2,0 s), 12 (2,0 s), 13 (2,0 s) und 1 weitere mit 2,0 s.";
    QTest::newRow("gerundet vorn")
        << Laeufe{{50, {}, Gleich, false, {{20, 2.956}, {28, 2.174}, {37, 2.977}, {40, 2.2}}}} << ""
        << "Langsamste Zahlen: 20 (3,0 s), 37 (3,0 s), 28 (2,2 s), 40 (2,2 s), 1 (1,0 s) und 45 weitere mit 1,0 s.";
    // The map: the slow numbers in the left half; a tie for the slowest cell; empty cells and an empty half.
    QTest::newRow("gemischt, links langsam")
        << Laeufe{Gemischt}
        << "Links 1,1 s je Zahl, rechts 1,0 s (-9,1 %); oben 1,1 s, unten –. Langsamstes Feld: Zeile 1, Spalte 1, "
           "1,3 s, ebenso 1 weitere."
        << "Sekunden je Feld, Zeile 1: 1,3; 1,0; 1,3; 1,0; 1,0; 1,0; 1,0; –; –; –. Zeile 2: –;";
    QTest::newRow("neue Bestzeit")
        << Laeufe{{69.6, {}}, {66.5, {}}}
        << "Neue Bestzeit dieser Sitzung: 66,5 s, 3,1 s schneller als die bisherige (69,6 s)."
        << "";
    // 40,15 s prints as 40,2 s: as printed, the two are equally fast.
    QTest::newRow("gleich schnell wie gedruckt")
        << Laeufe{{40.15, {}}, {40.2, {}}} << "Bestzeit dieser Sitzung: 40,2 s, diese Runde: 40,2 s, gleich schnell."
        << "";
    // The fifth run of a kind brings the reading of the last five; a sixth drops the first.
    const QString er = QStringLiteral(" ER ist die mittlere Zeit der letzten fünf Runden. ");
    QTest::newRow("VR 1,20, PU 1,10")
        << Laeufe{{300, {}}, {120, {}}, {90, {}}, {80, {}}, {110, {}}, {100, {}}}
        << "Bestzeit dieser Sitzung: 80,0 s, diese Runde: 100,0 s, 20,0 s langsamer. Fünf-Runden-Probe: ER = 100,0 s; "
           "VR = 1,20; PU = 1,10." +
               er + "VR über 1: die erste Runde brauchte Anlauf. PU über 1: die vierte Runde ließ nach."
        << "";
    // 100,4 / 100 prints as 1,00: not above 1.
    QTest::newRow("VR und PU 1,004")
        << Laeufe{{100.4, {}}, {99.6, {}}, {99.6, {}}, {100.4, {}}, {100, {}}}
        << "Bestzeit dieser Sitzung: 99,6 s, diese Runde: 100,0 s, 0,4 s langsamer. Fünf-Runden-Probe: ER = 100,0 s; "
           "VR = 1,00; PU = 1,00." +
               er + "VR höchstens 1: kein Anlauf nötig. PU höchstens 1: gleichmäßig."
        << "";
}

void LeistungskurveTest::saetze()
{
    QFETCH(Laeufe, laeufe);
    QFETCH(QString, erwartet);
    QFETCH(QString, vorgelesen);
    const kurve::Kurvendaten k = auswerten(laeufe);
    QCOMPARE(k.saetze.mid(k.ausdauer ? 0 : 1).join(' '), erwartet);
    const QString b = k.beschreibung();
    QVERIFY2(b.contains(vorgelesen) && b.endsWith(k.saetze.join(' ')), qPrintable(b));
}

// The painter draws what the layout lists: each item's colour or ink inside
// its rectangle, nothing outside them all. An endurance run with tied best
// minutes, marks and a minute the best run found nothing in; a simple run
// with dots and miss figures.
void LeistungskurveTest::gemalt()
{
    Tafel t;
    kurve::Laufprotokoll p = gleichmaessig(60, true, {{7, 9.5}, {20, 0.04}});
    for (const auto& [zahl, n] : {std::pair{2, 2}, {8, 5}, {20, 1000}})
        p.fehlversuche.insert(p.fehlversuche.end(), n, zahl);
    kurve::Sitzung s;
    for (const kurve::Kurvendaten& daten :
         {auswerten({{0, Minuten{0, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60}},
                     {0, Minuten{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 110}}}),
          kurve::einfachAuswerten(p, s)}) {
        const QImage bild = t.malen(daten, 0);
        QRegion erlaubt;
        for (const kurve::Element& e : t.kurve.anordnung().elemente) {
            const QRect r = e.rect.toAlignedRect();
            erlaubt += r.adjusted(-1, -1, 1, 1);
            const QImage innen = bild.copy(r);
            const QColor farbe = e.art == kurve::Art::Balken ? Akzent : e.art == kurve::Art::Gitter ? Gitter : Weiss;
            bool da = e.istText() || e.art >= kurve::Art::Feld ? !tinte(innen).isNull() : r.isEmpty();  // or shaded
            for (int y = 0; y < innen.height() && !da; ++y) da = anzahl(innen, y, farbe) > 0;
            QVERIFY2(da, qPrintable(QStringLiteral("%1 %2").arg(int(e.art)).arg(e.zu)));
            if (e.art == kurve::Art::Feld && e.wert < 0) QCOMPARE(bild.pixelColor(r.topLeft()), Gitter);  // outlined
            int grau = 0;  // a dot is drawn smooth: grey at its rim
            for (int i = 0; e.art == kurve::Art::Punkt && i < innen.width() * innen.height(); ++i)
                grau +=
                    !QList<QColor>{Qt::black, Weiss}.contains(innen.pixelColor(i % innen.width(), i / innen.width()));
            QVERIFY(e.art != kurve::Art::Punkt || grau > 0);
        }
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                QVERIFY2(bild.pixelColor(x, y) == QColor(Qt::black) || erlaubt.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
}

// What a player once read wrongly, at the load size and in a window narrowed
// to 700 pixels: miss figures of neighbouring bars run together, a minute's
// count beside the best run's mark, a mark where the best run found nothing,
// sentences cut.
void LeistungskurveTest::anordnung()
{
    Tafel t;
    const auto von = [&](kurve::Art art) {
        std::vector<kurve::Element> r;
        for (const kurve::Element& e : t.kurve.anordnung().elemente)
            if (e.art == art) r.push_back(e);
        return r;
    };
    const auto alleSaetze = [&](const kurve::Kurvendaten& d) {
        std::set<int> gezeigt;
        for (const kurve::Element& e : von(kurve::Art::Satz)) gezeigt.insert(e.zu);
        return int(gezeigt.size()) == d.saetze.size();
    };
    kurve::Laufprotokoll p = gleichmaessig(60);
    for (const auto& [zahl, n] : {std::pair{1, 99}, {2, 99}, {5, 10}, {6, 12}})
        p.fehlversuche.insert(p.fehlversuche.end(), n, zahl);
    const Minuten ohneErste{0, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24};
    const kurve::Kurvendaten ausdauer =
        auswerten({{0, ohneErste}, {0, Minuten{30, 28, 26, 26, 26, 25, 25, 25, 24, 20, 15, 10}}});
    for (const int breite : {800, 700}) {
        t.fenster.resize(breite, 640);
        kurve::Sitzung s;
        t.malen(kurve::einfachAuswerten(p, s), 0);
        const auto balken = von(kurve::Art::Balken);
        QStringList zahlen;
        for (const kurve::Element& e : von(kurve::Art::Zahl)) {
            zahlen << e.text;
            // Between the midpoints to the neighbouring bars.
            const double mitte = balken[std::size_t(e.zu)].rect.center().x(),
                         feld = balken[1].rect.x() - balken[0].rect.x();
            QVERIFY(e.rect.left() >= mitte - feld / 2 && e.rect.right() <= mitte + feld / 2);
        }
        QCOMPARE(zahlen.join(' '), QStringLiteral("99 99 10 12"));
        QCOMPARE(von(kurve::Art::Legende).at(0).text, QStringLiteral("Fehlversuch (ab 4 als Zahl)"));
        // The map beside the sentences: the two slow cells in the slowest shade, the others found in the
        // fastest, the rest empty.
        t.malen(auswerten({Gemischt}), 0);
        QString schatten;
        for (const kurve::Element& e : von(kurve::Art::Feld))
            schatten += e.wert < 0 ? '-' : e.anteil == 1 ? '1' : e.anteil == 0 ? '0' : '?';
        QCOMPARE(schatten, "1010000" + QString(43, '-'));
        // Cells in the board's rows and columns, 11 × 18 pixels apart; the scale from the fastest to the slowest.
        const auto felder = von(kurve::Art::Feld), skala = von(kurve::Art::Skalenzahl);
        QCOMPARE(felder[12].rect.translated(-felder[0].rect.topLeft()), QRectF(22, 18, 10, 17));
        QCOMPARE(skala.at(0).text + skala.at(1).text, QStringLiteral("1,0 s1,3 s"));

        t.text.setText(QStringLiteral("Fehlversuche: 0\nIn der 12. Minute gefundene Zahlen: 10\nGesamt: 280"));
        t.malen(ausdauer, 0);
        QVERIFY(alleSaetze(ausdauer));
        // Minute 12's count right of the mark at 24, in the column every count shares; no mark in minute 1.
        const auto zahl = von(kurve::Art::Zahl), marken = von(kurve::Art::Marke);
        QCOMPARE(marken.size(), std::size_t(11));
        QVERIFY(marken.front().zu == 1 && zahl[11].rect.left() > marken.back().rect.right());
        for (const kurve::Element& e : zahl) QCOMPARE(e.rect.right(), zahl[0].rect.right());
    }
    // Four-digit counts at the load size: every sentence whole.
    t.fenster.resize(800, 640);
    const kurve::Kurvendaten viele =
        auswerten({{0, Minuten{1200, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100}},
                   {0, Minuten{1000, 1110, 1110, 1110, 1110, 1110, 1110, 1110, 1110, 1110, 1110, 1110}}});
    t.malen(viele, 0);
    QVERIFY(alleSaetze(viele) && !von(kurve::Art::Balken).empty());
}

// A simple run through the handlers: the panel only beside the results text,
// reading out the seconds per number in the order sought, misses included.
void LeistungskurveTest::einfacherLauf()
{
    fakes::Spiel s;
    Flinkblick& w = s.w();
    QStringList sichtbar;  // box: Label1 and panel visible
    QString gelesen;
    s.meldung.whileOpen = [&](const QString& t) {
        sichtbar << QStringLiteral("%1 %2").arg(label1Sichtbar(w)).arg(w.Kurve->isVisibleTo(&w));
        if (t == Bitte) gelesen = vorgelesen(w);
    };
    QVERIFY(zeigen(w));
    einfachStarten(w, &GleicheZahlenRunter);
    for (int z = 1; z <= 50; ++z) {
        s.uhr.advance(z == 1 ? 3.0 : 1.2);
        for (int i = 0; i < (z == 2 ? 1 : z == 50 ? 4 : 0); ++i) s.fehler();
        s.treffer();
    }
    QCOMPARE(sichtbar, (QStringList{"0 0", "0 0", "0 0", "0 0", "0 0", "0 0", "1 1"}));  // 5 misses, then the results
    QVERIFY2(gelesen.startsWith("Sekunden je Zahl, auf die Zehntelsekunde gemessen: Zahl 50: 3,0 s; Zahl 49: 1,2 s (1 "
                                "Fehlversuch); Zahl 48: 1,2 s; "),
             qPrintable(gelesen));
    // Then the map, 50 alone in the slowest cell.
    QVERIFY(gelesen.contains("; Zahl 1: 1,2 s (4 Fehlversuche). Sekunden je Feld, Zeile 1: "));
    QVERIFY2(gelesen.contains(". Langsamste Zahlen: 50 (3,0 s), ") && gelesen.endsWith(", 3,0 s."),
             qPrintable(gelesen));
    QVERIFY(QAccessible::queryAccessibleInterface(w.Kurve)->state().invisible);
}

// Endurance runs of 0, 60 and 5 numbers: the twelve counts of the results text
// without the time-up hit; a run without a hit frames no minute and is no
// session best, so only the third run is compared, with the second.
void LeistungskurveTest::ausdauerlauf()
{
    fakes::Spiel s;
    Flinkblick& w = s.w();
    QStringList sichtbar, gelesen;
    QImage bild;
    s.meldung.whileOpen = [&](const QString& t) {
        sichtbar << QStringLiteral("%1 %2").arg(label1Sichtbar(w)).arg(w.Kurve->isVisibleTo(&w));
        if (t == Bitte) gelesen << vorgelesen(w);
        if (t == Bitte && bild.isNull()) bild = w.Kurve->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    QVERIFY(zeigen(w));
    for (const int n : {0, 30, 5}) {
        w.BuntRunterStartBtn_Click();
        treffen(s, n);
        s.uhr.advance(61);
        treffen(s, n == 30 ? 20 : 0);  // a fresh board
        s.uhr.advance(600);
        treffen(s, n == 30 ? 10 : 0);
        s.uhr.advance(60);
        w.Timer12Min_Timer();
    }
    QCOMPARE(sichtbar, (QStringList{"0 0", "1 1", "0 0", "1 1", "0 0", "1 1"}));
    // Left of where the counts are written, the first run's bar lines stay black: no frame.
    const double zeile = QFontMetricsF(w.Label1->font()).lineSpacing();
    QVERIFY(tinte(bild.copy(0, int(zeile), 12, int(12 * zeile))).isNull());
    QCOMPARE(gelesen.value(1),
             QStringLiteral("Minute 1: 30; Minute 2: 20; Minute 3: 0; Minute 4: 0; Minute 5: 0; Minute 6: 0; "
                            "Minute 7: 0; Minute 8: 0; Minute 9: 0; Minute 10: 0; Minute 11: 0; Minute 12: 10. "
                            "Mittel: 5,0 Zahlen je Minute. "
                            "Minuten 1 bis 3: 50 Zahlen, Minuten 10 bis 12: 10 Zahlen (-80,0 %). "
                            "Beste Minute (Rahmen): 1. mit 30 Zahlen."));
    QVERIFY(gelesen.value(2).endsWith("Bester Lauf dieser Sitzung (Striche): 60 Zahlen, dieser Lauf 55 weniger."));
}

// With the real boxes on a shown window: the panel lies inside the window,
// beside every line of the results text and clear of the box.
void LeistungskurveTest::abseitsDerMeldung()
{
    for (const bool ausdauer : {true, false}) {
        kasten::SpielMitEchtenKaesten s;
        Flinkblick& w = s.w;
        QVERIFY(zeigen(w));
        QRect kurve, box;
        QStringList zeilen;
        QObject kontext;
        std::function<void()> pruefen = [&] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (m && m->isVisible()) {
                if (m->text() == Bitte) {
                    kurve = QRect(w.Kurve->mapToGlobal(QPoint(0, 0)), w.Kurve->size());
                    box = m->frameGeometry();
                    zeilen = w.Label1->text().split('\n');
                }
                m->done(QMessageBox::Ok);
            }
            if (zeilen.isEmpty()) QTimer::singleShot(10, &kontext, pruefen);
        };
        QTimer::singleShot(0, &kontext, pruefen);
        ausdauer ? w.StartBtn_Click() : einfachStarten(w);
        // Upwards, board after board; in the twelve minutes 100 to 111 numbers each.
        for (int m = 0, k = 0; m < (ausdauer ? 12 : 1); ++m, s.uhr.advance(60))
            for (int i = 0; i < (ausdauer ? 100 + m : 50); ++i, ++k) w.Zahllbl_Click(k % 50);
        if (ausdauer) w.Timer12Min_Timer();

        QCOMPARE(zeilen.size(), ausdauer ? 14 : 2);
        QVERIFY(kurve.width() >= 250 && kurve.height() >= 300);
        QVERIFY(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()).contains(kurve));
        QVERIFY(!kurve.intersects(box));
        const QFontMetricsF fm(w.Label1->font());
        const QPoint l = w.Label1->mapToGlobal(QPoint(0, 0));
        for (int i = 0; i < zeilen.size(); ++i)
            QVERIFY2(!kurve.intersects(
                         QRectF(l.x(), l.y() + i * fm.lineSpacing(), fm.horizontalAdvance(zeilen[i]), fm.lineSpacing())
                             .toAlignedRect()),
                     qPrintable(zeilen[i]));
    }
}

// A hit reads the clock once, in either kind of run; a miss never.
void LeistungskurveTest::trefferLiestDieUhrEinmal()
{
    ZaehlendeUhr uhr;
    fakes::ScriptedRandom zufall;
    fakes::AnsweringMessageBox meldung;
    Flinkblick w({uhr, zufall, meldung});
    for (const bool ausdauer : {true, false}) {
        ausdauer ? w.StartBtn_Click() : einfachStarten(w);
        uhr.lesungen = 0;
        w.Zahllbl_Click(0);
        w.Zahllbl_Click(0);  // a miss: 2 is sought
        for (int z = 2; z <= 49; ++z) w.Zahllbl_Click(z - 1);
        QCOMPARE(uhr.lesungen, 49);
        uhr.uhr.advance(720);
        if (ausdauer) w.Timer12Min_Timer();  // back to the start menu
    }
    // The system clock's monotonic reading alone is the one Now takes.
    ui::SystemClock echt;
    const std::int64_t vorher = echt.Now().monoNs, mitte = echt.MonoNs(), nachher = echt.Now().monoNs;
    QVERIFY(vorher <= mitte && mitte <= nachher);
}

FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(LeistungskurveTest)
#include "test_leistungskurve.moc"

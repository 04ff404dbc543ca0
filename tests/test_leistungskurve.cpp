// The Leistungskurve: every sentence worked out by hand, the painted panel
// read back pixel by pixel, what a screen reader hears of it, and that it
// comes and goes with the results text.
#include <QAccessible>
#include <QMessageBox>
#include <QTest>

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

// A simple run upwards whose 50 hits come evenly over `sekunden`.
kurve::Laufprotokoll gleichmaessig(double sekunden, bool mischen = false)
{
    kurve::Laufprotokoll p{Gleich, false, mischen, Beginn, {}, {}};
    for (int z = 1; z <= 50; ++z) p.treffer.push_back({z, Beginn + std::llround(sekunden * 1e9 * z / 50)});
    return p;
}

// One run of a session: an endurance run with its minutes, or a simple run of
// 50 equally fast numbers.
struct Lauf {
    double sekunden;  // 0: an endurance run
    Minuten minuten;
    QString modus = Gleich;
    bool mischen = false;
};
using Laeufe = std::vector<Lauf>;

// Plays the runs into one session; the figures of the last.
kurve::Kurvendaten auswerten(const Laeufe& laeufe)
{
    kurve::Sitzung s;
    kurve::Kurvendaten k;
    for (const Lauf& l : laeufe) {
        kurve::Laufprotokoll p = gleichmaessig(l.sekunden, l.mischen);
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
    void ausdauerGemalt();
    void einfachGemalt();
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
        "Minuten 1 bis 3: 22,3, Minuten 10 bis 12: 26,7 je Minute (+19,4 %). "
        "Beste Minute (Rahmen): 9. mit 33 Zahlen.");
    QTest::newRow("Beispiel")
        << Laeufe{{0, beispiel}} << b
        << "Minute 1: 20; Minute 2: 25; Minute 3: 22; Minute 4: 30; Minute 5: 28; Minute 6: 31; "
           "Minute 7: 27; Minute 8: 29; Minute 9: 33; Minute 10: 30; Minute 11: 26; Minute 12: 24. "
           "Mittel: 27,1 Zahlen je Minute. Minuten 1 bis 3";
    // 64 falling to 60 is -6,25 %, 80 rising to 81 is +1,25 %: ties round away from zero.
    QTest::newRow("-6,25 %") << Laeufe{{0, {21, 21, 22, 25, 25, 25, 25, 25, 25, 20, 20, 20}}}
                             << "Minuten 1 bis 3: 21,3, Minuten 10 bis 12: 20,0 je Minute (-6,3 %). Beste Minuten "
                                "(Rahmen): 4., 5., 6., 7., 8. und 9. mit 25 Zahlen."
                             << "";
    QTest::newRow("+1,25 %") << Laeufe{{0, {26, 26, 28, 25, 25, 25, 25, 25, 25, 27, 27, 27}}}
                             << "Minuten 1 bis 3: 26,7, Minuten 10 bis 12: 27,0 je Minute (+1,3 %). Beste Minute "
                                "(Rahmen): 3. mit 28 Zahlen."
                             << "";
    QTest::newRow("nichts gefunden") << Laeufe{{0, {}}} << "Minuten 1 bis 3: 0,0, Minuten 10 bis 12: 0,0 je Minute."
                                     << "";
    QTest::newRow("weniger als der beste")
        << Laeufe{{0, beispiel}, {0, weniger}}
        << "Minuten 1 bis 3: 28,0, Minuten 10 bis 12: 15,0 je Minute (-46,4 %). Beste Minute (Rahmen): 1. mit 30 "
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
                                 << "Minuten 1 bis 3: 0,7, Minuten 10 bis 12: 0,0 je Minute (-100,0 %). Beste Minuten "
                                    "(Rahmen): 1. und 2. mit 1 Zahl. Neuer bester Lauf dieser Sitzung: 1 mehr als der "
                                    "bisherige mit 1 Zahl (Striche)."
                                 << "";
    // A run that found nothing leaves no marks; nor are other kinds compared.
    QTest::newRow("nur andere Arten")
        << Laeufe{{0, {}}, {0, beispiel, "GleicheZahlenRunter"}, {0, beispiel, Gleich, true}, {60, {}}, {0, {2}}}
        << "Minuten 1 bis 3: 0,7, Minuten 10 bis 12: 0,0 je Minute (-100,0 %). Beste Minute (Rahmen): 1. mit 2 Zahlen."
        << "";

    QTest::newRow("erste einfache Runde")
        << Laeufe{{60, {}}} << ""
        << "Zahl 50: 1,2 s. Langsamste Zahlen: 1 (1,2 s), 2 (1,2 s), 3 (1,2 s), 4 (1,2 s), 5 (1,2 s).";
    QTest::newRow("langsamer") << Laeufe{{69.6, {}}, {72, {}}}
                               << "Bestzeit dieser Sitzung: 69,6 s, diese Runde: 72,0 s, 2,4 s langsamer."
                               << "";
    QTest::newRow("neue Bestzeit")
        << Laeufe{{69.6, {}}, {66.5, {}}}
        << "Neue Bestzeit dieser Sitzung: 66,5 s, 3,1 s schneller als die bisherige (69,6 s)."
        << "";
    // 40,15 s prints as 40,2 s: as printed, the two are equally fast.
    QTest::newRow("gleich schnell wie gedruckt")
        << Laeufe{{40.15, {}}, {40.2, {}}} << "Bestzeit dieser Sitzung: 40,2 s, diese Runde: 40,2 s, gleich schnell."
        << "";
    QTest::newRow("andere Arten einfach")
        << Laeufe{{30, {}, "GleicheZahlenRunter"}, {30, {}, Gleich, true}, {0, {5}}, {60, {}}} << ""
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

// Counts 10, 20 … 110 and 110 again against a best run of 60 a minute: each bar
// on its minute's line, as long as its count, both 110 framed, a mark at 60.
void LeistungskurveTest::ausdauerGemalt()
{
    Tafel t;
    t.text.setText(QStringLiteral("Fehlversuche: 0\nIn der 12. Minute gefundene Zahlen: 110"));
    const kurve::Kurvendaten daten = auswerten({{0, Minuten{60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60}},
                                                {0, Minuten{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 110}}});
    // Beside that text the sentences take six lines: the panel reaches below the text, clear of the box.
    const QImage platz = t.malen(daten, 0);
    QVERIFY(platz.height() > 449 && platz.height() <= 449 + 21);
    const QImage bild = t.malen(daten, 400);
    const auto mitte = [&](int m) { return int((m + 1.5) * t.zeile()); };
    const auto balken = strecken(bild, mitte(11), Akzent);  // cut by the mark
    QCOMPARE(balken.front().first, 8);
    const double jeZahl = (balken.back().second - 7) / 110.0;
    QVERIFY(jeZahl > 2);
    const int marke = 8 + int(std::lround(60 * jeZahl));
    for (int m = 0; m < 12; ++m) {
        const int y = mitte(m), ende = 8 + int(std::lround(std::min(m + 1, 11) * 10 * jeZahl)) - 1;
        const auto b = strecken(bild, y, Akzent);
        // A frame's pen covers the last pixel of its bar.
        QVERIFY2(!b.empty() && b.front().first == 8 && std::abs(b.back().second - ende) <= (m >= 10 ? 2 : 1),
                 qPrintable(QString::number(m)));
        // The frame: white just left of the bar and just right of its end, on the best minutes only.
        const int e = b.back().second;
        QCOMPARE(!tinte(bild.copy(6, y, 2, 1)).isNull() && !tinte(bild.copy(e + 1, y, 2, 1)).isNull(), m >= 10);
        // The mark of the best run: white across the line, right of the shorter bars.
        QVERIFY(bild.pixelColor(marke, y - 3) == Weiss || bild.pixelColor(marke - 1, y - 3) == Weiss);
        // The count, written right of the bar or the mark.
        QVERIFY(tinte(bild.copy(std::max(e, marke) + 6, y - 6, 60, 12)).width() > 5);
    }
    QCOMPARE(bild.pixelColor(marke - 12, mitte(0)), QColor(Qt::black));  // between the bar of 10 and the mark
    // The mean over the bars, the sentences under them.
    QVERIFY(tinte(bild.copy(0, 0, 400, int(t.zeile()))).width() > 100);
    QVERIFY(tinte(bild.copy(0, int(13 * t.zeile()) + 2, 400, 30)).width() > 100);
}

// Ten numbers of 2, 4, 1, 3, 8, 2, 2, 5, 1 and 2 seconds, with two misses on
// the second, one on the fifth and five on the eighth. The axis runs 0 to 8 s
// in steps of 2; then one number of 1200 s, whose axis labels reach 1200 s.
void LeistungskurveTest::einfachGemalt()
{
    Tafel t;
    kurve::Laufprotokoll p{Gleich, false, false, 0, {}, {2, 2, 5, 8, 8, 8, 8, 8}};
    std::int64_t ns = 0;
    for (int z = 1; z <= 10; ++z)
        p.treffer.push_back({z, ns += std::int64_t{1'000'000'000} * ("2413822512"[z - 1] - '0')});
    kurve::Sitzung s;
    const QImage bild = t.malen(kurve::einfachAuswerten(p, s), 600);

    // The axis: the lowest long white line; the grid: four grey lines above it
    // (between the bars), evenly spaced.
    int achse = 0;
    std::vector<int> gitter;
    for (int y = 0; y < bild.height(); ++y) {
        const auto w = strecken(bild, y, Weiss);
        if (!w.empty() && w.back().second - w.back().first > 400) achse = y;
        if (anzahl(bild, y, Gitter) > 150) gitter.push_back(y);
    }
    QCOMPARE(gitter.size(), std::size_t(4));
    const double schritt = (achse - gitter.front()) / 4.0;
    for (int i = 0; i < 4; ++i) QVERIFY(std::abs(gitter[std::size_t(i)] - (achse - (4 - i) * schritt)) <= 1);
    const int x0 = strecken(bild, achse, Weiss).back().first;

    // The bars stand on the axis, as high as their seconds: 2 s are one grid step.
    const auto balken = strecken(bild, achse - 1, Akzent);
    QCOMPARE(balken.size(), std::size_t(10));
    QVERIFY(strecken(bild, achse + 1, Akzent).empty() &&
            balken.back().second < strecken(bild, achse, Weiss).back().second);
    const int sekunden[] = {2, 4, 1, 3, 8, 2, 2, 5, 1, 2}, fehler[] = {0, 2, 0, 0, 1, 0, 0, 5, 0, 0};
    for (std::size_t i = 0; i < 10; ++i) {
        const int x = (balken[i].first + balken[i].second) / 2;
        QVERIFY(balken[i].first > x0);
        const auto saeule = strecken(bild, x, Akzent, true);
        QVERIFY(!saeule.empty() && saeule.back().second == achse - 1);
        const int oben = saeule.back().first;
        QVERIFY2(std::abs((achse - oben) - sekunden[i] * schritt / 2) <= 1.5, qPrintable(QString::number(i)));
        // Misses: a white dot each, up to three, 7 pixels apart; more are written as a number.
        int punkte = 0;
        for (int k = 0; k < 3; ++k) punkte += bild.pixelColor(x, oben - 5 - 7 * k) == Weiss ? 1 : 0;
        if (fehler[i] <= 3) QCOMPARE(punkte, fehler[i]);
        if (fehler[i] > 3) QVERIFY(!tinte(bild.copy(x - 10, oben - 20, 20, 19)).isNull());
    }
    // The number sought under the first bar and every fifth.
    for (std::size_t i = 0; i < 10; ++i) {
        const int x = (balken[i].first + balken[i].second) / 2;
        QCOMPARE(!tinte(bild.copy(x - 3, achse + 2, 7, 12)).isNull(), i == 0 || i == 4 || i == 9);
    }
    // Each axis label is centred on its line, between the panel's margin and the axis.
    for (const int y : {achse, gitter[0], gitter[3]}) {
        const QRect schrift = tinte(bild.copy(0, y - 10, x0, 21));
        QVERIFY2(schrift.left() >= 7 && std::abs(schrift.center().y() - 10) <= 2, qPrintable(QString::number(y)));
    }

    // One number of 1200 s: the top label is "1200 s", whole.
    kurve::Laufprotokoll lang{Gleich, false, false, 0, {{1, 1'200'000'000'000LL}}, {}};
    const QImage hoch = t.malen(kurve::einfachAuswerten(lang, s), 600);
    int oben = 0;
    while (anzahl(hoch, oben, Gitter) < 150) ++oben;
    const int x1 = strecken(hoch, oben, Gitter).front().first;
    const int breit = QFontMetrics(t.kurve.font()).tightBoundingRect(QStringLiteral("1200 s")).width();
    QVERIFY(std::abs(tinte(hoch.copy(0, oben - 10, x1 - 1, 21)).width() - breit) <= 2);
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
    QVERIFY(gelesen.contains("; Zahl 1: 1,2 s (4 Fehlversuche). Langsamste Zahlen: 50 (3,0 s), "));
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
                            "Minuten 1 bis 3: 16,7, Minuten 10 bis 12: 3,3 je Minute (-80,0 %). "
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

// The Leistungskurve: its figures worked out by hand, what a screen reader
// hears of it, and that it comes and goes with the results text.
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
// The design's example: 325 numbers in twelve minutes.
const Minuten Beispiel{20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24};

// A simple run upwards whose hits come `abstand` seconds apart.
kurve::Laufprotokoll gleichmaessig(double abstand, bool mischen = false)
{
    kurve::Laufprotokoll p{Gleich, false, mischen, Beginn, {}, {}};
    for (int z = 1; z <= 50; ++z) p.treffer.push_back({z, Beginn + std::int64_t(z * abstand * 1e9)});
    return p;
}

// Counts the game's clock readings, whole or monotonic only.
struct ZaehlendeUhr final : ui::Clock {
    fakes::ManualClock uhr;
    int lesungen = 0;
    ui::Zeitpunkt Now() override { return ++lesungen, uhr.Now(); }
    std::int64_t MonoNs() override { return ++lesungen, uhr.now_.monoNs; }
};

// The accent-coloured pixels of one row of the panel: the length of its bar.
int akzentBreite(const QImage& bild, int y)
{
    int n = 0;
    for (int x = 0; x < bild.width(); ++x) n += bild.pixelColor(x, y) == Leistungskurve::akzent() ? 1 : 0;
    return n;
}

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

class LeistungskurveTest : public QObject {
    Q_OBJECT
private slots:
    void statistik();
    void beschreibung();
    void einfacherLauf();
    void ausdauerlauf();
    void abseitsDerMeldung();
    void trefferLiestDieUhrEinmal();
    void aenderungGenauAufDerMitte();
    void ausdauerOhneTreffer();
    void besterLaufVorgelesen();
};

void LeistungskurveTest::statistik()
{
    QCOMPARE(kurve::summe(Beispiel), 325);
    QCOMPARE(kurve::dezimal(kurve::mittelJeMinute(Beispiel), 1), QStringLiteral("27,1"));
    QCOMPARE(kurve::besteMinute(Beispiel), 8);
    QCOMPARE(kurve::besteMinute(Minuten{3, 7, 7}), 1);              // the first of equals
    const kurve::AnfangEnde ae = kurve::anfangGegenEnde(Beispiel);  // 67 / 3 against 80 / 3: +19,40 %
    QCOMPARE(kurve::dezimal(ae.anfang, 2) + ' ' + kurve::dezimal(ae.ende, 2), QStringLiteral("22,33 26,67"));
    QCOMPARE(*ae.aenderungZehntel, 194);
    QVERIFY(!kurve::anfangGegenEnde(Minuten{0, 0, 0, 9, 9, 9, 9, 9, 9, 4, 4, 4}).aenderungZehntel);
    QCOMPARE(kurve::dezimal(-0.04, 1) + ' ' + kurve::dezimal(-0.06, 1) + ' ' + kurve::dezimal(1234.56, 1),
             QStringLiteral("0,0 -0,1 1234,6"));

    // Endurance runs compare by total, the earlier on a tie; every mode keeps its own.
    kurve::Sitzung s;
    s.merken({Gleich, false, true, 0, Minuten{20, 50}});
    s.merken({Gleich, false, true, 0, Minuten{70}});
    s.merken({Gleich, false, false, 91.5, {}});
    QCOMPARE(*s.besterAusdauerlauf(Gleich, false), (Minuten{20, 50}));
    QCOMPARE(*s.bestzeit(Gleich, false), 91.5);
    QVERIFY(!s.bestzeit(QStringLiteral("BunteZahlenHoch"), false));

    // ER = 500 / 5, VR = 120 / 100, PU = 80 / 100; a sixth run drops the first.
    const auto f = kurve::fuenfRunden({300, 120, 100, 90, 80, 110});
    QVERIFY(f && f->er == 100.0 && f->vr == 1.2 && f->pu == 0.8);
    QVERIFY(!kurve::fuenfRunden({120, 100, 90, 80}));
    QVERIFY(!kurve::fuenfRunden({0, 0, 0, 0, 0}));
}

void LeistungskurveTest::beschreibung()
{
    kurve::Sitzung s;
    const kurve::Laufprotokoll p = gleichmaessig(1.0);
    QCOMPARE(kurve::ausdauerAuswerten(Beispiel, p, s).beschreibung(),
             QStringLiteral("Minute 1: 20; Minute 2: 25; Minute 3: 22; Minute 4: 30; Minute 5: 28; Minute 6: 31; "
                            "Minute 7: 27; Minute 8: 29; Minute 9: 33; Minute 10: 30; Minute 11: 26; Minute 12: 24. "
                            "Mittel: 27,1 Zahlen je Minute. "
                            "Minuten 1 bis 3: 22,3, Minuten 10 bis 12: 26,7 je Minute (+19,4 %). "
                            "Beste Minute (Rahmen): 9. mit 33 Zahlen."));
    // Set against runs of the same kind only.
    QVERIFY(!kurve::ausdauerAuswerten(Beispiel, gleichmaessig(1.0, true), s).bester);

    // 2,0 s, 1,5 s and 0,5 s for the first three numbers, 1,0 s for the others.
    kurve::Laufprotokoll e = gleichmaessig(1.0);
    for (int i = 0; i < 50; ++i) e.treffer[std::size_t(i)].monoNs += (i == 0 ? 1 : i == 1 ? 1.5 : 1) * 1'000'000'000LL;
    e.fehlversuche = {2, 3, 3};
    const QString b = kurve::einfachAuswerten(e, s).beschreibung();
    QVERIFY2(b.startsWith("Zahl 1: 2,0 s; Zahl 2: 1,5 s (1 Fehlversuch); Zahl 3: 0,5 s (2 Fehlversuche); "
                          "Zahl 4: 1,0 s; Zahl 5: 1,0 s; "),
             qPrintable(b));
    QVERIFY2(b.endsWith("; Zahl 50: 1,0 s. Langsamste Zahlen: 1 (2,0 s), 2 (1,5 s), 4 (1,0 s), 5 (1,0 s), 6 (1,0 s)."),
             qPrintable(b));
    QCOMPARE(b.count(QStringLiteral("; Zahl ")), 49);

    // Runs of 51 (above), 100, 90, 80 and 110 seconds: the fifth brings the reading.
    QStringList saetze;
    for (double t : {100.0, 90.0, 80.0, 110.0}) saetze = kurve::einfachAuswerten(gleichmaessig(t / 50), s).saetze;
    QCOMPARE(saetze, (QStringList{"Langsamste Zahlen: 1 (2,2 s), 2 (2,2 s), 3 (2,2 s), 4 (2,2 s), 5 (2,2 s).",
                                  "Bestzeit dieser Sitzung: 51,0 s, diese Runde: 110,0 s, 59,0 s langsamer.",
                                  "Fünf-Runden-Probe: ER = 86,2 s; VR = 0,59; PU = 0,93.",
                                  "ER ist die mittlere Zeit der letzten fünf Runden.",
                                  "VR höchstens 1: kein Anlauf nötig.", "PU höchstens 1: gleichmäßig."}));
    // 90, 110, 100, 120 and 30 seconds: ER 90,0, VR 1,00, PU 1,33.
    for (double t : {90.0, 110.0, 100.0, 120.0}) kurve::einfachAuswerten(gleichmaessig(t / 50, true), s);
    QCOMPARE(kurve::einfachAuswerten(gleichmaessig(0.6, true), s).saetze.mid(1),
             (QStringList{"Bestzeit dieser Sitzung: 90,0 s, diese Runde: 30,0 s, 60,0 s schneller, neue Bestzeit.",
                          "Fünf-Runden-Probe: ER = 90,0 s; VR = 1,00; PU = 1,33.",
                          "ER ist die mittlere Zeit der letzten fünf Runden.", "VR höchstens 1: kein Anlauf nötig.",
                          "PU über 1: die vierte Runde ließ nach."}));
}

// A simple run through the handlers: the panel only beside the results text,
// reading out the seconds per number in the order sought, misses included.
void LeistungskurveTest::einfacherLauf()
{
    fakes::Spiel s;
    Flinkblick& w = s.w();
    QStringList sichtbar;  // box: Label1 and panel visible
    QString gelesen;
    QImage bild;
    s.meldung.whileOpen = [&](const QString& t) {
        sichtbar << QStringLiteral("%1 %2").arg(label1Sichtbar(w)).arg(w.Kurve->isVisibleTo(&w));
        if (t != Bitte) return;
        gelesen = vorgelesen(w);
        bild = w.Kurve->grab().toImage();
    };
    QVERIFY(zeigen(w));
    einfachStarten(w, &GleicheZahlenRunter);
    for (int z = 1; z <= 50; ++z) {
        s.uhr.advance(z == 1 ? 3.0 : 1.2);
        for (int i = 0; i < (z == 2 ? 1 : z == 50 ? 4 : 0); ++i) s.fehler();
        s.treffer();
    }
    QCOMPARE(sichtbar, (QStringList{"0 0", "0 0", "0 0", "0 0", "0 0", "0 0", "1 1"}));  // 5 misses, then the results
    QVERIFY2(gelesen.startsWith("Zahl 50: 3,0 s; Zahl 49: 1,2 s (1 Fehlversuch); Zahl 48: 1,2 s; "),
             qPrintable(gelesen));
    QVERIFY(gelesen.contains("; Zahl 1: 1,2 s (4 Fehlversuche). Langsamste Zahlen: 50 (3,0 s), "));
    QVERIFY(akzentBreite(bild, bild.height() / 2) > 0);
    QVERIFY(!w.Kurve->isVisibleTo(&w));
    QVERIFY(QAccessible::queryAccessibleInterface(w.Kurve)->state().invisible);
}

// An endurance run: the twelve counts of the results text, without the time-up
// hit, each bar on its minute's line and as long as its count.
void LeistungskurveTest::ausdauerlauf()
{
    fakes::Spiel s;
    Flinkblick& w = s.w();
    QStringList sichtbar, gelesen;
    QImage bild;
    s.meldung.whileOpen = [&](const QString& t) {
        sichtbar << QStringLiteral("%1 %2").arg(label1Sichtbar(w)).arg(w.Kurve->isVisibleTo(&w));
        if (t == Bitte) gelesen << vorgelesen(w);
        if (t == Bitte) bild = w.Kurve->grab().toImage();
    };
    QVERIFY(zeigen(w));
    for (int lauf = 0; lauf < 2; ++lauf) {
        w.BuntRunterStartBtn_Click();
        treffen(s, lauf == 0 ? 30 : 5);
        s.uhr.advance(61);
        treffen(s, lauf == 0 ? 20 : 0);  // a fresh board
        s.uhr.advance(600);
        treffen(s, lauf == 0 ? 10 : 0);
        s.uhr.advance(60);
        w.Timer12Min_Timer();
        if (lauf == 0) {
            // Bars 30 : 20 : 0 … 10 long; the frame of the best covers a pixel at each end.
            const double zeile = QFontMetricsF(w.Label1->font()).lineSpacing();
            const auto breite = [&](int z) { return akzentBreite(bild, int((z + 0.5) * zeile)); };
            QVERIFY(breite(1) > 60);
            QVERIFY(std::abs(breite(2) * 3 - (breite(1) + 2) * 2) <= 6);
            QCOMPARE(breite(3), 0);
            QVERIFY(std::abs(breite(12) * 3 - (breite(1) + 2)) <= 6);
        }
    }
    QCOMPARE(sichtbar, (QStringList{"0 0", "1 1", "0 0", "1 1"}));
    QCOMPARE(gelesen.value(0),
             QStringLiteral("Minute 1: 30; Minute 2: 20; Minute 3: 0; Minute 4: 0; Minute 5: 0; Minute 6: 0; "
                            "Minute 7: 0; Minute 8: 0; Minute 9: 0; Minute 10: 0; Minute 11: 0; Minute 12: 10. "
                            "Mittel: 5,0 Zahlen je Minute. "
                            "Minuten 1 bis 3: 16,7, Minuten 10 bis 12: 3,3 je Minute (-80,0 %). "
                            "Beste Minute (Rahmen): 1. mit 30 Zahlen."));
    QVERIFY(gelesen.value(1).endsWith("Bester Lauf dieser Sitzung (Striche): 60 Zahlen, dieser Lauf 55 weniger."));
    QVERIFY(!w.Kurve->isVisibleTo(&w));
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

// An exact tie of the change rounds away from zero, as every figure of the panel:
// 64 falling to 60 is -6,25 %, 80 rising to 81 is +1,25 %.
void LeistungskurveTest::aenderungGenauAufDerMitte()
{
    kurve::Sitzung s;
    const kurve::Laufprotokoll p = gleichmaessig(1.0);
    const QString fallend =
        kurve::ausdauerAuswerten(Minuten{21, 21, 22, 25, 25, 25, 25, 25, 25, 20, 20, 20}, p, s).beschreibung();
    QVERIFY2(fallend.contains(" Minuten 1 bis 3: 21,3, Minuten 10 bis 12: 20,0 je Minute (-6,3 %). "),
             qPrintable(fallend));
    const QString steigend =
        kurve::ausdauerAuswerten(Minuten{26, 26, 28, 25, 25, 25, 25, 25, 25, 27, 27, 27}, p, s).beschreibung();
    QVERIFY2(steigend.contains(" Minuten 1 bis 3: 26,7, Minuten 10 bis 12: 27,0 je Minute (+1,3 %). "),
             qPrintable(steigend));
}

// An endurance run without a hit is still a run of its mode: the next one of
// that mode is set against the session's best, and no minute is named or
// framed as the best when none found anything.
void LeistungskurveTest::ausdauerOhneTreffer()
{
    fakes::Spiel s;
    Flinkblick& w = s.w();
    QStringList gelesen;
    QImage bild;
    s.meldung.whileOpen = [&](const QString& t) {
        if (t != Bitte) return;
        gelesen << vorgelesen(w);
        if (gelesen.size() == 1) bild = w.Kurve->grab().toImage();
    };
    QVERIFY(zeigen(w));
    for (const int treffer : {0, 3, 0}) {
        w.GleichRunterStartBtn_Click();
        treffen(s, treffer);
        s.uhr.advance(720);
        w.Timer12Min_Timer();
    }
    QCOMPARE(gelesen.value(0),
             QStringLiteral("Minute 1: 0; Minute 2: 0; Minute 3: 0; Minute 4: 0; Minute 5: 0; Minute 6: 0; "
                            "Minute 7: 0; Minute 8: 0; Minute 9: 0; Minute 10: 0; Minute 11: 0; Minute 12: 0. "
                            "Mittel: 0,0 Zahlen je Minute. Minuten 1 bis 3: 0,0, Minuten 10 bis 12: 0,0 je Minute."));
    QVERIFY2(gelesen.value(2).endsWith("Bester Lauf dieser Sitzung (Striche): 3 Zahlen, dieser Lauf 3 weniger."),
             qPrintable(gelesen.value(2)));
    // Left of where the counts are written, the twelve bar lines of the first run stay black: no frame.
    const double zeile = QFontMetricsF(w.Label1->font()).lineSpacing();
    int weiss = 0;
    for (int y = int(zeile); y < int(13 * zeile); ++y)
        for (int x = 0; x < 12; ++x) weiss += bild.pixelColor(x, y) == QColor(Qt::white) ? 1 : 0;
    QCOMPARE(weiss, 0);
}

// The thin marks of the session's best run are read out with its twelve counts.
void LeistungskurveTest::besterLaufVorgelesen()
{
    kurve::Sitzung s;
    const kurve::Laufprotokoll p = gleichmaessig(1.0);
    kurve::ausdauerAuswerten(Beispiel, p, s);
    // 280 numbers, 28 falling to 15 a minute.
    const Minuten weniger{30, 28, 26, 26, 26, 25, 25, 25, 24, 20, 15, 10};
    QCOMPARE(kurve::ausdauerAuswerten(weniger, p, s).beschreibung(),
             QStringLiteral("Minute 1: 30; Minute 2: 28; Minute 3: 26; Minute 4: 26; Minute 5: 26; Minute 6: 25; "
                            "Minute 7: 25; Minute 8: 25; Minute 9: 24; Minute 10: 20; Minute 11: 15; Minute 12: 10. "
                            "Bester Lauf dieser Sitzung je Minute: 20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24. "
                            "Mittel: 23,3 Zahlen je Minute. "
                            "Minuten 1 bis 3: 28,0, Minuten 10 bis 12: 15,0 je Minute (-46,4 %). "
                            "Beste Minute (Rahmen): 1. mit 30 Zahlen. "
                            "Bester Lauf dieser Sitzung (Striche): 325 Zahlen, dieser Lauf 45 weniger."));
}

FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(LeistungskurveTest)
#include "test_leistungskurve.moc"

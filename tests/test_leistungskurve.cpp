// The Leistungskurve: its statistics worked out by hand, what a screen reader
// hears of it, and that it appears and disappears with the results text.
#include <QAccessible>
#include <QImage>
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
constexpr std::int64_t Sekunde = 1'000'000'000LL;

// A simple run of 50 numbers upwards, each found `sekunden` after the one before.
kurve::Laufprotokoll gleichmaessig(double sekunden)
{
    kurve::Laufprotokoll p;
    for (int z = 1; z <= 50; ++z)
        p.trefferNotieren(QStringLiteral("GleicheZahlenHoch"), z, Beginn + std::int64_t(z * sekunden * Sekunde));
    return p;
}

// Counts the clock readings of the game, whole or monotonic only.
struct ZaehlendeUhr final : ui::Clock {
    fakes::ManualClock uhr;
    int lesungen = 0;
    ui::Zeitpunkt Now() override
    {
        ++lesungen;
        return uhr.Now();
    }
    std::int64_t MonoNs() override
    {
        ++lesungen;
        return uhr.now_.monoNs;
    }
};

// The columns of one pixel row of `bild` that show the accent colour.
int akzentBreite(const QImage& bild, int y)
{
    int n = 0;
    for (int x = 0; x < bild.width(); ++x) n += bild.pixelColor(x, y) == Leistungskurve::akzent() ? 1 : 0;
    return n;
}

// What the panel showed while a box was open.
struct Blick {
    QString box;
    bool label1, kurve;
    QString beschreibung;
    QAccessible::Role rolle;
    QString name;
    bool unsichtbar;
};

Blick blick(Flinkblick& w, const QString& box)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.Kurve);
    return {box,       label1Sichtbar(w),          w.Kurve->isVisibleTo(&w),  a->text(QAccessible::Description),
            a->role(), a->text(QAccessible::Name), bool(a->state().invisible)};
}

}  // namespace

class LeistungskurveTest : public QObject {
    Q_OBJECT
private slots:
    void minuten();
    void zahlen();
    void sitzungUndFuenfRunden();
    void beschreibungAusdauer();
    void beschreibungEinfach();
    void einfacherLauf();
    void ausdauerlauf();
    void abseitsDerMeldung();
    void trefferLiestDieUhrEinmal();
};

// The design's own example run: 20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24.
void LeistungskurveTest::minuten()
{
    const Minuten m{20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24};
    QCOMPARE(kurve::summe(m), 325);
    QCOMPARE(kurve::dezimal(kurve::mittelJeMinute(m), 1), QStringLiteral("27,1"));
    QCOMPARE(kurve::besteMinute(m), 8);
    const kurve::AnfangEnde ae = kurve::anfangGegenEnde(m);
    QCOMPARE(kurve::dezimal(ae.anfang, 2), QStringLiteral("22,33"));             // 67 / 3
    QCOMPARE(kurve::dezimal(ae.ende, 2), QStringLiteral("26,67"));               // 80 / 3
    QCOMPARE(kurve::dezimal(*ae.aenderungProzent, 2), QStringLiteral("19,40"));  // 13 / 67

    // Equal counts: the first is the best; a start without finds has no percentage.
    QCOMPARE(kurve::besteMinute(Minuten{3, 7, 7}), 1);
    QVERIFY(!kurve::anfangGegenEnde(Minuten{0, 0, 0, 9, 9, 9, 9, 9, 9, 4, 4, 4}).aenderungProzent);
    QCOMPARE(*kurve::anfangGegenEnde(Minuten{10, 10, 10, 0, 0, 0, 0, 0, 0, 8, 8, 8}).aenderungProzent, -20.0);

    QCOMPARE(kurve::dezimal(-0.04, 1), QStringLiteral("0,0"));
    QCOMPARE(kurve::dezimal(-0.06, 1), QStringLiteral("-0,1"));
    QCOMPARE(kurve::dezimal(1234.56, 1), QStringLiteral("1234,6"));
}

void LeistungskurveTest::zahlen()
{
    kurve::Laufprotokoll p;
    const QString m = QStringLiteral("BunteZahlenRunter");
    p.fehlversuchNotieren(50);
    p.trefferNotieren(m, 50, Beginn + 2'500'000'000);
    p.fehlversuchNotieren(49);
    p.fehlversuchNotieren(49);
    p.trefferNotieren(m, 49, Beginn + 4'000'000'000);
    p.trefferNotieren(m, 48, Beginn + 4'300'000'000);
    p.trefferNotieren(m, 47, Beginn + 5'800'000'000);
    p.trefferNotieren(m, 46, Beginn + 9'800'000'000);
    p.trefferNotieren(m, 45, Beginn + 9'900'000'000);
    QCOMPARE(p.modus, m);

    const auto z = kurve::zeitenJeZahl(Beginn, p);
    QCOMPARE(z.size(), std::size_t(6));
    const double sekunden[] = {2.5, 1.5, 0.3, 1.5, 4.0, 0.1};
    const int zahl[] = {50, 49, 48, 47, 46, 45}, fehler[] = {1, 2, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 6; ++i) {
        QCOMPARE(z[i].zahl, zahl[i]);
        QVERIFY2(std::abs(z[i].sekunden - sekunden[i]) < 1e-9, qPrintable(QString::number(z[i].sekunden)));
        QCOMPARE(z[i].fehlversuche, fehler[i]);
    }
    QVERIFY(std::abs(kurve::laufzeit(Beginn, p) - 9.9) < 1e-9);

    // Slowest first; of the two 1,5 s the one sought first.
    QList<int> langsam;
    for (const auto& l : kurve::langsamste(z)) langsam << l.zahl;
    QCOMPARE(langsam, (QList<int>{46, 50, 49, 47, 48}));
}

void LeistungskurveTest::sitzungUndFuenfRunden()
{
    const QString bunt = QStringLiteral("BunteZahlenHoch"), gleich = QStringLiteral("GleicheZahlenHoch");
    kurve::Sitzung s;
    QVERIFY(!s.bestzeit(bunt, false));
    s.merken({bunt, false, false, 95.0, {}});
    s.merken({bunt, true, false, 80.0, {}});     // other setting
    s.merken({gleich, false, false, 70.0, {}});  // other mode
    s.merken({bunt, false, false, 91.5, {}});
    s.merken({bunt, false, true, 0, Minuten{30, 30}});  // endurance runs are no simple runs
    s.merken({bunt, false, true, 0, Minuten{20, 50}});
    s.merken({bunt, false, true, 0, Minuten{70}});  // equal total: the earlier stays best
    QCOMPARE(*s.bestzeit(bunt, false), 91.5);
    QCOMPARE(*s.bestzeit(bunt, true), 80.0);
    QCOMPARE(*s.besterAusdauerlauf(bunt, false), (Minuten{20, 50}));
    QVERIFY(!s.besterAusdauerlauf(bunt, true));
    QCOMPARE(s.letzteZeiten(bunt, false, 5), (std::vector<double>{95.0, 91.5}));

    QVERIFY(!kurve::fuenfRunden({120, 100, 90, 80}));
    QVERIFY(!kurve::fuenfRunden({0, 0, 0, 0, 0}));  // runs without time give no ratios
    // ER = 500 / 5 = 100, VR = 120 / 100, PU = 80 / 100; a sixth run drops the first.
    for (const auto& zeiten :
         {std::vector<double>{120, 100, 90, 80, 110}, std::vector<double>{300, 120, 100, 90, 80, 110}}) {
        const auto f = kurve::fuenfRunden(zeiten);
        QVERIFY(f);
        QCOMPARE(f->er, 100.0);
        QCOMPARE(f->vr, 1.2);
        QCOMPARE(f->pu, 0.8);
    }
}

void LeistungskurveTest::beschreibungAusdauer()
{
    kurve::Sitzung s;
    kurve::Laufprotokoll p;
    p.trefferNotieren(QStringLiteral("GleicheZahlenRunter"), 50, Beginn);
    const Minuten m{20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24};
    const kurve::Kurvendaten k = kurve::ausdauerAuswerten(m, p, false, s);
    QCOMPARE(k.beschreibung(),
             QStringLiteral("Minute 1: 20; Minute 2: 25; Minute 3: 22; Minute 4: 30; Minute 5: 28; Minute 6: 31; "
                            "Minute 7: 27; Minute 8: 29; Minute 9: 33; Minute 10: 30; Minute 11: 26; Minute 12: 24. "
                            "Mittel: 27,1 Zahlen je Minute. "
                            "Minuten 1 bis 3: 22,3, Minuten 10 bis 12: 26,7 je Minute (+19,4 %). "
                            "Beste Minute (Rahmen): 9. mit 33 Zahlen."));

    // The next run of the kind is set against the best so far; another setting is not.
    const Minuten weniger{30, 28, 26, 26, 26, 25, 25, 25, 24, 20, 15, 10};
    const QString zweite = kurve::ausdauerAuswerten(weniger, p, false, s).beschreibung();
    QVERIFY2(
        zweite.endsWith(QStringLiteral(" (-46,4 %). Beste Minute (Rahmen): 1. mit 30 Zahlen. "
                                       "Bester Lauf dieser Sitzung (Striche): 325 Zahlen, dieser Lauf 45 weniger.")),
        qPrintable(zweite));
    QVERIFY(!kurve::ausdauerAuswerten(weniger, p, true, s).bester);
    const auto dritte = kurve::ausdauerAuswerten(Minuten{1}, p, false, s);
    QCOMPARE(*dritte.bester, m);
    QCOMPARE(dritte.saetze.value(1),
             QStringLiteral("Minuten 1 bis 3: 0,3, Minuten 10 bis 12: 0,0 je Minute (-100,0 %)."));
    QCOMPARE(dritte.saetze.value(2), QStringLiteral("Beste Minute (Rahmen): 1. mit 1 Zahl."));
}

void LeistungskurveTest::beschreibungEinfach()
{
    kurve::Sitzung s;
    const QString modus = QStringLiteral("GleicheZahlenHoch");
    kurve::Laufprotokoll p;
    // 2,0 s, 1,5 s, 0,5 s, then 1,0 s for each of the other 47 numbers.
    const double bei[] = {2.0, 3.5, 4.0};
    for (int z = 1; z <= 50; ++z)
        p.trefferNotieren(modus, z, Beginn + std::int64_t((z <= 3 ? bei[z - 1] : 4.0 + (z - 3)) * Sekunde));
    p.fehlversuche = {2, 3, 3};
    const QString b = kurve::einfachAuswerten(Beginn, p, modus, false, s).beschreibung();
    QVERIFY2(b.startsWith(QStringLiteral("Zahl 1: 2,0 s; Zahl 2: 1,5 s (1 Fehlversuch); "
                                         "Zahl 3: 0,5 s (2 Fehlversuche); Zahl 4: 1,0 s; Zahl 5: 1,0 s; ")),
             qPrintable(b));
    QVERIFY2(b.endsWith(QStringLiteral("; Zahl 49: 1,0 s; Zahl 50: 1,0 s. "
                                       "Langsamste Zahlen: 1 (2,0 s), 2 (1,5 s), 4 (1,0 s), 5 (1,0 s), 6 (1,0 s).")),
             qPrintable(b));
    QCOMPARE(b.count(QStringLiteral("; Zahl ")), 49);

    // Four more runs, of 100, 90, 80 and 110 seconds: the fifth brings the reading of 51, 100, 90, 80, 110.
    const double laengen[] = {100, 90, 80, 110};
    QStringList saetze;
    for (double t : laengen) saetze = kurve::einfachAuswerten(Beginn, gleichmaessig(t / 50), modus, false, s).saetze;
    QCOMPARE(saetze, (QStringList{
                         QStringLiteral("Langsamste Zahlen: 1 (2,2 s), 2 (2,2 s), 3 (2,2 s), 4 (2,2 s), 5 (2,2 s)."),
                         QStringLiteral("Bestzeit dieser Sitzung: 51,0 s, diese Runde: 110,0 s, 59,0 s langsamer."),
                         QStringLiteral("Fünf-Runden-Probe: ER = 86,2 s; VR = 0,59; PU = 0,93."),
                         QStringLiteral("ER ist die mittlere Zeit der letzten fünf Runden."),
                         QStringLiteral("VR höchstens 1: kein Anlauf nötig."),
                         QStringLiteral("PU höchstens 1: gleichmäßig."),
                     }));
    // 120, 100, 90, 80, 110: ER 100, VR 1,20, PU 0,80; another setting has its own runs.
    kurve::Sitzung t;
    QStringList letzte;
    for (double l : {120.0, 100.0, 90.0, 80.0, 110.0})
        letzte = kurve::einfachAuswerten(Beginn, gleichmaessig(l / 50), modus, true, t).saetze;
    QCOMPARE(letzte.value(2), QStringLiteral("Fünf-Runden-Probe: ER = 100,0 s; VR = 1,20; PU = 0,80."));
    QCOMPARE(letzte.value(4), QStringLiteral("VR über 1: die erste Runde brauchte Anlauf."));
    QCOMPARE(kurve::einfachAuswerten(Beginn, gleichmaessig(1.0), modus, true, t).saetze.value(1),
             QStringLiteral("Bestzeit dieser Sitzung: 80,0 s, diese Runde: 50,0 s, 30,0 s schneller, neue Bestzeit."));
    QCOMPARE(kurve::einfachAuswerten(Beginn, gleichmaessig(1.0), modus, true, t).saetze.value(1),
             QStringLiteral("Bestzeit dieser Sitzung: 50,0 s, diese Runde: 50,0 s, gleich schnell."));
    QVERIFY(!kurve::einfachAuswerten(Beginn, gleichmaessig(1.0), QStringLiteral("BunteZahlenHoch"), true, t)
                 .saetze.join(QString())
                 .contains(QStringLiteral("Bestzeit")));
}

// A whole simple run through the handlers: the panel is there only while the
// results text is, and tells the screen reader the seconds per number.
void LeistungskurveTest::einfacherLauf()
{
    fakes::Spiel s;
    Flinkblick& w = s.w();
    QList<Blick> blicke;
    QImage bild;
    bool imFenster = false;  // among the window's accessible children, as the controls are
    s.meldung.whileOpen = [&](const QString& t) {
        blicke << blick(w, t);
        if (t != Bitte) return;
        bild = w.Kurve->grab().toImage();
        QAccessibleInterface* fenster = QAccessible::queryAccessibleInterface(&w);
        for (int i = 0; i < fenster->childCount(); ++i) imFenster |= fenster->child(i)->object() == w.Kurve;
    };
    QVERIFY(zeigen(w));
    QVERIFY(!w.Kurve->isVisibleTo(&w));
    einfachStarten(w, &GleicheZahlenRunter);
    for (int z = 1; z <= 50; ++z) {
        s.uhr.advance(z == 1 ? 3.0 : 1.2);
        if (z == 2) s.fehler();
        if (z == 50) {
            for (int i = 0; i < 4; ++i) s.fehler();
        }
        if (z == 25) QVERIFY(!w.Kurve->isVisibleTo(&w));
        s.treffer();
    }
    QCOMPARE(blicke.size(), 7);  // five misses, then the two results boxes
    for (int i = 0; i < 6; ++i) QVERIFY(!blicke[i].kurve);
    const Blick& b = blicke.last();
    QCOMPARE(b.box, Bitte);
    QVERIFY(b.label1 && b.kurve);
    QVERIFY(!b.unsichtbar);
    QCOMPARE(b.rolle, QAccessible::Chart);
    QCOMPARE(b.name, QStringLiteral("Leistungskurve"));
    QVERIFY(imFenster);
    QVERIFY2(
        b.beschreibung.startsWith(QStringLiteral("Zahl 50: 3,0 s; Zahl 49: 1,2 s (1 Fehlversuch); Zahl 48: 1,2 s; ")),
        qPrintable(b.beschreibung));
    QVERIFY(
        b.beschreibung.contains(QStringLiteral("; Zahl 1: 1,2 s (4 Fehlversuche). Langsamste Zahlen: 50 (3,0 s), ")));
    QVERIFY(akzentBreite(bild, bild.height() / 2) > 0);  // the bars are drawn

    QVERIFY(!w.Kurve->isVisibleTo(&w));
    QVERIFY(QAccessible::queryAccessibleInterface(w.Kurve)->state().invisible);
    QCOMPARE(w.Label1->caption(), QStringLiteral("Fehlversuche: 5\r\nZeit = 1:2"));
}

// An endurance run: the twelve counts of the results text, not the time-up hit;
// each bar as long as its count.
void LeistungskurveTest::ausdauerlauf()
{
    fakes::Spiel s;
    Flinkblick& w = s.w();
    QList<Blick> blicke;
    QImage bild;
    QRect kurve;
    s.meldung.whileOpen = [&](const QString& t) {
        blicke << blick(w, t);
        if (t == Bitte) {
            bild = w.Kurve->grab().toImage();
            kurve = w.Kurve->geometry();
        }
    };
    QVERIFY(zeigen(w));
    w.BuntRunterStartBtn_Click();
    treffen(s, 30);
    s.uhr.advance(61);
    treffen(s, 20);  // a fresh board
    s.uhr.advance(600);
    treffen(s, 10);
    QVERIFY(!w.Kurve->isVisibleTo(&w));
    s.uhr.advance(60);
    w.Timer12Min_Timer();

    QCOMPARE(blicke.size(), 2);
    QCOMPARE(blicke[0].box, Um);
    QVERIFY(!blicke[0].kurve);
    const Blick& b = blicke[1];
    QVERIFY(b.label1 && b.kurve && !b.unsichtbar);
    QCOMPARE(b.beschreibung,
             QStringLiteral("Minute 1: 30; Minute 2: 20; Minute 3: 0; Minute 4: 0; Minute 5: 0; Minute 6: 0; "
                            "Minute 7: 0; Minute 8: 0; Minute 9: 0; Minute 10: 0; Minute 11: 0; Minute 12: 10. "
                            "Mittel: 5,0 Zahlen je Minute. "
                            "Minuten 1 bis 3: 16,7, Minuten 10 bis 12: 3,3 je Minute (-80,0 %). "
                            "Beste Minute (Rahmen): 1. mit 30 Zahlen."));
    QCOMPARE(w.Label1->caption(), ausdauerText(0, {30, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10}, 60));
    QVERIFY(!w.Kurve->isVisibleTo(&w));

    // Bars on their minute's line of the results text, 30 : 20 : 0 : 10 long.
    const double zeile = QFontMetricsF(w.Label1->font()).lineSpacing();
    const auto mitteDerZeile = [&](int z) { return int((z + 0.5) * zeile) - kurve.top(); };
    const int dreissig = akzentBreite(bild, mitteDerZeile(1));
    QVERIFY(dreissig > 60);
    // The frame of the best minute covers a pixel at each end of its bar.
    QVERIFY(std::abs(akzentBreite(bild, mitteDerZeile(2)) * 3 - (dreissig + 2) * 2) <= 6);
    QCOMPARE(akzentBreite(bild, mitteDerZeile(3)), 0);
    QVERIFY(std::abs(akzentBreite(bild, mitteDerZeile(12)) * 3 - (dreissig + 2)) <= 6);

    // The next run of the kind brings the best one's marks.
    blicke.clear();
    w.BuntRunterStartBtn_Click();
    treffen(s, 5);
    s.uhr.advance(720);
    w.Timer12Min_Timer();
    QVERIFY(blicke.last().beschreibung.endsWith(
        QStringLiteral("Bester Lauf dieser Sitzung (Striche): 60 Zahlen, dieser Lauf 55 weniger.")));
}

// On a shown window with the real boxes: the panel lies inside the window,
// beside every line of the results text, and clear of the box.
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
                    zeilen = w.Label1->text().split(QLatin1Char('\n'));
                }
                m->done(QMessageBox::Ok);
            }
            if (w.Kurve->isVisible() || zeilen.isEmpty()) QTimer::singleShot(10, &kontext, pruefen);
        };
        QTimer::singleShot(0, &kontext, pruefen);
        if (ausdauer) {
            w.StartBtn_Click();
            int k = 0;
            for (int m = 0; m < 12; ++m) {
                // Upwards, board after board: the k-th hit is on number k % 50 + 1.
                for (int i = 0; i < 100 + m; ++i, ++k) w.Zahllbl_Click(k % 50);
                s.uhr.advance(60);
            }
            w.Timer12Min_Timer();
        } else {
            einfachStarten(w);
            for (int i = 0; i < 50; ++i) {
                s.uhr.advance(2);
                w.Zahllbl_Click(i);
            }
        }
        QCOMPARE(zeilen.size(), ausdauer ? 14 : 2);
        QVERIFY(kurve.isValid());
        QVERIFY(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()).contains(kurve));
        QVERIFY2(!kurve.intersects(box), qPrintable(QStringLiteral("%1,%2 %3x%4 / box %5,%6")
                                                        .arg(kurve.x())
                                                        .arg(kurve.y())
                                                        .arg(kurve.width())
                                                        .arg(kurve.height())
                                                        .arg(box.x())
                                                        .arg(box.y())));
        const QFontMetricsF fm(w.Label1->font());
        const QPoint label = w.Label1->mapToGlobal(QPoint(0, 0));
        for (int i = 0; i < zeilen.size(); ++i) {
            const QRect zeile =
                QRectF(label.x(), label.y() + i * fm.lineSpacing(), fm.horizontalAdvance(zeilen[i]), fm.lineSpacing())
                    .toAlignedRect();
            QVERIFY2(!kurve.intersects(zeile), qPrintable(zeilen[i]));
        }
        QVERIFY(kurve.width() >= 250 && kurve.height() >= (ausdauer ? 400 : 300));
    }
}

// A hit reads the clock once, in a simple run as in an endurance run; a miss never.
void LeistungskurveTest::trefferLiestDieUhrEinmal()
{
    ZaehlendeUhr uhr;
    fakes::ScriptedRandom zufall;
    fakes::AnsweringMessageBox meldung;
    Flinkblick w({uhr, zufall, meldung});
    for (const bool ausdauer : {true, false}) {
        if (ausdauer)
            w.StartBtn_Click();  // the run length selected at load
        else
            einfachStarten(w);
        uhr.lesungen = 0;
        w.Zahllbl_Click(0);
        QCOMPARE(uhr.lesungen, 1);
        w.Zahllbl_Click(0);
        QCOMPARE(uhr.lesungen, 1);
        for (int z = 2; z <= 49; ++z) w.Zahllbl_Click(z - 1);
        QCOMPARE(uhr.lesungen, 49);
        uhr.uhr.advance(720);
        w.Timer12Min_Timer();  // back to the start menu; nothing in a simple run
    }
    // The system clock's monotonic reading alone is the one Now takes.
    ui::SystemClock echt;
    const std::int64_t vorher = echt.Now().monoNs, mitte = echt.MonoNs(), nachher = echt.Now().monoNs;
    QVERIFY(vorher <= mitte && mitte <= nachher && nachher - vorher < 1'000'000'000);
}

FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(LeistungskurveTest)
#include "test_leistungskurve.moc"

// The two board builders as they write and draw: the order of every property
// write and every random draw, where the labels land, and which style a
// scripted draw gives.
#include <QRegularExpression>
#include <QtTest>
#include <cmath>

#include "board/Aufbau.h"
#include "tests/support/SpielTest.h"
#include "ui/Units.h"

using fakes::RecordingTrace;
using spielhilfe::bauen;
using spielhilfe::name;
using spielhilfe::Stil;
using ui::Property;

namespace {

// One letter per property write (in the order of ui::Property), 'r' for a draw, 'Z' for Randomize.
QString muster(const std::vector<RecordingTrace::Event>& events)
{
    QString s;
    for (const auto& e : events)
        s += e.kind == RecordingTrace::Kind::Draw        ? QLatin1Char('r')
             : e.kind == RecordingTrace::Kind::Randomize ? QLatin1Char('Z')
                                                         : QStringLiteral("CVLTWHFBANSI").at(int(e.property));
    return s;
}

// One label of one build: the letters A H W … V with the draws in between.
QString labelMuster(Stil s)
{
    return s == Stil::Bunt ? QStringLiteral("AHWrrrFrNrICrSr+LTV") : QStringLiteral("AHWFNSICr+LTV");
}

// The draw in the middle of slot s's fiftieth of [0, 1).
float mitte(int s)
{
    return float(2 * s + 1) / 100.0f;
}

// Six neutral style draws (colourful only) followed by the slot draws.
void skriptFuerLabel(fakes::ScriptedRandom& z, Stil s, const std::vector<float>& slotZuege,
                     std::vector<float> stilZuege = {0, 0, 0, 0, 0, 0})
{
    if (s == Stil::Bunt) z.script(stilZuege);
    z.script(slotZuege);
}

// Everything a label shows, as the game and as Qt hold it; where it stands only with `lage`.
QString zustand(const ui::Label& l, bool lage = true)
{
    QString s;
    QDebug(&s) << l.caption() << l.text() << l.foreColor() << l.backColor() << l.fontName() << l.fontItalic()
               << l.alignment() << l.isHidden() << l.font().toString() << l.palette().color(QPalette::WindowText).name()
               << l.palette().color(QPalette::Window).name();
    for (float f : {l.fontSize(), l.widthTwips(), l.heightTwips()}) s += QString::number(f, 'g', 9) + u' ';
    if (lage) QDebug(&s) << QString::number(l.left(), 'g', 9) << QString::number(l.top(), 'g', 9) << l.geometry();
    return s;
}

std::vector<float> gezogen(const std::vector<RecordingTrace::Event>& events)
{
    std::vector<float> d;
    for (const auto& e : events)
        if (e.kind == RecordingTrace::Kind::Draw) d.push_back(e.value.toFloat());
    return d;
}

// Watches every write of a build: after each one, is any label hidden?
struct Sichtwache final : ui::Trace {
    explicit Sichtwache(Flinkblick& f) : w(f) {}
    void propertyWritten(int control, Property, const QVariant&) override
    {
        ++schreibzugriffe;
        for (const ui::Label* l : w.Zahllbl)
            if (!l->isVisible())
                verborgen = QStringLiteral("Zahllbl(%1) after a write to Zahllbl(%2)").arg(l->index()).arg(control);
    }
    void randomized() override {}
    void drawn(float) override {}

    Flinkblick& w;
    int schreibzugriffe = 0;
    QString verborgen;
};

// Columns "erst" and "dann": both builders in every order.
void jeStilPaar()
{
    QTest::addColumn<Stil>("erst");
    QTest::addColumn<Stil>("dann");
    for (Stil a : {Stil::Bunt, Stil::Gleich})
        for (Stil b : {Stil::Bunt, Stil::Gleich}) QTest::addRow("%s, dann %s", name(a), name(b)) << a << b;
}

}  // namespace

class BrettTest : public SpielTest {
    Q_OBJECT

private slots:
    void init()
    {
        SpielTest::init();
        trace_.events.clear();
        trace_.attach(w(), s().zufall);
    }

    void cleanup()
    {
        trace_.detach(w(), s().zufall);
        SpielTest::cleanup();
    }

    // What a build writes and draws, and in which order.
    void schreibUndZiehfolge_data() { jeStilPaar(); }

    // Each build reseeds first, then writes label by label, never BackColor.
    // Style draws sit between the writes they feed; the slot draws come after
    // the style steps and before Left.
    void schreibUndZiehfolge()
    {
        QFETCH(Stil, erst);
        QFETCH(Stil, dann);
        bauen(w(), erst);
        bauen(w(), dann);
        const QString alles = muster(trace_.events);
        const QRegularExpression re(QStringLiteral("^Z(%1){50}Z(%2){50}$").arg(labelMuster(erst), labelMuster(dann)));
        QVERIFY2(re.match(alles).hasMatch(), qPrintable(alles));
        // Eleven writes to each label, all of label i before any of label i + 1.
        int k = 0;
        for (const auto& e : trace_.events)
            if (e.kind == RecordingTrace::Kind::Write) QCOMPARE(e.control, k++ / 11 % 50);
    }

    // A rebuild in the middle of a run, after a hit with reshuffling on, is a
    // whole build that reseeds first, and the only reseed of the hit.
    void neuMischenImSpielRandomisiertZuerst()
    {
        spielhilfe::einfachStarten(w());
        w().ImmerNeuMischenChk->setValue(1);
        for (int treffer = 0; treffer < 3; ++treffer) {
            const auto ab = std::ptrdiff_t(trace_.events.size());
            s().treffer();
            const QString folge = muster({trace_.events.begin() + ab, trace_.events.end()});
            const QRegularExpression re(QStringLiteral("^Z(%1){50}[^Z]*$").arg(labelMuster(Stil::Bunt)));
            QVERIFY2(re.match(folge).hasMatch(), qPrintable(folge));
        }
    }

    // Where the labels land.
    void feldLage_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<int>("frei");
        QTest::addColumn<int>("fehlzuege");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        const struct {
            int frei, fehlzuege;
            float left, top;
        } faelle[] = {{0, 120, 1000, 800},  {9, 0, 10000, 800},  {17, 1000, 8000, 2400}, {23, 0, 4000, 4000},
                      {39, 0, 10000, 5600}, {40, 0, 1000, 7200}, {49, 300, 10000, 7200}};
        for (Stil s : {Stil::Bunt, Stil::Gleich})
            for (const auto& f : faelle)
                QTest::addRow("%s: Feld %d frei, %d Fehlzuege", name(s), f.frei, f.fehlzuege)
                    << s << f.frei << f.fehlzuege << f.left << f.top;
    }

    // At the load size of 12000 × 9600 twips: labels 0 … 48 take the other
    // slots with one draw each, and label 49 the one left free, after draws of
    // taken slots, the two extremes of [0, 1) included. Every label is one cell.
    void feldLage()
    {
        QFETCH(Stil, stil);
        QFETCH(int, frei);
        QFETCH(int, fehlzuege);
        QFETCH(float, left);
        QFETCH(float, top);
        std::vector<float> vergeben;
        for (int s = 0; s < 50; ++s)
            if (s != frei) vergeben.push_back(mitte(s));
        for (float r : vergeben) skriptFuerLabel(zufall(), stil, {r});
        std::vector<float> letzte;
        for (int k = 0; k < fehlzuege; ++k) {
            const float r = vergeben[static_cast<std::size_t>(k) % vergeben.size()];
            letzte.push_back(k % 7 == 0 && frei != 0 ? 0.0f : k % 7 == 1 && frei != 49 ? 0.99999994f : r);
        }
        letzte.push_back(mitte(frei));
        skriptFuerLabel(zufall(), stil, letzte);

        bauen(w(), stil);
        QCOMPARE(zufall().pending(), std::size_t{0});
        QCOMPARE(gezogen(trace_.events).size(), std::size_t(stil == Stil::Bunt ? 300 : 0) + 50 + fehlzuege);
        // Lengths are compared as doubles: floats one step apart differ there.
        QCOMPARE(double(w().Zahllbl[49]->left()), double(left));
        QCOMPARE(double(w().Zahllbl[49]->top()), double(top));
        for (const ui::Label* l : w().Zahllbl) {
            QCOMPARE(double(l->widthTwips()), 1000.0);
            QCOMPARE(double(l->heightTwips()), 1600.0);
        }
    }

    void zellenFolgenDerFenstergroesse_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("hoehe");
        QTest::addColumn<QList<double>>("zelle");  // width, height; left and top of slots 0 and 49
        // The window takes whole pixels: 10005 × 7770, 15015 × 11010, 3000 × 2010 twips.
        const struct {
            double breite, hoehe;
            QList<double> zelle;
        } groessen[] = {{10007, 7777, {833.75, 1295, 833.75, 647.5, 8337.5, 5827.5}},
                        {15013, 11017, {1251.25, 1835, 1251.25, 917.5, 12512.5, 8257.5}},
                        {3001, 2003, {250, 335, 250, 167.5, 2500, 1507.5}}};
        for (Stil s : {Stil::Bunt, Stil::Gleich})
            for (const auto& g : groessen)
                QTest::addRow("%s: %g x %g", name(s), g.breite, g.hoehe) << s << g.breite << g.hoehe << g.zelle;
    }

    // A build after a resize follows the new size: nothing of the earlier build
    // is kept. The sizes are odd, so the cells are not whole twips.
    void zellenFolgenDerFenstergroesse()
    {
        QFETCH(Stil, stil);
        QFETCH(double, breite);
        QFETCH(double, hoehe);
        QFETCH(QList<double>, zelle);
        bauen(w(), stil);
        w().setOuterWidthTwips(breite);
        w().setOuterHeightTwips(hoehe);

        // Label 0 takes slot 0, label 7 slot 49.
        for (int s : {0, 1, 2, 3, 4, 5, 6, 49}) skriptFuerLabel(zufall(), stil, {mitte(s)});
        bauen(w(), stil);
        for (const ui::Label* l : w().Zahllbl) {
            QCOMPARE(double(l->widthTwips()), zelle[0]);
            QCOMPARE(double(l->heightTwips()), zelle[1]);
        }
        QCOMPARE(double(w().Zahllbl[0]->left()), zelle[2]);
        QCOMPARE(double(w().Zahllbl[0]->top()), zelle[3]);
        QCOMPARE(double(w().Zahllbl[7]->left()), zelle[4]);
        QCOMPARE(double(w().Zahllbl[7]->top()), zelle[5]);
    }

    void aufbauUeberSichtbaremBrettVerbirgtNichts_data() { jeStilPaar(); }

    void aufbauUeberSichtbaremBrettVerbirgtNichts()
    {
        QFETCH(Stil, erst);
        QFETCH(Stil, dann);
        QVERIFY(spielhilfe::zeigen(w()));
        bauen(w(), erst);
        std::vector<QRect> vorher;
        for (const ui::Label* l : w().Zahllbl) vorher.push_back(l->geometry());

        Sichtwache wache(w());
        for (ui::Label* l : w().Zahllbl) l->setTrace(&wache);
        bauen(w(), dann);
        for (ui::Label* l : w().Zahllbl) l->setTrace(&trace_);

        QCOMPARE(wache.schreibzugriffe, 50 * 11);
        QVERIFY2(wache.verborgen.isEmpty(), qPrintable(wache.verborgen));
        int bewegt = 0;
        for (std::size_t i = 0; i < 50; ++i) bewegt += w().Zahllbl[i]->geometry() != vorher[i];
        QVERIFY2(bewegt > 0, "the second build moved no label");
    }

    // The style a draw gives.
    void bunterStilAusZuegen_data()
    {
        QTest::addColumn<std::vector<float>>("zuege");
        QTest::addColumn<std::int32_t>("farbe");
        QTest::addColumn<QString>("schrift");
        QTest::addColumn<bool>("kursiv");
        QTest::addColumn<float>("groesse");
        const float k1 = 0.9999999f, knappHalb = std::nextafter(0.5f, 0.0f);
        const struct {
            const char* name;
            std::vector<float> zuege;
            std::int32_t farbe;
            const char* schrift;
            bool kursiv;
            float groesse;
        } faelle[] = {
            {"alles knapp 1", {k1, k1, k1, k1, k1, k1}, ui::RGB(255, 255, 255), "MS Sans Serif", true, 30},
            {"rot, gruen, blau getrennt", {0, 0.5f, k1, 0, 0, 0}, ui::RGB(56, 156, 255), "Arial Black", false, 10},
            {"blau, gruen, rot getrennt",
             {k1, 0.0075f, 0.0025f, 0, 0, 0},
             ui::RGB(255, 57, 56),
             "Arial Black",
             false,
             10},
            {"schraeg bei genau 0.5", {0, 0, 0, 0, 0.5f, 0}, ui::RGB(56, 56, 56), "Arial Black", true, 10},
            {"aufrecht knapp unter 0.5", {0, 0, 0, 0, knappHalb, 0}, ui::RGB(56, 56, 56), "Arial Black", false, 10},
            {"alles verschieden",
             {0.5f, 0.25f, 0.75f, 0.45f, 0.6f, 0.85f},
             ui::RGB(156, 106, 206),
             "Dauphin",
             true,
             30}};
        for (const auto& f : faelle)
            QTest::newRow(f.name) << f.zuege << f.farbe << QString::fromLatin1(f.schrift) << f.kursiv << f.groesse;
        // Face and size from the same draw: the middle of each fifth, and its
        // lower edge (the float nearest to 0.2, 0.4, … lies just above it).
        const struct {
            float r;
            const char* schrift;
            float groesse;
        } stufen[] = {{0.1f, "Arial Black", 10},     {0.3f, "Courier New", 15},     {0.5f, "Dauphin", 20},
                      {0.7f, "LithographLight", 25}, {0.9f, "MS Sans Serif", 30},   {0.2f, "Courier New", 15},
                      {0.4f, "Dauphin", 20},         {0.6f, "LithographLight", 25}, {0.8f, "MS Sans Serif", 30}};
        for (const auto& st : stufen)
            QTest::addRow("Schrift und Groesse bei %g", double(st.r))
                << std::vector<float>{0, 0, 0, st.r, 0, st.r} << ui::RGB(56, 56, 56) << QString::fromLatin1(st.schrift)
                << false << st.groesse;
    }

    // Label 0's six draws are scripted; its properties are what the draws give.
    void bunterStilAusZuegen()
    {
        QFETCH(std::vector<float>, zuege);
        QFETCH(std::int32_t, farbe);
        QFETCH(QString, schrift);
        QFETCH(bool, kursiv);
        QFETCH(float, groesse);
        skriptFuerLabel(zufall(), Stil::Bunt, {mitte(0)}, zuege);
        w().BunteAufbauen();
        const ui::Label& l = *w().Zahllbl[0];
        QCOMPARE(l.foreColor(), farbe);
        QCOMPARE(l.fontName(), schrift);
        QCOMPARE(l.fontItalic(), kursiv);
        QCOMPARE(double(l.fontSize()), double(groesse));
    }

    void beschriftung_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<QStringList>("texte");  // of Zahllbl(0), (8), (9) and (49)
        QTest::newRow("bunt") << Stil::Bunt << QStringList{"1", "9", "10", "50"};
        QTest::newRow("gleich") << Stil::Gleich << QStringList{"01", "09", "10", "50"};
    }

    // Each label shows its own number, with two digits on the uniform board.
    void beschriftung()
    {
        QFETCH(Stil, stil);
        QFETCH(QStringList, texte);
        bauen(w(), stil);
        for (int k = 0; const std::size_t i : {0, 8, 9, 49}) QCOMPARE(w().Zahllbl[i]->caption(), texte[k++]);
        for (const ui::Label* z : w().Zahllbl) {
            QCOMPARE(z->caption().toInt(), z->index() + 1);
            if (stil == Stil::Gleich) QCOMPARE(z->caption().size(), 2);
        }
    }

    // The faces loaded ahead of the first colourful board are exactly those
    // its labels get: completed from the window's font as a label's own font
    // is, all 50 of them and nothing besides.
    void vorgeladeneSchnitte()
    {
        const QList<QFont> schnitte = board::BunteSchnitte(w().font());
        QCOMPARE(schnitte.size(), 5 * 5 * 2);
        QSet<QString> gesehen;
        for (int bau = 0; bau < 30; ++bau) {
            w().BunteAufbauen();
            for (const ui::Label* l : w().Zahllbl) {
                QVERIFY2(schnitte.contains(l->font()), qPrintable(l->font().toString()));
                gesehen.insert(l->font().key());
            }
        }
        QCOMPARE(gesehen.size(), schnitte.size());
    }

    // Two uniform builds in a row differ only in where the labels stand.
    void gleichesBrettIstEinheitlich()
    {
        w().BunteAufbauen();
        w().GleicheAufbauen();
        QStringList erstes;
        std::vector<QRect> lage;
        for (const ui::Label* l : w().Zahllbl) {
            erstes << zustand(*l, false);
            lage.push_back(l->geometry());
        }
        w().GleicheAufbauen();
        int bewegt = 0;
        for (std::size_t i = 0; i < 50; ++i) {
            const ui::Label& l = *w().Zahllbl[i];
            QCOMPARE(l.foreColor(), ui::Weiss);
            QCOMPARE(l.fontName(), QStringLiteral("Arial"));
            QCOMPARE(double(l.fontSize()), 30.0);
            QCOMPARE(l.fontItalic(), false);
            QCOMPARE(l.backColor(), ui::Schwarz);
            QCOMPARE(zustand(l, false), erstes[qsizetype(i)]);
            bewegt += l.geometry() != lage[i];
        }
        QVERIFY(bewegt > 0);
    }

    void stilwechselHinterlaesstNichts_data()
    {
        QTest::addColumn<Stil>("erst");
        QTest::addColumn<Stil>("dann");
        QTest::newRow("bunt nach gleich") << Stil::Gleich << Stil::Bunt;
        QTest::newRow("gleich nach bunt") << Stil::Bunt << Stil::Gleich;
        QTest::newRow("bunt nach bunt") << Stil::Bunt << Stil::Bunt;
    }

    // The later build, with the same draws, leaves every label exactly as it
    // leaves it on a window that never had the earlier board.
    void stilwechselHinterlaesstNichts()
    {
        QFETCH(Stil, erst);
        QFETCH(Stil, dann);
        RecordingTrace frischeZuege;
        fakes::Spiel frisch;
        QVERIFY(spielhilfe::zeigen(w()));
        QVERIFY(spielhilfe::zeigen(frisch.w()));
        frischeZuege.attach(frisch.w(), frisch.zufall);
        bauen(frisch.w(), dann);
        frischeZuege.detach(frisch.w(), frisch.zufall);

        bauen(w(), erst);
        zufall().script(gezogen(frischeZuege.events));
        bauen(w(), dann);
        QCOMPARE(zufall().pending(), std::size_t{0});
        for (std::size_t i = 0; i < 50; ++i) QCOMPARE(zustand(*w().Zahllbl[i]), zustand(*frisch.w().Zahllbl[i]));
    }

private:
    fakes::ScriptedRandom& zufall() { return s().zufall; }
    RecordingTrace trace_;
};

QTEST_MAIN(BrettTest)
#include "test_brett.moc"

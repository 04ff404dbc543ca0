// The two board builders as they write and draw: the order of every property
// write and every random draw, where the labels land, and which style a
// scripted draw gives.
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "board/Aufbau.h"
#include "tests/support/SpielTest.h"
#include "ui/Units.h"

using fakes::RecordingTrace;
using spielhilfe::bauen;
using spielhilfe::name;
using spielhilfe::Stil;
using ui::Property;

// QCOMPARE lets floats differ in the sixth digit; lengths and sizes must be exact.
#define GENAU(ist, soll)                                                            \
    do {                                                                            \
        const float ist_ = (ist), soll_ = (soll);                                   \
        QVERIFY2(ist_ == soll_, qPrintable(QStringLiteral(#ist ": %1, expected %2") \
                                               .arg(double(ist_), 0, 'g', 12)       \
                                               .arg(double(soll_), 0, 'g', 12)));   \
    } while (false)

namespace {

// One letter per property, 'r' for a draw, 'Z' for Randomize.
char buchstabe(Property p)
{
    static const std::map<Property, char> buchstaben{
        {Property::Alignment, 'A'}, {Property::Height, 'H'},     {Property::Width, 'W'},   {Property::ForeColor, 'F'},
        {Property::FontName, 'N'},  {Property::FontItalic, 'I'}, {Property::Caption, 'C'}, {Property::FontSize, 'S'},
        {Property::Left, 'L'},      {Property::Top, 'T'},        {Property::Visible, 'V'}, {Property::BackColor, 'B'}};
    const auto it = buchstaben.find(p);
    return it == buchstaben.end() ? '?' : it->second;
}

QString muster(const std::vector<RecordingTrace::Event>& events)
{
    QString s;
    for (const auto& e : events) {
        switch (e.kind) {
            case RecordingTrace::Kind::Write:
                s += QLatin1Char(buchstabe(e.property));
                break;
            case RecordingTrace::Kind::Randomize:
                s += QLatin1Char('Z');
                break;
            case RecordingTrace::Kind::Draw:
                s += QLatin1Char('r');
                break;
        }
    }
    return s;
}

// One label of one build: the letters A H W … V with the draws in between.
QString labelMuster(Stil s)
{
    return s == Stil::Bunt ? QStringLiteral("AHWrrrFrNrICrSr+LTV") : QStringLiteral("AHWFNSICr+LTV");
}

// Mitte[s] is the draw in the middle of slot s's fiftieth of [0, 1).
constexpr std::array<float, 50> Mitte{0.01f, 0.03f, 0.05f, 0.07f, 0.09f, 0.11f, 0.13f, 0.15f, 0.17f, 0.19f,
                                      0.21f, 0.23f, 0.25f, 0.27f, 0.29f, 0.31f, 0.33f, 0.35f, 0.37f, 0.39f,
                                      0.41f, 0.43f, 0.45f, 0.47f, 0.49f, 0.51f, 0.53f, 0.55f, 0.57f, 0.59f,
                                      0.61f, 0.63f, 0.65f, 0.67f, 0.69f, 0.71f, 0.73f, 0.75f, 0.77f, 0.79f,
                                      0.81f, 0.83f, 0.85f, 0.87f, 0.89f, 0.91f, 0.93f, 0.95f, 0.97f, 0.99f};

// Six neutral style draws (colourful only) followed by the slot draws.
void skriptFuerLabel(fakes::ScriptedRandom& z, Stil s, const std::vector<float>& slotZuege,
                     std::vector<float> stilZuege = {0, 0, 0, 0, 0, 0})
{
    if (s == Stil::Bunt) z.script(stilZuege);
    z.script(slotZuege);
}

// Everything a label shows, as the game and as Qt hold it.
struct Zustand {
    QString caption, text;
    std::int32_t fore, back;
    QString fontName;
    float fontSize;
    bool fontItalic;
    Qt::Alignment alignment;
    float left, top, width, height;
    QRect geometry;
    bool shown;
    QFont font;
    QColor textFarbe, grundFarbe;

    explicit Zustand(const ui::Label& l)
        : caption(l.caption()),
          text(l.text()),
          fore(l.foreColor()),
          back(l.backColor()),
          fontName(l.fontName()),
          fontSize(l.fontSize()),
          fontItalic(l.fontItalic()),
          alignment(l.alignment()),
          left(l.left()),
          top(l.top()),
          width(l.widthTwips()),
          height(l.heightTwips()),
          geometry(l.geometry()),
          shown(!l.isHidden()),
          font(l.font()),
          textFarbe(l.palette().color(QPalette::WindowText)),
          grundFarbe(l.palette().color(QPalette::Window))
    {
    }
    bool operator==(const Zustand&) const = default;
};

QString beschreibung(const Zustand& z)
{
    QString s;
    QDebug(&s) << z.caption << z.fore << z.back << z.fontName << z.fontSize << z.fontItalic << z.alignment << z.left
               << z.top << z.width << z.height << z.shown << z.font;
    return s;
}

std::vector<float> gezogen(const std::vector<RecordingTrace::Event>& events, std::size_t ab = 0)
{
    std::vector<float> d;
    for (std::size_t k = ab; k < events.size(); ++k)
        if (events[k].kind == RecordingTrace::Kind::Draw) d.push_back(events[k].value.toFloat());
    return d;
}

// Watches every write of a build: after each one, is any label hidden?
class Sichtwache final : public ui::Trace {
public:
    explicit Sichtwache(Flinkblick& w) : w_(w) {}
    void propertyWritten(int control, Property p, const QVariant& v) override
    {
        ++schreibzugriffe;
        if (p == Property::Visible && !v.toBool()) verborgenGeschrieben = true;
        for (const ui::Label* l : w_.Zahllbl)
            if (l->isHidden() || !l->isVisible()) {
                verborgenGesehen = true;
                erstesVerborgenes = QStringLiteral("Zahllbl(%1) nach einem Schreibzugriff auf Zahllbl(%2)")
                                        .arg(l->index())
                                        .arg(control);
            }
    }

    void randomized() override {}
    void drawn(float) override {}

    int schreibzugriffe = 0;
    bool verborgenGeschrieben = false;
    bool verborgenGesehen = false;
    QString erstesVerborgenes;

private:
    Flinkblick& w_;
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
    void schreibfolgeJeZahlenfeld_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<QString>("folge");
        QTest::newRow("bunt") << Stil::Bunt << QStringLiteral("AHWFNICSLTV");
        QTest::newRow("gleich") << Stil::Gleich << QStringLiteral("AHWFNSICLTV");
    }

    void schreibfolgeJeZahlenfeld()
    {
        QFETCH(Stil, stil);
        QFETCH(QString, folge);
        bauen(w(), stil);

        std::array<QString, 50> jeLabel;
        int vorher = 0;
        for (const auto& e : trace_.events) {
            if (e.kind != RecordingTrace::Kind::Write) continue;
            QVERIFY2(e.property != Property::BackColor,
                     qPrintable(QStringLiteral("BackColor of Zahllbl(%1)").arg(e.control)));
            QVERIFY(e.control >= 0 && e.control < 50);
            // All writes of label i come before any write of label i + 1.
            QVERIFY2(e.control == vorher || e.control == vorher + 1,
                     qPrintable(QStringLiteral("Zahllbl(%1) after Zahllbl(%2)").arg(e.control).arg(vorher)));
            vorher = e.control;
            jeLabel[static_cast<std::size_t>(e.control)] += QLatin1Char(buchstabe(e.property));
        }
        QCOMPARE(vorher, 49);
        for (int i = 0; i < 50; ++i) QCOMPARE(jeLabel[static_cast<std::size_t>(i)], folge);
    }

    void randomizeVorJedemAufbau_data() { jeStilPaar(); }

    // Each build reseeds first. Style draws sit between the writes they feed; the
    // slot draws come after the style steps and before Left.
    void randomizeVorJedemAufbau()
    {
        QFETCH(Stil, erst);
        QFETCH(Stil, dann);
        bauen(w(), erst);
        bauen(w(), dann);
        const QString alles = muster(trace_.events);
        const QRegularExpression re(QStringLiteral("^Z(%1){50}Z(%2){50}$").arg(labelMuster(erst), labelMuster(dann)));
        QVERIFY2(re.match(alles).hasMatch(), qPrintable(alles));
        QCOMPARE(zufall().randomizeCount(), 2);
    }

    // A rebuild in the middle of a run, after a hit with reshuffling on.
    void neuMischenImSpielRandomisiertZuerst()
    {
        spielhilfe::einfachStarten(w());
        w().ImmerNeuMischenChk->setValue(1);
        for (int treffer = 0; treffer < 3; ++treffer) {
            const std::size_t ab = trace_.events.size();
            const int vorher = zufall().randomizeCount();
            s().treffer();
            QCOMPARE(zufall().randomizeCount(), vorher + 1);
            std::size_t ersterZug = trace_.events.size();
            for (std::size_t k = ab; k < trace_.events.size(); ++k)
                if (trace_.events[k].kind == RecordingTrace::Kind::Draw) {
                    ersterZug = k;
                    break;
                }
            QVERIFY(ersterZug < trace_.events.size());
            QVERIFY(trace_.events[ab].kind == RecordingTrace::Kind::Randomize);
            QCOMPARE(muster({trace_.events.begin() + static_cast<std::ptrdiff_t>(ab),
                             trace_.events.begin() + static_cast<std::ptrdiff_t>(ersterZug)}),
                     QStringLiteral("ZAHW"));
        }
    }

    // Where the labels land.
    void fuenfzigVerschiedeneFelderAlleSichtbar_data() { spielhilfe::jeStil(); }

    // Ten builds in a row, each on all fifty cells of the grid.
    void fuenfzigVerschiedeneFelderAlleSichtbar()
    {
        QFETCH(Stil, stil);
        QVERIFY(spielhilfe::zeigen(w()));
        for (int n = 0; n < 10; ++n) {
            bauen(w(), stil);
            std::set<std::pair<float, float>> felder;
            for (const ui::Label* l : w().Zahllbl) {
                QVERIFY(!l->isHidden());
                QVERIFY(l->isVisible());
                QVERIFY2(std::ranges::count(spielhilfe::Links, l->left()) == 1 &&
                             std::ranges::count(spielhilfe::Oben, l->top()) == 1,
                         qPrintable(QStringLiteral("Left %1, Top %2").arg(l->left()).arg(l->top())));
                felder.insert({l->left(), l->top()});
            }
            QCOMPARE(felder.size(), std::size_t{50});
        }
    }

    void feldLage_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<int>("slot");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        for (Stil s : {Stil::Bunt, Stil::Gleich}) {
            const QByteArray n = name(s);
            QTest::newRow(n + ": Feld 0, oben links") << s << 0 << 1000.0f << 800.0f;
            QTest::newRow(n + ": Feld 9, oben rechts") << s << 9 << 10000.0f << 800.0f;
            QTest::newRow(n + ": Feld 39, Zeile 3 Spalte 9") << s << 39 << 10000.0f << 5600.0f;
            QTest::newRow(n + ": Feld 40, Zeile 4 Spalte 0") << s << 40 << 1000.0f << 7200.0f;
            QTest::newRow(n + ": Feld 49, unten rechts") << s << 49 << 10000.0f << 7200.0f;
            QTest::newRow(n + ": Feld 23") << s << 23 << 4000.0f << 4000.0f;
        }
    }

    // At the load size of 12000 × 9600 twips: label 0 is put in the slot of the
    // row, the others fill the rest with one draw each; every label is one cell.
    void feldLage()
    {
        QFETCH(Stil, stil);
        QFETCH(int, slot);
        QFETCH(float, left);
        QFETCH(float, top);
        QCOMPARE(w().outerWidthTwips(), 12000.0);
        QCOMPARE(w().outerHeightTwips(), 9600.0);

        std::vector<int> reihenfolge{slot};
        for (int s = 49; s >= 0; --s)
            if (s != slot) reihenfolge.push_back(s);
        for (int s : reihenfolge) skriptFuerLabel(zufall(), stil, {Mitte[std::size_t(s)]});
        bauen(w(), stil);
        QCOMPARE(zufall().pending(), std::size_t{0});
        // No draw of a free slot was turned down.
        QCOMPARE(gezogen(trace_.events).size(), std::size_t(stil == Stil::Bunt ? 350 : 50));

        GENAU(w().Zahllbl[0]->left(), left);
        GENAU(w().Zahllbl[0]->top(), top);
        for (const ui::Label* l : w().Zahllbl) {
            GENAU(l->widthTwips(), 1000.0f);
            GENAU(l->heightTwips(), 1600.0f);
        }
    }

    void letztesFeldNimmtDasFreie_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<int>("frei");
        QTest::addColumn<int>("fehlzuege");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        for (Stil s : {Stil::Bunt, Stil::Gleich}) {
            const QByteArray n = name(s);
            QTest::newRow(n + ": Feld 49 frei, 300 Fehlzuege") << s << 49 << 300 << 10000.0f << 7200.0f;
            QTest::newRow(n + ": Feld 0 frei, 120 Fehlzuege") << s << 0 << 120 << 1000.0f << 800.0f;
            QTest::newRow(n + ": Feld 17 frei, 1000 Fehlzuege") << s << 17 << 1000 << 8000.0f << 2400.0f;
        }
    }

    void letztesFeldNimmtDasFreie()
    {
        QFETCH(Stil, stil);
        QFETCH(int, frei);
        QFETCH(int, fehlzuege);
        QFETCH(float, left);
        QFETCH(float, top);
        std::vector<float> vergeben;
        for (int s = 0; s < 50; ++s)
            if (s != frei) vergeben.push_back(Mitte[std::size_t(s)]);
        for (float r : vergeben) skriptFuerLabel(zufall(), stil, {r});
        // Label 49 hits every taken slot again and again, the two extremes of
        // [0, 1) included, before it finds the free one.
        std::vector<float> letzte;
        for (int k = 0; k < fehlzuege; ++k) {
            const float r = vergeben[static_cast<std::size_t>(k) % vergeben.size()];
            letzte.push_back(k % 7 == 0 && frei != 0 ? 0.0f : k % 7 == 1 && frei != 49 ? 0.99999994f : r);
        }
        letzte.push_back(Mitte[std::size_t(frei)]);
        skriptFuerLabel(zufall(), stil, letzte);

        bauen(w(), stil);
        QCOMPARE(zufall().pending(), std::size_t{0});
        GENAU(w().Zahllbl[49]->left(), left);
        GENAU(w().Zahllbl[49]->top(), top);
        const std::size_t stilZuege = stil == Stil::Bunt ? 300 : 0;
        QCOMPARE(gezogen(trace_.events).size(), stilZuege + 49 + std::size_t(fehlzuege) + 1);
    }

    void zellenFolgenDerFenstergroesse_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("hoehe");
        QTest::addColumn<QList<float>>("zelle");  // width, height; left and top of slots 0 and 49
        // The window takes whole pixels: 10005 × 7770, 15015 × 11010, 3000 × 2010 twips.
        const struct {
            double breite, hoehe;
            QList<float> zelle;
        } groessen[] = {{10007, 7777, {833.75f, 1295, 833.75f, 647.5f, 8337.5f, 5827.5f}},
                        {15013, 11017, {1251.25f, 1835, 1251.25f, 917.5f, 12512.5f, 8257.5f}},
                        {3001, 2003, {250, 335, 250, 167.5f, 2500, 1507.5f}}};
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
        QFETCH(QList<float>, zelle);
        bauen(w(), stil);
        w().setOuterWidthTwips(breite);
        w().setOuterHeightTwips(hoehe);

        // Label 0 takes slot 0, label 7 slot 49.
        for (int s : {0, 1, 2, 3, 4, 5, 6, 49}) skriptFuerLabel(zufall(), stil, {Mitte[std::size_t(s)]});
        bauen(w(), stil);
        for (const ui::Label* l : w().Zahllbl) {
            GENAU(l->widthTwips(), zelle[0]);
            GENAU(l->heightTwips(), zelle[1]);
        }
        GENAU(w().Zahllbl[0]->left(), zelle[2]);
        GENAU(w().Zahllbl[0]->top(), zelle[3]);
        GENAU(w().Zahllbl[7]->left(), zelle[4]);
        GENAU(w().Zahllbl[7]->top(), zelle[5]);
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
        QVERIFY(!wache.verborgenGeschrieben);
        QVERIFY2(!wache.verborgenGesehen, qPrintable(wache.erstesVerborgenes));
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
        const float knapp1 = 0.9999999f;
        const float knappHalb = std::nextafter(0.5f, 0.0f);
        QTest::newRow("alles 0") << std::vector<float>{0, 0, 0, 0, 0, 0} << ui::RGB(56, 56, 56)
                                 << QStringLiteral("Arial Black") << false << 10.0f;
        QTest::newRow("alles knapp 1") << std::vector<float>{knapp1, knapp1, knapp1, knapp1, knapp1, knapp1}
                                       << ui::RGB(255, 255, 255) << QStringLiteral("MS Sans Serif") << true << 30.0f;
        QTest::newRow("rot, gruen, blau getrennt")
            << std::vector<float>{0, 0.5f, knapp1, 0, 0, 0} << ui::RGB(56, 156, 255) << QStringLiteral("Arial Black")
            << false << 10.0f;
        QTest::newRow("blau, gruen, rot getrennt")
            << std::vector<float>{knapp1, 0.0075f, 0.0025f, 0, 0, 0} << ui::RGB(255, 57, 56)
            << QStringLiteral("Arial Black") << false << 10.0f;
        QTest::newRow("schraeg bei genau 0.5") << std::vector<float>{0, 0, 0, 0, 0.5f, 0} << ui::RGB(56, 56, 56)
                                               << QStringLiteral("Arial Black") << true << 10.0f;
        QTest::newRow("aufrecht knapp unter 0.5") << std::vector<float>{0, 0, 0, 0, knappHalb, 0} << ui::RGB(56, 56, 56)
                                                  << QStringLiteral("Arial Black") << false << 10.0f;
        QTest::newRow("alles verschieden") << std::vector<float>{0.5f, 0.25f, 0.75f, 0.45f, 0.6f, 0.85f}
                                           << ui::RGB(156, 106, 206) << QStringLiteral("Dauphin") << true << 30.0f;
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
        skriptFuerLabel(zufall(), Stil::Bunt, {Mitte[0]}, zuege);
        w().BunteAufbauen();
        const ui::Label& l = *w().Zahllbl[0];
        QCOMPARE(l.foreColor(), farbe);
        QCOMPARE(l.fontName(), schrift);
        QCOMPARE(l.fontItalic(), kursiv);
        GENAU(l.fontSize(), groesse);
        QCOMPARE(l.caption(), QStringLiteral("1"));
        // The widget got the same values.
        QCOMPARE(l.palette().color(QPalette::WindowText), ui::toQColor(farbe));
        QCOMPARE(l.font().family(), schrift);
        QCOMPARE(l.font().italic(), kursiv);
        QCOMPARE(l.font().pointSizeF(), double(groesse));
    }

    void beschriftung_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        const struct {
            Stil s;
            int i;
            const char* t;
        } zeilen[] = {
            {Stil::Bunt, 0, "1"},    {Stil::Bunt, 8, "9"},    {Stil::Bunt, 9, "10"},   {Stil::Bunt, 49, "50"},
            {Stil::Gleich, 0, "01"}, {Stil::Gleich, 8, "09"}, {Stil::Gleich, 9, "10"}, {Stil::Gleich, 49, "50"},
        };
        for (const auto& z : zeilen)
            QTest::addRow("%s: Zahllbl(%d)", name(z.s), z.i) << z.s << z.i << QString::fromLatin1(z.t);
    }

    void beschriftung()
    {
        QFETCH(Stil, stil);
        QFETCH(int, index);
        QFETCH(QString, text);
        bauen(w(), stil);
        const ui::Label& l = *w().Zahllbl[static_cast<std::size_t>(index)];
        QCOMPARE(l.caption(), text);
        QCOMPARE(l.text(), text);
        for (const ui::Label* z : w().Zahllbl) {
            // Each label shows its own number, with two digits on the uniform board.
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
        std::vector<Zustand> erstes;
        for (const ui::Label* l : w().Zahllbl) erstes.emplace_back(*l);
        w().GleicheAufbauen();
        int bewegt = 0;
        for (std::size_t i = 0; i < 50; ++i) {
            const ui::Label& l = *w().Zahllbl[i];
            QCOMPARE(l.foreColor(), ui::Weiss);
            QCOMPARE(l.fontName(), QStringLiteral("Arial"));
            GENAU(l.fontSize(), 30.0f);
            QCOMPARE(l.fontItalic(), false);
            QCOMPARE(l.alignment(), Qt::AlignHCenter | Qt::AlignTop);
            QCOMPARE(l.backColor(), ui::Schwarz);
            Zustand z(l);
            bewegt += z.geometry != erstes[i].geometry;
            z.left = erstes[i].left;
            z.top = erstes[i].top;
            z.geometry = erstes[i].geometry;
            QVERIFY2(z == erstes[i], qPrintable(beschreibung(z) + QStringLiteral(" / ") + beschreibung(erstes[i])));
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
        // The draws of the later build, taken from a window of its own.
        std::vector<float> zuege;
        {
            fakes::Spiel probe;
            RecordingTrace t;
            t.attach(probe.w(), probe.zufall);
            bauen(probe.w(), dann);
            zuege = gezogen(t.events);
            t.detach(probe.w(), probe.zufall);
        }

        fakes::Spiel frisch;
        QVERIFY(spielhilfe::zeigen(w()));
        QVERIFY(spielhilfe::zeigen(frisch.w()));

        bauen(w(), erst);
        zufall().script(zuege);
        bauen(w(), dann);
        frisch.zufall.script(zuege);
        bauen(frisch.w(), dann);
        QCOMPARE(zufall().pending(), std::size_t{0});
        QCOMPARE(frisch.zufall.pending(), std::size_t{0});

        for (std::size_t i = 0; i < 50; ++i) {
            const Zustand a(*w().Zahllbl[i]);
            const Zustand b(*frisch.w().Zahllbl[i]);
            QVERIFY2(a == b,
                     qPrintable(QStringLiteral("Zahllbl(%1): %2 / %3").arg(i).arg(beschreibung(a), beschreibung(b))));
        }
    }

private:
    fakes::ScriptedRandom& zufall() { return s().zufall; }
    RecordingTrace trace_;
};

QTEST_MAIN(BrettTest)
#include "test_brett.moc"

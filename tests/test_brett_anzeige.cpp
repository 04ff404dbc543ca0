// The board on screen: after a build the real widgets of a shown window have
// the geometry, text, face, size, slant and colour the build wrote, with no
// further call, and the board paints as it should.
#include <QFontInfo>
#include <QImage>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "tests/support/SpielTest.h"
#include "ui/Units.h"

using spielhilfe::bauen;
using spielhilfe::Stil;

namespace {

// The pixel edges of the grid's columns and rows at the load size: 15 twips to
// the pixel, each edge rounded on its own.
const QList<int> LadeSpalten{67, 133, 200, 267, 333, 400, 467, 533, 600, 667, 733};
const QList<int> LadeZeilen{53, 160, 267, 373, 480, 587};

}  // namespace

class BrettAnzeigeTest : public SpielTest {
    Q_OBJECT
public:
    BrettAnzeigeTest() : SpielTest(true) {}

private slots:

    void widgetsZeigenWasGeschriebenWurde_data()
    {
        QTest::addColumn<QList<Stil>>("aufbauten");
        QTest::newRow("bunt") << QList<Stil>{Stil::Bunt};
        QTest::newRow("gleich") << QList<Stil>{Stil::Gleich};
        QTest::newRow("bunt, noch einmal bunt") << QList<Stil>{Stil::Bunt, Stil::Bunt};
        QTest::newRow("gleich nach bunt") << QList<Stil>{Stil::Bunt, Stil::Gleich};
        QTest::newRow("gleich, bunt, gleich, bunt") << QList<Stil>{Stil::Gleich, Stil::Bunt, Stil::Gleich, Stil::Bunt};
    }

    void widgetsZeigenWasGeschriebenWurde()
    {
        QFETCH(QList<Stil>, aufbauten);
        for (Stil s : aufbauten) bauen(w(), s);
        QCoreApplication::processEvents();

        QSet<QPoint> felder;
        for (const ui::Label* l : w().Zahllbl) {
            const QString wo = QStringLiteral("Zahllbl(%1)").arg(l->index());
            QVERIFY2(l->isVisible(), qPrintable(wo));
            const auto spalte = std::ranges::find(spielhilfe::Links, l->left()) - spielhilfe::Links.begin();
            const auto zeile = std::ranges::find(spielhilfe::Oben, l->top()) - spielhilfe::Oben.begin();
            QVERIFY2(spalte < 10 && zeile < 5, qPrintable(wo));
            felder.insert(l->geometry().topLeft());
            QCOMPARE(l->geometry(), QRect(QPoint(LadeSpalten[spalte], LadeZeilen[zeile]),
                                          QPoint(LadeSpalten[spalte + 1] - 1, LadeZeilen[zeile + 1] - 1)));
            QCOMPARE(l->text(), l->caption());
            QCOMPARE(l->alignment(), Qt::AlignHCenter | Qt::AlignTop);

            // The face actually used is the one the toolkit gives for the requested name.
            const QFont f = l->font();
            QCOMPARE(f.family(), l->fontName());
            QCOMPARE(QFontInfo(f).family(), QFontInfo(QFont(l->fontName())).family());
            QCOMPARE(l->fontInfo().family(), QFontInfo(f).family());
            QCOMPARE(f.pointSizeF(), double(l->fontSize()));
            QVERIFY2(std::abs(l->fontInfo().pointSizeF() - l->fontSize()) < 0.5,
                     qPrintable(wo + QStringLiteral(": %1 pt").arg(l->fontInfo().pointSizeF())));
            QCOMPARE(f.italic(), l->fontItalic());
            QCOMPARE(f.weight(), QFont::Normal);
            QVERIFY(!f.underline() && !f.strikeOut());

            QCOMPARE(l->palette().color(QPalette::WindowText), ui::toQColor(l->foreColor()));
            QCOMPARE(l->palette().color(QPalette::Window), QColor(Qt::black));
            QVERIFY(l->autoFillBackground());
        }
        QCOMPARE(felder.size(), 50);
    }

    void nachbarnBeruehrenSichOhneUeberlappung_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("hoehe");
        QTest::addColumn<QList<int>>("spalten");  // pixel edges: left of each column, right of the last
        QTest::addColumn<QList<int>>("zeilen");   // top of each row, bottom of the last
        QTest::newRow("bunt, 10500 x 7500")
            << Stil::Bunt << 10500.0 << 7500.0 << QList<int>{58, 117, 175, 233, 292, 350, 408, 467, 525, 583, 642}
            << QList<int>{42, 125, 208, 292, 375, 458};
        QTest::newRow("gleich, 11100 x 8400")
            << Stil::Gleich << 11100.0 << 8400.0 << QList<int>{62, 123, 185, 247, 308, 370, 432, 493, 555, 617, 678}
            << QList<int>{47, 140, 233, 327, 420, 513};
    }

    // The cells tile the grid on screen at other window sizes too: every label
    // spans from one column edge to the next and from one row edge to the next,
    // and no two share a cell.
    void nachbarnBeruehrenSichOhneUeberlappung()
    {
        QFETCH(Stil, stil);
        QFETCH(double, breite);
        QFETCH(double, hoehe);
        QFETCH(QList<int>, spalten);
        QFETCH(QList<int>, zeilen);
        w().setOuterWidthTwips(breite);
        w().setOuterHeightTwips(hoehe);
        QCoreApplication::processEvents();
        QCOMPARE(w().outerWidthTwips(), breite);
        QCOMPARE(w().outerHeightTwips(), hoehe);
        bauen(w(), stil);

        QSet<QPoint> felder;
        for (const ui::Label* l : w().Zahllbl) {
            const QRect r = l->geometry();
            const auto spalte = spalten.indexOf(r.left()), zeile = zeilen.indexOf(r.top());
            QVERIFY2(spalte >= 0 && spalte < 10 && zeile >= 0 && zeile < 5,
                     qPrintable(QStringLiteral("Zahllbl(%1) at %2,%3").arg(l->index()).arg(r.left()).arg(r.top())));
            QCOMPARE(r.right() + 1, spalten[spalte + 1]);
            QCOMPARE(r.bottom() + 1, zeilen[zeile + 1]);
            felder.insert(r.topLeft());
        }
        QCOMPARE(felder.size(), 50);
    }

    void ziffernErscheinenInIhrerFarbeAufSchwarz_data() { spielhilfe::jeStil(); }

    // Painted on black, a glyph pixel is at most as bright as the text colour in
    // each channel; the 30-point white digits reach white. The label's corner
    // shows the black background.
    void ziffernErscheinenInIhrerFarbeAufSchwarz()
    {
        QFETCH(Stil, stil);
        bauen(w(), stil == Stil::Bunt ? Stil::Gleich : Stil::Bunt);
        bauen(w(), stil);
        const QImage fenster = w().grab().toImage();
        const qreal dpr = fenster.devicePixelRatio();
        for (const ui::Label* l : w().Zahllbl) {
            const QImage bild = fenster.copy(QRect(l->geometry().topLeft() * dpr, l->geometry().size() * dpr));
            const QColor soll = ui::toQColor(l->foreColor());
            QCOMPARE(bild.pixelColor(0, bild.height() - 1), QColor(Qt::black));
            int r = 0, g = 0, b = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x) {
                    const QColor c = bild.pixelColor(x, y);
                    r = std::max(r, c.red()), g = std::max(g, c.green()), b = std::max(b, c.blue());
                    QVERIFY2(c.red() <= soll.red() + 1 && c.green() <= soll.green() + 1 && c.blue() <= soll.blue() + 1,
                             qPrintable(QStringLiteral("Zahllbl(%1): pixel %2 over text colour %3")
                                            .arg(l->index())
                                            .arg(c.name(), soll.name())));
                }
            QVERIFY2(r + g + b > 0, qPrintable(QStringLiteral("Zahllbl(%1) painted nothing").arg(l->index())));
            if (stil == Stil::Gleich) QCOMPARE(QColor(r, g, b), QColor(Qt::white));
        }
    }

    void farbenGeltenAuchNachFremderPalette_data()
    {
        spielhilfe::jaNein("ueberFenster", "Palette der Zahlenfelder", "Palette des Fensters");
    }

    // A rebuild writes the same white on black again; it must show even when
    // someone else changed the palette in between.
    void farbenGeltenAuchNachFremderPalette()
    {
        QFETCH(bool, ueberFenster);
        w().GleicheAufbauen();
        QPalette fremd = w().palette();
        fremd.setColor(QPalette::WindowText, Qt::red);
        fremd.setColor(QPalette::Window, Qt::blue);
        if (ueberFenster) {
            const QPalette alt = w().palette();
            w().setPalette(fremd);
            w().setPalette(alt);
        } else {
            for (ui::Label* l : w().Zahllbl) l->setPalette(fremd);
        }
        w().GleicheAufbauen();
        for (ui::Label* l : w().Zahllbl) l->setBackColor(ui::Schwarz);
        for (const ui::Label* l : w().Zahllbl) {
            for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                QCOMPARE(l->palette().color(g, QPalette::WindowText), QColor(Qt::white));
                QCOMPARE(l->palette().color(g, QPalette::Window), QColor(Qt::black));
            }
        }
    }
};

QTEST_MAIN(BrettAnzeigeTest)
#include "test_brett_anzeige.moc"

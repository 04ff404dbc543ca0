// The board on screen: after a build the real widgets of a shown window have
// the geometry, text, face, size, slant and colour the build wrote, with no
// further call, and the board paints as it should.
#include <QFontInfo>
#include <QImage>
#include <QtTest>
#include <cmath>

#include "tests/support/SpielTest.h"
#include "ui/Units.h"

using spielhilfe::bauen;
using spielhilfe::Stil;

namespace {

// 15 twips to the pixel, each edge rounded on its own.
int kante(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect erwartetePixel(const ui::Label& l)
{
    const int x = kante(l.left()), y = kante(l.top());
    return QRect(QPoint(x, y),
                 QPoint(kante(double(l.left()) + l.widthTwips()) - 1, kante(double(l.top()) + l.heightTwips()) - 1));
}

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
        QTest::newRow("bunt nach gleich") << QList<Stil>{Stil::Gleich, Stil::Bunt};
        QTest::newRow("gleich, bunt, gleich, bunt") << QList<Stil>{Stil::Gleich, Stil::Bunt, Stil::Gleich, Stil::Bunt};
    }

    void widgetsZeigenWasGeschriebenWurde()
    {
        QFETCH(QList<Stil>, aufbauten);
        for (Stil s : aufbauten) bauen(w(), s);
        QCoreApplication::processEvents();

        for (const ui::Label* l : w().Zahllbl) {
            const QString wo = QStringLiteral("Zahllbl(%1)").arg(l->index());
            QVERIFY2(l->isVisible(), qPrintable(wo));
            QCOMPARE(l->geometry(), erwartetePixel(*l));
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
    }

    void nachbarnBeruehrenSichOhneUeberlappung_data()
    {
        QTest::addColumn<Stil>("stil");
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("hoehe");
        QTest::newRow("bunt, Ladegroesse") << Stil::Bunt << 12000.0 << 9600.0;
        QTest::newRow("gleich, Ladegroesse") << Stil::Gleich << 12000.0 << 9600.0;
        QTest::newRow("bunt, 10007 x 7777") << Stil::Bunt << 10007.0 << 7777.0;
        QTest::newRow("gleich, 13333 x 9999") << Stil::Gleich << 13333.0 << 9999.0;
    }

    // The cells tile the grid on screen: no gap and no overlap between neighbours,
    // whatever the window size.
    void nachbarnBeruehrenSichOhneUeberlappung()
    {
        QFETCH(Stil, stil);
        QFETCH(double, breite);
        QFETCH(double, hoehe);
        w().setOuterWidthTwips(breite);
        w().setOuterHeightTwips(hoehe);
        QCoreApplication::processEvents();
        const double W = w().outerWidthTwips(), H = w().outerHeightTwips();
        bauen(w(), stil);

        std::array<QRect, 50> feld;
        for (const ui::Label* l : w().Zahllbl) {
            const int spalte = static_cast<int>(std::lround(l->left() / (W / 12))) - 1;
            const int zeile = static_cast<int>(std::lround((l->top() - H / 12) / (H / 6)));
            QVERIFY(spalte >= 0 && spalte < 10 && zeile >= 0 && zeile < 5);
            feld[static_cast<std::size_t>(zeile * 10 + spalte)] = l->geometry();
        }
        QRect alles;
        for (int s = 0; s < 50; ++s) {
            const QRect& r = feld[static_cast<std::size_t>(s)];
            QVERIFY2(!r.isEmpty(), qPrintable(QStringLiteral("slot %1 is empty").arg(s)));
            if (s % 10 != 9) {
                const QRect& rechts = feld[static_cast<std::size_t>(s + 1)];
                QCOMPARE(rechts.left(), r.right() + 1);
                QCOMPARE(rechts.top(), r.top());
            }
            if (s < 40) {
                const QRect& unten = feld[static_cast<std::size_t>(s + 10)];
                QCOMPARE(unten.top(), r.bottom() + 1);
                QCOMPARE(unten.left(), r.left());
            }
            alles |= r;
        }
        QCOMPARE(alles,
                 QRect(QPoint(kante(W / 12), kante(H / 12)), QPoint(kante(11 * W / 12) - 1, kante(11 * H / 12) - 1)));
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

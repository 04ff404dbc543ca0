// The window as the player first sees it: every control where it belongs, in
// its colours and font, the start menu ready, the board and results hidden.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QtTest>

#include "app/Anwendung.h"
#include "tests/support/SpielTest.h"
#include "ui/Units.h"

namespace {

enum class Farben { WeissAufSchwarz, Standard };

QColor hellstesPixel(const QImage& img)
{
    int best = -1;
    QColor hell;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const int v = c.red() + c.green() + c.blue();
            if (v > best) best = v, hell = c;
        }
    return hell;
}

}  // namespace

class FensterTest : public SpielTest {
    Q_OBJECT
public:
    FensterTest() : SpielTest(true) {}

private slots:

    void steuerelement_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("pixel");
        QTest::addColumn<Farben>("farben");
        QTest::addColumn<QFont>("schrift");

        const Farben weiss = Farben::WeissAufSchwarz, knopf = Farben::Standard;
        QFont arial(QStringLiteral("Arial")), ergebnis(QStringLiteral("MS Sans Serif"));
        arial.setPointSizeF(9.75);
        ergebnis.setPointSizeF(18);
        // Pixel rectangles: the twips of each control divided by 15.
        QTest::newRow("ImmerNeuMischenChk") << "Immer neu mischen?" << QRect(344, 176, 153, 17) << weiss << arial;
        QTest::newRow("EinfachAusdauer(1)") << "50 Zahlen einfach" << QRect(344, 216, 145, 17) << weiss << arial;
        QTest::newRow("EinfachAusdauer(0)") << "12 Minuten Ausdauer" << QRect(344, 200, 145, 17) << weiss << arial;
        QTest::newRow("BuntRunterStartBtn") << "Bunte Zahlen" << QRect(424, 264, 81, 33) << knopf << arial;
        QTest::newRow("GleichRunterStartBtn") << "Gleiche Zahlen" << QRect(424, 304, 81, 33) << knopf << arial;
        QTest::newRow("Gleiche_Zahlen") << "Gleiche Zahlen" << QRect(328, 304, 81, 33) << knopf << arial;
        QTest::newRow("StartBtn") << "Bunte Zahlen" << QRect(328, 264, 81, 33) << knopf << arial;
        // The umlauts spelt as code points, so a mis-encoded source cannot pass.
        QTest::newRow("Label3") << QStringLiteral("Vorw\u00e4rts") << QRect(336, 240, 81, 17) << weiss << arial;
        QTest::newRow("Label2") << QStringLiteral("R\u00fcckw\u00e4rts") << QRect(432, 240, 81, 17) << weiss << arial;
        QTest::newRow("Label1") << QString() << QRect(0, 0, 537, 449) << weiss << ergebnis;
    }

    void steuerelement()
    {
        QFETCH(QString, caption);
        QFETCH(QRect, pixel);
        QFETCH(Farben, farben);
        QFETCH(QFont, schrift);

        auto* c = w().findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(c);
        QCOMPARE(c->parentWidget(), &w());

        if (auto* b = qobject_cast<QAbstractButton*>(c))
            QCOMPARE(b->text(), caption);
        else
            QCOMPARE(qobject_cast<QLabel*>(c)->text(), caption);

        QCOMPARE(c->geometry(), pixel);
        QCOMPARE(c->isVisible(), c != w().Label1);  // the results text waits hidden

        const QFont f = c->font();
        QCOMPARE(f.family(), schrift.family());
        QCOMPARE(f.pointSizeF(), schrift.pointSizeF());
        QCOMPARE(f.weight(), QFont::Normal);
        QVERIFY(!f.italic() && !f.underline() && !f.strikeOut());
        for (const QChar ch : caption) QVERIFY2(QFontMetrics(f).inFont(ch), qPrintable(QString(ch)));

        const QPalette p = c->palette();
        if (farben == Farben::WeissAufSchwarz) {
            QCOMPARE(p.color(c->foregroundRole()), QColor(Qt::white));
            QCOMPARE(p.color(c->backgroundRole()), QColor(Qt::black));
            QVERIFY(c->autoFillBackground());
            // What is painted: black at the right end (the captions are left-aligned
            // and end well before it), white somewhere in the caption.
            const QImage img = c->grab().toImage();
            QCOMPARE(img.pixelColor(img.width() - 2, img.height() / 2), QColor(Qt::black));
            if (!caption.isEmpty()) QCOMPARE(hellstesPixel(img), QColor(Qt::white));
        } else {
            // Buttons keep the toolkit's colours, not the window's white on black.
            const QPalette standard = QApplication::palette(c);
            for (auto role : {QPalette::Button, QPalette::ButtonText, QPalette::Window, QPalette::WindowText})
                QCOMPARE(p.color(role), standard.color(role));
        }

        if (auto* l = qobject_cast<ui::Label*>(c)) {
            QCOMPARE(l->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QCOMPARE(l->focusPolicy(), Qt::NoFocus);
            QVERIFY(!l->wordWrap());
        }
    }

    void fensterRahmenUndHintergrund()
    {
        QVERIFY(w().isWindow());
        QVERIFY(!(w().windowFlags() & Qt::FramelessWindowHint));
        QCOMPARE(w().windowState(), Qt::WindowNoState);
        QCOMPARE(w().frameGeometry().size(), QSize(800, 640));

        QCOMPARE(w().palette().color(w().backgroundRole()), QColor(Qt::black));
        const QImage img = w().grab().toImage();
        // Empty client area left of, right of and below the start menu.
        for (const QPoint pt : {QPoint(100, 300), QPoint(w().width() - 5, 100), QPoint(400, w().height() - 5)})
            QCOMPARE(img.pixelColor(pt), QColor(Qt::black));
    }

    // The start menu waits as loaded: timers still, the first option chosen,
    // the box clear and the reshuffle off with it.
    void startmenueWartet()
    {
        for (ui::Timer* t : {w().Timer1, w().Timer12Min}) QVERIFY(!t->isTicking());
        QVERIFY(w().EinfachAusdauer[0]->isChecked());
        QVERIFY(!w().EinfachAusdauer[1]->isChecked());
        QCOMPARE(w().ImmerNeuMischenChk->value(), 0);
        QCOMPARE(w().stand().ImmerNeuMischen, ui::False);
        QCOMPARE(s().zufall.randomizeCount(), 0);  // Form_Load does not reseed the generator

        // One group: choosing the other option clears the first; the check box is independent.
        QTest::mouseClick(w().EinfachAusdauer[1], Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(w().EinfachAusdauer[1]->isChecked());
        QVERIFY(!w().EinfachAusdauer[0]->isChecked());
        QCOMPARE(w().ImmerNeuMischenChk->value(), 0);
        QTest::mouseClick(w().ImmerNeuMischenChk, Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(w().ImmerNeuMischenChk->value(), 1);
        QVERIFY(w().EinfachAusdauer[1]->isChecked());
    }

    void tabulatorReihenfolge()
    {
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w().StartBtn));

        const QList<QWidget*> erwartet = {w().Gleiche_Zahlen,     w().GleichRunterStartBtn, w().BuntRunterStartBtn,
                                          w().EinfachAusdauer[0], w().ImmerNeuMischenChk,   w().StartBtn};
        for (QWidget* next : erwartet) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next->objectName());
        }
        // Backwards the same way round.
        for (int i = erwartet.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget()->objectName(), erwartet[i]->objectName());
        }
    }

    void startknopfReagiertAufTaste_data()
    {
        QTest::addColumn<int>("taste");
        QTest::newRow("Leertaste") << int(Qt::Key_Space);
        QTest::newRow("Eingabetaste") << int(Qt::Key_Return);
    }

    void startknopfReagiertAufTaste()
    {
        QFETCH(int, taste);
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        // Through the window system, so the key goes wherever the focus is.
        QTest::keyClick(w().windowHandle(), Qt::Key(taste));
        QCOMPARE(w().stand().Modus, QStringLiteral("BunteZahlenHoch"));
        // Options untouched: an endurance run.
        QCOMPARE(w().stand().Ausdauer, ui::True);
    }

    // What the desktop sees of the program: its names and the window icon from the resources.
    void anwendungEingerichtet()
    {
        anwendungEinrichten();
        const QIcon symbol = QApplication::windowIcon();
        QCOMPARE(symbol.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
        QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("Flinkblick"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.flinkblick.Flinkblick"));
    }
};

QTEST_MAIN(FensterTest)
#include "test_fenster.moc"

// Play with the mouse on the real widgets of a shown window.
#include <QTest>

#include "tests/support/SpielTest.h"

using namespace spielhilfe;

namespace {
// A click as the window system delivers it: at a point of the window, so that
// it reaches whatever widget lies there.
QPoint mitte(const Flinkblick& w, const QWidget* c)
{
    return c->mapTo(&w, c->rect().center());
}
void klick(Flinkblick& w, QPoint p)
{
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, p);
}
void klick(Flinkblick& w, const QWidget* c)
{
    klick(w, mitte(w, c));
}

// A point of the window that no visible control covers.
QPoint leereStelle(const Flinkblick& w)
{
    for (int y = 2; y < w.height(); y += 7)
        for (int x = 2; x < w.width(); x += 7)
            if (!w.childAt(x, y)) return {x, y};
    return {-1, -1};
}
}  // namespace

class Mausklicks : public SpielTest {
    Q_OBJECT
public:
    Mausklicks() : SpielTest(true) {}

private slots:
    void ganzerLauf_data()
    {
        QTest::addColumn<int>("knopf");     // 0 StartBtn, 1 GleichRunterStartBtn
        QTest::addColumn<bool>("fenster");  // through the window, or sent to the widget
        QTest::newRow("Bunte Zahlen, vorwärts, am Label") << 0 << false;
        QTest::newRow("Gleiche Zahlen, rückwärts, über das Fenster") << 1 << true;
    }

    // A run played with double clicks: the second click of a double click is no
    // click of its own, it neither finds the next number nor counts as a miss.
    void ganzerLauf()
    {
        QFETCH(int, knopf);
        QFETCH(bool, fenster);
        const auto doppel = [&](ui::Label* l) {
            if (fenster)
                QTest::mouseDClick(w().windowHandle(), Qt::LeftButton, {}, mitte(w(), l));
            else {
                // The events one by one, as a mouse makes them: QTest::mouseDClick
                // on a widget sends the double-click event alone.
                QTest::mousePress(l, Qt::LeftButton);
                QTest::mouseRelease(l, Qt::LeftButton);
                QTest::mouseDClick(l, Qt::LeftButton);
                QTest::mouseRelease(l, Qt::LeftButton);
            }
        };
        klick(w(), w().EinfachAusdauer[1]->mapTo(&w(), QPoint(8, w().EinfachAusdauer[1]->height() / 2)));
        QWidget* start = knopf == 0 ? w().StartBtn : w().GleichRunterStartBtn;
        if (fenster)
            klick(w(), start);
        else
            QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(sichtbaresMenue(w()), 0);
        QCOMPARE(sichtbareZahlen(w()), 50);

        // A wrong number first, then every sought number in turn.
        doppel(w().Zahllbl[knopf == 0 ? 10 : 3]);
        QCOMPARE(s().meldung.texts, QStringList{knopf == 0 ? "Gesuchte Zahl = 1" : "Gesuchte Zahl = 50"});
        for (int z = 1; z <= 50; ++z) doppel(w().Zahllbl[(knopf == 0 ? z : 51 - z) - 1]);
        QCOMPARE(s().meldung.texts.mid(1), (QStringList{Alle, Bitte}));
        QCOMPARE(w().Label1->caption(), QStringLiteral("Fehlversuche: 1\r\nZeit = 0:0"));
        QCOMPARE(sichtbaresMenue(w()), 9);
    }

    void klickAufLeereStellen()
    {
        const QPoint imMenue = leereStelle(w());
        QVERIFY(imMenue.x() >= 0);
        klick(w(), imMenue);
        QTest::mouseDClick(w().windowHandle(), Qt::LeftButton, {}, imMenue);
        QCOMPARE(sichtbaresMenue(w()), 9);
        QCOMPARE(int(w().stand().Zaehler), 0);

        klick(w(), w().BuntRunterStartBtn);
        const QPoint imSpiel = leereStelle(w());
        QVERIFY(imSpiel.x() >= 0);
        for (int i = 0; i < 3; ++i) klick(w(), imSpiel);
        QTest::mouseDClick(w().windowHandle(), Qt::LeftButton, {}, imSpiel);
        QCOMPARE(int(w().stand().Zaehler), 1);
        QCOMPARE(s().meldung.texts, QStringList{});
        QCOMPARE(sichtbareZahlen(w()), 50);
    }

    // No click: a press on the sought label released beside it, right and middle
    // clicks, nor a left release ending a press of another button.
    void nurLinksUndAufDemLabelKlickt()
    {
        klick(w(), w().StartBtn);
        ui::Label* gesucht = w().Zahllbl[0];
        QTest::mousePress(gesucht, Qt::LeftButton);
        QTest::mouseRelease(gesucht, Qt::LeftButton, {}, QPoint(gesucht->width() + 5, gesucht->height() / 2));
        QTest::mouseClick(gesucht, Qt::RightButton);
        QTest::mouseClick(w().Zahllbl[7], Qt::MiddleButton);
        QTest::mousePress(gesucht, Qt::RightButton);
        QTest::mouseRelease(gesucht, Qt::LeftButton);
        QCOMPARE(int(w().stand().Zaehler), 1);
        QCOMPARE(s().meldung.texts, QStringList{});
        QTest::mouseClick(gesucht, Qt::LeftButton);
        QCOMPARE(int(w().stand().Zaehler), 2);
    }
};

QTEST_MAIN(Mausklicks)
#include "test_mausklicks.moc"

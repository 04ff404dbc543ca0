// Settings and state that carry from one run to the next: the run-length
// option, the reshuffle box, the direction.
#include <QTest>

#include "tests/support/SpielTest.h"

using namespace spielhilfe;

namespace {
std::array<QPointF, 50> plaetze(const Flinkblick& w)
{
    std::array<QPointF, 50> p;
    for (int i = 0; i < 50; ++i) p[i] = QPointF(w.Zahllbl[i]->left(), w.Zahllbl[i]->top());
    return p;
}
}  // namespace

class Einstellungen : public SpielTest {
    Q_OBJECT
private slots:
    void einstellungenUeberstehenDenLauf()
    {
        w().ImmerNeuMischenChk->setValue(1);
        einfachStarten(w());
        treffen(s(), 50);
        QCOMPARE(w().ImmerNeuMischenChk->value(), 1);

        // The next run uses both: simple, and reshuffled after each hit.
        w().Gleiche_Zahlen_Click();
        QCOMPARE(w().stand().Ausdauer, ui::False);
        const auto vorher = plaetze(w());
        s().treffer();
        QVERIFY(plaetze(w()) != vorher);
    }

    void mischenKaestchen_data()
    {
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("erwartet");
        QTest::newRow("angekreuzt") << 1 << -1;
        QTest::newRow("leer") << 0 << 0;
        QTest::newRow("grau") << 2 << -1;
    }

    void mischenKaestchen()
    {
        QFETCH(int, wert);
        QFETCH(int, erwartet);
        // From the other state, so the box really changes.
        w().ImmerNeuMischenChk->setValue(wert == 0 ? 1 : 0);
        w().ImmerNeuMischenChk->setValue(wert);
        QCOMPARE(int(w().stand().ImmerNeuMischen), erwartet);
    }

    // Every hit rebuilds the board, the completing hit included; a miss never does. A hit
    // counts in the cell its number stood in before, row by row.
    void jederTrefferMischtNeu()
    {
        int feld = -1;
        connect(&w(), &Flinkblick::getroffen, this, [&](int, qint64, int f) { feld = f; });
        w().ImmerNeuMischenChk->setValue(1);
        einfachStarten(w(), &GleicheZahlenRunter);
        for (int z = 1; z <= 49; ++z) {
            const auto vorher = plaetze(w());
            const QPointF p = vorher[std::size_t(s().gesuchterIndex())];
            s().fehler();
            QVERIFY(plaetze(w()) == vorher);
            s().treffer();
            QCOMPARE(feld, int(p.y() - 800) / 1600 * 10 + int(p.x() - 1000) / 1000);  // in twips at the load size
            QVERIFY2(plaetze(w()) != vorher, qPrintable(QStringLiteral("hit %1 left the board as it was").arg(z)));
        }
        const int zuege = s().zufall.randomizeCount();
        s().treffer();
        QCOMPARE(s().zufall.randomizeCount(), zuege + 1);
        QCOMPARE(w().Label1->caption(), QStringLiteral("Fehlversuche: 49\r\nZeit = 0:0"));
    }

    void einfachNachAusdauer()
    {
        w().StartBtn_Click();
        treffen(s(), 60);
        s().uhr.advance(720);
        w().Timer12Min_Timer();
        QVERIFY(w().EinfachAusdauer[0]->isChecked());

        einfachStarten(w(), &GleicheZahlenHoch);
        QCOMPARE(w().stand().Ausdauer, ui::False);
        QCOMPARE(w().Timer12Min->interval(), 0);
        s().uhr.advance(30);
        treffen(s(), 50);
        QCOMPARE(w().Label1->caption(), QStringLiteral("Fehlversuche: 0\r\nZeit = 0:30"));

        // And an endurance run right after a simple one starts the clock again.
        w().EinfachAusdauer[0]->setChecked(true);
        w().BuntRunterStartBtn_Click();
        QCOMPARE(w().stand().Ausdauer, ui::True);
        QCOMPARE(w().Timer12Min->interval(), 1000);
    }

    void hochNachRunter()
    {
        einfachStarten(w(), &BunteZahlenRunter);
        treffen(s(), 50);
        w().StartBtn_Click();
        QCOMPARE(w().stand().GesuchteZahl(), 1);
        for (int i = 0; i < 50; ++i) w().Zahllbl_Click(i);
        QCOMPARE(w().Label1->caption(), QStringLiteral("Fehlversuche: 0\r\nZeit = 0:0"));
    }

    // After the results the keyboard works as it did at start: Return on the
    // focused first start button begins the next run.
    void returnStartetNachDemErgebnisWieder()
    {
        w().show();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
        w().EinfachAusdauer[1]->setChecked(true);
        QTest::keyClick(w().StartBtn, Qt::Key_Return);
        QCOMPARE(w().stand().Modus, QStringLiteral("BunteZahlenHoch"));
        treffen(s(), 50);
        QVERIFY(w().StartBtn->isVisible());
        QCOMPARE(QApplication::focusWidget(), w().StartBtn);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w().stand().Zaehler, 1);
        QVERIFY(!w().StartBtn->isVisible());
    }
};

QTEST_MAIN(Einstellungen)
#include "test_einstellungen.moc"

// The hit flash: white on a hit, black again with the one tick of Timer1.
#include <QTest>

#include "tests/support/SpielTest.h"

using namespace spielhilfe;

class Trefferblitz : public SpielTest {
    Q_OBJECT
private slots:
    void treffer_data()
    {
        QTest::addColumn<bool>("gleich");
        QTest::addColumn<bool>("mischen");
        QTest::newRow("bunt") << false << false;
        QTest::newRow("gleich") << true << false;
        QTest::newRow("bunt, neu mischen") << false << true;
    }

    // Each hit turns its label white, a miss neither flashes nor touches a
    // running flash, and one tick of Timer1 takes back all of them.
    void treffer()
    {
        QFETCH(bool, gleich);
        QFETCH(bool, mischen);
        w().ImmerNeuMischenChk->setValue(mischen ? 1 : 0);
        gleich ? w().Gleiche_Zahlen_Click() : w().StartBtn_Click();
        s().fehler();
        QCOMPARE(weisse(w()), QList<int>{});
        QCOMPARE(w().Timer1->interval(), 0);
        treffen(s(), 4);
        s().fehler();
        QCOMPARE(weisse(w()), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(w().Zahllbl[3]->backColor(), 16777215);
        QCOMPARE(w().Zahllbl[3]->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(w().Timer1->interval(), 100);

        w().Timer1->tick();
        QCOMPARE(weisse(w()), QList<int>{});
        QCOMPARE(w().Zahllbl[3]->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(w().Timer1->interval(), 0);
    }

    // The results take back the flash of the last hit, whether the run ends by
    // the 50th number or by the time-up.
    void ergebnisBeendetBlitz_data() { jaNein("ausdauer", "einfach", "Ausdauer"); }

    void ergebnisBeendetBlitz()
    {
        QFETCH(bool, ausdauer);
        w().EinfachAusdauer[ausdauer ? 0 : 1]->setChecked(true);
        w().Gleiche_Zahlen_Click();
        QList<QList<int>> imKasten;
        s().meldung.whileOpen = [&](const QString&) { imKasten << weisse(w()); };
        treffen(s(), ausdauer ? 20 : 50);
        s().uhr.advance(720);
        if (ausdauer) w().Timer12Min_Timer();
        QCOMPARE(imKasten, (QList<QList<int>>{{}, {}}));
        QCOMPARE(w().Timer1->interval(), 0);
    }

    void echterTimer()
    {
        w().StartBtn_Click();
        s().treffer();
        QCOMPARE(weisse(w()), QList<int>{0});
        QTest::qWait(250);
        QCOMPARE(weisse(w()), QList<int>{});
        QCOMPARE(w().Timer1->interval(), 0);
    }
};

QTEST_MAIN(Trefferblitz)
#include "test_trefferblitz.moc"

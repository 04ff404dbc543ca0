// The hit flash: white on a hit, black again with the one tick of Timer1.
#include <QTest>

#include "tests/support/SpielTest.h"

using namespace spielhilfe;

namespace {
const std::int32_t Weiss = 16777215;
}  // namespace

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

    // Each hit turns its label white, and one tick of Timer1 takes back all of them.
    void treffer()
    {
        QFETCH(bool, gleich);
        QFETCH(bool, mischen);
        w().ImmerNeuMischenChk->setValue(mischen ? 1 : 0);
        gleich ? w().Gleiche_Zahlen_Click() : w().StartBtn_Click();
        treffen(s(), 4);
        QCOMPARE(weisse(w()), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(w().Timer1->interval(), 100);
        w().Timer1->tick();
        QCOMPARE(weisse(w()), QList<int>{});

        s().treffer();  // number 5
        QCOMPARE(weisse(w()), QList<int>{4});
        QCOMPARE(w().Zahllbl[4]->backColor(), Weiss);
        QCOMPARE(w().Zahllbl[4]->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(w().Timer1->interval(), 100);

        w().Timer1->tick();
        QCOMPARE(weisse(w()), QList<int>{});
        QCOMPARE(w().Zahllbl[4]->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(w().Timer1->interval(), 0);
    }

    void fehlerOhneBlitz()
    {
        w().StartBtn_Click();
        s().fehler();
        QCOMPARE(weisse(w()), QList<int>{});
        QCOMPARE(w().Timer1->interval(), 0);

        // Nor does a miss touch a flash that is running.
        s().treffer();
        s().fehler();
        QCOMPARE(weisse(w()), QList<int>{0});
        QCOMPARE(w().Timer1->interval(), 100);
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
        if (ausdauer) {
            treffen(s(), 20);
            s().uhr.advance(720);
            w().Timer12Min_Timer();
        } else {
            treffen(s(), 50);
        }
        QCOMPARE(imKasten, (QList<QList<int>>{{}, {}}));
        QCOMPARE(w().Timer1->interval(), 0);
    }

    void echterTimer()
    {
        QVERIFY(zeigen(w()));
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

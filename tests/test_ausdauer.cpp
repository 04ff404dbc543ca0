// Endurance runs ("12 Minuten Ausdauer") over the hand-moved clock: renewed
// boards, hits per minute, the time-up and its results.
#include <QTest>

#include "tests/support/SpielTest.h"

using namespace spielhilfe;

namespace {
// The number each line of a results text ends in: misses, the twelve minutes, total.
QList<int> zahlenJeZeile(const QString& text)
{
    QList<int> r;
    for (const QString& zeile : text.split(ui::CrLf)) r << zeile.section(QLatin1Char(' '), -1).toInt();
    return r;
}

// Indices of the labels that turned white, in order.
QList<int> weissGeworden(const fakes::RecordingTrace& t)
{
    QList<int> r;
    for (const auto& e : t.events)
        if (e.property == ui::Property::BackColor && e.value.toInt() == ui::Weiss) r << e.control;
    return r;
}
}  // namespace

class Ausdauer : public SpielTest {
    Q_OBJECT
private slots:
    // The board is renewed within the run, laid out for the window it will be
    // shown in, even if the player has maximised or enlarged the window.
    void brettErneuert_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<int>("erste");       // the number sought first
        QTest::addColumn<bool>("maximiert");  // or enlarged
        QTest::newRow("bunt hoch, maximiert") << &BunteZahlenHoch << 1 << true;
        QTest::newRow("gleich runter, vergrößert") << &GleicheZahlenRunter << 50 << false;
    }

    void brettErneuert()
    {
        QFETCH(Start, start);
        QFETCH(int, erste);
        QFETCH(bool, maximiert);
        QVERIFY(zeigen(w()));
        starten(w(), start);
        treffen(s(), 30);
        if (maximiert)
            w().showMaximized();
        else
            w().resize(1700, 1150);
        QTRY_VERIFY(w().width() > 1000);
        const int zuege = s().zufall.randomizeCount();
        treffen(s(), 20);

        QCOMPARE(w().stand().GesuchteZahl(), erste);
        QCOMPARE(w().stand().Modus, modusName(start));
        QCOMPARE(w().Timer12Min->interval(), 1000);
        QCOMPARE(sichtbareZahlen(w()), 50);
        QCOMPARE(s().zufall.randomizeCount(), zuege + 1);  // one new board
        ladegroesseBleibt(w());
    }

    // The fourteen lines of an endurance run with 4 misses, as the player reads
    // them; the next run counts its minutes and misses from nothing.
    void ergebnisZeilen()
    {
        w().StartBtn_Click();
        for (int i = 0; i < 4; ++i) s().fehler();
        for (int n : {20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24}) {
            treffen(s(), n);
            s().uhr.advance(60);
        }
        w().Timer12Min_Timer();
        QCOMPARE(w().Label1->caption(), QStringLiteral("Fehlversuche: 4\r\n"
                                                       "In der 1. Minute gefundene Zahlen: 20\r\n"
                                                       "In der 2. Minute gefundene Zahlen: 25\r\n"
                                                       "In der 3. Minute gefundene Zahlen: 22\r\n"
                                                       "In der 4. Minute gefundene Zahlen: 30\r\n"
                                                       "In der 5. Minute gefundene Zahlen: 28\r\n"
                                                       "In der 6. Minute gefundene Zahlen: 31\r\n"
                                                       "In der 7. Minute gefundene Zahlen: 27\r\n"
                                                       "In der 8. Minute gefundene Zahlen: 29\r\n"
                                                       "In der 9. Minute gefundene Zahlen: 33\r\n"
                                                       "In der 10. Minute gefundene Zahlen: 30\r\n"
                                                       "In der 11. Minute gefundene Zahlen: 26\r\n"
                                                       "In der 12. Minute gefundene Zahlen: 24\r\n"
                                                       "Gesamt: 325"));

        w().BuntRunterStartBtn_Click();
        QCOMPARE(w().Timer12Min->interval(), 1000);
        treffen(s(), 5);
        s().uhr.advance(90);
        treffen(s(), 4);
        s().uhr.advance(630);
        w().Timer12Min_Timer();
        QCOMPARE(zahlenJeZeile(w().Label1->caption()), (QList<int>{0, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9}));
    }

    // Hits count in the minute they fall in, and the run lasts its full 720 s,
    // also from a start on a whole second, where a day count times 86400 falls
    // just short of that second.
    void trefferJeMinute()
    {
        s().uhr.stellen(QDate(2026, 12, 8), QTime(10, 0, 5));
        w().StartBtn_Click();
        s().treffer();          // 0 s
        s().uhr.advance(59.5);  // 59,5 s
        s().treffer();
        s().uhr.advance(0.5);  // 60 s
        s().treffer();
        s().uhr.advance(659.5);  // 719,5 s
        s().treffer();
        w().Timer12Min_Timer();
        QCOMPARE(s().meldung.texts, QStringList{});
        QCOMPARE(w().stand().Modus, QStringLiteral("BunteZahlenHoch"));

        s().uhr.advance(0.5);  // 720 s, before the tick: counted, but not shown
        s().treffer();

        w().Timer12Min_Timer();
        QCOMPARE(s().meldung.texts, (QStringList{Um, Bitte}));
        QCOMPARE(zahlenJeZeile(w().Label1->caption()), (QList<int>{0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 4}));
        QCOMPARE(int(w().stand().ProMinute[12]), 2);  // and the time-up hit
    }

    void zeitUm_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<bool>("mischen");
        QTest::addColumn<int>("rest");  // hits on the board the time-up cuts short
        QTest::addColumn<int>("letzter");
        QTest::addColumn<QList<int>>("zahlen");  // of the results lines

        QTest::newRow("bunt hoch, 17 Zahlen")
            << &BunteZahlenHoch << false << 17 << 49 << QList<int>{3, 50, 0, 0, 0, 0, 0, 17, 0, 0, 0, 0, 0, 67};
        QTest::newRow("gleich runter, neu mischen, 49 Zahlen")
            << &GleicheZahlenRunter << true << 49 << 0 << QList<int>{3, 50, 0, 0, 0, 0, 0, 49, 0, 0, 0, 0, 0, 99};
        QTest::newRow("bunt runter, frisches Brett")
            << &BunteZahlenRunter << false << 0 << 0 << QList<int>{3, 50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50};
    }

    void zeitUm()
    {
        QFETCH(Start, start);
        QFETCH(bool, mischen);
        QFETCH(int, rest);
        QFETCH(int, letzter);
        QFETCH(QList<int>, zahlen);

        w().ImmerNeuMischenChk->setValue(mischen ? 1 : 0);
        starten(w(), start);
        s().fehler();
        treffen(s(), 50);  // first board, minute 0
        s().uhr.advance(400);
        s().fehler();
        s().fehler();
        treffen(s(), rest);  // minute 6
        s().uhr.advance(320);

        // The time-up hit flashes the board's last number.
        fakes::RecordingTrace trace;
        trace.attach(w(), s().zufall);
        w().Timer12Min_Timer();
        trace.detach(w(), s().zufall);

        QCOMPARE(weissGeworden(trace), QList<int>{letzter});
        QCOMPARE(s().meldung.texts.mid(3), (QStringList{Um, Bitte}));
        QCOMPARE(zahlenJeZeile(w().Label1->caption()), zahlen);
    }

    // The real timer ends the run at its first tick past 720 s, also one that comes
    // very late (the machine slept), and a hit that late counts in no minute's line.
    // After that the timer is stopped for real: more event loop brings no tick
    // that ends the run again.
    void spaeterEchterTick()
    {
        w().BuntRunterStartBtn_Click();
        treffen(s(), 7);
        s().uhr.advance(5000);
        s().treffer();
        QTRY_COMPARE_WITH_TIMEOUT(s().meldung.texts, (QStringList{Um, Bitte}), 2000);
        QCOMPARE(zahlenJeZeile(w().Label1->caption()), (QList<int>{0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}));
        QCOMPARE(w().Timer12Min->interval(), 0);
        s().uhr.advance(5);
        QTest::qWait(1300);
        QCOMPARE(s().meldung.texts.size(), 2);
    }

    // Ticks after 720 s while a miss box is open end nothing; the first tick
    // after the box has closed ends the run, and that miss is in the misses line.
    void tickBeiOffenerFehlermeldung()
    {
        w().Gleiche_Zahlen_Click();
        treffen(s(), 3);
        s().uhr.advance(700);
        s().meldung.whileOpen = [&](const QString& t) {
            if (!t.startsWith(QStringLiteral("Gesuchte Zahl"))) return;
            s().uhr.advance(30);
            w().Timer12Min_Timer();
            QTest::qWait(1100);  // and the real timer's ticks
            QCOMPARE(w().stand().Modus, QStringLiteral("GleicheZahlenHoch"));
            QCOMPARE(int(w().stand().Zaehler), 4);
        };
        s().fehler();
        QCOMPARE(s().meldung.texts, QStringList{"Gesuchte Zahl = 4"});

        w().Timer12Min_Timer();
        QCOMPARE(s().meldung.texts, (QStringList{"Gesuchte Zahl = 4", Um, Bitte}));
        QCOMPARE(zahlenJeZeile(w().Label1->caption()), (QList<int>{1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
        QCOMPARE(int(w().fehlversuche()), 0);
    }

    // Elapsed time follows the monotonic clock: setting the wall clock during a run
    // changes neither the end of the run nor the minute a hit counts in.
    void uhrSprung_data()
    {
        QTest::addColumn<double>("sprung");
        QTest::newRow("eine Stunde zurück (Sommerzeit)") << -3600.0;
        QTest::newRow("25 Stunden vor") << 25 * 3600.0;
    }

    void uhrSprung()
    {
        QFETCH(double, sprung);
        w().StartBtn_Click();
        treffen(s(), 10);
        s().uhr.advance(70);
        s().uhr.jumpWall(sprung);
        treffen(s(), 10);
        s().uhr.advance(600);
        s().uhr.jumpWall(-sprung / 3);
        treffen(s(), 10);
        w().Timer12Min_Timer();  // 670 s
        QCOMPARE(s().meldung.texts, QStringList{});
        s().uhr.advance(50);
        w().Timer12Min_Timer();  // 720 s
        QCOMPARE(zahlenJeZeile(w().Label1->caption()), (QList<int>{0, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 30}));
    }

    // The 16-bit counters stop at their limit instead of wrapping round.
    void zaehlerSaettigen()
    {
        w().StartBtn_Click();
        for (int i = 0; i < 32800; ++i) s().fehler();
        treffen(s(), 32768);  // minute 0, one past the limit
        s().uhr.advance(60);
        treffen(s(), 10);  // minute 1: the total passes the limit too
        s().uhr.advance(660);
        w().Timer12Min_Timer();
        const QStringList zeilen = w().Label1->caption().split(ui::CrLf);
        QCOMPARE(zeilen.first(), QStringLiteral("Fehlversuche: 32767"));
        QCOMPARE(zeilen[1], QStringLiteral("In der 1. Minute gefundene Zahlen: 32767"));
        QCOMPARE(zeilen.last(), QStringLiteral("Gesamt: 32767"));
    }
};

FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(Ausdauer)
#include "test_ausdauer.moc"

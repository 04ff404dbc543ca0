// The runtime layer: counters, the generator, the clock, timers, the check box
// and the window's outer size.
#include <QApplication>
#include <QEventLoop>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <deque>

#include "tests/support/Fakes.h"
#include "ui/Clock.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Integer.h"
#include "ui/Random.h"
#include "ui/Timer.h"

class LaufzeitTest : public QObject {
    Q_OBJECT

private slots:
    // ---- random numbers -------------------------------------------------

    void rndBleibtUnterEins()
    {
        ui::SystemRandom r;
        r.Randomize();
        float groesster = 0.0f;
        for (int i = 0; i < 4'000'000; ++i) {
            const float x = r.Rnd();
            if (!(x >= 0.0f && x < 1.0f)) QFAIL(qPrintable(QString::number(double(x), 'g', 10)));
            // Whole multiples of 2^-24, so at most 1 - 2^-24: Int(Rnd * 50) stays below 50.
            const double k = double(x) * 16777216.0;
            if (k != std::floor(k)) QFAIL(qPrintable(QString::number(double(x), 'g', 10)));
            groesster = std::max(groesster, x);
        }
        // Four million draws come close to the top of the range.
        QVERIFY(groesster > 0.9999f);
    }

    void randomizeWiederholtKeineFolge()
    {
        const auto folge = [](ui::Random& r) {
            std::vector<float> v;
            for (int i = 0; i < 20; ++i) v.push_back(r.Rnd());
            return v;
        };
        // Two builds inside one clock tick must still get different boards.
        ui::SystemRandom r([] { return 42ull; });
        r.Randomize();
        const auto erste = folge(r);
        r.Randomize();
        const auto zweite = folge(r);
        QVERIFY(erste != zweite);

        // Nor may a second reseed at the same tick undo the first.
        ui::SystemRandom einmal([] { return 42ull; }), zweimal([] { return 42ull; });
        einmal.Randomize();
        zweimal.Randomize();
        zweimal.Randomize();
        QVERIFY(folge(einmal) != folge(zweimal));

        // With the clock frozen the generator is repeatable, which the other tests rely on.
        ui::SystemRandom a([] { return 7ull; }), b([] { return 7ull; });
        a.Randomize();
        b.Randomize();
        QVERIFY(folge(a) == folge(b));
    }

    void rndGleichverteilt_data()
    {
        QTest::addColumn<quint64>("takt");
        QTest::addColumn<bool>("jedesMalNeu");
        QTest::newRow("Takt 42") << quint64(42) << false;
        QTest::newRow("Takt 0") << quint64(0) << false;
        QTest::newRow("Takt 2^63") << (quint64(1) << 63) << false;
        // A reseed before every draw, the clock one tick further each time: the
        // first draws of boards built one after the other.
        QTest::newRow("neu gemischt je Zug") << quint64(1000) << true;
    }

    void rndGleichverteilt()
    {
        QFETCH(quint64, takt);
        QFETCH(bool, jedesMalNeu);
        std::uint64_t t = takt;
        ui::SystemRandom r([&t] { return t; });
        r.Randomize();
        std::array<int, 50> buckets{};
        constexpr int n = 500'000;
        for (int i = 0; i < n; ++i) {
            if (jedesMalNeu) {
                ++t;
                r.Randomize();
            }
            ++buckets[std::size_t(std::floor(double(r.Rnd()) * 50))];
        }
        // 49 degrees of freedom: mean 49, standard deviation about 10. A fair
        // generator stays far below 100; a lopsided slot goes far above.
        double chi = 0;
        for (int c : buckets) chi += (c - n / 50.0) * (c - n / 50.0) / (n / 50.0);
        QVERIFY2(chi < 100.0, qPrintable(QString::number(chi)));
    }

    // ---- counters -------------------------------------------------------

    void integerSaettigt_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("erwartet");
        const struct {
            int start, delta, erwartet;
        } faelle[] = {{32766, 1, 32767},    {32767, 1, 32767},        {30000, 10000, 32767}, {-32767, -1, -32768},
                      {-32768, -1, -32768}, {-30000, -10000, -32768}, {32767, -1, 32766},    {50, 1, 51}};
        for (const auto& f : faelle) QTest::addRow("%d + %d", f.start, f.delta) << f.start << f.delta << f.erwartet;
    }

    void integerSaettigt()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, erwartet);

        ui::Integer a = start, b = start;
        QCOMPARE(int(a += delta), erwartet);
        QCOMPARE(int(b -= -delta), erwartet);
        QCOMPARE(int(ui::Integer(start) + ui::Integer(delta)), erwartet);
        QCOMPARE(int(ui::Integer(start) - ui::Integer(-delta)), erwartet);
        // Construction from an out-of-range int clamps too.
        QCOMPARE(int(ui::Integer(start + delta)), erwartet);
    }

    void proMinuteBleibtImFeld_data()
    {
        QTest::addColumn<long long>("minute");
        QTest::addColumn<int>("feld");
        // From minute 12 on (after 720 s) all count in the last field; those before the start in the first.
        const struct {
            long long minute;
            int feld;
        } faelle[] = {{0, 0}, {11, 11}, {12, 12}, {13, 12}, {1'000'000'000'000LL, 12}, {-1, 0}};
        for (const auto& f : faelle) QTest::addRow("Minute %lld", f.minute) << f.minute << f.feld;
    }

    void proMinuteBleibtImFeld()
    {
        QFETCH(long long, minute);
        QFETCH(int, feld);
        Spielstand s;
        s.ProMinuteAt(minute) += 1;
        for (int i = 0; i < 13; ++i) QCOMPARE(int(s.ProMinute[std::size_t(i)]), i == feld ? 1 : 0);
    }

    // ---- date and time --------------------------------------------------

    void dateDiffZaehltSekundengrenzen_data()
    {
        QTest::addColumn<QDate>("tag");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<double>("dauer");
        QTest::addColumn<qint64>("sekunden");
        const QDate tag(2026, 12, 8);
        QTest::newRow("0,9 bis 1,1") << tag << QTime(10, 0, 0, 900) << 0.2 << qint64(1);
        QTest::newRow("0,25 bis 0,99") << tag << QTime(10, 0, 0, 250) << 0.74 << qint64(0);
        QTest::newRow("0,25 bis 1,01") << tag << QTime(10, 0, 0, 250) << 0.76 << qint64(1);
        QTest::newRow("0,9 bis 2,1") << tag << QTime(10, 0, 0, 900) << 1.2 << qint64(2);
        QTest::newRow("drei ganze Sekunden") << tag << QTime(10, 0, 0, 250) << 3.0 << qint64(3);
        QTest::newRow("kurz vor 720 s") << tag << QTime(10, 0, 0, 250) << 719.5 << qint64(719);
        QTest::newRow("720 s") << tag << QTime(10, 0, 0, 250) << 720.0 << qint64(720);
        QTest::newRow("keine Zeit") << tag << QTime(10, 0, 0, 250) << 0.0 << qint64(0);
        // Starts on a whole second. At 10:00:05 on 8 December 2026 and 00:00:07 on
        // 1 January 2000 a day count times 86400 lands just below the whole second.
        QTest::newRow("8.12.2026 10:00:05,000 + 2,5 s") << tag << QTime(10, 0, 5) << 2.5 << qint64(2);
        QTest::newRow("8.12.2026 10:00:05,000 + 719,5 s") << tag << QTime(10, 0, 5) << 719.5 << qint64(719);
        QTest::newRow("8.12.2026 10:00:05,000 + 0,999 s") << tag << QTime(10, 0, 5) << 0.999 << qint64(0);
        QTest::newRow("1.1.2000 00:00:07,000 + 2,5 s") << QDate(2000, 1, 1) << QTime(0, 0, 7) << 2.5 << qint64(2);
        QTest::newRow("8.12.2026 10:00:00,000 + 2,5 s") << tag << QTime(10, 0, 0) << 2.5 << qint64(2);
        QTest::newRow("29.2.2024 23:59:59,000 + 1 s") << QDate(2024, 2, 29) << QTime(23, 59, 59) << 1.0 << qint64(1);
        QTest::newRow("10:00:05,999 + 2,5 s") << tag << QTime(10, 0, 5, 999) << 2.5 << qint64(3);
        QTest::newRow("10:00:05,999 + 0,001 s") << tag << QTime(10, 0, 5, 999) << 0.001 << qint64(1);
        QTest::newRow("10:00:05,001 + 2,5 s") << tag << QTime(10, 0, 5, 1) << 2.5 << qint64(2);
        QTest::newRow("10:00:05,001 + 2,999 s") << tag << QTime(10, 0, 5, 1) << 2.999 << qint64(3);
    }

    void dateDiffZaehltSekundengrenzen()
    {
        QFETCH(QDate, tag);
        QFETCH(QTime, start);
        QFETCH(double, dauer);
        QFETCH(qint64, sekunden);
        fakes::ManualClock uhr;
        uhr.stellen(tag, start);
        const ui::Zeitpunkt a = uhr.Now();
        uhr.advance(dauer);
        QCOMPARE(qint64(ui::DateDiffSeconds(a, uhr.Now())), sekunden);
    }

    void uhrSprungAendertDauerNicht_data()
    {
        QTest::addColumn<double>("sprung");
        QTest::addColumn<double>("dauer");
        QTest::addColumn<qint64>("sekunden");
        QTest::newRow("eine Stunde vor") << 3600.0 << 10.0 << qint64(10);
        QTest::newRow("eine Stunde zurück") << -3600.0 << 10.0 << qint64(10);
        QTest::newRow("eine Stunde vor, 0,5 s") << 3600.0 << 0.5 << qint64(0);
        // Half a second that would push the wall clock over the next boundary.
        QTest::newRow("halbe Sekunde vor") << 0.5 << 0.5 << qint64(0);
        QTest::newRow("zwölf Minuten, Stunde zurück") << -3600.0 << 720.0 << qint64(720);
    }

    void uhrSprungAendertDauerNicht()
    {
        QFETCH(double, sprung);
        QFETCH(double, dauer);
        QFETCH(qint64, sekunden);
        fakes::ManualClock uhr;
        const ui::Zeitpunkt a = uhr.Now();
        uhr.advance(dauer / 2);
        uhr.jumpWall(sprung);
        uhr.advance(dauer / 2);
        QCOMPARE(qint64(ui::DateDiffSeconds(a, uhr.Now())), sekunden);
    }

    // The system clock, on readings the test hands it: monotonic and wall
    // clock in nanoseconds, taken in the order the clock asks for them.
    void systemuhrLiestSekundenbruchteilGanz()
    {
        // Wall clock at 10:00:05.9996 UTC on 8 December 2026, read in no time.
        ui::SystemClock uhr([] { return 1'000'000LL; }, [] { return 1'796'724'005'999'600'000LL; });
        const ui::Zeitpunkt a = uhr.Now();
        // 719.0006 s later 720 second boundaries have passed: the first 0.4 ms after the start.
        QCOMPARE(qint64(ui::DateDiffSeconds(a, {0, a.monoNs + 719'000'600'000LL})), qint64(720));
        QCOMPARE(qint64(ui::DateDiffSeconds(a, {0, a.monoNs + 399'999})), qint64(0));
        QCOMPARE(qint64(ui::DateDiffSeconds(a, {0, a.monoNs + 400'000})), qint64(1));
    }

    void systemuhrLaesstSichVonSekundengrenzeNichtTaeuschen()
    {
        // The wall clock crosses a second at monotonic 1'010'000 and every second
        // after. The first wall reading, 5 µs after that boundary, lies between
        // monotonic readings 20 µs apart; the second is clear of it.
        std::deque<std::int64_t> mono{1'000'000, 1'020'000, 1'030'000, 1'040'000};
        std::deque<std::int64_t> wand{1'796'724'006'000'005'000LL, 1'796'724'006'000'025'000LL};
        const auto naechste = [](std::deque<std::int64_t>& d) {
            const std::int64_t v = d.front();
            if (d.size() > 1) d.pop_front();
            return v;
        };
        ui::SystemClock uhr([&] { return naechste(mono); }, [&] { return naechste(wand); });
        const ui::Zeitpunkt a = uhr.Now();
        // Second boundaries truly passed between the moment a stands for and `ende`.
        const auto grenzen = [&](std::int64_t ende) {
            const auto sekunde = [](std::int64_t m) { return std::int64_t(std::floor((m - 1'010'000) / 1e9)); };
            return qint64(sekunde(ende) - sekunde(a.monoNs));
        };
        for (const std::int64_t ende : {1'500'000'000LL, 3'001'000'000LL, 3'001'020'000LL, 720'001'020'000LL})
            QCOMPARE(qint64(ui::DateDiffSeconds(a, {0, ende})), grenzen(ende));
    }

    // ---- timers ---------------------------------------------------------

    void timerIntervall()
    {
        ui::Timer t(nullptr);
        int ticks = 0;
        t.onTick([&] { ++ticks; });
        QVERIFY(!t.isTicking());

        t.setInterval(20);
        QVERIFY(t.isTicking());
        QCOMPARE(t.interval(), 20);
        QTRY_VERIFY(ticks >= 3);

        t.setInterval(0);
        QVERIFY(!t.isTicking());
        QCOMPARE(t.interval(), 0);
        const int stand = ticks;
        QTest::qWait(100);
        QCOMPARE(ticks, stand);

        t.setInterval(-5);
        QVERIFY(!t.isTicking());
        QCOMPARE(t.interval(), 0);

        t.setInterval(30);
        QVERIFY(t.isTicking());
        t.setInterval(40);
        QCOMPARE(t.interval(), 40);
        QTRY_VERIFY(ticks > stand);
    }

    void timerGleichesIntervallStartetNichtNeu()
    {
        ui::Timer t(nullptr);
        int ticks = 0;
        t.onTick([&] { ++ticks; });
        // Written again every 10 ms: a restart each time would never let a 200 ms tick through.
        t.setInterval(200);
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < 1000) {
            t.setInterval(200);
            QTest::qWait(10);
        }
        QVERIFY2(ticks >= 2, qPrintable(QString::number(ticks)));
    }

    void timerTickWaehrendHandlerWirdVerworfen()
    {
        ui::Timer t(nullptr);
        int eintritte = 0;
        int gleichzeitig = 0, hoechstens = 0;
        t.onTick([&] {
            ++eintritte;
            hoechstens = std::max(hoechstens, ++gleichzeitig);
            if (eintritte == 1) {
                // As inside a message box: events, and so ticks, go on meanwhile.
                QEventLoop loop;
                QTimer::singleShot(200, &loop, &QEventLoop::quit);
                t.tick();  // a tick delivered by hand is dropped as well
                loop.exec();
                QCOMPARE(eintritte, 1);
            }
            --gleichzeitig;
        });
        t.setInterval(20);
        QTRY_VERIFY(eintritte >= 3);
        QCOMPARE(hoechstens, 1);
    }

    // ---- check box ------------------------------------------------------

    void checkBoxWertUndAenderung_data()
    {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("nach");
        QTest::addColumn<int>("meldungen");
        // A write of the value the box has is no change and reports none.
        const struct {
            int von, nach, meldungen;
        } faelle[] = {{0, 0, 0}, {0, 1, 1}, {1, 1, 0}, {1, 0, 1}, {0, 2, 1},
                      {2, 2, 0}, {2, 1, 1}, {1, 2, 1}, {2, 0, 1}};
        for (const auto& f : faelle) QTest::addRow("%d nach %d", f.von, f.nach) << f.von << f.nach << f.meldungen;
    }

    void checkBoxWertUndAenderung()
    {
        QFETCH(int, von);
        QFETCH(int, nach);
        QFETCH(int, meldungen);
        QWidget parent;
        ui::CheckBox box(QStringLiteral("Immer neu mischen?"), &parent);
        QCOMPARE(box.value(), 0);
        box.setValue(von);
        QCOMPARE(box.value(), von);
        QSignalSpy spy(&box, &QCheckBox::stateChanged);
        box.setValue(nach);
        QCOMPARE(box.value(), nach);
        QCOMPARE(spy.count(), meldungen);
    }

    void checkBoxKlickDesSpielers()
    {
        QWidget parent;
        ui::CheckBox box(QStringLiteral("Immer neu mischen?"), &parent);
        box.setGeometry(0, 0, 153, 17);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QSignalSpy spy(&box, &QCheckBox::stateChanged);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(box.value(), 1);
        QCOMPARE(spy.count(), 1);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 8));
        QCOMPARE(box.value(), 0);
        QCOMPARE(spy.count(), 2);
    }

    // ---- window size ----------------------------------------------------

    void formAussengroesse()
    {
        ui::Form f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        f.setOuterHeightTwips(9600);
        f.setOuterWidthTwips(12000);
        QTRY_COMPARE(f.frameGeometry().size(), QSize(800, 640));
        QCOMPARE(f.outerWidthTwips(), 12000.0);
        QCOMPARE(f.outerHeightTwips(), 9600.0);

        // One side alone leaves the other as it is; twips round to whole pixels.
        f.setOuterWidthTwips(9001);
        QTRY_COMPARE(f.frameGeometry().size(), QSize(600, 640));
        f.setOuterHeightTwips(7013);
        QTRY_COMPARE(f.frameGeometry().size(), QSize(600, 468));
        QCOMPARE(f.outerWidthTwips(), 9000.0);
    }

    void formGroesseVorDemZeigenUndNachMaximiert()
    {
        // As Form_Load does: the size is set before the frame is known.
        ui::Form f;
        f.setWindowState(Qt::WindowNoState);
        f.setOuterHeightTwips(9600);
        f.setOuterWidthTwips(12000);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_COMPARE(f.frameGeometry().size(), QSize(800, 640));
        QVERIFY(!f.isMaximized() && !f.isMinimized());

        f.setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(f.isMaximized());

        // As every run start does: normal state, then the size again.
        f.setWindowState(Qt::WindowNoState);
        f.setOuterHeightTwips(9600);
        f.setOuterWidthTwips(12000);
        QTRY_VERIFY(!f.isMaximized() && !f.isMinimized());
        QTRY_COMPARE(f.frameGeometry().size(), QSize(800, 640));

        // A player's own resize is not undone behind his back.
        f.resize(500, 400);
        QTest::qWait(50);
        QCOMPARE(f.size(), QSize(500, 400));
    }
};

QTEST_MAIN(LaufzeitTest)
#include "test_laufzeit.moc"

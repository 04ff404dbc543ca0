// Simple runs ("50 Zahlen einfach") from the start button back to the start menu.
#include <QFontMetrics>
#include <QTest>

#include "tests/support/SpielTest.h"

using namespace spielhilfe;

namespace {
// A box and what the window showed while it was open.
QString anblick(const QString& box, int zahlen, int menue, const QString& label1)
{
    return QStringLiteral("%1 | %2 Zahlen | Menü %3 | Label1: %4").arg(box).arg(zahlen).arg(menue).arg(label1);
}
}  // namespace

class EinfacherLauf : public SpielTest {
    Q_OBJECT
private slots:
    void lauf_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<QString>("modus");
        QTest::addColumn<QList<int>>("fehlerVor");  // the board ordinals before which a miss falls
        QTest::addColumn<QStringList>("fehlermeldungen");
        QTest::addColumn<bool>("mischen");
        QTest::addColumn<int>("sekunden");
        QTest::addColumn<QString>("ergebnis");

        QTest::newRow("bunt hoch, fehlerfrei, 42 s")
            << &BunteZahlenHoch << "BunteZahlenHoch" << QList<int>{} << QStringList{} << false << 42
            << "Fehlversuche: 0\r\nZeit = 0:42";
        QTest::newRow("bunt runter, 3 Fehler, 125 s")
            << &BunteZahlenRunter << "BunteZahlenRunter" << QList<int>{1, 17, 50}
            << QStringList{"Gesuchte Zahl = 50", "Gesuchte Zahl = 34", "Gesuchte Zahl = 1"} << false << 125
            << "Fehlversuche: 3\r\nZeit = 2:5";
        QTest::newRow("gleich hoch, 1 Fehler, 60 s")
            << &GleicheZahlenHoch << "GleicheZahlenHoch" << QList<int>{33} << QStringList{"Gesuchte Zahl = 33"} << false
            << 60 << "Fehlversuche: 1\r\nZeit = 1:0";
        QTest::newRow("gleich runter, 2 Fehler, 3725 s")
            << &GleicheZahlenRunter << "GleicheZahlenRunter" << QList<int>{2, 2}
            << QStringList{"Gesuchte Zahl = 49", "Gesuchte Zahl = 49"} << false << 3725
            << "Fehlversuche: 2\r\nZeit = 62:5";
        QTest::newRow("bunt hoch, neu mischen, 3 Fehler")
            << &BunteZahlenHoch << "BunteZahlenHoch" << QList<int>{5, 6, 49}
            << QStringList{"Gesuchte Zahl = 5", "Gesuchte Zahl = 6", "Gesuchte Zahl = 49"} << true << 125
            << "Fehlversuche: 3\r\nZeit = 2:5";
        QTest::newRow("gleich runter, neu mischen") << &GleicheZahlenRunter << "GleicheZahlenRunter" << QList<int>{}
                                                    << QStringList{} << true << 59 << "Fehlversuche: 0\r\nZeit = 0:59";
    }

    void lauf()
    {
        QFETCH(Start, start);
        QFETCH(QString, modus);
        QFETCH(QList<int>, fehlerVor);
        QFETCH(QStringList, fehlermeldungen);
        QFETCH(bool, mischen);
        QFETCH(int, sekunden);
        QFETCH(QString, ergebnis);

        w().EinfachAusdauer[1]->setChecked(true);
        w().ImmerNeuMischenChk->setValue(mischen ? 1 : 0);
        QStringList anblicke;
        s().meldung.whileOpen = [&](const QString& t) {
            const QString label1 = label1Sichtbar(w()) ? w().Label1->text() : QStringLiteral("verborgen");
            anblicke << anblick(t, sichtbareZahlen(w()), sichtbaresMenue(w()), label1);
        };

        starten(w(), start);
        QCOMPARE(w().stand().Modus, modus);
        for (int z = 1; z <= 50; ++z) {
            for (int n = int(fehlerVor.count(z)); n > 0; --n) s().fehler();
            if (z == 20) s().uhr.advance(sekunden / 2);
            if (z == 50) s().uhr.advance(sekunden - sekunden / 2);
            s().treffer();
        }
        QCOMPARE(w().Label1->caption(), ergebnis);

        // Miss boxes over the board; then an empty window; the results only behind
        // the second box, each CR LF one line break on screen with no CR left over.
        QStringList erwartet;
        for (const QString& m : fehlermeldungen) erwartet << anblick(m, 50, 0, QStringLiteral("verborgen"));
        erwartet << anblick(Alle, 0, 0, QStringLiteral("verborgen"))
                 << anblick(Bitte, 0, 0, QString(ergebnis).replace(ui::CrLf, QStringLiteral("\n")));
        QCOMPARE(anblicke, erwartet);

        // Back at the start menu; the next run starts clean and reports no misses of this one.
        QCOMPARE(sichtbaresMenue(w()), 9);
        QVERIFY(!label1Sichtbar(w()));
        QCOMPARE(sichtbareZahlen(w()), 0);
        starten(w(), start);
        QCOMPARE(w().Label1->caption(), QString());
        treffen(s(), 50);
        QCOMPARE(w().Label1->caption(), QStringLiteral("Fehlversuche: 0\r\nZeit = 0:0"));
    }

    void ersterKlick_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("meldung");  // none: a hit
        QTest::addColumn<int>("gesucht");          // the number sought after the click
        const QStringList treffer, eins{"Gesuchte Zahl = 1"}, fuenfzig{"Gesuchte Zahl = 50"};
        QTest::newRow("hoch: Zahllbl(0) trifft") << &BunteZahlenHoch << 0 << treffer << 2;
        QTest::newRow("hoch: Zahllbl(1) verfehlt") << &GleicheZahlenHoch << 1 << eins << 1;
        QTest::newRow("hoch: Zahllbl(49) verfehlt") << &BunteZahlenHoch << 49 << eins << 1;
        QTest::newRow("runter: Zahllbl(49) trifft") << &BunteZahlenRunter << 49 << treffer << 49;
        QTest::newRow("runter: Zahllbl(0) verfehlt") << &GleicheZahlenRunter << 0 << fuenfzig << 50;
        QTest::newRow("runter: Zahllbl(48) verfehlt") << &BunteZahlenRunter << 48 << fuenfzig << 50;
    }

    void ersterKlick()
    {
        QFETCH(Start, start);
        QFETCH(int, index);
        QFETCH(QStringList, meldung);
        QFETCH(int, gesucht);
        einfachStarten(w(), start);
        w().Zahllbl_Click(index);
        QCOMPARE(s().meldung.texts, meldung);
        QCOMPARE(w().stand().GesuchteZahl(), gesucht);
    }

    // The time taken counts the second boundaries passed since the start; a
    // start on a whole second, where a day count times 86400 lands just below
    // it, is no exception.
    void startAufGanzerSekunde_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QString>("ergebnis");
        QTest::newRow("10:00:05,000, 2,5 s") << QTime(10, 0, 5) << "Fehlversuche: 0\r\nZeit = 0:2";
        QTest::newRow("10:00:05,999, 2,5 s") << QTime(10, 0, 5, 999) << "Fehlversuche: 0\r\nZeit = 0:3";
    }

    void startAufGanzerSekunde()
    {
        QFETCH(QTime, start);
        QFETCH(QString, ergebnis);
        s().uhr.stellen(QDate(2026, 12, 8), start);
        einfachStarten(w(), &GleicheZahlenHoch);
        s().uhr.advance(2.5);
        treffen(s(), 50);
        QCOMPARE(w().Label1->caption(), ergebnis);
    }

    // The fourteen endurance lines, with three-digit minutes and a four-digit total,
    // must be readable in full: no line cut at the right, none below the label.
    void ausdauerZeilenPassenInsLabel()
    {
        QVERIFY(zeigen(w()));
        QStringList zeilen;
        s().meldung.whileOpen = [&](const QString& t) {
            if (t == Bitte) zeilen = w().Label1->text().split(QLatin1Char('\n'));
        };
        w().StartBtn_Click();
        for (int m = 0; m < 12; ++m) {
            treffen(s(), 95 + m);
            s().uhr.advance(60);
        }
        w().Timer12Min_Timer();

        QCOMPARE(zeilen.size(), 14);
        QCOMPARE(zeilen.last(), QStringLiteral("Gesamt: 1206"));
        const QFontMetrics fm(w().Label1->font());
        QVERIFY2(14 * fm.lineSpacing() <= w().Label1->height(),
                 qPrintable(QStringLiteral("%1 × 14 > %2").arg(fm.lineSpacing()).arg(w().Label1->height())));
        for (const QString& z : zeilen)
            QVERIFY2(
                fm.horizontalAdvance(z) <= w().Label1->width(),
                qPrintable(QStringLiteral("%1: %2 > %3").arg(z).arg(fm.horizontalAdvance(z)).arg(w().Label1->width())));
    }

    // The downward uniform board is built before the mode start restores the window;
    // the window is restored first, so the board fits the window it is shown in.
    void gleichRunterNachGroessenwechsel_data()
    {
        QTest::addColumn<int>("zustand");  // window state value before the click
        QTest::addColumn<QSize>("groesse");
        QTest::newRow("maximiert") << 2 << QSize();
        QTest::newRow("minimiert") << 1 << QSize();
        QTest::newRow("vergrößert auf 1600 × 1100") << 0 << QSize(1600, 1100);
        QTest::newRow("verkleinert auf 500 × 400") << 0 << QSize(500, 400);
    }

    void gleichRunterNachGroessenwechsel()
    {
        QFETCH(int, zustand);
        QFETCH(QSize, groesse);

        w().EinfachAusdauer[1]->setChecked(true);
        QVERIFY(zeigen(w()));
        if (zustand == 2) {
            w().showMaximized();
            QTRY_VERIFY(w().width() > 1000);
        } else if (zustand == 1) {
            w().showMinimized();
            QTRY_VERIFY(w().isMinimized());
        } else {
            w().resize(groesse);
            QTRY_COMPARE(w().size(), groesse);
        }

        w().GleichRunterStartBtn_Click();
        ladegroesseBleibt(w());
    }
};

FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(EinfacherLauf)
#include "test_einfacher_lauf.moc"

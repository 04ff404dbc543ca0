// Message boxes: the handler waits for the box and carries on once it is closed.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>

#include "tests/support/Kasten.h"
#include "tests/support/SpielTest.h"

using kasten::KastenBeobachter;

class MeldungTest : public SpielTest {
    Q_OBJECT

private slots:
    void qtKastenMitEinemOkKnopf()
    {
        QWidget fenster;
        fenster.setGeometry(100, 80, 600, 400);
        QVERIFY(spielhilfe::zeigen(fenster));
        ui::QtMessageBox meldung;
        meldung.setParent(&fenster);

        KastenBeobachter b;
        QString titel, inhalt;
        int knoepfe = -1;
        QMessageBox::StandardButton knopf = QMessageBox::NoButton;
        QMessageBox::Icon symbol = QMessageBox::Warning;
        bool modal = false;
        QWidget* eltern = nullptr;
        QRect lage;
        b.mitKasten = [&](QMessageBox* box) {
            lage = box->frameGeometry();
            titel = box->windowTitle();
            inhalt = box->text();
            knoepfe = int(box->buttons().size());
            knopf = box->buttons().isEmpty() ? QMessageBox::NoButton : box->standardButton(box->buttons().first());
            symbol = box->icon();
            modal = box->isModal();
            eltern = box->parentWidget();
            if (!box->buttons().isEmpty()) QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        };
        b.warten();
        meldung.MsgBox(spielhilfe::Bitte);

        QVERIFY(b.gesehen);
        QVERIFY(!b.vomWaechterGeschlossen);
        QCOMPARE(titel, QStringLiteral("Flinkblick"));
        QCOMPARE(inhalt, spielhilfe::Bitte);
        QCOMPARE(knoepfe, 1);
        QCOMPARE(knopf, QMessageBox::Ok);
        QCOMPARE(symbol, QMessageBox::NoIcon);
        QVERIFY(modal);
        QCOMPARE(eltern, &fenster);
        QVERIFY(!QApplication::activeModalWidget());
        // Centred across the window (x 100 … 700), but low: its bottom a tenth of
        // the window's 400 px above the window's bottom edge at y 480.
        const QString wo =
            QStringLiteral("box at %1,%2 %3x%4").arg(lage.x()).arg(lage.y()).arg(lage.width()).arg(lage.height());
        QVERIFY2(std::abs(lage.left() + lage.right() + 1 - 2 * 400) <= 2, qPrintable(wo));
        QVERIFY2(std::abs(lage.bottom() + 1 - 440) <= 1, qPrintable(wo));
    }

    void fehlklickWartetAufDieMeldung()
    {
        const QString text = QStringLiteral("Gesuchte Zahl = 50");
        spielhilfe::einfachStarten(w(), &BunteZahlenRunter);
        QCOMPARE(w().stand().Ausdauer, ui::False);

        int fehlerWaehrendOffen = -1;
        bool offen = false;
        s().meldung.whileOpen = [&](const QString&) {
            fehlerWaehrendOffen = int(w().fehlversuche());
            offen = w().fehlermeldungOffen();
        };
        s().fehler();

        QCOMPARE(s().meldung.texts, QStringList{text});
        // The miss is counted only after the box has been closed.
        QVERIFY(offen);
        QCOMPARE(fehlerWaehrendOffen, 0);
        QVERIFY(!w().fehlermeldungOffen());
        QCOMPARE(int(w().fehlversuche()), 1);
        QCOMPARE(int(w().stand().Zaehler), 1);

        s().fehler();
        QCOMPARE(s().meldung.texts, (QStringList{text, text}));
        QCOMPARE(int(w().fehlversuche()), 2);
    }

    void shutDownSchliesstUndSchweigt()
    {
        ui::QtMessageBox meldung;
        KastenBeobachter b;
        b.mitKasten = [&](QMessageBox*) { meldung.shutDown(); };
        b.warten();
        meldung.MsgBox(spielhilfe::Alle);
        QVERIFY(b.gesehen);
        QVERIFY(!b.vomWaechterGeschlossen);

        // After the shut-down no box opens: MsgBox returns at once.
        KastenBeobachter spaeter;
        spaeter.mitKasten = [](QMessageBox* box) { box->done(QMessageBox::Ok); };
        spaeter.warten();
        QElapsedTimer uhr;
        uhr.start();
        meldung.MsgBox(spielhilfe::Um);
        QVERIFY(!spaeter.gesehen);
        QVERIFY(uhr.elapsed() < 1000);
    }

    void fensterSchliessenBeendetWartendenHandler()
    {
        kasten::SpielMitEchtenKaesten s;
        Flinkblick& w = s.w;
        QVERIFY(spielhilfe::zeigen(w));
        spielhilfe::einfachStarten(w);

        KastenBeobachter b;
        QString inhalt;
        b.mitKasten = [&](QMessageBox* box) {
            inhalt = box->text();
            w.close();
        };
        b.warten();
        w.Zahllbl_Click(1);  // 2 is not the sought 1

        QVERIFY(b.gesehen);
        QVERIFY(!b.vomWaechterGeschlossen);
        QCOMPARE(inhalt, QStringLiteral("Gesuchte Zahl = 1"));
        QCOMPARE(int(w.fehlversuche()), 1);
        QVERIFY(!w.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(MeldungTest)
#include "test_meldung.moc"

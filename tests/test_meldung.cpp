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
        QRect lage;
        b.mitKasten = [&](QMessageBox* box) {
            lage = box->frameGeometry();
            QCOMPARE(box->windowTitle(), QStringLiteral("Flinkblick"));
            QCOMPARE(box->text(), spielhilfe::Bitte);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QVERIFY(box->isModal());
            QCOMPARE(box->parentWidget(), &fenster);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        };
        b.warten();
        meldung.MsgBox(spielhilfe::Bitte);

        QVERIFY(b.gesehen);
        QVERIFY(!b.vomWaechterGeschlossen);  // the OK button closed it
        QVERIFY(!QApplication::activeModalWidget());
        // Centred across the window (x 100 … 700), but low: its bottom a tenth of
        // the window's 400 px above the window's bottom edge at y 480.
        const QString wo =
            QStringLiteral("box at %1,%2 %3x%4").arg(lage.x()).arg(lage.y()).arg(lage.width()).arg(lage.height());
        QVERIFY2(std::abs(lage.left() + lage.right() + 1 - 2 * 400) <= 2, qPrintable(wo));
        QVERIFY2(std::abs(lage.bottom() + 1 - 440) <= 1, qPrintable(wo));
    }

    // The miss is counted only after its box has been closed.
    void fehlklickWartetAufDieMeldung()
    {
        spielhilfe::einfachStarten(w(), &BunteZahlenRunter);
        s().meldung.whileOpen = [&](const QString&) {
            QVERIFY(w().fehlermeldungOffen());
            QCOMPARE(int(w().fehlversuche()), 0);
        };
        s().fehler();
        QCOMPARE(s().meldung.texts, QStringList{"Gesuchte Zahl = 50"});
        QVERIFY(!w().fehlermeldungOffen());
        QCOMPARE(int(w().fehlversuche()), 1);
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
        meldung.MsgBox(spielhilfe::Um);
        QVERIFY(!spaeter.gesehen);
    }

    void fensterSchliessenBeendetWartendenHandler()
    {
        kasten::SpielMitEchtenKaesten s;
        Flinkblick& w = s.w;
        QVERIFY(spielhilfe::zeigen(w));
        spielhilfe::einfachStarten(w);

        KastenBeobachter b;
        b.mitKasten = [&](QMessageBox*) { w.close(); };
        b.warten();
        w.Zahllbl_Click(1);  // 2 is not the sought 1

        QVERIFY(b.gesehen);
        QVERIFY(!b.vomWaechterGeschlossen);
        QCOMPARE(int(w.fehlversuche()), 1);  // the handler ran out
        QVERIFY(!w.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(MeldungTest)
#include "test_meldung.moc"

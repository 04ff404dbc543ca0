// What assistive technology sees of the game: Qt's accessibility interfaces,
// which the AT-SPI bridge hands on to screen readers, must carry the visible
// text as the name and the state of every control the player deals with.
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "tests/support/Kasten.h"
#include "tests/support/Spielhilfe.h"

namespace {

QAccessibleInterface* zugang(QObject* o)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(o);
    if (!iface) qFatal("no accessibility interface for %s", qPrintable(o->objectName()));
    return iface;
}

QString name(QObject* o)
{
    return zugang(o)->text(QAccessible::Name);
}
QAccessible::State zustand(QObject* o)
{
    return zugang(o)->state();
}

QWidget* steuerelement(Flinkblick& w, const QString& objectName)
{
    auto* c = w.findChild<QWidget*>(objectName);
    if (!c) qFatal("no control %s", qPrintable(objectName));
    return c;
}

// A window on screen with the focus, as the player gets it.
struct SichtbaresSpiel : fakes::Spiel {
    SichtbaresSpiel()
    {
        w().show();
        if (!QTest::qWaitForWindowActive(&w())) qFatal("window did not become active");
    }
};

}  // namespace

class Barrierefreiheit : public QObject {
    Q_OBJECT
private slots:
    void fensterHeisstWieSeinTitel()
    {
        SichtbaresSpiel s;
        QAccessibleInterface* fenster = zugang(&s.w());
        QCOMPARE(fenster->text(QAccessible::Name), QStringLiteral("Flinkblick"));
        QCOMPARE(fenster->role(), QAccessible::Window);
        QVERIFY(!fenster->state().invisible);
        // Every control of the start menu is reachable from the window.
        bool startBtnGefunden = false;
        for (int i = 0; i < fenster->childCount(); ++i)
            if (fenster->child(i)->object() == s.w().StartBtn) startBtnGefunden = true;
        QVERIFY(startBtnGefunden);
    }

    // The row tag names the control.
    void startmenue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rolle");
        QTest::addColumn<bool>("waehlbar");
        QTest::addColumn<bool>("gewaehlt");

        const int knopf = QAccessible::Button, option = QAccessible::RadioButton, statisch = QAccessible::StaticText;
        QTest::newRow("StartBtn") << "Bunte Zahlen" << knopf << false << false;
        QTest::newRow("BuntRunterStartBtn") << "Bunte Zahlen" << knopf << false << false;
        QTest::newRow("Gleiche_Zahlen") << "Gleiche Zahlen" << knopf << false << false;
        QTest::newRow("GleichRunterStartBtn") << "Gleiche Zahlen" << knopf << false << false;
        QTest::newRow("EinfachAusdauer(0)") << "12 Minuten Ausdauer" << option << true << true;
        QTest::newRow("EinfachAusdauer(1)") << "50 Zahlen einfach" << option << true << false;
        QTest::newRow("ImmerNeuMischenChk") << "Immer neu mischen?" << int(QAccessible::CheckBox) << true << false;
        QTest::newRow("Label3") << "Vorwärts" << statisch << false << false;
        QTest::newRow("Label2") << "Rückwärts" << statisch << false << false;
    }

    void startmenue()
    {
        QFETCH(QString, text);
        QFETCH(int, rolle);
        QFETCH(bool, waehlbar);
        QFETCH(bool, gewaehlt);

        SichtbaresSpiel s;
        QWidget* c = steuerelement(s.w(), QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(name(c), text);
        QCOMPARE(int(zugang(c)->role()), rolle);
        const QAccessible::State st = zustand(c);
        QVERIFY(!st.invisible);
        QCOMPARE(bool(st.checkable), waehlbar);
        QCOMPARE(bool(st.checked), gewaehlt);
        // Only the one control with the keyboard focus says so.
        QCOMPARE(bool(st.focused), c == s.w().StartBtn);
    }

    void fokusFolgtDerTabulatorreihenfolge()
    {
        SichtbaresSpiel s;
        Flinkblick& w = s.w();
        const QList<QWidget*> reihe{w.StartBtn,           w.Gleiche_Zahlen,     w.GleichRunterStartBtn,
                                    w.BuntRunterStartBtn, w.EinfachAusdauer[0], w.ImmerNeuMischenChk};
        for (int i = 0; i < reihe.size(); ++i) {
            for (QWidget* c : reihe) QCOMPARE(bool(zustand(c).focused), c == reihe[i]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void optionenMeldenIhrenZustand()
    {
        SichtbaresSpiel s;
        Flinkblick& w = s.w();

        QTest::mouseClick(w.EinfachAusdauer[1], Qt::LeftButton, {}, QPoint(8, w.EinfachAusdauer[1]->height() / 2));
        QVERIFY(w.EinfachAusdauer[1]->isChecked());
        QVERIFY(zustand(w.EinfachAusdauer[1]).checked);
        QVERIFY(!zustand(w.EinfachAusdauer[0]).checked);

        QTest::mouseClick(w.ImmerNeuMischenChk, Qt::LeftButton, {}, QPoint(8, w.ImmerNeuMischenChk->height() / 2));
        QVERIFY(w.stand().ImmerNeuMischen != ui::False);
        QVERIFY(zustand(w.ImmerNeuMischenChk).checked);

        // A greyed box counts as on; it is reported as mixed, not as clear.
        w.ImmerNeuMischenChk->setValue(2);
        QVERIFY(zustand(w.ImmerNeuMischenChk).checkStateMixed);
    }

    void startmenueVerschwindetMitDemSpielbeginn()
    {
        SichtbaresSpiel s;
        Flinkblick& w = s.w();
        w.StartBtn->click();

        const QList<QWidget*> startmenue = spielhilfe::startmenue(w);
        for (QWidget* c : startmenue) QVERIFY2(zustand(c).invisible, qPrintable(c->objectName()));
        // The focus left with the start button; no hidden control claims it.
        for (QWidget* c : startmenue) QVERIFY2(!zustand(c).focused, qPrintable(c->objectName()));
        QVERIFY(zustand(w.Label1).invisible);
        for (ui::Label* l : w.Zahllbl) QVERIFY(!zustand(l).invisible);
    }

    void tastenImSpielAendernKeineOption()
    {
        SichtbaresSpiel s;
        Flinkblick& w = s.w();
        w.EinfachAusdauer[1]->setChecked(true);
        w.StartBtn->click();
        // Keys reach whatever holds the focus; during play that is no hidden control.
        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space})
            QTest::keyClick(w.windowHandle(), k);
        QVERIFY(w.EinfachAusdauer[1]->isChecked());
        QVERIFY(!w.EinfachAusdauer[0]->isChecked());
        QCOMPARE(w.ImmerNeuMischenChk->value(), 0);
        QCOMPARE(int(w.stand().Ausdauer), int(ui::False));
    }

    void zahlenHeissenWieSieAussehen_data()
    {
        QTest::addColumn<bool>("gleiche");
        QTest::addColumn<QStringList>("namen");  // of Zahllbl(0), Zahllbl(8), Zahllbl(9) and Zahllbl(49)
        QTest::newRow("Bunte Zahlen") << false << QStringList{"1", "9", "10", "50"};
        QTest::newRow("Gleiche Zahlen") << true << QStringList{"01", "09", "10", "50"};
    }

    void zahlenHeissenWieSieAussehen()
    {
        QFETCH(bool, gleiche);
        QFETCH(QStringList, namen);
        const auto stichprobe = [](Flinkblick& w) {
            return QStringList{name(w.Zahllbl[0]), name(w.Zahllbl[8]), name(w.Zahllbl[9]), name(w.Zahllbl[49])};
        };

        SichtbaresSpiel s;
        Flinkblick& w = s.w();
        // Before the first board the hidden labels are silent and say so.
        for (ui::Label* l : w.Zahllbl) QVERIFY(zustand(l).invisible);

        (gleiche ? w.Gleiche_Zahlen : w.StartBtn)->click();
        QCOMPARE(stichprobe(w), namen);
        for (ui::Label* l : w.Zahllbl) {
            QCOMPARE(name(l), l->text());
            QCOMPARE(zugang(l)->role(), QAccessible::StaticText);
            QVERIFY(!zustand(l).invisible);
            QVERIFY(!zustand(l).focusable);
        }

        // With the reshuffle option each hit builds the board again; the names stay right.
        w.ImmerNeuMischenChk->setValue(1);
        spielhilfe::treffen(s, 3);
        QCOMPARE(stichprobe(w), namen);
        for (ui::Label* l : w.Zahllbl) QCOMPARE(name(l), l->text());
    }

    void gefundeneZahlenVerschwindenMitDemBrett()
    {
        SichtbaresSpiel s;
        Flinkblick& w = s.w();
        w.EinfachAusdauer[1]->setChecked(true);
        w.StartBtn->click();
        while (w.stand().Zaehler < 50) s.treffer();
        s.treffer();
        for (ui::Label* l : w.Zahllbl) QVERIFY(zustand(l).invisible);
        // Back at the start menu, its controls are announced again.
        QVERIFY(!zustand(w.StartBtn).invisible);
        QVERIFY(!zustand(w.ImmerNeuMischenChk).invisible);
    }

    void ergebnistextOhneWagenruecklauf()
    {
        SichtbaresSpiel s;
        Flinkblick& w = s.w();
        w.EinfachAusdauer[1]->setChecked(true);
        w.StartBtn->click();
        s.fehler();
        s.fehler();

        QString gelesen;
        bool sichtbar = false;
        s.meldung.whileOpen = [&](const QString& text) {
            if (text != spielhilfe::Bitte) return;
            gelesen = name(w.Label1);
            sichtbar = !zustand(w.Label1).invisible;
        };
        while (w.stand().Zaehler < 50) {
            s.uhr.advance(1.5);
            s.treffer();
        }
        s.treffer();

        QVERIFY(sichtbar);
        QVERIFY(w.Label1->caption().contains(QLatin1Char('\r')));
        QVERIFY2(!gelesen.contains(QLatin1Char('\r')), qPrintable(gelesen));
        const QStringList zeilen = gelesen.split(QLatin1Char('\n'));
        QCOMPARE(zeilen.size(), 2);
        QCOMPARE(zeilen[0], QStringLiteral("Fehlversuche: 2"));
        QVERIFY2(zeilen[1].startsWith(QStringLiteral("Zeit = 1:")), qPrintable(zeilen[1]));
        // Once the start menu is back the results are gone for the screen reader too.
        QVERIFY(zustand(w.Label1).invisible);
    }

    void meldungNenntIhrenText()
    {
        kasten::SpielMitEchtenKaesten s;
        Flinkblick& w = s.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.StartBtn->click();

        QString boxName, boxTitel, knopfName;
        QAccessible::Role boxRolle = QAccessible::NoRole;
        kasten::KastenBeobachter b;
        b.mitKasten = [&](QMessageBox* box) {
            QAccessibleInterface* iface = zugang(box);
            boxName = iface->text(QAccessible::Name);
            boxRolle = iface->role();
            boxTitel = box->windowTitle();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) knopfName = name(ok);
            box->done(QMessageBox::Ok);
        };
        b.warten();
        w.Zahllbl_Click(7);  // sought is 1

        QVERIFY(b.gesehen);
        QVERIFY(!b.vomWaechterGeschlossen);
        QCOMPARE(boxName, QStringLiteral("Gesuchte Zahl = 1"));
        QCOMPARE(boxRolle, QAccessible::AlertMessage);
        QCOMPARE(boxTitel, QStringLiteral("Flinkblick"));
        QVERIFY(!knopfName.isEmpty());
        QCOMPARE(int(w.fehlversuche()), 1);
    }
};

QTEST_MAIN(Barrierefreiheit)
#include "test_barrierefreiheit.moc"

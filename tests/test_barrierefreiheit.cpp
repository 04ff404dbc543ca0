// What assistive technology sees of the game: Qt's accessibility interfaces,
// which the AT-SPI bridge hands on to screen readers, must carry the visible
// text as the name and the state of every control the player deals with.
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "tests/support/Kasten.h"
#include "tests/support/SpielTest.h"

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

}  // namespace

class Barrierefreiheit : public SpielTest {
    Q_OBJECT
public:
    Barrierefreiheit() : SpielTest(true) {}

private slots:
    // The window on screen with the focus, as the player gets it.
    void init()
    {
        SpielTest::init();
        QVERIFY(QTest::qWaitForWindowActive(&w()));
    }

    void fensterHeisstWieSeinTitel()
    {
        QAccessibleInterface* fenster = zugang(&w());
        QCOMPARE(fenster->text(QAccessible::Name), QStringLiteral("Flinkblick"));
        QCOMPARE(fenster->role(), QAccessible::Window);
        QVERIFY(!fenster->state().invisible);
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

        auto* c = w().findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(c);
        // Reachable from the window, as a screen reader walks it.
        QVERIFY(zugang(&w())->indexOfChild(zugang(c)) >= 0);
        QCOMPARE(name(c), text);
        QCOMPARE(int(zugang(c)->role()), rolle);
        const QAccessible::State st = zustand(c);
        QVERIFY(!st.invisible);
        QCOMPARE(bool(st.checkable), waehlbar);
        QCOMPARE(bool(st.checked), gewaehlt);
        // Only the one control with the keyboard focus says so.
        QCOMPARE(bool(st.focused), c == w().StartBtn);
    }

    void optionenMeldenIhrenZustand()
    {
        w().EinfachAusdauer[1]->setChecked(true);
        QVERIFY(zustand(w().EinfachAusdauer[1]).checked);
        QVERIFY(!zustand(w().EinfachAusdauer[0]).checked);
        w().ImmerNeuMischenChk->setValue(1);
        QVERIFY(zustand(w().ImmerNeuMischenChk).checked);
        // A greyed box counts as on; it is reported as mixed, not as clear.
        w().ImmerNeuMischenChk->setValue(2);
        QVERIFY(zustand(w().ImmerNeuMischenChk).checkStateMixed);
    }

    // With the run the start menu goes silent and gives up the focus; keys during
    // play reach no hidden control and change no option.
    void startmenueVerschwindetMitDemSpielbeginn()
    {
        w().EinfachAusdauer[1]->setChecked(true);
        w().StartBtn->click();

        for (QWidget* c : spielhilfe::startmenue(w())) {
            QVERIFY2(zustand(c).invisible, qPrintable(c->objectName()));
            QVERIFY2(!zustand(c).focused, qPrintable(c->objectName()));
        }
        QVERIFY(zustand(w().Label1).invisible);
        for (ui::Label* l : w().Zahllbl) QVERIFY(!zustand(l).invisible);

        for (Qt::Key k : {Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space})
            QTest::keyClick(w().windowHandle(), k);
        QVERIFY(w().EinfachAusdauer[1]->isChecked());
        QCOMPARE(w().ImmerNeuMischenChk->value(), 0);
        QCOMPARE(int(w().stand().Ausdauer), int(ui::False));
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
        Flinkblick& w = this->w();
        const auto stichprobe = [&w] {
            return QStringList{name(w.Zahllbl[0]), name(w.Zahllbl[8]), name(w.Zahllbl[9]), name(w.Zahllbl[49])};
        };
        // Before the first board the hidden labels are silent and say so.
        for (ui::Label* l : w.Zahllbl) QVERIFY(zustand(l).invisible);

        (gleiche ? w.Gleiche_Zahlen : w.StartBtn)->click();
        QCOMPARE(stichprobe(), namen);
        for (ui::Label* l : w.Zahllbl) {
            QCOMPARE(name(l), l->text());
            QCOMPARE(zugang(l)->role(), QAccessible::StaticText);
            QVERIFY(!zustand(l).invisible);
            QVERIFY(!zustand(l).focusable);
        }

        // With the reshuffle option each hit builds the board again; the names stay right.
        w.ImmerNeuMischenChk->setValue(1);
        spielhilfe::treffen(s(), 3);
        QCOMPARE(stichprobe(), namen);
        for (ui::Label* l : w.Zahllbl) QCOMPARE(name(l), l->text());
    }

    // The results are read line by line, with no carriage return spoken, and
    // only while they are shown.
    void ergebnistextOhneWagenruecklauf()
    {
        w().EinfachAusdauer[1]->setChecked(true);
        w().StartBtn->click();
        s().fehler();
        s().fehler();

        QString gelesen;
        bool sichtbar = false;
        s().meldung.whileOpen = [&](const QString& text) {
            if (text != spielhilfe::Bitte) return;
            gelesen = name(w().Label1);
            sichtbar = !zustand(w().Label1).invisible;
        };
        s().uhr.advance(73.5);
        spielhilfe::treffen(s(), 50);

        QVERIFY(sichtbar);
        QCOMPARE(gelesen, QStringLiteral("Fehlversuche: 2\nZeit = 1:13"));
        QVERIFY(zustand(w().Label1).invisible);
    }

    void meldungNenntIhrenText()
    {
        kasten::SpielMitEchtenKaesten s;
        Flinkblick& w = s.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.StartBtn->click();

        QString boxName, knopfName;
        QAccessible::Role boxRolle = QAccessible::NoRole;
        kasten::KastenBeobachter b;
        b.mitKasten = [&](QMessageBox* box) {
            boxName = name(box);
            boxRolle = zugang(box)->role();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) knopfName = name(ok);
            box->done(QMessageBox::Ok);
        };
        b.warten();
        w.Zahllbl_Click(7);  // sought is 1

        QCOMPARE(boxName, QStringLiteral("Gesuchte Zahl = 1"));
        QCOMPARE(boxRolle, QAccessible::AlertMessage);
        QVERIFY(!knopfName.isEmpty());
    }
};

QTEST_MAIN(Barrierefreiheit)
#include "test_barrierefreiheit.moc"

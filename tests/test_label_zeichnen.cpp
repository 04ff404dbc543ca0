// What a ui::Label paints must be what a plain QLabel with the same text,
// font, colours, alignment and size paints, pixel for pixel; and the start
// buttons' captions fit their buttons. CTest runs this also on a screen
// scaled by 2.
#include <QLabel>
#include <QtTest>

#include "board/Aufbau.h"
#include "tests/support/Spielhilfe.h"
#include "ui/Fonts.h"
#include "ui/Label.h"
#include "ui/Units.h"

namespace {

struct Aussehen {
    QString caption;
    QString schrift;
    float punkte;
    bool kursiv;
    Qt::Alignment ausrichtung;
    QSize groesse;
    std::int32_t vorne = ui::RGB(200, 120, 60);
};

QImage vonUiLabel(QWidget& eltern, const Aussehen& a)
{
    ui::Label l(&eltern);
    l.setTextAlignment(a.ausrichtung);
    l.setWidthTwips(float(a.groesse.width() * ui::TwipsPerPixel));
    l.setHeightTwips(float(a.groesse.height() * ui::TwipsPerPixel));
    l.setForeColor(a.vorne);
    l.setFontName(a.schrift);
    l.setFontItalic(a.kursiv);
    l.setCaption(a.caption);
    l.setFontSize(a.punkte);
    return l.grab().toImage();
}

// What the label stands for: a QLabel configured by hand.
QImage vonQLabel(QWidget& eltern, const Aussehen& a)
{
    QLabel l(&eltern);
    l.setTextFormat(Qt::PlainText);
    l.setAutoFillBackground(true);
    l.setFrameShape(QFrame::NoFrame);
    l.setWordWrap(false);
    l.setAlignment(a.ausrichtung | Qt::AlignTop);
    QPalette p = l.palette();
    p.setColor(QPalette::WindowText, ui::toQColor(a.vorne));
    p.setColor(QPalette::Window, Qt::black);
    l.setPalette(p);
    QFont f;
    f.setFamily(a.schrift);
    f.setItalic(a.kursiv);
    f.setPointSizeF(a.punkte);
    l.setFont(f);
    QString text = a.caption;
    l.setText(text.replace(ui::CrLf, QStringLiteral("\n")));
    l.resize(a.groesse);
    return l.grab().toImage();
}

}  // namespace

Q_DECLARE_METATYPE(Aussehen)

class LabelZeichnenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void wieQLabel_data()
    {
        QTest::addColumn<Aussehen>("a");
        // Every face, slant and size of the colourful board with one- and two-digit
        // numbers, at the size of a board cell.
        const QSize feld(67, 107);
        for (const char* schrift : board::BunteSchriften)
            for (int punkte = 10; punkte <= 30; punkte += 5)
                for (bool kursiv : {false, true})
                    for (const char* zahl : {"7", "18", "41"})
                        QTest::addRow("%s %d%s %s", schrift, punkte, kursiv ? " kursiv" : "", zahl) << Aussehen{
                            QLatin1String(zahl), QLatin1String(schrift), float(punkte), kursiv, Qt::AlignHCenter, feld};
        QTest::newRow("gleich 30 pt") << Aussehen{"07", "Arial", 30, false, Qt::AlignHCenter, feld, ui::Weiss};
        QTest::newRow("links") << Aussehen{"Vorwärts", "Arial", 9.75f, false, Qt::AlignLeft, {81, 17}, ui::Weiss};
        // Wider than the label: cut off at its edges.
        QTest::newRow("zu breit, mittig") << Aussehen{"Rückwärts", "Arial Black", 30, true, Qt::AlignHCenter, {60, 30}};
        QTest::newRow("zu breit, links") << Aussehen{"Rückwärts", "Dauphin", 30, false, Qt::AlignLeft, {60, 20}};
        QTest::newRow("zwei Zeilen") << Aussehen{
            "Fehlversuche: 3\r\nZeit: 12 s", "MS Sans Serif", 18, false, Qt::AlignLeft, {300, 120}, ui::Weiss};
        QTest::newRow("Leerzeichen am Rand") << Aussehen{" 5 ", "Courier New", 20, false, Qt::AlignHCenter, feld};
        QTest::newRow("leer") << Aussehen{"", "Arial", 10, false, Qt::AlignHCenter, feld};
    }

    void wieQLabel()
    {
        QFETCH(Aussehen, a);
        QWidget eltern;
        const QImage ist = vonUiLabel(eltern, a);
        const QImage soll = vonQLabel(eltern, a);
        QCOMPARE(ist.size(), soll.size());
        QCOMPARE(ist, soll);
    }

    // A change of caption or font shows at once, and writes inside a batch reach
    // the widget together when it closes: the label rewritten stands and paints
    // as a new one with the new values does.
    void nachAenderungNeuGezeichnet()
    {
        QWidget eltern;
        ui::Label l(&eltern);
        l.setTextAlignment(Qt::AlignHCenter);
        l.setWidthTwips(67 * 15);
        l.setHeightTwips(107 * 15);
        l.setFontName(QStringLiteral("Arial"));
        l.setFontSize(20);
        l.setCaption(QStringLiteral("12"));
        l.grab();
        l.setCaption(QStringLiteral("13"));
        QCOMPARE(l.grab().toImage(),
                 vonQLabel(eltern, {"13", "Arial", 20, false, Qt::AlignHCenter, QSize(67, 107), ui::Weiss}));
        l.setFontItalic(true);
        QCOMPARE(l.grab().toImage(),
                 vonQLabel(eltern, {"13", "Arial", 20, true, Qt::AlignHCenter, QSize(67, 107), ui::Weiss}));
        l.setFontSize(25);
        QCOMPARE(l.grab().toImage(),
                 vonQLabel(eltern, {"13", "Arial", 25, true, Qt::AlignHCenter, QSize(67, 107), ui::Weiss}));
        {
            ui::Label::Batch stapel(l);
            l.setHeightTwips(90 * 15);
            l.setFontName(QStringLiteral("Times New Roman"));
            l.setFontSize(30);
            l.setLeft(30 * 15);
            l.setTop(45 * 15);
            QCOMPARE(l.geometry(), QRect(0, 0, 67, 107));
            QCOMPARE(l.font().pointSizeF(), 25.0);
        }
        QCOMPARE(l.geometry(), QRect(30, 45, 67, 90));
        QCOMPARE(l.font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(l.grab().toImage(),
                 vonQLabel(eltern, {"13", "Times New Roman", 30, true, Qt::AlignHCenter, QSize(67, 90), ui::Weiss}));
    }

    // "Gleiche Zahlen" in 9.75-point Arial is wider than its 81-pixel button: it
    // is drawn condensed, its text (what the blank caption does not paint) clear
    // of the button's edges at 0 and 80 and yet filling the room between them.
    void startknopfBeschriftungPasst()
    {
        fakes::Spiel s;
        QVERIFY(spielhilfe::zeigen(s.w()));
        QPushButton* b = s.w().Gleiche_Zahlen;
        QCOMPARE(b->size(), QSize(81, 33));
        QVERIFY(QFontMetrics(b->font()).horizontalAdvance(b->text()) > 81);
        const QImage mit = b->grab().toImage();
        b->setText(QString());
        const QImage ohne = b->grab().toImage();
        int links = mit.width(), rechts = -1;
        for (int y = 0; y < mit.height(); ++y)
            for (int x = 0; x < mit.width(); ++x)
                if (mit.pixel(x, y) != ohne.pixel(x, y)) links = std::min(links, x), rechts = std::max(rechts, x);
        const qreal dpr = mit.devicePixelRatio(), von = links / dpr, bis = (rechts + 1) / dpr;
        const QString wo = QStringLiteral("text from %1 to %2").arg(von).arg(bis);
        QVERIFY2(von >= 1 && bis <= 80, qPrintable(wo));
        QVERIFY2(von <= 3 && bis >= 78, qPrintable(wo));
    }
};

QTEST_MAIN(LabelZeichnenTest)
#include "test_label_zeichnen.moc"

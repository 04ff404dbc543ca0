#pragma once
// Helpers for tests that play whole runs through the handlers: the four start
// buttons as data, what the window shows, and the expected results text.
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <array>

#include "play/Modi.h"
#include "tests/support/Fakes.h"
#include "ui/Units.h"

namespace spielhilfe {

// The boxes at the end of a run, as the player reads them.
inline const QString Alle = QStringLiteral("Alle 50 Zahlen gefunden");
inline const QString Um = QStringLiteral("Die 12 Minuten sind um!");
inline const QString Bitte = QStringLiteral("Bitte noch einmal klicken um das Startmen\u00fc anzuzeigen.");

// Shows a window and waits until it is on screen: QVERIFY(zeigen(w)).
[[nodiscard]] inline bool zeigen(QWidget& w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// A mode, as a test data column: one of the entries of Spielmodi.
using Start = const Spielmodus*;

// The start button of the mode, through its handler.
inline void starten(Flinkblick& w, Start s)
{
    if (s == &BunteZahlenHoch) w.StartBtn_Click();
    if (s == &BunteZahlenRunter) w.BuntRunterStartBtn_Click();
    if (s == &GleicheZahlenHoch) w.Gleiche_Zahlen_Click();
    if (s == &GleicheZahlenRunter) w.GleichRunterStartBtn_Click();
}

// A simple run ("50 Zahlen einfach") through the given start button.
inline void einfachStarten(Flinkblick& w, Start s = &BunteZahlenHoch)
{
    w.EinfachAusdauer[1]->setChecked(true);
    starten(w, s);
}

inline QString modusName(Start s)
{
    return QString::fromUtf16(s->name);
}

// The two board builders, for tests that build boards without a run.
using Stil = Brettstil;

inline void bauen(Flinkblick& w, Stil s)
{
    if (s == Stil::Bunt)
        w.BunteAufbauen();
    else
        w.GleicheAufbauen();
}

inline const char* name(Stil s)
{
    return s == Stil::Bunt ? "bunt" : "gleich";
}

// A column "stil" with one row for each builder.
inline void jeStil()
{
    QTest::addColumn<Stil>("stil");
    QTest::newRow("bunt") << Stil::Bunt;
    QTest::newRow("gleich") << Stil::Gleich;
}

// A Boolean column with a row for each value, the false one first.
inline void jaNein(const char* spalte, const char* nein, const char* ja)
{
    QTest::addColumn<bool>(spalte);
    QTest::newRow(nein) << false;
    QTest::newRow(ja) << true;
}

inline QList<QWidget*> startmenue(const Flinkblick& w)
{
    return {w.StartBtn, w.BuntRunterStartBtn, w.GleichRunterStartBtn, w.Gleiche_Zahlen,    w.Label2,
            w.Label3,   w.EinfachAusdauer[0], w.EinfachAusdauer[1],   w.ImmerNeuMischenChk};
}

// Counts how many start-menu controls are visible (9 = all of them).
inline int sichtbaresMenue(const Flinkblick& w)
{
    int n = 0;
    for (QWidget* c : startmenue(w)) n += c->isVisibleTo(&w) ? 1 : 0;
    return n;
}

inline int sichtbareZahlen(const Flinkblick& w)
{
    int n = 0;
    for (ui::Label* l : w.Zahllbl) n += l->isVisibleTo(&w) ? 1 : 0;
    return n;
}

// Indices of the number labels that are not black (a hit flash), in order.
inline QList<int> weisse(const Flinkblick& w)
{
    QList<int> r;
    for (ui::Label* l : w.Zahllbl)
        if (l->backColor() != 0) r << l->index();
    return r;
}

inline bool label1Sichtbar(const Flinkblick& w)
{
    return w.Label1->isVisibleTo(&w);
}

// n hits in a row through the handler.
inline void treffen(fakes::Spiel& s, int n)
{
    for (int i = 0; i < n; ++i) s.treffer();
}

// The grid at the load size of 12000 × 9600 twips: Left of columns 0 … 9 and
// Top of rows 0 … 4.
inline constexpr std::array<float, 10> Links{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000};
inline constexpr std::array<float, 5> Oben{800, 2400, 4000, 5600, 7200};

// Boards laid out for a window of 12000 × 9600 twips have labels of
// 1000 × 1600 twips, all inside the window's client area.
inline bool brettPasstInsFenster(const Flinkblick& w)
{
    for (ui::Label* l : w.Zahllbl) {
        if (!w.rect().contains(l->geometry())) return false;
        if (l->widthTwips() != 1000.0f || l->heightTwips() != 1600.0f) return false;
    }
    return true;
}

// After a run start the window is back at its load size and the board fits it,
// and pending window-system events do not undo that.
inline void ladegroesseBleibt(Flinkblick& w)
{
    for (int mal = 0; mal < 2; ++mal) {
        if (mal == 1) QTest::qWait(50);
        QVERIFY(!w.isMaximized() && !w.isMinimized());
        QCOMPARE(w.outerWidthTwips(), 12000.0);
        QCOMPARE(w.outerHeightTwips(), 9600.0);
        QVERIFY(brettPasstInsFenster(w));
    }
}

// Offscreen, the one screen is 800 × 600 pixels: a maximised window would be
// no larger than the normal one. This entry gives the screen 1920 × 1200.
inline void grosserBildschirm()
{
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    if (!plattform.isEmpty() && plattform != "offscreen") return;
    const QString pfad =
        QDir::temp().filePath(QStringLiteral("flinkblick-bildschirm-%1.json").arg(QCoreApplication::applicationPid()));
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(R"({"windowFrameMargins": true, "screens": [{"name": "Grosser Bildschirm", "x": 0, "y": 0,
                 "width": 1920, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + pfad.toLocal8Bit());
}

}  // namespace spielhilfe

Q_DECLARE_METATYPE(const Spielmodus*)
Q_DECLARE_METATYPE(Brettstil)

// QTEST_MAIN with the large offscreen screen.
#define FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(Klasse) \
    int main(int argc, char** argv)                     \
    {                                                   \
        spielhilfe::grosserBildschirm();                \
        QApplication app(argc, argv);                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);        \
        Klasse tc;                                      \
        QTEST_SET_MAIN_SOURCE_PATH                      \
        return QTest::qExec(&tc, argc, argv);           \
    }

#pragma once
// Helpers for tests that play whole runs through the handlers: the four start
// buttons as data, what the window shows, and the expected results text.
#include <QApplication>
#include <QCoreApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <array>

#include "tests/support/Fakes.h"
#include "ui/Units.h"

namespace spielhilfe {

enum class Start { BuntHoch, BuntRunter, GleichHoch, GleichRunter };

inline void starten(Flinkblick& w, Start s)
{
    switch (s) {
    case Start::BuntHoch: w.StartBtn_Click(); break;
    case Start::BuntRunter: w.BuntRunterStartBtn_Click(); break;
    case Start::GleichHoch: w.Gleiche_Zahlen_Click(); break;
    case Start::GleichRunter: w.GleichRunterStartBtn_Click(); break;
    }
}

inline QString modusName(Start s)
{
    switch (s) {
    case Start::BuntHoch: return QStringLiteral("BunteZahlenHoch");
    case Start::BuntRunter: return QStringLiteral("BunteZahlenRunter");
    case Start::GleichHoch: return QStringLiteral("GleicheZahlenHoch");
    case Start::GleichRunter: return QStringLiteral("GleicheZahlenRunter");
    }
    return {};
}

inline bool abwaerts(Start s) { return s == Start::BuntRunter || s == Start::GleichRunter; }

// The number sought as the z-th of a board, worked out apart from the game.
inline int zahlNr(Start s, int z) { return abwaerts(s) ? 51 - z : z; }

inline QList<QWidget*> startmenue(const Flinkblick& w)
{
    return {w.StartBtn, w.BuntRunterStartBtn, w.GleichRunterStartBtn, w.Gleiche_Zahlen, w.Label2,
            w.Label3, w.EinfachAusdauer[0], w.EinfachAusdauer[1], w.ImmerNeuMischenChk};
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

inline bool label1Sichtbar(const Flinkblick& w) { return w.Label1->isVisibleTo(&w); }

// n hits in a row through the handler.
inline void treffen(fakes::Spiel& s, int n)
{
    for (int i = 0; i < n; ++i) s.treffer();
}

// The results text of an endurance run, line by line as the player reads it.
inline QString ausdauerText(int fehler, const std::array<int, 12>& proMinute)
{
    QStringList z{QStringLiteral("Fehlversuche: %1").arg(fehler)};
    int gesamt = 0;
    for (int m = 0; m < 12; ++m) {
        z << QStringLiteral("In der %1. Minute gefundene Zahlen: %2").arg(m + 1).arg(proMinute[m]);
        gesamt += proMinute[m];
    }
    z << QStringLiteral("Gesamt: %1").arg(gesamt);
    return z.join(ui::CrLf);
}

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

// Offscreen, the one screen is 800 × 600 pixels: a maximised window would be
// no larger than the normal one. This entry gives the screen 1920 × 1200.
inline void grosserBildschirm()
{
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    if (!plattform.isEmpty() && plattform != "offscreen") return;
    const QString pfad = QDir::temp().filePath(
        QStringLiteral("flinkblick-bildschirm-%1.json").arg(QCoreApplication::applicationPid()));
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(R"({"windowFrameMargins": true, "screens": [{"name": "Grosser Bildschirm", "x": 0, "y": 0,
                 "width": 1920, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + pfad.toLocal8Bit());
}

}  // namespace spielhilfe

// QTEST_MAIN with the large offscreen screen.
#define FLINKBLICK_TEST_MAIN_GROSSER_BILDSCHIRM(Klasse)          \
    int main(int argc, char** argv)                               \
    {                                                             \
        spielhilfe::grosserBildschirm();                          \
        QApplication app(argc, argv);                             \
        app.setAttribute(Qt::AA_Use96Dpi, true);                  \
        Klasse tc;                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                \
        return QTest::qExec(&tc, argc, argv);                     \
    }

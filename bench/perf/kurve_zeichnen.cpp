// How long the Leistungskurve takes to paint: grab() of the panel, which
// renders it once into a pixmap, for an endurance run with a session best and
// for a simple run with misses and the five-run reading. Prints the median
// and the 95th percentile of each.
//   kurve_zeichnen [--runs N]
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "results/Auswertung.h"
#include "results/Kurvenwerte.h"
#include "results/Leistungskurve.h"

namespace {

double messen(Leistungskurve& k, int runs)
{
    std::vector<double> ms;
    for (int i = 0; i < runs + 5; ++i) {
        QElapsedTimer t;
        t.start();
        const QPixmap p = k.grab();
        const double d = double(t.nsecsElapsed()) / 1e6;
        if (i >= 5) ms.push_back(d);  // the first paints load the glyphs
        (void)p;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("median %.3f ms, p95 %.3f ms, of %d\n", ms[ms.size() / 2], ms[ms.size() * 95 / 100], runs);
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int runs = 200;
    for (int i = 1; i + 1 < argc; ++i)
        if (QByteArray(argv[i]) == "--runs") runs = std::max(1, QByteArray(argv[i + 1]).toInt());
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));

    QWidget fenster;
    fenster.resize(800, 640);
    QLabel text(&fenster);
    text.setGeometry(0, 0, 537, 449);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(18);
    text.setFont(f);
    Leistungskurve kurve(&fenster, text, 800);
    const QString modus = QStringLiteral("BunteZahlenHoch");

    kurve::Sitzung s;
    const kurve::Laufprotokoll ausdauer{modus, true, false, 0, {}, {}};
    kurve::ausdauerAuswerten(kurve::Minuten{22, 25, 27, 27, 26, 28, 26, 25, 27, 24, 25, 24}, ausdauer, s);
    const kurve::Minuten m{20, 25, 22, 30, 28, 31, 27, 29, 33, 30, 26, 24};
    QStringList zeilen{QStringLiteral("Fehlversuche: 4")};
    for (int i = 0; i < 12; ++i) zeilen << auswertung::minutenZeile(i + 1, m[std::size_t(i)]);
    zeilen << QStringLiteral("Gesamt: 325");
    text.setText(zeilen.join(QLatin1Char('\n')));
    kurve.setzen(kurve::ausdauerAuswerten(m, ausdauer, s));
    fenster.show();
    kurve.show();
    std::printf("endurance: ");
    messen(kurve, runs);

    for (int runde = 0; runde < 5; ++runde) {
        kurve::Laufprotokoll p{modus, false, false, 0, {}, {}};
        std::int64_t t = 0;
        for (int z = 1; z <= 50; ++z) {
            t += 900'000'000 + 170'000'000LL * ((z * 13 + runde) % 11);
            if (z % 9 == 0) p.fehlversuche.push_back(z);
            p.treffer.push_back({z, t, (z * 7) % 50});  // every cell once
        }
        kurve.hide();
        text.setText(QStringLiteral("Fehlversuche: 5\nZeit = 1:25"));
        kurve.setzen(kurve::einfachAuswerten(p, s));
        kurve.show();
    }
    std::printf("simple: ");
    messen(kurve, runs);
    return 0;
}

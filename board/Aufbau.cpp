#include "board/Aufbau.h"

#include <algorithm>
#include <cmath>

#include "ui/Units.h"

namespace board {

namespace {
int ganz(float r, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(r) * n));
}

QString bunteBeschriftung(int i)
{
    return QString::number(i + 1);
}

}  // namespace

void BunteAufbauen(Brett b)
{
    aufbauen(b, [&](ui::Label& l, int i) {
        const int rot = 56 + ganz(b.zufall.Rnd(), 200);
        const int gruen = 56 + ganz(b.zufall.Rnd(), 200);
        const int blau = 56 + ganz(b.zufall.Rnd(), 200);
        l.setForeColor(ui::RGB(rot, gruen, blau));
        const int k = ganz(b.zufall.Rnd(), 5);
        l.setFontName(QLatin1String(BunteSchriften[static_cast<std::size_t>(std::clamp(k, 0, 4))]));
        l.setFontItalic(ganz(b.zufall.Rnd(), 2) == 1);
        l.setCaption(bunteBeschriftung(i));
        l.setFontSize(BunteGroesse(ganz(b.zufall.Rnd(), 5)));
    });
}

QList<QFont> BunteSchnitte(const QFont& fenster)
{
    const auto schrift = [&](const QString& name, float punkte, bool kursiv) {
        QFont f = fenster;
        f.setFamily(name);
        f.setPointSizeF(punkte);
        f.setItalic(kursiv);
        return f;
    };
    QList<QFont> alle;
    for (const char* name : BunteSchriften)
        for (int k = 0; k < 5; ++k)
            for (const bool kursiv : {false, true}) alle.append(schrift(QLatin1String(name), BunteGroesse(k), kursiv));
    return alle;
}

QStringList BunteBeschriftungen()
{
    QStringList alle;
    for (int i = 0; i < Felder; ++i) alle.append(bunteBeschriftung(i));
    return alle;
}

void GleicheAufbauen(Brett b)
{
    aufbauen(b, [](ui::Label& l, int i) {
        l.setForeColor(ui::Weiss);
        l.setFontName(QStringLiteral("Arial"));
        l.setFontSize(30.0f);
        l.setFontItalic(false);
        l.setCaption(i <= 8 ? QStringLiteral("0") + QString::number(i + 1) : QString::number(i + 1));
    });
}

}  // namespace board

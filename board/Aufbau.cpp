#include "board/Aufbau.h"

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/Units.h"

namespace board {

namespace {
int ganz(float r, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(r) * n));
}

void vorladen(QWidget* fenster, QList<QFont> rest)
{
    if (rest.isEmpty()) return;
    // What lands in the image does not matter, only what Qt keeps of drawing
    // there: the face and the digits' glyphs at the window's scale, kept per
    // quarter of a device pixel of horizontal position.
    const qreal dpr = fenster->devicePixelRatioF();
    QImage bild(QSize(512, 64) * dpr, QImage::Format_RGB32);
    bild.setDevicePixelRatio(dpr);
    bild.fill(Qt::black);
    QPainter p(&bild);
    p.setFont(rest.takeFirst());
    for (int viertel = 0; viertel < 4; ++viertel)
        p.drawText(QPointF(viertel / (4 * dpr), 48), QStringLiteral("0123456789"));
    p.end();
    QTimer::singleShot(0, fenster, [fenster, rest = std::move(rest)] { vorladen(fenster, rest); });
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
        l.setCaption(QString::number(i + 1));
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

void BunteSchnitteVorladen(QWidget& fenster)
{
    // The first frames of the window belong to start-up.
    QTimer::singleShot(100, &fenster, [f = &fenster] { vorladen(f, BunteSchnitte(f->font())); });
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

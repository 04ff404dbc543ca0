#include "results/Leistungskurve.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/Accessibility.h"
#include "ui/Units.h"

namespace {

constexpr int Rand = 8;
// The box that waits over the results sits low in the window, its lower
// edge a tenth of the window's height above the window's; this is more than
// its height, frame included.
constexpr int Meldungshoehe = 130;
const QColor Weiss = ui::toQColor(ui::Weiss);
const QColor Gitter(70, 70, 70);
const QColor Akzent(255, 176, 0);
// The fastest cell of the map: the accent darkened, still apart from the black.
const QColor Dunkel(80, 52, 0);

QColor schattierung(double anteil)
{
    const auto mix = [&](int a, int b) { return int(std::lround(a + (b - a) * anteil)); };
    return QColor(mix(Dunkel.red(), Akzent.red()), mix(Dunkel.green(), Akzent.green()),
                  mix(Dunkel.blue(), Akzent.blue()));
}

}  // namespace

Leistungskurve::Leistungskurve(QWidget* parent, const QLabel& ergebnis, int rechteKante)
    : QWidget(parent), ergebnis_(ergebnis), rechteKante_(rechteKante)
{
    // To a screen reader the panel is a chart; its name and description are the widget's.
    ui::announceAs("Leistungskurve", QAccessible::Chart);
    setObjectName(QStringLiteral("Leistungskurve"));
    setAccessibleName(QStringLiteral("Leistungskurve"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    // The start menu's typeface and size: nothing on the panel is larger.
    schrift_ = QFont(QStringLiteral("Arial"));
    schrift_.setPointSizeF(9.75);
    setFont(schrift_);
    hide();
}

void Leistungskurve::setzen(kurve::Kurvendaten daten)
{
    daten_ = std::move(daten);
    setAccessibleDescription(daten_.beschreibung());
    anordnung_ = kurve::anordnen(daten_, size(), schrift_, zeile_);
}

void Leistungskurve::showEvent(QShowEvent* event)
{
    anordnen();
    QWidget::showEvent(event);
}

void Leistungskurve::resizeEvent(QResizeEvent* event)
{
    anordnung_ = kurve::anordnen(daten_, size(), schrift_, zeile_);
    QWidget::resizeEvent(event);
}

void Leistungskurve::anordnen()
{
    const QRect text = ergebnis_.geometry();
    const QFontMetricsF fm(ergebnis_.font());
    zeile_ = fm.lineSpacing();
    // The results text as the label lays it out: its lines and their real widths.
    const QStringList zeilen = ergebnis_.text().split(QLatin1Char('\n'));
    double breit = 0;
    for (const QString& z : zeilen) breit = std::max(breit, fm.horizontalAdvance(z));
    // Inside the window, at most as wide as it was loaded, and above the box.
    const QWidget& fenster = *parentWidget();
    const int rechts = std::min(fenster.width(), rechteKante_) - Rand;
    const int boden = std::min(fenster.height() - 1, fenster.height() - fenster.height() / 10 - Meldungshoehe) - 1;
    QRect platz;
    if (daten_.ausdauer) {
        // Right of every line, each bar on its minute's line. The sentences
        // under the bars may reach three quarters of a line below the text.
        const int links = std::min(text.left() + int(std::ceil(breit)) + 2 * Rand, text.right() + 1);
        platz = QRect(QPoint(links, text.top()), QPoint(rechts, std::min(text.bottom() + int(0.75 * zeile_), boden)));
    } else {
        // Under the lines, across the window.
        const int oben = text.top() + int(std::lround((double(zeilen.size()) + 0.5) * zeile_));
        platz = QRect(QPoint(text.left(), oben), QPoint(rechts, std::min(text.bottom(), boden)));
    }
    setGeometry(platz.isValid() ? platz : QRect(platz.topLeft(), QSize(0, 0)));
    anordnung_ = kurve::anordnen(daten_, size(), schrift_, zeile_);
}

void Leistungskurve::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    using kurve::Art;
    for (const kurve::Element& e : anordnung_.elemente) {
        if (e.istText()) {
            p.setFont(e.schrift);
            p.setPen(Weiss);
            if (e.gedreht) {
                // Upwards, from the box's lower left corner.
                p.save();
                p.translate(e.rect.bottomLeft());
                p.rotate(-90);
                p.drawText(QRectF(0, 0, e.rect.height(), e.rect.width()), Qt::AlignCenter | Qt::TextDontClip, e.text);
                p.restore();
            } else {
                p.drawText(e.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, e.text);
            }
            continue;
        }
        switch (e.art) {
            case Art::Balken:
                p.fillRect(e.rect, Akzent);
                break;
            case Art::Rahmen:
                // Two pixels wide, inside the outer edge.
                p.fillRect(e.rect.adjusted(0, 0, 0, 2 - e.rect.height()), Weiss);
                p.fillRect(e.rect.adjusted(0, e.rect.height() - 2, 0, 0), Weiss);
                p.fillRect(e.rect.adjusted(0, 0, 2 - e.rect.width(), 0), Weiss);
                p.fillRect(e.rect.adjusted(e.rect.width() - 2, 0, 0, 0), Weiss);
                break;
            case Art::Marke:
            case Art::Achse:
                p.fillRect(e.rect, Weiss);
                break;
            case Art::Gitter:
                p.fillRect(e.rect, Gitter);
                break;
            case Art::Feld:
                if (e.wert < 0) {
                    // Nothing found there: an outline, not a shade of fast.
                    p.setPen(Gitter);
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(e.rect.adjusted(0, 0, -1, -1));
                } else {
                    p.fillRect(e.rect, schattierung(e.anteil));
                }
                break;
            case Art::Skala: {
                QLinearGradient verlauf(e.rect.topLeft(), e.rect.topRight());
                verlauf.setColorAt(0, Dunkel);
                verlauf.setColorAt(1, Akzent);
                p.fillRect(e.rect, verlauf);
                break;
            }
            case Art::Punkt:
            case Art::Legendenpunkt:
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(Qt::NoPen);
                p.setBrush(Weiss);
                p.drawEllipse(e.rect);
                p.setRenderHint(QPainter::Antialiasing, false);
                break;
            default:
                break;
        }
    }
}

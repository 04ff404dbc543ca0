#include "results/Leistungskurve.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/Accessibility.h"
#include "ui/Units.h"

namespace {

constexpr int Rand = 8;
const QColor Weiss = ui::toQColor(ui::Weiss);
const QColor Gitter(70, 70, 70);
const QColor Akzent(255, 176, 0);

// A round step for the seconds axis, so that at most five grid lines are drawn.
double schritt(double hoechstwert)
{
    double s = 0.5;
    for (double naechster : {1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0, 120.0, 300.0, 600.0})
        if (hoechstwert / s > 5) s = naechster;
    // Beyond 50 minutes on one number: whole ten-minute steps.
    return hoechstwert > 3000 ? std::ceil(hoechstwert / 3000.0) * 600.0 : s;
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
    // The start menu's typeface and size: nothing on the panel is smaller.
    schrift_ = QFont(QStringLiteral("Arial"));
    schrift_.setPointSizeF(9.75);
    setFont(schrift_);
    hide();
}

void Leistungskurve::setzen(kurve::Kurvendaten daten)
{
    daten_ = std::move(daten);
    setAccessibleDescription(daten_.beschreibung());
}

void Leistungskurve::showEvent(QShowEvent* event)
{
    anordnen();
    QWidget::showEvent(event);
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
    // Inside the window at its load size, and above the message box, which
    // sits low in the window, well below the results label.
    const int rechts = std::min(parentWidget()->width(), rechteKante_) - Rand;
    if (daten_.ausdauer) {
        // Right of every line, each bar on its minute's line. The sentences
        // under the bars may reach three quarters of a line below the text,
        // which leaves the box clear.
        const int links = std::min(text.left() + int(std::ceil(breit)) + 2 * Rand, text.right() + 1);
        const int saetze = text.top() + saetzeOben() + saetzeZeichnen(nullptr, 0, rechts - links + 1);
        const int unten = std::clamp(saetze, text.bottom(), text.bottom() + int(0.75 * zeile_));
        setGeometry(QRect(QPoint(links, text.top()), QPoint(rechts, unten)));
    } else {
        // Under the lines, across the window.
        const int oben = text.top() + int(std::lround((double(zeilen.size()) + 0.5) * zeile_));
        setGeometry(QRect(QPoint(text.left(), oben), QPoint(rechts, text.bottom())));
    }
}

void Leistungskurve::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setFont(schrift_);
    if (daten_.ausdauer)
        ausdauerZeichnen(p);
    else
        einfachZeichnen(p);
}

int Leistungskurve::saetzeZeichnen(QPainter* p, int oben, int breite) const
{
    const QFontMetrics fm(schrift_);
    int y = oben;
    if (p) p->setPen(Weiss);
    for (const QString& s : daten_.saetze) {
        const QRect r = fm.boundingRect(QRect(Rand, y, breite - 2 * Rand, 10000), Qt::TextWordWrap, s);
        if (p) p->drawText(QRect(Rand, y, breite - 2 * Rand, r.height()), Qt::TextWordWrap, s);
        y += r.height() + 1;
    }
    return y - oben;
}

int Leistungskurve::saetzeOben() const
{
    // The line under the last minute's.
    return int(std::lround(double(daten_.proMinute.size() + 1) * zeile_)) + 2;
}

void Leistungskurve::ausdauerZeichnen(QPainter& p)
{
    const auto& zahlen = daten_.proMinute;
    const QFontMetrics fm(schrift_);
    int hoechst = *std::max_element(zahlen.begin(), zahlen.end());
    if (daten_.bester) hoechst = std::max(hoechst, *std::max_element(daten_.bester->begin(), daten_.bester->end()));
    hoechst = std::max(hoechst, 1);
    const int zahlBreite = fm.horizontalAdvance(QStringLiteral("0000")) + 6;
    const double laenge = double(width() - 2 * Rand - zahlBreite) / hoechst;
    const int balken = std::max(6, int(zeile_ * 0.55));

    QFont fett = schrift_;
    fett.setBold(true);
    p.setFont(fett);
    p.setPen(Weiss);
    // The heading on the line of the misses; the sentences go under the bars.
    const int zh = int(std::lround(zeile_));
    p.drawText(QRect(Rand, 0, width() - Rand, zh), Qt::AlignLeft | Qt::AlignVCenter, daten_.ueberschrift);

    const int minuten = int(zahlen.size());
    for (int m = 0; m < minuten; ++m) {
        const int zeilenOben = int(std::lround((m + 1) * zeile_));
        const int y = zeilenOben + (zh - balken) / 2;
        const int w = int(std::lround(zahlen[std::size_t(m)] * laenge));
        p.fillRect(Rand, y, w, balken, Akzent);
        int ende = Rand + w;
        const bool beste =
            std::find(daten_.besteMinuten.begin(), daten_.besteMinuten.end(), m) != daten_.besteMinuten.end();
        if (beste) {
            p.setPen(QPen(Weiss, 2));
            p.drawRect(QRect(Rand, y, std::max(w, 1), balken).adjusted(-1, -1, 1, 1));
        }
        if (daten_.bester) {
            // The session's best run: a thin mark reaching over the bar.
            const int x = Rand + int(std::lround((*daten_.bester)[std::size_t(m)] * laenge));
            p.fillRect(x - 1, zeilenOben + 2, 2, zh - 4, Weiss);
            ende = std::max(ende, x + 1);
        }
        p.setFont(beste ? fett : schrift_);
        p.setPen(Weiss);
        p.drawText(QRect(ende + 5, zeilenOben, zahlBreite, zh), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(zahlen[std::size_t(m)]));
    }
    p.setFont(schrift_);
    saetzeZeichnen(&p, saetzeOben(), width());
}

void Leistungskurve::einfachZeichnen(QPainter& p)
{
    const auto& zeiten = daten_.zeiten;
    const QFontMetrics fm(schrift_);
    const int zh = fm.height();

    QFont fett = schrift_;
    fett.setBold(true);
    p.setFont(fett);
    p.setPen(Weiss);
    p.drawText(QRect(Rand, 0, width() - 2 * Rand, zh), Qt::AlignLeft | Qt::AlignVCenter, daten_.ueberschrift);
    p.setFont(schrift_);
    // The legend of the miss marks, at the right of the heading.
    const QString legende = QStringLiteral("Fehlversuch");
    const int lx = width() - Rand - fm.horizontalAdvance(legende);
    p.drawText(QRect(lx, 0, width() - lx, zh), Qt::AlignLeft | Qt::AlignVCenter, legende);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Weiss);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(lx - 8, zh / 2.0), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);

    const int textHoehe = saetzeZeichnen(nullptr, 0, width());
    saetzeZeichnen(&p, height() - textHoehe, width());
    const int unten = height() - textHoehe - zh - 6;  // the axis
    const int punkte = 3 * 7;                         // room for the miss marks above the tallest bar
    const int oben = zh + 6 + punkte;
    if (zeiten.empty() || unten <= oben) return;  // a window shrunk below its load size

    double hoechst = 0.1;
    for (const auto& z : zeiten) hoechst = std::max(hoechst, z.sekunden);
    const double st = schritt(hoechst);
    // A bar that is a whole step high ends on the top line rather than under a line of its own.
    const double skala = std::ceil(hoechst / st - 1e-6) * st;
    const double jeSekunde = (unten - oben) / skala;

    // The axis labels stand in the panel's margin, as wide as the widest, the one at the top.
    std::vector<std::pair<double, QString>> marken;
    for (double s = 0; s <= skala + 1e-9; s += st)
        marken.emplace_back(s, kurve::dezimal(s, st < 1 ? 1 : 0) + QStringLiteral(" s"));
    int achse = 0;
    for (const auto& m : marken) achse = std::max(achse, Rand + fm.horizontalAdvance(m.second) + 6);
    const double feld = double(width() - Rand - achse) / double(zeiten.size());
    const int balken = std::max(2, int(feld * 0.7));

    for (const auto& [s, text] : marken) {
        const int y = unten - int(std::lround(s * jeSekunde));
        p.setPen(s == 0 ? QColor(Weiss) : Gitter);
        p.drawLine(achse, y, width() - Rand, y);
        p.setPen(Weiss);
        p.drawText(QRect(Rand, y - zh / 2, achse - 6 - Rand, zh), Qt::AlignRight | Qt::AlignVCenter, text);
    }

    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < zeiten.size(); ++i) {
        const auto& z = zeiten[i];
        const double mitte = achse + feld * (double(i) + 0.5);
        const int x = int(std::lround(mitte - balken / 2.0));
        const int h = std::max(1, int(std::lround(z.sekunden * jeSekunde)));
        p.fillRect(x, unten - h, balken, h, Akzent);
        if (z.fehlversuche > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(Weiss);
            if (z.fehlversuche <= 3) {
                for (int k = 0; k < z.fehlversuche; ++k) p.drawEllipse(QPointF(mitte, unten - h - 5 - 7 * k), 3, 3);
            } else {
                p.setPen(Weiss);
                p.drawText(QRect(int(mitte) - 20, unten - h - punkte, 40, punkte), Qt::AlignHCenter | Qt::AlignBottom,
                           QString::number(z.fehlversuche));
            }
        }
        // The number sought at the first place and every fifth.
        if (i == 0 || (i + 1) % 5 == 0) {
            p.setPen(Weiss);
            p.drawText(QRect(int(mitte) - 20, unten + 3, 40, zh), Qt::AlignHCenter | Qt::AlignTop,
                       QString::number(z.zahl));
        }
    }
}

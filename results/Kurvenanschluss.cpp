#include "results/Kurvenanschluss.h"

#include <algorithm>

#include "app/Flinkblick.h"
#include "results/Leistungskurve.h"

Kurvenanschluss::Kurvenanschluss(Flinkblick& fenster, Leistungskurve& kurve) : QObject(&fenster), kurve_(kurve)
{
    connect(&fenster, &Flinkblick::laufBegonnen, this,
            [this](const QString& modus, bool ausdauer, bool mischen, qint64 startNs) {
                lauf_ = {modus, ausdauer, mischen, startNs, {}, {}};
            });
    connect(&fenster, &Flinkblick::getroffen, this, [this](int zahl, qint64 monoNs, int feld) {
        lauf_.treffer.push_back({zahl, monoNs, feld});
    });
    connect(&fenster, &Flinkblick::verfehlt, this, [this](int gesucht) { lauf_.fehlversuche.push_back(gesucht); });
}

void Kurvenanschluss::uebergeben(const std::array<ui::Integer, ausdauer::Eintraege>& proMinute)
{
    if (lauf_.ausdauer) {
        kurve::Minuten m{};
        std::copy_n(proMinute.begin(), m.size(), m.begin());
        kurve_.setzen(kurve::ausdauerAuswerten(m, lauf_, sitzung_));
    } else {
        kurve_.setzen(kurve::einfachAuswerten(lauf_, sitzung_));
    }
    lauf_ = {};
}

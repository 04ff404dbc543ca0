// The Leistungskurve takes its figures when the results begin, before the
// per-minute counts are reset.
#include "app/Flinkblick.h"
#include "results/Leistungskurve.h"

void Flinkblick::LeistungskurveVorbereiten()
{
    const bool mischen = ImmerNeuMischen != ui::False;
    kurve::Kurvendaten daten;
    if (Ausdauer != ui::False) {
        kurve::Minuten m{};
        std::copy_n(ProMinute.begin(), 12, m.begin());
        daten = kurve::ausdauerAuswerten(m, laufprotokoll_, mischen, sitzung_);
    } else {
        daten = kurve::einfachAuswerten(Startzeit.monoNs, laufprotokoll_, Modus, mischen, sitzung_);
    }
    laufprotokoll_ = {};
    Kurve->setzen(std::move(daten), Label1);
}

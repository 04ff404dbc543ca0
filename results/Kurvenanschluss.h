#pragma once
// Between the window and the Leistungskurve: listens to what the window tells
// of each run, keeps the run's record and this session's runs (memory only),
// and hands the run's figures to the panel when the results begin.
#include <QObject>
#include <array>

#include "app/Ausdauerlauf.h"
#include "results/Kurvenwerte.h"
#include "ui/Integer.h"

class Flinkblick;
class Leistungskurve;

class Kurvenanschluss : public QObject {
public:
    Kurvenanschluss(Flinkblick& fenster, Leistungskurve& kurve);

    // Before the results reset the minute counts.
    void uebergeben(const std::array<ui::Integer, ausdauer::Eintraege>& proMinute);

private:
    Leistungskurve& kurve_;
    kurve::Laufprotokoll lauf_;
    kurve::Sitzung sitzung_;
};

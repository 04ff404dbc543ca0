#pragma once
// The panel beside the results text: the work curve of an endurance run or
// the seconds per number of a simple run. One widget drawn with QPainter and
// no children; a screen reader gets every figure from its description.
#include <QLabel>
#include <QWidget>

#include "results/Kurvenwerte.h"

class Leistungskurve : public QWidget {
    Q_OBJECT
public:
    // When shown, the panel places itself beside the text of `ergebnis`, the
    // results label, and ends left of `rechteKante` (pixels in the parent).
    Leistungskurve(QWidget* parent, const QLabel& ergebnis, int rechteKante);

    // Takes a run's figures.
    void setzen(kurve::Kurvendaten daten);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void anordnen();
    void ausdauerZeichnen(QPainter& p);
    void einfachZeichnen(QPainter& p);
    // Draws the sentences from `oben` down, wrapped to `breite`, or only
    // measures them when `p` is null; returns the height they take.
    int saetzeZeichnen(QPainter* p, int oben, int breite) const;
    // Where an endurance run's sentences begin.
    int saetzeOben() const;

    kurve::Kurvendaten daten_;
    const QLabel& ergebnis_;
    int rechteKante_;
    double zeile_ = 0;
    QFont schrift_;
};

#pragma once
// The panel beside the results text: the work curve of an endurance run or
// the seconds per number of a simple run. One widget with no children; it
// paints the items its layout (results/Kurvenlayout.h) lists, and a screen
// reader gets every figure from its description.
#include <QLabel>
#include <QWidget>

#include "results/Kurvenlayout.h"
#include "results/Kurvenwerte.h"

class Leistungskurve : public QWidget {
    Q_OBJECT
public:
    // When shown, the panel places itself beside the text of `ergebnis`, the
    // results label, and ends left of `rechteKante` (pixels in the parent).
    Leistungskurve(QWidget* parent, const QLabel& ergebnis, int rechteKante);

    // Takes a run's figures.
    void setzen(kurve::Kurvendaten daten);
    // What is drawn, laid out for the panel's present size.
    const kurve::Anordnung& anordnung() const { return anordnung_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void anordnen();

    kurve::Kurvendaten daten_;
    kurve::Anordnung anordnung_;
    const QLabel& ergebnis_;
    int rechteKante_;
    double zeile_ = 0;
    QFont schrift_;
};

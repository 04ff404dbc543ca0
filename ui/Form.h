#pragma once
// The top-level window: outer size in twips, frame included, and WindowState.
#include <QSize>
#include <QWidget>

namespace ui {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    // Outer size in twips, frame included.
    double outerWidthTwips() const;
    double outerHeightTwips() const;
    void setOuterWidthTwips(double twips);
    void setOuterHeightTwips(double twips);

protected:
    bool event(QEvent* event) override;

private:
    QSize frameExtra() const;
    void applyOuterSize();

    QSize wantedOuter_;      // pixels, as last set
    QSize requestedClient_;  // what was passed to resize() for it
    QSize knownFrame_;
};

}  // namespace ui

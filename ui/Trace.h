#pragma once
// Seam for tests: when a Trace is attached, labels report every property write
// and the generator every draw, in the order they happen. Unattached it costs
// one pointer test per write.
#include <QVariant>

namespace ui {

enum class Property {
    Caption,
    Visible,
    Left,
    Top,
    Width,
    Height,
    ForeColor,
    BackColor,
    Alignment,
    FontName,
    FontSize,
    FontItalic,
};

class Trace {
public:
    virtual ~Trace() = default;
    virtual void propertyWritten(int control, Property property, const QVariant& value) = 0;
    virtual void randomized() = 0;
    virtual void drawn(float value) = 0;
};

}  // namespace ui

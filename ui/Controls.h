#pragma once
// Push buttons, option buttons and the check box, with the few properties the
// game uses. Positions in twips; fonts and colours as the window gives them.
#include <QCheckBox>
#include <QPushButton>
#include <cstdint>

namespace ui {

void placeTwips(QWidget* widget, double left, double top, double width, double height);
void setControlFont(QWidget* widget, const QString& name, double points);
void setControlColors(QWidget* widget, std::int32_t fore, std::int32_t back);

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, QWidget* parent);

protected:
    // A caption a little wider than the button is drawn slightly condensed
    // rather than cut off at both ends.
    void paintEvent(QPaintEvent* event) override;
};

// Value 0 clear, 1 ticked, 2 greyed, the numbers the game works with (Qt
// counts a greyed box 1 and a ticked one 2). stateChanged fires whenever the
// value changes, by the player or by code, as the click event of such a box does.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString& caption, QWidget* parent);
    int value() const;
    void setValue(int value);
};

}  // namespace ui

#include "ui/Controls.h"

#include <QApplication>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "ui/Units.h"

namespace ui {

void placeTwips(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsToPixelRect(left, top, width, height));
}

void setControlFont(QWidget* widget, const QString& name, double points)
{
    QFont f(name);
    f.setPointSizeF(points);
    widget->setFont(f);
}

void setControlColors(QWidget* widget, std::int32_t fore, std::int32_t back)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, toQColor(fore));
    p.setColor(QPalette::Window, toQColor(back));
    widget->setPalette(p);
    widget->setBackgroundRole(QPalette::Window);
    widget->setForegroundRole(QPalette::WindowText);
    widget->setAutoFillBackground(true);
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    // Standard button colours, not the black of the window behind it. Every
    // role is set explicitly: a role left unset would still come from the window.
    QPalette standard = QApplication::palette(this);
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = static_cast<QPalette::ColorGroup>(g);
            const auto role = static_cast<QPalette::ColorRole>(r);
            standard.setBrush(group, role, standard.brush(group, role));
        }
    setPalette(standard);
    // The focused button takes Return as well as Space, but none is the default.
    setAutoDefault(true);
    setDefault(false);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);

    QFont f = font();
    const int room = width() - 4;
    const int needed = QFontMetrics(f).horizontalAdvance(caption);
    if (needed > room && needed > 0) f.setLetterSpacing(QFont::PercentageSpacing, 100.0 * room / needed);
    p.setFont(f);
    const QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
    p.drawItemText(QRect(0, r.top(), width(), r.height()), Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                   isEnabled(), caption, QPalette::ButtonText);
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    setTristate(false);
}

int CheckBox::value() const
{
    switch (checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void CheckBox::setValue(int value)
{
    if (value == 2) setTristate(true);
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

}  // namespace ui

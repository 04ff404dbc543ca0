#include "ui/Label.h"

#include <QMouseEvent>
#include <QPalette>

#include "ui/Units.h"

namespace ui {

Label::Label(QWidget* parent, int index) : QLabel(parent), index_(index)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setTextAlignment(Qt::AlignLeft);
    applyColors();
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(CrLf, QStringLiteral("\n"));
    setText(shown);
    // Qt announces every name it is given, a board rebuild mostly the same ones.
    if (shown != accessibleName()) setAccessibleName(shown);
    report(Property::Caption, caption);
}

void Label::setVisible(bool visible)
{
    QLabel::setVisible(visible);
    report(Property::Visible, visible);
}

void Label::setLeft(float twips)
{
    left_ = twips;
    applyGeometry();
    report(Property::Left, twips);
}

void Label::setTop(float twips)
{
    top_ = twips;
    applyGeometry();
    report(Property::Top, twips);
}

void Label::setWidthTwips(float twips)
{
    width_ = twips;
    applyGeometry();
    report(Property::Width, twips);
}

void Label::setHeightTwips(float twips)
{
    height_ = twips;
    applyGeometry();
    report(Property::Height, twips);
}

void Label::applyGeometry()
{
    if (batch_ > 0) {
        geometryHeld_ = true;
        return;
    }
    setGeometry(twipsToPixelRect(left_, top_, width_, height_));
}

void Label::applyFont()
{
    if (batch_ > 0) {
        fontHeld_ = true;
        return;
    }
    setFont(font_);
}

void Label::applyHeld()
{
    if (geometryHeld_) {
        geometryHeld_ = false;
        applyGeometry();
    }
    if (fontHeld_) {
        fontHeld_ = false;
        applyFont();
    }
}

void Label::setForeColor(std::int32_t rgb)
{
    fore_ = rgb;
    applyColors();
    report(Property::ForeColor, rgb);
}

void Label::setBackColor(std::int32_t rgb)
{
    back_ = rgb;
    applyColors();
    report(Property::BackColor, rgb);
}

void Label::applyColors()
{
    // Rewriting a colour the palette already holds would change nothing on
    // screen but costs a palette copy and resolve: a board rebuild and the end
    // of every flash write mostly unchanged colours.
    if (fore_ == paletteFore_ && back_ == paletteBack_) return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(fore_));
    p.setColor(QPalette::Window, toQColor(back_));
    // Every role counts as the label's own: setPalette then has nothing to
    // fill in from the parent's palette.
    p.setResolveMask(~QPalette::ResolveMask(0));
    setPalette(p);
    paletteFore_ = fore_;
    paletteBack_ = back_;
}

void Label::changeEvent(QEvent* event)
{
    // Also sent during our own setPalette, before its colours are noted.
    if (event->type() == QEvent::PaletteChange) paletteFore_ = paletteBack_ = -1;
    QLabel::changeEvent(event);
}

void Label::setTextAlignment(Qt::Alignment horizontal)
{
    setAlignment(horizontal | Qt::AlignTop);
    // The trace speaks the game's Alignment values: 0 left, 2 centred.
    report(Property::Alignment, horizontal & Qt::AlignHCenter ? 2 : 0);
}

void Label::setFontName(const QString& name)
{
    font_.setFamily(name);
    applyFont();
    report(Property::FontName, name);
}

void Label::setFontSize(float points)
{
    font_.setPointSizeF(points);
    applyFont();
    report(Property::FontSize, points);
}

void Label::setFontItalic(bool italic)
{
    font_.setItalic(italic);
    applyFont();
    report(Property::FontItalic, italic);
}

// A click is a press and a release on the label. The second press of a double
// click arrives as a double-click event, which is no click, so a double click
// counts once.
void Label::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QLabel::mousePressEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressed_ = false;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked(index_);
}

}  // namespace ui

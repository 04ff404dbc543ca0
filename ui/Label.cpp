#include "ui/Label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>

#include "ui/Units.h"

namespace ui {

Label::Label(QWidget* parent, int index) : QLabel(parent), index_(index)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    // paintEvent fills the background itself, in the painter it draws the text
    // with; Qt's own fill would open a second painter for every label.
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    setAccessibleName(shown);
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
    setGeometry(twipsToPixelRect(left_, top_, width_, height_));
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
    setPalette(p);
    paletteFore_ = fore_;
    paletteBack_ = back_;
}

void Label::changeEvent(QEvent* event)
{
    // Also sent during our own setPalette and setFont, before they are noted.
    if (event->type() == QEvent::PaletteChange) paletteFore_ = paletteBack_ = -1;
    if (event->type() == QEvent::FontChange) fontApplied_ = false;
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
    fontName_ = name;
    const QFont vorher = font_;
    font_.setFamily(name);
    applyFont(vorher);
    report(Property::FontName, name);
}

void Label::setFontSize(float points)
{
    fontSize_ = points;
    const QFont vorher = font_;
    font_.setPointSizeF(points);
    applyFont(vorher);
    report(Property::FontSize, points);
}

void Label::setFontItalic(bool italic)
{
    fontItalic_ = italic;
    const QFont vorher = font_;
    font_.setItalic(italic);
    applyFont(vorher);
    report(Property::FontItalic, italic);
}

// A board rebuild rewrites face, slant and size of every label, often with the
// values it has: setFont would resolve the font and relayout for nothing.
void Label::applyFont(const QFont& vorher)
{
    const bool gleich = font_ == vorher && font_.resolveMask() == vorher.resolveMask();
    if (gleich && fontApplied_) return;
    setFont(font_);
    fontApplied_ = true;
}

void Label::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(rect(), palette().brush(backgroundRole()));
    const QString& t = text();
    if (t.isEmpty()) return;
    // What QLabel draws for plain text without a frame, margin or indent; the
    // game's captions are numbers and German text, always left to right.
    const int flags = int(QStyle::visualAlignment(Qt::LeftToRight, alignment())) | Qt::TextForceLeftToRight;
    style()->drawItemText(&p, contentsRect(), flags, palette(), isEnabled(), t, foregroundRole());
    Q_UNUSED(event);
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

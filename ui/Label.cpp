#include "ui/Label.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QTextLayout>
#include <memory>

#include "ui/Units.h"

namespace ui {

namespace {

// A caption of one line laid out as QPainter::drawText lays it out. A board
// rebuild gives the 50 numbers new faces and sizes and repaints them all; with
// the layouts kept, a caption is shaped once per face and size, not per paint.
struct Zeile {
    QTextLayout layout;
    qreal vorschub = 0;  // what drawText centres on
};

struct ZeilenSchluessel {
    QString text;
    QFont font;
    int dpi;
    bool operator==(const ZeilenSchluessel& o) const { return dpi == o.dpi && text == o.text && font == o.font; }
};

size_t qHash(const ZeilenSchluessel& k, size_t seed = 0) { return qHashMulti(seed, k.text, k.font, k.dpi); }

using Zeilen = QHash<ZeilenSchluessel, std::shared_ptr<const Zeile>>;

// Lives until the application object goes: the layouts hold font engines.
Zeilen& zeilen()
{
    static Zeilen* z = [] {
        auto* neu = new Zeilen;
        qAddPostRoutine([] { zeilen().clear(); });
        return neu;
    }();
    return *z;
}

// 50 numbers in 50 combinations of face, slant and size, and a little room.
constexpr qsizetype MaxZeilen = 4096;

const Zeile& zeileFuer(const QString& text, const QFont& font, int dpi)
{
    Zeilen& z = zeilen();
    ZeilenSchluessel schluessel{text, font, dpi};
    if (auto it = z.constFind(schluessel); it != z.constEnd()) return **it;
    if (z.size() >= MaxZeilen) z.clear();
    auto neu = std::make_shared<Zeile>();
    neu->layout.setText(text);
    neu->layout.setFont(font);
    neu->layout.setCacheEnabled(true);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    neu->layout.setTextOption(option);
    neu->layout.beginLayout();
    QTextLine zeile = neu->layout.createLine();
    zeile.setLineWidth(0x01000000);
    zeile.setPosition(QPointF(0, 0));
    neu->layout.endLayout();
    neu->vorschub = zeile.horizontalAdvance();
    const Zeile& ergebnis = *neu;
    z.insert(std::move(schluessel), std::move(neu));
    return ergebnis;
}

}  // namespace

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
    setAlignmentValue(0);
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

void Label::setShown(bool shown)
{
    shown_ = shown;
    setVisible(shown);
    report(Property::Visible, shown);
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

void Label::setAlignmentValue(int alignment)
{
    alignment_ = alignment;
    const Qt::Alignment h = alignment == 2 ? Qt::AlignHCenter : alignment == 1 ? Qt::AlignRight : Qt::AlignLeft;
    setAlignment(h | Qt::AlignTop);
    report(Property::Alignment, alignment);
}

void Label::setFontName(const QString& name)
{
    fontName_ = name;
    const QFont vorher = font_;
    font_.setFamily(name);
    if (font_ != vorher || font_.resolveMask() != vorher.resolveMask() || !fontApplied_) applyFont();
    report(Property::FontName, name);
}

void Label::setFontSize(float points)
{
    fontSize_ = points;
    const QFont vorher = font_;
    font_.setPointSizeF(points);
    if (font_ != vorher || font_.resolveMask() != vorher.resolveMask() || !fontApplied_) applyFont();
    report(Property::FontSize, points);
}

void Label::setFontItalic(bool italic)
{
    fontItalic_ = italic;
    const QFont vorher = font_;
    font_.setItalic(italic);
    if (font_ != vorher || font_.resolveMask() != vorher.resolveMask() || !fontApplied_) applyFont();
    report(Property::FontItalic, italic);
}

// A board rebuild rewrites face, slant and size of every label, often with the
// values it has: setFont would resolve the font and relayout for nothing.
void Label::applyFont()
{
    setFont(font_);
    fontApplied_ = true;
}

void Label::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter p(this);
    p.fillRect(rect(), palette().brush(backgroundRole()));
    const QString& t = text();
    if (t.isEmpty()) return;
    const QRect r = contentsRect();
    const Qt::Alignment a = alignment();
    const bool einfach = isEnabled() && (a & Qt::AlignVertical_Mask) == Qt::AlignTop && !(a & Qt::AlignRight) &&
                         !(a & Qt::AlignJustify) && !t.contains(u'\n') && !t.contains(u'\t') &&
                         !t.isRightToLeft() && style()->name() == u"fusion";
    if (einfach) {
        const Zeile& z = zeileFuer(t, p.font(), p.device()->logicalDpiY());
        const qreal x = (a & Qt::AlignHCenter) ? (r.width() - z.vorschub) / 2 : 0;
        p.setPen(QPen(palette().brush(foregroundRole()), p.pen().widthF()));
        // Outside the label nothing is painted anyway: no clip needed.
        z.layout.lineAt(0).draw(&p, QPointF(r.x() + x, r.y()));
        return;
    }
    // What QLabel draws for plain text without a frame, margin or indent.
    const Qt::LayoutDirection richtung = t.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags = int(QStyle::visualAlignment(richtung, a)) |
                      (richtung == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    style()->drawItemText(&p, r, flags, palette(), isEnabled(), t, foregroundRole());
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

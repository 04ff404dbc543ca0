#include "ui/Label.h"

#include <QCache>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QSet>
#include <QStaticText>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>

#include "ui/Units.h"

namespace ui {

namespace {

// A one-line caption laid out in one face, shared by every label that shows
// it: a reshuffle gives all 50 labels new faces, and laying their numbers out
// again at every paint was a fifth of a hit.
struct Zeile {
    QStaticText text;
    qreal advance;  // what QPainter::drawText centres by
};

struct ZeilenSchluessel {
    QFont font;
    QString text;
    bool operator==(const ZeilenSchluessel&) const = default;
};

size_t qHash(const ZeilenSchluessel& k, size_t seed = 0)
{
    return qHashMulti(seed, k.font, k.text);
}

// The colourful board's 50 faces by its 50 captions, and room for the rest.
QCache<ZeilenSchluessel, Zeile>& zeilen()
{
    static QCache<ZeilenSchluessel, Zeile> cache(4096);
    // Laid-out text holds font engines, which must go before the application
    // object takes down the font cache: post routines run first thing then.
    static const bool geraeumt = (qAddPostRoutine([] { cache.clear(); }), true);
    Q_UNUSED(geraeumt);
    return cache;
}

const Zeile& zeile(const QFont& font, const QString& text)
{
    ZeilenSchluessel k{font, text};
    if (const Zeile* z = zeilen().object(k)) return *z;
    // Measured as QPainter::drawText measures a line before centring it.
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    auto* z = new Zeile{QStaticText(text), layout.lineAt(0).horizontalAdvance()};
    z->text.setTextFormat(Qt::PlainText);
    z->text.prepare(QTransform(), font);
    zeilen().insert(std::move(k), z);
    return *z;
}

// Captions drawn through the shared layouts: one line, nothing trailing that
// QPainter::drawText would count into the width, left or centred at the top.
bool einzeilig(const QString& t, Qt::Alignment a)
{
    return !t.isEmpty() && !t.contains(u'\n') && !t.back().isSpace() &&
           !(a & (Qt::AlignRight | Qt::AlignJustify | Qt::AlignVCenter | Qt::AlignBottom));
}

// Faces prepared in this process, by QFont::key().
QSet<QString>& vorbereitet()
{
    static QSet<QString> keys;
    return keys;
}

void vorbereiten(const QFont& face, const QStringList& captions, qreal devicePixelRatio)
{
    QString zeichen;
    for (const QString& c : captions) {
        zeile(face, c);
        for (const QChar ch : c)
            if (!zeichen.contains(ch)) zeichen += ch;
    }
    // What lands in the scratch image does not matter, only what Qt keeps of
    // drawing it: the face and its glyphs, cached per quarter of a device pixel
    // of horizontal position.
    QImage scratch(96, 96, QImage::Format_RGB32);
    scratch.fill(Qt::black);  // glyphs blend into what is there
    scratch.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&scratch);
    p.setFont(face);
    for (int viertel = 0; viertel < 4; ++viertel)
        for (const QChar ch : zeichen) p.drawText(QPointF(8 + viertel / (4 * devicePixelRatio), 64), QString(ch));
}

}  // namespace

void Label::prepareSoon(QWidget* owner, const QList<QFont>& faces, const QStringList& captions)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [=, naechste = qsizetype(0)]() mutable {
        timer->setInterval(0);
        while (naechste < faces.size()) {
            const QFont& face = faces.at(naechste++);
            if (vorbereitet().contains(face.key())) continue;
            vorbereiten(face, captions, owner->devicePixelRatioF());
            vorbereitet().insert(face.key());
            return;
        }
        timer->deleteLater();
    });
    // The first frames of the window belong to start-up.
    timer->start(100);
}

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
    fontName_ = name;
    font_.setFamily(name);
    applyFont();
    report(Property::FontName, name);
}

void Label::setFontSize(float points)
{
    fontSize_ = points;
    font_.setPointSizeF(points);
    applyFont();
    report(Property::FontSize, points);
}

void Label::setFontItalic(bool italic)
{
    fontItalic_ = italic;
    font_.setItalic(italic);
    applyFont();
    report(Property::FontItalic, italic);
}

void Label::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(rect(), palette().brush(backgroundRole()));
    const QString& t = text();
    if (t.isEmpty()) return;
    // What QLabel draws for plain text without a frame, margin or indent; the
    // game's captions are numbers and German text, always left to right.
    // Drawn straight with the label's font and text colour, as the style would
    // for an enabled label, without its pen save and restore.
    const Qt::Alignment a = QStyle::visualAlignment(Qt::LeftToRight, alignment());
    const QRect r = contentsRect();
    p.setPen(palette().color(foregroundRole()));
    if (einzeilig(t, a)) {
        // Placed as drawText places one line; what sticks out is clipped at
        // the label's edges all the same.
        const Zeile& z = zeile(font(), t);
        const qreal x = a & Qt::AlignHCenter ? (r.width() - z.advance) / 2 : 0;
        p.drawStaticText(QPointF(r.x() + x, r.y()), z.text);
    } else {
        p.drawText(r, int(a) | Qt::TextForceLeftToRight, t);
    }
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

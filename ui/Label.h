#pragma once
// A label with the properties the game writes: caption, position and size in
// twips, 24-bit colours, alignment and font. Opaque, borderless, fixed size.
#include <QFont>
#include <QLabel>
#include <cstdint>

#include "ui/Trace.h"

namespace ui {

class Label : public QLabel {
    Q_OBJECT
public:
    // `index` is reported with a click and to a Trace (-1 for a single label).
    explicit Label(QWidget* parent, int index = -1);

    // While a Batch is open, writes of the position, size and font are stored
    // and reported at once but reach the widget together when it closes: one
    // move and one font change per label instead of one per write.
    class Batch {
    public:
        explicit Batch(Label& l) : l_(l) { ++l_.batch_; }
        ~Batch()
        {
            if (--l_.batch_ == 0) l_.applyHeld();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Label& l_;
    };

    int index() const { return index_; }
    void setTrace(Trace* trace) { trace_ = trace; }

    // The caption as written, CR LF included; on screen each CR LF breaks the line.
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    // QWidget's own, also reported to the trace.
    void setVisible(bool visible) override;

    float left() const { return left_; }
    float top() const { return top_; }
    float widthTwips() const { return width_; }
    float heightTwips() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidthTwips(float twips);
    void setHeightTwips(float twips);

    std::int32_t foreColor() const { return fore_; }
    std::int32_t backColor() const { return back_; }
    void setForeColor(std::int32_t rgb);
    void setBackColor(std::int32_t rgb);

    // Qt::AlignLeft or Qt::AlignHCenter, the two the game uses; the text is
    // drawn from the top of the label.
    void setTextAlignment(Qt::Alignment horizontal);

    QString fontName() const { return font_.family(); }
    float fontSize() const { return static_cast<float>(font_.pointSizeF()); }
    bool fontItalic() const { return font_.italic(); }
    void setFontName(const QString& name);
    void setFontSize(float points);
    void setFontItalic(bool italic);

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void report(Property p, const QVariant& v)
    {
        if (trace_) trace_->propertyWritten(index_, p, v);
    }
    void applyGeometry();
    void applyFont();
    void applyHeld();
    void applyColors();

    int index_;
    Trace* trace_ = nullptr;
    QString caption_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::int32_t fore_ = 0xFFFFFF, back_ = 0;
    // The colours the palette was last given here; -1 once anything else has
    // touched the palette. Lets an unchanged colour skip the palette copy.
    std::int32_t paletteFore_ = -1, paletteBack_ = -1;
    // Face, size and slant as written; QWidget::setFont itself skips a font
    // that has not changed.
    QFont font_;
    bool pressed_ = false;
    int batch_ = 0;
    bool geometryHeld_ = false, fontHeld_ = false;
};

}  // namespace ui

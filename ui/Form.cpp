#include "ui/Form.h"

#include <QEvent>
#include <algorithm>

#include "ui/Accessibility.h"
#include "ui/Units.h"

namespace ui {

Form::Form(QWidget* parent) : QWidget(parent)
{
    // To a screen reader the game's window is a window (a frame), not the
    // anonymous client area Qt makes of a plain top-level widget.
    announceAs("ui::Form", QAccessible::Window);
}

QSize Form::frameExtra() const
{
    if (!testAttribute(Qt::WA_WState_Created)) return QSize(0, 0);
    return frameGeometry().size() - geometry().size();
}

double Form::outerWidthTwips() const
{
    return (width() + frameExtra().width()) * TwipsPerPixel;
}
double Form::outerHeightTwips() const
{
    return (height() + frameExtra().height()) * TwipsPerPixel;
}

void Form::setOuterWidthTwips(double twips)
{
    wantedOuter_.setWidth(twipsToPixelEdge(twips));
    if (wantedOuter_.height() <= 0) wantedOuter_.setHeight(height() + frameExtra().height());
    applyOuterSize();
}

void Form::setOuterHeightTwips(double twips)
{
    wantedOuter_.setHeight(twipsToPixelEdge(twips));
    if (wantedOuter_.width() <= 0) wantedOuter_.setWidth(width() + frameExtra().width());
    applyOuterSize();
}

void Form::applyOuterSize()
{
    const QSize frame = frameExtra();
    knownFrame_ = frame;
    requestedClient_ =
        QSize(std::max(1, wantedOuter_.width() - frame.width()), std::max(1, wantedOuter_.height() - frame.height()));
    resize(requestedClient_);
}

bool Form::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange: {
            // The window manager reports the frame only after the window is mapped.
            // When it arrives, size the window again so that the outer size is the
            // one that was set, unless the player has resized it meanwhile.
            const QSize frame = frameExtra();
            if (frame != knownFrame_ && wantedOuter_.isValid() && size() == requestedClient_ &&
                !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
                applyOuterSize();
            break;
        }
        default:
            break;
    }
    return handled;
}

}  // namespace ui

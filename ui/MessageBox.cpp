#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace ui {

void QtMessageBox::MsgBox(const QString& text)
{
    if (shutDown_) return;
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, parent_);
    box.setAccessibleName(text);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setIcon(QIcon());  // text only, as everywhere
    if (parent_ && parent_->isVisible()) {
        // Low in the window rather than centred on it, so the results text in the
        // upper left stays readable while the box waits. move() places the frame,
        // so the frame's size counts; it is known once the box has its window.
        box.adjustSize();
        box.winId();
        const QRect w = parent_->geometry();
        const QSize aussen = box.frameGeometry().size();
        box.move(w.center().x() - aussen.width() / 2, w.bottom() - aussen.height() - w.height() / 10);
    }
    open_ = &box;
    box.exec();
    open_ = nullptr;
}

void QtMessageBox::shutDown()
{
    shutDown_ = true;
    if (open_) open_->done(QMessageBox::Ok);
}

}  // namespace ui

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
        // upper left stays readable while the box waits.
        box.adjustSize();
        const QRect w = parent_->geometry();
        box.move(w.center().x() - box.width() / 2, w.bottom() - box.height() - w.height() / 10);
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

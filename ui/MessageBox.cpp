#include "ui/MessageBox.h"

#include <QMessageBox>

namespace ui {

void QtMessageBox::MsgBox(const QString& text)
{
    if (shutDown_) return;
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, parent_);
    box.setAccessibleName(text);
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

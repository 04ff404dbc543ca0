#pragma once
// Modal message boxes: text only, one OK button, the application title.
#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace ui {

inline const QString AppTitle = QStringLiteral("Flinkblick");

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Returns when the player has closed the box.
    virtual void MsgBox(const QString& text) = 0;
    // The window is closing: close a box that is open and show no more, so the
    // handler waiting on it runs out and the program can end.
    virtual void shutDown() = 0;
};

class QtMessageBox final : public MessageBoxService {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void MsgBox(const QString& text) override;
    void shutDown() override;

private:
    QWidget* parent_ = nullptr;
    bool shutDown_ = false;
    QPointer<QMessageBox> open_;
};

}  // namespace ui

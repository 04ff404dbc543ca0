#pragma once
// What a screen reader is told a widget class is, where Qt's own guess is wrong.
#include <QAccessible>

namespace ui {

// Widgets of `className` (their metaObject's class name) are announced with
// `role`; a Window role only while the widget is a top-level window.
void announceAs(const char* className, QAccessible::Role role);

}  // namespace ui

#pragma once
// The program's window icon, from the raw pixels in its resources.
#include <QIcon>

namespace ui {

// 16, 32, 48 and 64 pixels square; empty if the resources are not linked in.
QIcon windowIcon();

}  // namespace ui

#pragma once
// What the program tells Qt and the desktop about itself before its window
// opens: names, version and window icon.

// Call once, after the QApplication exists.
void anwendungEinrichten();

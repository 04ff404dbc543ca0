#include "app/Anwendung.h"

#include <QApplication>
#include <QIcon>

void anwendungEinrichten()
{
    QApplication::setApplicationName(QStringLiteral("flinkblick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Flinkblick"));
    QApplication::setApplicationVersion(QStringLiteral(FLINKBLICK_VERSION));
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.flinkblick.Flinkblick"));
    // Small sizes only: every size is handed to the window system at start-up,
    // and the launcher takes the large ones from the icon theme.
    QIcon symbol;
    for (int n : {16, 32, 48, 64}) symbol.addFile(QStringLiteral(":/icons/%1.png").arg(n), QSize(n, n));
    QApplication::setWindowIcon(symbol);
}

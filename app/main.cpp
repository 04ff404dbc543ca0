#include <QApplication>
#include <cstdio>

#include "app/Flinkblick.h"
#include "board/Aufbau.h"
#include "ui/Clock.h"
#include "ui/Icon.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"

int main(int argc, char* argv[])
{
    // Without a display Qt would abort; say what is wrong instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Flinkblick braucht eine grafische Oberfläche: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("flinkblick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Flinkblick"));
    QApplication::setApplicationVersion(QStringLiteral(FLINKBLICK_VERSION));
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.flinkblick.Flinkblick"));
    // Small sizes only: every size is handed to the window system at start-up,
    // and the launcher takes the large ones from the icon theme.
    QApplication::setWindowIcon(ui::windowIcon());
    ui::SystemClock uhr;
    ui::SystemRandom zufall;
    ui::QtMessageBox meldung;
    Flinkblick fenster({uhr, zufall, meldung});
    meldung.setParent(&fenster);
    fenster.show();
    // While the player reads the menu: the first colourful board in cold faces
    // would take two frames.
    board::BunteSchnitteVorladen(fenster);
    return app.exec();
}

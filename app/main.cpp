#include <QApplication>
#include <cstdio>

#include "app/Anwendung.h"
#include "app/Flinkblick.h"
#include "board/Aufbau.h"
#include "ui/Clock.h"
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
    anwendungEinrichten();
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

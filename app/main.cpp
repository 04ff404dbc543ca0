#include <QApplication>
#include <cstdio>

#include "app/Flinkblick.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ui::SystemClock uhr;
    ui::SystemRandom zufall;
    ui::QtMessageBox meldung;
    Flinkblick fenster({uhr, zufall, meldung});
    meldung.setParent(&fenster);
    fenster.show();
    return app.exec();
}

#pragma once
// Helpers for tests that open real message boxes: a window wired to the Qt
// box service, and a watcher that acts on the box once it is open.
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <functional>

#include "tests/support/Fakes.h"
#include "ui/MessageBox.h"

namespace kasten {

// Runs `mitKasten` on the box once it is open. Should the test leave the box
// open, the guard closes it so a failing test cannot hang. Its timers end with it.
struct KastenBeobachter {
    QObject kontext;
    std::function<void(QMessageBox*)> mitKasten;
    bool gesehen = false;
    bool vomWaechterGeschlossen = false;

    void warten()
    {
        QTimer::singleShot(0, &kontext, [this] { pruefen(); });
        QTimer::singleShot(5000, &kontext, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                vomWaechterGeschlossen = true;
                box->done(QMessageBox::Ok);
            }
        });
    }

private:
    void pruefen()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            QTimer::singleShot(10, &kontext, [this] { pruefen(); });
            return;
        }
        gesehen = true;
        mitKasten(box);
    }
};

// The window with the scripted clock and luck, but the boxes the player gets.
struct SpielMitEchtenKaesten {
    fakes::ManualClock uhr;
    fakes::ScriptedRandom zufall;
    ui::QtMessageBox meldung;
    Flinkblick w{{uhr, zufall, meldung}};

    SpielMitEchtenKaesten() { meldung.setParent(&w); }
};

}  // namespace kasten

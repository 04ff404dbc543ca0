// The first colourful board: the time from a press on "Bunte Zahlen", right
// after start-up, to the end of the repaint that shows all 50 numbers. No
// label of the process has drawn in the board's faces before, so this is the
// slowest colourful board a player meets. One measurement per process; the
// script bench/first_board.sh starts it several times.
//
//   first_board [--wait MS] [--cold]
//
// MS is how long the start menu stands before the press (default 500, a quick
// player's first click). The window loads the board's faces meanwhile, as the
// game's main does; --cold leaves that out.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <set>

#include "app/Flinkblick.h"
#include "board/Aufbau.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"

namespace {

class SilentBox final : public ui::MessageBoxService {
public:
    void MsgBox(const QString&) override {}
    void shutDown() override {}
};

// Notes which numbers have received a paint event since it was armed.
class PaintWatch final : public QObject {
public:
    bool armed = false;
    std::set<const QObject*> painted;

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (armed && e->type() == QEvent::Paint) painted.insert(o);
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype wait = args.indexOf(QStringLiteral("--wait"));
    const int waitMs = wait > 0 && wait + 1 < args.size() ? args[wait + 1].toInt() : 500;
    const bool cold = args.contains(QStringLiteral("--cold"));

    ui::SystemClock uhr;
    ui::SystemRandom zufall;
    SilentBox meldung;
    Flinkblick w({uhr, zufall, meldung});
    w.show();
    if (!cold) board::BunteSchnitteVorladen(w);
    if (!QTest::qWaitForWindowExposed(&w)) {
        std::fprintf(stderr, "window not exposed\n");
        return 1;
    }
    QElapsedTimer menu;
    menu.start();
    while (menu.elapsed() < waitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }

    PaintWatch watch;
    for (ui::Label* l : w.Zahllbl) l->installEventFilter(&watch);
    const QPoint pos = w.StartBtn->mapTo(&w, w.StartBtn->rect().center());
    QElapsedTimer clock;
    watch.armed = true;
    clock.start();
    QTest::mousePress(w.windowHandle(), Qt::LeftButton, {}, pos);
    QTest::mouseRelease(w.windowHandle(), Qt::LeftButton, {}, pos);
    while (watch.painted.size() < w.Zahllbl.size() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const qint64 ns = clock.nsecsElapsed();
    if (watch.painted.size() < w.Zahllbl.size()) {
        std::fprintf(stderr, "only %zu of %zu numbers painted within 5 s\n", watch.painted.size(), w.Zahllbl.size());
        return 1;
    }
    std::printf("summary first_board platform=%s ms=%.3f\n", qPrintable(QGuiApplication::platformName()),
                static_cast<double>(ns) / 1e6);
    return 0;
}

// Click to feedback: the time from a mouse press on the sought number to the
// end of the repaint that shows its flash. The press and release go through
// the window system interface, as a real click does, and the figure ends when
// the event loop has painted the label and flushed the window.
//
//   click_latency [--hits N] [--warmup W] [--idle MS] [--reshuffle] [--uniform] [--samples]
//
// Runs "50 Zahlen einfach" boards one after the other; the hit on 50 ends a
// board (it hides the labels, so nothing flashes) and is not measured.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/Flinkblick.h"
#include "board/Aufbau.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"

namespace {

// The results boxes of a completed board are closed at once.
class AnsweringBox final : public ui::MessageBoxService {
public:
    void MsgBox(const QString& text) override { last = text; }
    void shutDown() override {}
    QString last;
};

// Notes when the armed label receives its paint event.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(const QElapsedTimer& clock) : clock_(clock) {}
    const QWidget* armed = nullptr;
    qint64 paintedNs = -1;

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && o == armed && paintedNs < 0) paintedNs = clock_.nsecsElapsed();
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

double percentile(std::vector<double> v, double p)
{
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(v.size())));
    return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int hits = 50, warmup = 5, idleMs = 0;
    bool reshuffle = false, uniform = false, samples = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == u"--hits" && i + 1 < args.size())
            hits = args[++i].toInt();
        else if (args[i] == u"--warmup" && i + 1 < args.size())
            warmup = args[++i].toInt();
        else if (args[i] == u"--idle" && i + 1 < args.size())
            idleMs = args[++i].toInt();
        else if (args[i] == u"--reshuffle")
            reshuffle = true;
        else if (args[i] == u"--uniform")
            uniform = true;
        else if (args[i] == u"--samples")
            samples = true;
        else {
            std::fprintf(
                stderr,
                "usage: click_latency [--hits N] [--warmup W] [--idle MS] [--reshuffle] [--uniform] [--samples]\n");
            return 2;
        }
    }

    ui::SystemClock uhr;
    ui::SystemRandom zufall;
    AnsweringBox meldung;
    Flinkblick w({uhr, zufall, meldung});
    w.show();
    board::BunteSchnitteVorladen(w);  // as the game's main does
    if (!QTest::qWaitForWindowExposed(&w)) {
        std::fprintf(stderr, "window not exposed\n");
        return 1;
    }
    QWindow* fenster = w.windowHandle();

    QElapsedTimer clock;
    clock.start();
    PaintWatch watch(clock);
    for (ui::Label* l : w.Zahllbl) l->installEventFilter(&watch);

    w.EinfachAusdauer[1]->setChecked(true);
    w.ImmerNeuMischenChk->setValue(reshuffle ? 1 : 0);
    const auto neuesBrett = [&] {
        (uniform ? w.Gleiche_Zahlen : w.StartBtn)->click();
        settle(50);
    };
    neuesBrett();
    // A player looking at the first board before the first click (for
    // profiling under valgrind, which stretches what the window does meanwhile).
    settle(idleMs);

    std::vector<double> toFlushed, toPaint;
    int boards = 1;
    while (static_cast<int>(toFlushed.size()) < hits) {
        ui::Label* ziel = w.Zahllbl[static_cast<std::size_t>(w.stand().GesuchteZahl() - 1)];
        const QPoint pos = ziel->mapTo(&w, ziel->rect().center());
        const bool letzte = w.stand().Zaehler == 50;

        watch.armed = ziel;
        watch.paintedNs = -1;
        const qint64 t0 = clock.nsecsElapsed();
        QTest::mousePress(fenster, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(fenster, Qt::LeftButton, {}, pos);
        if (letzte) {
            // The board is done: start the next one.
            watch.armed = nullptr;
            neuesBrett();
            ++boards;
            continue;
        }
        QElapsedTimer limit;
        limit.start();
        while (watch.paintedNs < 0 && limit.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents);
        const qint64 t1 = clock.nsecsElapsed();
        watch.armed = nullptr;
        if (watch.paintedNs < 0) {
            std::fprintf(stderr, "no paint of label %d within 2 s\n", ziel->index() + 1);
            return 1;
        }
        if (ziel->backColor() != 0xFFFFFF) {
            std::fprintf(stderr, "label %d did not flash\n", ziel->index() + 1);
            return 1;
        }
        if (warmup > 0) {
            --warmup;
        } else {
            toFlushed.push_back(static_cast<double>(t1 - t0) / 1e6);
            toPaint.push_back(static_cast<double>(watch.paintedNs - t0) / 1e6);
            if (samples)
                std::printf("hit %3zu number %2d %.3f ms\n", toFlushed.size(), ziel->index() + 1, toFlushed.back());
        }
        // Let the flash end, as it does between a player's clicks.
        settle(130);
    }

    std::printf("platform=%s qt=%s reshuffle=%d uniform=%d boards=%d hits=%zu\n",
                qPrintable(QGuiApplication::platformName()), qVersion(), reshuffle, uniform, boards, toFlushed.size());
    std::printf("summary %s platform=%s board=%s median_ms=%.3f p95_ms=%.3f max_ms=%.3f paint_start_median_ms=%.3f\n",
                reshuffle ? "reshuffle_hit" : "hit", qPrintable(QGuiApplication::platformName()),
                uniform ? "gleiche" : "bunte", percentile(toFlushed, 50), percentile(toFlushed, 95),
                percentile(toFlushed, 100), percentile(toPaint, 50));
    return 0;
}

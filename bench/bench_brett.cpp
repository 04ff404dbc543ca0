// How long a board build takes on the real widgets of a shown window, alone
// and followed by a repaint of the whole window. Only the build (and the
// repaint) is timed; the events it leaves behind are handled between
// iterations, outside the timing, as the event loop would after a click.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/Flinkblick.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"
#include "ui/Units.h"

namespace {

// One shown window for all benchmarks, as the game has.
struct Fenster {
    ui::SystemClock uhr;
    ui::SystemRandom zufall;
    ui::QtMessageBox meldung;
    Flinkblick w{{uhr, zufall, meldung}};

    Fenster()
    {
        meldung.setParent(&w);
        w.show();
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
    }
};

// Made in main, after QApplication and destroyed before it.
Fenster* einFenster = nullptr;
Fenster& fenster()
{
    return *einFenster;
}

using Aufbau = void (Flinkblick::*)();

void ereignisseAbarbeiten()
{
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

// `vorher` runs untimed before each build: the board the build replaces.
void messen(benchmark::State& state, Aufbau aufbau, Aufbau vorher, bool neuZeichnen)
{
    Flinkblick& w = fenster().w;
    (w.*aufbau)();  // fonts resolved, glyphs cached: the steady state of a game
    ereignisseAbarbeiten();
    for (auto _ : state) {
        if (vorher) {
            (w.*vorher)();
            ereignisseAbarbeiten();
        }
        const auto start = std::chrono::steady_clock::now();
        (w.*aufbau)();
        if (neuZeichnen) benchmark::DoNotOptimize(w.grab());
        const auto ende = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(ende - start).count());
        ereignisseAbarbeiten();
    }
}

void BunteAufbauen(benchmark::State& s)
{
    messen(s, &Flinkblick::BunteAufbauen, nullptr, false);
}
void GleicheAufbauen(benchmark::State& s)
{
    messen(s, &Flinkblick::GleicheAufbauen, nullptr, false);
}
// The change of style: every label's colour, face, size and caption change.
void GleicheNachBunten(benchmark::State& s)
{
    messen(s, &Flinkblick::GleicheAufbauen, &Flinkblick::BunteAufbauen, false);
}
void BunteAufbauenUndNeuZeichnen(benchmark::State& s)
{
    messen(s, &Flinkblick::BunteAufbauen, nullptr, true);
}
void GleicheAufbauenUndNeuZeichnen(benchmark::State& s)
{
    messen(s, &Flinkblick::GleicheAufbauen, nullptr, true);
}

// The end of a hit flash: all 50 labels are painted black again, 49 of them
// already are. What the label's colour check saves over Qt's own.
void Blitzende(benchmark::State& state)
{
    Flinkblick& w = fenster().w;
    w.BunteAufbauen();
    ereignisseAbarbeiten();
    for (auto _ : state) {
        w.Zahllbl[7]->setBackColor(ui::Weiss);
        const auto start = std::chrono::steady_clock::now();
        w.Timer1_Timer();
        const auto ende = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(ende - start).count());
        ereignisseAbarbeiten();
    }
}

void einstellen(benchmark::internal::Benchmark* b)
{
    b->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(0.3)->Repetitions(9)->ReportAggregatesOnly(true);
}

}  // namespace

BENCHMARK(BunteAufbauen)->Apply(einstellen);
BENCHMARK(GleicheAufbauen)->Apply(einstellen);
BENCHMARK(GleicheNachBunten)->Apply(einstellen);
BENCHMARK(BunteAufbauenUndNeuZeichnen)->Apply(einstellen);
BENCHMARK(GleicheAufbauenUndNeuZeichnen)->Apply(einstellen);
BENCHMARK(Blitzende)->Apply(einstellen);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI")) qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    auto f = std::make_unique<Fenster>();
    einFenster = f.get();
    {
        // The first board of a run also loads the faces and their glyphs; that happens once.
        const auto start = std::chrono::steady_clock::now();
        f->w.BunteAufbauen();
        benchmark::DoNotOptimize(f->w.grab());
        const auto ende = std::chrono::steady_clock::now();
        std::printf("Erster BunteAufbauen mit Neuzeichnen (Schriften noch nicht geladen): %.0f us\n",
                    std::chrono::duration<double, std::micro>(ende - start).count());
        std::fflush(stdout);
        ereignisseAbarbeiten();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    einFenster = nullptr;
    f.reset();
    return 0;
}

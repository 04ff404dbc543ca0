#pragma once
// Stand-ins for the runtime services, so tests drive the game without a
// person, a real clock or luck.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/Flinkblick.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"
#include "ui/Trace.h"

namespace fakes {

// A clock that moves only when the test moves it.
class ManualClock final : public ui::Clock {
public:
    // Starts at 8 December 2026, 10:00:00.250 local time (the quarter second
    // makes second boundaries visible).
    ManualClock();
    ui::Zeitpunkt Now() override { return now_; }

    // Real time passes: wall clock and monotonic clock move together.
    void advance(double seconds);
    // The wall clock alone is set (DST switch, NTP step, a user).
    void jumpWall(double seconds);
    // The wall clock alone is set to this local date and time.
    void stellen(const QDate& tag, const QTime& zeit);

    ui::Zeitpunkt now_;
};

// Returns scripted draws first, then a seeded, repeatable sequence.
class ScriptedRandom final : public ui::Random {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) : state_(seed) {}
    void script(std::initializer_list<float> draws) { queue_.insert(queue_.end(), draws); }
    void script(const std::vector<float>& draws) { queue_.insert(queue_.end(), draws.begin(), draws.end()); }
    int randomizeCount() const { return randomizes_; }
    std::size_t pending() const { return queue_.size(); }

protected:
    void reseed() override { ++randomizes_; }
    float next() override;

private:
    std::deque<float> queue_;
    std::uint64_t state_;
    int randomizes_ = 0;
};

// Answers every box at once (after running `whileOpen`, if set) and keeps the texts.
class AnsweringMessageBox final : public ui::MessageBoxService {
public:
    void MsgBox(const QString& text) override;
    void shutDown() override { shutDown_ = true; }

    QStringList texts;
    // Runs while the box is "open": ticks, clock moves, whatever a test needs.
    std::function<void(const QString&)> whileOpen;
    bool shutDown_ = false;
};

// Everything a build writes and draws, in order.
class RecordingTrace final : public ui::Trace {
public:
    enum class Kind { Write, Randomize, Draw };
    struct Event {
        Kind kind;
        int control = -1;
        ui::Property property{};
        QVariant value;
    };
    void propertyWritten(int control, ui::Property property, const QVariant& value) override
    {
        events.push_back({Kind::Write, control, property, value});
    }
    void randomized() override { events.push_back({Kind::Randomize, -1, {}, {}}); }
    void drawn(float value) override { events.push_back({Kind::Draw, -1, {}, value}); }

    // Attaches to the 50 number labels and the generator of a window.
    void attach(Flinkblick& w, ui::Random& r);
    void detach(Flinkblick& w, ui::Random& r);

    std::vector<Event> events;
};

// A window with fake services.
struct Spiel {
    ManualClock uhr;
    ScriptedRandom zufall;
    AnsweringMessageBox meldung;
    std::unique_ptr<Flinkblick> fenster;

    Spiel() : fenster(std::make_unique<Flinkblick>(Dienste{uhr, zufall, meldung})) {}
    Flinkblick& w() { return *fenster; }

    // Index of the label that shows the sought number.
    int gesuchterIndex() const { return fenster->stand().GesuchteZahl() - 1; }
    // A hit, through the handler.
    void treffer() { fenster->Zahllbl_Click(gesuchterIndex()); }
    // A miss, through the handler: any label but the sought one.
    void fehler() { fenster->Zahllbl_Click(gesuchterIndex() == 0 ? 1 : 0); }
};

}  // namespace fakes

#pragma once
// The endurance run's fixed figures, named once for the endurance clock
// (results/Ausdauer.cpp), the game state, the results and the Leistungskurve.
// They live here rather than beside the clock's tick because the game state
// needs them too, and nothing in app/ includes results/.
namespace ausdauer {

// The run ends at the first tick at which this many whole seconds have passed.
inline constexpr int Sekunden = 720;
// The minutes the results list, one line each.
inline constexpr int Minuten = Sekunden / 60;
// Entries of ProMinute: the listed minutes and a thirteenth, never shown, for
// the hits at and after the end (the time-up hit among them).
inline constexpr int Eintraege = Minuten + 1;

}  // namespace ausdauer

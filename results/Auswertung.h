#pragma once
// The lines of the results text that more than the results display need.
#include <QString>

namespace auswertung {

// "In der 3. Minute gefundene Zahlen: 22": minute `minute` counted from 1.
QString minutenZeile(int minute, int zahlen);

}  // namespace auswertung

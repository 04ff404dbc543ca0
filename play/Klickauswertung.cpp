// Click judgement: every click on a number label, and the time-up hit of the
// endurance clock.
#include <cmath>

#include "app/Flinkblick.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Units.h"

namespace {
bool istBunt(const QString& m) { return m == u"BunteZahlenRunter" || m == u"BunteZahlenHoch"; }
bool istGleich(const QString& m) { return m == u"GleicheZahlenRunter" || m == u"GleicheZahlenHoch"; }
}  // namespace

void Flinkblick::Zahllbl_Click(int Index)
{
    const int gesucht = GesuchteZahl();
    if (gesucht == Index + 1) {
        if (ImmerNeuMischen != ui::False) {
            if (istBunt(Modus))
                BunteAufbauen();
            else if (istGleich(Modus))
                GleicheAufbauen();
        }
        TrefferblitzStarten(Index);
        Zaehler += 1;
        // One clock reading per hit serves the minute count and the Leistungskurve;
        // a simple run needs only its monotonic part, which costs far less.
        ui::Zeitpunkt jetzt;
        if (Ausdauer != ui::False) {
            jetzt = d_.uhr.Now();
            const auto sekunden = ui::DateDiffSeconds(Startzeit, jetzt);
            const auto minute = static_cast<long long>(std::floor(static_cast<double>(sekunden) / 60.0));
            ProMinuteAt(minute) += 1;
        } else {
            jetzt.monoNs = d_.uhr.MonoNs();
        }
        // The endurance clock empties Modus for its time-up hit, which is no hit of the player.
        if (!Modus.isEmpty()) laufprotokoll_.trefferNotieren(Modus, gesucht, jetzt.monoNs);
    } else {
        fehlermeldungOffen_ = true;
        MeldungZeigen(QStringLiteral("Gesuchte Zahl = ") + QString::number(gesucht));
        fehlermeldungOffen_ = false;
        Fehlversuche += 1;
        laufprotokoll_.fehlversuchNotieren(gesucht);
    }

    if (Zaehler != 51) return;
    for (ui::Label* l : Zahllbl) l->setShown(false);

    const auto fehlerzeile = [this] {
        Label1->setCaption(QStringLiteral("Fehlversuche: ") + QString::number(int(Fehlversuche)) + ui::CrLf);
        Fehlversuche = 0;
    };
    if (Ausdauer != ui::False) {
        // A fresh board of the same mode. The window is restored before the
        // build, so the board is laid out for the size it will be shown at.
        if (istBunt(Modus) || istGleich(Modus)) FensterZuruecksetzen();
        if (Modus == u"BunteZahlenHoch") {
            BunteAufbauen();
            RundeStarten();
        } else if (Modus == u"BunteZahlenRunter") {
            BunteAufbauen();
            Zielbasis = 51;
            RundeStarten();
        } else if (Modus == u"GleicheZahlenHoch") {
            GleicheAufbauen();
            RundeStarten();
        } else if (Modus == u"GleicheZahlenRunter") {
            GleicheAufbauen();
            Zielbasis = 51;
            RundeStarten();
        } else {
            fehlerzeile();
        }
    } else {
        fehlerzeile();
        AuswertungZeigen();
    }
}

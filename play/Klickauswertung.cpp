// Click judgement: every click on a number label, and the time-up hit of the
// endurance clock.
#include "app/Flinkblick.h"
#include "board/Raster.h"
#include "play/Modi.h"
#include "ui/Units.h"

void Flinkblick::Zahllbl_Click(int Index)
{
    const int gesucht = GesuchteZahl();
    if (gesucht == Index + 1) {
        // Where the number stood when it was found, before a reshuffle moves it.
        const int feld = board::feldVon(*Zahllbl[std::size_t(Index)]);
        if (ImmerNeuMischen != ui::False) {
            // Any other name, such as the empty one of the time-up, rebuilds nothing.
            if (const Spielmodus* m = modusNamens(Modus)) Aufbauen(*m);
        }
        TrefferblitzStarten(Index);
        Zaehler += 1;
        // One clock reading per hit serves the minute count and the time told
        // with the hit; a simple run needs only its monotonic part, which costs far less.
        std::int64_t jetztNs;
        if (Ausdauer != ui::False) {
            const Laufzeit l = SeitStartzeit();
            ProMinuteAt(l.minute) += 1;
            jetztNs = l.monoNs;
        } else {
            jetztNs = d_.uhr.MonoNs();
        }
        // The endurance clock empties Modus for its time-up hit, which is no hit of the player.
        if (!Modus.isEmpty()) emit getroffen(gesucht, jetztNs, feld);
    } else {
        fehlermeldungOffen_ = true;
        MeldungZeigen(QStringLiteral("Gesuchte Zahl = ") + QString::number(gesucht));
        fehlermeldungOffen_ = false;
        Fehlversuche += 1;
        emit verfehlt(gesucht);
    }

    if (Zaehler != 51) return;
    for (ui::Label* l : Zahllbl) l->setVisible(false);

    const auto fehlerzeile = [this] {
        Label1->setCaption(QStringLiteral("Fehlversuche: ") + QString::number(int(Fehlversuche)) + ui::CrLf);
        Fehlversuche = 0;
    };
    if (Ausdauer == ui::False) {
        fehlerzeile();
        AuswertungZeigen();
    } else if (const Spielmodus* m = modusNamens(Modus)) {
        // A fresh board of the same mode. The window is restored before the
        // build, so the board is laid out for the size it will be shown at.
        FensterZuruecksetzen();
        Aufbauen(*m);
        if (m->abwaerts) Zielbasis = 51;
        RundeStarten();
    } else {
        fehlerzeile();
    }
}

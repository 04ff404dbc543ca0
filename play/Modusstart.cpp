// Mode start: the four start buttons, RundeStarten and the two board procedures.
#include "app/Flinkblick.h"
#include "board/Aufbau.h"
#include "play/Modi.h"
#include "ui/Clock.h"

void Flinkblick::StartBtn_Click()
{
    ModusStarten(BunteZahlenHoch);
}
void Flinkblick::BuntRunterStartBtn_Click()
{
    ModusStarten(BunteZahlenRunter);
}
void Flinkblick::Gleiche_Zahlen_Click()
{
    ModusStarten(GleicheZahlenHoch);
}
void Flinkblick::GleichRunterStartBtn_Click()
{
    ModusStarten(GleicheZahlenRunter);
}

void Flinkblick::ModusStarten(const Spielmodus& modus)
{
    if (modus.abwaerts) Zielbasis = 51;
    if (modus.bautVorDemStart) {
        // Restoring the window first keeps a board laid out for a maximised or
        // resized window from landing outside it once it shrinks back.
        FensterZuruecksetzen();
        Aufbauen(modus);
        RundeStarten();
    } else {
        RundeStarten();
        Aufbauen(modus);
    }
    // Last: during the build and RundeStarten the previous mode still stands.
    Modus = QString::fromUtf16(modus.name);
    emit laufBegonnen(Modus, Ausdauer != ui::False, ImmerNeuMischen != ui::False, Startzeit.monoNs);
}

void Flinkblick::Aufbauen(const Spielmodus& modus)
{
    if (modus.stil == Brettstil::Bunt)
        BunteAufbauen();
    else
        GleicheAufbauen();
}

void Flinkblick::BunteAufbauen()
{
    board::BunteAufbauen({Zahllbl, *this, d_.zufall});
}
void Flinkblick::GleicheAufbauen()
{
    board::GleicheAufbauen({Zahllbl, *this, d_.zufall});
}

void Flinkblick::RundeStarten()
{
    FensterZuruecksetzen();
    Zaehler = 1;
    ImmerNeuMischenChk->setVisible(false);
    StartBtn->setVisible(false);
    BuntRunterStartBtn->setVisible(false);
    GleichRunterStartBtn->setVisible(false);
    Gleiche_Zahlen->setVisible(false);
    Label2->setVisible(false);
    Label3->setVisible(false);
    Label1->setCaption(QString());
    Label1->setVisible(false);
    // Only a start from the start menu sets the run length and the start time;
    // a fresh board within an endurance run leaves them alone.
    if (EinfachAusdauer[0]->isVisibleTo(this)) {
        if (EinfachAusdauer[0]->isChecked()) {
            Timer12Min->setInterval(1000);
            Ausdauer = ui::True;
        } else {
            Timer12Min->setInterval(0);
            Ausdauer = ui::False;
        }
        Startzeit = d_.uhr.Now();
    }
    EinfachAusdauer[0]->setVisible(false);
    EinfachAusdauer[1]->setVisible(false);
    // Hiding the focused control leaves Qt's focus on a hidden option, where the
    // space bar would still change the run length and a screen reader would
    // announce it. The window itself holds the focus during play.
    if (QWidget* f = focusWidget(); f && !f->isVisible()) setFocus();
}

Flinkblick::Laufzeit Flinkblick::SeitStartzeit()
{
    const ui::Zeitpunkt jetzt = d_.uhr.Now();
    const std::int64_t s = ui::DateDiffSeconds(Startzeit, jetzt);
    // Int rounds towards minus infinity.
    return {s, s / 60 - (s % 60 < 0 ? 1 : 0), jetzt.monoNs};
}

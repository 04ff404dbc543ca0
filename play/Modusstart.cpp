// Mode start: the four start buttons and RundeStarten.
#include "app/Flinkblick.h"
#include "ui/Clock.h"

void Flinkblick::StartBtn_Click()
{
    RundeStarten();
    BunteAufbauen();
    Modus = QStringLiteral("BunteZahlenHoch");
}

void Flinkblick::BuntRunterStartBtn_Click()
{
    Zielbasis = 51;
    RundeStarten();
    BunteAufbauen();
    Modus = QStringLiteral("BunteZahlenRunter");
}

void Flinkblick::Gleiche_Zahlen_Click()
{
    RundeStarten();
    GleicheAufbauen();
    Modus = QStringLiteral("GleicheZahlenHoch");
}

void Flinkblick::GleichRunterStartBtn_Click()
{
    Zielbasis = 51;
    // This mode builds before RundeStarten restores the window. Restoring first
    // keeps a board laid out for a maximised or resized window from landing
    // outside the window once it shrinks back to its normal size.
    FensterZuruecksetzen();
    GleicheAufbauen();
    RundeStarten();
    Modus = QStringLiteral("GleicheZahlenRunter");
}

void Flinkblick::FensterZuruecksetzen()
{
    setWindowStateValue(0);
    setOuterHeightTwips(9600);
    setOuterWidthTwips(12000);
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
    Label2->setShown(false);
    Label3->setShown(false);
    Label1->setCaption(QString());
    Label1->setShown(false);
    // Only a start from the start menu sets the run length and the start time;
    // a fresh board within an endurance run leaves them alone.
    if (EinfachAusdauer[0]->isVisibleTo(this)) {
        if (EinfachAusdauer[0]->value()) {
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

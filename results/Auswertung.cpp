// Results and the return to the start menu; the Leistungskurve beside them.
#include "results/Auswertung.h"

#include "app/Ausdauerlauf.h"
#include "app/Flinkblick.h"
#include "results/Kurvenanschluss.h"
#include "results/Leistungskurve.h"
#include "ui/Units.h"

QString auswertung::minutenZeile(int minute, int zahlen)
{
    return QStringLiteral("In der %1. Minute gefundene Zahlen: %2").arg(minute).arg(zahlen);
}

void Flinkblick::KurveAnlegen()
{
    // Kept inside the window as it is loaded, whatever the player resizes it to.
    Kurve = new Leistungskurve(this, *Label1, ui::twipsToPixelEdge(LadebreiteTwips));
    kurvenanschluss_ = new Kurvenanschluss(*this, *Kurve);
}

void Flinkblick::AuswertungZeigen()
{
    for (ui::Label* l : Zahllbl) {
        l->setVisible(false);
        l->setBackColor(ui::Schwarz);
    }

    kurvenanschluss_->uebergeben(ProMinute);
    QString text = Label1->caption();
    if (Ausdauer != ui::False) {
        ui::Integer gesamt = 0;
        for (int m = 0; m < ausdauer::Minuten; ++m) {
            ui::Integer& zahl = ProMinute[static_cast<std::size_t>(m)];
            gesamt = gesamt + zahl;
            text += auswertung::minutenZeile(m + 1, zahl) + ui::CrLf;
            zahl = 0;
        }
        text += QStringLiteral("Gesamt: ") + QString::number(int(gesamt));
    } else {
        // Int(e / 60) rounds down and e Mod 60 keeps the sign of e, as the
        // results have always been written.
        const Laufzeit e = SeitStartzeit();
        text += QStringLiteral("Zeit = %1:%2").arg(e.minute).arg(e.sekunden % 60);
    }
    Label1->setCaption(text);

    MeldungZeigen(Ausdauer != ui::False ? QStringLiteral("Die 12 Minuten sind um!")
                                        : QStringLiteral("Alle 50 Zahlen gefunden"));
    Label1->setVisible(true);
    Kurve->show();
    MeldungZeigen(QStringLiteral("Bitte noch einmal klicken um das Startmenü anzuzeigen."));
    Label1->setVisible(false);
    Kurve->hide();

    StartBtn->setVisible(true);
    BuntRunterStartBtn->setVisible(true);
    GleichRunterStartBtn->setVisible(true);
    Gleiche_Zahlen->setVisible(true);
    Label2->setVisible(true);
    Label3->setVisible(true);
    Zielbasis = 0;
    EinfachAusdauer[0]->setVisible(true);
    EinfachAusdauer[1]->setVisible(true);
    ImmerNeuMischenChk->setVisible(true);
    Timer1->setInterval(0);
    // During play the window itself held the focus; give it back to the first
    // start button, so Return starts the next run as it did the first.
    if (QWidget* f = focusWidget(); !f || f == this) StartBtn->setFocus();
}

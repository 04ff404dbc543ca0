#pragma once
// The main window `Flinkblick`: its 62 controls, the shared game state and all
// handlers of the game. The handlers are defined where the game's parts live:
//   app/Flinkblick.cpp        creation of the controls, event wiring, Form_Load
//   board/                    BunteAufbauen, GleicheAufbauen (on the grid of board/Raster)
//   play/Modusstart.cpp       the four start buttons, RundeStarten
//   play/Klickauswertung.cpp  Zahllbl_Click
//   play/Trefferblitz.cpp     the hit flash, Timer1_Timer
//   play/NeuMischen.cpp       ImmerNeuMischenChk_Click
//   results/Ausdauer.cpp      Timer12Min_Timer
//   results/Auswertung.cpp    AuswertungZeigen
//   results/Leistungskurve.*  the panel beside the results; its figures in results/Kurvenwerte.*
//
// Glossary: Zaehler counter · Startzeit start time · Zielbasis direction base ·
// Ausdauer endurance · ProMinute per minute · Modus mode · ImmerNeuMischen
// always reshuffle · Fehlversuche misses · Zahllbl number label · Bunte/Gleiche
// Zahlen colourful/uniform numbers · Hoch/Runter up/down · Vorwärts/Rückwärts
// forwards/backwards · RundeStarten start a round · Aufbauen build ·
// AuswertungZeigen show the results · EinfachAusdauer simple/endurance.
#include <array>

#include "app/Spielstand.h"
#include "results/Leistungskurve.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Timer.h"

namespace ui {
class Clock;
class MessageBoxService;
class Random;
}  // namespace ui

// What the game needs from its runtime; tests pass their own.
struct Dienste {
    ui::Clock& uhr;
    ui::Random& zufall;
    ui::MessageBoxService& meldung;
};

class Flinkblick : public ui::Form, public Spielstand {
    Q_OBJECT
public:
    explicit Flinkblick(Dienste dienste, QWidget* parent = nullptr);

    // Controls, in declaration order. The widget tree owns them.
    ui::CheckBox* ImmerNeuMischenChk;
    ui::Timer* Timer12Min;
    std::array<ui::OptionButton*, 2> EinfachAusdauer;
    ui::CommandButton* BuntRunterStartBtn;
    ui::CommandButton* GleichRunterStartBtn;
    ui::CommandButton* Gleiche_Zahlen;
    ui::Timer* Timer1;
    ui::CommandButton* StartBtn;
    ui::Label* Label3;
    ui::Label* Label2;
    std::array<ui::Label*, 50> Zahllbl;
    ui::Label* Label1;
    // Beside the results text while it is shown: how the run went.
    Leistungskurve* Kurve;

    // Handlers.
    void Form_Load();
    void StartBtn_Click();
    void BuntRunterStartBtn_Click();
    void Gleiche_Zahlen_Click();
    void GleichRunterStartBtn_Click();
    void ImmerNeuMischenChk_Click();
    void Zahllbl_Click(int Index);
    void Timer1_Timer();
    void Timer12Min_Timer();

    // Procedures.
    void RundeStarten();
    void BunteAufbauen();
    void GleicheAufbauen();
    void AuswertungZeigen();

    // True while the miss box of the click judgement is open.
    bool fehlermeldungOffen() const { return fehlermeldungOffen_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Hands the run's figures to the Leistungskurve, before the results reset them.
    void LeistungskurveVorbereiten();
    // What the run so far did, and the runs of this session: memory only.
    kurve::Laufprotokoll laufprotokoll_;
    kurve::Sitzung sitzung_;

    void createControls();
    void wireEvents();
    // Step 1 of RundeStarten: normal state at 12000 × 9600 twips.
    void FensterZuruecksetzen();
    void TrefferblitzStarten(int Index);
    void MeldungZeigen(const QString& text);

    Dienste d_;
    bool fehlermeldungOffen_ = false;
};

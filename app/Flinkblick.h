#pragma once
// The main window `Flinkblick`: its 62 controls, the shared game state and all
// handlers of the game. The handlers are defined where the game's parts live:
//   app/Flinkblick.cpp        creation of the controls, event wiring, Form_Load,
//                             the window's load size
//   play/Modusstart.cpp       the four start buttons, RundeStarten, BunteAufbauen and
//                             GleicheAufbauen (the builders themselves are in board/),
//                             the time since Startzeit
//   play/Modi.h               the four modes: name, board style, direction
//   play/Klickauswertung.cpp  Zahllbl_Click
//   play/Trefferblitz.cpp     the hit flash, Timer1_Timer
//   play/NeuMischen.cpp       ImmerNeuMischenChk_Click
//   results/Ausdauer.cpp      Timer12Min_Timer
//   results/Auswertung.cpp    AuswertungZeigen, KurveAnlegen
//   results/Leistungskurve.*  the panel beside the results; its figures in results/Kurvenwerte.*;
//                             results/Kurvenanschluss.* listens to the run and feeds it
//   app/Ausdauerlauf.h        the endurance run's length and its minutes
//
// Glossary: Zaehler counter · Startzeit start time · Zielbasis direction base ·
// Ausdauer endurance · ProMinute per minute · Modus mode · ImmerNeuMischen
// always reshuffle · Fehlversuche misses · Zahllbl number label · Bunte/Gleiche
// Zahlen colourful/uniform numbers · Hoch/Runter up/down · Vorwärts/Rückwärts
// forwards/backwards · RundeStarten start a round · Aufbauen build ·
// AuswertungZeigen show the results · EinfachAusdauer simple/endurance.
#include <QRadioButton>
#include <array>
#include <cstdint>

#include "app/Spielstand.h"
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

struct Spielmodus;
class Leistungskurve;
class Kurvenanschluss;

// The game state is the window's own: handlers and procedures use its fields
// directly, everything else reads it through stand().
class Flinkblick : public ui::Form, private Spielstand {
    Q_OBJECT
public:
    explicit Flinkblick(Dienste dienste, QWidget* parent = nullptr);

    // The size the window is loaded at and restored to at every run start, frame included.
    static constexpr double LadebreiteTwips = 12000;
    static constexpr double LadehoeheTwips = 9600;

    // Controls, in declaration order, under the names the game has always given
    // them. The widget tree owns them. They stay public because the tests drive
    // and read the window through them as a player would, and a getter per
    // control would only repeat each name.
    ui::CheckBox* ImmerNeuMischenChk;
    ui::Timer* Timer12Min;
    std::array<QRadioButton*, 2> EinfachAusdauer;
    ui::CommandButton* BuntRunterStartBtn;
    ui::CommandButton* GleichRunterStartBtn;
    ui::CommandButton* Gleiche_Zahlen;
    ui::Timer* Timer1;
    ui::CommandButton* StartBtn;
    ui::Label* Label3;
    ui::Label* Label2;
    std::array<ui::Label*, 50> Zahllbl;
    ui::Label* Label1;
    // Beside the results text while it is shown: how the run went (results/).
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

    const Spielstand& stand() const { return *this; }
    // The click judgement's own: wrong clicks since they were last reported, and
    // whether its miss box is open.
    int fehlversuche() const { return Fehlversuche; }
    bool fehlermeldungOffen() const { return fehlermeldungOffen_; }

signals:
    // What happens in a run, for whoever listens: the Leistungskurve does.
    // A run started from the start menu, with the clock reading it counts from.
    void laufBegonnen(const QString& modus, bool ausdauer, bool mischen, qint64 startNs);
    // The player found `zahl` in cell `feld` of the board (board::feldVon);
    // the time-up hit of the endurance clock is none.
    void getroffen(int zahl, qint64 monoNs, int feld);
    // A wrong click while `gesucht` was sought.
    void verfehlt(int gesucht);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Creates the Leistungskurve and what feeds it (results/Auswertung.cpp).
    void KurveAnlegen();
    Kurvenanschluss* kurvenanschluss_ = nullptr;

    void createControls();
    void wireEvents();
    // Normal state at the load size: Form_Load, and step 1 of RundeStarten.
    void FensterZuruecksetzen();
    void TrefferblitzStarten(int Index);
    void MeldungZeigen(const QString& text);
    // A start button: the steps of its mode in that mode's order.
    void ModusStarten(const Spielmodus& modus);
    void Aufbauen(const Spielmodus& modus);

    // Since Startzeit, from one reading of the clock: the whole seconds
    // (DateDiff "s") and the whole minutes, Int(seconds / 60).
    struct Laufzeit {
        std::int64_t sekunden;
        std::int64_t minute;
        std::int64_t monoNs;  // the reading's monotonic part
    };
    Laufzeit SeitStartzeit();

    Dienste d_;
    // Only Zahllbl_Click writes these.
    ui::Integer Fehlversuche = 0;
    bool fehlermeldungOffen_ = false;
};

// A driver that runs the game as the program does (QApplication::exec, the
// real message boxes, nested event loops) and scripts it from timers:
//
//   test_treiber schliessen <zustand> [frame]   closes the window in that state
//   test_treiber einfach | ausdauer             plays a whole run, then closes
//
// Exit status 0 only when app.exec() returned 0 and the game ran out cleanly.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

#include "app/Flinkblick.h"
#include "tests/support/Fakes.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"
#include "ui/Units.h"

namespace {

int fehler(const char* was)
{
    std::fprintf(stderr, "test_treiber: %s\n", was);
    return 1;
}

QMessageBox* offeneBox()
{
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

struct Treiber {
    fakes::ManualClock uhr;
    ui::SystemClock systemUhr;
    ui::SystemRandom zufall;
    ui::QtMessageBox meldung;
    Flinkblick w;
    QStringList boxTexte;
    QTimer beantworter;

    // The program's own clock, unless the script has to move time by hand.
    explicit Treiber(bool echteUhr)
        : w(Dienste{echteUhr ? static_cast<ui::Clock&>(systemUhr) : static_cast<ui::Clock&>(uhr), zufall, meldung})
    {
        meldung.setParent(&w);
        // Answers every box a moment after it opened, as a player would.
        beantworter.setInterval(5);
        QObject::connect(&beantworter, &QTimer::timeout, [this] {
            if (QMessageBox* b = offeneBox()) {
                boxTexte << b->text();
                b->accept();
            }
        });
    }

    int gesucht() const { return w.stand().GesuchteZahl() - 1; }
    void klick(QWidget* z) { QTest::mouseClick(z, Qt::LeftButton); }
    void treffer() { klick(w.Zahllbl[std::size_t(gesucht())]); }
    void fehlklick() { klick(w.Zahllbl[std::size_t(gesucht() == 0 ? 1 : 0)]); }

    // Calls `dann` once a box with this text is open (or at once when `text` is empty).
    void sobaldBox(const QString& text, std::function<void()> dann)
    {
        auto* t = new QTimer(&w);
        t->setInterval(5);
        QObject::connect(t, &QTimer::timeout, [=] {
            QMessageBox* b = offeneBox();
            if (text.isEmpty() ? b != nullptr : (b && b->text() == text)) {
                t->stop();
                t->deleteLater();
                dann();
            } else if (b && !text.isEmpty()) {
                b->accept();  // an earlier box on the way
            }
        });
        t->start();
    }
};

int schliessen(Treiber& t, const QString& zustand, bool rahmen)
{
    Flinkblick& w = t.w;
    bool erwartetMenue = false;
    const auto zu = [&] {
        // A box blocks the frame, so only the program (or the session ending) closes the window then.
        if (rahmen && !offeneBox())
            w.windowHandle()->close();
        else
            w.close();
    };
    const auto einfach = [&] { w.EinfachAusdauer[1]->setChecked(true); };
    const auto alle50 = [&] {
        einfach();
        t.klick(w.StartBtn);
        for (int i = 0; i < 50; ++i) t.treffer();
    };

    QTimer::singleShot(0, &w, [&] {
        if (zustand == u"startmenue") {
            zu();
        } else if (zustand == u"brett") {
            t.klick(w.Gleiche_Zahlen);
            zu();
        } else if (zustand == u"blitz") {
            t.klick(w.BuntRunterStartBtn);
            t.treffer();
            if (!w.Timer1->isTicking()) std::exit(fehler("no flash running"));
            zu();
        } else if (zustand == u"fehlerbox") {
            t.klick(w.StartBtn);
            t.sobaldBox(QStringLiteral("Gesuchte Zahl = 1"), zu);
            t.fehlklick();
        } else if (zustand == u"alle50") {
            erwartetMenue = true;
            t.sobaldBox(QStringLiteral("Alle 50 Zahlen gefunden"), zu);
            alle50();
        } else if (zustand == u"ergebnis") {
            erwartetMenue = true;
            t.sobaldBox(QStringLiteral("Bitte noch einmal klicken um das Startmenü anzuzeigen."), [&] {
                if (!w.Label1->isVisible()) std::exit(fehler("results not on screen"));
                zu();
            });
            alle50();
        } else if (zustand == u"zeitum") {
            erwartetMenue = true;
            t.klick(w.StartBtn);
            t.treffer();
            t.uhr.advance(720);
            t.sobaldBox(QStringLiteral("Die 12 Minuten sind um!"), zu);
            w.Timer12Min->tick();
        } else if (zustand == u"zeitum-in-fehlerbox") {
            // The miss box is open when the 12 minutes end: the tick waits for the box.
            erwartetMenue = false;
            t.klick(w.StartBtn);
            t.uhr.advance(725);
            t.sobaldBox(QStringLiteral("Gesuchte Zahl = 1"), [&] {
                w.Timer12Min->tick();
                if (w.stand().Zaehler != 1) std::exit(fehler("the run ended under the miss box"));
                zu();
            });
            t.fehlklick();
        } else {
            std::exit(fehler("unknown state"));
        }
    });

    const int rc = QApplication::exec();
    if (rc != 0) return fehler("exec did not return 0");
    if (offeneBox()) return fehler("a box is still open");
    if (w.isVisible()) return fehler("the window is still shown");
    // The handler that waited on the box ran to its end.
    if (erwartetMenue && !w.EinfachAusdauer[0]->isVisibleTo(&w)) return fehler("the results never ran out");
    return 0;
}

int spielen(Treiber& t, bool ausdauer)
{
    Flinkblick& w = t.w;
    bool fertig = false;
    QTimer::singleShot(0, &w, [&] {
        t.beantworter.start();
        if (ausdauer) {
            t.klick(w.ImmerNeuMischenChk);
            t.klick(w.GleichRunterStartBtn);
            for (int brett = 0; brett < 3; ++brett) {
                t.fehlklick();
                for (int i = 0; i < 50; ++i) {
                    t.treffer();
                    t.uhr.advance(1.5);
                    if (i % 10 == 0) w.Timer12Min->tick();
                }
            }
            for (int i = 0; i < 17; ++i) t.treffer();
            t.uhr.advance(720);
            w.Timer12Min->tick();
        } else {
            t.klick(w.EinfachAusdauer[1]);
            t.klick(w.BuntRunterStartBtn);
            for (int i = 0; i < 50; ++i) {
                if (i % 20 == 5) t.fehlklick();
                t.treffer();
                t.uhr.advance(0.8);
                QTest::qWait(1);
            }
        }
        fertig = w.EinfachAusdauer[0]->isVisibleTo(&w);
        t.beantworter.stop();
        w.close();
    });
    const int rc = QApplication::exec();
    if (rc != 0) return fehler("exec did not return 0");
    if (!fertig) return fehler("the run did not reach the start menu");
    const QString erwartet =
        ausdauer ? QStringLiteral("Die 12 Minuten sind um!") : QStringLiteral("Alle 50 Zahlen gefunden");
    if (!t.boxTexte.contains(erwartet)) return fehler("the run did not end in the results");
    const QString zeile = QStringLiteral("Fehlversuche: 3\r\n");
    if (!w.Label1->caption().startsWith(zeile)) return fehler("wrong misses line");
    if (ausdauer && !w.Label1->caption().endsWith(QStringLiteral("Gesamt: 167"))) return fehler("wrong total");
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) return fehler("usage: test_treiber schliessen <state> [frame] | einfach | ausdauer");

    // Nothing hangs: a stuck nested event loop ends the program with status 3.
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(qEnvironmentVariableIntValue("FLINKBLICK_TREIBER_FRIST") > 0
                                                             ? qEnvironmentVariableIntValue("FLINKBLICK_TREIBER_FRIST")
                                                             : 60));
        std::fputs("test_treiber: hangs\n", stderr);
        std::_Exit(3);
    }).detach();

    Treiber t(args.value(2) != u"zeitum" && args.value(2) != u"zeitum-in-fehlerbox" && args[1] != u"ausdauer");
    t.w.show();
    if (!QTest::qWaitForWindowExposed(&t.w)) return fehler("window not shown");
    if (args[1] == u"schliessen" && args.size() >= 3) return schliessen(t, args[2], args.value(3) == u"frame");
    if (args[1] == u"einfach") return spielen(t, false);
    if (args[1] == u"ausdauer") return spielen(t, true);
    return fehler("unknown mode");
}

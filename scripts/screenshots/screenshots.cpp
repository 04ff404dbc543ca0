// Takes the README's screenshots from the real window on a real X server
// (run it under xvfb-run): start menu, colourful board, uniform board, and the
// results of an endurance run and of a simple run with their Leistungskurve.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/Flinkblick.h"
#include "tests/support/Fakes.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"

namespace {

void settle(int ms = 300)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(const QRect& area, const QString& path)
{
    // The grab is in device pixels; with QT_SCALE_FACTOR the window's area is not.
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    const qreal dpr = screen.devicePixelRatio();
    const QPixmap shot = screen.copy(QRectF(area.topLeft() * dpr, area.size() * dpr).toAlignedRect());
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// A message box that is real on screen: it is photographed, then closed.
class PhotographedBox final : public ui::MessageBoxService {
public:
    PhotographedBox(QWidget* window, QString dir) : window_(window), dir_(std::move(dir)) {}
    // The file the results of the next run go to.
    QString datei;
    bool ok = true;

    void MsgBox(const QString& text) override
    {
        if (text.startsWith(u"Bitte"))
            QTimer::singleShot(400, [this] {
                ok &= save(window_->frameGeometry(), dir_ + "/" + datei);
                echt_.shutDown();
            });
        else
            QTimer::singleShot(200, [this] { echt_.shutDown(); });
        echt_ = ui::QtMessageBox();
        echt_.setParent(window_);
        echt_.MsgBox(text);
    }
    void shutDown() override {}

private:
    QWidget* window_;
    QString dir_;
    ui::QtMessageBox echt_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(dir);

    fakes::ManualClock uhr;
    ui::SystemRandom zufall;
    struct Weiche final : ui::MessageBoxService {
        ui::MessageBoxService* ziel = nullptr;
        void MsgBox(const QString& t) override
        {
            if (ziel) ziel->MsgBox(t);
        }
        void shutDown() override {}
    } weiche;
    Flinkblick w({uhr, zufall, weiche});
    PhotographedBox foto(&w, dir);
    weiche.ziel = &foto;
    w.move(0, 0);
    w.show();
    settle(600);
    bool ok = save(w.frameGeometry(), dir + "/startmenue.png");

    w.StartBtn_Click();
    settle();
    ok &= save(w.frameGeometry(), dir + "/bunte-zahlen.png");

    // Back to the start menu without a results photo.
    weiche.ziel = nullptr;
    w.AuswertungZeigen();
    weiche.ziel = &foto;
    w.Gleiche_Zahlen_Click();
    settle();
    ok &= save(w.frameGeometry(), dir + "/gleiche-zahlen.png");

    // Runs before the photographed ones, so the panel has a session to compare with.
    const auto stumm = [&](auto lauf) {
        weiche.ziel = nullptr;
        lauf();
        weiche.ziel = &foto;
    };

    // Twelve minutes of play that warms up and then tires a little; the
    // second run is photographed against the first.
    const auto ausdauer = [&](double tempo) {
        w.EinfachAusdauer[0]->setChecked(true);
        w.StartBtn_Click();
        double sekunde = 0;
        for (int klick = 0; sekunde < 719; ++klick) {
            const double minute = sekunde / 60;
            const double pause = tempo * (1.9 - 0.12 * std::min(minute, 3.0) + 0.035 * std::max(0.0, minute - 5)) +
                                 0.3 * ((klick * 7) % 5) + (klick % 41 == 40 ? 4.0 : 0.0);
            uhr.advance(pause);
            sekunde += pause;
            if (sekunde >= 719) break;
            w.Zahllbl_Click(klick % 37 == 36 ? (w.stand().GesuchteZahl() % 50) : w.stand().GesuchteZahl() - 1);
        }
        uhr.advance(720.5 - sekunde);
        w.Timer12Min_Timer();
    };
    stumm([&] { ausdauer(1.08); });
    foto.datei = QStringLiteral("ergebnis.png");
    ausdauer(1.0);

    // Five simple runs of the same mode: the fifth shows the five-run reading.
    const auto einfach = [&](int runde) {
        w.EinfachAusdauer[1]->setChecked(true);
        w.Gleiche_Zahlen_Click();
        for (int z = 1; z <= 50; ++z) {
            // Irregular but repeatable: a few numbers take long, most are quick.
            const double zufall = std::fmod(std::sin(z * 12.9898 + runde * 78.233) * 43758.5453, 1.0);
            uhr.advance(1.0 + 1.6 * zufall * zufall + (z % 17 == 3 ? 2.2 : 0.0) - 0.05 * runde);
            if ((z + runde) % 19 == 0) w.Zahllbl_Click(w.stand().GesuchteZahl() % 50);
            w.Zahllbl_Click(w.stand().GesuchteZahl() - 1);
        }
    };
    for (int runde = 1; runde <= 4; ++runde) stumm([&] { einfach(runde); });
    foto.datei = QStringLiteral("ergebnis-einfach.png");
    einfach(5);
    return ok && foto.ok ? 0 : 1;
}

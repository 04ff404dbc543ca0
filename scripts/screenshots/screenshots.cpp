// Takes the README's screenshots from the real window on a real X server
// (run it under xvfb-run): start menu, colourful board, uniform board, results.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
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
    QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0).copy(area);
    const bool ok = shot.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// A message box that is real on screen: it is photographed, then closed.
class PhotographedBox final : public ui::MessageBoxService {
public:
    PhotographedBox(QWidget* window, QString dir) : window_(window), dir_(std::move(dir)) {}
    void MsgBox(const QString& text) override
    {
        if (text.startsWith(u"Bitte"))
            QTimer::singleShot(400, [this] {
                save(window_->frameGeometry(), dir_ + "/ergebnis.png");
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

    // Twelve minutes of steady play, then the results.
    double sekunde = 0;
    for (int klick = 0; sekunde < 719; ++klick) {
        const double pause = 1.6 + 0.3 * ((klick * 7) % 5) + (klick % 41 == 40 ? 4.0 : 0.0);
        uhr.advance(pause);
        sekunde += pause;
        if (sekunde >= 719) break;
        w.Zahllbl_Click(klick % 37 == 36 ? (w.stand().GesuchteZahl() % 50) : w.stand().GesuchteZahl() - 1);
    }
    uhr.advance(720.5 - sekunde);
    w.Timer12Min_Timer();
    return ok ? 0 : 1;
}

// The monkey: a long, seeded stream of random events through the real window
// (real mouse and key events through the window's QWindow, real resizes and
// window states, both timers, a clock that jumps), with the game's invariants
// checked after every single event.
//
//   FLINKBLICK_MONKEY_SEED=123 build/test/tests/test_monkey    replays a seed
//   FLINKBLICK_MONKEY_EVENTS=20000                             fewer or more events
//   FLINKBLICK_MONKEY_LOG=500                                  more of the event log on failure
#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <deque>
#include <optional>
#include <random>
#include <thread>

#include "app/Flinkblick.h"
#include "tests/support/Fakes.h"
#include "tests/support/Spielhilfe.h"
#include "ui/MessageBox.h"
#include "ui/Random.h"
#include "ui/Trace.h"
#include "ui/Units.h"

namespace {

constexpr int MaxBoxTiefe = 3;
const QString& TextZeitUm = spielhilfe::Um;
const QString& TextAlleGefunden = spielhilfe::Alle;
const QString& TextNochEinmal = spielhilfe::Bitte;
const QString TextGesucht = QStringLiteral("Gesuchte Zahl = ");

// Real QTimers would tick on wall time and make a seed unrepeatable; the
// monkey delivers every tick itself, so their timer events are swallowed.
class TimerSperre final : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override { return e->type() == QEvent::Timer && qobject_cast<QTimer*>(o); }
};

class Affe;

class AffenBox final : public ui::MessageBoxService {
public:
    explicit AffenBox(Affe& a) : affe_(a) {}
    void MsgBox(const QString& text) override;
    void shutDown() override {}

private:
    Affe& affe_;
};

class AffenTrace final : public ui::Trace {
public:
    explicit AffenTrace(Affe& a) : affe_(a) {}
    void propertyWritten(int control, ui::Property p, const QVariant& v) override;
    void randomized() override;
    void drawn(float) override {}

private:
    Affe& affe_;
};

enum class Lauf { Keiner, Einfach, Ausdauer };

class Affe {
public:
    explicit Affe(std::uint64_t seed)
        : rng_(seed),
          spielSeed_(seed ^ 0x5DEECE66DULL),
          box_(*this),
          trace_(*this),
          zufall_([this] { return spielSeed_ += 0x9E3779B97F4A7C15ULL; }),
          w_(Dienste{uhr_, zufall_, box_})
    {
        for (ui::Label* l : w_.Zahllbl) l->setTrace(&trace_);
        zufall_.setTrace(&trace_);
    }

    Flinkblick& w() { return w_; }
    long ereignisse() const { return ereignisse_; }
    const std::optional<QString>& fehler() const { return fehler_; }
    std::atomic<long> fortschritt{0};
    struct {
        int laeufe = 0, einfachFertig = 0, ausdauerFertig = 0, erneuert = 0, fehlklicks = 0, tiefsteBox = 0, amEnde = 0;
    } statistik;

    QString protokoll() const
    {
        QString s;
        for (const QString& z : log_) s += QStringLiteral("  ") + z + QLatin1Char('\n');
        return s;
    }

    void lauf(long anzahl)
    {
        w_.show();
        if (!QTest::qWaitForWindowActive(&w_)) return fail(QStringLiteral("window never became active"));
        normalClient_ = w_.size();
        pruefen();
        while (ereignisse_ < anzahl && !fehler_) {
            ereignis();
            pruefen();
        }
    }

    // Called by the box service: the box is open until this returns.
    void boxOffen(const QString& text)
    {
        texteDiesesEreignisses_ << text;
        notiere(QStringLiteral("box open: ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        if (fehler_) return;
        ++tiefe_;
        statistik.tiefsteBox = std::max(statistik.tiefsteBox, tiefe_);
        if (text == TextAlleGefunden) ++statistik.einfachFertig;
        if (text == TextZeitUm) ++statistik.ausdauerFertig;
        if (text == TextZeitUm || text == TextAlleGefunden)
            vergangenBeimEnde_ = double(uhr_.now_.monoNs - startMono_) / 1e9;
        boxPruefen(text);
        // Answered after a random delay, with timers and window events meanwhile.
        const int nebenbei = tiefe_ > MaxBoxTiefe ? 0 : std::geometric_distribution<int>(0.35)(rng_);
        for (int i = 0; i < nebenbei && !fehler_; ++i) {
            offenEreignis();
            boxPruefen(text);
        }
        --tiefe_;
    }

    // Called from inside a build and from inside the completion of a board.
    void gebaut()
    {
        baugroesseTwips_ = QSizeF(w_.outerWidthTwips(), w_.outerHeightTwips());
        bauClient_ = w_.size();
        fensterGeaendertSeitBau_ = false;
        plattformVersatz_ = w_.size() != w_.windowHandle()->geometry().size();
        gebautInEreignis_ = true;
    }
    void brettFertig()
    {
        // Between a board's completion and its renewal, the window changes.
        if (!fehler_ && chance(0.25)) {
            notiere(QStringLiteral("(at completion)"));
            ++statistik.amEnde;
            fensterEreignis();
        }
    }

private:
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    int zahl(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    double reell(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }

    void notiere(const QString& s)
    {
        log_.push_back(QStringLiteral("#%1 ").arg(ereignisse_) + s);
        static const int laenge = qEnvironmentVariableIntValue("FLINKBLICK_MONKEY_LOG") > 0
                                      ? qEnvironmentVariableIntValue("FLINKBLICK_MONKEY_LOG")
                                      : 40;
        if (int(log_.size()) > laenge) log_.pop_front();
    }
    void fail(const QString& warum)
    {
        if (!fehler_) fehler_ = QStringLiteral("after event %1: %2").arg(ereignisse_).arg(warum);
    }
    void zaehle()
    {
        ++ereignisse_;
        fortschritt.store(ereignisse_, std::memory_order_relaxed);
    }

    // ---- What the window shows ----------------------------------------------------------

    int menueSichtbar() const { return spielhilfe::sichtbaresMenue(w_); }
    int zahlenSichtbar() const { return spielhilfe::sichtbareZahlen(w_); }
    bool ergebnisSichtbar() const { return spielhilfe::label1Sichtbar(w_); }
    bool minimiert() const { return w_.windowState() & Qt::WindowMinimized; }

    // ---- Invariants ---------------------------------------------------------------------

    void zaehlerPruefen()
    {
        const int z = w_.stand().Zaehler;
        if (z < 0 || z > 51) return fail(QStringLiteral("Zaehler %1 outside 0..51").arg(z));
        if ((z == 0) != !gestartet_)
            return fail(QStringLiteral("Zaehler %1 with a run %2 started").arg(z).arg(gestartet_ ? "" : "not"));
        if (w_.stand().Zielbasis != 0 && w_.stand().Zielbasis != 51)
            return fail(QStringLiteral("Zielbasis %1").arg(int(w_.stand().Zielbasis)));
        if (w_.fehlversuche() < 0) return fail(QStringLiteral("Fehlversuche %1").arg(int(w_.fehlversuche())));
        for (int m = 0; m < 13; ++m)
            if (w_.stand().ProMinute[std::size_t(m)] < 0) return fail(QStringLiteral("ProMinute(%1) negative").arg(m));
        if (w_.stand().ImmerNeuMischen != (w_.ImmerNeuMischenChk->value() != 0 ? ui::True : ui::False))
            return fail(QStringLiteral("ImmerNeuMischen does not mirror the check box"));
    }

    void brettPruefen()
    {
        const float bw = w_.Zahllbl[0]->widthTwips(), bh = w_.Zahllbl[0]->heightTwips();
        std::array<bool, 50> belegt{};
        for (int i = 0; i < 50; ++i) {
            const ui::Label* l = w_.Zahllbl[std::size_t(i)];
            if (l->caption().toInt() != i + 1)
                return fail(QStringLiteral("Zahllbl(%1) shows %2").arg(i).arg(l->caption()));
            if (l->widthTwips() != bw || l->heightTwips() != bh)
                return fail(QStringLiteral("Zahllbl(%1) has another size").arg(i));
            const long spalte = std::lround(l->left() / bw) - 1;
            const long zeile = std::lround((l->top() - bh / 2) / bh);
            if (spalte < 0 || spalte > 9 || zeile < 0 || zeile > 4 || std::abs(l->left() - bw * (spalte + 1)) > 0.5f ||
                std::abs(l->top() - (bh * zeile + bh / 2)) > 0.5f)
                return fail(QStringLiteral("Zahllbl(%1) off the grid at %2,%3").arg(i).arg(l->left()).arg(l->top()));
            const auto zelle = std::size_t(zeile * 10 + spalte);
            if (belegt[zelle]) return fail(QStringLiteral("two labels in cell %1").arg(zelle));
            belegt[zelle] = true;
            // The board fits the window it was built for. The grid follows the outer size with a
            // margin of a twelfth of it, so it fits the client area whenever the frame is no wider
            // than that margin: always at the normal size, not in a window shrunk to a strip.
            if (rahmenPasst() && !QRect(QPoint(0, 0), bauClient_).contains(l->geometry()))
                return fail(QStringLiteral("Zahllbl(%1) at %2 outside the %3x%4 window it was built in")
                                .arg(i)
                                .arg(QString::number(l->geometry().right()))
                                .arg(bauClient_.width())
                                .arg(bauClient_.height()));
        }
        if (std::abs(bw * 12 - baugroesseTwips_.width()) > 1 || std::abs(bh * 6 - baugroesseTwips_.height()) > 1)
            return fail(QStringLiteral("cell size does not follow the window size at the build"));
        // Untouched by the player since the build, the window is the one the board was laid out for.
        if (!fensterGeaendertSeitBau_ && !plattformVersatz_ && w_.size() != bauClient_)
            return fail(QStringLiteral("board built for %1x%2, shown in a %3x%4 window")
                            .arg(bauClient_.width())
                            .arg(bauClient_.height())
                            .arg(w_.width())
                            .arg(w_.height()));
        // A board that begins a run or renews one is laid out for the window in its normal state and size.
        if (gebautInEreignis_ && w_.stand().Zaehler == 1 && !plattformVersatz_ && !fensterGeaendertSeitBau_ &&
            (bauClient_ != normalClient_ || (w_.isMaximized() || w_.isMinimized())))
            return fail(QStringLiteral("fresh board built for %1x%2 in window state %3, not the normal %4x%5")
                            .arg(bauClient_.width())
                            .arg(bauClient_.height())
                            .arg(int(w_.windowState()))
                            .arg(normalClient_.width())
                            .arg(normalClient_.height()));
    }

    bool rahmenPasst() const
    {
        const double aussenB = baugroesseTwips_.width() / 15, aussenH = baugroesseTwips_.height() / 15;
        return aussenB - bauClient_.width() <= aussenB / 12 && aussenH - bauClient_.height() <= aussenH / 12;
    }

    void ergebnisPruefen()
    {
        const QString t = w_.Label1->caption();
        if (lauf_ == Lauf::Einfach) {
            static const QRegularExpression re(
                QStringLiteral("^Fehlversuche: (0|[1-9][0-9]*)\r\nZeit = (0|[1-9][0-9]*):([0-9]|[1-5][0-9])$"));
            const auto m = re.match(t);
            if (!m.hasMatch()) return fail(QStringLiteral("results text of a simple run: %1").arg(t));
            if (m.captured(1).toInt() != fehlerImLauf_)
                return fail(QStringLiteral("misses %1, counted %2").arg(m.captured(1)).arg(fehlerImLauf_));
            const double sekunden = m.captured(2).toDouble() * 60 + m.captured(3).toDouble();
            // The time was read just before the first box opened.
            const double vergangen = vergangenBeimEnde_;
            if (sekunden < std::floor(vergangen) || sekunden > std::floor(vergangen) + 1)
                return fail(QStringLiteral("time %1 s, elapsed %2 s").arg(sekunden).arg(vergangen));
        } else if (lauf_ == Lauf::Ausdauer) {
            // Fourteen lines: the misses, the minutes 1 to 12 in order, the total.
            static const QRegularExpression kopf(QStringLiteral("^Fehlversuche: (0|[1-9][0-9]*)$"));
            static const QRegularExpression minute(
                QStringLiteral("^In der ([1-9][0-9]*)\\. Minute gefundene Zahlen: (0|[1-9][0-9]*)$"));
            static const QRegularExpression fuss(QStringLiteral("^Gesamt: (0|[1-9][0-9]*)$"));
            const QStringList zeilen = t.split(QStringLiteral("\r\n"));
            const auto k = kopf.match(zeilen.first()), f = fuss.match(zeilen.last());
            if (zeilen.size() != 14 || !k.hasMatch() || !f.hasMatch())
                return fail(QStringLiteral("results text of an endurance run: %1").arg(t));
            if (k.captured(1).toInt() != fehlerImLauf_)
                return fail(QStringLiteral("misses %1, counted %2").arg(k.captured(1)).arg(fehlerImLauf_));
            int summe = 0;
            for (int i = 1; i <= 12; ++i) {
                const auto m = minute.match(zeilen[i]);
                if (!m.hasMatch() || m.captured(1).toInt() != i)
                    return fail(QStringLiteral("line %1 of the results: %2").arg(i).arg(zeilen[i]));
                summe += m.captured(2).toInt();
            }
            const int gesamt = f.captured(1).toInt();
            if (summe != gesamt) return fail(QStringLiteral("Gesamt %1 is not the sum %2").arg(gesamt).arg(summe));
            const int spaet = int(w_.stand().ProMinute[12]) - proMinute12BeimStart_;
            if (gesamt + spaet != trefferImLauf_ + 1)
                return fail(
                    QStringLiteral("Gesamt %1 + %2 late, %3 hits made").arg(gesamt).arg(spaet).arg(trefferImLauf_));
        } else {
            fail(QStringLiteral("results without a run"));
        }
    }

    // After every event outside a box: exactly one of start menu, board and results.
    void pruefen()
    {
        if (fehler_) return;
        const int m = menueSichtbar(), z = zahlenSichtbar();
        const bool e = ergebnisSichtbar();
        if (z == 50 && m == 0 && lauf_ == Lauf::Keiner) laufBegonnen();
        zaehlerPruefen();
        if (m != 0 && m != 9) return fail(QStringLiteral("%1 of 9 start-menu controls visible").arg(m));
        if (z != 0 && z != 50) return fail(QStringLiteral("%1 number labels visible").arg(z));
        if ((m == 9) + (z == 50) + e != 1)
            return fail(QStringLiteral("menu %1, labels %2, results %3 on screen").arg(m).arg(z).arg(e));
        if (!w_.Timer1->isTicking())
            for (const ui::Label* l : w_.Zahllbl)
                if (l->backColor() != ui::Schwarz) return fail(QStringLiteral("a flash outlasts its timer"));
        if (m == 9) {
            if (w_.stand().Zielbasis != 0) return fail(QStringLiteral("start menu with Zielbasis 51"));
            if (w_.Timer12Min->isTicking() || w_.Timer1->isTicking())
                return fail(QStringLiteral("a timer runs at the start menu"));
            if (lauf_ != Lauf::Keiner) return fail(QStringLiteral("start menu back without results"));
        } else if (z == 50) {
            if (w_.stand().Zaehler < 1 || w_.stand().Zaehler > 50)
                return fail(QStringLiteral("board with Zaehler %1").arg(int(w_.stand().Zaehler)));
            if (fehler_) return;
            if (w_.Timer12Min->isTicking() != (lauf_ == Lauf::Ausdauer))
                return fail(QStringLiteral("endurance clock %1 in this run")
                                .arg(w_.Timer12Min->isTicking() ? "ticks" : "stopped"));
            if (!QStringList{"BunteZahlenHoch", "BunteZahlenRunter", "GleicheZahlenHoch", "GleicheZahlenRunter"}
                     .contains(w_.stand().Modus))
                return fail(QStringLiteral("Modus '%1' during a run").arg(w_.stand().Modus));
            if ((w_.stand().Zielbasis == 51) != w_.stand().Modus.endsWith(QLatin1String("Runter")))
                return fail(QStringLiteral("Zielbasis %1 in %2").arg(int(w_.stand().Zielbasis)).arg(w_.stand().Modus));
            brettPruefen();
        } else {
            fail(QStringLiteral("results on screen with no box open"));
        }
    }

    void laufBegonnen()
    {
        gestartet_ = true;
        lauf_ = w_.stand().Ausdauer != ui::False ? Lauf::Ausdauer : Lauf::Einfach;
        if ((lauf_ == Lauf::Ausdauer) != ausdauerGewaehlt_)
            return fail(QStringLiteral("run length is not the option chosen"));
        if (w_.stand().Zaehler != 1 || w_.fehlversuche() != 0)
            return fail(QStringLiteral("run starts at Zaehler %1 with %2 misses")
                            .arg(int(w_.stand().Zaehler))
                            .arg(int(w_.fehlversuche())));
        if (w_.stand().Startzeit.monoNs != uhr_.now_.monoNs)
            return fail(QStringLiteral("Startzeit is not the moment of the start"));
        startMono_ = uhr_.now_.monoNs;
        fehlerImLauf_ = trefferImLauf_ = 0;
        proMinute12BeimStart_ = w_.stand().ProMinute[12];
        ++statistik.laeufe;
        notiere(QStringLiteral("run begins: %1 %2")
                    .arg(w_.stand().Modus, lauf_ == Lauf::Ausdauer ? "endurance" : "simple"));
    }

    // While a box is open, the window shows what belongs to that box.
    void boxPruefen(const QString& text)
    {
        if (fehler_) return;
        zaehlerPruefen();
        const int m = menueSichtbar(), z = zahlenSichtbar();
        const bool e = ergebnisSichtbar();
        if (m != 0) return fail(QStringLiteral("start menu visible behind box '%1'").arg(text));
        if (text.startsWith(TextGesucht)) {
            if (z != 50 || e) return fail(QStringLiteral("miss box without the board behind it"));
        } else if (text == TextZeitUm || text == TextAlleGefunden) {
            if (z != 0 || e) return fail(QStringLiteral("window not empty behind '%1'").arg(text));
            if ((text == TextZeitUm) != (lauf_ == Lauf::Ausdauer))
                return fail(QStringLiteral("'%1' ends the wrong kind of run").arg(text));
            if (w_.Timer12Min->isTicking()) return fail(QStringLiteral("endurance clock still runs at the results"));
        } else if (text == TextNochEinmal) {
            if (z != 0 || !e) return fail(QStringLiteral("results not shown behind the last box"));
            if (!ergebnisGeprueft_) {
                ergebnisGeprueft_ = true;
                ergebnisPruefen();
            }
        } else {
            fail(QStringLiteral("unknown box text '%1'").arg(text));
        }
    }

    // ---- Events -------------------------------------------------------------------------

    QPoint zufallspunkt(const QRect& r)
    {
        if (r.width() <= 0 || r.height() <= 0) return zufallspunkt(w_.rect());
        QPoint p(r.left() + zahl(0, r.width() - 1), r.top() + zahl(0, r.height() - 1));
        // The widget and its native window may disagree for a moment after a resize.
        const QSize s = w_.size().boundedTo(w_.windowHandle()->geometry().size());
        p.setX(std::clamp(p.x(), 0, std::max(0, s.width() - 1)));
        p.setY(std::clamp(p.y(), 0, std::max(0, s.height() - 1)));
        if (p.isNull()) p = QPoint(0, 1);  // QTest reads (0, 0) as "the centre"
        return p;
    }

    // A real click (or double click) at a point of the window, judged in advance.
    void klickBei(QPoint p, bool doppelt, const QString& was)
    {
        QWidget* ziel = w_.childAt(p);
        auto* label = qobject_cast<ui::Label*>(ziel);
        const int index = label ? label->index() : -1;
        notiere(QStringLiteral("%1 %2 at %3,%4 -> %5")
                    .arg(doppelt ? "double click" : "click", was)
                    .arg(p.x())
                    .arg(p.y())
                    .arg(ziel ? ziel->objectName() : QStringLiteral("window")));
        const int zaehler = w_.stand().Zaehler, fehler = w_.fehlversuche(), gesucht = w_.stand().GesuchteZahl();
        const bool startmenue = menueSichtbar() == 9;
        if (doppelt)
            QTest::mouseDClick(w_.windowHandle(), Qt::LeftButton, {}, p);
        else
            QTest::mouseClick(w_.windowHandle(), Qt::LeftButton, {}, p);
        ausdauerGewaehlt_ = w_.EinfachAusdauer[0]->isChecked();
        if (fehler_) return;

        const bool fehlerbox =
            !texteDiesesEreignisses_.isEmpty() && texteDiesesEreignisses_.first().startsWith(TextGesucht);
        if (index < 0) {
            if (fehlerbox) return fail(QStringLiteral("a miss box without a click on a number"));
            if (!startmenue && (w_.stand().Zaehler != zaehler || w_.fehlversuche() != fehler))
                return fail(QStringLiteral("a click beside the numbers changed the counters"));
            return;
        }
        if (startmenue) return fail(QStringLiteral("a number label was under the mouse at the start menu"));
        // One judgement, also for a double click.
        if (index + 1 != gesucht) {
            if (!fehlerbox || texteDiesesEreignisses_.first() != TextGesucht + QString::number(gesucht))
                return fail(QStringLiteral("miss on %1 (sought %2) not answered as such: %3")
                                .arg(index + 1)
                                .arg(gesucht)
                                .arg(texteDiesesEreignisses_.join(QLatin1Char('|'))));
            if (w_.fehlversuche() != fehler + 1 || w_.stand().Zaehler != zaehler)
                return fail(QStringLiteral("miss: Fehlversuche %1 -> %2, Zaehler %3 -> %4")
                                .arg(fehler)
                                .arg(int(w_.fehlversuche()))
                                .arg(zaehler)
                                .arg(int(w_.stand().Zaehler)));
            ++fehlerImLauf_;
            ++statistik.fehlklicks;
            return;
        }
        if (fehlerbox) return fail(QStringLiteral("a hit was answered as a miss"));
        ++trefferImLauf_;
        if (zaehler < 50 && w_.stand().Zaehler != zaehler + 1)
            return fail(QStringLiteral("hit: Zaehler %1 -> %2").arg(zaehler).arg(int(w_.stand().Zaehler)));
        if (zaehler == 50) {
            if (lauf_ == Lauf::Ausdauer && (w_.stand().Zaehler != 1 || zahlenSichtbar() != 50))
                return fail(QStringLiteral("completed endurance board not renewed"));
            if (lauf_ == Lauf::Ausdauer) ++statistik.erneuert;
            // The second half of a double click may land on a start button of the menu now back.
            if (lauf_ == Lauf::Einfach && (texteDiesesEreignisses_.value(0) != TextAlleGefunden ||
                                           (menueSichtbar() != 9 && !doppelt) || w_.fehlversuche() != 0))
                return fail(QStringLiteral("completed simple run did not end in the results"));
        }
    }

    void zahlKlicken(bool doppelt, bool gesuchte)
    {
        const int i = gesuchte && w_.stand().GesuchteZahl() >= 1 && w_.stand().GesuchteZahl() <= 50
                          ? w_.stand().GesuchteZahl() - 1
                          : zahl(0, 49);
        const ui::Label* l = w_.Zahllbl[std::size_t(i)];
        klickBei(zufallspunkt(l->geometry()), doppelt,
                 QStringLiteral("Zahllbl(%1)%2").arg(i).arg(l->isVisibleTo(&w_) ? "" : " (hidden)"));
    }

    void steuerelementKlicken()
    {
        const QList<QWidget*> ziele{w_.StartBtn,
                                    w_.BuntRunterStartBtn,
                                    w_.Gleiche_Zahlen,
                                    w_.GleichRunterStartBtn,
                                    w_.EinfachAusdauer[0],
                                    w_.EinfachAusdauer[1],
                                    w_.ImmerNeuMischenChk,
                                    w_.Label2,
                                    w_.Label3,
                                    w_.Label1};
        QWidget* z = ziele[zahl(0, int(ziele.size()) - 1)];
        klickBei(zufallspunkt(z->geometry()), chance(0.1), z->objectName());
    }

    void taste()
    {
        static const Qt::Key tasten[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab,
                                         Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,    Qt::Key_Down};
        const Qt::Key k = tasten[zahl(0, 8)];
        QWidget* f = QApplication::focusWidget();
        notiere(
            QStringLiteral("key %1 on %2").arg(QKeySequence(k).toString(), f ? f->objectName() : QStringLiteral("-")));
        const int zaehler = w_.stand().Zaehler;
        const bool board = zahlenSichtbar() == 50;
        QTest::keyClick(w_.windowHandle(), k);
        ausdauerGewaehlt_ = w_.EinfachAusdauer[0]->isChecked();
        if (board && w_.stand().Zaehler != zaehler) fail(QStringLiteral("a key changed Zaehler during a run"));
    }

    void fensterEreignis()
    {
        fensterGeaendertSeitBau_ = true;
        switch (zahl(0, 4)) {
            case 0: {
                const QSize s(zahl(1, 1600), zahl(1, 1200));
                notiere(QStringLiteral("resize %1x%2").arg(s.width()).arg(s.height()));
                w_.resize(s);
                break;
            }
            case 1:
                notiere(QStringLiteral("maximise"));
                w_.setWindowState(Qt::WindowMaximized);
                break;
            case 2:
                notiere(QStringLiteral("minimise"));
                w_.setWindowState(Qt::WindowMinimized);
                break;
            default:
                notiere(QStringLiteral("restore"));
                w_.showNormal();
                break;
        }
        // The platform's answer arrives before the player's next input does.
        QCoreApplication::processEvents();
        notiere(
            QStringLiteral("  window now %1x%2, state %3").arg(w_.width()).arg(w_.height()).arg(int(w_.windowState())));
    }

    void uhrEreignis()
    {
        const int art = zahl(0, 999);
        if (art < 900) {
            const double s = reell(0, 2.5);
            notiere(QStringLiteral("clock +%1 s").arg(s));
            uhr_.advance(s);
        } else if (art < 980) {
            const double s = reell(10, 60);
            notiere(QStringLiteral("clock +%1 s").arg(s));
            uhr_.advance(s);
        } else if (art < 992) {
            const double s = 3600.0 * reell(1, 30);
            notiere(QStringLiteral("clock jumps +%1 h").arg(s / 3600));
            uhr_.advance(s);
        } else {
            // The wall clock alone: back (mostly) or forward, by hours.
            const double s = 3600.0 * reell(-26, 8);
            notiere(QStringLiteral("wall clock set by %1 h").arg(s / 3600));
            uhr_.jumpWall(s);
        }
    }

    void tick(bool endurance)
    {
        ui::Timer* t = endurance ? w_.Timer12Min : w_.Timer1;
        if (!t->isTicking()) return uhrEreignis();
        const bool menueVorher = menueSichtbar() == 9;
        const double vergangen = double(uhr_.now_.monoNs - startMono_) / 1e9;
        const bool brett = zahlenSichtbar() == 50;
        notiere(endurance ? QStringLiteral("Timer12Min tick at %1 s").arg(vergangen) : QStringLiteral("Timer1 tick"));
        t->tick();
        if (!endurance || fehler_ || menueVorher) return;
        const bool beendet = texteDiesesEreignisses_.value(0) == TextZeitUm;
        if (tiefe_ == 0 && brett && vergangen >= 720 && !beendet)
            fail(QStringLiteral("tick at %1 s did not end the run").arg(vergangen));
        if (vergangen < 719 && beendet) fail(QStringLiteral("run ended after %1 s").arg(vergangen));
    }

    // One event at the top, no box open.
    void ereignis()
    {
        zaehle();
        texteDiesesEreignisses_.clear();
        ergebnisGeprueft_ = false;
        gebautInEreignis_ = false;
        // After a burst of state changes the offscreen platform can leave the widget and its
        // native window at different sizes; the next restore then lands wherever the platform
        // remembers. That is the platform resizing the window, as a player would.
        if (w_.size() != w_.windowHandle()->geometry().size()) {
            fensterGeaendertSeitBau_ = true;
            plattformVersatz_ = true;
        }
        const int art = zahl(0, 999);
        const bool maus = art < 660;
        if ((maus || art < 720) && minimiert()) {
            // Nothing to click on a minimised window: the player restores it, or waits.
            if (chance(0.3)) {
                fensterGeaendertSeitBau_ = true;
                notiere(QStringLiteral("restore"));
                w_.showNormal();
                QCoreApplication::processEvents();
            } else {
                uhrEreignis();
            }
        } else if (art < 250) {
            zahlKlicken(false, false);
        } else if (art < 300) {
            zahlKlicken(true, false);
        } else if (art < 520) {
            zahlKlicken(chance(0.1), true);
        } else if (art < 600) {
            steuerelementKlicken();
        } else if (art < 660) {
            klickBei(zufallspunkt(w_.rect()), chance(0.2), QStringLiteral("window"));
        } else if (art < 720) {
            taste();
        } else if (art < 760) {
            fensterEreignis();
        } else if (art < 810) {
            tick(false);
        } else if (art < 880) {
            tick(true);
        } else if (art < 990) {
            uhrEreignis();
        } else {
            notiere(QStringLiteral("process events"));
            QCoreApplication::processEvents();
        }
        if (!fehler_ && texteDiesesEreignisses_.contains(TextNochEinmal)) {
            if (!ergebnisGeprueft_) fail(QStringLiteral("results were never shown"));
            lauf_ = Lauf::Keiner;
        }
    }

    // One event while a box is open: the window cannot be clicked, but time
    // passes, timers tick and the window can still be resized or minimised.
    void offenEreignis()
    {
        zaehle();
        const int art = zahl(0, 99);
        if (art < 30)
            tick(false);
        else if (art < 60)
            tick(true);
        else if (art < 85)
            uhrEreignis();
        else if (art < 97)
            fensterEreignis();
        else {
            notiere(QStringLiteral("process events"));
            QCoreApplication::processEvents();
        }
    }

    std::mt19937_64 rng_;
    std::uint64_t spielSeed_;
    fakes::ManualClock uhr_;
    AffenBox box_;
    AffenTrace trace_;
    ui::SystemRandom zufall_;
    Flinkblick w_;

    long ereignisse_ = 0;
    int tiefe_ = 0;
    std::optional<QString> fehler_;
    std::deque<QString> log_;
    QStringList texteDiesesEreignisses_;

    // The monkey's own account of the run.
    bool gestartet_ = false;
    bool ausdauerGewaehlt_ = true;
    Lauf lauf_ = Lauf::Keiner;
    std::int64_t startMono_ = 0;
    int fehlerImLauf_ = 0, trefferImLauf_ = 0, proMinute12BeimStart_ = 0;
    bool ergebnisGeprueft_ = false;
    double vergangenBeimEnde_ = 0;
    QSizeF baugroesseTwips_;
    QSize bauClient_;
    bool fensterGeaendertSeitBau_ = false;
    bool gebautInEreignis_ = false;
    QSize normalClient_;
    bool plattformVersatz_ = false;

    friend class AffenTrace;
};

void AffenBox::MsgBox(const QString& text)
{
    affe_.boxOffen(text);
}

void AffenTrace::propertyWritten(int control, ui::Property p, const QVariant& v)
{
    if (control == 0 && p == ui::Property::Visible && !v.toBool() && affe_.w().stand().Zaehler == 51)
        affe_.brettFertig();
}

void AffenTrace::randomized()
{
    affe_.gebaut();
}

std::uint64_t seedAusUmgebung()
{
    bool ok = false;
    const auto s = qEnvironmentVariable("FLINKBLICK_MONKEY_SEED").toULongLong(&ok);
    if (ok) return s;
    return std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()) % 1000000007ULL;
}

}  // namespace

class Monkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qApp->installEventFilter(&sperre_); }

    void zufallsereignisse_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<long>("anzahl");
        bool ok = false;
        long anzahl = qEnvironmentVariable("FLINKBLICK_MONKEY_EVENTS").toLong(&ok);
        if (!ok || anzahl <= 0) anzahl = 100000;
        QTest::newRow("seed from the environment or the clock") << quint64(seedAusUmgebung()) << anzahl;
        // Seeds that once found a fault; each stays as a regression test.
    }

    void zufallsereignisse()
    {
        QFETCH(quint64, seed);
        QFETCH(long, anzahl);
        std::printf("monkey seed %llu, %ld events; replay: FLINKBLICK_MONKEY_SEED=%llu %s\n",
                    static_cast<unsigned long long>(seed), anzahl, static_cast<unsigned long long>(seed),
                    qPrintable(QCoreApplication::applicationFilePath()));
        std::fflush(stdout);
        const auto beginn = std::chrono::steady_clock::now();
        auto affe = std::make_unique<Affe>(seed);

        // Nothing hangs: a watchdog ends the program when no event finishes for a minute.
        std::atomic<bool> fertig{false};
        std::thread wachhund([&] {
            long zuletzt = -1;
            int still = 0;
            while (!fertig.load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                const long jetzt = affe->fortschritt.load(std::memory_order_relaxed);
                still = jetzt == zuletzt ? still + 1 : 0;
                zuletzt = jetzt;
                if (still >= 240) {
                    std::fprintf(stderr, "monkey seed %llu hangs at event %ld\n", static_cast<unsigned long long>(seed),
                                 jetzt);
                    std::abort();
                }
            }
        });
        affe->lauf(anzahl);
        fertig = true;
        wachhund.join();

        const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn).count();
        const auto& st = affe->statistik;
        std::printf(
            "monkey seed %llu: %ld events in %.1f s; %d runs, %d simple and %d endurance runs to the results, "
            "%d boards renewed, %d misses, %d window changes at a completion, boxes nested %d deep\n",
            static_cast<unsigned long long>(seed), affe->ereignisse(), sekunden, st.laeufe, st.einfachFertig,
            st.ausdauerFertig, st.erneuert, st.fehlklicks, st.amEnde, st.tiefsteBox);
        if (affe->fehler())
            QFAIL(qPrintable(
                QStringLiteral("seed %1, %2\nlast events:\n%3").arg(seed).arg(*affe->fehler(), affe->protokoll())));
        QCOMPARE(affe->ereignisse() >= anzahl, true);
    }

private:
    TimerSperre sperre_;
};

QTEST_MAIN(Monkey)
#include "monkey.moc"

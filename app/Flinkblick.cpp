#include "app/Flinkblick.h"

#include <QButtonGroup>
#include <QCloseEvent>

#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/Units.h"

using ui::RGB;

namespace {

void labelAnlegen(ui::Label* l, const QString& caption, double left, double top, double width, double height,
                  const QString& font, float points)
{
    l->setLeft(static_cast<float>(left));
    l->setTop(static_cast<float>(top));
    l->setWidthTwips(static_cast<float>(width));
    l->setHeightTwips(static_cast<float>(height));
    l->setFontName(font);
    l->setFontSize(points);
    l->setCaption(caption);
}

template <class W>
W* steuerelement(W* w, double left, double top, double width, double height, bool weissAufSchwarz)
{
    ui::placeTwips(w, left, top, width, height);
    ui::setControlFont(w, QStringLiteral("Arial"), 9.75);
    if (weissAufSchwarz) ui::setControlColors(w, ui::Weiss, ui::Schwarz);
    return w;
}

}  // namespace

Flinkblick::Flinkblick(Dienste dienste, QWidget* parent) : ui::Form(parent), d_(dienste)
{
    ui::installFontSubstitutes();
    createControls();
    wireEvents();
    // The load event runs before the window is first shown.
    Form_Load();
}

void Flinkblick::createControls()
{
    setObjectName(QStringLiteral("Flinkblick"));
    setWindowTitle(ui::AppTitle);
    ui::setControlColors(this, ui::Weiss, ui::Schwarz);
    ui::setControlFont(this, QStringLiteral("GoudyHandtooled BT"), 15.75);

    ImmerNeuMischenChk =
        steuerelement(new ui::CheckBox(QStringLiteral("Immer neu mischen?"), this), 5160, 2640, 2295, 255, true);
    Timer12Min = new ui::Timer(this);
    EinfachAusdauer[1] =
        steuerelement(new QRadioButton(QStringLiteral("50 Zahlen einfach"), this), 5160, 3240, 2175, 255, true);
    EinfachAusdauer[0] =
        steuerelement(new QRadioButton(QStringLiteral("12 Minuten Ausdauer"), this), 5160, 3000, 2175, 255, true);
    BuntRunterStartBtn =
        steuerelement(new ui::CommandButton(QStringLiteral("Bunte Zahlen"), this), 6360, 3960, 1215, 495, false);
    GleichRunterStartBtn =
        steuerelement(new ui::CommandButton(QStringLiteral("Gleiche Zahlen"), this), 6360, 4560, 1215, 495, false);
    Gleiche_Zahlen =
        steuerelement(new ui::CommandButton(QStringLiteral("Gleiche Zahlen"), this), 4920, 4560, 1215, 495, false);
    Timer1 = new ui::Timer(this);
    StartBtn = steuerelement(new ui::CommandButton(QStringLiteral("Bunte Zahlen"), this), 4920, 3960, 1215, 495, false);

    Label3 = new ui::Label(this);
    labelAnlegen(Label3, QStringLiteral("Vorwärts"), 5040, 3600, 1215, 255, QStringLiteral("Arial"), 9.75f);
    Label2 = new ui::Label(this);
    labelAnlegen(Label2, QStringLiteral("Rückwärts"), 6480, 3600, 1215, 255, QStringLiteral("Arial"), 9.75f);

    for (int i = 0; i < 50; ++i) {
        // Placed, captioned and shown by the board builders.
        auto* l = new ui::Label(this, i);
        l->setObjectName(QStringLiteral("Zahllbl(%1)").arg(i));
        l->setFontName(QStringLiteral("MS Sans Serif"));
        l->setFontSize(8.25f);
        l->setTextAlignment(Qt::AlignHCenter);
        l->setVisible(false);
        Zahllbl[static_cast<std::size_t>(i)] = l;
    }

    Label1 = new ui::Label(this);
    labelAnlegen(Label1, QString(), 0, 0, 8055, 6735, QStringLiteral("MS Sans Serif"), 18.0f);
    KurveAnlegen();

    auto* optionen = new QButtonGroup(this);
    optionen->setExclusive(true);
    optionen->addButton(EinfachAusdauer[0], 0);
    optionen->addButton(EinfachAusdauer[1], 1);

    const struct {
        QWidget* w;
        const char* name;
    } namen[] = {
        {ImmerNeuMischenChk, "ImmerNeuMischenChk"},
        {EinfachAusdauer[0], "EinfachAusdauer(0)"},
        {EinfachAusdauer[1], "EinfachAusdauer(1)"},
        {BuntRunterStartBtn, "BuntRunterStartBtn"},
        {GleichRunterStartBtn, "GleichRunterStartBtn"},
        {Gleiche_Zahlen, "Gleiche_Zahlen"},
        {StartBtn, "StartBtn"},
        {Label3, "Label3"},
        {Label2, "Label2"},
        {Label1, "Label1"},
    };
    for (const auto& n : namen) n.w->setObjectName(QLatin1String(n.name));
    Timer12Min->setObjectName(QStringLiteral("Timer12Min"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    // Focus order of the start menu; labels never take the focus.
    setTabOrder(StartBtn, Gleiche_Zahlen);
    setTabOrder(Gleiche_Zahlen, GleichRunterStartBtn);
    setTabOrder(GleichRunterStartBtn, BuntRunterStartBtn);
    setTabOrder(BuntRunterStartBtn, EinfachAusdauer[0]);
    setTabOrder(EinfachAusdauer[0], EinfachAusdauer[1]);
    setTabOrder(EinfachAusdauer[1], ImmerNeuMischenChk);
    StartBtn->setFocus();
}

void Flinkblick::wireEvents()
{
    connect(StartBtn, &QPushButton::clicked, this, &Flinkblick::StartBtn_Click);
    connect(BuntRunterStartBtn, &QPushButton::clicked, this, &Flinkblick::BuntRunterStartBtn_Click);
    connect(Gleiche_Zahlen, &QPushButton::clicked, this, &Flinkblick::Gleiche_Zahlen_Click);
    connect(GleichRunterStartBtn, &QPushButton::clicked, this, &Flinkblick::GleichRunterStartBtn_Click);
    connect(ImmerNeuMischenChk, &QCheckBox::stateChanged, this, &Flinkblick::ImmerNeuMischenChk_Click);
    for (ui::Label* l : Zahllbl) connect(l, &ui::Label::clicked, this, &Flinkblick::Zahllbl_Click);
    Timer1->onTick([this] { Timer1_Timer(); });
    Timer12Min->onTick([this] { Timer12Min_Timer(); });
}

void Flinkblick::Form_Load()
{
    FensterZuruecksetzen();
    Label1->setVisible(false);
    EinfachAusdauer[0]->setChecked(true);
    ImmerNeuMischen = ui::False;
    ImmerNeuMischenChk->setValue(0);
}

void Flinkblick::FensterZuruecksetzen()
{
    setWindowState(Qt::WindowNoState);
    setOuterHeightTwips(LadehoeheTwips);
    setOuterWidthTwips(LadebreiteTwips);
}

void Flinkblick::MeldungZeigen(const QString& text)
{
    d_.meldung.MsgBox(text);
}

void Flinkblick::closeEvent(QCloseEvent* event)
{
    // Closing ends the program in any state: no box may keep a handler waiting.
    Timer1->setInterval(0);
    Timer12Min->setInterval(0);
    d_.meldung.shutDown();
    event->accept();
}

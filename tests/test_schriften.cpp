// The typefaces the game asks for resolve to installed faces of the right
// character, and the five faces of the colourful board stay apart.
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>

#include "ui/Fonts.h"

namespace {

QString aufgeloest(const QString& name)
{
    return QFontInfo(QFont(name)).family();
}

// How much black a line of digits in this face puts on paper, in pixels.
int tinte(const QString& name)
{
    QFont f(name);
    f.setPixelSize(27);
    QImage img(400, 60, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(5, 45, QStringLiteral("12 34 56 78 90"));
    p.end();
    int summe = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) summe += 255 - qGray(img.pixel(x, y));
    return summe / 255;
}

const ui::FontSubstitute* eintrag(const QString& name)
{
    for (const auto& f : ui::FontSubstitutes)
        if (name == QLatin1String(f.requested)) return &f;
    return nullptr;
}

enum class Art { Beliebig, Fett, Duenn, Festbreite };

}  // namespace

class SchriftenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::installFontSubstitutes();
        ui::installFontSubstitutes();  // twice, as every new window does
        fallback_ = aufgeloest(QStringLiteral("Kein solcher Schriftschnitt XYZ"));
    }

    void aufgeloestZuInstalliertemSchnitt_data()
    {
        QTest::addColumn<Art>("art");
        QTest::newRow("Arial") << Art::Beliebig;
        QTest::newRow("Arial Black") << Art::Fett;
        QTest::newRow("Courier New") << Art::Festbreite;
        QTest::newRow("Dauphin") << Art::Beliebig;
        QTest::newRow("LithographLight") << Art::Duenn;
        QTest::newRow("MS Sans Serif") << Art::Beliebig;
        QTest::newRow("GoudyHandtooled BT") << Art::Beliebig;
    }

    void aufgeloestZuInstalliertemSchnitt()
    {
        QFETCH(Art, art);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const ui::FontSubstitute* f = eintrag(name);
        QVERIFY2(f, "no entry in the substitute table");

        const QString family = aufgeloest(name);
        QVERIFY2(QFontDatabase::hasFamily(family), qPrintable(family));
        // Either the face itself or the one chosen to stand in for it, not
        // whatever the toolkit falls back to for an unknown name.
        const QString ersatz = QString::fromLatin1(f->substitute);
        QVERIFY2(family.compare(name, Qt::CaseInsensitive) == 0 || ersatz.startsWith(family, Qt::CaseInsensitive),
                 qPrintable(family + QStringLiteral(" statt ") + ersatz));
        QVERIFY2(family != fallback_ || ersatz.startsWith(fallback_, Qt::CaseInsensitive), qPrintable(family));

        // The stand-in keeps the character of the face it replaces. Weight is
        // judged by the ink on the page next to plain Arial: the weight the
        // toolkit reports is the one asked for, not the one of the face found.
        const int ink = tinte(name), arial = tinte(QStringLiteral("Arial"));
        const QString zahlen = QStringLiteral("%1 gegen Arial %2").arg(ink).arg(arial);
        if (art == Art::Fett) QVERIFY2(ink > arial * 13 / 10, qPrintable(zahlen));
        if (art == Art::Duenn) QVERIFY2(ink < arial * 9 / 10, qPrintable(zahlen));
        if (art == Art::Festbreite) QVERIFY(QFontInfo(QFont(name)).fixedPitch());
    }

    void bunteSchriftenVerschieden()
    {
        const QSet<QString> familien{aufgeloest("Arial Black"), aufgeloest("Courier New"), aufgeloest("Dauphin"),
                                     aufgeloest("LithographLight"), aufgeloest("MS Sans Serif")};
        QCOMPARE(familien.size(), 5);
    }

    // The substitutes are registered without asking which faces are installed:
    // that is only right while a face installed under the requested name still
    // wins over its substitute.
    void installierterSchnittVorErsatz()
    {
        const QString installiert = QStringLiteral("DejaVu Sans");
        QVERIFY(QFontDatabase::hasFamily(installiert));
        QFont::insertSubstitution(installiert, QStringLiteral("Liberation Mono"));
        const QString family = aufgeloest(installiert);
        QFont::removeSubstitutions(installiert);
        QCOMPARE(family, installiert);
    }

private:
    QString fallback_;
};

QTEST_MAIN(SchriftenTest)
#include "test_schriften.moc"

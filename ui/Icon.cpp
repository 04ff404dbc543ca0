#include "ui/Icon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

namespace ui {

QIcon windowIcon()
{
    // Raw pixels need no image reader: a reader, even for a PNG, first loads
    // and asks every image format plugin installed.
    QIcon symbol;
    for (int groesse : {16, 32, 48, 64}) {
        const QByteArray pixel = QResource(QStringLiteral(":/icons/%1.rgba").arg(groesse)).uncompressedData();
        if (pixel.size() != groesse * groesse * 4) continue;
        const QImage bild(reinterpret_cast<const uchar*>(pixel.constData()), groesse, groesse, groesse * 4,
                          QImage::Format_RGBA8888);
        symbol.addPixmap(QPixmap::fromImage(bild));
    }
    return symbol;
}

}  // namespace ui

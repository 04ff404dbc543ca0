#include "ui/Fonts.h"

#include <QFont>
#include <QFontDatabase>

namespace ui {

void installFontSubstitutes()
{
    for (const FontSubstitute& f : FontSubstitutes) {
        const QString requested = QString::fromLatin1(f.requested);
        if (QFontDatabase::hasFamily(requested)) continue;  // the real face wins
        QFont::removeSubstitutions(requested);
        QFont::insertSubstitution(requested, QString::fromLatin1(f.substitute));
    }
}

}  // namespace ui

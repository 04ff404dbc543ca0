#include "ui/Fonts.h"

#include <QFont>

namespace ui {

void installFontSubstitutes()
{
    // A substitute is only tried after the requested face itself, so an
    // installed face still wins. Not asking which faces are installed keeps
    // the font database unread until the first text is measured or drawn.
    for (const FontSubstitute& f : FontSubstitutes) {
        const QString requested = QString::fromLatin1(f.requested);
        QFont::removeSubstitutions(requested);
        QFont::insertSubstitution(requested, QString::fromLatin1(f.substitute));
    }
}

}  // namespace ui

#include "ui/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace ui {

void installFontSubstitutes()
{
    // One look at the installed families: asking for each name in turn makes
    // fontconfig match it again, which is a noticeable part of start-up.
    const QStringList installed = QFontDatabase::families();
    for (const FontSubstitute& f : FontSubstitutes) {
        const QString requested = QString::fromLatin1(f.requested);
        if (installed.contains(requested, Qt::CaseInsensitive)) continue;  // the real face wins
        QFont::removeSubstitutions(requested);
        QFont::insertSubstitution(requested, QString::fromLatin1(f.substitute));
    }
}

}  // namespace ui

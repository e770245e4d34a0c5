#include "look/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace zodiac {

QFont Verdana() {
    // Asked once: looking up a family the system lacks costs a font match each time.
    static const QString family = [] {
        // A family installed under its own name needs no alias lookup, which
        // costs a font match of its own.
        const QStringList installed = QFontDatabase::families();
        for (const QString& candidate : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}) {
            if (installed.contains(candidate, Qt::CaseInsensitive) || QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        return QStringLiteral("Sans Serif");
    }();
    return QFont(family);
}

QFont VerdanaFont(double points, bool bold, bool underline) {
    QFont font = Verdana();
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

}  // namespace zodiac

#include "shell/fonts.h"

#include <QStringList>
#include <cmath>

namespace zodiac {

QFont Verdana() {
    static const bool standIn = [] {
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        return true;
    }();
    Q_UNUSED(standIn);
    return QFont(QStringLiteral("Verdana"));
}

QFont VerdanaFont(double points, bool bold, bool underline) {
    QFont font = Verdana();
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

}  // namespace zodiac

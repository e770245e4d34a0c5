#include "shell/window_style.h"

#include <qdrawutil.h>

#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include "shell/image_list.h"

namespace zodiac {

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    const char* direction = icon == SP_ToolBarHorizontalExtensionButton ? "h"
                            : icon == SP_ToolBarVerticalExtensionButton ? "v"
                                                                        : nullptr;
    if (direction) {
        QIcon arrows;
        for (const int size : {8, 16, 32}) {
            const QPixmap arrow =
                CompiledPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png")
                                .arg(QLatin1String(direction))
                                .arg(size));
            if (!arrow.isNull()) arrows.addPixmap(arrow);
        }
        if (!arrows.isNull()) return arrows;
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    static const QPixmap frame =
        CompiledPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (element != PE_FrameGroupBox || frame.isNull())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // As Fusion draws it: below the title, if there is one, the picture stretched between 6-pixel margins.
    constexpr int kTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
                        ? kTopMargin
                        : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + kTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frame);
}

}  // namespace zodiac

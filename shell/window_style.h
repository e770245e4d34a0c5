#pragma once

#include <QProxyStyle>

namespace zodiac {

// Qt's Fusion style, but the pictures it draws with (the menu bar's extension
// arrows, the frame of a group box) come from pixmaps read by Qt's own PNG
// reader: read as files, they would have every image plugin loaded before the
// first window shows, only to find that they are PNG. A drop-down list's arrow
// takes less room, as the lists are narrow and month names long. A text box
// with the focus, one line or several, is marked in the windows' orange.
class WindowStyle : public QProxyStyle {
public:
    WindowStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

// Puts the style in place for the whole program, once.
void UseWindowStyle();

}  // namespace zodiac

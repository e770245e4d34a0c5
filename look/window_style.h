#pragma once

#include <QProxyStyle>

namespace zodiac {

// Qt's Fusion style, but the pictures it draws with (the menu bar's extension
// arrows, the frame of a group box) come from pixmaps read by Qt's own PNG
// reader: read as files, they would have every image plugin loaded before the
// first window shows, only to find that they are PNG. A drop-down list's arrow
// takes less room, as the lists are narrow and month names long, and opens as
// a scrolling list of a dozen entries rather than a menu as tall as the screen.
// Every control with the focus, a box, a list, a button, a tick box or a link,
// is marked in the windows' orange, in Qt's own save and print dialogs as in ours.
class WindowStyle : public QProxyStyle {
public:
    WindowStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

// Puts the style in place for the whole program, once.
void UseWindowStyle();

}  // namespace zodiac

#pragma once

#include <QProxyStyle>

namespace zodiac {

// Qt's Fusion style, but the pictures it draws with (the menu bar's extension
// arrows, the frame of a group box) come from pixmaps read by Qt's own PNG
// reader: read as files, they would have every image plugin loaded before the
// first window shows, only to find that they are PNG.
class WindowStyle : public QProxyStyle {
public:
    WindowStyle();
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

}  // namespace zodiac

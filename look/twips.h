#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace zodiac {

// Window geometry is kept in twips, as the windows were designed: 15 twips are one
// pixel at 96 dots per inch.
constexpr int Px(int twips) { return (twips + 7) / 15; }

struct Twips {
    int left, top, width, height;
    QRect ToPixels() const { return {Px(left), Px(top), Px(width), Px(height)}; }
};

// Sets the name, parent and twips rectangle of a control and shows it in its parent.
template <typename W>
W* Place(W* widget, QWidget* parent, const char* name, Twips rect) {
    widget->setParent(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect.ToPixels());
    return widget;
}

}  // namespace zodiac

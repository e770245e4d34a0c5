#include "look/colours.h"

#include <QPalette>
#include <QWidget>

namespace zodiac {

void SetTextColour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(role, text);
    widget->setPalette(palette);
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    SetTextColour(widget, text);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace zodiac

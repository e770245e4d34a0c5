#pragma once

#include <QColor>

class QWidget;

namespace zodiac {

// The shared colour scheme.
namespace colour {
inline const QColor kWindow{14, 41, 128};
inline const QColor kOrange{255, 128, 0};
inline const QColor kLightOrange{255, 192, 128};
inline const QColor kLightYellow{255, 255, 128};
inline const QColor kCyan{0, 255, 255};
inline const QColor kButtonFace{224, 224, 224};
}  // namespace colour

// The text colour of labels, boxes and buttons alike.
void SetTextColour(QWidget* widget, const QColor& text);
// Text and background, the background painted by the widget itself.
void SetColours(QWidget* widget, const QColor& text, const QColor& background);

}  // namespace zodiac

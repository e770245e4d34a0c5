#pragma once

#include <QFont>

namespace zodiac {

// Fonts are sized in pixels so that text keeps its place in the pixel layout
// whatever the screen's dpi. Verdana where present, else a similar sans-serif.
QFont VerdanaFont(double points, bool bold, bool underline = false);
// Verdana, or its stand-in, at the default size.
QFont Verdana();

}  // namespace zodiac

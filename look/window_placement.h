#pragma once

class QWidget;

namespace zodiac {

// Centres the window's frame, title bar and borders included, on the screen, or
// where it is larger than the screen, puts its top-left corner on it. A
// window not yet shown has no frame: it is placed with the margins of a window
// framed before, and set right once, when first exposed, if those were wrong.
void CentreOnScreen(QWidget* window);

}  // namespace zodiac

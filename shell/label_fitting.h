#pragma once

class QWidget;

namespace zodiac {

// Keeps every label's text whole where the stand-in font runs wider than the
// designed one: a one-line label first grows to the right into free space, then
// its font shrinks until the text fits; a wrapping label's font shrinks until
// its lines fit its height.
void FitLabels(QWidget* window);

}  // namespace zodiac

#pragma once

class QWidget;

namespace zodiac {

// Keeps every label's text and every list's entries whole where the stand-in
// font runs wider than the designed one: a one-line label first grows to the
// right into free space, then its font shrinks until the text fits; a wrapping
// label's font shrinks until its lines fit its height; a list's font shrinks
// until its longest entry fits the box beside the drop-down arrow.
void FitTexts(QWidget* window);

}  // namespace zodiac

#pragma once

#include <QString>
#include <array>

#include "engine/profiles.h"
#include "look/twips.h"

class QColor;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zodiac {

// The kinds of caption and box the result window and its hidden tabs are made of.
QLabel* FieldCaption(const QString& text);
QLabel* ValueLabel(double points, const QColor& colour);
QLineEdit* LineBox();
// A box of several lines, in whole lines of the font it takes from `parent`.
QPlainTextEdit* PlaceTextBox(QWidget* parent, const char* name, Twips rect);

// A profile's thirteen texts in their boxes, in the order of the profile's
// positions; no profile empties them.
using ProfileBoxes = std::array<QWidget*, kProfileFieldCount>;
void FillProfile(const ProfileBoxes& boxes, const SignProfile* profile);
// The person's animal picture, found through the western sign in their profile;
// no profile, no picture.
void ShowAnimalPicture(QLabel* box, const SignProfile* profile);

}  // namespace zodiac

#pragma once

#include <QLabel>
#include <QString>
#include <array>

#include "engine/profiles.h"
#include "look/twips.h"

class QColor;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zodiac {

// The kinds of caption and box the result window and its hidden tabs are made of.
QLabel* FieldCaption(const QString& text);

// A value shown beside its caption. A screen reader, which cannot tell which
// caption a value belongs to, hears the two as one: "English Name: Rabbit".
class ValueLabel : public QLabel {
public:
    ValueLabel(double points, const QColor& colour);
    // Heard with `caption`'s text; as the caption alone until a value shows.
    void HearWith(const QLabel* caption);
    void ShowValue(const QString& value);

private:
    QString caption_;
};

QLineEdit* LineBox();
// A box of several lines, in whole lines of the font it takes from `parent`.
QPlainTextEdit* PlaceTextBox(QWidget* parent, const char* name, Twips rect);

// A profile's thirteen texts in their boxes, in the order of the profile's
// positions; no profile empties them.
using ProfileBoxes = std::array<QWidget*, kProfileFieldCount>;
void FillProfile(const ProfileBoxes& boxes, const SignProfile* profile);
// The person's animal picture, found through the western sign in their profile,
// and named for the animal it shows; no profile, no picture.
void ShowAnimalPicture(QLabel* box, const SignProfile* profile);

}  // namespace zodiac

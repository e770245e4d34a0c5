#include "shell/result_boxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/text.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/image_list.h"
#include "look/text_boxes.h"

namespace zodiac {

QLabel* FieldCaption(const QString& text) {
    auto* label = new QLabel(text);
    SetTextColour(label, colour::kCyan);
    return label;
}

QLabel* ValueLabel(double points, const QColor& colour) {
    auto* label = new QLabel;
    label->setFont(VerdanaFont(points, true));
    SetTextColour(label, colour);
    return label;
}

QLineEdit* LineBox() {
    auto* box = new QLineEdit;
    box->setReadOnly(true);
    SetColours(box, colour::kOrange, colour::kWindow);
    return box;
}

QPlainTextEdit* PlaceTextBox(QWidget* parent, const char* name, Twips rect) {
    auto* box = Place(new WholeLinesBox, parent, name, rect);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text wraps at the box's width; a bar to scroll it sideways would take the room of a line.
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColours(box, colour::kOrange, colour::kWindow);
    box->FitInto(rect.ToPixels());
    return box;
}

void FillProfile(const ProfileBoxes& boxes, const SignProfile* profile) {
    for (std::size_t i = 0; i < kProfileFieldCount; ++i)
        SetBoxText(boxes[i], profile ? ToQString((*profile)[i]) : QString());
}

void ShowAnimalPicture(QLabel* box, const SignProfile* profile) {
    const auto position =
        profile ? AnimalPictures().Find(ToQString((*profile)[ProfileField::WesternZodiacSign])) : std::nullopt;
    if (position) {
        box->setPixmap(AnimalPictures().Picture(*position));
    } else {
        box->clear();
    }
}

}  // namespace zodiac

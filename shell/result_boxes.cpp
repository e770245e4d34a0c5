#include "shell/result_boxes.h"

#include <QFileInfo>
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

ValueLabel::ValueLabel(double points, const QColor& colour) {
    setFont(VerdanaFont(points, true));
    SetTextColour(this, colour);
}

void ValueLabel::HearWith(const QLabel* caption) {
    caption_ = caption->text().simplified();
    setAccessibleName(caption_);
}

void ValueLabel::ShowValue(const QString& value) {
    setText(value);
    setAccessibleName(value.isEmpty() ? caption_ : caption_ + QStringLiteral(": ") + value);
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
        // The animal drawn is the one the picture is named after: the western
        // sign that finds it is no animal at all.
        const QString animal = QFileInfo(AnimalPictures().entry(*position).resource).completeBaseName();
        const bool vowel = QStringLiteral("aeiou").contains(animal.front());
        box->setAccessibleName(QStringLiteral("Picture of ") + (vowel ? QStringLiteral("an ") : QStringLiteral("a ")) +
                               animal);
    } else {
        box->clear();
        box->setAccessibleName({});
    }
}

}  // namespace zodiac

#include "shell/result_details_tab.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

#include "core/text.h"
#include "core/zodiac_state.h"
#include "look/colours.h"

namespace zodiac {

ResultDetailsTab::ResultDetailsTab(QWidget* client) {
    Place(this, client, "SSTab", {4320, 8280, 2535, 2295});
    auto* compatibilityTab = new QWidget;
    auto* partnerTab = new QWidget;
    addTab(compatibilityTab, QStringLiteral("Chinese Compatibility  "));
    addTab(new QWidget, QStringLiteral("Your Details"));
    addTab(partnerTab, QStringLiteral("Your Partner's Details"));
    BuildCompatibilityTab(compatibilityTab);
    BuildPartnerTab(partnerTab);
    setCurrentIndex(0);
}

void ResultDetailsTab::BuildCompatibilityTab(QWidget* tab) {
    // clang-format off
    fracompalibility              = Place(new QGroupBox("Compatibility"),     tab,              "fracompalibility",              {120, 120, 8895, 5895});
    Place(FieldCaption("Chinese Compatibility Number"),                        fracompalibility, "lblCompatibilityNumberCaption", {240, 360, 3600, 255});
    lblChineseCompatibilityNumber = Place(new ValueLabel(8.25, colour::kOrange), fracompalibility, "lblChineseCompatibilityNumber", {3960, 360, 1200, 255});
    Place(FieldCaption("Chinese Compatibility  Percentage"),                   fracompalibility, "lblPercentageCaption",          {240, 720, 3600, 255});
    lblChinesePercentage          = Place(new ValueLabel(8.25, colour::kOrange), fracompalibility, "lblChinesePercentage",          {3960, 720, 1200, 255});
    Place(FieldCaption("Rating"),                                              fracompalibility, "lblRatingCaption",              {240, 1080, 3600, 255});
    lblChineseRating              = Place(new ValueLabel(8.25, colour::kOrange), fracompalibility, "lblChineseRating",              {3960, 1080, 3000, 255});
    lblMatchingDescription        = Place(new ValueLabel(8.25, colour::kCyan),   fracompalibility, "lblMatchingDescription",        {240, 1440, 8400, 255});
    txtMatchingDescription        = PlaceTextBox(                             fracompalibility, "txtMatchingDescription",        {240, 1800, 8400, 3840});
    // clang-format on
    for (const auto& [caption, value] :
         {std::pair{"lblCompatibilityNumberCaption", lblChineseCompatibilityNumber},
          std::pair{"lblPercentageCaption", lblChinesePercentage}, std::pair{"lblRatingCaption", lblChineseRating}}) {
        value->HearWith(fracompalibility->findChild<QLabel*>(QLatin1String(caption)));
    }

    // This text is not for copying out. Rather than emptying the system clipboard
    // (which would throw away what the user copied elsewhere), the box offers no
    // selection, copy, drag or context menu at all.
    txtMatchingDescription->setTextInteractionFlags(Qt::NoTextInteraction);
    txtMatchingDescription->setAccessibleName(QStringLiteral("Compatibility"));
    txtMatchingDescription->setContextMenuPolicy(Qt::NoContextMenu);
    txtMatchingDescription->setFocusPolicy(Qt::NoFocus);
    txtMatchingDescription->viewport()->setAcceptDrops(false);
}

void ResultDetailsTab::BuildPartnerTab(QWidget* tab) {
    using T = ResultDetailsTab;
    // The partner's thirteen profile fields, top to bottom as the user's side
    // shows them, each caption beside its box; the traits take several lines.
    struct Row {
        ProfileField field;
        const char* caption;
        const char* name;
        QLineEdit* T::*line;
        QPlainTextEdit* T::*lines;
    };
    const char* const famous = "Famous Personalities Born Under This Sign";
    // clang-format off
    const Row rows[] = {
        {ProfileField::RulingPlanet,        "Ruling Planets",        "txtFemaleRulingPlanet",        &T::txtFemaleRulingPlanet,        nullptr},
        {ProfileField::WesternZodiacSign,   "Western Zodiac Sign",   "txtFemaleWesternZodiacSign",   &T::txtFemaleWesternZodiacSign,   nullptr},
        {ProfileField::PositiveTraits,      "Positive Traits",       "txtFemalePositiveTraits",      nullptr,                          &T::txtFemalePositiveTraits},
        {ProfileField::NegativeTraits,      "Negative Traits",       "txtFemaleNegativeTraits",      nullptr,                          &T::txtFemaleNegativeTraits},
        {ProfileField::GemStone,            "Gem Stone",             "txtFemaleGemStone",            &T::txtFemaleGemStone,            nullptr},
        {ProfileField::LuckyColour,         "Lucky Colour",          "txtFemaleLuckycolour",         &T::txtFemaleLuckycolour,         nullptr},
        {ProfileField::Energy,              "Energy",                "txtFemaleEnergy",              &T::txtFemaleEnergy,              nullptr},
        {ProfileField::LuckySeasons,        "Lucky Seasons",         "txtFemaleLuckySeasons",        &T::txtFemaleLuckySeasons,        nullptr},
        {ProfileField::LuckyMonth,          "Lucky Month",           "txtFemaleLuckyMonth",          &T::txtFemaleLuckyMonth,          nullptr},
        {ProfileField::LuckyNumber,         "Lucky Number",          "txtFemaleLuckyNumber",         &T::txtFemaleLuckyNumber,         nullptr},
        {ProfileField::MostCompatibleSign,  "Most Compatible Sign",  "txtFemaleMostCompatibleSign",  &T::txtFemaleMostCompatibleSign,  nullptr},
        {ProfileField::LeastCompatibleSign, "Least Compatible Sign", "txtFemaleLeastCompitibleSign", &T::txtFemaleLeastCompitibleSign, nullptr},
        {ProfileField::FamousPersons,       famous,                  "txtFemaleFamousPerson",        &T::txtFemaleFamousPerson,        nullptr},
    };
    // clang-format on

    Frafemale = Place(new QGroupBox("Your Start Sign"), tab, "Frafemale", {120, 120, 9735, 6495});
    const QLabel* signCaption =
        Place(FieldCaption("Chinese Sign"), Frafemale, "lblPartnerSignCaption", {120, 360, 1935, 255});
    lblFemaleChineseSign =
        Place(new ValueLabel(12, colour::kLightYellow), Frafemale, "lblFemaleChineseSign", {2160, 360, 1755, 270});
    lblFemaleChineseSign->HearWith(signCaption);
    int top = 840;
    for (const Row& row : rows) {
        const int height = row.line ? 285 : 735;
        // The famous people's caption takes two lines and starts higher, centred
        // on its box as on the user's side.
        const bool twoLines = row.field == ProfileField::FamousPersons;
        QLabel* caption = Place(FieldCaption(QString::fromLatin1(row.caption)), Frafemale, "",
                                twoLines ? Twips{120, top - 130, 1935, 400} : Twips{120, top, 1935, 255});
        if (twoLines) caption->setWordWrap(true);
        const Twips rect{2160, top, 4335, height};
        QWidget* box = row.line ? static_cast<QWidget*>(this->*row.line = Place(LineBox(), Frafemale, row.name, rect))
                                : this->*row.lines = PlaceTextBox(Frafemale, row.name, rect);
        box->setAccessibleName(QString::fromLatin1(row.caption));
        partnerBoxes_[static_cast<std::size_t>(row.field)] = box;
        top += height + 75;
    }
    YourPartnerPicture = Place(new QLabel, Frafemale, "YourPartnerPicture", {6600, 240, 3030, 3030});
    YourPartnerPicture->setAccessibleName(QStringLiteral("Picture of your partner's animal sign"));
    const QLabel* elementCaption =
        Place(FieldCaption("Chinese  Element"), Frafemale, "lblPartnerElementCaption", {6600, 3390, 1770, 195});
    lblFemaleChineseElements =
        Place(new ValueLabel(11.25, colour::kOrange), Frafemale, "lblFemaleChineseElements", {6600, 3630, 2370, 270});
    lblFemaleChineseElements->HearWith(elementCaption);
    Place(FieldCaption("Element  Description"), Frafemale, "lblPartnerDescriptionCaption", {6600, 3990, 2025, 195});
    txtFemaleelementDescription = PlaceTextBox(Frafemale, "txtFemaleelementDescription", {6600, 4230, 2775, 950});
    txtFemaleelementDescription->setAccessibleName(QStringLiteral("Element Description"));
}

void ResultDetailsTab::Fill(const ZodiacState& state) {
    const Reading* const partner = state.partner ? &*state.partner : nullptr;
    const QString partnerSign = partner ? ToQString(Name(partner->year.year.sign)) : QString();
    Frafemale->setTitle(partner ? partner->name : QString());
    lblFemaleChineseSign->ShowValue(partnerSign);
    lblFemaleChineseElements->ShowValue(partner ? ToQString(Name(partner->year.year.element)) : QString());
    FillProfile(partnerBoxes_, partner ? &partner->profile : nullptr);
    txtFemaleelementDescription->setPlainText(partner ? ToQString(partner->elementDescription) : QString());
    ShowAnimalPicture(YourPartnerPicture, partner ? &partner->profile : nullptr);

    const CompatibilityResult* const match = state.compatibility ? &*state.compatibility : nullptr;
    lblChineseCompatibilityNumber->ShowValue(match ? QString::number(match->number) : QString());
    lblChinesePercentage->ShowValue(match ? ToQString(match->percentage) : QString());
    lblChineseRating->ShowValue(match ? ToQString(match->rating) : QString());
    txtMatchingDescription->setPlainText(match ? ToQString(match->text) : QString());
    const QString userSign = state.user ? ToQString(Name(state.user->year.year.sign)) : QString();
    lblMatchingDescription->setText(match ? QStringLiteral("Compatibility Of ") + userSign + QStringLiteral(" With  ") +
                                                partnerSign + QStringLiteral(" :-")
                                          : QString());
}

}  // namespace zodiac

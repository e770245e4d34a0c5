#include "shell/result_window.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <tuple>

#include "core/text.h"
#include "core/zodiac_state.h"
#include "engine/compatibility.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/image_list.h"
#include "look/link_label.h"
#include "look/text_boxes.h"
#include "look/twips.h"
#include "services/advertising.h"
#include "services/web_links.h"

namespace zodiac {
namespace {

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

// A box of several lines, in whole lines of the font it takes from `parent`.
QPlainTextEdit* PlaceTextBox(QWidget* parent, const char* name, Twips rect) {
    auto* box = Place(new WholeLinesBox, parent, name, rect);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text wraps at the box's width; a bar to scroll it sideways would take the room of a line.
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColours(box, colour::kOrange, colour::kWindow);
    box->FitInto(rect.toPixels());
    return box;
}

QWidget* Panel() {
    auto* panel = new QWidget;
    SetColours(panel, Qt::white, colour::kWindow);
    panel->setFont(VerdanaFont(8.25, true));
    return panel;
}

void FillProfile(const std::array<QWidget*, kProfileFieldCount>& boxes, const std::optional<SignProfile>& profile) {
    if (!profile) return;
    for (std::size_t i = 0; i < kProfileFieldCount; ++i) SetBoxText(boxes[i], ToQString((*profile)[i]));
}

void ShowPicture(QLabel* box, const QString& westernSign) {
    if (const auto position = AnimalPictures().find(westernSign)) box->setPixmap(AnimalPictures().picture(*position));
}

using R = ResultWindow;

// One person's box for a profile field: its name, and the member that keeps it,
// which holds one line or, for the traits, several.
struct ProfileBox {
    ProfileBox(const char* name, QLineEdit* R::*line) : name(name), line(line) {}
    ProfileBox(const char* name, QPlainTextEdit* R::*lines) : name(name), lines(lines) {}

    const char* name;
    QLineEdit* R::*line = nullptr;
    QPlainTextEdit* R::*lines = nullptr;
};

// The thirteen profile fields, top to bottom as both sides show them. The user's
// side places each caption and box by hand; the partner's lays them out in rows
// with captions of its own.
struct ProfileRow {
    ProfileField field;
    const char* caption;
    const char* captionName;
    Twips captionRect;
    Twips boxRect;
    ProfileBox user;
    const char* partnerCaption;
    ProfileBox partner;
};

const char* const kFamous = "Famous Personalities Born Under This Sign";

// clang-format off
const ProfileRow kProfileRows[] = {
    {ProfileField::RulingPlanet,        "Ruling Planet",         "Label2",  {120, 885, 1110, 195},  {2160, 840, 4335, 285},
     {"txtMaleRulingPlanet", &R::txtMaleRulingPlanet},
     "Ruling Planets", {"txtFemaleRulingPlanet", &R::txtFemaleRulingPlanet}},
    {ProfileField::WesternZodiacSign,   "Western Zodiac Sign",   "Label14", {120, 1245, 1770, 195}, {2160, 1200, 4335, 285},
     {"txtMaleWesternZodiacSign", &R::txtMaleWesternZodiacSign},
     "Western Zodiac Sign", {"txtFemaleWesternZodiacSign", &R::txtFemaleWesternZodiacSign}},
    {ProfileField::PositiveTraits,      "Positive Traits",       "Label3",  {120, 1830, 1200, 195}, {2160, 1560, 4335, 735},
     {"txtMalePositiveTraits", &R::txtMalePositiveTraits},
     "Positive Traits", {"txtFemalePositiveTraits", &R::txtFemalePositiveTraits}},
    {ProfileField::NegativeTraits,      "Negative Traits",       "Label5",  {120, 2670, 1290, 195}, {2160, 2400, 4335, 735},
     {"txtMaleNegativeTraits", &R::txtMaleNegativeTraits},
     "Negative Traits", {"txtFemaleNegativeTraits", &R::txtFemaleNegativeTraits}},
    {ProfileField::GemStone,            "Gem Stone",             "Label6",  {120, 3285, 960, 195},  {2160, 3240, 4335, 285},
     {"txtMaleGemStone", &R::txtMaleGemStone},
     "Gem Stone", {"txtFemaleGemStone", &R::txtFemaleGemStone}},
    {ProfileField::LuckyColour,         "Lucky Color",           "Label4",  {120, 3615, 1215, 255}, {2160, 3600, 4335, 285},
     {"txtMaleLuckycolour", &R::txtMaleLuckycolour},
     "Lucky Colour", {"txtFemaleLuckycolour", &R::txtFemaleLuckycolour}},
    {ProfileField::Energy,              "Energy",                "Label7",  {120, 4005, 600, 195},  {2160, 3960, 4335, 285},
     {"txtMaleEnergy", &R::txtMaleEnergy},
     "Energy", {"txtFemaleEnergy", &R::txtFemaleEnergy}},
    {ProfileField::LuckySeasons,        "Lucky Seasons",         "Label8",  {120, 4365, 1275, 195}, {2160, 4320, 4335, 285},
     {"txtMaleLuckySeasons", &R::txtMaleLuckySeasons},
     "Lucky Seasons", {"txtFemaleLuckySeasons", &R::txtFemaleLuckySeasons}},
    {ProfileField::LuckyMonth,          "Lucky Month",           "Label9",  {120, 4725, 1065, 195}, {2160, 4680, 4335, 285},
     {"txtMaleLuckyMonth", &R::txtMaleLuckyMonth},
     "Lucky Month", {"txtFemaleLuckyMonth", &R::txtFemaleLuckyMonth}},
    {ProfileField::LuckyNumber,         "Lucky Number",          "Label17", {120, 5085, 1230, 195}, {2160, 5040, 4335, 285},
     {"txtMaleLuckyNumber", &R::txtMaleLuckyNumber},
     "Lucky Number", {"txtFemaleLuckyNumber", &R::txtFemaleLuckyNumber}},
    {ProfileField::MostCompatibleSign,  "Most Compatible Sign",  "Label10", {120, 5445, 1860, 195}, {2160, 5400, 4335, 285},
     {"txtMaleMostCompatibleSign", &R::txtMaleMostCompatibleSign},
     "Most Compatible Sign", {"txtFemaleMostCompatibleSign", &R::txtFemaleMostCompatibleSign}},
    {ProfileField::LeastCompatibleSign, "Least Compatible Sign", "Label11", {120, 5760, 1920, 195}, {2160, 5760, 4335, 285},
     {"txtMAleLeastCompatibleSign", &R::txtMAleLeastCompatibleSign},
     "Least Compatible Sign", {"txtFemaleLeastCompitibleSign", &R::txtFemaleLeastCompitibleSign}},
    {ProfileField::FamousPersons,       kFamous,                 "Label12", {120, 5990, 1935, 400}, {2160, 6120, 4335, 285},
     {"txtMaleFamousPersonBorn", &R::txtMaleFamousPersonBorn},
     kFamous, {"txtFemaleFamousPerson", &R::txtFemaleFamousPerson}},
};
// clang-format on

// Makes the box, keeps it in its member and names it by its caption for screen readers.
QWidget* PlaceProfileBox(ResultWindow& window, const ProfileBox& box, const char* caption, QWidget* parent,
                         Twips rect) {
    QWidget* placed = box.line ? static_cast<QWidget*>(window.*box.line = Place(LineBox(), parent, box.name, rect))
                               : window.*box.lines = PlaceTextBox(parent, box.name, rect);
    placed->setAccessibleName(QString::fromLatin1(caption));
    return placed;
}

// The famous people's caption takes two lines, on both sides.
bool TwoLineCaption(const ProfileRow& row) { return row.field == ProfileField::FamousPersons; }

void PlaceCaption(const ProfileRow& row, const char* text, QWidget* parent, const char* name, Twips rect) {
    QLabel* caption = Place(FieldCaption(text), parent, name, rect);
    if (TwoLineCaption(row)) caption->setWordWrap(true);
}

std::size_t Position(ProfileField field) { return static_cast<std::size_t>(field); }

}  // namespace

ResultWindow::ResultWindow(WebLinks& links) : ZodiacWindow(links, "frmchiness", 9990, 7965) {
    QWidget* const client = this->client();
    BuildVisible(client);

    // Below the client area: never seen, filled all the same.
    SSTab = Place(new QTabWidget, client, "SSTab", {4320, 8280, 2535, 2295});
    auto* compatibilityTab = new QWidget;
    auto* partnerTab = new QWidget;
    SSTab->addTab(compatibilityTab, QStringLiteral("Chinese Compatibility  "));
    SSTab->addTab(new QWidget, QStringLiteral("Your Details"));
    SSTab->addTab(partnerTab, QStringLiteral("Your Partner's Details"));
    BuildCompatibilityTab(compatibilityTab);
    BuildPartnerTab(partnerTab);
    SSTab->setCurrentIndex(0);
    // It lies below the client area, so nobody sees it; kept hidden as well, its
    // boxes neither take the keyboard's Tab nor cost layout and painting.
    SSTab->hide();

    BuildMenus();
    FinishLayout();
}

void ResultWindow::BuildVisible(QWidget* client) {
    // clang-format off
    Label1                     = Place(new LinkLabel(kForumAndVisitLines, 9.75),  client,   "Label1",                     {90, 20, 9810, 480});
    Framale                    = Place(new QGroupBox("Japanese Zodiac Sign"),     client,   "Framale",                    {120, 480, 9735, 6495});
    Framale->setFont(VerdanaFont(9.75, true));
    SetTextColour(Framale, colour::kLightYellow);
    Place(FieldCaption("English Name"),                                            Framale,  "Label13",                    {120, 398, 1155, 195});
    lblMaleChinesesign         = Place(ValueLabel(12, colour::kLightYellow),      Framale,  "lblMaleChinesesign",         {2160, 360, 1755, 270});
    // clang-format on
    for (const ProfileRow& row : kProfileRows) {
        PlaceCaption(row, row.caption, Framale, row.captionName, row.captionRect);
        userBoxes_[Position(row.field)] = PlaceProfileBox(*this, row.user, row.caption, Framale, row.boxRect);
    }
    // clang-format off
    YourPicture                = Place(new QLabel,                                Framale,  "YourPicture",                {6600, 240, 3030, 3030});
    Picture1                   = Place(Panel(),                                   Framale,  "Picture1",                   {6600, 3390, 3015, 1095});
    Place(FieldCaption("Japanese Sign"),                                           Picture1, "Label39",                    {120, 240, 1395, 195});
    lblJapaneseSign            = Place(ValueLabel(11.25, colour::kLightYellow),   Picture1, "lblJapaneseSign",            {120, 600, 1755, 270});
    picJapaneseSignSymbol      = Place(new QLabel,                                Picture1, "picJapaneseSignSymbol",      {2040, 80, 870, 915});
    Picture2                   = Place(Panel(),                                   Framale,  "Picture2",                   {6600, 4560, 3015, 1850});
    Place(FieldCaption("Japanese Element"),                                        Picture2, "Label15",                    {120, 0, 1770, 195});
    lblMaleChineseElements     = Place(ValueLabel(11.25, colour::kOrange),        Picture2, "lblMaleChineseElements",     {120, 232, 2370, 270});
    Place(FieldCaption("Element  Description"),                                    Picture2, "Label18",                    {120, 540, 2025, 195});
    txtMaleElementDescription  = PlaceTextBox(                                    Picture2, "txtMaleElementDescription",  {120, 800, 2775, 950});
    Frame1                     = Place(new QGroupBox,                             client,   "Frame1",                     {120, 6960, 9735, 855});
    std::tie(lblCobrand, lblFullBrand) = PlaceOffers(Frame1,                                                        {120, 160, 5985, 615});
    cmdBack                    = Place(new QPushButton("&Back"),                  Frame1,   "cmdBack",                    {6480, 280, 975, 375});
    cmdPrint                   = Place(new QPushButton("&Print"),                 Frame1,   "cmdPrint",                   {7560, 280, 975, 375});
    cmdExit                    = Place(new QPushButton("E&xit"),                  Frame1,   "cmdExit",                    {8640, 280, 975, 375});
    // clang-format on

    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    lblMaleChinesesign->setText(QStringLiteral("English Name"));
    lblJapaneseSign->setText(QStringLiteral("Japanese Sign"));
    lblMaleChineseElements->setText(QStringLiteral("Japanese Elements"));
    YourPicture->setAlignment(Qt::AlignCenter);
    picJapaneseSignSymbol->setAlignment(Qt::AlignCenter);
    for (QPushButton* button : {cmdBack, cmdPrint, cmdExit}) SetColours(button, Qt::black, colour::kButtonFace);

    // Each box is named by its caption, for screen readers.
    const std::pair<const char*, QWidget*> captions[] = {
        {"Label13", lblMaleChinesesign},
        {"Label39", lblJapaneseSign},
        {"Label15", lblMaleChineseElements},
        {"Label18", txtMaleElementDescription},
    };
    for (const auto& [caption, box] : captions) {
        box->setAccessibleName(findChild<QLabel*>(QLatin1String(caption))->text().simplified());
    }
    YourPicture->setAccessibleName(QStringLiteral("Picture of your animal sign"));
    picJapaneseSignSymbol->setAccessibleName(QStringLiteral("Japanese sign symbol"));

    connect(Label1, &LinkLabel::clicked, this, [this] { links_.OpenHomePage(); });
    connect(cmdBack, &QPushButton::clicked, this, &ResultWindow::cmdBack_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ResultWindow::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &ResultWindow::cmdExit_Click);
}

void ResultWindow::BuildCompatibilityTab(QWidget* tab) {
    // clang-format off
    fracompalibility              = Place(new QGroupBox("Compatibility"),     tab,              "fracompalibility",              {120, 120, 8895, 5895});
    Place(FieldCaption("Chinese Compatibility Number"),                        fracompalibility, "lblCompatibilityNumberCaption", {240, 360, 3600, 255});
    lblChineseCompatibilityNumber = Place(ValueLabel(8.25, colour::kOrange),  fracompalibility, "lblChineseCompatibilityNumber", {3960, 360, 1200, 255});
    Place(FieldCaption("Chinese Compatibility  Percentage"),                   fracompalibility, "lblPercentageCaption",          {240, 720, 3600, 255});
    lblChinesePercentage          = Place(ValueLabel(8.25, colour::kOrange),  fracompalibility, "lblChinesePercentage",          {3960, 720, 1200, 255});
    Place(FieldCaption("Rating"),                                              fracompalibility, "lblRatingCaption",              {240, 1080, 3600, 255});
    lblChineseRating              = Place(ValueLabel(8.25, colour::kOrange),  fracompalibility, "lblChineseRating",              {3960, 1080, 3000, 255});
    lblMatchingDescription        = Place(ValueLabel(8.25, colour::kCyan),    fracompalibility, "lblMatchingDescription",        {240, 1440, 8400, 255});
    txtMatchingDescription        = PlaceTextBox(                             fracompalibility, "txtMatchingDescription",        {240, 1800, 8400, 3840});
    // clang-format on

    // This text is not for copying out. Rather than emptying the system clipboard
    // (which would throw away what the user copied elsewhere), the box offers no
    // selection, copy, drag or context menu at all.
    txtMatchingDescription->setTextInteractionFlags(Qt::NoTextInteraction);
    txtMatchingDescription->setAccessibleName(QStringLiteral("Compatibility"));
    txtMatchingDescription->setContextMenuPolicy(Qt::NoContextMenu);
    txtMatchingDescription->setFocusPolicy(Qt::NoFocus);
    txtMatchingDescription->viewport()->setAcceptDrops(false);
}

void ResultWindow::BuildPartnerTab(QWidget* tab) {
    Frafemale = Place(new QGroupBox("Your Start Sign"), tab, "Frafemale", {120, 120, 9735, 6495});
    Place(FieldCaption("Chinese Sign"), Frafemale, "lblPartnerSignCaption", {120, 360, 1935, 255});
    lblFemaleChineseSign =
        Place(ValueLabel(12, colour::kLightYellow), Frafemale, "lblFemaleChineseSign", {2160, 360, 1755, 270});
    int top = 840;
    for (const ProfileRow& row : kProfileRows) {
        const int height = row.partner.line ? 285 : 735;
        // A two-line caption starts higher, centred on its box as on the user's side.
        const Twips captionRect = TwoLineCaption(row) ? Twips{120, top - 130, 1935, 400} : Twips{120, top, 1935, 255};
        PlaceCaption(row, row.partnerCaption, Frafemale, "", captionRect);
        partnerBoxes_[Position(row.field)] =
            PlaceProfileBox(*this, row.partner, row.partnerCaption, Frafemale, {2160, top, 4335, height});
        top += height + 75;
    }
    YourPartnerPicture = Place(new QLabel, Frafemale, "YourPartnerPicture", {6600, 240, 3030, 3030});
    YourPartnerPicture->setAccessibleName(QStringLiteral("Picture of your partner's animal sign"));
    Place(FieldCaption("Chinese  Element"), Frafemale, "lblPartnerElementCaption", {6600, 3390, 1770, 195});
    lblFemaleChineseElements =
        Place(ValueLabel(11.25, colour::kOrange), Frafemale, "lblFemaleChineseElements", {6600, 3630, 2370, 270});
    Place(FieldCaption("Element  Description"), Frafemale, "lblPartnerDescriptionCaption", {6600, 3990, 2025, 195});
    txtFemaleelementDescription = PlaceTextBox(Frafemale, "txtFemaleelementDescription", {6600, 4230, 2775, 950});
    txtFemaleelementDescription->setAccessibleName(QStringLiteral("Element Description"));
}

void ResultWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuBack = file->addAction(QStringLiteral("&Back"), this, &ResultWindow::cmdBack_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep2"));
    mnuPrint = file->addAction(QStringLiteral("&Print"), this, &ResultWindow::cmdPrint_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuExit = file->addAction(QStringLiteral("E&xit"), this, &ResultWindow::cmdExit_Click);

    AddWebMenus(QStringLiteral("Check For Software &Update"), "mnuHelpSep1", "mnuSepUpdate");
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
}

void ResultWindow::ShowJapaneseSign(const JapaneseSign& sign) {
    lblJapaneseSign->setText(ToQString(sign.name));
    picJapaneseSignSymbol->setPixmap(JapaneseSymbols().picture(sign.symbol));
}

void ResultWindow::Fill(const ZodiacState& state) {
    Framale->setTitle(state.userName + QStringLiteral("'s Characteristic"));
    Frafemale->setTitle(state.partnerName);
    lblMaleChinesesign->setText(ToQString(state.userSign));
    lblFemaleChineseSign->setText(ToQString(state.partnerSign));
    lblMaleChineseElements->setText(ToQString(state.userElement));
    lblFemaleChineseElements->setText(ToQString(state.partnerElement));
    const CompatibilityResult& compatibility = state.compatibility;
    lblChinesePercentage->setText(ToQString(compatibility.percentage));
    lblChineseRating->setText(ToQString(compatibility.rating));
    lblChineseCompatibilityNumber->setText(QString::number(compatibility.number));
    FillProfile(userBoxes_, state.userProfile);
    txtMaleElementDescription->setPlainText(ToQString(state.userElementDescription));
    FillProfile(partnerBoxes_, state.partnerProfile);
    txtFemaleelementDescription->setPlainText(ToQString(state.partnerElementDescription));
    txtMatchingDescription->setPlainText(ToQString(compatibility.text));
    lblMatchingDescription->setText(QStringLiteral("Compatibility Of ") + lblMaleChinesesign->text() +
                                    QStringLiteral(" With  ") + lblFemaleChineseSign->text() + QStringLiteral(" :-"));
}

void ResultWindow::PickPictures() {
    ShowPicture(YourPartnerPicture, txtFemaleWesternZodiacSign->text().trimmed());
    ShowPicture(YourPicture, txtMaleWesternZodiacSign->text().trimmed());
}

void ResultWindow::cmdBack_Click() {
    emit backRequested();
    CloseToGoBack();
}

void ResultWindow::cmdPrint_Click() { emit printRequested(lblJapaneseSign->text()); }

void ResultWindow::cmdExit_Click() { close(); }

}  // namespace zodiac

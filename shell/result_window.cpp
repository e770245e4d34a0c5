#include "shell/result_window.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <tuple>

#include "core/text.h"
#include "core/zodiac_state.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/image_list.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "services/advertising.h"
#include "services/web_links.h"
#include "shell/result_details_tab.h"

namespace zodiac {
namespace {

QWidget* Panel() {
    auto* panel = new QWidget;
    SetColours(panel, Qt::white, colour::kWindow);
    panel->setFont(VerdanaFont(8.25, true));
    return panel;
}

}  // namespace

ResultWindow::ResultWindow(WebLinks& links) : ZodiacWindow(links, "frmchiness", 9990, 7965) {
    QWidget* const client = this->client();
    BuildVisible(client);

    // Below the client area: never seen, filled all the same.
    SSTab = new ResultDetailsTab(client);
    // It lies below the client area, so nobody sees it; kept hidden as well, its
    // boxes neither take the keyboard's Tab nor cost layout and painting.
    SSTab->hide();

    BuildMenus();
    FinishLayout();
}

void ResultWindow::BuildVisible(QWidget* client) {
    using R = ResultWindow;
    // The thirteen profile fields, top to bottom, each caption and box placed by
    // hand; the traits take several lines.
    struct Row {
        ProfileField field;
        const char* caption;
        const char* captionName;
        Twips captionRect;
        Twips boxRect;
        const char* name;
        QLineEdit* R::*line;
        QPlainTextEdit* R::*lines;
    };
    // clang-format off
    const Row rows[] = {
        {ProfileField::RulingPlanet,        "Ruling Planet",         "Label2",  {120, 885, 1110, 195},  {2160, 840, 4335, 285},  "txtMaleRulingPlanet",        &R::txtMaleRulingPlanet,        nullptr},
        {ProfileField::WesternZodiacSign,   "Western Zodiac Sign",   "Label14", {120, 1245, 1770, 195}, {2160, 1200, 4335, 285}, "txtMaleWesternZodiacSign",   &R::txtMaleWesternZodiacSign,   nullptr},
        {ProfileField::PositiveTraits,      "Positive Traits",       "Label3",  {120, 1830, 1200, 195}, {2160, 1560, 4335, 735}, "txtMalePositiveTraits",      nullptr,                        &R::txtMalePositiveTraits},
        {ProfileField::NegativeTraits,      "Negative Traits",       "Label5",  {120, 2670, 1290, 195}, {2160, 2400, 4335, 735}, "txtMaleNegativeTraits",      nullptr,                        &R::txtMaleNegativeTraits},
        {ProfileField::GemStone,            "Gem Stone",             "Label6",  {120, 3285, 960, 195},  {2160, 3240, 4335, 285}, "txtMaleGemStone",            &R::txtMaleGemStone,            nullptr},
        {ProfileField::LuckyColour,         "Lucky Color",           "Label4",  {120, 3615, 1215, 255}, {2160, 3600, 4335, 285}, "txtMaleLuckycolour",         &R::txtMaleLuckycolour,         nullptr},
        {ProfileField::Energy,              "Energy",                "Label7",  {120, 4005, 600, 195},  {2160, 3960, 4335, 285}, "txtMaleEnergy",              &R::txtMaleEnergy,              nullptr},
        {ProfileField::LuckySeasons,        "Lucky Seasons",         "Label8",  {120, 4365, 1275, 195}, {2160, 4320, 4335, 285}, "txtMaleLuckySeasons",        &R::txtMaleLuckySeasons,        nullptr},
        {ProfileField::LuckyMonth,          "Lucky Month",           "Label9",  {120, 4725, 1065, 195}, {2160, 4680, 4335, 285}, "txtMaleLuckyMonth",          &R::txtMaleLuckyMonth,          nullptr},
        {ProfileField::LuckyNumber,         "Lucky Number",          "Label17", {120, 5085, 1230, 195}, {2160, 5040, 4335, 285}, "txtMaleLuckyNumber",         &R::txtMaleLuckyNumber,         nullptr},
        {ProfileField::MostCompatibleSign,  "Most Compatible Sign",  "Label10", {120, 5445, 1860, 195}, {2160, 5400, 4335, 285}, "txtMaleMostCompatibleSign",  &R::txtMaleMostCompatibleSign,  nullptr},
        {ProfileField::LeastCompatibleSign, "Least Compatible Sign", "Label11", {120, 5760, 1920, 195}, {2160, 5760, 4335, 285}, "txtMAleLeastCompatibleSign", &R::txtMAleLeastCompatibleSign, nullptr},
        {ProfileField::FamousPersons,       "Famous Personalities Born Under This Sign",
                                                                     "Label12", {120, 5990, 1935, 400}, {2160, 6120, 4335, 285}, "txtMaleFamousPersonBorn",    &R::txtMaleFamousPersonBorn,    nullptr},
    };
    // clang-format on

    // clang-format off
    Label1                     = Place(new LinkLabel(kForumAndVisitLines, 9.75),  client,   "Label1",                     {90, 20, 9810, 480});
    Framale                    = Place(new QGroupBox("Japanese Zodiac Sign"),     client,   "Framale",                    {120, 480, 9735, 6495});
    Framale->setFont(VerdanaFont(9.75, true));
    SetTextColour(Framale, colour::kLightYellow);
    Place(FieldCaption("English Name"),                                            Framale,  "Label13",                    {120, 398, 1155, 195});
    lblMaleChinesesign         = Place(new ValueLabel(12, colour::kLightYellow),  Framale,  "lblMaleChinesesign",         {2160, 360, 1755, 270});
    // clang-format on
    for (const Row& row : rows) {
        QLabel* caption =
            Place(FieldCaption(QString::fromLatin1(row.caption)), Framale, row.captionName, row.captionRect);
        // The famous people's caption takes two lines.
        if (row.field == ProfileField::FamousPersons) caption->setWordWrap(true);
        QWidget* box = row.line
                           ? static_cast<QWidget*>(this->*row.line = Place(LineBox(), Framale, row.name, row.boxRect))
                           : this->*row.lines = PlaceTextBox(Framale, row.name, row.boxRect);
        // Each box is named by its caption, for screen readers.
        box->setAccessibleName(QString::fromLatin1(row.caption));
        userBoxes_[static_cast<std::size_t>(row.field)] = box;
    }
    // clang-format off
    YourPicture                = Place(new QLabel,                                Framale,  "YourPicture",                {6600, 240, 3030, 3030});
    Picture1                   = Place(Panel(),                                   Framale,  "Picture1",                   {6600, 3390, 3015, 1095});
    Place(FieldCaption("Japanese Sign"),                                           Picture1, "Label39",                    {120, 240, 1395, 195});
    lblJapaneseSign            = Place(new ValueLabel(11.25, colour::kLightYellow), Picture1, "lblJapaneseSign",          {120, 600, 1755, 270});
    picJapaneseSignSymbol      = Place(new QLabel,                                Picture1, "picJapaneseSignSymbol",      {2040, 80, 870, 915});
    Picture2                   = Place(Panel(),                                   Framale,  "Picture2",                   {6600, 4560, 3015, 1850});
    Place(FieldCaption("Japanese Element"),                                        Picture2, "Label15",                    {120, 0, 1770, 195});
    lblMaleChineseElements     = Place(new ValueLabel(11.25, colour::kOrange),    Picture2, "lblMaleChineseElements",     {120, 232, 2370, 270});
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

    // Each value and box is named by its caption, for screen readers.
    const auto caption = [this](const char* name) { return findChild<QLabel*>(QLatin1String(name)); };
    lblMaleChinesesign->HearWith(caption("Label13"));
    lblJapaneseSign->HearWith(caption("Label39"));
    lblMaleChineseElements->HearWith(caption("Label15"));
    txtMaleElementDescription->setAccessibleName(caption("Label18")->text().simplified());
    YourPicture->setAccessibleName(QStringLiteral("Picture of your animal sign"));
    picJapaneseSignSymbol->setAccessibleName(QStringLiteral("Japanese sign symbol"));

    // Help > Visit Us Online opens Label1's home page; no menu opens the offers' pages.
    FocusAfter(cmdExit, {lblCobrand, lblFullBrand});
    connect(Label1, &LinkLabel::Clicked, this, [this] { links_.OpenHomePage(); });
    connect(cmdBack, &QPushButton::clicked, this, &ResultWindow::cmdBack_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ResultWindow::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &ResultWindow::cmdExit_Click);
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

void ResultWindow::Show(const ZodiacState& state) {
    // The main command has always found the user's reading before this shows.
    if (state.user) {
        const Reading& user = *state.user;
        Framale->setTitle(user.name + QStringLiteral("'s Characteristic"));
        setAccessibleDescription(user.name + QStringLiteral("'s Japanese zodiac sign"));
        lblMaleChinesesign->ShowValue(ToQString(Name(user.year.year.sign)));
        lblMaleChineseElements->ShowValue(ToQString(Name(user.year.year.element)));
        lblJapaneseSign->ShowValue(ToQString(user.japanese.name));
        picJapaneseSignSymbol->setPixmap(SymbolPicture(user.year.year.sign));
        // The reading's eto names the year's branch, whose character the symbol shows.
        const EtoPart& branch = user.eto.branch();
        picJapaneseSignSymbol->setAccessibleName(
            QStringLiteral("Japanese sign symbol: %1 (%2)").arg(ToQString(branch.kanji), ToQString(branch.reading)));
        FillProfile(userBoxes_, &user.profile);
        txtMaleElementDescription->setPlainText(ToQString(user.elementDescription));
        ShowAnimalPicture(YourPicture, &user.profile);
    }
    SSTab->Fill(state);
    show();
}

void ResultWindow::cmdBack_Click() {
    emit BackRequested();
    CloseToGoBack();
}

void ResultWindow::cmdPrint_Click() { emit PrintRequested(); }

void ResultWindow::cmdExit_Click() { close(); }

}  // namespace zodiac

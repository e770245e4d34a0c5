#include "shell/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <cmath>
#include <iterator>
#include <tuple>

#include "core/main_command.h"
#include "core/zodiac_state.h"
#include "look/colours.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "platform/platform.h"
#include "services/advertising.h"
#include "services/web_links.h"
#include "shell/partner_section.h"

namespace zodiac {
namespace {

// What the main window says when its entries will not do. The two about the
// date differ by the blank before the "!": both are the original's texts, the
// first for February, the second for the thirty-day months.
const struct {
    QString noName = QStringLiteral("Please Enter your Name");
    QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    QString thirtyDays = QStringLiteral("Please Enter Correct Date Or Month !");
} kMessages{};

QLabel* Caption(const QString& text, const QColor& colour) {
    auto* label = new QLabel(text);
    SetTextColour(label, colour);
    return label;
}

QGroupBox* Frame(const QString& title = {}) { return new QGroupBox(title); }

}  // namespace

int AdvertisingDraw(double r) { return static_cast<int>(std::nearbyint(6.0 * r + 1.0)); }

MainWindow::MainWindow(Platform& platform, WebLinks& links, MainCommand& command, ZodiacState& state)
    : ZodiacWindow(links, "frmmain", 5295, 4590), platform_(platform), command_(command), state_(state) {
    BuildControls();
    BuildMenus();
    FinishLayout();
    txtMaleName->setFocus();
}

void MainWindow::BuildControls() {
    QWidget* const client = this->client();

    // clang-format off
    Frame3       = Place(Frame(),                                       client,       "Frame3",       {120, 0, 5055, 615});
    Label1       = Place(new LinkLabel(kForumLine),                     Frame3,       "Label1",       {120, 120, 4815, 195});
    Label2       = Place(new LinkLabel(kVisitLine),                     Frame3,       "Label2",       {240, 360, 4455, 195});
    Frame5       = Place(Frame(),                                       client,       "Frame5",       {120, 660, 5055, 975});
    Label5       = Place(Caption("Know your Japanese Zodiac Sign. Just enter your name and date of birth and you are set to go.",
                                 colour::kLightYellow),                 Frame5,       "Label5",       {120, 360, 4815, 495});
    Frame1       = Place(Frame("Enter Your Details"),                   client,       "Frame1",       {120, 1680, 5055, 1095});
    Label3       = Place(Caption("Name:-", colour::kCyan),              Frame1,       "Label3",       {240, 285, 645, 195});
    txtMaleName  = Place(new QLineEdit,                                 Frame1,       "txtMaleName",  {1320, 240, 3375, 285});
    Label4       = Place(Caption("Birth Day:-", colour::kCyan),         Frame1,       "Label4",       {240, 660, 960, 195});
    // Each list is made in its frame: a list given a new font once made builds
    // its drop-down window there and then, long before anyone opens it.
    cboMaleMonth = Place(new QComboBox(Frame1),                         Frame1,       "cboMaleMonth", {1320, 600, 1215, 315});
    CboMaleDate  = Place(new QComboBox(Frame1),                         Frame1,       "CboMaleDate",  {2640, 600, 855, 315});
    cboMaleYear  = Place(new QComboBox(Frame1),                         Frame1,       "cboMaleYear",  {3600, 600, 1095, 315});
    cmdProceed   = Place(new QPushButton("Get My &Japanese Zodiac"),    client,       "cmdProceed",   {120, 2880, 5055, 495});
    fraFullBrand = Place(Frame(),                                       client,       "fraFullBrand", {120, 3360, 5055, 1095});
    std::tie(lblCobrand, lblFullBrand) = PlaceOffers(fraFullBrand,                                  {120, 165, 4785, 855});
    // clang-format on
    Frame2 = new PartnerSection(client);

    // Names for screen readers, from the captions beside the fields. The three
    // lists share one caption, "Birth Day:-", so none is tied to it: Qt names a
    // list by its current entry, and its description says which list it is.
    Label3->setBuddy(txtMaleName);
    NameBirthFields(txtMaleName, cboMaleMonth, CboMaleDate, cboMaleYear,
                    {"Name", "Birth month", "Birth day", "Birth year"});
    setAccessibleDescription(QStringLiteral("Enter your name and date of birth"));
    SetTextColour(Frame1, colour::kLightYellow);
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setWordWrap(true);
    for (LinkLabel* label : {lblCobrand, lblFullBrand}) label->setAlignment(Qt::AlignCenter);
    for (QWidget* field : std::initializer_list<QWidget*>{txtMaleName, cboMaleMonth, CboMaleDate, cboMaleYear}) {
        SetColours(field, colour::kOrange, colour::kWindow);
    }
    SetColours(cmdProceed, Qt::black, colour::kButtonFace);
    FillBirthLists(CboMaleDate, cboMaleMonth, cboMaleYear);

    QWidget* const order[] = {txtMaleName, cboMaleMonth, CboMaleDate, cboMaleYear};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    Frame2->PlaceInTabOrder(cboMaleYear, cmdProceed);
    // Help > Visit Us Online opens the home page of Label1 and Label2; no menu opens the offers' pages.
    FocusAfter(cmdProceed, {lblCobrand, lblFullBrand});
    connect(cmdProceed, &QPushButton::clicked, this, &MainWindow::cmdProceed_Click);
    connect(Label1, &LinkLabel::Clicked, this, [this] { links_.OpenHomePage(); });
    connect(Label2, &LinkLabel::Clicked, this, [this] { links_.OpenHomePage(); });
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuGetJapaneseZodiac =
        file->addAction(QStringLiteral("Get My &Japanese Zodiac"), this, &MainWindow::cmdProceed_Click);
    mnuExit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);

    AddWebMenus(QStringLiteral("Check for Software &Update"), "mnuSep1", "mnuSep2");
    mnuGetJapaneseZodiac->setObjectName(QStringLiteral("mnuGetJapaneseZodiac"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
}

void MainWindow::ArrangeAdvertisements(int draw) {
    if (draw == 1 || draw == 3 || draw == 5) lblCobrand->raise();
    if (draw == 2 || draw == 4 || draw == 6) lblFullBrand->raise();
}

bool MainWindow::ValidateInput() {
    // Only the user's own section is checked. A name of blanks passes here and
    // becomes the empty name once trimmed.
    if (txtMaleName->text().isEmpty()) {
        platform_.ShowMessage(this, kMessages.noName, Platform::Icon::Information);
        txtMaleName->setFocus();
        return false;
    }
    const int year = cboMaleYear->currentText().toInt();
    const int day = CboMaleDate->currentIndex();     // 0 for day 1
    const int month = cboMaleMonth->currentIndex();  // 0 for January
    const bool leap = year % 4 == 0;                 // exact for 1936 to 2008
    if (month == 1 && day >= (leap ? 29 : 28)) {
        platform_.ShowMessage(this, kMessages.february, Platform::Icon::Information);
        return false;
    }
    if ((month == 3 || month == 5 || month == 8 || month == 10) && day == 30) {
        platform_.ShowMessage(this, kMessages.thirtyDays, Platform::Icon::Information);
        return false;
    }
    return true;
}

void MainWindow::cmdProceed_Click() {
    if (!ValidateInput()) return;
    command_.Run(EntryOf(txtMaleName, CboMaleDate, cboMaleMonth, cboMaleYear), Frame2->Entry(), state_);
    emit ResultReady();
    hide();
}

}  // namespace zodiac

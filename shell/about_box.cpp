#include "shell/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "core/program_name.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/image_list.h"
#include "look/label_fitting.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "look/window_chrome.h"
#include "platform/platform.h"
#include "services/web_links.h"

namespace zodiac {
namespace {

QLabel* Text(const QString& text, double points, const QColor& colour) {
    auto* label = new QLabel(text);
    label->setFont(VerdanaFont(points, points > 9));
    SetTextColour(label, colour);
    label->setWordWrap(true);
    return label;
}

}  // namespace

AboutBox::AboutBox(WebLinks& links, QWidget* parent) : QDialog(parent) {
    DressWindow(this, {"frmAbout", WindowKind::Dialog, Qt::white, colour::kWindow, std::nullopt, 6810, 3765});

    const QString site = QUrl(links.siteBase()).host();
    Picture1 = Place(new QLabel, this, "Picture1", {120, 120, 480, 480});
    Picture1->setPixmap(CompiledPng(QStringLiteral(":/app_icon_32.png")));
    Picture1->setAccessibleName(QStringLiteral("Program icon"));
    Label2 = Place(Text(kWindowCaption, 9.75, colour::kOrange), this, "Label2", {840, 240, 2880, 240});
    Label2->setFont(VerdanaFont(9.75, true));
    Label2->setWordWrap(false);  // one line: it grows into the free space beside it
    Label1 = Place(Text(QStringLiteral("Qorvel Japanese Zodiac determines your Japanese zodiac sign from your date "
                                       "of birth. This is also known as the animal sign."),
                        8.25, colour::kLightOrange),
                   this, "Label1", {360, 960, 6345, 615});
    lblHomePage = Place(new LinkLabel(QStringLiteral("Click here to visit ") + site), this, "lblHomePage",
                        {2040, 1680, 4650, 195});
    Label3 = Place(Text(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                       "online. Get this software fully branded for your website. "),
                        8.25, colour::kLightOrange),
                   this, "Label3", {360, 2160, 5865, 555});
    Label3->setFont(VerdanaFont(8.25, true));
    lblCoBrand = Place(new LinkLabel(QStringLiteral("Click here for more details.")), this, "lblCoBrand",
                       {4020, 2880, 2670, 195});
    Line1 = Place(new QFrame, this, "Line1", {0, 3232, 6900, 15});
    Line1->setFrameShape(QFrame::HLine);
    SetColours(Line1, colour::kLightOrange, colour::kLightOrange);
    cmdOK = Place(new QPushButton(QStringLiteral("OK")), this, "cmdOK", {5430, 3360, 1260, 345});
    SetColours(cmdOK, Qt::black, colour::kButtonFace);
    cmdOK->setDefault(true);

    FitTexts(this);
    setAccessibleDescription(QStringLiteral("About this program"));
    // No menu opens the links' pages: Tab reaches them after OK.
    FocusAfter(cmdOK, {lblHomePage, lblCoBrand});

    connect(lblHomePage, &LinkLabel::Clicked, this, [&links] { links.OpenHomePage(); });
    connect(lblCoBrand, &LinkLabel::Clicked, this, [&links] { links.OpenFullyBrandedPage(); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zodiac

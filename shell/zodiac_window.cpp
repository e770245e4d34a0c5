#include "shell/zodiac_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

#include "look/colours.h"
#include "look/fonts.h"
#include "look/label_fitting.h"
#include "look/link_label.h"
#include "look/window_chrome.h"
#include "services/advertising.h"
#include "services/web_links.h"

namespace zodiac {

ZodiacWindow::ZodiacWindow(WebLinks& links, const char* name, int widthTwips, int heightTwips)
    : links_(links), client_(new QWidget) {
    client_->setObjectName(QStringLiteral("client"));
    DressWindow(
        this, {name, WindowKind::Window, Qt::white, colour::kWindow, VerdanaFont(8.25, true), widthTwips, heightTwips},
        client_);
    setCentralWidget(client_);
}

void ZodiacWindow::AddWebMenus(const QString& updateCaption, const char* helpSeparator, const char* updateSeparator) {
    const auto name = [](QObject* object, const char* objectName) { object->setObjectName(QLatin1String(objectName)); };
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    name(help, "mnuHelp");
    mnuOnline = help->addAction(QStringLiteral("&Online Help"), this, [this] { links_.OpenHelpPage(); });
    mnuVisit = help->addAction(QStringLiteral("&Visit Us Online"), this, [this] { links_.OpenHomePage(); });
    name(help->addSeparator(), helpSeparator);
    mnuUpdate = help->addAction(updateCaption, this, [this] { links_.OpenDownloadPage(); });
    name(help->addSeparator(), updateSeparator);
    mnuAbout = help->addAction(QStringLiteral("&About Software"), this, &ZodiacWindow::AboutRequested);
    mnuDonate = menuBar()->addAction(QStringLiteral("&Donate"), this, [this] { links_.OpenDonatePage(); });
    // Switched off, as it has always been; nothing switches it on.
    mnumakemoney =
        menuBar()->addAction(QStringLiteral("Make Money &Online"), this, [this] { links_.OpenFullyBrandedPage(); });
    mnumakemoney->setEnabled(false);
    name(mnuOnline, "mnuOnline");
    name(mnuVisit, "mnuVisit");
    name(mnuUpdate, "mnuUpdate");
    name(mnuAbout, "mnuAbout");
    name(mnuDonate, "mnuDonate");
    name(mnumakemoney, "mnumakemoney");
}

std::pair<LinkLabel*, LinkLabel*> ZodiacWindow::PlaceOffers(QWidget* frame, Twips rect) {
    auto* coBrand = Place(new LinkLabel(kCoBrandOffer), frame, "lblCobrand", rect);
    auto* fullBrand = Place(new LinkLabel(kFullBrandOffer), frame, "lblFullBrand", rect);
    for (LinkLabel* label : {coBrand, fullBrand}) {
        label->setWordWrap(true);
        SetColours(label, colour::kOrange, colour::kWindow);
    }
    connect(coBrand, &LinkLabel::Clicked, this, [this] { links_.OpenCoBrandPage(); });
    connect(fullBrand, &LinkLabel::Clicked, this, [this] { links_.OpenFullyBrandedPage(); });
    return {coBrand, fullBrand};
}

void ZodiacWindow::FinishLayout() {
    setFixedSize(client_->width(), client_->height() + menuBar()->sizeHint().height());
    FitTexts(this);
}

void ZodiacWindow::CloseToGoBack() {
    goingBack_ = true;
    close();
}

void ZodiacWindow::closeEvent(QCloseEvent* event) {
    emit Closing(!goingBack_);
    event->accept();
}

}  // namespace zodiac

#include "shell/zodiac_window.h"

#include <QAction>
#include <QMenuBar>

#include "shell/look.h"
#include "shell/platform.h"
#include "shell/zodiac_app.h"

namespace zodiac {

ZodiacWindow::ZodiacWindow(ZodiacApp& app, const char* name) : app_(app), client_(new QWidget) {
    setObjectName(QString::fromLatin1(name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowCaption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    client_->setObjectName(QStringLiteral("client"));
    SetColours(client_, Qt::white, colour::kWindow);
    client_->setFont(VerdanaFont(8.25, true));
    setCentralWidget(client_);
}

void ZodiacWindow::AddWebMenus(const QString& updateCaption, const char* helpSeparator, const char* updateSeparator) {
    const auto name = [](QObject* object, const char* objectName) { object->setObjectName(QLatin1String(objectName)); };
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    name(help, "mnuHelp");
    WebLinks& links = app_.links();
    mnuOnline = help->addAction(QStringLiteral("&Online Help"), this, [&links] { links.OpenHelpPage(); });
    mnuVisit = help->addAction(QStringLiteral("&Visit Us Online"), this, [&links] { links.OpenHomePage(); });
    name(help->addSeparator(), helpSeparator);
    mnuUpdate = help->addAction(updateCaption, this, [&links] { links.OpenDownloadPage(); });
    name(help->addSeparator(), updateSeparator);
    mnuAbout = help->addAction(QStringLiteral("&About Software"), this, [this] { app_.ShowAbout(this); });
    mnuDonate = menuBar()->addAction(QStringLiteral("&Donate"), this, [&links] { links.OpenDonatePage(); });
    // Switched off, as it has always been; nothing switches it on.
    mnumakemoney =
        menuBar()->addAction(QStringLiteral("Make Money &Online"), this, [&links] { links.OpenFullyBrandedPage(); });
    mnumakemoney->setEnabled(false);
    name(mnuOnline, "mnuOnline");
    name(mnuVisit, "mnuVisit");
    name(mnuUpdate, "mnuUpdate");
    name(mnuAbout, "mnuAbout");
    name(mnuDonate, "mnuDonate");
    name(mnumakemoney, "mnumakemoney");
}

void ZodiacWindow::FinishLayout(int widthTwips, int heightTwips) {
    client_->setFixedSize(Px(widthTwips), Px(heightTwips));
    setFixedSize(Px(widthTwips), Px(heightTwips) + menuBar()->sizeHint().height());
    FitLabels(this);
}

}  // namespace zodiac

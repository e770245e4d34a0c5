#include "zodiac_app.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "about_box.h"
#include "main_window.h"
#include "platform.h"
#include "result_window.h"
#include "update_reminder.h"

namespace zodiac {
namespace {

void Centre(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

}  // namespace

ZodiacApp::ZodiacApp(Platform& platform, QString siteBase)
    : platform_(platform), links_(platform, std::move(siteBase)) {}

ZodiacApp::~ZodiacApp() {
    delete resultWindow_;
    delete mainWindow_;
}

void ZodiacApp::Start() {
    platform_.seedRandom();
    UpdateReminder(platform_, links_);
    MainWindow* window = mainWindow();
    Centre(window);
    window->show();
    window->ArrangeAdvertisements(AdvertisingDraw(platform_.random()));
}

MainWindow* ZodiacApp::mainWindow() {
    if (!mainWindow_) mainWindow_ = new MainWindow(*this);
    return mainWindow_;
}

MainWindow* ZodiacApp::loadedMainWindow() const { return mainWindow_; }
ResultWindow* ZodiacApp::loadedResultWindow() const { return resultWindow_; }

ResultWindow* ZodiacApp::resultWindow() {
    if (!resultWindow_) {
        resultWindow_ = new ResultWindow(*this);
        Centre(resultWindow_);
    }
    return resultWindow_;
}

void ZodiacApp::ShowAbout(QWidget* parent) {
    AboutBox about(links_, parent);
    about.exec();
}

void ZodiacApp::HandOver(QWidget*) {
    // Until there is an exit screen to hand over to, closing ends the program.
    EndApplication();
}

void ZodiacApp::EndApplication() {
    if (ending_) return;
    ending_ = true;
    // Hidden windows too; a window already closing is left to finish by itself.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isWindow() && !qobject_cast<QMenu*>(window)) window->close();
    }
    platform_.endProcess();
}

}  // namespace zodiac

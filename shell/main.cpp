#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStyleFactory>

#include "platform.h"
#include "qt_platform.h"
#include "report_window.h"
#include "single_instance.h"
#include "web_links.h"
#include "zodiac_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setDesktopFileName(QStringLiteral("qorvel-zodiac"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app_icon.png")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The windows hide and show each other; the program ends only by EndApplication.
    QApplication::setQuitOnLastWindowClosed(false);

    zodiac::QtPlatform platform;
    const zodiac::SingleInstance instance(QApplication::applicationName());
    if (!instance.isFirst()) {
        platform.showMessage(nullptr, QStringLiteral("Application is already running"),
                             zodiac::Platform::Icon::Information);
        return 0;
    }
    zodiac::ZodiacApp app(platform, zodiac::BuiltInSiteBase());
    app.SetReportOpener(zodiac::OpenReportWindow);
    app.Start();
    return QApplication::exec();
}

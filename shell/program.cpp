#include "program.h"

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

namespace zodiac {

int RunProgram(int argc, char* argv[], const std::function<void(QApplication&)>& started) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    QApplication::setApplicationVersion(QStringLiteral("1.15"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.QorvelZodiac"));
    // Sizes given, so that nothing is decoded before a window needs it.
    QIcon icon;
    icon.addFile(QStringLiteral(":/app_icon_32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/64.png"), QSize(64, 64));
    QApplication::setWindowIcon(icon);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The windows hide and show each other; the program ends only by EndApplication.
    QApplication::setQuitOnLastWindowClosed(false);

    QtPlatform platform;
    const SingleInstance instance(QApplication::applicationName());
    ZodiacApp app(platform, BuiltInSiteBase());
    app.SetReportOpener(OpenReportWindow);
    if (!app.Start(!instance.isFirst())) return 0;
    if (started) started(application);
    return QApplication::exec();
}

}  // namespace zodiac

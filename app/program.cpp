#include "app/program.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QStyleFactory>

#include "core/version.h"
#include "report/report_window.h"
#include "shell/platform.h"
#include "shell/qt_platform.h"
#include "shell/single_instance.h"
#include "shell/web_links.h"
#include "shell/zodiac_app.h"

namespace zodiac {

int RunProgram(int argc, char* argv[], const std::function<void(QApplication&)>& started) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    QApplication::setApplicationVersion(QLatin1String(version::kVersion));
    QApplication::setDesktopFileName(QLatin1String(version::kDesktopId));
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

#include "app/program.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include "core/version.h"
#include "report/report_window.h"
#include "shell/image_list.h"
#include "shell/platform.h"
#include "shell/qt_platform.h"
#include "shell/single_instance.h"
#include "shell/web_links.h"
#include "shell/window_style.h"
#include "shell/zodiac_app.h"

namespace zodiac {

int RunProgram(int argc, char* argv[], const std::function<void(QApplication&)>& started) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    QApplication::setApplicationVersion(QLatin1String(version::kVersion));
    QApplication::setDesktopFileName(QLatin1String(version::kDesktopId));
    // From pixmaps: given files, QIcon would load every image plugin to learn their format.
    QIcon icon;
    icon.addPixmap(CompiledPng(QStringLiteral(":/app_icon_32.png")));
    icon.addPixmap(CompiledPng(QStringLiteral(":/icons/64.png")));
    QApplication::setWindowIcon(icon);
    QApplication::setStyle(new WindowStyle);
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

#include "app/program.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <vector>

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
namespace {

// Qt ends the process with abort() when no display plugin starts, after lines
// of its own; over ssh or in cron, one line that says what to do serves better.
// Qt's messages are held while the platform starts and passed on once it has.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

void WhileThePlatformStarts(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    QString reason = text.section(QLatin1Char('\n'), 0, 0);
    for (const HeldMessage& message : held) {
        if (message.category.startsWith("qt.qpa")) {
            reason = message.text.trimmed();
            break;
        }
    }
    if (reason.startsWith(QLatin1String("could not connect to display")) && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        reason = QStringLiteral("there is no display");
    }
    std::fprintf(stderr,
                 "qorvel-zodiac: the windows cannot open: %s; set DISPLAY or WAYLAND_DISPLAY, "
                 "or give a command (see qorvel-zodiac --help)\n",
                 reason.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

void PassOnHeldMessages() {
    qInstallMessageHandler(passOn);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace

int RunProgram(int argc, char* argv[], const std::function<void(QApplication&)>& started) {
    passOn = qInstallMessageHandler(WhileThePlatformStarts);
    QApplication application(argc, argv);
    PassOnHeldMessages();
    QApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName());
    QApplication::setApplicationVersion(QLatin1String(version::kVersion));
    QApplication::setDesktopFileName(QLatin1String(version::kDesktopId));
    // From pixmaps: given files, QIcon would load every image plugin to learn their format.
    QIcon icon;
    icon.addPixmap(CompiledPng(QStringLiteral(":/app_icon_32.png")));
    icon.addPixmap(CompiledPng(QStringLiteral(":/icons/64.png")));
    QApplication::setWindowIcon(icon);
    UseWindowStyle();
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

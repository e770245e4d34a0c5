#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/zodiac_app.h"
#include "core/version.h"
#include "look/image_list.h"
#include "look/window_style.h"
#include "platform/platform.h"
#include "platform/qt_platform.h"
#include "platform/single_instance.h"
#include "services/web_links.h"

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
    if (reason.endsWith(u'.')) reason.chop(1);
    // What to do depends on what is missing: a display, or Qt's plugin for it.
    QString hint = QStringLiteral("check DISPLAY and WAYLAND_DISPLAY");
    static const QRegularExpression missingPlugin(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    if (const QRegularExpressionMatch missing = missingPlugin.match(reason); missing.hasMatch()) {
        const QString plugin = missing.captured(1);
        reason = QStringLiteral("Qt's platform plugin '%1' is not installed").arg(plugin);
        hint = plugin == u"wayland"
                   ? QStringLiteral("install qt6-wayland, or set QT_QPA_PLATFORM=xcb with a DISPLAY")
                   : QStringLiteral("install it, or set QT_QPA_PLATFORM to a platform that is installed");
    } else if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        reason = QStringLiteral("there is no display");
        hint = QStringLiteral("set DISPLAY or WAYLAND_DISPLAY");
    }
    std::fprintf(stderr,
                 "qorvel-zodiac: the windows cannot open: %s; %s, or give a command (see qorvel-zodiac --help)\n",
                 reason.toLocal8Bit().constData(), hint.toLocal8Bit().constData());
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
    // The settings file and the single-instance lock are named after the program,
    // not after whatever name or link it was started by.
    QApplication::setApplicationName(QStringLiteral("qorvel-zodiac"));
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
    if (!app.Start(!instance.isFirst())) return 0;
    if (started) started(application);
    return QApplication::exec();
}

}  // namespace zodiac

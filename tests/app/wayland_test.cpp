// The windows on a real Wayland compositor (a headless Weston, through Qt's
// Wayland plugin): a title bar with no minimize or maximize, a size the compositor
// knows, and a maximize, full screen or minimize asked of it that leaves the
// window as it was, on the screen, with the program alive.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "shell/exit_screen.h"
#include "tests/app/every_window.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// How many pixels of what Weston shows have `colour`, read from its own screenshot.
int PixelsOnScreen(QColor colour) {
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(5000) || shooter.exitCode() != 0) return -1;
    const QStringList shots = QDir(dir.path()).entryList({QStringLiteral("*.png")});
    if (shots.isEmpty()) return -1;
    const QImage image = QImage(dir.filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
}

QColor CommonestColour(const QImage& drawing) {
    const QImage image = drawing.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
    QRgb commonest = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(commonest)) commonest = it.key();
    return QColor(commonest);
}

}  // namespace

class WaylandTest : public QObject {
    Q_OBJECT

private slots:
    void windowsKeepTheirSizeAndStayOnScreen();
};

void WaylandTest::windowsKeepTheirSizeAndStayOnScreen() {
    QVERIFY(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
    struct Request {
        const char* what;
        void (*ask)(QWidget*);
    };
    const Request requests[] = {
        {"maximize", [](QWidget* w) { w->windowHandle()->setWindowStates(Qt::WindowMaximized); }},
        {"full screen", [](QWidget* w) { w->windowHandle()->setWindowStates(Qt::WindowFullScreen); }},
        {"minimize", [](QWidget* w) { w->windowHandle()->setWindowStates(Qt::WindowMinimized); }},
        {"maximize again", [](QWidget* w) { w->showMaximized(); }},
    };
    int checked = 0;
    ForEveryWindow([&](QWidget* window) {
        const QString name = window->objectName();
        for (QWidget* other : QApplication::topLevelWidgets())
            if (other != window && other->isVisible()) other->hide();
        window->show();
        QVERIFY2(QTest::qWaitForWindowExposed(window), qPrintable(name));
        QTest::qWait(200);
        // Qt's own decoration would add a frame around the window; ours is inside it,
        // with the close button alone.
        QCOMPARE(window->windowHandle()->frameMargins(), QMargins());
        QCOMPARE(window->findChildren<QToolButton*>(QStringLiteral("captionClose")).size(), 1);
        QVERIFY2(window->minimumSize() == window->maximumSize(), qPrintable(name));
        const QSize size = window->size();
        // The window's commonest colour marks it on the screen.
        const QColor colour = CommonestColour(window->grab().toImage());
        const int shown = PixelsOnScreen(colour);
        QVERIFY2(shown > 100, qPrintable(name + QStringLiteral(": not seen on the screen")));
        for (const Request& request : requests) {
            const QString where = name + QStringLiteral(", ") + QLatin1String(request.what);
            request.ask(window);
            QTest::qWait(400);
            QVERIFY2(window->isVisible(), qPrintable(where));
            QCOMPARE(window->size(), size);
            QCOMPARE(window->windowState(), Qt::WindowNoState);
            const int now = PixelsOnScreen(colour);
            QVERIFY2(now > shown * 9 / 10,
                     qPrintable(where + QStringLiteral(": %1 of its %2 pixels on the screen").arg(now).arg(shown)));
        }
        window->hide();
        ++checked;
    });
    QCOMPARE(checked, 5);
}

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"

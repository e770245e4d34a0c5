#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/result_window.h"
#include "tests/report/report_test_support.h"
#include "tests/shell/shell_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// Every control a person can reach or read has a name for a screen reader.
void ExpectEveryControlNamed(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || qobject_cast<QTextEdit*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget) ||
                             (label && (!label->text().isEmpty() || !label->pixmap().isNull()));
        if (!control || widget->objectName().startsWith(QLatin1String("qt_"))) continue;  // Qt's own helpers
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(window->objectName() + QLatin1Char('/') + widget->objectName()));
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowNamesItsControls() { ForEveryWindow(ExpectEveryControlNamed); }

    void theAccessKeysWork() {
        Program program;
        program.Enter(QStringLiteral("Ann"), 5, 3, 1975);
        program.main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program.main()));
        // Through the window, as the keyboard would, so that shortcuts are looked up.
        QTest::keyClick(program.main()->windowHandle(), Qt::Key_J, Qt::AltModifier);
        // A button's access key clicks it the way a mouse would, a moment later.
        QTRY_VERIFY(program.app.loadedResultWindow() && program.app.loadedResultWindow()->isVisible());
        ResultWindow* result = program.app.loadedResultWindow();
        result->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(result));
        QTest::keyClick(result->windowHandle(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(program.main()->isVisible());
        QTRY_VERIFY(!program.app.loadedResultWindow());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

// No caption is cut off, in any window, in the fonts this machine has.
#include "shell/label_fitting.h"

#include <QFontMetrics>
#include <QLabel>
#include <QtTest>

#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/fonts.h"
#include "shell/result_window.h"
#include "tests/report/report_test_support.h"
#include "tests/shell/shell_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// What QFontMetrics says the label's text needs, against the label's rectangle,
// and the rectangle against the parent's, which would clip anything outside it.
QString ClippedText(const QLabel* label) {
    if (label->text().isEmpty() || label->isHidden()) return {};
    const QFontMetrics metrics(label->font());
    const QString name = label->window()->objectName() + QLatin1Char('/') + label->objectName() +
                         QStringLiteral(" \"") + label->text().left(30) + QStringLiteral("\" ");
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 100000),
                                                  Qt::TextWordWrap | label->alignment(), label->text());
        if (needed.height() > label->height() || needed.width() > label->width()) {
            return name + QStringLiteral("needs %1x%2 in %3x%4 (wrapped)")
                              .arg(needed.width())
                              .arg(needed.height())
                              .arg(label->width())
                              .arg(label->height());
        }
    } else if (metrics.horizontalAdvance(label->text()) > label->width() || metrics.height() > label->height() + 3) {
        return name + QStringLiteral("needs %1x%2 in %3x%4")
                          .arg(metrics.horizontalAdvance(label->text()))
                          .arg(metrics.height())
                          .arg(label->width())
                          .arg(label->height());
    }
    if (!QRect(QPoint(0, 0), label->parentWidget()->size()).contains(label->geometry())) {
        return name + QStringLiteral("reaches out of its parent");
    }
    return {};
}

void ExpectNothingClipped(QWidget* window) {
    QStringList clipped;
    int labels = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        ++labels;
        if (const QString problem = ClippedText(label); !problem.isEmpty()) clipped << problem;
    }
    QVERIFY2(labels > 0, qPrintable(window->objectName()));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QLabel* Label(QWidget* window, const char* name) { return window->findChild<QLabel*>(QLatin1String(name)); }

}  // namespace

class LabelFittingTest : public QObject {
    Q_OBJECT

private slots:
    void noWindowCutsACaption() { ForEveryWindow(ExpectNothingClipped); }

    // The About box's title is one line with room beside it: it keeps its size and grows.
    void aCaptionWithRoomBesideItGrowsAndKeepsItsSize() {
        Program program;
        AboutBox about(program.app.links());
        QCOMPARE(about.Label2->font().pixelSize(), 13);  // 9.75 points at 96 dots per inch
        QVERIFY(!about.Label2->wordWrap());
        QVERIFY2(about.Label2->width() > 2880 / 15, "designed 192 pixels wide; the stand-in font needs more");
        QCOMPARE(about.Label2->height(), 240 / 15);
    }

    // "Western Zodiac Sign" meets its text box: it grows up to the box, then shrinks.
    void aCaptionWithoutRoomShrinksItsFont() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* result = program.app.loadedResultWindow();
        QLabel* caption = Label(result, "Label14");
        QVERIFY(caption->font().pixelSize() < 13);
        QVERIFY(caption->geometry().right() < result->txtMaleWesternZodiacSign->geometry().left());
        // A two-line caption shrinks to fit its height.
        QVERIFY(Label(result, "Label12")->wordWrap());
        QVERIFY(Label(result, "Label12")->font().pixelSize() < 13);
    }

    void fittingGrowsIntoFreeSpaceBeforeItShrinks() {
        QWidget window;
        window.resize(300, 100);
        const QString text = QStringLiteral("Western Zodiac Sign");  // about 134 pixels at 13
        auto* roomy = new QLabel(text, &window);
        roomy->setFont(VerdanaFont(9.75, true));
        roomy->setGeometry(0, 0, 60, 20);
        auto* cramped = new QLabel(text, &window);
        cramped->setFont(VerdanaFont(9.75, true));
        cramped->setGeometry(0, 40, 60, 20);
        auto* neighbour = new QWidget(&window);
        neighbour->setGeometry(120, 40, 100, 20);
        FitLabels(&window);
        QCOMPARE(roomy->font().pixelSize(), 13);
        QVERIFY(roomy->width() >= QFontMetrics(roomy->font()).horizontalAdvance(text));
        QVERIFY(cramped->font().pixelSize() < 13);
        QVERIFY(cramped->geometry().right() < neighbour->geometry().left());
        QVERIFY(QFontMetrics(cramped->font()).horizontalAdvance(text) <= cramped->width());
    }
};

QTEST_MAIN(LabelFittingTest)
#include "label_fitting_test.moc"

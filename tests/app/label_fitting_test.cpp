// The windows as a person sees them, at the scale the test runs at (it runs at
// 1, 1.5 and 2): no caption and no list entry cut off, in the fonts this
// machine has; every window on the screen, even one larger than the screen;
// pictures as sharp as the scale allows.
#include "look/label_fitting.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>
#include <cmath>

#include "look/fonts.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/result_window.h"
#include "tests/app/every_window.h"
#include "tests/report/report_test_support.h"

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

// Every entry against the room the style gives a closed list's text, left of
// its drop-down arrow.
QStringList ClippedEntries(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = true;
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    QStringList clipped;
    if (field.intersects(arrow)) clipped << list->objectName() + QStringLiteral(": its text runs under the arrow");
    for (int i = 0; i < list->count(); ++i) {
        const int needed = QFontMetrics(list->font()).horizontalAdvance(list->itemText(i));
        if (needed > field.width() - 2) {
            clipped << QStringLiteral("%1 \"%2\" needs %3 in %4")
                           .arg(list->objectName(), list->itemText(i))
                           .arg(needed)
                           .arg(field.width() - 2);
        }
    }
    return clipped;
}

void ExpectNothingClipped(QWidget* window) {
    QStringList clipped;
    int labels = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        ++labels;
        if (const QString problem = ClippedText(label); !problem.isEmpty()) clipped << problem;
    }
    for (const QComboBox* list : window->findChildren<QComboBox*>()) clipped << ClippedEntries(list);
    QVERIFY2(labels > 0, qPrintable(window->objectName()));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QLabel* Label(QWidget* window, const char* name) { return window->findChild<QLabel*>(QLatin1String(name)); }

// Shown, a window is centred on the screen where it fits; on an axis where it
// does not, its top-left corner lies on the screen, so that its title bar and
// menu can be reached. (The offscreen screen is 800x600 pixels: 400x300 at a
// scale of 2, smaller than every window.)
void ExpectOnTheScreen(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QString name = window->objectName();
    if (frame.width() <= screen.width()) {
        QVERIFY2(std::abs(frame.center().x() - screen.center().x()) <= 1, qPrintable(name));
    } else {
        QCOMPARE(frame.left(), screen.left());
    }
    if (frame.height() <= screen.height()) {
        QVERIFY2(std::abs(frame.center().y() - screen.center().y()) <= 1, qPrintable(name));
    } else {
        QCOMPARE(frame.top(), screen.top());
    }
    window->hide();
}

// A picture made for the scale: twice the pixels, drawn in the same room, above a scale of 1.
// A link the keyboard can reach is drawn as the plain label it is, to the pixel,
// on every scale: QLabel draws such a label through a text document otherwise.
void ExpectLinksDrawnPlain(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (LinkLabel* link : window->findChildren<LinkLabel*>()) {
        QLabel plain(link->text(), link->parentWidget());
        plain.setGeometry(link->geometry());
        plain.setFont(link->font());
        plain.setPalette(link->palette());
        plain.setAutoFillBackground(link->autoFillBackground());
        plain.setAlignment(link->alignment());
        plain.setWordWrap(link->wordWrap());
        plain.setTextFormat(Qt::PlainText);
        QVERIFY2(link->grab().toImage() == plain.grab().toImage(), qPrintable(link->objectName()));
    }
    window->hide();
}

void ExpectSharp(const QLabel* picture, QSize size) {
    const qreal ratio = qApp->devicePixelRatio() > 1 ? 2 : 1;
    QVERIFY2(!picture->pixmap().isNull(), qPrintable(picture->objectName()));
    QCOMPARE(picture->pixmap().devicePixelRatio(), ratio);
    QCOMPARE(picture->pixmap().size(), size * ratio);
}

}  // namespace

class LabelFittingTest : public QObject {
    Q_OBJECT

private slots:
    void noWindowCutsACaptionOrAListEntry() { ForEveryWindow(ExpectNothingClipped); }

    void everyWindowLiesOnTheScreen() { ForEveryWindow(ExpectOnTheScreen); }

    void everyLinkIsDrawnAsAPlainLabel() { ForEveryWindow(ExpectLinksDrawnPlain); }

    void thePicturesAreMadeForTheScale() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* result = program.app.LoadedResultWindow();
        ExpectSharp(Child<QLabel>(result, "YourPicture"), {200, 200});
        ExpectSharp(Child<QLabel>(result, "picJapaneseSignSymbol"), {56, 56});
        AboutBox about(program.app.links());
        ExpectSharp(Child<QLabel>(&about, "Picture1"), {32, 32});
        result->close();
        ExpectSharp(Child<QLabel>(program.app.LoadedExitScreen(), "picNagscreen2Icon"), {32, 32});
    }

    // The result's boxes of several lines show whole lines, no top half of the
    // next one at their foot, at the top of the text or scrolled a line down,
    // and no line cut at the right; each stays in the room it was drawn in.
    void theBoxesOfSeveralLinesShowWholeLines_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QRect>("room");
        QTest::newRow("positive traits") << "txtMalePositiveTraits" << Twips{2160, 1560, 4335, 735}.ToPixels();
        QTest::newRow("negative traits") << "txtMaleNegativeTraits" << Twips{2160, 2400, 4335, 735}.ToPixels();
        QTest::newRow("element") << "txtMaleElementDescription" << Twips{120, 800, 2775, 950}.ToPixels();
    }

    void theBoxesOfSeveralLinesShowWholeLines() {
        QFETCH(QString, box);
        QFETCH(QRect, room);
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* result = program.app.LoadedResultWindow();
        QVERIFY(QTest::qWaitForWindowExposed(result));
        auto* lines = result->findChild<QPlainTextEdit*>(box);
        QVERIFY(lines);
        const QTextLayout* layout = lines->document()->firstBlock().layout();
        QVERIFY(layout->lineCount() > 3);
        const qreal pitch = layout->lineAt(1).y() - layout->lineAt(0).y();
        const int viewport = lines->viewport()->height();
        const QString seen = QStringLiteral("a viewport of %1 for lines %2 apart").arg(viewport).arg(pitch);
        QVERIFY2(viewport >= pitch && std::fmod(viewport, pitch) == 0, qPrintable(seen));
        // The top line at the viewport's top, within the pixel by which a line's
        // foot, where a box scrolled down starts, may fall short of its pitch.
        for (const int scrolled : {0, 1}) {
            lines->verticalScrollBar()->setValue(scrolled);
            QTextCursor line(lines->document());
            line.setPosition(layout->lineAt(scrolled).textStart());
            const int top = lines->cursorRect(line).top();
            QVERIFY2(top >= 0 && top <= 1, qPrintable(QStringLiteral("%1 below the top").arg(top)));
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            QVERIFY2(layout->lineAt(i).naturalTextWidth() <= lines->viewport()->width(),
                     qPrintable(QString::number(i)));
        }
        QVERIFY2(
            room.contains(lines->geometry()) && lines->height() > room.height() - pitch,
            qPrintable(
                QStringLiteral("%1 in %2").arg(QVariant(lines->geometry()).toString(), QVariant(room).toString())));
    }

    // The month list was cut at "Decembe" in the stand-in font.
    void theLongestMonthFitsItsList() {
        Program program;
        QComboBox* months = Child<QComboBox>(program.main(), "cboMaleMonth");
        QCOMPARE(months->width(), 1215 / 15);
        QCOMPARE(ClippedEntries(months), QStringList());
        QVERIFY2(months->font().pixelSize() >= 10, "at most a step smaller than the designed 11 pixels");
    }

    // A list opens below itself as a list of a screenful of entries, scrolling
    // through the rest, by keyboard or mouse; not as a menu of all 73 years.
    void aListOpensAsAScrollingScreenful_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("byKeyboard");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("years, by keyboard") << "cboMaleYear" << true << true;
        QTest::newRow("years, by mouse") << "cboMaleYear" << false << true;
        QTest::newRow("days, by mouse") << "CboMaleDate" << false << true;
        QTest::newRow("months, by keyboard") << "cboMaleMonth" << true << false;
    }

    void aListOpensAsAScrollingScreenful() {
        QFETCH(QString, list);
        QFETCH(bool, byKeyboard);
        QFETCH(bool, scrolls);
        Program program;
        MainWindow* window = program.main();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* box = window->findChild<QComboBox*>(list);
        box->setFocus();
        if (byKeyboard) {
            QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
        } else {
            QTest::mouseClick(box, Qt::LeftButton);
        }
        QAbstractItemView* entries = box->view();
        QTRY_VERIFY(entries->isVisible());
        const int rows = entries->viewport()->height() / entries->sizeHintForRow(0);
        const QString seen = QStringLiteral("%1 rows in %2 pixels").arg(rows).arg(entries->window()->height());
        QVERIFY2(rows >= (scrolls ? 10 : box->count()) && rows <= 15, qPrintable(seen));
        QVERIFY2(entries->window()->height() < window->screen()->availableGeometry().height(), qPrintable(seen));
        QCOMPARE(qobject_cast<QAbstractScrollArea*>(entries)->verticalScrollBar()->isVisible(), scrolls);
        box->hidePopup();
    }

    // The About box's title is one line with room beside it: it keeps its size and grows.
    void aCaptionWithRoomBesideItGrowsAndKeepsItsSize() {
        Program program;
        AboutBox about(program.app.links());
        QCOMPARE(Child<QLabel>(&about, "Label2")->font().pixelSize(), 13);  // 9.75 points at 96 dots per inch
        QVERIFY(!Child<QLabel>(&about, "Label2")->wordWrap());
        QVERIFY2(Child<QLabel>(&about, "Label2")->width() > 2880 / 15,
                 "designed 192 pixels wide; the stand-in font needs more");
        QCOMPARE(Child<QLabel>(&about, "Label2")->height(), 240 / 15);
    }

    // "Western Zodiac Sign" meets its text box: it grows up to the box, then shrinks.
    void aCaptionWithoutRoomShrinksItsFont() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* result = program.app.LoadedResultWindow();
        QLabel* caption = Label(result, "Label14");
        QVERIFY(caption->font().pixelSize() < 13);
        QVERIFY(caption->geometry().right() < Child<QLineEdit>(result, "txtMaleWesternZodiacSign")->geometry().left());
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
        FitTexts(&window);
        QCOMPARE(roomy->font().pixelSize(), 13);
        QVERIFY(roomy->width() >= QFontMetrics(roomy->font()).horizontalAdvance(text));
        QVERIFY(cramped->font().pixelSize() < 13);
        QVERIFY(cramped->geometry().right() < neighbour->geometry().left());
        QVERIFY(QFontMetrics(cramped->font()).horizontalAdvance(text) <= cramped->width());
    }
};

QTEST_MAIN(LabelFittingTest)
#include "label_fitting_test.moc"

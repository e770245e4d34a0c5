#include "look/window_style.h"

#include <qdrawutil.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTextEdit>
#include <array>

#include "look/colours.h"
#include "look/image_list.h"

namespace zodiac {
namespace {

// The focus mark: 2 pixels of orange just inside the control's edge, where
// Fusion's own mark, a faint line in the highlight colour, is lost on our blue.
void MarkFocus(QPainter* painter, const QRect& rect) {
    painter->save();
    painter->setPen(QPen(colour::kOrange, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

// The boxes and lists whose frame carries the focus mark: Fusion shows a list's
// focus (the file lists of the save dialog) no more than a box's of several lines.
bool MarksFocusOnFrame(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget);
}

// Fusion's group box frame is a picture of a grey edge around a faint black
// shade; over our blue the shade draws the inside in RGB(14, 41, 126), not the
// windows' RGB(14, 41, 128). The edge alone is kept.
QPixmap GroupBoxFrame() {
    QImage frame =
        CompiledPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png")).toImage();
    if (frame.isNull()) return {};
    frame = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < frame.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (qRed(line[x]) == 0 && qGreen(line[x]) == 0 && qBlue(line[x]) == 0) line[x] = 0;
        }
    }
    return QPixmap::fromImage(frame);
}

// The picture's corners as they are and its edges stretched between them. Its
// inside is clear; stretched over the whole frame, it would cost a scaled
// drawing as large as the frame for nothing.
void DrawEdges(QPainter* painter, const QRect& target, const QPixmap& frame) {
    constexpr int kMargin = 6;
    if (target.width() < 2 * kMargin || target.height() < 2 * kMargin) {
        // Too small for whole corners: Qt's own way of squeezing them in.
        qDrawBorderPixmap(painter, target, QMargins(kMargin, kMargin, kMargin, kMargin), frame);
        return;
    }
    // Where the left, middle and right columns (or the top, middle and bottom
    // rows) start, and how wide they are, in a span from `start` of `length`.
    struct Span {
        int start, length;
    };
    const auto thirds = [](int start, int length, int margin) {
        return std::array<Span, 3>{Span{start, margin}, Span{start + margin, length - 2 * margin},
                                   Span{start + length - margin, margin}};
    };
    const auto columns = thirds(target.left(), target.width(), kMargin);
    const auto rows = thirds(target.top(), target.height(), kMargin);
    // The picture's own pixels, twice as many on a picture made for scale 2.
    const int margin = qRound(kMargin * frame.devicePixelRatio());
    const auto fromColumns = thirds(0, frame.width(), margin), fromRows = thirds(0, frame.height(), margin);
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            if (row == 1 && column == 1) continue;
            painter->drawPixmap(QRect(columns[column].start, rows[row].start, columns[column].length, rows[row].length),
                                frame,
                                QRect(fromColumns[column].start, fromRows[row].start, fromColumns[column].length,
                                      fromRows[row].length));
        }
    }
}

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void UseWindowStyle() {
    // The menus stay in their window, whose height counts them, on every desktop.
    // Asking for a desktop's global menu bar would also wait for an answer from
    // the session bus before the first window could be shown.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    if (!dynamic_cast<WindowStyle*>(QApplication::style())) QApplication::setStyle(new WindowStyle);
}

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    const char* direction = icon == SP_ToolBarHorizontalExtensionButton ? "h"
                            : icon == SP_ToolBarVerticalExtensionButton ? "v"
                                                                        : nullptr;
    if (direction) {
        QIcon arrows;
        for (const int size : {8, 16, 32}) {
            const QPixmap arrow =
                CompiledPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png")
                                .arg(QLatin1String(direction))
                                .arg(size));
            if (!arrow.isNull()) arrows.addPixmap(arrow);
        }
        if (!arrows.isNull()) return arrows;
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    // Fusion marks only a one-line box's focus, in a blue lost on our own; the
    // boxes of several lines and the lists get none.
    const bool focusedFrame = (element == PE_FrameLineEdit || element == PE_Frame) && (option->state & State_HasFocus);
    if (focusedFrame && MarksFocusOnFrame(widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        MarkFocus(painter, option->rect);
        return;
    }
    static const QPixmap frame = GroupBoxFrame();
    if (element != PE_FrameGroupBox || frame.isNull())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // As Fusion draws it: below the title, if there is one, the picture stretched between 6-pixel margins.
    constexpr int kTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
                        ? kTopMargin
                        : qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + kTopMargin;
    DrawEdges(painter, option->rect.adjusted(0, top, 0, 0), frame);
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (!(option->state & State_HasFocus)) return;
    if (element == CE_PushButton) MarkFocus(painter, option->rect);
    // A label takes the focus only as a link (LinkLabel), which Fusion leaves unmarked.
    if (element == CE_ShapedFrame && qobject_cast<const QLabel*>(widget)) MarkFocus(painter, option->rect);
    if (element == CE_CheckBox || element == CE_RadioButton) {
        // Around the box and its caption, not the whole width the control was given.
        const bool check = element == CE_CheckBox;
        const QRect around =
            subElementRect(check ? SE_CheckBoxIndicator : SE_RadioButtonIndicator, option, widget)
                .united(subElementRect(check ? SE_CheckBoxFocusRect : SE_RadioButtonFocusRect, option, widget));
        MarkFocus(painter, around.adjusted(-2, -2, 2, 2).intersected(option->rect));
    }
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    // The tool buttons of Qt's own dialogs (a folder up, a new folder, the
    // printer file's "...") get Fusion's faint mark otherwise.
    if ((control == CC_ComboBox || control == CC_ToolButton) && (option->state & State_HasFocus))
        MarkFocus(painter, option->rect);
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    // Fusion opens a drop-down list as a menu of every entry, 73 years as tall as
    // the screen, and ignores the list's most visible entries; a plain popup list
    // shows that many and scrolls.
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    // Room inside the frame of a box of several lines, or of a list, for its
    // focus mark, which its text would otherwise cover.
    if (metric == PM_DefaultFrameWidth && !qobject_cast<const QLineEdit*>(widget) && MarksFocusOnFrame(widget))
        return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                  const QWidget* widget) const {
    const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !list || list->editable || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
        return QProxyStyle::subControlRect(control, option, part, widget);
    // Fusion gives the arrow 19 pixels and the text 2 more of padding; the arrow
    // itself is 8 wide, so 12 keep it clear of the frame and of the text.
    constexpr int kArrow = 12, kFrame = 2, kIndent = 1;
    const QRect box = option->rect;
    const QRect rect = part == SC_ComboBoxArrow
                           ? QRect(box.right() - kArrow + 1, box.top(), kArrow, box.height())
                           : QRect(box.left() + kFrame + kIndent, box.top() + kFrame,
                                   box.width() - kArrow - 2 * kFrame - kIndent, box.height() - 2 * kFrame);
    return visualRect(option->direction, box, rect);
}

}  // namespace zodiac

#include "look/link_label.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOption>

#include "look/accessible_roles.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/image_list.h"

namespace zodiac {
namespace {

const QCursor& HandCursor() {
    static const QCursor cursor{CompiledPng(QStringLiteral(":/link_cursor.png")), 11, 1};
    return cursor;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, double points, QWidget* parent) : QLabel(text, parent) {
    setFont(VerdanaFont(points, true, true));
    SetTextColour(this, colour::kOrange);
    setTextFormat(Qt::PlainText);
    SetAccessibleRole(this, QAccessible::Link);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    // Made when the mouse first comes, not with every window: most labels are never pointed at.
    if (!testAttribute(Qt::WA_SetCursor)) setCursor(HandCursor());
    QLabel::enterEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
    // An offer may lie under another in the same place: the one with the focus shows.
    raise();
    QLabel::focusInEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (!opens || (event->modifiers() & ~Qt::KeypadModifier)) return QLabel::keyPressEvent(event);
    if (!event->isAutoRepeat()) emit Clicked();  // held down, it opens once
    event->accept();
}

void LinkLabel::paintEvent(QPaintEvent*) {
    // As QLabel draws plain text. A label that may take the focus draws through
    // a text document instead, which sets the text a pixel higher on a scaled
    // screen: a link looks the same whether the keyboard reaches it or not.
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    const bool rightToLeft = text().isRightToLeft();
    const int flags = QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment()) |
                      Qt::TextExpandTabs | (wordWrap() ? Qt::TextWordWrap : 0) |
                      (rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    style()->drawItemText(&painter, contentsRect().adjusted(margin(), margin(), -margin(), -margin()), flags,
                          option.palette, isEnabled(), text(), foregroundRole());
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    // QWidget hands a double click on as a press. Qt makes the second press of a
    // double click a double click, but a third comes as a press again: one close
    // enough in time and place to the last belongs to the same click.
    if (event->button() == Qt::LeftButton) {
        const QStyleHints* hints = QGuiApplication::styleHints();
        const bool sameClick =
            event->type() == QEvent::MouseButtonDblClick ||
            (lastPress_ != 0 &&
             event->timestamp() - lastPress_ < static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
             (event->position() - lastPressAt_).manhattanLength() <= hints->mouseDoubleClickDistance());
        lastPress_ = event->timestamp();
        lastPressAt_ = event->position();
        pressed_ = !sameClick;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit Clicked();
}

void FocusAfter(QWidget* last, std::initializer_list<LinkLabel*> links) {
    // What the window gives the focus to when it opens: its first control.
    QWidget* const window = last->window();
    QWidget* first = window->focusWidget() ? window->focusWidget() : window->nextInFocusChain();
    while (first != window && !(first->focusPolicy() & Qt::TabFocus)) first = first->nextInFocusChain();
    for (LinkLabel* link : links) {
        // Not by a click, which opens the page and would leave a focus mark behind.
        link->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(last, link);
        last = link;
    }
    // Qt's focus chain is a ring, which the window itself is part of: a link made
    // before `last` already follows it round the ring, and stays where it was, so
    // the window would open with the focus on it.
    if (first != window && !window->focusWidget()) first->setFocus();
}

}  // namespace zodiac

#include "look/link_label.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

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
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    // Made when the mouse first comes, not with every window: most labels are never pointed at.
    if (!testAttribute(Qt::WA_SetCursor)) setCursor(HandCursor());
    QLabel::enterEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace zodiac

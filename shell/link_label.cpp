#include "shell/link_label.h"

#include <QBitmap>
#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

#include "shell/colours.h"
#include "shell/fonts.h"

namespace zodiac {
namespace {

const QCursor& HandCursor() {
    static const QCursor cursor{QPixmap(QStringLiteral(":/link_cursor.png")), 11, 1};
    return cursor;
}

}  // namespace

LinkLabel::LinkLabel(const QString& text, double points, QWidget* parent) : QLabel(text, parent) {
    setFont(VerdanaFont(points, true, true));
    SetTextColour(this, colour::kOrange);
    setTextFormat(Qt::PlainText);
    setCursor(HandCursor());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace zodiac

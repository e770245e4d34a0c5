#include "look/text_boxes.h"

#include <QEvent>
#include <QLineEdit>
#include <QTextLayout>
#include <QtMath>

namespace zodiac {
namespace {

// The distance from one line to the next as the box lays out its text: the
// font's ascent and descent, each whole, and its leading. QFontMetrics rounds
// their sum instead, a pixel short for some sizes.
int LinePitch(const QFont& font) {
    QTextLayout layout(QStringLiteral("X"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    return qMax(1, qCeil(line.height()));
}

}  // namespace

QString BoxText(const QObject* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) return lines->toPlainText();
    return {};
}

void SetBoxText(QObject* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(text);
    }
}

WholeLinesBox::WholeLinesBox() {
    // A margin above the first line would leave that much of the next line
    // showing at the foot once the box is scrolled, which puts the first line
    // under the top edge. (Margins of the viewport instead leave the text laid
    // out wider than the viewport while the box is hidden.)
    document()->setDocumentMargin(0);
}

void WholeLinesBox::FitInto(const QRect& room) {
    room_ = room;
    Fit();
}

void WholeLinesBox::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Fit();
}

void WholeLinesBox::Fit() {
    if (!room_.isValid()) return;
    const int frame = 2 * frameWidth();
    const int pitch = LinePitch(font());
    const int lines = qMax(1, (room_.height() - frame) / pitch);
    const int height = qMin(room_.height(), lines * pitch + frame);
    setGeometry(room_.x(), room_.y() + (room_.height() - height) / 2, room_.width(), height);
}

}  // namespace zodiac

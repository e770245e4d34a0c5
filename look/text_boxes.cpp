#include "look/text_boxes.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace zodiac {

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

}  // namespace zodiac

#pragma once

#include <QString>

class QObject;

namespace zodiac {

// The text of a one-line or multi-line box; a one-line box shows its start.
QString BoxText(const QObject* box);
void SetBoxText(QObject* box, const QString& text);

}  // namespace zodiac

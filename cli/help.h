#pragma once

#include <QByteArray>
#include <QString>

namespace zodiac::cli {

// What --help prints: the program's, or one command's.
QByteArray UsageText();
QByteArray CommandHelp(const QString& command);

}  // namespace zodiac::cli

#pragma once

#include <QByteArray>

namespace zodiac::cli {

struct CommandSpec;

// What --help prints: the program's, or one command's, from the commands' table.
QByteArray UsageText();
QByteArray CommandHelp(const CommandSpec& command);

}  // namespace zodiac::cli

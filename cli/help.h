#pragma once

#include <QByteArray>

namespace zodiac::cli {

struct CommandInfo;

// What --help prints: the program's, or one command's, from the commands' table.
QByteArray UsageText();
QByteArray CommandHelp(const CommandInfo& command);

}  // namespace zodiac::cli

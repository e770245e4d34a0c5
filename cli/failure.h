#pragma once

#include <QString>

#include "cli/exit_status.h"

namespace zodiac::cli {

// Ends a command: its exit status and the one line that says why. An empty
// message ends it quietly.
struct Failure {
    int status;
    QString message;
};

[[noreturn]] inline void BadInput(const QString& message) { throw Failure{kBadInput, message}; }

}  // namespace zodiac::cli

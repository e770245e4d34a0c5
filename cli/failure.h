#pragma once

#include <QString>
#include <QStringList>

#include "cli/exit_status.h"

namespace zodiac::cli {

// Ends a command: its exit status and the one line that says why. An empty
// message ends it quietly.
struct Failure {
    int status;
    QString message;
};

[[noreturn]] inline void BadInput(const QString& message) { throw Failure{kBadInput, message}; }

// Choices as a message lists them: "a", "a or b", "a, b or c".
inline QString Alternatives(const QStringList& names) {
    if (names.size() < 2) return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + names.last();
}

}  // namespace zodiac::cli

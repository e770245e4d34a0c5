#include "cli/streams.h"

#include <QByteArray>

#include "cli/escaping.h"
#include "cli/failure.h"
#include "os/file_writing.h"
#include "os/standard_streams.h"

namespace zodiac::cli {
namespace {

constexpr qsizetype kChunk = 1 << 16;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

StandardOutput::StandardOutput(bool closed) : closed_(closed) {
    buffer_.reserve(2 * kChunk);
    // A pipe that holds a few of our writes lets the reader drain one while the
    // next is made, rather than each write waiting for the pipe to empty.
    PrepareStandardOutput(16 * kChunk);
}

void StandardOutput::Write(QByteArrayView bytes) {
    buffer_.append(bytes);
    Written();
}

void StandardOutput::Written() {
    if (buffer_.size() >= kChunk) Finish();
}

void StandardOutput::Finish() {
    if (file_) {
        const WriteResult written = file_->Write(buffer_);
        buffer_.truncate(0);
        if (!written.ok()) throw NotWrittenTo(fileName_, written.reason());
        return;
    }
    if (closed_ && !buffer_.isEmpty()) {
        throw Failure{kNotWritten, QStringLiteral("cannot write to standard output: it is closed")};
    }
    const WriteResult written = WriteStandardOutput(buffer_);
    // Emptied, not freed: a buffer given back and taken again at every write
    // costs the system fresh pages each time.
    buffer_.truncate(0);
    if (!written.ok())
        throw Failure{kNotWritten, QStringLiteral("cannot write to standard output: ") + written.reason()};
}

void StandardOutput::Into(FileWriter* file, const QString& name) {
    buffer_.truncate(0);
    file_ = file;
    fileName_ = name;
}

Failure NotWrittenTo(const QString& path, const QString& reason, const QString& what) {
    return Failure{kNotWritten,
                   QStringLiteral("cannot write %1to %2: %3")
                       .arg(what.isEmpty() ? QString() : what + QLatin1Char(' '), ShownPath(path), ShownPath(reason))};
}

void ReadLines(bool closed, qsizetype longest, const std::function<void(qsizetype, QByteArrayView, bool)>& line,
               const std::function<void()>& waiting) {
    if (closed) BadInput(QStringLiteral("cannot read the dates from standard input: it is closed"));
    QByteArray text;             // the current line, from its first non-blank byte to its last
    QByteArray blanks;           // the blanks after it, taken in only when more of the line follows
    bool tooManyBlanks = false;  // more than a line may hold: only counted, never kept
    qsizetype number = 1;
    text.reserve(longest + 1);
    const auto end = [&] {
        if (!text.isEmpty()) line(number, text, false);
        text.clear();
        blanks.clear();
        tooManyBlanks = false;
        ++number;
    };
    const auto take = [&](char c) {
        if (c == '\n') return end();
        if (IsBlank(c)) {
            if (text.isEmpty()) return;
            if (text.size() + blanks.size() < longest) {
                blanks.append(c);
            } else {
                tooManyBlanks = true;
            }
            return;
        }
        if (tooManyBlanks || text.size() + blanks.size() >= longest) line(number, text, true);  // refused there
        text.append(blanks).append(c);
        blanks.clear();
    };
    // An editor's byte-order mark may open the stream; bytes that only begin
    // like one are taken as they are.
    qsizetype marked = 0;
    bool pastTheMark = false;
    const auto unmark = [&] {
        pastTheMark = true;
        for (qsizetype i = 0; i < marked; ++i) take(kByteOrderMark[i]);
    };
    char buffer[kChunk];
    for (;;) {
        if (waiting && StandardInputWouldWait()) waiting();
        QString failure;
        const std::optional<qsizetype> n = ReadStandardInput(buffer, sizeof buffer, failure);
        if (!n) BadInput(QStringLiteral("cannot read the dates from standard input: ") + failure);
        if (*n == 0) break;
        for (const char c : QByteArrayView(buffer, *n)) {
            if (!pastTheMark) {
                if (c == kByteOrderMark[marked]) {
                    pastTheMark = ++marked == kByteOrderMark.size();
                    continue;
                }
                unmark();
            }
            take(c);
        }
    }
    if (!pastTheMark) unmark();
    end();
}

}  // namespace zodiac::cli

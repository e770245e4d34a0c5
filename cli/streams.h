#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

namespace zodiac {
class FileWriter;
}

namespace zodiac::cli {

struct Failure;

// Standard output, buffered, every write checked: a failure ends the command
// with kNotWritten and the reason. A reader that has gone ends the process at
// once, by SIGPIPE, as it ends other tools in a pipeline.
class StandardOutput {
public:
    explicit StandardOutput(bool closed);
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    void Write(QByteArrayView bytes);
    QByteArray& Buffer() { return buffer_; }  // append, then call Written()
    void Written();
    // Everything written so far reaches the descriptor, or the file.
    void Finish();
    // From now on, what is written goes to `file` (opened; standard output again
    // when null), which messages call `name`. What was not finished is dropped.
    void Into(FileWriter* file, const QString& name);

private:
    bool closed_;
    QByteArray buffer_;
    FileWriter* file_ = nullptr;
    QString fileName_;
};

// A write of `what` ("the report") to `path` that failed for `reason`, as the
// command line reports it.
Failure NotWrittenTo(const QString& path, const QString& reason, const QString& what = {});

// Standard input a line at a time, with blanks trimmed, empty lines skipped and
// one byte-order mark at the start skipped: `line` gets each line's number and
// text as soon as the line has been read. A line longer than `longest` bytes
// (blanks between its words counted, blanks after it not) can be nothing the
// caller takes, so `line` gets it at once, cut there, with `cut` set, and must
// refuse it: a stream that never ends a line is not read for ever, and a line of
// any length costs no more than `longest` bytes. `waiting` is called whenever the
// next read would wait for more input, so that what has been answered reaches
// the reader then, while a stream that comes faster than it is read is answered
// in large writes. A read error ends the command as bad input.
void ReadLines(bool closed, qsizetype longest,
               const std::function<void(qsizetype number, QByteArrayView text, bool cut)>& line,
               const std::function<void()>& waiting = {});

}  // namespace zodiac::cli

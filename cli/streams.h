#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <functional>

namespace zodiac::cli {

// Which of standard input, output and error the program was started without.
// Each is then opened on /dev/null, so that no file the program opens later can
// take its number and receive what was meant for the terminal.
struct StandardStreams {
    bool inputClosed = false;
    bool outputClosed = false;
};
StandardStreams OpenStandardStreams();

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
    // Everything written so far reaches the descriptor.
    void Finish();

private:
    bool closed_;
    QByteArray buffer_;
};

// Standard input a line at a time, with blanks trimmed, empty lines skipped and
// one byte-order mark at the start skipped: `line` gets each line's number and
// text. A line longer than `longest` bytes can be nothing the caller takes, so
// `line` gets it at once, cut there, with `cut` set, and must refuse it: a
// stream that never ends a line is not read for ever. A read error ends the
// command as bad input.
void ReadLines(bool closed, qsizetype longest,
               const std::function<void(qsizetype number, QByteArrayView text, bool cut)>& line);

}  // namespace zodiac::cli

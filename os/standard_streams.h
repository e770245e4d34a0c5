#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "os/file_writing.h"

namespace zodiac {

// Which of standard input and output the program was started without. Each is
// then open on /dev/null, so that no file the program opens later can take its
// number and receive what was meant for the terminal.
struct StandardStreams {
    bool inputClosed = false;
    bool outputClosed = false;
};
// Nothing when a closed one could not be put on /dev/null.
std::optional<StandardStreams> OpenStandardStreams();

// Past a file-size limit (ulimit -f) a write then fails with EFBIG, which the
// command line and the windows' Save report, leaving the old file as it was,
// rather than the kernel ending the program without a word.
void IgnoreFileSizeLimitSignal();

// Readies standard output for a stream of writes: a reader that has gone ends
// the process at once, by SIGPIPE, as it ends other tools in a pipeline, and a
// pipe is asked to hold `pipeBytes`, so that the reader drains one write while
// the next is made (only a wish: a pipe that stays at its size is as good, if slower).
void PrepareStandardOutput(int pipeBytes);

WriteResult WriteStandardOutput(QByteArrayView bytes);

// One read of standard input into `buffer`: how many bytes came, 0 at its end,
// or nothing and then `failure` says why.
std::optional<qsizetype> ReadStandardInput(char* buffer, qsizetype size, QString& failure);

// Whether a read of standard input would wait: nothing is there yet, and its
// writer has not gone. A file or an error never waits.
bool StandardInputWouldWait();

}  // namespace zodiac

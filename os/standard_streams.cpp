#include "os/standard_streams.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace zodiac {

std::optional<StandardStreams> OpenStandardStreams() {
    bool closed[3] = {};
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        closed[fd] = true;
        // The lowest free number: this very one, as the lower ones are open.
        if (::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) != fd) return std::nullopt;
        // So that -o /dev/stdout is refused as plain standard output is.
        MarkClosedAtStart(fd);
    }
    return StandardStreams{closed[0], closed[1]};
}

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

void PrepareStandardOutput(int pipeBytes) {
    // A parent (a Qt program, a shell script) may have left SIGPIPE ignored.
    std::signal(SIGPIPE, SIG_DFL);
    struct stat out {};
    if (::fstat(STDOUT_FILENO, &out) == 0 && S_ISFIFO(out.st_mode))
        (void)::fcntl(STDOUT_FILENO, F_SETPIPE_SZ, pipeBytes);
}

WriteResult WriteStandardOutput(QByteArrayView bytes) { return WriteAll(STDOUT_FILENO, bytes); }

std::optional<qsizetype> ReadStandardInput(char* buffer, qsizetype size, QString& failure) {
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, static_cast<std::size_t>(size));
        if (n >= 0) return n;
        if (errno == EINTR) continue;
        failure = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
}

bool StandardInputWouldWait() {
    pollfd ready{STDIN_FILENO, POLLIN, 0};
    int n = 0;
    do n = ::poll(&ready, 1, 0);
    while (n < 0 && errno == EINTR);
    return n == 0;
}

}  // namespace zodiac

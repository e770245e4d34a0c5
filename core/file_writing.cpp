#include "core/file_writing.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace zodiac {
namespace {

// Paths under /dev and /proc name devices and open descriptors, even when one
// of them leads to a regular file (/dev/stdout redirected to one).
bool WrittenInPlace(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return false;  // a new file
    if (S_ISDIR(status.st_mode)) return false;  // refused by the replace, with its reason
    return !S_ISREG(status.st_mode) || path.startsWith(QLatin1String("/dev/")) ||
           path.startsWith(QLatin1String("/proc/"));
}

}  // namespace

std::optional<QString> WriteAll(int descriptor, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return QString::fromLocal8Bit(std::strerror(n < 0 ? errno : ENOSPC));
        done += n;
    }
    return std::nullopt;
}

std::optional<QString> WriteWholeFile(const QString& path, QByteArrayView bytes) {
    if (WrittenInPlace(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
        return WriteAll(file.handle(), bytes);
    }
    // The bytes go to the new copy by write(2), each call checked, so that a
    // failure says why; QSaveFile's own buffered write does not, and Qt 6.4's
    // commit() misses a failed flush and would rename a cut copy over the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    if (auto failure = WriteAll(file.handle(), bytes); failure || !file.flush()) {
        file.cancelWriting();
        return failure ? *failure : file.errorString();
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace zodiac

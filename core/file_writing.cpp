#include "core/file_writing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace zodiac {
namespace {

WriteResult Failed(int error) { return WriteResult::Failed(QString::fromLocal8Bit(std::strerror(error))); }

// The descriptor of this process that `path` names: /dev/stdout, /dev/fd/N,
// /proc/self/fd/N, or a link leading to one. Such a path is written through the
// descriptor, at the offset the shell left: opened again it would start at 0,
// and truncated it would lose what `>>` kept or an earlier command put there.
std::optional<int> OurDescriptor(const QString& path) {
    static const QRegularExpression descriptorFolder(QStringLiteral("^/proc/(\\d+)(/task/\\d+)?/fd$"));
    static const QRegularExpression number(QStringLiteral("^(0|[1-9]\\d{0,8})$"));
    const auto inside = [](const std::string& folder, const std::string& name) {
        return (folder == "/" ? std::string() : folder) + '/' + name;
    };
    std::string current = QFile::encodeName(path).toStdString();
    for (int links = 0; links < 40; ++links) {
        const auto slash = current.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : current.substr(0, slash);
        const std::string name = slash == std::string::npos ? current : current.substr(slash + 1);
        char real[PATH_MAX];
        if (name.empty() || ::realpath(folder.c_str(), real) == nullptr) return std::nullopt;
        const QString realFolder = QFile::decodeName(real);
        const auto match = descriptorFolder.match(realFolder);
        if (match.hasMatch() && match.captured(1).toLongLong() == ::getpid()) {
            const auto digits = number.match(QFile::decodeName(name.c_str()));
            return digits.hasMatch() ? std::optional<int>(digits.captured(1).toInt()) : std::nullopt;
        }
        // Another process's descriptors, and /proc's other links, are no link to follow by their text.
        if (realFolder.startsWith(QLatin1String("/proc/"))) return std::nullopt;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(inside(real, name).c_str(), target, sizeof target);
        // Not a link: the path names a file of its own.
        if (length <= 0 || static_cast<size_t>(length) == sizeof target) return std::nullopt;
        const std::string followed(target, static_cast<size_t>(length));
        current = followed.front() == '/' ? followed : inside(real, followed);
    }
    return std::nullopt;
}

// Writes through a descriptor the program was started with. One that closes on
// exec is the program's own (Qt's event loop, the display's connection), never
// the user's: it is taken as not open.
WriteResult WriteThrough(int descriptor, QByteArrayView bytes) {
    const int flags = ::fcntl(descriptor, F_GETFD);
    if (flags < 0) return Failed(errno);
    if (flags & FD_CLOEXEC) return Failed(EBADF);
    return WriteAll(descriptor, bytes);
}

// Devices and FIFOs: written into as they stand, never created or truncated.
WriteResult WriteInto(const QByteArray& path, QByteArrayView bytes) {
    const int descriptor = ::open(path.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return Failed(errno);
    WriteResult written = WriteAll(descriptor, bytes);
    if (::close(descriptor) != 0 && errno != EINTR && written.ok()) written = Failed(errno);
    return written;
}

// The new copy takes on the replaced file's owner and group where this process
// may set them (root may; others keep their own), and its permission bits, as
// an editor's save does. Qt 6.4 gives root's copy of a read-only file the owner
// write bit, drops the set-id bits, and leaves ownership to whoever saves.
// What cannot be kept is never made wider: an owner or group not kept loses its
// set-id bit, and a group not kept gets no more than everyone else.
WriteResult KeepWhatItWas(int descriptor, const struct stat& old) {
    if (::fchown(descriptor, old.st_uid, old.st_gid) != 0) {
        // The group alone, where the saver belongs to it; what stays unset is seen below.
        (void)::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid);
    }
    struct stat now {};
    if (::fstat(descriptor, &now) != 0) return Failed(errno);
    mode_t mode = old.st_mode & 07777;
    if (now.st_uid != old.st_uid) mode &= ~S_ISUID;
    if (now.st_gid != old.st_gid) mode &= ~(S_ISGID | (S_IRWXG & ~((mode & S_IRWXO) << 3)));
    // A file system without Unix modes (FAT) may refuse some; the copy then has what it allows.
    if (::fchmod(descriptor, mode) != 0 && errno != EPERM) return Failed(errno);
    return WriteResult::Done();
}

// Why the new copy could not be made: when the folder will not take it, though
// the file itself might be written, the folder is the one to name.
QString NoCopy(const QString& path, bool replacing, const QString& reason) {
    const QFileInfo file(path);
    const QString target = replacing ? file.canonicalFilePath() : QString();
    const QString folder = QFileInfo(target.isEmpty() ? file.absoluteFilePath() : target).absolutePath();
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0 ||
        (errno != EACCES && errno != EPERM && errno != EROFS)) {
        return reason;
    }
    return QStringLiteral("the folder %1 does not let a new %2 be made there (%3)")
        .arg(folder, replacing ? QStringLiteral("copy") : QStringLiteral("file"), reason);
}

}  // namespace

WriteResult WriteAll(int descriptor, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Failed(n < 0 ? errno : ENOSPC);
        done += n;
    }
    return WriteResult::Done();
}

WriteResult WriteWholeFile(const QString& path, QByteArrayView bytes) {
    if (const auto descriptor = OurDescriptor(path)) return WriteThrough(*descriptor, bytes);
    const QByteArray name = QFile::encodeName(path);
    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    // Decided by what the path is, not where it lives: /dev/shm holds regular files.
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) return WriteInto(name, bytes);
    const bool replacing = exists && S_ISREG(old.st_mode);
    // The bytes go to the new copy by write(2), each call checked, so that a
    // failure says why; QSaveFile's own buffered write does not, and Qt 6.4's
    // commit() misses a failed flush and would rename a cut copy over the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const bool refusedFile = replacing && !QFileInfo(path).isWritable();  // Qt's reason names the file
        return WriteResult::Failed(refusedFile ? file.errorString() : NoCopy(path, replacing, file.errorString()));
    }
    WriteResult written = WriteAll(file.handle(), bytes);
    // After the bytes, as a write by anyone but root clears the set-user-ID bit.
    if (written.ok() && replacing) written = KeepWhatItWas(file.handle(), old);
    if (written.ok() && !file.flush()) written = WriteResult::Failed(file.errorString());
    if (!written.ok()) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit()) return WriteResult::Failed(file.errorString());
    return WriteResult::Done();
}

}  // namespace zodiac

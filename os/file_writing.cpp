#include "os/file_writing.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace zodiac {
namespace {

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
WriteResult Failed(int error) { return WriteResult::Failed(Reason(error)); }

// The descriptors 0 to 31 the program found closed at start, a bit each.
std::atomic<unsigned> closedAtStart{0};

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

// Whether a descriptor the program was started with may be written through.
// One that closes on exec is the program's own (Qt's event loop, the display's
// connection), never the user's: it is taken as not open. One the program found
// closed holds only /dev/null, which would swallow the bytes: it is refused as
// closed.
WriteResult Usable(int descriptor) {
    if (descriptor < 32 && (closedAtStart.load() & (1u << descriptor)) != 0) {
        static const char* const names[] = {"standard input", "standard output", "standard error"};
        return WriteResult::Failed((descriptor < 3 ? QString::fromLatin1(names[descriptor])
                                                   : QStringLiteral("descriptor %1").arg(descriptor)) +
                                   QStringLiteral(" is closed"));
    }
    const int flags = ::fcntl(descriptor, F_GETFD);
    if (flags < 0) return Failed(errno);
    if (flags & FD_CLOEXEC) return Failed(EBADF);
    return WriteResult::Done();
}

// The file a path that does not exist yet would make: through a link that
// leads nowhere, the link's target, as a shell's `>` makes it.
std::string Followed(std::string path) {
    for (int links = 0; links < 40; ++links) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || static_cast<size_t>(length) == sizeof target) return path;
        std::string followed(target, static_cast<size_t>(length));
        const auto slash = path.rfind('/');
        if (followed.front() != '/' && slash != std::string::npos) followed.insert(0, path.substr(0, slash + 1));
        path = std::move(followed);
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A folder as a message names it: whole, from the root.
QString FolderName(const std::string& folder) {
    char real[PATH_MAX];
    return QFile::decodeName(::realpath(folder.c_str(), real) ? real : folder.c_str());
}

// The kernel's own file systems: a file there is no file to replace, and no
// copy can be made beside it (creating one in /proc says "No such file").
const char* KernelFileSystem(const std::string& folder) {
    struct statfs system {};
    if (::statfs(folder.c_str(), &system) != 0) return nullptr;
    if (system.f_type == PROC_SUPER_MAGIC) return "proc";
    if (system.f_type == SYSFS_MAGIC) return "sysfs";
    return nullptr;
}

// A new file beside `target`, named after it and no other file, open for writing.
int MakeCopy(const std::string& target, mode_t mode, std::string& copy) {
    // Cut short so that the suffix never makes too long a name.
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = target.substr(folder.size(), 200);
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        copy = folder + name + '.';
        for (int i = 0; i < 6; ++i) copy += kLetters[QRandomGenerator::global()->bounded(62)];
        const int descriptor = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

// The new copy takes on the replaced file's owner and group where this process
// may set them (root may; others keep their own), and its permission bits, as
// an editor's save does.
// What cannot be kept is never made wider: an owner or group not kept loses its
// set-id bit, and a group not kept gets no more than everyone else.
WriteResult KeepWhatItWas(int descriptor, unsigned mode, uid_t owner, gid_t group) {
    if (::fchown(descriptor, owner, group) != 0) {
        // The group alone, where the saver belongs to it; what stays unset is seen below.
        (void)::fchown(descriptor, static_cast<uid_t>(-1), group);
    }
    struct stat now {};
    if (::fstat(descriptor, &now) != 0) return Failed(errno);
    mode &= 07777;
    if (now.st_uid != owner) mode &= ~S_ISUID;
    if (now.st_gid != group) mode &= ~(S_ISGID | (S_IRWXG & ~((mode & S_IRWXO) << 3)));
    // A file system without Unix modes (FAT) may refuse some; the copy then has what it allows.
    if (::fchmod(descriptor, mode) != 0 && errno != EPERM) return Failed(errno);
    return WriteResult::Done();
}

// Why no copy could be made: a folder that will not take one is the one to
// name; and a file that might be written into is still not written into, as a
// failure on the way would leave it cut short.
WriteResult NoCopy(const std::string& folder, bool replacing, int error) {
    if (error != EACCES && error != EPERM && error != EROFS) return Failed(error);
    const QString shown = FolderName(folder);
    if (!replacing) {
        return WriteResult::Failed(
            QStringLiteral("the folder %1 does not let a new file be made there (%2)").arg(shown, Reason(error)));
    }
    return WriteResult::Failed(QStringLiteral("the folder %1 does not let a new copy be made there (%2), and "
                                              "writing into the file itself could leave it cut short")
                                   .arg(shown, Reason(error)));
}

// Why the complete copy could not take the old file's place: in a sticky
// folder (/tmp) only the file's owner, or the folder's, may replace it.
WriteResult NotPut(const std::string& folder, int error) {
    const QString shown = FolderName(folder);
    struct stat status {};
    const bool sticky =
        (error == EPERM || error == EACCES) && ::stat(folder.c_str(), &status) == 0 && (status.st_mode & S_ISVTX) != 0;
    return WriteResult::Failed(
        sticky ? QStringLiteral("the new copy could not take the old file's place in the folder %1, which is sticky: "
                                "there only a file's owner, or the folder's, may replace it (%2)")
                     .arg(shown, Reason(error))
               : QStringLiteral("the new copy could not take the old file's place in the folder %1 (%2)")
                     .arg(shown, Reason(error)));
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

FileWriter::~FileWriter() {
    if (owned_ && descriptor_ >= 0) ::close(descriptor_);
    if (target_ >= 0) ::close(target_);
    if (!copy_.empty()) ::unlink(copy_.c_str());
}

WriteResult FileWriter::Open() {
    if (const auto descriptor = OurDescriptor(path_)) {
        if (WriteResult usable = Usable(*descriptor); !usable.ok()) return usable;
        kind_ = Kind::Through;
        descriptor_ = *descriptor;
        return WriteResult::Done();
    }
    const QByteArray name = QFile::encodeName(path_);
    struct stat old {};
    const bool exists = ::stat(name.constData(), &old) == 0;
    // A loop of links, a file where a folder should be, a path too long: the
    // system's own word. A link that leads nowhere yet leads to the file to make.
    if (!exists && errno != ENOENT) return Failed(errno);
    if (exists && S_ISDIR(old.st_mode)) return Failed(EISDIR);
    // Devices and FIFOs, decided by what the path is, not where it lives
    // (/dev/shm holds regular files): written into as they stand, never created
    // or truncated.
    if (exists && !S_ISREG(old.st_mode)) {
        descriptor_ = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (descriptor_ < 0) return Failed(errno);
        kind_ = Kind::Into;
        owned_ = true;
        return WriteResult::Done();
    }
    replacing_ = exists;
    old_ = {old.st_mode, old.st_uid, old.st_gid};
    std::string target = name.toStdString();
    if (exists) {
        char real[PATH_MAX];
        if (::realpath(name.constData(), real) == nullptr) return Failed(errno);
        target = real;
    } else {
        target = Followed(target);
    }
    const std::string folder = FolderOf(target);
    if (const char* system = KernelFileSystem(folder)) {
        return WriteResult::Failed(
            QStringLiteral("the folder %1 is in the kernel's %2 file system, where no file can be made or replaced")
                .arg(FolderName(folder), QLatin1String(system)));
    }
    // A file this user may not write is not replaced, whatever its folder allows.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return Failed(errno);
    // A file of several names is written over in place, so that every name sees
    // the new content: it is opened now, so that a file that cannot be is known
    // before anything is written.
    if (exists && old.st_nlink > 1) {
        target_ = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (target_ < 0) return Failed(errno);
    }
    // A copy that is to replace a file is made for the owner alone, and takes on
    // the old file's owner, group and bits only once it is whole.
    descriptor_ = MakeCopy(target, exists ? 0600 : 0666, copy_);
    if (descriptor_ < 0) {
        copy_.clear();
        return NoCopy(folder, exists, errno);
    }
    kind_ = target_ >= 0 ? Kind::Over : Kind::Copy;
    owned_ = true;
    targetPath_ = std::move(target);
    return WriteResult::Done();
}

WriteResult FileWriter::Write(QByteArrayView bytes) {
    if (descriptor_ < 0) return Failed(EBADF);
    WriteResult written = WriteAll(descriptor_, bytes);
    if (written.ok()) size_ += bytes.size();
    return written;
}

WriteResult FileWriter::Commit() {
    switch (kind_) {
        case Kind::None:
            return Failed(EBADF);
        case Kind::Through:
            return WriteResult::Done();
        case Kind::Into:
            return Closed();
        case Kind::Copy:
        case Kind::Over:
            break;
    }
    // The bytes are in the copy, each write checked; now it goes to the disk.
    WriteResult written = WriteResult::Done();
    // After the bytes, as a write by anyone but root clears the set-user-ID bit.
    if (kind_ == Kind::Copy && replacing_) written = KeepWhatItWas(descriptor_, old_.mode, old_.owner, old_.group);
    if (written.ok() && ::fsync(descriptor_) != 0) written = Failed(errno);
    if (written.ok()) written = Closed();
    if (!written.ok()) return written;
    if (kind_ == Kind::Over) return WrittenOver();
    if (::rename(copy_.c_str(), targetPath_.c_str()) != 0) {
        const int error = errno;
        return NotPut(FolderOf(targetPath_), error);
    }
    copy_.clear();
    return WriteResult::Done();
}

WriteResult FileWriter::Closed() {
    const int descriptor = std::exchange(descriptor_, -1);
    if (::close(descriptor) != 0 && errno != EINTR) return Failed(errno);
    return WriteResult::Done();
}

WriteResult FileWriter::WrittenOver() {
    // Only once a complete copy beside it shows the bytes can be written, and
    // the room for them is set aside, so that a full disk or a size limit still
    // leaves it as it was. Should the writing over fail all the same, the
    // complete copy is kept and named.
    if (size_ > 0 && ::fallocate(target_, FALLOC_FL_KEEP_SIZE, 0, size_) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
        return Failed(errno);
    const int copy = ::open(copy_.c_str(), O_RDONLY | O_CLOEXEC);
    if (copy < 0) return Failed(errno);
    WriteResult written = WriteResult::Done();
    char buffer[1 << 16];
    for (ssize_t n; written.ok() && (n = ::read(copy, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        written = n < 0 ? Failed(errno) : WriteAll(target_, QByteArrayView(buffer, n));
    }
    ::close(copy);
    if (written.ok() && ::ftruncate(target_, size_) != 0) written = Failed(errno);
    if (written.ok() && ::fsync(target_) != 0) written = Failed(errno);
    if (::close(std::exchange(target_, -1)) != 0 && errno != EINTR && written.ok()) written = Failed(errno);
    if (!written.ok()) {
        const QString kept = QFile::decodeName(copy_.c_str());
        copy_.clear();
        return WriteResult::Failed(
            QStringLiteral("the file was cut short while being written over (%1); the whole new content is in %2")
                .arg(written.reason(), kept));
    }
    ::unlink(copy_.c_str());
    copy_.clear();
    return WriteResult::Done();
}

WriteResult WriteWholeFile(const QString& path, QByteArrayView bytes) {
    FileWriter file(path);
    WriteResult written = file.Open();
    if (written.ok()) written = file.Write(bytes);
    if (written.ok()) written = file.Commit();
    return written;
}

void MarkClosedAtStart(int descriptor) {
    if (descriptor >= 0 && descriptor < 32) closedAtStart.fetch_or(1u << descriptor);
}

}  // namespace zodiac

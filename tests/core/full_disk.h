#pragma once

// Two ways to make a write fail on the way to the disk: a file-size limit, which
// any user may set, and a real filesystem that is full, which only root may mount.
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtTest>
#include <csignal>
#include <memory>

namespace zodiac::testing {

// Limits every file this process writes to `bytes`, for as long as it lives.
// SIGXFSZ is ignored, so that a write past the limit fails with EFBIG instead
// of ending the process.
inline void LimitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &limit);
}

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        LimitFileSize(bytes);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
};

// A small tmpfs mounted on `folder`; Fill() takes all its room but `keepFree`
// bytes. mounted() is false when this process may not mount (not root).
class FullDisk {
public:
    explicit FullDisk(const QString& folder) : folder_(folder) {
        QDir().mkpath(folder);
        mounted_ = mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk() {
        if (mounted_) umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return mounted_; }

    void Fill(qint64 keepFree = 0) {
        QFile filler(folder_ + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray page(4096, '\0');
        while (filler.write(page) == page.size()) {
        }
        if (keepFree > 0) filler.resize(std::max<qint64>(0, filler.size() - keepFree));
    }

private:
    QString folder_;
    bool mounted_ = false;
};

// The ways a write can fail on the way to the disk, as rows of a data-driven
// test: the obstacle, and the reason a message about it must give.
inline void AddWriteObstacleRows() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file where the folder should be") << "file in the way"
                                                       << "Not a directory";
    QTest::newRow("a file-size limit") << "size limit"
                                       << "File too large";
    QTest::newRow("a full disk") << "full disk"
                                 << "No space left on device";
    // Written over in place to keep its names, but only once the room is known to be there.
    QTest::newRow("a file-size limit, on a file of two names") << "size limit, two names"
                                                               << "File too large";
    QTest::newRow("a loop of links") << "link loop"
                                     << "Too many levels of symbolic links";
    QTest::newRow("a file of /proc") << "proc"
                                     << "the folder /proc is in the kernel's proc file system";
}

// A folder holding an old file, "precious", and the obstacle in the way of
// writing over it: a file in place of a folder on the way to `target`, a file
// size limit (for whoever sets it up: this process or a child), on the old file
// or on one that has a second name, a disk full to the last byte, a link that
// leads to itself through another, or a file of the kernel's.
struct WriteObstacle {
    static constexpr auto kOldContent = "precious";
    QString folder;
    QString old = folder + QStringLiteral("/old.rtf");
    QString target;
    bool limitsFileSize;
    std::unique_ptr<FullDisk> disk;
    QStringList left{"old.rtf"};

    WriteObstacle(const QString& where, const QString& obstacle)
        : folder(where), target(old), limitsFileSize(obstacle.startsWith(u"size limit")) {
        QDir().mkpath(folder);
        if (obstacle == u"full disk") disk = std::make_unique<FullDisk>(folder);
        QFile file(old);
        if (file.open(QIODevice::WriteOnly)) file.write(kOldContent);
        file.close();
        if (obstacle == u"file in the way") target = old + QStringLiteral("/report.rtf");
        if (obstacle == u"size limit, two names") {
            ::link(QFile::encodeName(old).constData(), QFile::encodeName(folder + QStringLiteral("/other.rtf")));
            left << "other.rtf";
        }
        if (obstacle == u"link loop") {
            target = folder + QStringLiteral("/loop");
            QFile::link(QStringLiteral("loop-back"), target);
            QFile::link(QStringLiteral("loop"), folder + QStringLiteral("/loop-back"));
        }
        if (obstacle == u"proc") target = QStringLiteral("/proc/version");
        // Unmounted, the folder is the real disk: filling it would fill that.
        if (disk && disk->mounted()) {
            disk->Fill();
            left.prepend(QStringLiteral("filler"));
        }
    }
    // False where the disk cannot be mounted: only root may.
    bool possible() const { return !disk || disk->mounted(); }
    // The folder as it must be after the failed write: the old file under its
    // names, and no copy beside it; a loop of links, which is no file, stays one.
    QStringList filesLeft() const { return left; }
};

}  // namespace zodiac::testing

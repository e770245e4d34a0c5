#pragma once

#include <QByteArrayView>
#include <QString>
#include <string>
#include <utility>

namespace zodiac {

// What a write came to: done, or failed, and then why.
class [[nodiscard]] WriteResult {
public:
    static WriteResult Done() { return WriteResult(true, {}); }
    static WriteResult Failed(QString reason) { return WriteResult(false, std::move(reason)); }

    bool ok() const { return ok_; }
    // Why it failed, for a message; empty when it was done.
    const QString& reason() const { return reason_; }

private:
    WriteResult(bool ok, QString reason) : ok_(ok), reason_(std::move(reason)) {}

    bool ok_;
    QString reason_;
};

// Writes `bytes` to `path` whole, or says why it could not. A regular file, or
// a new one, is replaced only by a complete copy: the old one stays as it was
// when anything on the way to the disk fails, and the copy keeps its permission
// bits and, where this process may set them, its owner and group. A file of
// several names (hard links) is written over in place, so that every name sees
// the new content, but only once a complete copy has been written beside it and
// the room the new content needs has been set aside. A path to an open
// descriptor of this process (/dev/stdout, /dev/fd/N, /proc/self/fd/N) is
// written through that descriptor at its offset; a device or a FIFO is written
// straight into. Neither is ever truncated or renamed over. A folder that lets
// no new copy be made, or no copy take the old file's place, is named in the
// reason, as are the kernel's own file systems (/proc, /sys).
WriteResult WriteWholeFile(const QString& path, QByteArrayView bytes);

// The same write, for bytes that come in pieces, too many to hold: Open() makes
// the checks and the copy, Write() adds to it, and only Commit() puts it in the
// file's place. A writer ended without a commit that succeeded leaves the old
// file as it was and no copy behind. A descriptor, device or FIFO is written
// into as the pieces come (ReplacesWhole() tells which).
class FileWriter {
public:
    explicit FileWriter(QString path) : path_(std::move(path)) {}
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    ~FileWriter();

    WriteResult Open();
    WriteResult Write(QByteArrayView bytes);
    WriteResult Commit();
    bool ReplacesWhole() const { return kind_ == Kind::Copy || kind_ == Kind::Over; }

private:
    enum class Kind { None, Through, Into, Copy, Over };
    WriteResult Closed();
    WriteResult WrittenOver();

    QString path_;
    Kind kind_ = Kind::None;
    int descriptor_ = -1;  // where the bytes go: the copy, or what is written into
    bool owned_ = false;
    int target_ = -1;  // a file of several names, written over at the commit
    bool replacing_ = false;
    // The replaced file's permission bits, owner and group, which its copy takes on.
    struct Kept {
        unsigned mode = 0, owner = 0, group = 0;
    } old_;
    std::string copy_;  // while it is to be removed unless put in place
    std::string targetPath_;
    qint64 size_ = 0;
};

// Notes a descriptor the program was started without and has put /dev/null on,
// only so that no file it opens takes that number: a path to it (/dev/stdout
// when standard output was closed) is then refused, not written into /dev/null.
void MarkClosedAtStart(int descriptor);

// Writes all of `bytes` to an open descriptor, or says why it could not.
WriteResult WriteAll(int descriptor, QByteArrayView bytes);

}  // namespace zodiac

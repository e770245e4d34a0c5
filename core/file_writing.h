#pragma once

#include <QByteArrayView>
#include <QString>
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

// Notes a descriptor the program was started without and has put /dev/null on,
// only so that no file it opens takes that number: a path to it (/dev/stdout
// when standard output was closed) is then refused, not written into /dev/null.
void MarkClosedAtStart(int descriptor);

// Writes all of `bytes` to an open descriptor, or says why it could not.
WriteResult WriteAll(int descriptor, QByteArrayView bytes);

}  // namespace zodiac

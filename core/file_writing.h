#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace zodiac {

// Writes `bytes` to `path` whole, or says why it could not. A regular file, or
// a new one, is replaced only by a complete copy: the old one stays as it was
// when anything on the way to the disk fails. Anything else (a device, a FIFO,
// /dev/stdout, /dev/fd/N) is written straight into, never renamed over.
[[nodiscard]] std::optional<QString> WriteWholeFile(const QString& path, QByteArrayView bytes);

// Writes all of `bytes` to an open descriptor, or says why it could not.
[[nodiscard]] std::optional<QString> WriteAll(int descriptor, QByteArrayView bytes);

}  // namespace zodiac

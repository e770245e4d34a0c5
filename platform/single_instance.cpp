#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace zodiac {

SingleInstance::SingleInstance(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    lock_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + name + QStringLiteral(".lock"));
    // Held for the whole run: never stale by age, only when its owner is gone.
    lock_->setStaleLockTime(0);
    // Only a lock another copy holds refuses the start: a folder that cannot
    // take the lock file (full, or not ours) must not stop the program.
    first_ = lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
}

}  // namespace zodiac

#include "shell/single_instance.h"

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
    first_ = lock_->tryLock(0);
}

}  // namespace zodiac

#include "ui/SingleInstance.h"

#include "ui/ProductInfo.h"

#include <QDir>
#include <QStandardPaths>

namespace velmora::ui {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(lockPath)
{
    // A running copy holds the lock for hours; only a dead owner makes it stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::anotherCopyRunning()
{
    if (!checked_) {
        checked_ = true;
        // Only a lock held by a live copy counts; a lock that cannot be made
        // at all (a read-only folder) must not keep the program from starting.
        anotherCopy_ = !lock_.tryLock(0) && lock_.error() == QLockFile::LockFailedError;
    }
    return anotherCopy_;
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // Named for the program, as its manual page says.
    return QDir(folder).filePath(QStringLiteral(VELMORA_EXECUTABLE ".lock"));
}

} // namespace velmora::ui

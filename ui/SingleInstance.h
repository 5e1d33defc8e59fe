#pragma once

#include <QLockFile>
#include <QString>

namespace velmora::ui {

// Tells whether another copy of the program runs, by a lock file that the
// first copy holds for its whole life. A lock left by a copy that crashed
// names a process that no longer exists, and the next copy takes it over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    bool anotherCopyRunning();

    // One lock per user, in the user's runtime (or temporary) folder.
    static QString defaultLockPath();

private:
    QLockFile lock_;
    bool checked_ = false;
    bool anotherCopy_ = false;
};

} // namespace velmora::ui

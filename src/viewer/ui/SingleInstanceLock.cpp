#include "viewer/ui/SingleInstanceLock.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "core/ProgramPaths.h"

namespace {

// A run that crashed between creating the lock file and writing its owner into it leaves a
// file nobody can be shown to hold. A young one may belong to a start under way right now.
bool IsOwnerlessLeftover(const QLockFile& lock, const QString& path)
{
    qint64 pid = 0;
    QString host, app;
    if (lock.getLockInfo(&pid, &host, &app))
        return false;
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() && modified.msecsTo(QDateTime::currentDateTime()) > 2000;
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& dataFolder)
    : path_(ProgramPaths::join(dataFolder, fileName())), lock_(std::make_unique<QLockFile>(path_))
{
    // The lock is held for the whole run, which can last days: it must never go stale by
    // age. Staleness is decided by whether the process named in the file still runs.
    lock_->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() { release(); }

QString SingleInstanceLock::fileName() { return QStringLiteral("textreader.lock"); }

SingleInstanceLock::Result SingleInstanceLock::tryAcquire()
{
    if (lock_->isLocked())
        return Result::Acquired;
    if (lock_->tryLock(0))
        return Result::Acquired;
    if (lock_->error() != QLockFile::LockFailedError)
        return Result::Unavailable;
    if (IsOwnerlessLeftover(*lock_, path_) && QFile::remove(path_) && lock_->tryLock(0))
        return Result::Acquired;
    return Result::HeldElsewhere;
}

void SingleInstanceLock::release()
{
    if (lock_->isLocked())
        lock_->unlock();
}

bool SingleInstanceLock::held() const { return lock_->isLocked(); }

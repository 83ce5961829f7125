#include "viewer/ui/SingleInstanceLock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

#include "core/ProgramPaths.h"

namespace {

constexpr char kShowRequest[] = "show\n";

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

// Something other than a lock file sits where the lock file belongs (a folder, a FIFO):
// it is not ours to remove, and no lock can be taken there.
bool PathBlocked(const QString& path)
{
    const QFileInfo info(path);
    return (info.exists() || info.isSymLink()) && (!info.isFile() || info.isSymLink());
}

// The same for every start on one data folder, different for another folder or user.
QString FolderKey(const QString& dataFolder)
{
    const QByteArray path = QFileInfo(dataFolder).absoluteFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("textreader-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& dataFolder)
    : path_(ProgramPaths::join(dataFolder, fileName())),
      fallbackPath_(QDir::temp().filePath(FolderKey(dataFolder) + QStringLiteral(".lock"))),
      serverName_(FolderKey(dataFolder))
{
}

SingleInstanceLock::~SingleInstanceLock() { release(); }

QString SingleInstanceLock::fileName() { return QStringLiteral("textreader.lock"); }

SingleInstanceLock::Result SingleInstanceLock::tryAcquire()
{
    if (held())
        return Result::Acquired;
    Result r = PathBlocked(path_) ? Result::Unavailable : tryAcquireAt(path_);
    if (r == Result::Unavailable) {
        path_ = fallbackPath_;
        r = tryAcquireAt(path_);
    }
    return r;
}

SingleInstanceLock::Result SingleInstanceLock::tryAcquireAt(const QString& path)
{
    lock_ = std::make_unique<QLockFile>(path);
    // The lock is held for the whole run, which can last days: it must never go stale by
    // age. Staleness is decided by whether the process named in the file still runs.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return Result::Acquired;
    if (lock_->error() != QLockFile::LockFailedError)
        return Result::Unavailable;
    if (IsOwnerlessLeftover(*lock_, path) && QFile::remove(path) && lock_->tryLock(0))
        return Result::Acquired;
    return Result::HeldElsewhere;
}

void SingleInstanceLock::release()
{
    server_.reset();
    if (lock_ && lock_->isLocked())
        lock_->unlock();
}

bool SingleInstanceLock::held() const { return lock_ && lock_->isLocked(); }

bool SingleInstanceLock::listenForShowRequests(std::function<void()> show)
{
    if (!held())
        return false;
    // We hold the lock, so a socket of this name is a leftover of a crashed run.
    QLocalServer::removeServer(serverName_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer* server = server_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, show] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            QObject::connect(client, &QLocalSocket::readyRead, client, [client, show] {
                if (client->readAll().contains(kShowRequest))
                    show();
            });
        }
    });
    return server_->listen(serverName_);
}

bool SingleInstanceLock::askHolderToShow(int timeoutMs) const
{
    // No answer is awaited: the holder may be this very thread (tests) or busy fading.
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kShowRequest);
    return socket.waitForBytesWritten(timeoutMs);
}

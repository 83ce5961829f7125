#include "viewer/ui/SingleInstanceLock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

// The socket's address; false when the path does not fit.
bool SocketAddress(const QString& path, sockaddr_un& address)
{
    const QByteArray bytes = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (size_t(bytes.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    return true;
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& dataFolder)
    : path_(ProgramPaths::join(dataFolder, fileName())),
      fallbackPath_(QDir::temp().filePath(FolderKey(dataFolder) + QStringLiteral(".lock"))),
      socketPath_(QDir::temp().filePath(FolderKey(dataFolder) + QStringLiteral(".sock")))
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
    stopListening();
    if (lock_ && lock_->isLocked())
        lock_->unlock();
}

bool SingleInstanceLock::held() const { return lock_ && lock_->isLocked(); }

bool SingleInstanceLock::listenForShowRequests(std::function<void()> show)
{
    sockaddr_un address;
    if (!held() || serverFd_ >= 0 || !SocketAddress(socketPath_, address))
        return false;
    serverFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (serverFd_ < 0)
        return false;
    // We hold the lock, so a socket file of this name is a leftover of a crashed run.
    ::unlink(address.sun_path);
    if (::bind(serverFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(serverFd_, 4) != 0) {
        stopListening();
        return false;
    }
    show_ = std::move(show);
    server_ = std::make_unique<QSocketNotifier>(serverFd_, QSocketNotifier::Read);
    QObject::connect(server_.get(), &QSocketNotifier::activated, server_.get(), [this] {
        bool asked = false;
        for (int client; (client = ::accept4(serverFd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            ::close(client);
            asked = true;
        }
        if (asked && show_)
            show_();
    });
    return true;
}

void SingleInstanceLock::stopListening()
{
    server_.reset();
    if (serverFd_ < 0)
        return;
    ::close(serverFd_);
    serverFd_ = -1;
    ::unlink(QFile::encodeName(socketPath_).constData());
}

bool SingleInstanceLock::askHolderToShow() const
{
    // The connection itself is the request; no answer is awaited (the holder may be this
    // very thread in tests, or busy fading).
    sockaddr_un address;
    if (!SocketAddress(socketPath_, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool reached = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return reached;
}

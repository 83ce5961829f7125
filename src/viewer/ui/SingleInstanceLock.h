#pragma once
// One running reader per data folder. The lock file sits in the data folder, so two copies
// of the program installed in different folders run side by side, and a lock left behind by
// a crashed run (its process is gone) is taken over by the next start. Where the data
// folder cannot hold the lock (a plain file named Save, a read-only folder, a folder left
// where the lock file belongs) the lock is taken in the temporary folder instead, under a
// name made from the data folder's path: two readers of one folder never run at once.
//
// Beside the lock, the running reader listens on a local socket named like it: a second
// start connects, which asks it to show its viewer (hidden, it may have no other way back).
// A plain Unix socket: the network library would cost every start its loading time.
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

class SingleInstanceLock {
public:
    enum class Result {
        Acquired,      // this process now holds the lock
        HeldElsewhere, // another running reader holds it: refuse to start
        Unavailable,   // no lock file can be created anywhere: run unguarded
    };

    explicit SingleInstanceLock(const QString& dataFolder);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    Result tryAcquire();
    void release();
    bool held() const;
    // The lock file in use (after tryAcquire): in the data folder or the fallback.
    QString filePath() const { return path_; }

    // Holder: calls show whenever a later start asks. False when the socket cannot be made.
    bool listenForShowRequests(std::function<void()> show);
    // Second start: asks the holder to show its viewer; true when the holder was reached.
    bool askHolderToShow() const;

    static QString fileName();

private:
    Result tryAcquireAt(const QString& path);
    void stopListening();

    QString path_;
    QString fallbackPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    int serverFd_ = -1;
    std::unique_ptr<QSocketNotifier> server_;
    std::function<void()> show_;
};

#pragma once
// One running reader per program folder. The lock file sits in the data folder, so two
// copies of the program installed in different folders run side by side, and a lock left
// behind by a crashed run (its process is gone) is taken over by the next start.
#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstanceLock {
public:
    enum class Result {
        Acquired,    // this process now holds the lock
        HeldElsewhere, // another running reader holds it: refuse to start
        Unavailable, // the lock file cannot be created (read-only folder): run unguarded
    };

    explicit SingleInstanceLock(const QString& dataFolder);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    Result tryAcquire();
    void release();
    bool held() const;
    QString filePath() const { return path_; }

    static QString fileName();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

#pragma once
// Makes a folder unwritable for as long as it lives. Permissions do not stop root, so as
// root the folder is mounted read-only onto itself instead; where that is not allowed
// either (no mount rights), ok() is false and the test has nothing to check.
#include <QString>

class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool ok() const { return ok_; }

private:
    QString path_;
    bool mounted_ = false;
    bool ok_ = false;
};

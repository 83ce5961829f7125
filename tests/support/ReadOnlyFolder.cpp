#include "support/ReadOnlyFolder.h"

#include <QFile>
#include <sys/mount.h>
#include <unistd.h>

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : path_(path)
{
    if (geteuid() != 0) {
        ok_ = QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
        return;
    }
    const QByteArray native = QFile::encodeName(path_);
    if (::mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) != 0)
        return;
    mounted_ = true;
    ok_ = ::mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (mounted_)
        ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    else if (ok_)
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

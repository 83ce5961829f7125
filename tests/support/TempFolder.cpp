#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

TempFolder::TempFolder() = default;

ProgramPaths TempFolder::paths(bool createSave) const
{
    ProgramPaths p(dir_.path());
    if (createSave)
        QDir().mkpath(p.dataFolder());
    return p;
}

QString TempFolder::saveFile(const QString& name) const { return paths(false).dataFile(name); }

void TempFolder::write(const QString& fullPath, const QByteArray& bytes) const
{
    QFile f(fullPath);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QString TempFolder::file(const QString& name, const QByteArray& bytes) const
{
    const QString fullPath = path() + u'/' + name;
    write(fullPath, bytes);
    return fullPath;
}

QByteArray TempFolder::read(const QString& fullPath) const
{
    QFile f(fullPath);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

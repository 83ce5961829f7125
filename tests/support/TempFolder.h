#pragma once
// A fresh program folder for one test: the executable's folder stand-in with its Save/ below.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "core/ProgramPaths.h"

class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    // The paths of a program installed in this folder; Save/ is created unless told otherwise.
    ProgramPaths paths(bool createSave = true) const;
    QString saveFile(const QString& name) const;
    void write(const QString& fullPath, const QByteArray& bytes) const;
    // Writes a file of that name at the top of the folder and returns its path.
    QString file(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& fullPath) const;

private:
    QTemporaryDir dir_;
};

#pragma once
// Where the reader's files live: the executable's folder (Howto.txt, KeyMap.tbl) and the
// data folder Save/ (every file the reader writes), below the executable's folder or, for
// an installed program whose folder the user cannot write, in the user's data folder. A
// separator is put between folder and name only when the folder does not already end in one.
#include <QString>

class ProgramPaths {
public:
    explicit ProgramPaths(QString programFolder);
    ProgramPaths(QString programFolder, QString dataFolder);
    // The folder of the running executable, with Save/ beside it when that folder is
    // writable, else Save/ in the user's data folder (QStandardPaths::AppDataLocation).
    static ProgramPaths ofRunningProgram();

    const QString& programFolder() const { return programFolder_; }
    QString dataFolder() const;                      // ends in the separator
    QString programFile(const QString& name) const;  // beside the executable
    QString dataFile(const QString& name) const;     // in Save/

    static QString join(const QString& folder, const QString& name);

private:
    QString programFolder_;
    QString dataFolder_;
};

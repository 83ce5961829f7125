#pragma once
// Where the reader's files live: the executable's folder (Howto.txt, KeyMap.tbl) and the
// data folder Save/ below it (every file the reader writes). A separator is put between
// folder and name only when the folder does not already end in one.
#include <QString>

class ProgramPaths {
public:
    explicit ProgramPaths(QString programFolder);
    // The folder of the running executable.
    static ProgramPaths ofRunningProgram();

    const QString& programFolder() const { return programFolder_; }
    QString dataFolder() const;                      // ends in the separator
    QString programFile(const QString& name) const;  // beside the executable
    QString dataFile(const QString& name) const;     // in Save/

    static QString join(const QString& folder, const QString& name);

private:
    QString programFolder_;
};

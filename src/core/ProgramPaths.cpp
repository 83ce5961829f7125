#include "core/ProgramPaths.h"

#include <QCoreApplication>

ProgramPaths::ProgramPaths(QString programFolder) : programFolder_(std::move(programFolder)) {}

ProgramPaths ProgramPaths::ofRunningProgram()
{
    return ProgramPaths(QCoreApplication::applicationDirPath());
}

QString ProgramPaths::join(const QString& folder, const QString& name)
{
    // Qt takes "/" on every platform; a Windows folder may still end in "\".
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'/' + name;
}

QString ProgramPaths::dataFolder() const { return join(programFolder_, QStringLiteral("Save/")); }

QString ProgramPaths::programFile(const QString& name) const { return join(programFolder_, name); }

QString ProgramPaths::dataFile(const QString& name) const { return dataFolder() + name; }

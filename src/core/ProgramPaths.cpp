#include "core/ProgramPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kDataFolderName = QStringLiteral("Save/");

} // namespace

ProgramPaths::ProgramPaths(QString programFolder)
    : programFolder_(std::move(programFolder)), dataFolder_(join(programFolder_, kDataFolderName))
{
}

ProgramPaths::ProgramPaths(QString programFolder, QString dataFolder)
    : programFolder_(std::move(programFolder)), dataFolder_(std::move(dataFolder))
{
    if (!dataFolder_.endsWith(u'/') && !dataFolder_.endsWith(u'\\'))
        dataFolder_ += u'/';
}

ProgramPaths ProgramPaths::ofRunningProgram()
{
    const QString program = QCoreApplication::applicationDirPath();
    if (QFileInfo(program).isWritable())
        return ProgramPaths(program);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return ProgramPaths(program, join(user, kDataFolderName));
}

QString ProgramPaths::join(const QString& folder, const QString& name)
{
    // Qt takes "/" on every platform; a Windows folder may still end in "\".
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'/' + name;
}

QString ProgramPaths::dataFolder() const { return dataFolder_; }

QString ProgramPaths::programFile(const QString& name) const { return join(programFolder_, name); }

QString ProgramPaths::dataFile(const QString& name) const { return dataFolder() + name; }

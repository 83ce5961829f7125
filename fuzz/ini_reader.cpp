// Setting.ini as any bytes: reading and writing through the store must never crash, hang or
// read out of bounds; a written value must read back, and every other line must stay.
#include <QDir>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/FileStore.h"
#include "settings/IniDocument.h"
#include "settings/IniStore.h"
#include "FuzzRequire.h"

namespace {

const QTemporaryDir& ProgramFolder()
{
    static const QTemporaryDir dir; // one folder for the whole run, removed at exit
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ProgramPaths paths(ProgramFolder().path());
    const QString save = paths.dataFolder();
    QDir().mkpath(save);
    IniStore ini(paths);
    Require(filestore::ReplaceFile(ini.settingsPath(), bytes));

    for (const char* key : {"Name0", "Rireki", "FontName", "R"}) {
        ini.ReadIniValue("HotKey", key);
        ini.ReadIniNumberOr("FormData", key, 7);
        Require(ini.ReadIniText("TextView", key, 3).toText().size() <= 12);
    }
    ini.WriteIniValue("FormData", "Rireki", "12,34");
    Require(ini.ReadIniText("formdata", "RIREKI", 10).toText() == "12,34");
    ini.WriteIniValue("HotKey", "Name1", "貼り付け🙂");
    Require(ini.ReadIniValue("HotKey", "Name1").toText() == "貼り付け🙂");
    Require(ini.ReadIniText("formdata", "Rireki", 10).toText() == "12,34");

    // One save gathered into a batch leaves the same bytes as the same writes made one by one.
    const auto saveAll = [&](IniStore& store) {
        store.WriteIniValue("FormData", "Rireki", "5,1");
        store.WriteIniValue("hotkey", "Name3", "貼り付け");
        store.WriteIniValue("TextView", "FontName", "𠮷野家");
        store.WriteIniValue("New", "k", "≒¬");
        store.WriteIniValue("FormData", "Textlength", "5");
    };
    Require(filestore::ReplaceFile(ini.settingsPath(), bytes));
    IniStore oneByOne(paths);
    saveAll(oneByOne);
    const std::optional<QByteArray> written = filestore::ReadWholeFile(ini.settingsPath());
    Require(filestore::ReplaceFile(ini.settingsPath(), bytes));
    IniStore gathered(paths);
    {
        IniStore::Batch batch(gathered);
        saveAll(gathered);
        Require(batch.Commit().ok);
    }
    Require(written == filestore::ReadWholeFile(ini.settingsPath()));

    // Any value written into the parsed file is found again after a re-read of its bytes.
    IniDocument doc = IniDocument::parse(bytes);
    QString value = QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 8)));
    value.removeIf([](QChar c) { return c < u' ' || c == u'"'; });
    value = value.trimmed();
    if (doc.set("TextFind", "FindKey", value)) {
        const std::optional<QString> back = IniDocument::parse(doc.bytes()).find("TextFind", "FindKey");
        Require(back && *back == value);
    }
    return 0;
}

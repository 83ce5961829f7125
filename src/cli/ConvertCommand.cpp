// textreader-cli convert: a saved page's body HTML to the reader's marked text on stdout,
// converted exactly as a fetched page is, without touching any clip file.
#include <QStringDecoder>
#include <cstring>
#include <optional>

#include "cli/CliCommand.h"
#include "core/Codec.h"
#include "core/FileStore.h"
#include "web/ClipFiles.h"
#include "web/HtmlConversion.h"

namespace {

struct ConvertOptions {
    QString file;
    PageRecord page;
    bool plain = false;
};

QString* PageField(PageRecord& page, const QString& option)
{
    if (option == u"--title")
        return &page.PageTitle;
    if (option == u"--request-url")
        return &page.PageRequestUrl;
    if (option == u"--page-url")
        return &page.PageUrl;
    if (option == u"--base-url")
        return &page.PageBaseUrl;
    return nullptr;
}

std::optional<ConvertOptions> ParseOptions(const QStringList& args)
{
    ConvertOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--plain") {
            options.plain = true;
        } else if (QString* field = PageField(options.page, arg)) {
            if (++i >= args.size())
                return std::nullopt;
            *field = args[i];
        } else if (arg.startsWith(u"--") || !options.file.isNull()) {
            return std::nullopt;
        } else {
            options.file = arg;
        }
    }
    if (options.file.isNull())
        return std::nullopt;
    return options;
}

// BOM or valid UTF-8 is UTF-8, anything else code page 932 (decoded once, not validated first).
QString DecodePage(const QByteArray& bytes)
{
    if (codec::HasUtf8Bom(bytes))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return codec::DecodeCp932(bytes);
}

// A saved file has the line breaks of wherever it was saved; a fetched body reaches the
// converter with CR LF (lone LFs are turned into CR LF as the page arrives), so files do too.
// Done on the bytes: a line feed byte is never part of a longer character in UTF-8 or 932.
QByteArray WithCrLf(const QByteArray& bytes)
{
    const char* const begin = bytes.constData();
    const char* const end = begin + bytes.size();
    qsizetype lone = 0;
    for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)))); ++p)
        lone += p == begin || p[-1] != '\r';
    if (lone == 0)
        return bytes;
    QByteArray out;
    out.reserve(bytes.size() + lone);
    const char* copied = begin;
    for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)))); ++p) {
        if (p != begin && p[-1] == '\r')
            continue;
        out.append(copied, p - copied).append('\r');
        copied = p;
    }
    return out.append(copied, end - copied);
}

int RunConvert(const QStringList& args)
{
    std::optional<ConvertOptions> options = ParseOptions(args);
    if (!options) {
        WriteStderr(QStringLiteral("使い方: textreader-cli convert FILE [--title T] [--request-url U] "
                                   "[--page-url P] [--base-url B] [--plain]\n"));
        return 2;
    }
    std::optional<QByteArray> bytes = filestore::ReadWholeFile(options->file);
    if (!bytes) {
        WriteStderr(QStringLiteral("ファイルを読めません: ") + options->file + u'\n');
        return 1;
    }
    *bytes = WithCrLf(*bytes);
    ViewerState viewer;
    viewer.CurrentText = DecodePage(*bytes);
    bytes.reset();
    ConvertHtmlToText(viewer, options->page);
    WriteStdout((options->plain ? ClipboardPlainText(viewer.CurrentText) : viewer.CurrentText).toUtf8());
    return 0;
}

const CliCommandRegistration kConvert("convert",
                                      "FILE [--title T] [--request-url U] [--page-url P] [--base-url B] [--plain]",
                                      &RunConvert, CliNeeds::Text);

} // namespace

// textreader-cli convert: a saved page's body HTML to the reader's marked text on stdout,
// converted exactly as a fetched page is, without touching any clip file.
#include <optional>

#include "cli/CliCommand.h"
#include "web/PageFileText.h"
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

int RunConvert(const QStringList& args)
{
    std::optional<ConvertOptions> options = ParseOptions(args);
    if (!options) {
        WriteStderr(QStringLiteral("使い方: textreader-cli convert FILE [--title T] [--request-url U] "
                                   "[--page-url P] [--base-url B] [--plain]\n"));
        return 2;
    }
    // Room for the title line and the request link line the conversion puts in front.
    const PageRecord& page = options->page;
    const qsizetype spare = page.PageTitle.size() + 2 * page.PageRequestUrl.size() + 64;
    std::optional<QString> text = ReadPageFileText(options->file, spare);
    if (!text) {
        WriteStderr(QStringLiteral("ファイルを読めません: ") + options->file + u'\n');
        return 1;
    }
    ViewerState viewer;
    viewer.CurrentText = std::move(*text);
    text.reset();
    ConvertHtmlToText(viewer, options->page);
    if (options->plain)
        viewer.CurrentText = ClipboardPlainText(viewer.CurrentText);
    WriteStdoutUtf8(viewer.CurrentText);
    return 0;
}

const CliCommandRegistration kConvert("convert",
                                      "FILE [--title T] [--request-url U] [--page-url P] [--base-url B] [--plain]",
                                      &RunConvert, CliNeeds::Text);

} // namespace

// textreader-cli convert: a saved page's body HTML to the reader's marked text on stdout,
// converted exactly as a fetched page is, without touching any clip file.
#include <optional>

#include "cli/TextCommand.h"
#include "convert/HtmlToMarkedText.h"
#include "convert/PageFileText.h"
#include "convert/Utf8Decoding.h"

namespace {

constexpr char kUsage[] = "FILE [--title T] [--request-url U] [--page-url P] [--base-url B] [--plain]";

struct ConvertOptions {
    std::optional<std::string> file;
    ConversionPage page;
    bool plain = false;
};

std::u16string* PageField(ConversionPage& page, const std::string& option)
{
    if (option == "--title")
        return &page.PageTitle;
    if (option == "--request-url")
        return &page.PageRequestUrl;
    if (option == "--page-url")
        return &page.PageUrl;
    if (option == "--base-url")
        return &page.PageBaseUrl;
    return nullptr;
}

// The command line is UTF-8 here; bytes that are not become U+FFFD.
std::u16string ArgumentText(const std::string& arg)
{
    std::u16string text;
    Utf8Decoder decoder;
    decoder.append(arg, text);
    decoder.finish(text);
    return text;
}

std::optional<ConvertOptions> ParseOptions(const std::vector<std::string>& args)
{
    ConvertOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--plain") {
            options.plain = true;
        } else if (std::u16string* field = PageField(options.page, arg)) {
            if (++i >= args.size())
                return std::nullopt;
            *field = ArgumentText(args[i]);
        } else if (arg.starts_with("--") || options.file) {
            return std::nullopt;
        } else {
            options.file = arg;
        }
    }
    if (!options.file)
        return std::nullopt;
    return options;
}

int RunConvert(const std::vector<std::string>& args)
{
    std::optional<ConvertOptions> options = ParseOptions(args);
    if (!options) {
        WriteStderrUtf8(std::string("使い方: textreader-cli convert ") + kUsage + '\n');
        return 2;
    }
    // Room for the title line and the request link line the conversion puts in front.
    const ConversionPage& page = options->page;
    const size_t spare = page.PageTitle.size() + 2 * page.PageRequestUrl.size() + 64;
    PageFileProblem problem = PageFileProblem::None;
    std::optional<std::u16string> text = ReadPageFileText(*options->file, spare, &problem);
    if (!text) {
        if (problem == PageFileProblem::TooLarge)
            WriteStderrUtf8("ファイルが大きすぎます（上限 " + std::to_string(kMaxPageFileBytes >> 20)
                            + " MB）: " + *options->file + '\n');
        else
            WriteStderrUtf8("ファイルを読めません: " + *options->file + '\n');
        return 1;
    }
    ConvertHtmlToText(*text, options->page);
    if (options->plain)
        *text = ClipboardPlainText(*text);
    if (!WriteStdoutUtf8(*text)) {
        WriteStderrUtf8("標準出力に書き込めません。\n");
        return 1;
    }
    return 0;
}

const TextCommandRegistration kConvert("convert", kUsage, &RunConvert);

} // namespace

#include "cli/CommandLine.h"

#include "cli/OptionAliases.h"
#include "engine/PointSize.h"
#include "engine/Utf8.h"
#include "faces/WindowChoices.h"
#include "library/client/LibraryClient.h"

#include <algorithm>
#include <charconv>
#include <getopt.h>

namespace zindra::cli {
namespace {

constexpr int MinDpi = 72;
constexpr int Code128AutoVariant = 6;
constexpr int MaxDpi = 4800;

// Long-only options take codes past the single characters.
enum LongOnly {
    JsonOpt = 256,
    RequestsOpt,
    BatchOpt,
    PngOpt,
    DpiOpt,
    VersionOpt,
    PageOpt,
    PaperOpt
};

constexpr option LongOptions[] = {
    {"symbology", required_argument, nullptr, 's'},
    {"variant", required_argument, nullptr, 'v'},
    {"font-type", required_argument, nullptr, 't'},
    {"size", required_argument, nullptr, 'z'},
    {"checksum", no_argument, nullptr, 'c'},
    {"option2", no_argument, nullptr, 'o'},
    {"sums", no_argument, nullptr, 'S'},
    {"point-size", required_argument, nullptr, 'p'},
    {"extra", required_argument, nullptr, 'e'},
    {"json", no_argument, nullptr, JsonOpt},
    {"requests", required_argument, nullptr, RequestsOpt},
    {"batch", required_argument, nullptr, BatchOpt},
    {"png", required_argument, nullptr, PngOpt},
    {"dpi", required_argument, nullptr, DpiOpt},
    {"sample-page", required_argument, nullptr, PageOpt},
    {"paper", required_argument, nullptr, PaperOpt},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, VersionOpt},
    {"sheet", required_argument, nullptr, SheetOpt},
    {"pdf", required_argument, nullptr, PdfOpt},
    {"skip", required_argument, nullptr, SkipOpt},
    {"copies", required_argument, nullptr, CopiesOpt},
    {"outline", no_argument, nullptr, OutlineOpt},
    {"no-text", no_argument, nullptr, NoTextOpt},
    {"fit", required_argument, nullptr, FitOpt},
    {"extra-column", required_argument, nullptr, ExtraColumnOpt},
    {"delimiter", required_argument, nullptr, DelimiterOpt},
    {"encoding", required_argument, nullptr, EncodingOpt},
    {"header", no_argument, nullptr, HeaderOpt},
    {"column", required_argument, nullptr, ColumnOpt},
    {"caption-column", required_argument, nullptr, CaptionColumnOpt},
    {nullptr, 0, nullptr, 0},
};

// The long names of -c and -o, past every other option code.
constexpr int AliasOpt = 1024;

// LongOptions and the names of -c and -o, ended as getopt wants.
const std::vector<option>& AllLongOptions() {
    static const std::vector<option> all = [] {
        std::vector<option> options(std::begin(LongOptions), std::end(LongOptions) - 1);
        const auto& aliases = OptionAliases();
        for (std::size_t i = 0; i < aliases.size(); ++i)
            options.push_back(
                {aliases[i].Word.c_str(), no_argument, nullptr, AliasOpt + static_cast<int>(i)});
        options.push_back({nullptr, 0, nullptr, 0});
        return options;
    }();
    return all;
}

// The leading ":" makes getopt report a missing value apart from an unknown
// option, and keeps it from printing anything itself.
constexpr char ShortOptions[] = ":s:v:t:z:coSp:e:h";

std::optional<std::string> ReadText(const char* value, std::string_view what,
                                    std::u16string& into) {
    if (DecodeUtf8(value, into)) return std::nullopt;
    return "invalid UTF-8 in " + std::string(what);
}

std::optional<int> ReadDpi(std::string_view word) {
    int dpi = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), dpi);
    if (error != std::errc{} || end != word.data() + word.size() || dpi < MinDpi || dpi > MaxDpi)
        return std::nullopt;
    return dpi;
}

// The sample page's paper: true for A4, false for Letter.
std::optional<bool> ReadPaper(std::string_view word) {
    if (word == "a4") return true;
    if (word == "letter") return false;
    return std::nullopt;
}

// Keeps a value that was read, or gives the refusal when there is none.
template <typename Value, typename Field>
std::optional<std::string> Store(const std::optional<Value>& read, Field& into,
                                 const std::string& refusal) {
    if (!read) return refusal;
    into = *read;
    return std::nullopt;
}

// The usual point sizes for --help: "i25 24, code39 24, ...".
std::string PointSizeDefaults() {
    std::string text;
    for (int s = ZINDRA_I25; s <= ZINDRA_UPC; ++s) {
        if (!text.empty()) text += ", ";
        text.append(zindra_symbology_name(s)).append(" ").append(zindra_default_point_size(s));
    }
    return text;
}

// Applies one option; returns the complaint about its value, if any.
std::optional<std::string> Apply(int code, const char* value, CommandLine& line) {
    BarOptions& o = line.Options;
    switch (code) {
    case 's':
        return SetChoice(o, "symbology", value);
    case 'v':
        return SetChoice(o, "variant", value);
    case 't':
        return SetChoice(o, "font_type", value);
    case 'z':
        return SetChoice(o, "size", value);
    case 'p':
        line.Sheet.PointSizeGiven = true;
        return ReadText(value, "--point-size", o.PointSize);
    case 'e':
        return ReadText(value, "--extra", o.Extra);
    case DpiOpt:
        return Store(ReadDpi(value), line.Dpi, "the dpi must be a whole number from 72 to 4800");
    case 'c':
        o.OptionalChecksum = true;
        break;
    case 'o':
        o.Option2 = true;
        break;
    case 'S':
        o.DispSums = true;
        break;
    case JsonOpt:
        line.Json = true;
        break;
    case RequestsOpt:
        line.Mode = RunMode::Requests;
        line.InputPath = value;
        break;
    case BatchOpt:
        line.Mode = RunMode::Batch;
        line.InputPath = value;
        break;
    case PngOpt:
        // An empty name would read as "no image" and drop the request silently.
        if (*value == '\0') return "--png needs a file name";
        line.PngPath = value;
        break;
    case PageOpt:
        if (*value == '\0') return "--sample-page needs a file name";
        line.SamplePagePath = value;
        break;
    case PaperOpt:
        return Store(ReadPaper(value), line.PaperA4, "the paper must be letter or a4");
    case DelimiterOpt:
    case EncodingOpt:
    case HeaderOpt:
    case ColumnOpt:
    case ExtraColumnOpt:
    case CaptionColumnOpt:
        return ApplyCsvOption(code, value, line.Csv);
    default:
        return ApplySheetOption(code, value, line.Sheet);
    }
    return std::nullopt;
}

// Combinations that cannot mean anything, once every option is read.
std::optional<std::string> CheckCombination(const CommandLine& line, bool dpiGiven, bool paperGiven,
                                            int requestsAndBatch, std::size_t operands) {
    const bool bulk = line.Mode == RunMode::Requests || line.Mode == RunMode::Batch;
    if (requestsAndBatch > 1) return "use only one of --requests and --batch";
    if (bulk && operands > 0) return "DATA cannot be given with --requests or --batch";
    if (bulk && !line.PngPath.empty()) return "--png needs a single DATA";
    if (line.Mode == RunMode::Batch && line.Json) return "--json cannot be used with --batch";
    if (auto complaint =
            CheckCsvChoices(line.Csv, line.Mode == RunMode::Batch, !line.Sheet.Stock.empty()))
        return complaint;
    if (dpiGiven && line.PngPath.empty() && line.Sheet.Stock.empty())
        return "--dpi needs --png or --sheet";
    if (dpiGiven && !line.Sheet.Stock.empty() && line.Dpi != 203 && line.Dpi != 300 &&
        line.Dpi != 600)
        return "with --sheet the dpi is the label printer's: 203, 300 or 600";
    if (bulk && !line.SamplePagePath.empty()) return "--sample-page needs a single DATA";
    if (paperGiven && line.SamplePagePath.empty()) return "--paper needs --sample-page";
    if (line.Mode == RunMode::Single && operands == 0) return "missing DATA";
    if (line.Mode == RunMode::Single && operands > 1)
        return "more than one DATA (quote DATA that holds spaces)";
    return std::nullopt;
}

// The option as the user wrote it: a long option up to any "=value", a
// short one by its letter (it may sit inside a cluster such as "-cS").
std::string Spelling(const char* element, int shortCode) {
    const std::string_view word = element;
    if (word.starts_with("--")) return std::string(word.substr(0, word.find('=')));
    return std::string("-") + static_cast<char>(shortCode);
}

// getopt answers '?' for an unknown option and for a long option given a
// value it does not take; only in the second case is optopt one of ours.
std::string Refusal(const char* element, int shortCode) {
    const bool ours =
        shortCode >= JsonOpt ||
        (shortCode > 0 && std::string_view(ShortOptions).find(static_cast<char>(shortCode)) !=
                              std::string_view::npos);
    if (ours) return "option '" + Spelling(element, shortCode) + "' takes no value";
    // An unknown letter may sit inside a cluster that getopt has not left yet,
    // so `element` is only trusted for long options.
    if (shortCode > 0) return std::string("unknown option '-") + static_cast<char>(shortCode) + "'";
    return "unknown option '" + Spelling(element, shortCode) + "'";
}

// Each of these names one output; a second one would silently replace the first.
std::string OptionName(int code) {
    for (const option& o : AllLongOptions())
        if (o.name && o.val == code) return std::string("--") + o.name;
    return {};
}

std::optional<std::string> Repeated(int code, std::vector<int>& given) {
    constexpr int Outputs[] = {PdfOpt, SheetOpt, PngOpt, PageOpt};
    if (std::find(std::begin(Outputs), std::end(Outputs), code) == std::end(Outputs))
        return std::nullopt;
    if (std::find(given.begin(), given.end(), code) != given.end())
        return "option '" + OptionName(code) + "' given more than once";
    given.push_back(code);
    return std::nullopt;
}

} // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& args) {
    // getopt wants writable strings and may reorder them.
    std::vector<std::string> storage;
    storage.reserve(args.size() + 1);
    storage.emplace_back("zindra-encode");
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(storage.size());

    CommandLine line;
    std::vector<int> given;
    std::vector<const OptionAlias*> aliases; // applied once the symbology is known
    bool dpiGiven = false;
    bool paperGiven = false;
    bool variantGiven = false;
    int requestsAndBatch = 0;
    optind = 0; // 0, not 1: makes glibc start afresh for every call
    opterr = 0;
    for (;;) {
        const int code =
            getopt_long(argc, argv.data(), ShortOptions, AllLongOptions().data(), nullptr);
        if (code == -1) break;
        if (code == '?') return UsageError{Refusal(argv[optind - 1], optopt)};
        if (code == ':')
            return UsageError{"option '" + Spelling(argv[optind - 1], optopt) + "' needs a value"};
        if (code == 'h' || code == VersionOpt) {
            line.Mode = code == 'h' ? RunMode::Help : RunMode::Version;
            return line;
        }
        if (code == RequestsOpt || code == BatchOpt) ++requestsAndBatch;
        // "--sheet list" names no output, so it may follow a stock.
        if (code != SheetOpt || std::string_view(optarg) != "list")
            if (auto complaint = Repeated(code, given)) return UsageError{*complaint};
        if (code >= AliasOpt) {
            aliases.push_back(&OptionAliases()[static_cast<std::size_t>(code - AliasOpt)]);
            continue;
        }
        if (code == DpiOpt) dpiGiven = true;
        if (code == PaperOpt) paperGiven = true;
        if (code == 'v') variantGiven = true;
        if (auto complaint = Apply(code, optarg, line)) return UsageError{*complaint};
    }

    const std::size_t operands = static_cast<std::size_t>(argc - optind);
    if (line.Sheet.Stock == "list") {
        line.Mode = RunMode::SheetList;
        return line;
    }
    if (auto complaint = CheckSheetChoices(line.Sheet, line.Mode == RunMode::Batch))
        return UsageError{*complaint};
    if (dpiGiven && !line.Sheet.Stock.empty()) line.Sheet.Dpi = line.Dpi;
    if (auto complaint = CheckCombination(line, dpiGiven, paperGiven, requestsAndBatch, operands))
        return UsageError{*complaint};
    // A point size is an option, not a record: bad in every mode alike.
    if (line.Sheet.PointSizeGiven && !PointSizeValue(line.Options.PointSize))
        return UsageError{ToUtf8(PointSizeMessage)};
    // Subset A, the old default, reads lower case as control characters without a word.
    if (line.Options.symbology == Symbology::Code128 && !variantGiven)
        line.Options.VariantChoice = Code128AutoVariant;
    for (const OptionAlias* alias : aliases)
        if (auto complaint = ApplyAlias(*alias, line.Options)) return UsageError{*complaint};
    TakeWindowChoices(line.Options, line.Sheet.PointSizeGiven);
    if (line.Mode == RunMode::Single &&
        !DecodeUtf8(argv[static_cast<std::size_t>(optind)], line.Options.DataText))
        return UsageError{"invalid UTF-8 in DATA"};
    return line;
}

std::string UsageText() {
    return std::string(R"(Usage: zindra-encode [OPTIONS] [--] DATA
       zindra-encode [OPTIONS] --requests FILE|-   (JSON Lines in, JSON Lines out)
       zindra-encode [OPTIONS] --batch FILE|-      (CSV in, CSV out)
       zindra-encode [OPTIONS] --batch FILE|- --sheet STOCK --pdf OUT.pdf   (CSV in, labels out)

Prints the font string that sets DATA as a bar code in the matching bar-code font.

  -s, --symbology NAME   i25 | code39 | code93 | code128 | codabar | ean | postnet | upc
                         (default code39)
  -v, --variant N        1 | 2 | 3 | 4 | 5 | 6 | 7 | auto | gs1 (default 1, under code128
                         auto): Code 128 subset A, B, C, SCC-14, SSCC-18, Auto (6: any text,
                         fewest symbols), GS1-128 (7: element strings, AIs in parentheses,
                         "(01)09501101530003(10)AB-123"); EAN-8, EAN-13, Bookland;
                         UPC without, with 2-digit, 5-digit supplement
  -t, --font-type NAME   standard | human | itf14 (default standard; under upc standard is
                         UPC-A and human UPC-E)
  -z, --size LETTER      font size letter A..F: the bar height, A the shortest (default D);
                         the point size sets the width
  -c, --checksum         add the optional check character ("No quotes?" under Code 128)
  -o, --option2          full ASCII, UCC/EAN, closed box or bearer bars, by symbology
                         (SCC-14 and SSCC-18 always carry UCC/EAN, as in the window)
  The window's captions of those boxes name them too, where the window shows them:
)" + AliasUsage() + R"(  -S, --sums             append the sums line (Code 93, Code 128)
  -p, --point-size TEXT  point size of the sample (default: the window's for the symbology:
                         )" +
                       PointSizeDefaults() + R"();
                         the sample page's sizes are fixed: no effect on --sample-page
  -e, --extra TEXT       supplement digits or Bookland price
      --json             print one JSON object instead of the plain line
      --requests FILE|-  answer one JSON request per line (keys of your own, such as
                         "id", come back at the end of the answer)
      --batch FILE|-     encode CSV rows: data[,extra] (further columns are not read);
                         out: data,extra,font_string,error,warning,face (the font to
                         set font_string in)
      --png FILE         also write the sample as a PNG image
      --dpi N            resolution of the PNG (default 600); with --sheet, the label
                         printer's: 203 | 300 | 600 (default 300), so bars are whole dots
      --sample-page FILE also write the printed sample page as a PDF
      --paper NAME       letter | a4: the paper of the sample page (default letter)
)" + std::string(CsvUsage) +
                       std::string(SheetUsage) +
                       R"(  -h, --help             show this text
      --version          show the version

A made bar code whose size the window would warn about carries the warning
("too small to scan reliably", "above 200 %"): in the JSON "warning", in the
--batch "warning" column, on stderr in plain mode; the exit status stays.

A --requests line or a --batch record may be up to 1 MB long; a longer one is
answered as a failed record and the run goes on. A UTF-8 byte-order mark at the
start of the input is skipped, and so are empty lines at its end.

Exit status, in every mode:
  0  every record was encoded (and the image written)
  1  some record failed to encode, a malformed one included (on sheets: or
     could not be placed at a size that scans)
  2  bad usage, unreadable input or unwritable output (nothing is left half written)
)");
}

} // namespace zindra::cli

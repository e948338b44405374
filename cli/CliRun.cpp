#include "CliRun.h"

#include "Calculation.h"
#include "ChartData.h"
#include "CodePage.h"
#include "Cp1251.h"
#include "CsvExport.h"
#include "ExportFile.h"
#include "FeLocale.h"
#include "FeWordWdList.h"
#include "IniFile.h"
#include "Keywords.h"
#include "Kwic.h"
#include "OptionKeys.h"
#include "ReplaceFile.h"
#include "ResultTables.h"
#include "TextLoading.h"
#include "WholeFile.h"
#include "WriteCheck.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <optional>
#include <stdexcept>

namespace lexorin {
namespace {

const char* const kUsage =
    "Usage: lexorin-cli TASK [options] FILE\n"
    "  TASK                 phrases, wordforms, concordance, summary, kwic,\n"
    "                       collocates or keywords\n"
    "  --option KEY=VALUE   sets an option by its settings key, for example\n"
    "                       rseCases_Value=3 or cbCaseSens_Checked=True (repeatable)\n"
    "  --settings FILE      reads the \"Options\" section of a settings file first\n"
    "  --ignored FILE       uses that list of ignored words\n"
    "  --layout basic|professional\n"
    "                       the concordance layout (basic: words and frequencies;\n"
    "                       professional: every occurrence with its context)\n"
    "  --output FILE        writes the result there instead of to standard output;\n"
    "                       a list goes to FILE.xlsx as an Excel workbook, to any\n"
    "                       other name as CSV in UTF-8 with a byte-order mark\n"
    "  --report FILE.pdf    writes the paged report of the list as PDF (not for summary)\n"
    "  --chart dispersion|frequencies|frequencies-length\n"
    "                       draws a chart of the list (a dispersion chart of the\n"
    "                       row --item TEXT) into the file --chart-output FILE\n"
    "                       (.png, .svg or .pdf)\n"
    "                       With --report or --chart the list itself is written only\n"
    "                       with --output.\n"
    "  --chart-log          a logarithmic frequency axis on a frequency chart\n"
    "  --encoding NAME      reads the text in that encoding: utf-8, utf-16 or an\n"
    "                       8-bit one (windows-1250, cp1252, latin2, koi8-r, ...);\n"
    "                       by default UTF-8 and UTF-16 are told by their bytes\n"
    "                       and any other text is read as windows-1251\n"
    "  --list-encodings     lists the encodings by name\n"
    "  --search TERM        kwic, collocates: the words to find, \"*\" any run of word\n"
    "                       characters, \"?\" one; several words separated by blanks\n"
    "                       find a phrase\n"
    "  --span S             kwic: the words shown before and after a match (default 5)\n"
    "  --sort KEY,KEY,KEY   kwic: sorts the lines by the words at L5...L1, K (the\n"
    "                       match), R1...R5 (default: text order)\n"
    "  --near WORD          kwic: only the lines with WORD in the collocates' span\n"
    "  --span L,R           collocates: the words before and after a match that are\n"
    "                       counted (default 5,5)\n"
    "  --min-freq N         collocates: the least O (default 2); keywords: the least\n"
    "                       frequency in both texts together (default 2)\n"
    "  --reference REF      keywords: a text, or a word list the concordance exported\n"
    "                       as CSV, to compare with (repeatable: one reference of all)\n"
    "  --threshold LL       keywords: the least log-likelihood either way: 0, 3.84,\n"
    "                       6.63, 10.83 or 15.13 (default 3.84)\n"
    "  --reference-encoding NAME\n"
    "                       keywords: reads the references in that encoding; by\n"
    "                       default UTF-8 and UTF-16 by their bytes, any other in\n"
    "                       the text's 8-bit encoding\n"
    "  --quiet              writes nothing to standard error but errors\n"
    "  -h, --help           shows this text\n"
    "  --version            shows the program's version\n"
    "Without --ignored no word is ignored: unlike the window, which uses its\n"
    "current list, the command line uses a list only when it is named.\n"
    "Progress shows on one line while standard error is a terminal; otherwise\n"
    "only errors, notes and the final \"Total results\" are written there.\n";

struct TUsageError {
    std::string message;
};

// --help or --version: the text asked for, on standard output.
struct TAskedFor {
    std::string text;
};

struct TCommand {
    TAnalysisPage page = TAnalysisPage::Phrases;
    std::vector<std::pair<std::string, std::string>> options;
    std::optional<std::string> settings, ignored, output, report;
    TConcordanceLayout layout = TConcordanceLayout::Basic;
    std::string file;
    std::optional<std::string> chart, item, chartOutput;
    std::string encoding; // empty: chosen by the bytes
    bool chartLog = false;
    bool quiet = false;
};

void CheckChart(const TCommand& command) {
    if (command.chart.has_value() != command.chartOutput.has_value())
        throw TUsageError{"--chart and --chart-output go together"};
    if (command.item && command.chart != "dispersion")
        throw TUsageError{"--item names the row of a dispersion chart"};
    if (command.chartLog && (!command.chart || command.chart == "dispersion"))
        throw TUsageError{"--chart-log is for the frequency charts"};
    if (!command.chart)
        return;
    if (*command.chart != "dispersion" && *command.chart != "frequencies" &&
        *command.chart != "frequencies-length")
        throw TUsageError{"unknown chart \"" + *command.chart + "\""};
    if (command.page == TAnalysisPage::Summary)
        throw TUsageError{"the summary has no charts"};
    if (*command.chart == "dispersion" && !command.item)
        throw TUsageError{"a dispersion chart needs --item TEXT"};
    const std::string& output = *command.chartOutput;
    if (!EndsWithIgnoreCase(output, ".png") && !EndsWithIgnoreCase(output, ".svg") &&
        !EndsWithIgnoreCase(output, ".pdf"))
        throw TUsageError{"a chart is written as .png, .svg or .pdf, not as \"" + output + "\""};
}

// An encoding's name as --encoding takes it; a usage error otherwise.
void CheckEncodingName(const std::string& arg, const std::string& name) {
    if (name.empty())
        throw TUsageError{arg + " needs a name"};
    if (UnicodeForm(name) != TUnicodeForm::None)
        return;
    try {
        EightBitPage(name);
    } catch (const EEncoding& unknown) {
        throw TUsageError{unknown.what()};
    }
}

TCommand Parse(const std::vector<std::string>& args) {
    static const std::map<std::string, TAnalysisPage> kTasks = {
        {"phrases", TAnalysisPage::Phrases},
        {"wordforms", TAnalysisPage::Wordforms},
        {"concordance", TAnalysisPage::Concordance},
        {"summary", TAnalysisPage::Summary},
        {"kwic", TAnalysisPage::Kwic},
        {"collocates", TAnalysisPage::Collocates},
        {"keywords", TAnalysisPage::Keywords}};
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h")
            throw TAskedFor{kUsage};
        if (arg == "--version")
            throw TAskedFor{"lexorin-cli " LEXORIN_VERSION "\n"};
        if (arg == "--list-encodings") {
            std::string names;
            for (const std::string& name : ReadableEncodings())
                names += name + "\n";
            throw TAskedFor{names};
        }
    }
    if (args.empty())
        throw TUsageError{"no task given"};
    const auto task = kTasks.find(args[0]);
    TCommand command;
    if (task == kTasks.end())
        throw TUsageError{"unknown task \"" + args[0] + "\""};
    command.page = task->second;
    const bool kwic = command.page == TAnalysisPage::Kwic;
    const bool collocates = command.page == TAnalysisPage::Collocates;
    const bool keywords = command.page == TAnalysisPage::Keywords;
    const auto only = [&](const std::string& arg, bool allowed, const char* tasks) {
        if (!allowed)
            throw TUsageError{arg + " is for " + tasks};
    };
    const auto option = [&](const char* key, std::string value) {
        command.options.emplace_back(key, std::move(value));
    };
    std::string references;
    bool haveFile = false;
    for (std::size_t k = 1; k < args.size(); ++k) {
        const std::string& arg = args[k];
        const auto value = [&]() -> const std::string& {
            if (k + 1 >= args.size())
                throw TUsageError{arg + " needs a value"};
            return args[++k];
        };
        if (arg == "--option") {
            const std::string& pair = value();
            const std::size_t equals = pair.find('=');
            if (equals == std::string::npos)
                throw TUsageError{"--option wants KEY=VALUE, not \"" + pair + "\""};
            command.options.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
        } else if (arg == "--settings") {
            command.settings = value();
        } else if (arg == "--ignored") {
            command.ignored = value();
        } else if (arg == "--output") {
            command.output = value();
        } else if (arg == "--report") {
            command.report = value();
            if (!EndsWithIgnoreCase(*command.report, ".pdf"))
                throw TUsageError{"a report is written as .pdf, not as \"" + *command.report +
                                  "\""};
        } else if (arg == "--encoding") {
            command.encoding = value();
            CheckEncodingName(arg, command.encoding);
        } else if (arg == "--reference-encoding") {
            only(arg, keywords, "keywords");
            const std::string& encoding = value();
            CheckEncodingName(arg, encoding);
            option("cbKeywordEncoding_Text", encoding);
        } else if (arg == "--search") {
            only(arg, kwic || collocates, "kwic and collocates");
            option(kwic ? "edKwicSearch_Text" : "edCollocSearch_Text", value());
        } else if (arg == "--span") {
            only(arg, kwic || collocates, "kwic and collocates");
            const std::string& span = value();
            const std::size_t comma = span.find(',');
            int left = 0, right = 0;
            if (kwic ? !ParseInt(span, left) || left < 0 || left > 99
                     : comma == std::string::npos || !ParseInt(span.substr(0, comma), left) ||
                           !ParseInt(span.substr(comma + 1), right) || left < 0 || left > 99 ||
                           right < 0 || right > 99)
                throw TUsageError{std::string(kwic ? "--span wants a number of words"
                                                   : "--span wants L,R, numbers of words") +
                                  " from 0 to 99, not \"" + span + "\""};
            if (kwic) {
                option("rseKwicSpan_Value", span);
            } else {
                option("rseCollocLeft_Value", std::to_string(left));
                option("rseCollocRight_Value", std::to_string(right));
            }
        } else if (arg == "--sort") {
            only(arg, kwic, "kwic");
            const std::string& keys = value();
            const std::optional<std::vector<int>> places = ParseSortKeys(keys);
            if (!places)
                throw TUsageError{"unknown sort key in \"" + keys + "\" (L5 ... L1, K, R1 ... R5)"};
            if (places->empty() || places->size() > 3)
                throw TUsageError{"--sort takes one to three keys"};
            option("edKwicSort_Text", keys);
        } else if (arg == "--near") {
            only(arg, kwic, "kwic");
            option("edKwicNear_Text", value());
        } else if (arg == "--min-freq") {
            only(arg, collocates || keywords, "collocates and keywords");
            const std::string& least = value();
            int number = 0;
            if (!ParseInt(least, number) || number < 1 || number > 9999)
                throw TUsageError{"--min-freq wants a number from 1 to 9999, not \"" + least +
                                  "\""};
            option(collocates ? "rseCollocMinObserved_Value" : "rseKeywordMinFreq_Value", least);
        } else if (arg == "--reference") {
            only(arg, keywords, "keywords");
            const std::string& reference = value();
            if (reference.empty() || reference.find('|') != std::string::npos)
                throw TUsageError{"--reference needs a file name without \"|\""};
            references += (references.empty() ? "" : "|") + reference;
        } else if (arg == "--threshold") {
            only(arg, keywords, "keywords");
            // 0 for none, else one of the thresholds: their place from 1.
            const std::string& threshold = value();
            double ll = -1;
            const char* const end = threshold.data() + threshold.size();
            const bool read = std::from_chars(threshold.data(), end, ll).ptr == end;
            const auto found =
                std::find(std::begin(kKeywordThresholds), std::end(kKeywordThresholds), ll);
            if (!read || (ll != 0 && found == std::end(kKeywordThresholds)))
                throw TUsageError{"--threshold is one of 0, 3.84, 6.63, 10.83, 15.13, not \"" +
                                  threshold + "\""};
            option("cbKeywordThreshold_ItemIndex",
                   std::to_string(ll == 0 ? 0 : found - std::begin(kKeywordThresholds) + 1));
        } else if (arg == "--quiet") {
            command.quiet = true;
        } else if (arg == "--layout") {
            const std::string& layout = value();
            if (layout == "basic")
                command.layout = TConcordanceLayout::Basic;
            else if (layout == "professional")
                command.layout = TConcordanceLayout::Professional;
            else
                throw TUsageError{"unknown layout \"" + layout + "\""};
        } else if (arg == "--chart") {
            command.chart = value();
        } else if (arg == "--item") {
            command.item = value();
        } else if (arg == "--chart-output") {
            command.chartOutput = value();
        } else if (arg == "--chart-log") {
            command.chartLog = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            throw TUsageError{"unknown option \"" + arg + "\""};
        } else if (haveFile) {
            throw TUsageError{"more than one file given"};
        } else {
            command.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile)
        throw TUsageError{"no file given"};
    if (command.page == TAnalysisPage::Summary && command.output && IsWorkbookName(*command.output))
        throw TUsageError{"the summary is written as text, not as a workbook"};
    if (!references.empty())
        option("edKeywordReference_Text", references);
    if ((kwic || collocates || keywords) && command.chart)
        throw TUsageError{args[0] + " has no charts"};
    CheckChart(command);
    return command;
}

struct TCannotOpen {
    std::string path;
};

struct TCannotWrite {
    std::string destination; // file "PATH" or to standard output
    std::string reason;
};

// An option's value as typed, in UTF-8 (or in cp1251 where the bytes are
// not UTF-8), as the options hold it: in UTF-8.
std::string OptionText(const std::string& value) {
    std::string cp1251;
    return Utf8ToCp1251(value, cp1251) ? value : Cp1251ToUtf8(value);
}

std::string ReadFile(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        throw TCannotOpen{path};
    return bytes;
}

// How much goes to standard error besides the errors.
enum class TCliVerbosity {
    Quiet,    // nothing else
    Plain,    // the final count and the notes, one per line
    Terminal, // besides, the status and a progress bar on one line rewritten in place
};

// Status texts and messages on standard error: on a terminal the latest
// status or the tree's progress bar on one line rewritten in place; in any
// case notes (Inform) on lines of their own and, at the end, the final
// status.
class TCliHost : public TQuietHost {
public:
    TCliHost(std::ostream& err, TCliVerbosity verbosity) : err_(err), verbosity_(verbosity) {}
    // An error that ends the run is written on a line of its own.
    ~TCliHost() override { Show({}); }
    TCliHost(const TCliHost&) = delete;
    TCliHost& operator=(const TCliHost&) = delete;

    void SetStatusText(std::string_view text) override {
        // The one status that tells of the outcome rather than the progress.
        if (text == kEmptyTextStatus) {
            Note(std::string(text));
            return;
        }
        status_ = text;
        if (verbosity_ == TCliVerbosity::Terminal && maximum_ == 0)
            Show(Cp1251ToUtf8(text));
    }
    void Inform(std::string_view message) override { Note(Cp1251ToUtf8(message)); }
    void ShowProgress(int maximum) override {
        maximum_ = maximum;
        Draw(0);
    }
    void SetProgress(int position) override { Draw(position); }
    void HideProgress() override {
        maximum_ = 0;
        if (verbosity_ == TCliVerbosity::Terminal)
            Show({});
    }

    // A line of its own, unless quiet.
    void Note(const std::string& line) {
        if (verbosity_ == TCliVerbosity::Quiet)
            return;
        Show({});
        err_ << line << '\n' << std::flush;
    }
    // Clears the status line; `showStatus`: writes the last status as the
    // run's last line (for a list, its count).
    void Finish(bool showStatus) {
        if (showStatus && !status_.empty())
            Note(Cp1251ToUtf8(status_));
        else
            Show({});
    }

private:
    // Replaces the terminal's status line.
    void Show(const std::string& line) {
        if (verbosity_ != TCliVerbosity::Terminal || (line.empty() && !lineShown_))
            return;
        err_ << "\r\x1b[K" << line << std::flush;
        lineShown_ = !line.empty();
    }
    void Draw(int position) {
        if (maximum_ <= 0 || verbosity_ != TCliVerbosity::Terminal)
            return;
        const int width = 40;
        const int done = static_cast<int>(std::int64_t{position} * width / maximum_);
        Show("Building the tree [" + std::string(static_cast<std::size_t>(done), '#') +
             std::string(static_cast<std::size_t>(width - done), ' ') + "] " +
             std::to_string(std::int64_t{position} * 100 / maximum_) + "%");
    }
    std::ostream& err_;
    TCliVerbosity verbosity_;
    std::string status_;
    bool lineShown_ = false;
    int maximum_ = 0;
};

// The text on one line: a line break (CR LF, CR or LF), a tab and any other
// control character become one blank each.
std::string OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        if (c == '\r' && k + 1 < text.size() && text[k + 1] == '\n')
            continue;
        line.push_back(c < 0x20 ? ' ' : text[k]);
    }
    return line;
}

// One figure a line: its label, a tab and its value, so that a sentence
// with line breaks still takes one line; the text's encoding last.
void WriteSummary(const TAnalysisState& state, const std::string& encoding, std::ostream& out) {
    for (const TSummaryField& field : state.summaryFields) {
        std::string value = field.value;
        if (field.noteControl != nullptr)
            value += " " + field.note;
        out << field.label << "\t" << TextToUtf8(OneLine(value)) << '\n';
    }
    out << "Encoding\t" << encoding << '\n';
}

// Puts Windows-1251 back as the text's page when a run ends, however it
// ends.
struct TCp1251Afterwards {
    TCp1251Afterwards() = default;
    ~TCp1251Afterwards() { SetTextPage(Cp1251Page()); }
    TCp1251Afterwards(const TCp1251Afterwards&) = delete;
    TCp1251Afterwards& operator=(const TCp1251Afterwards&) = delete;
};

// 0 when the chart is written, 1 with the reason on `err` when not.
int WriteChart(const TCommand& command, TAnalysisState& state, std::ostream& err,
               const TCliChartWriter& chartWriter) {
    std::string item;
    if (command.item &&
        (!Utf8WhollyInText(*command.item, item) || !MoveToChartItem(state, command.page, item))) {
        err << "The list has no row \"" << *command.item << "\"\n";
        return 1;
    }
    const std::string error =
        chartWriter(state, command.page, {*command.chart, *command.chartOutput, command.chartLog});
    if (!error.empty()) {
        err << error << '\n';
        return 1;
    }
    return 0;
}

// Has `write` write the result to standard output (`out`), or to the output
// file, replaced in one step, after `mark` (a byte-order mark or nothing);
// a write that fails ends the run with TCannotWrite.
void WriteOut(const TCommand& command, std::ostream& out, std::string_view mark,
              const std::function<void(std::ostream&)>& write) {
    if (!command.output) {
        try {
            errno = 0;
            write(out);
            out << std::flush;
            CheckWritten(out);
        } catch (const EWriteFailed& error) {
            throw TCannotWrite{"to standard output", error.what()};
        }
        return;
    }
    try {
        ReplaceFile(*command.output, [&](const std::string& temporary) {
            errno = 0;
            std::ofstream file(temporary, std::ios::binary);
            file << mark;
            write(file);
            file.close();
            CheckWritten(file);
        });
    } catch (const std::runtime_error& error) {
        throw TCannotWrite{"file \"" + *command.output + "\"", error.what()};
    }
}

// The options of the settings file, then of the command line; the values
// that cannot be read are said on `err`.
TAnalysisOptions ReadOptions(const TCommand& command, std::ostream& err) {
    TAnalysisOptions options;
    if (command.settings) {
        // Values that cannot be read are passed by as the program passes
        // them by.
        ReadStoredOptions(TIniFile(ReadFile(*command.settings)), options);
    }
    for (const auto& [key, value] : command.options) {
        const TOptionResult result = ApplyOption(options, key, OptionText(value));
        if (result == TOptionResult::UnknownKey)
            throw TUsageError{"\"" + key + "\" is not an option"};
        if (result == TOptionResult::BadValue)
            err << "Option " << key << ": \"" << value
                << "\" cannot be read; the option keeps its value\n";
    }
    return options;
}

int Run(const TCommand& command, std::ostream& out, std::ostream& err, bool errIsTerminal,
        const TCliDrawers& drawers) {
    if (command.chart && !drawers.chart)
        throw TUsageError{"this build draws no charts"};
    if (command.report && !drawers.report)
        throw TUsageError{"--report is not available in this build"};
    if (command.report && command.page == TAnalysisPage::Summary)
        throw TUsageError{"the summary has no report"};
    // Windows-1251 until the text is read, and again after the run.
    SetTextPage(Cp1251Page());
    const TCp1251Afterwards restorePage;
    TAnalysisState state;
    state.options = ReadOptions(command, err);
    // The term or the reference may come from --settings or --option too.
    const TAnalysisOptions& given = state.options;
    if (command.page == TAnalysisPage::Kwic && ParseSearchTerm(given.edKwicSearch).empty())
        throw TUsageError{"kwic needs a search term: --search TERM"};
    if (command.page == TAnalysisPage::Collocates && ParseSearchTerm(given.edCollocSearch).empty())
        throw TUsageError{"collocates needs a search term: --search TERM"};
    if (command.page == TAnalysisPage::Keywords && ReferencePaths(given.edKeywordReference).empty())
        throw TUsageError{"keywords needs a reference: --reference REF"};
    const std::string& language = state.options.cbSortLanguage;
    const auto& languages = SortLanguages();
    if (!language.empty() &&
        std::none_of(languages.begin(), languages.end(),
                     [&](const auto& known) { return known.first == language; }))
        throw TUsageError{"unknown sort language \"" + language + "\""};
    const bool writesCsv =
        command.page != TAnalysisPage::Summary &&
        (command.output ? !IsWorkbookName(*command.output) : !command.chart && !command.report);
    if (const std::string problem = CsvOptionsProblem(state.options); writesCsv && !problem.empty())
        throw TUsageError{problem};
    TCliHost host(err, command.quiet   ? TCliVerbosity::Quiet
                       : errIsTerminal ? TCliVerbosity::Terminal
                                       : TCliVerbosity::Plain);
    TLoadedText loaded = LoadTextInEncoding(ReadFile(command.file), command.encoding, language);
    SetTextPage(loaded.page);
    if (loaded.fromUtf8)
        host.Note("Text converted from " + loaded.encoding);
    state.viewText = std::move(loaded.text);
    state.referenceEncoding = loaded.fromUtf8 ? std::string() : loaded.encoding;
    const std::string encoding = loaded.encoding;

    if (command.ignored) {
        ReadFile(*command.ignored); // a list asked for must be readable
        state.ignoredListPath = *command.ignored;
    }

    StoreWordPositions = true;
    TCalculation calculation(state, host);
    calculation.Calculate(command.page);
    host.Finish(command.page != TAnalysisPage::Summary);
    if (command.chart)
        if (const int status = WriteChart(command, state, err, drawers.chart); status != 0)
            return status;
    if (command.report) {
        const std::string error =
            drawers.report(state, command.page, command.file, *command.report);
        if (!error.empty()) {
            err << error << '\n';
            return 1;
        }
    }
    if ((command.chart || command.report) && !command.output)
        return 0;
    if (command.page == TAnalysisPage::Summary) {
        WriteOut(command, out, {}, [&](std::ostream& to) { WriteSummary(state, encoding, to); });
        return 0;
    }
    if (!command.output) {
        WriteOut(command, out, {}, [&](std::ostream& to) {
            ExportCsv(state, command.page, command.layout, TCsvFormat::From(state.options), to);
        });
        return 0;
    }
    // A list to a file: CSV or a workbook by its name.
    try {
        WriteExportFile(state, command.page, command.layout, state.options, *command.output);
    } catch (const std::runtime_error& error) {
        throw TCannotWrite{"file \"" + *command.output + "\"", error.what()};
    }
    return 0;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal, const TCliDrawers& drawers) {
    try {
        return Run(Parse(args), out, err, errIsTerminal, drawers);
    } catch (const TAskedFor& e) {
        out << e.text << std::flush;
        return 0;
    } catch (const TUsageError& e) {
        err << "lexorin-cli: " << e.message << "\n" << kUsage;
        return 2;
    } catch (const TCannotOpen& e) {
        err << "Cannot open file \"" << e.path << "\"\n";
        return 1;
    } catch (const TCannotWrite& e) {
        err << "Cannot write " << e.destination << ": " << e.reason << "\n";
        return 1;
    } catch (const std::bad_alloc&) {
        err << "Out of memory: the text is too large for the memory of this machine\n";
        return 1;
    } catch (const std::exception& e) {
        err << "lexorin-cli: " << e.what() << "\n";
        return 1;
    } catch (...) {
        err << "lexorin-cli: an unknown error stopped the run\n";
        return 1;
    }
}

} // namespace lexorin

#include "Keywords.h"

#include "AssociationMeasures.h"
#include "FeLocale.h"
#include "FeUtils.h"
#include "IgnoredWords.h"
#include "Kwic.h"
#include "TextDecoding.h"
#include "Utf8.h"
#include "WholeFile.h"

#include <cmath>

namespace lexorin {
namespace {

// Tokenises by another page's classes for as long as it lives.
class TBorrowedCharTables {
public:
    explicit TBorrowedCharTables(const TCharTables& tables) : saved_(CharTables()) {
        SetCharTables(tables);
    }
    ~TBorrowedCharTables() { SetCharTables(saved_); }
    TBorrowedCharTables(const TBorrowedCharTables&) = delete;
    TBorrowedCharTables& operator=(const TBorrowedCharTables&) = delete;

private:
    TCharTables saved_;
};

// Adds `frequency` tokens of a word written `spelling` (UTF-8; `inPage` the
// same in the active page, for the number test) unless the filter leaves it
// out.
void Count(std::string_view inPage, const std::string& spelling, std::int64_t frequency,
           const TWordFilter& filter, TWordCounts& counts) {
    const std::string folded = Utf8Fold(spelling);
    if ((filter.excludeNumbers && IsNumberText(inPage)) ||
        (filter.ignored != nullptr && filter.ignored->count(folded) > 0))
        return;
    const std::string& type = filter.caseSensitive ? spelling : folded;
    counts.tokens += frequency;
    counts.frequencies[type] += frequency;
    counts.shown.try_emplace(type, filter.caseSensitive ? spelling : Utf8LowerText(spelling));
}

void CountWordList(const std::string& path, std::string_view bytes, const TCsvFormat& csv,
                   const TWordFilter& filter, TWordCounts& counts) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    int number = 0;
    for (const std::string_view line : SplitLines(bytes)) {
        ++number;
        if (TrimControls(line).empty())
            continue;
        const std::vector<std::string> fields = csv.Fields(line);
        int frequency = 0;
        if (fields.size() < 2 || !ParseInt(TrimControls(fields[1]), frequency) || frequency < 0) {
            if (number == 1)
                continue; // the title line
            throw EReference(path + ": line " + std::to_string(number) +
                             " is not a word and its frequency");
        }
        const std::string word(TrimControls(fields[0]));
        if (frequency > 0)
            Count(word, word, frequency, filter, counts);
    }
}

} // namespace

void CountWords(std::string_view text, const TCodePage& page, const TWordFilter& filter,
                TWordCounts& counts) {
    const TBorrowedCharTables tables(page.Tables());
    // Each form of the page once, with its first spelling.
    struct TForm {
        std::int64_t frequency = 0;
        std::string_view spelling;
    };
    std::unordered_map<std::string, TForm> inPage;
    std::string key;
    for (const TToken& token : Tokens(text)) {
        AssignWordKey(key, TokenText(text, token), filter.caseSensitive);
        TForm& form = inPage[key];
        if (form.frequency++ == 0)
            form.spelling = TokenText(text, token);
    }
    for (const auto& [word, form] : inPage)
        Count(word, TextToUtf8(page, form.spelling), form.frequency, filter, counts);
}

void CountReferenceFile(const std::string& path, const TCsvFormat& csv, const TWordFilter& filter,
                        std::string_view named, std::string_view eightBitEncoding,
                        TWordCounts& counts) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        throw EReference("Cannot open the reference " + path);
    if (EndsWithIgnoreCase(path, ".csv"))
        return CountWordList(path, bytes, csv, filter, counts);
    try {
        TDecodedText decoded = DecodeText(bytes, named);
        if (named.empty() && !decoded.unicode && !eightBitEncoding.empty())
            decoded = DecodeText(bytes, eightBitEncoding);
        CountWords(decoded.text, *decoded.page, filter, counts);
    } catch (const EEncoding& error) {
        throw EReference(path + ": " + error.what());
    }
}

std::vector<TKeyword> FindKeywords(const TWordCounts& text, const TWordCounts& reference) {
    std::vector<TKeyword> keywords;
    const auto n1 = static_cast<double>(text.tokens);
    const auto n2 = static_cast<double>(reference.tokens);
    // A word is shown as the text spells it, else as the reference does.
    const auto add = [&](const std::string& type, std::int64_t a, std::int64_t b) {
        const auto fa = static_cast<double>(a);
        const auto fb = static_cast<double>(b);
        const std::string& word = (a > 0 ? text : reference).shown.at(type);
        keywords.push_back({word, a, b, n1 > 0 ? fa / n1 * 1e6 : 0, n2 > 0 ? fb / n2 * 1e6 : 0,
                            KeywordLogLikelihood(fa, fb, n1, n2), LogRatio(fa, fb, n1, n2)});
    };
    for (const auto& [word, a] : text.frequencies) {
        const auto found = reference.frequencies.find(word);
        add(word, a, found != reference.frequencies.end() ? found->second : 0);
    }
    for (const auto& [word, b] : reference.frequencies)
        if (text.frequencies.count(word) == 0)
            add(word, 0, b);
    return keywords;
}

bool KeepKeyword(const TKeyword& keyword, double threshold, std::int64_t minFrequency) {
    return std::fabs(keyword.logLikelihood) >= threshold &&
           keyword.text + keyword.reference >= minFrequency;
}

std::vector<std::string> ReferencePaths(std::string_view option) {
    std::vector<std::string> paths;
    while (!option.empty()) {
        const std::size_t bar = std::min(option.find('|'), option.size());
        if (const std::string_view path = TrimControls(option.substr(0, bar)); !path.empty())
            paths.emplace_back(path);
        option.remove_prefix(std::min(bar + 1, option.size()));
    }
    return paths;
}

void CalcKeywords(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    const std::vector<std::string> paths = ReferencePaths(options.edKeywordReference);
    if (!calculation.PrepareRun())
        return;
    // The list is read again in UTF-8: the set the run loaded holds only
    // the words of the text's page, and a reference may hold others.
    const std::unordered_set<std::string> ignored = options.cbConcordanceUseIgnored
                                                        ? IgnoredWordsFolded(state.ignoredListPath)
                                                        : std::unordered_set<std::string>();
    const TWordFilter filter{options.cbCaseSens, options.cbConcExcludeNumbers, &ignored};
    calculation.BeginSteps(static_cast<int>(paths.size()) + 1);
    TWordCounts text, reference;
    CountWords(state.analysedText, TextPage(), filter, text);
    TMemTable& table = state.mteKeywords;
    if (text.tokens == 0) {
        // Nothing to compare: an empty list, as for an empty text.
        state.keywordDetails.clear();
        calculation.ResetTable(table);
        calculation.FillTable(
            table, [] {}, kNoTextWords);
        return;
    }
    if (!calculation.StepDone(1))
        return;
    const auto refuse = [&] {
        calculation.Host().HideProgress();
        calculation.Host().SetCancelEnabled(false);
    };
    for (std::size_t k = 0; k < paths.size(); ++k) {
        try {
            CountReferenceFile(paths[k], TCsvFormat::From(options), filter,
                               options.cbKeywordEncoding, state.referenceEncoding, reference);
        } catch (...) {
            refuse();
            throw;
        }
        if (!calculation.StepDone(static_cast<int>(k) + 2))
            return;
    }
    if (reference.tokens == 0) {
        refuse();
        throw EReference(std::string(kEmptyReference));
    }
    std::string names;
    for (const std::string& path : paths)
        names += (names.empty() ? "" : ", ") + path.substr(path.find_last_of('/') + 1);
    state.keywordDetails = "Text N1 = " + std::to_string(text.tokens) +
                           ", reference N2 = " + std::to_string(reference.tokens) + " (" + names +
                           ")";
    const std::vector<TKeyword> keywords = FindKeywords(text, reference);
    const double threshold =
        options.cbKeywordThreshold > 0 ? kKeywordThresholds[options.cbKeywordThreshold - 1] : 0.0;
    std::vector<TKeyword> kept;
    for (const TKeyword& keyword : keywords)
        if (KeepKeyword(keyword, threshold, options.rseKeywordMinFreq))
            kept.push_back(keyword);
    calculation.ResetTable(table);
    calculation.FillTable(
        table,
        [&] {
            calculation.AddRows(
                table, kept, "Keywords added", [](TMemTable& to, const TKeyword& keyword) {
                    to.SetText("word", keyword.word);
                    to.SetInteger("text", static_cast<std::int32_t>(keyword.text));
                    to.SetInteger("reference", static_cast<std::int32_t>(keyword.reference));
                    to.SetDouble("textpm", keyword.textPerMillion);
                    to.SetDouble("referencepm", keyword.referencePerMillion);
                    to.SetDouble("ll", keyword.logLikelihood);
                    to.SetDouble("logratio", keyword.logRatio);
                });
        },
        "No keywords.");
}

} // namespace lexorin

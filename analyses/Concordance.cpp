#include "Concordance.h"

#include "Calculation.h"
#include "FeLocale.h"
#include "FeUtils.h"
#include "FeWordWdList.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

namespace lexorin {
namespace {

std::vector<std::string> SplitPositions(const std::string& positions) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    while (from <= positions.size()) {
        const std::size_t semicolon = std::min(positions.find(';', from), positions.size());
        if (semicolon > from)
            pieces.push_back(positions.substr(from, semicolon - from));
        from = semicolon + 1;
    }
    return pieces;
}

void FillWords(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    TFeWordsString words(state.analysedText, static_cast<int>(state.analysedText.size()),
                         MakeCharSet(options.edBreakChars), true);
    words.SetCaseSensitive(options.cbCaseSens);
    // Each distinct word's occurrences lie together in word order, in text order.
    words.SortWords(false);
    TMemTable& table = state.mteConcordance;
    const std::vector<std::int32_t>& bounds = words.WordBounds();
    const std::vector<std::int32_t>& starts = words.SortedStarts();
    std::string positions;
    int added = 0;
    for (std::size_t r = 0; r + 1 < bounds.size(); ++r) {
        const int first = bounds[r];
        const int n = bounds[r + 1] - first;
        if (n < options.rseConcMinFreq)
            continue;
        const std::string_view word = words.SortedWordText(first);
        if ((options.cbConcordanceUseIgnored && state.ignoredWordSet.Contains(word)) ||
            (options.cbConcExcludeNumbers && IsNumberText(word)))
            continue;
        positions.clear();
        char digits[16];
        for (int k = first; k < first + n; ++k) {
            const auto end = std::to_chars(digits, digits + sizeof digits, starts[k]).ptr;
            positions.append(digits, end);
            positions += ';';
        }
        table.Append();
        table.SetText("word", word);
        table.SetText("positions", positions);
        table.SetInteger("count", n);
        table.Post();
        ++added;
        calculation.ReportAdded("Words added", added);
    }
}

} // namespace

void CalcConcordance(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    if (!calculation.PrepareRun())
        return;
    calculation.ResetTable(state.mteConcordance);
    calculation.FillTable(
        state.mteConcordance, [&] { FillWords(calculation); }, "No data in concordance.");
    state.busy = false;
    ConcordanceAfterScroll(state);
}

void ConcordanceAfterScroll(TAnalysisState& state) {
    const TMemTable& table = state.mteConcordance;
    if (state.busy || table.Inserting())
        return;
    if (table.RecNo() < 0) {
        state.mteConcordanceDetail.Close();
        state.mteConcordanceDetail.Open();
        return;
    }
    FillContexts(state, table.CurrentText("word"), table.CurrentText("positions"));
}

void FillContexts(TAnalysisState& state, const std::string& word, const std::string& positions) {
    TMemTable& detail = state.mteConcordanceDetail;
    detail.Close();
    detail.Open();
    const TCharSet stop = MakeCharSet(state.options.edContextBreakChars);
    for (const std::string& piece : SplitPositions(positions)) {
        int position = 0;
        if (!ParseInt(piece, position))
            break;
        std::string written = word, before, after, context;
        int inner = position;
        ExtractContext(state.analysedText, written, state.options.rseConLength, stop, inner, before,
                       after, context);
        detail.Append();
        detail.SetText("before", before);
        detail.SetText("after", after);
        detail.SetText("word", written);
        detail.SetInteger("pos", position);
        detail.SetInteger("internalpos", inner);
        detail.SetInteger("internallength", static_cast<int>(written.size()));
        detail.SetText("display", BlanksToSpaces(context));
        detail.Post();
    }
    detail.Sort("pos asc");
    if (detail.RecordCount() > 0)
        detail.First();
}

std::vector<int> SortedPositions(const std::string& positions) {
    std::vector<int> sorted;
    for (const std::string& piece : SplitPositions(positions)) {
        int position = 0;
        if (ParseInt(piece, position))
            sorted.push_back(position);
    }
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

std::vector<std::string> GetReportContexts(const TAnalysisState& state) {
    const TMemTable& table = state.mteConcordance;
    const TCharSet stop = MakeCharSet(state.options.edContextBreakChars);
    std::vector<std::string> contexts;
    // Contexts that differ only in case are the same; a set of their
    // lower-case forms keeps a frequent word's report from comparing every
    // pair.
    std::unordered_set<std::string> seen;
    for (int position : SortedPositions(table.CurrentText("positions"))) {
        std::string word = table.CurrentText("word"), before, after, context;
        ExtractContext(state.analysedText, word, state.options.rseConLength, stop, position, before,
                       after, context);
        if (seen.insert(LowerCaseText(context)).second)
            contexts.push_back(std::move(context));
    }
    return contexts;
}

} // namespace lexorin

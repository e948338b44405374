#include "Collocates.h"

#include "AssociationMeasures.h"
#include "CodePage.h"
#include "FeLocale.h"
#include "Utf8.h"

#include <cmath>
#include <unordered_map>

namespace lexorin {
namespace {

// Gives every token the number of its type, types numbered by first token,
// each with the spelling of its first token.
class TTokenTypes {
public:
    TTokenTypes(std::string_view text, const std::vector<TToken>& tokens, bool caseSensitive) {
        types_.reserve(tokens.size());
        std::string key;
        for (const TToken& token : tokens) {
            AssignWordKey(key, TokenText(text, token), caseSensitive);
            auto found = ids_.find(key);
            if (found == ids_.end()) {
                found = ids_.emplace(key, static_cast<std::int32_t>(words_.size())).first;
                words_.push_back(TokenText(text, token));
                frequencies_.push_back(0);
            }
            types_.push_back(found->second);
            ++frequencies_[static_cast<std::size_t>(found->second)];
        }
    }
    std::int32_t Of(std::size_t token) const { return types_[token]; }
    std::string_view Word(std::int32_t type) const {
        return words_[static_cast<std::size_t>(type)];
    }
    std::int32_t Frequency(std::int32_t type) const {
        return frequencies_[static_cast<std::size_t>(type)];
    }

private:
    std::unordered_map<std::string, std::int32_t> ids_;
    std::vector<std::string_view> words_;
    std::vector<std::int32_t> frequencies_;
    std::vector<std::int32_t> types_;
};

// Calls visit(match, token, leftSide) for every token in the span of every
// match, match by match, left side from the match outwards, then the right.
template <typename Visit>
void ForEachSpanToken(std::string_view text, const std::vector<TToken>& tokens,
                      const std::vector<std::int32_t>& matches, std::size_t length,
                      const TCollocateSpan& span, Visit visit) {
    // Whether the gap before each token (after the one before it) holds a
    // stop character.
    std::vector<bool> stopBefore(span.stops ? tokens.size() : 0, false);
    for (std::size_t k = 1; k < stopBefore.size(); ++k) {
        const auto end = static_cast<std::size_t>(tokens[k - 1].start + tokens[k - 1].length);
        for (auto at = end; at < static_cast<std::size_t>(tokens[k].start) && !stopBefore[k]; ++at)
            stopBefore[k] = span.stops->Contains(text[at]);
    }
    const auto stops = [&](std::size_t token) { return !stopBefore.empty() && stopBefore[token]; };
    const auto left = static_cast<std::size_t>(span.left);
    const auto right = static_cast<std::size_t>(span.right);
    for (const std::int32_t match : matches) {
        const auto first = static_cast<std::size_t>(match);
        const std::size_t last = first + length - 1;
        for (std::size_t k = first, taken = 0; k > 0 && taken < left && !stops(k); ++taken)
            visit(match, --k, true);
        for (std::size_t k = last + 1, taken = 0; k < tokens.size() && taken < right && !stops(k);
             ++k, ++taken)
            visit(match, k, false);
    }
}

// Which tokens belong to one of the matches.
std::vector<bool> MatchTokens(std::size_t tokens, const std::vector<std::int32_t>& matches,
                              std::size_t length) {
    std::vector<bool> inMatch(tokens, false);
    for (const std::int32_t first : matches)
        for (std::size_t k = 0; k < length; ++k)
            inMatch[static_cast<std::size_t>(first) + k] = true;
    return inMatch;
}

// A type as the list shows it: its first spelling, in lower case unless
// case decides; as spelled where the text's page lacks a lower-case letter.
// (The counting form folds case, which would show a final sigma as the
// sigma of its capital.)
std::string ShownWord(std::string_view spelling, bool caseSensitive) {
    std::string lower;
    if (caseSensitive || !Utf8WhollyInText(Utf8LowerText(TextToUtf8(spelling)), lower))
        return std::string(spelling);
    return lower;
}

void Measure(TCollocate& word, const TCollocates& all) {
    const double o = word.observed;
    const double w = static_cast<double>(all.window);
    const double fc = word.frequency;
    const double n = all.tokens;
    word.expected = w * fc / n;
    word.mi = std::log2(o / word.expected);
    word.tScore = (o - word.expected) / std::sqrt(o);
    word.logDice = 14 + std::log2(2 * o / (all.matches + fc));
    word.logLikelihood = LogLikelihood2x2(o, w - o, fc - o, n - w - fc + o, o < word.expected);
}

} // namespace

TCollocates FindCollocates(std::string_view text, const std::vector<TToken>& tokens,
                           const std::vector<std::string>& term, const TCollocateSpan& span,
                           bool caseSensitive) {
    TCollocates result;
    result.tokens = static_cast<std::int32_t>(tokens.size());
    const std::vector<std::int32_t> matches = FindMatches(text, tokens, term, caseSensitive);
    result.matches = static_cast<std::int32_t>(matches.size());
    result.window = std::int64_t{result.matches} * (span.left + span.right);
    if (matches.empty())
        return result;
    const std::vector<bool> inMatch = MatchTokens(tokens.size(), matches, term.size());
    const TTokenTypes types(text, tokens, caseSensitive);
    std::unordered_map<std::int32_t, std::size_t> rowOf; // type -> place in result.words
    ForEachSpanToken(text, tokens, matches, term.size(), span,
                     [&](std::int32_t, std::size_t token, bool leftSide) {
                         if (inMatch[token])
                             return;
                         const std::int32_t type = types.Of(token);
                         const auto [row, added] = rowOf.emplace(type, result.words.size());
                         if (added)
                             result.words.push_back({ShownWord(types.Word(type), caseSensitive), 0,
                                                     0, 0, types.Frequency(type)});
                         TCollocate& word = result.words[row->second];
                         ++word.observed;
                         ++(leftSide ? word.left : word.right);
                     });
    for (TCollocate& word : result.words)
        Measure(word, result);
    return result;
}

std::vector<std::int32_t> MatchesNear(std::string_view text, const std::vector<TToken>& tokens,
                                      const std::vector<std::string>& term, std::string_view word,
                                      const TCollocateSpan& span, bool caseSensitive) {
    const std::vector<std::int32_t> matches = FindMatches(text, tokens, term, caseSensitive);
    const std::vector<bool> inMatch = MatchTokens(tokens.size(), matches, term.size());
    std::vector<std::int32_t> near;
    ForEachSpanToken(
        text, tokens, matches, term.size(), span, [&](std::int32_t match, std::size_t token, bool) {
            const std::string_view candidate =
                TokenText(text, tokens, static_cast<std::int64_t>(token));
            const bool same =
                caseSensitive ? candidate == word : CompareTextIgnoreCase(candidate, word) == 0;
            if (same && !inMatch[token] && (near.empty() || near.back() != match))
                near.push_back(match);
        });
    return near;
}

TCollocateSpan CollocateSpanOf(const TAnalysisOptions& options) {
    TCollocateSpan span{options.rseCollocLeft, options.rseCollocRight, std::nullopt};
    if (options.cbCollocStopAtBreaks)
        span.stops = MakeCharSet(options.edBreakChars);
    return span;
}

void CalcCollocates(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    const std::vector<std::string> term = SearchTermOf(options.edCollocSearch);
    if (!calculation.PrepareRun())
        return;
    calculation.BeginSteps(2);
    const std::string& text = state.analysedText;
    const std::vector<TToken> tokens = Tokens(text);
    if (!calculation.StepDone(1))
        return;
    const TCollocates found =
        FindCollocates(text, tokens, term, CollocateSpanOf(options), options.cbCaseSens);
    if (!calculation.StepDone(2))
        return;
    state.collocateTerm = TrimmedTerm(options.edCollocSearch);
    state.collocateDetails =
        "Search \"" + state.collocateTerm + "\", " + std::to_string(options.rseCollocLeft) +
        " left, " + std::to_string(options.rseCollocRight) +
        " right: f_n = " + std::to_string(found.matches) + ", W = " + std::to_string(found.window) +
        ", N = " + std::to_string(found.tokens);
    TMemTable& table = state.mteCollocates;
    calculation.ResetTable(table);
    std::vector<TCollocate> kept;
    for (const TCollocate& word : found.words)
        if (word.observed >= options.rseCollocMinObserved &&
            word.frequency >= options.rseCollocMinFrequency)
            kept.push_back(word);
    calculation.FillTable(
        table,
        [&] {
            calculation.AddRows(table, kept, "Collocates added",
                                [](TMemTable& to, const TCollocate& word) {
                                    to.SetText("word", word.word);
                                    to.SetInteger("observed", word.observed);
                                    to.SetInteger("left", word.left);
                                    to.SetInteger("right", word.right);
                                    to.SetInteger("frequency", word.frequency);
                                    to.SetDouble("expected", word.expected);
                                    to.SetDouble("mi", word.mi);
                                    to.SetDouble("tscore", word.tScore);
                                    to.SetDouble("logdice", word.logDice);
                                    to.SetDouble("ll", word.logLikelihood);
                                });
        },
        found.matches == 0 ? kNoMatch : "No collocates.");
}

} // namespace lexorin

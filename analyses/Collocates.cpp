#include "Collocates.h"

#include "AssociationMeasures.h"
#include "FeLocale.h"

#include <cmath>
#include <unordered_map>

namespace lexorin {
namespace {

// Gives every token the number of its type, types numbered by first token.
class TTokenTypes {
public:
    TTokenTypes(std::string_view text, const std::vector<TToken>& tokens, bool caseSensitive) {
        types_.reserve(tokens.size());
        std::string key;
        for (const TToken& token : tokens) {
            key.assign(text.substr(static_cast<std::size_t>(token.start),
                                   static_cast<std::size_t>(token.length)));
            if (!caseSensitive)
                for (char& c : key)
                    c = static_cast<char>(LowerChar(c));
            auto found = ids_.find(key);
            if (found == ids_.end()) {
                found = ids_.emplace(key, static_cast<std::int32_t>(words_.size())).first;
                words_.push_back(key);
                frequencies_.push_back(0);
            }
            types_.push_back(found->second);
            ++frequencies_[static_cast<std::size_t>(found->second)];
        }
    }
    std::int32_t Of(std::size_t token) const { return types_[token]; }
    const std::string& Word(std::int32_t type) const {
        return words_[static_cast<std::size_t>(type)];
    }
    std::int32_t Frequency(std::int32_t type) const {
        return frequencies_[static_cast<std::size_t>(type)];
    }

private:
    std::unordered_map<std::string, std::int32_t> ids_;
    std::vector<std::string> words_;
    std::vector<std::int32_t> frequencies_;
    std::vector<std::int32_t> types_;
};

// Whether the gap before each token (after the one before it) holds a stop
// character.
std::vector<bool> StopsBefore(std::string_view text, const std::vector<TToken>& tokens,
                              const TCharSet& stops) {
    std::vector<bool> before(tokens.size(), false);
    for (std::size_t k = 1; k < tokens.size(); ++k) {
        const auto end = static_cast<std::size_t>(tokens[k - 1].start + tokens[k - 1].length);
        for (auto at = end; at < static_cast<std::size_t>(tokens[k].start) && !before[k]; ++at)
            before[k] = stops.Contains(text[at]);
    }
    return before;
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
    const std::size_t length = term.size();
    std::vector<bool> inMatch(tokens.size(), false);
    for (const std::int32_t first : matches)
        for (std::size_t k = 0; k < length; ++k)
            inMatch[static_cast<std::size_t>(first) + k] = true;
    const std::vector<bool> stopBefore =
        span.stops != nullptr ? StopsBefore(text, tokens, *span.stops) : std::vector<bool>();
    const auto stopsBefore = [&](std::size_t token) {
        return !stopBefore.empty() && stopBefore[token];
    };

    const TTokenTypes types(text, tokens, caseSensitive);
    std::unordered_map<std::int32_t, std::size_t> rowOf; // type -> place in result.words
    const auto count = [&](std::size_t token, bool leftSide) {
        if (inMatch[token])
            return;
        const std::int32_t type = types.Of(token);
        auto [row, added] = rowOf.emplace(type, result.words.size());
        if (added)
            result.words.push_back({types.Word(type), 0, 0, 0, types.Frequency(type)});
        TCollocate& word = result.words[row->second];
        ++word.observed;
        ++(leftSide ? word.left : word.right);
    };
    for (const std::int32_t match : matches) {
        const auto first = static_cast<std::size_t>(match);
        const std::size_t last = first + length - 1;
        for (std::size_t k = first, taken = 0;
             k > 0 && taken < static_cast<std::size_t>(span.left) && !stopsBefore(k); ++taken)
            count(--k, true);
        for (std::size_t k = last + 1, taken = 0;
             k < tokens.size() && taken < static_cast<std::size_t>(span.right) && !stopsBefore(k);
             ++k, ++taken)
            count(k, false);
    }
    for (TCollocate& word : result.words)
        Measure(word, result);
    return result;
}

} // namespace lexorin

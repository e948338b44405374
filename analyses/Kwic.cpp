#include "Kwic.h"

#include "CodePage.h"
#include "Collocates.h"
#include "FeLocale.h"
#include "FeUtils.h"

#include <algorithm>
#include <unordered_map>

namespace lexorin {
namespace {

bool SameChar(char a, char b, bool caseSensitive) {
    return caseSensitive ? a == b : LowerChar(a) == LowerChar(b);
}

} // namespace

std::string_view TokenText(std::string_view text, const std::vector<TToken>& tokens,
                           std::int64_t index) {
    if (index < 0 || index >= static_cast<std::int64_t>(tokens.size()))
        return {};
    return TokenText(text, tokens[static_cast<std::size_t>(index)]);
}

void AssignWordKey(std::string& key, std::string_view word, bool caseSensitive) {
    key.assign(word);
    if (!caseSensitive)
        ToLowerCase(key);
}

std::vector<TToken> Tokens(std::string_view text) {
    std::vector<TToken> tokens;
    for (std::size_t k = 1; k <= text.size();) {
        if (!IsWordCharAt(text, k)) {
            ++k;
            continue;
        }
        const std::size_t start = k;
        while (k <= text.size() && IsWordCharAt(text, k))
            ++k;
        tokens.push_back(
            {static_cast<std::int32_t>(start - 1), static_cast<std::int32_t>(k - start)});
    }
    return tokens;
}

std::vector<std::string> ParseSearchTerm(std::string_view term) {
    std::vector<std::string> words;
    std::string word;
    for (char c : term) {
        if (IsBlank(c)) {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool MatchesPattern(std::string_view word, std::string_view pattern, bool caseSensitive) {
    // Greedy with one step back to the last "*": enough for patterns of
    // literal characters, "?" and "*".
    std::size_t w = 0, p = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (w < word.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' ||
             (pattern[p] != '*' && SameChar(pattern[p], word[w], caseSensitive)))) {
            ++w;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = w;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            w = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::optional<int> ParseSortKey(std::string_view key) {
    if (key == "K" || key == "k")
        return 0;
    if (key.size() != 2 || key[1] < '1' || key[1] > '5')
        return std::nullopt;
    const int n = key[1] - '0';
    if (key[0] == 'L' || key[0] == 'l')
        return -n;
    if (key[0] == 'R' || key[0] == 'r')
        return n;
    return std::nullopt;
}

std::vector<std::int32_t> FindMatches(std::string_view text, const std::vector<TToken>& tokens,
                                      const std::vector<std::string>& term, bool caseSensitive) {
    std::vector<std::int32_t> matches;
    const std::size_t n = term.size();
    if (n == 0 || tokens.size() < n)
        return matches;
    for (std::size_t first = 0; first + n <= tokens.size(); ++first) {
        bool matching = true;
        for (std::size_t k = 0; k < n && matching; ++k)
            matching = MatchesPattern(TokenText(text, tokens, static_cast<std::int64_t>(first + k)),
                                      term[k], caseSensitive);
        if (matching)
            matches.push_back(static_cast<std::int32_t>(first));
    }
    return matches;
}

std::vector<TKwicLine> KwicLinesAt(const std::vector<TToken>& tokens,
                                   const std::vector<std::int32_t>& matches, std::size_t length,
                                   int span) {
    std::vector<TKwicLine> lines;
    lines.reserve(matches.size());
    for (const std::int32_t match : matches) {
        const auto first = static_cast<std::size_t>(match);
        const std::size_t last = first + length - 1;
        const auto start = static_cast<std::size_t>(tokens[first].start);
        const auto end = static_cast<std::size_t>(tokens[last].start + tokens[last].length);
        const std::size_t before =
            first - std::min<std::size_t>(first, static_cast<std::size_t>(span));
        const std::size_t after =
            std::min(tokens.size() - 1, last + static_cast<std::size_t>(span));
        const auto leftStart =
            first > before ? static_cast<std::size_t>(tokens[before].start) : start;
        const auto rightEnd =
            after > last ? static_cast<std::size_t>(tokens[after].start + tokens[after].length)
                         : end;
        const auto at = [](std::size_t place) { return static_cast<std::int32_t>(place); };
        lines.push_back(
            {at(start + 1), at(leftStart), at(start), at(end), at(rightEnd), at(first), at(last)});
    }
    return lines;
}

void SortKwicLines(std::vector<TKwicLine>& lines, std::string_view text,
                   const std::vector<TToken>& tokens, const std::vector<int>& keys) {
    if (keys.empty() || lines.size() < 2)
        return;
    const auto word = [&](const TKwicLine& line, int key) -> std::string_view {
        if (key == 0)
            return line.Match(text);
        return TokenText(text, tokens, std::int64_t{key < 0 ? line.first : line.last} + key);
    };
    // Each line's words at the keys' places as the rank of their lower-case
    // form in the collation, so that the sort compares numbers: forms that
    // differ never compare equal, so their order is the order of the words.
    const std::size_t width = keys.size();
    std::vector<std::int32_t> ranks(lines.size() * width);
    std::unordered_map<std::string, std::int32_t> forms;
    std::vector<std::string_view> firstWord; // of each form
    std::string lower;
    for (std::size_t l = 0; l < lines.size(); ++l)
        for (std::size_t k = 0; k < width; ++k) {
            const std::string_view shown = word(lines[l], keys[k]);
            AssignWordKey(lower, shown, false);
            const auto [form, added] =
                forms.emplace(lower, static_cast<std::int32_t>(firstWord.size()));
            if (added)
                firstWord.push_back(shown);
            ranks[l * width + k] = form->second;
        }
    std::vector<std::int32_t> byOrder(firstWord.size());
    for (std::size_t f = 0; f < byOrder.size(); ++f)
        byOrder[f] = static_cast<std::int32_t>(f);
    std::sort(byOrder.begin(), byOrder.end(), [&](std::int32_t a, std::int32_t b) {
        return CompareTextIgnoreCase(firstWord[static_cast<std::size_t>(a)],
                                     firstWord[static_cast<std::size_t>(b)]) < 0;
    });
    std::vector<std::int32_t> rankOf(byOrder.size());
    for (std::size_t r = 0; r < byOrder.size(); ++r)
        rankOf[static_cast<std::size_t>(byOrder[r])] = static_cast<std::int32_t>(r);
    for (std::int32_t& rank : ranks)
        rank = rankOf[static_cast<std::size_t>(rank)];

    std::vector<std::int32_t> order(lines.size());
    for (std::size_t l = 0; l < order.size(); ++l)
        order[l] = static_cast<std::int32_t>(l);
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
        const std::int32_t* x = &ranks[static_cast<std::size_t>(a) * width];
        const std::int32_t* y = &ranks[static_cast<std::size_t>(b) * width];
        return std::lexicographical_compare(x, x + width, y, y + width);
    });
    std::vector<TKwicLine> sorted;
    sorted.reserve(lines.size());
    for (const std::int32_t l : order)
        sorted.push_back(lines[static_cast<std::size_t>(l)]);
    lines = std::move(sorted);
}

std::optional<std::vector<int>> ParseSortKeys(std::string_view keys) {
    std::vector<int> places;
    while (!keys.empty()) {
        const std::size_t comma = std::min(keys.find(','), keys.size());
        const std::optional<int> place = ParseSortKey(TrimControls(keys.substr(0, comma)));
        if (!place)
            return std::nullopt;
        places.push_back(*place);
        keys.remove_prefix(std::min(comma + 1, keys.size()));
    }
    return places;
}

std::string TermOfWords(std::string_view text) {
    std::string term;
    for (const TToken& token : Tokens(text))
        term.append(term.empty() ? "" : " ").append(TokenText(text, token));
    return term;
}

std::string TrimmedTerm(std::string_view utf8) {
    std::string words;
    for (const std::string& word : ParseSearchTerm(utf8))
        words += (words.empty() ? "" : " ") + word;
    return words;
}

std::vector<std::string> SearchTermOf(std::string_view utf8) {
    std::string inText;
    if (!Utf8WhollyInText(utf8, inText))
        return {};
    return ParseSearchTerm(inText);
}

void CalcKwic(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    const TAnalysisOptions& options = state.options;
    const std::vector<std::string> term = SearchTermOf(options.edKwicSearch);
    if (!calculation.PrepareRun())
        return;
    const std::vector<int> keys = ParseSortKeys(options.edKwicSort).value_or(std::vector<int>());
    const std::string& text = state.analysedText;
    const std::vector<TToken> tokens = Tokens(text);
    std::vector<std::int32_t> matches;
    std::string near;
    if (TrimControls(options.edKwicNear).empty()) {
        matches = FindMatches(text, tokens, term, options.cbCaseSens);
    } else if (Utf8WhollyInText(TrimControls(options.edKwicNear), near)) {
        matches =
            MatchesNear(text, tokens, term, near, CollocateSpanOf(options), options.cbCaseSens);
    }
    std::vector<TKwicLine> lines = KwicLinesAt(tokens, matches, term.size(), options.rseKwicSpan);
    SortKwicLines(lines, text, tokens, keys);
    state.kwicDetails = "Search \"" + TrimmedTerm(options.edKwicSearch) + "\"";
    if (!TrimControls(options.edKwicNear).empty())
        state.kwicDetails += " near \"" + std::string(TrimControls(options.edKwicNear)) + "\"";
    state.kwicDetails += ", " + std::to_string(options.rseKwicSpan) + " words each side, ";
    state.kwicDetails +=
        keys.empty() ? std::string("in text order") : "sorted by " + options.edKwicSort;
    TMemTable& table = state.mteKwic;
    calculation.ResetTable(table);
    table.SetSpanText(std::make_shared<const std::string>(text));
    calculation.FillTable(
        table,
        [&] {
            calculation.AddRows(
                table, lines, "Lines added", [](TMemTable& to, const TKwicLine& line) {
                    const auto span = [&](const char* field, std::int32_t from, std::int32_t till) {
                        to.SetSpan(field, static_cast<std::size_t>(from),
                                   static_cast<std::size_t>(till - from));
                    };
                    to.SetInteger("pos", line.position);
                    span("left", line.leftStart, line.start);
                    span("match", line.start, line.end);
                    span("right", line.end, line.rightEnd);
                });
        },
        kNoMatch);
}

} // namespace lexorin

#include "FeUtils.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace lexorin {

bool IsNumberText(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), IsNumberChar);
}

std::string LeadingWord(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && IsWordCharAt(s, n + 1))
        ++n;
    return std::string(s.substr(0, n));
}

std::string BlanksToSpaces(std::string_view s) {
    std::string result(s);
    for (char& c : result)
        if (IsBlank(c))
            c = ' ';
    return result;
}

bool EndsWithIgnoreCase(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() &&
           SameTextIgnoreCase(s.substr(s.size() - suffix.size()), suffix);
}

bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && LowerChar(a[i]) != LowerChar(b[i]))
            return false;
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view s) {
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    while (from < s.size()) {
        std::size_t end = s.find_first_of("\r\n", from);
        if (end == std::string_view::npos)
            end = s.size();
        lines.push_back(s.substr(from, end - from));
        from = end + 1;
        if (end + 1 < s.size() && s[end] == '\r' && s[end + 1] == '\n')
            ++from;
    }
    return lines;
}

std::string CrLfLineBreaks(std::string_view s) {
    std::string text;
    text.reserve(s.size() + s.size() / 32);
    const std::vector<std::string_view> lines = SplitLines(s);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k > 0)
            text += "\r\n";
        text.append(lines[k]);
    }
    if (!s.empty() && (s.back() == '\r' || s.back() == '\n'))
        text += "\r\n";
    return text;
}

std::string_view TrimControls(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

namespace {

// A scan leaves a word when the previous character was a word character and
// the current one is not.
bool LeavesWord(std::string_view text, char previous, std::size_t k) {
    return IsWordChar(previous) && !IsWordCharAt(text, k);
}

} // namespace

void ExtractContext(std::string_view text, std::string& word, int maxWords,
                    const TCharSet& stopChars, int& pos, std::string& before, std::string& after,
                    std::string& context) {
    before.clear();
    after.clear();
    const std::size_t length = text.size();
    if (pos < 1 || static_cast<std::size_t>(pos) > length) {
        word.clear();
        context.clear();
        return;
    }
    const std::size_t start = static_cast<std::size_t>(pos);
    word = std::string(text.substr(start - 1, word.size()));
    const int limit = std::max(maxWords, 0);

    // Backward: the word counter starts at -1 because leaving the occurrence
    // itself does not count. The character at which the scan stops is not taken.
    std::size_t first = start; // first character of Before, 1-based
    {
        int words = -1;
        char previous = text[start - 1];
        for (std::size_t k = start - 1; k >= 1 && !stopChars.Contains(text[k - 1]); --k) {
            if (LeavesWord(text, previous, k))
                ++words;
            previous = text[k - 1];
            if (words >= limit)
                break;
            first = k;
        }
    }
    before = std::string(text.substr(first - 1, start - first));

    // Forward, from the last character of the occurrence.
    std::size_t last = start + word.size() - 1; // last character of After, 1-based
    {
        int words = 0;
        char previous = ' ';
        for (std::size_t k = last + 1; k <= length && !stopChars.Contains(text[k - 1]); ++k) {
            if (LeavesWord(text, previous, k))
                ++words;
            previous = text[k - 1];
            if (words >= limit)
                break;
            last = k;
        }
    }
    const std::size_t afterStart = start + word.size();
    after = std::string(text.substr(afterStart - 1, last + 1 - afterStart));

    context = before + word + after;
    int inner = 1 + static_cast<int>(before.size());
    std::size_t trimmed = 0;
    // At the first position of a text only a word character passes IsWordCharAt.
    while (trimmed < context.size() && !IsWordChar(context[trimmed]))
        ++trimmed;
    context.erase(0, trimmed);
    pos = inner - static_cast<int>(trimmed);
}

bool ParseInt(std::string_view s, int& value) {
    int parsed = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (error != std::errc() || end != s.data() + s.size() || s.empty())
        return false;
    value = parsed;
    return true;
}

namespace {

std::optional<std::int32_t> ToInt32(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    s.remove_prefix(i);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    return ParseInt(s, value) ? std::optional<std::int32_t>(value) : std::nullopt;
}

} // namespace

int CompareIntStrings(const std::vector<std::string>& list, int i, int j) {
    const auto valid = [&list](int k) {
        return k >= 0 && static_cast<std::size_t>(k) < list.size();
    };
    if (!valid(i) || !valid(j))
        return 0;
    const auto a = ToInt32(list[i]);
    const auto b = ToInt32(list[j]);
    if (!a || !b)
        return 0;
    return *a > *b ? 1 : (*a < *b ? -1 : 0);
}

} // namespace lexorin

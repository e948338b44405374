// The word-character rule and the text helpers built on it.
//
// Positions are 1-based, as everywhere in the engine: position p of a text S
// is S[p - 1].
#pragma once

#include "FeLocale.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// A set of 8-bit characters, bit n standing for byte value n.
class TCharSet {
public:
    constexpr TCharSet() = default;
    constexpr TCharSet(std::string_view chars) {
        for (char c : chars)
            Include(c);
    }
    constexpr void Include(char c) {
        const auto b = static_cast<std::uint8_t>(c);
        bits_[b >> 6] |= std::uint64_t{1} << (b & 63);
    }
    constexpr bool Contains(char c) const {
        const auto b = static_cast<std::uint8_t>(c);
        return (bits_[b >> 6] >> (b & 63)) & 1;
    }
    constexpr bool Empty() const { return (bits_[0] | bits_[1] | bits_[2] | bits_[3]) == 0; }
    friend constexpr bool operator==(const TCharSet&, const TCharSet&) = default;

private:
    std::uint64_t bits_[4] = {0, 0, 0, 0};
};

// Characters that belong to words besides letters and digits.
inline constexpr TCharSet WordExtraChars{"_"};

inline std::uint16_t CharType(char c) {
    return CharTypeTable[static_cast<std::uint8_t>(c)];
}

inline bool IsLetter(char c) {
    return CharType(c) & kCharAlpha;
}

inline bool IsLetterOrDigit(char c) {
    return CharType(c) & (kCharAlpha | kCharDigit);
}

inline bool IsWordChar(char c) {
    return IsLetterOrDigit(c) || WordExtraChars.Contains(c);
}

inline bool IsUpperCase(char c) {
    return CharType(c) & kCharUpper;
}

inline bool IsBlank(char c) {
    return c == ' ' || (c >= 9 && c <= 13);
}

inline bool IsNumberChar(char c) {
    return (CharType(c) & kCharDigit) || c == '+' || c == '-' || c == DecimalSeparator();
}

inline bool SameCharIgnoreCase(char a, char b) {
    return a == b || (IsLetter(a) && IsLetter(b) && LowerChar(a) == LowerChar(b));
}

// True when the character at Pos belongs to a word: a word character, or an
// apostrophe with a letter or digit on both sides. 1 <= pos <= s.size().
inline bool IsWordCharAt(std::string_view s, std::size_t pos) {
    const char c = s[pos - 1];
    if (IsWordChar(c))
        return true;
    return c == '\'' && pos > 1 && pos < s.size() && IsLetterOrDigit(s[pos - 2]) &&
           IsLetterOrDigit(s[pos]);
}

// True for a non-empty text made only of digits, signs and decimal separators.
bool IsNumberText(std::string_view s);

// The longest prefix of S made of word characters (empty when S does not
// start with one).
std::string LeadingWord(std::string_view s);

// S with every blank (tab, line feed, vertical tab, form feed, carriage
// return) replaced by a space.
std::string BlanksToSpaces(std::string_view s);

bool SameTextIgnoreCase(std::string_view a, std::string_view b);
// Whether S ends with SUFFIX, case ignored (a file name's extension).
bool EndsWithIgnoreCase(std::string_view s, std::string_view suffix);

// The whole of S as a decimal 32-bit integer; false (and `value` as it was)
// when S is anything else.
bool ParseInt(std::string_view s, int& value);

// The lines of S, each line break being CR LF, a lone LF or a lone CR; a
// break at the very end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view s);

// S with every line break (CR LF, lone LF, lone CR) written as CR LF.
std::string CrLfLineBreaks(std::string_view s);

// S without the blanks and control characters (bytes up to 32) at its ends.
std::string_view TrimControls(std::string_view s);

// Cuts the context of one occurrence of a word out of Text.
//   word    in: only its length counts; out: the occurrence as written.
//   maxWords the number of whole words to take on each side.
//   stopChars characters the context never crosses.
//   pos     in: 1-based position of the occurrence in Text; out: its
//           1-based position inside Context.
// Before and After are the untrimmed text on either side; Context is
// Before + Word + After without its leading non-word characters. A position
// outside Text gives an empty word and empty results.
void ExtractContext(std::string_view text, std::string& word, int maxWords,
                    const TCharSet& stopChars, int& pos, std::string& before, std::string& after,
                    std::string& context);

// Sort callback for lists of decimal numbers: the sign of list[i] - list[j]
// as integers; 0 when either entry is not a 32-bit integer or an index is
// out of range.
int CompareIntStrings(const std::vector<std::string>& list, int i, int j);

} // namespace lexorin

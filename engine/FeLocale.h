// The 8-bit locale of the analyser: character classes, case mapping and
// collation of the code page of the text being analysed, and the decimal
// separator.
//
// Every lookup is a plain array read of the active tables. They are
// Windows-1251's, built at compile time, until a text in another code page
// installs its own with SetCharTables; nothing may read them on another
// thread while they are being set.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lexorin {

// Character-type flags, as the classic 8-bit locale services report them.
inline constexpr std::uint16_t kCharUpper = 0x0001;
inline constexpr std::uint16_t kCharLower = 0x0002;
inline constexpr std::uint16_t kCharDigit = 0x0004;
inline constexpr std::uint16_t kCharAlpha = 0x0100;

// What the engine knows of a code page, one entry per byte value.
struct TCharTables {
    std::array<std::uint16_t, 256> type{}; // kCharUpper, kCharLower, kCharDigit, kCharAlpha
    std::array<std::uint8_t, 256> lower{}; // the lower-case form; itself when none
    std::array<std::uint8_t, 256> upper{}; // the upper-case form; itself when none
    // The primary collation weight, the same for both cases of a letter and
    // distinct for distinct lower-case forms; below 255, so that a weight
    // raised by one still fits a byte.
    std::array<std::uint8_t, 256> weight{};

    friend bool operator==(const TCharTables&, const TCharTables&) = default;
};

// Windows-1251's tables: ASCII letters and digits, the Cyrillic letters of
// the page and the micro sign; digits, Latin and Cyrillic letters sorted in
// that order after everything else, Ё after Е and the Ukrainian,
// Belarusian, Serbian and Macedonian letters after their nearest Russian
// one.
const TCharTables& Cp1251CharTables();

namespace locale_detail {
// Constant-initialized with Windows-1251's tables.
extern TCharTables active;
} // namespace locale_detail

// The tables of the text being analysed.
inline const TCharTables& CharTables() {
    return locale_detail::active;
}
// Installs a code page's tables for every character test, case mapping and
// comparison that follows.
void SetCharTables(const TCharTables& tables);

// Flags of each byte value (kCharUpper, kCharLower, kCharDigit, kCharAlpha).
inline const std::array<std::uint16_t, 256>& CharTypeTable = locale_detail::active.type;

// Lower-case form of each byte value; a byte without one maps to itself.
inline const std::array<std::uint8_t, 256>& LowerCaseTable = locale_detail::active.lower;

// Upper-case form of each byte value; a byte without one maps to itself.
inline const std::array<std::uint8_t, 256>& UpperCaseTable = locale_detail::active.upper;

inline std::uint8_t LowerChar(char c) {
    return LowerCaseTable[static_cast<std::uint8_t>(c)];
}

inline std::uint8_t UpperChar(char c) {
    return UpperCaseTable[static_cast<std::uint8_t>(c)];
}

// The text with every byte replaced by its lower-case form.
std::string LowerCaseText(std::string_view text);
// The same in place, for a buffer used again and again.
void ToLowerCase(std::string& text);

// Alphabetical comparison ignoring case, by the weights of the active
// tables: negative, zero or positive. Zero exactly when both texts have the
// same lower-case form.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

// Alphabetical comparison that ties texts equal under CompareTextIgnoreCase
// by case (lower case first) and then by bytes: zero only for identical texts,
// so identical words always sort next to each other.
int CompareTextCaseSensitive(std::string_view a, std::string_view b);

// The alphabetical weights of the text's first eight characters in one
// number, the first in the highest byte: when two texts' prefixes differ,
// their order is the order of the texts under both comparisons above, so a
// sort compares most texts without reading them.
std::uint64_t CollationPrefix(std::string_view text);

inline int CompareText(std::string_view a, std::string_view b, bool caseSensitive) {
    return caseSensitive ? CompareTextCaseSensitive(a, b) : CompareTextIgnoreCase(a, b);
}

// The decimal separator of number texts; a full stop unless set otherwise.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

} // namespace lexorin

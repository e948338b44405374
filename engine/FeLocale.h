// The 8-bit locale of the analyser: character classes, case mapping and
// collation of the Windows-1251 code page, and the decimal separator.
//
// The tables are fixed and built at compile time, so every lookup is a plain
// array read and there is no start-up order to get wrong.
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

namespace locale_detail {

struct CasePair {
    std::uint8_t upper;
    std::uint8_t lower;
};

// Cyrillic letters outside the contiguous А..я block (0xC0..0xFF).
inline constexpr CasePair kCyrillicExtraPairs[] = {
    {0x80, 0x90}, // Ђ ђ
    {0x81, 0x83}, // Ѓ ѓ
    {0x8A, 0x9A}, // Љ љ
    {0x8C, 0x9C}, // Њ њ
    {0x8D, 0x9D}, // Ќ ќ
    {0x8E, 0x9E}, // Ћ ћ
    {0x8F, 0x9F}, // Џ џ
    {0xA1, 0xA2}, // Ў ў
    {0xA3, 0xBC}, // Ј ј
    {0xA5, 0xB4}, // Ґ ґ
    {0xA8, 0xB8}, // Ё ё
    {0xAA, 0xBA}, // Є є
    {0xAF, 0xBF}, // Ї ї
    {0xB2, 0xB3}, // І і
    {0xBD, 0xBE}, // Ѕ ѕ
};

inline constexpr std::uint8_t kMicroSign = 0xB5; // µ: a lower-case letter without a capital here

struct Tables {
    std::array<std::uint16_t, 256> type{};
    std::array<std::uint8_t, 256> lower{};
    std::array<std::uint8_t, 256> upper{};
};

constexpr Tables MakeTables() {
    Tables t;
    for (int b = 0; b < 256; ++b)
        t.lower[b] = t.upper[b] = static_cast<std::uint8_t>(b);
    auto pair = [&t](int upper, int lower) {
        t.type[upper] = kCharAlpha | kCharUpper;
        t.type[lower] = kCharAlpha | kCharLower;
        t.lower[upper] = static_cast<std::uint8_t>(lower);
        t.upper[lower] = static_cast<std::uint8_t>(upper);
    };
    for (int b = '0'; b <= '9'; ++b)
        t.type[b] = kCharDigit;
    for (int k = 0; k < 26; ++k)
        pair('A' + k, 'a' + k);
    for (int k = 0; k < 32; ++k)
        pair(0xC0 + k, 0xE0 + k);
    for (CasePair p : kCyrillicExtraPairs)
        pair(p.upper, p.lower);
    t.type[kMicroSign] = kCharAlpha | kCharLower;
    return t;
}

inline constexpr Tables kTables = MakeTables();

} // namespace locale_detail

// Flags of each byte value (kCharUpper, kCharLower, kCharDigit, kCharAlpha).
inline constexpr const std::array<std::uint16_t, 256>& CharTypeTable = locale_detail::kTables.type;

// Lower-case form of each byte value; a byte without one maps to itself.
inline constexpr const std::array<std::uint8_t, 256>& LowerCaseTable = locale_detail::kTables.lower;

// Upper-case form of each byte value; a byte without one maps to itself.
inline constexpr const std::array<std::uint8_t, 256>& UpperCaseTable = locale_detail::kTables.upper;

inline std::uint8_t LowerChar(char c) {
    return LowerCaseTable[static_cast<std::uint8_t>(c)];
}

inline std::uint8_t UpperChar(char c) {
    return UpperCaseTable[static_cast<std::uint8_t>(c)];
}

// The text with every byte replaced by its lower-case form.
std::string LowerCaseText(std::string_view text);

// Alphabetical comparison ignoring case: negative, zero or positive. Zero
// exactly when both texts have the same lower-case form. Latin letters come
// after digits and before Cyrillic ones; Ё follows Е, and the Ukrainian,
// Belarusian, Serbian and Macedonian letters follow their nearest Russian one.
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

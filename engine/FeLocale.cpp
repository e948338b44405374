#include "FeLocale.h"

#include <algorithm>
#include <cstring>

namespace lexorin {
namespace {

struct TCasePair {
    std::uint8_t upper;
    std::uint8_t lower;
};

// Cyrillic letters outside the contiguous А..я block (0xC0..0xFF).
constexpr TCasePair kCyrillicExtraPairs[] = {
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

constexpr std::uint8_t kMicroSign = 0xB5; // µ: a lower-case letter without a capital here

// Lower-case Cyrillic letters in alphabetical order.
constexpr std::uint8_t kCyrillicOrder[] = {
    0xE0, 0xE1, 0xE2, 0xE3, 0xB4, 0x83, 0xE4, 0x90, 0xE5, 0xB8, 0xBA,
    0xE6, //  а б в г ґ ѓ д ђ е ё є ж
    0xE7, 0xBE, 0xE8, 0xB3, 0xBF, 0xE9, 0xBC, 0xEA, 0x9D, 0xEB, 0x9A,
    0xEC, //  з ѕ и і ї й ј к ќ л љ м
    0xED, 0x9C, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0x9E, 0xF3, 0xA2, 0xF4,
    0xF5, //  н њ о п р с т ћ у ў ф х
    0xF6, 0xF7, 0x9F, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF, //  ц ч џ ш щ ъ ы ь э ю я
};

constexpr TCharTables MakeCp1251Tables() {
    TCharTables t;
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
    for (TCasePair p : kCyrillicExtraPairs)
        pair(p.upper, p.lower);
    t.type[kMicroSign] = kCharAlpha | kCharLower;

    // Primary weights: first everything that is neither letter nor digit
    // (in byte order), then digits, Latin letters, the micro sign and the
    // Cyrillic letters; an upper-case letter weighs as its lower-case one.
    std::array<bool, 256> placed{};
    int next = 0;
    auto place = [&](int b) {
        t.weight[b] = static_cast<std::uint8_t>(next++);
        placed[b] = true;
    };
    for (int b = 0; b < 256; ++b)
        if ((t.type[b] & (kCharAlpha | kCharDigit)) == 0)
            place(b);
    for (int b = '0'; b <= '9'; ++b)
        place(b);
    for (int b = 'a'; b <= 'z'; ++b)
        place(b);
    place(kMicroSign);
    for (std::uint8_t b : kCyrillicOrder)
        place(b);
    for (int b = 0; b < 256; ++b)
        if (!placed[b])
            t.weight[b] = t.weight[t.lower[b]];
    return t;
}

constexpr TCharTables kCp1251Tables = MakeCp1251Tables();
static_assert(*std::max_element(kCp1251Tables.weight.begin(), kCp1251Tables.weight.end()) < 255,
              "a weight raised by one still fits a byte");

char decimalSeparator = '.';

std::uint8_t Weight(char c) {
    return locale_detail::active.weight[static_cast<std::uint8_t>(c)];
}

// A length the two texts are byte for byte the same over: at least their
// common length less a block. Equal bytes weigh the same in any comparison,
// so comparing may start there; two views of the same place (spans of one
// text) skip their whole common length.
std::size_t SameStart(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    if (a.data() == b.data())
        return common;
    constexpr std::size_t block = 64;
    std::size_t same = 0;
    while (same + block <= common && std::memcmp(a.data() + same, b.data() + same, block) == 0)
        same += block;
    return same;
}

} // namespace

TCharTables locale_detail::active = kCp1251Tables;

const TCharTables& Cp1251CharTables() {
    return kCp1251Tables;
}

void SetCharTables(const TCharTables& tables) {
    locale_detail::active = tables;
}

void ToLowerCase(std::string& text) {
    for (char& c : text)
        c = static_cast<char>(LowerChar(c));
}

std::string LowerCaseText(std::string_view text) {
    std::string result(text);
    ToLowerCase(result);
    return result;
}

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = SameStart(a, b); i < common; ++i) {
        const int d = int(Weight(a[i])) - int(Weight(b[i]));
        if (d != 0)
            return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int CompareTextCaseSensitive(std::string_view a, std::string_view b) {
    if (const int primary = CompareTextIgnoreCase(a, b); primary != 0)
        return primary;
    // Same letters, same length: the first difference is one of case.
    for (std::size_t i = SameStart(a, b); i < a.size(); ++i) {
        if (a[i] == b[i])
            continue;
        const bool aLower = CharTypeTable[static_cast<std::uint8_t>(a[i])] & kCharLower;
        const bool bLower = CharTypeTable[static_cast<std::uint8_t>(b[i])] & kCharLower;
        if (aLower != bLower)
            return aLower ? -1 : 1;
        return static_cast<std::uint8_t>(a[i]) < static_cast<std::uint8_t>(b[i]) ? -1 : 1;
    }
    return 0;
}

// Each weight is raised by one, so that the end of a shorter text (0)
// weighs less than any character.
std::uint64_t CollationPrefix(std::string_view text) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < text.size() ? Weight(text[i]) + 1U : 0U);
    return prefix;
}

char DecimalSeparator() {
    return decimalSeparator;
}

void SetDecimalSeparator(char separator) {
    decimalSeparator = separator;
}

} // namespace lexorin

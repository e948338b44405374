#include "CodePage.h"

#include "Cp1251.h"

#include <algorithm>
#include <cctype>
#include <unicode/coll.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

namespace lexorin {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::unique_ptr<icu::Collator> MakeCollator(std::string_view language) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale =
        language.empty() ? icu::Locale::getRoot() : icu::Locale(std::string(language).c_str());
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status) || collator == nullptr)
        throw EEncoding("no collation for the language \"" + std::string(language) + "\"");
    return collator;
}

UCollationResult Compare(const icu::Collator& collator, char32_t a, char32_t b) {
    UErrorCode status = U_ZERO_ERROR;
    return collator.compare(icu::UnicodeString(static_cast<UChar32>(a)),
                            icu::UnicodeString(static_cast<UChar32>(b)), status);
}

// Where a character stands in a list of (character, byte) by character.
template <typename TPairs> auto FindChar(const TPairs& pairs, char32_t c) {
    const auto at = std::lower_bound(pairs.begin(), pairs.end(), c,
                                     [](const auto& entry, char32_t v) { return entry.first < v; });
    return at != pairs.end() && at->first == c ? at : pairs.end();
}

// Classes and case from the Unicode character database; weights from the
// collator: everything that is neither letter nor digit first, in byte
// order, then digits and then letters in the collator's order, both cases
// of a letter weighing as its lower-case form.
TCharTables DeriveTables(const std::array<char32_t, 256>& chars, const icu::Collator& collator) {
    std::vector<std::pair<char32_t, unsigned char>> bytes;
    for (int b = 0; b < 256; ++b)
        if (chars[b] != kNoChar)
            bytes.emplace_back(chars[b], static_cast<unsigned char>(b));
    std::sort(bytes.begin(), bytes.end());
    const auto byteOf = [&](char32_t c, int otherwise) {
        const auto at = FindChar(bytes, c);
        return at != bytes.end() ? int{at->second} : otherwise;
    };
    TCharTables t;
    for (int b = 0; b < 256; ++b) {
        const char32_t c = chars[b];
        t.lower[b] = t.upper[b] = static_cast<std::uint8_t>(b);
        if (c == kNoChar)
            continue;
        const auto u = static_cast<UChar32>(c);
        // A combining mark (a vowel sign, a virama, an accent NFC could not
        // compose) is part of its word, as letters are.
        if (u_isdigit(u))
            t.type[b] = kCharDigit;
        else if (u_isalpha(u) || (U_GET_GC_MASK(u) & U_GC_M_MASK) != 0)
            t.type[b] = static_cast<std::uint16_t>(kCharAlpha | (u_isupper(u) ? kCharUpper : 0) |
                                                   (u_islower(u) ? kCharLower : 0));
        // Case folding first, so that a final sigma meets the sigma of the
        // capital; the lower case where the fold has no place in the page.
        const int lower = byteOf(static_cast<char32_t>(u_tolower(u)), b);
        const UChar32 folded = u_foldCase(u, U_FOLD_CASE_DEFAULT);
        t.lower[b] = static_cast<std::uint8_t>(
            folded != u ? byteOf(static_cast<char32_t>(folded), lower) : lower);
        t.upper[b] = static_cast<std::uint8_t>(byteOf(static_cast<char32_t>(u_toupper(u)), b));
    }

    int next = 0;
    for (int b = 0; b < 256; ++b)
        if ((t.type[b] & (kCharAlpha | kCharDigit)) == 0)
            t.weight[b] = static_cast<std::uint8_t>(next++);
    // Digits, then letters: each lower-case form once, in collation order.
    for (const std::uint16_t kind : {kCharDigit, kCharAlpha}) {
        std::vector<int> forms;
        for (int b = 0; b < 256; ++b)
            if ((t.type[b] & kind) != 0 && t.lower[b] == b)
                forms.push_back(b);
        std::stable_sort(forms.begin(), forms.end(), [&](int a, int b) {
            const UCollationResult order = Compare(collator, chars[a], chars[b]);
            return order != UCOL_EQUAL ? order == UCOL_LESS : chars[a] < chars[b];
        });
        // At most 256 forms less the 26 capitals of ASCII: below 255.
        for (int b : forms)
            t.weight[b] = static_cast<std::uint8_t>(next++);
    }
    for (int b = 0; b < 256; ++b)
        if ((t.type[b] & (kCharAlpha | kCharDigit)) != 0 && t.lower[b] != b)
            t.weight[b] = t.weight[t.lower[b]];
    return t;
}

std::array<char32_t, 256> Cp1251Chars() {
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b)
        chars[b] = Cp1251ToUnicode(static_cast<unsigned char>(b));
    return chars;
}

// An ICU converter, closed when done.
struct TConverter {
    UConverter* converter = nullptr;
    explicit TConverter(std::string_view name) {
        UErrorCode status = U_ZERO_ERROR;
        converter = ucnv_open(std::string(name).c_str(), &status);
        if (U_FAILURE(status))
            converter = nullptr;
    }
    ~TConverter() {
        if (converter != nullptr)
            ucnv_close(converter);
    }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;
};

// The name users know an encoding by: its MIME or IANA name.
std::string UsualName(UConverter* converter) {
    UErrorCode status = U_ZERO_ERROR;
    const char* internal = ucnv_getName(converter, &status);
    for (const char* standard : {"MIME", "IANA"}) {
        status = U_ZERO_ERROR;
        const char* name = ucnv_getStandardName(internal, standard, &status);
        if (U_SUCCESS(status) && name != nullptr)
            return name;
    }
    return internal;
}

std::shared_ptr<const TCodePage>& ActivePage() {
    static std::shared_ptr<const TCodePage> page = Cp1251Page();
    return page;
}

} // namespace

TCodePage::TCodePage(std::string name, const std::array<char32_t, 256>& chars,
                     const TCharTables& tables, std::string sortLanguage)
    : name_(std::move(name)), chars_(chars), tables_(tables),
      sortLanguage_(std::move(sortLanguage)) {
    for (int b = 0; b < 256; ++b) {
        if (chars[b] != kNoChar)
            bytes_.emplace_back(chars[b], static_cast<unsigned char>(b));
        std::string utf8;
        icu::UnicodeString(static_cast<UChar32>(chars[b] == kNoChar ? U'\uFFFD' : chars[b]))
            .toUTF8String(utf8);
        utf8_[b] = std::move(utf8);
    }
    std::sort(bytes_.begin(), bytes_.end());
}

int TCodePage::Byte(char32_t c) const {
    if (c < 0x80 && chars_[c] == c)
        return static_cast<int>(c);
    const auto at = FindChar(bytes_, c);
    return at != bytes_.end() ? int{at->second} : -1;
}

const std::vector<std::pair<std::string, std::string>>& SortLanguages() {
    static const std::vector<std::pair<std::string, std::string>> languages = {
        {"root", "Unicode default"}, {"cs", "Czech"},   {"de", "German"},
        {"es", "Spanish"},           {"fr", "French"},  {"pl", "Polish"},
        {"ru", "Russian"},           {"sv", "Swedish"}, {"tr", "Turkish"},
        {"uk", "Ukrainian"}};
    return languages;
}

TCharTables CharTablesOf(const std::array<char32_t, 256>& chars, std::string_view sortLanguage) {
    return DeriveTables(chars, *MakeCollator(sortLanguage));
}

std::shared_ptr<const TCodePage> WithSortLanguage(const TCodePage& page,
                                                  std::string_view sortLanguage) {
    if (page.Name() == "windows-1251")
        return Cp1251Page(sortLanguage);
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b)
        chars[b] = page.Char(static_cast<unsigned char>(b));
    TCharTables tables = page.Tables();
    tables.weight = CharTablesOf(chars, sortLanguage).weight;
    return std::make_shared<const TCodePage>(page.Name(), chars, tables, std::string(sortLanguage));
}

std::shared_ptr<const TCodePage> Cp1251Page(std::string_view sortLanguage) {
    if (sortLanguage.empty()) {
        static const auto page =
            std::make_shared<const TCodePage>("windows-1251", Cp1251Chars(), Cp1251CharTables());
        return page;
    }
    TCharTables tables = Cp1251CharTables();
    tables.weight = CharTablesOf(Cp1251Chars(), sortLanguage).weight;
    return std::make_shared<const TCodePage>("windows-1251", Cp1251Chars(), tables,
                                             std::string(sortLanguage));
}

std::shared_ptr<const TCodePage> EightBitPage(std::string_view encoding,
                                              std::string_view sortLanguage) {
    const TConverter open(encoding);
    UConverter* converter = open.converter;
    if (converter == nullptr)
        throw EEncoding("unknown encoding \"" + std::string(encoding) + "\"");
    const UConverterType type = ucnv_getType(converter);
    if (type != UCNV_SBCS && type != UCNV_LATIN_1 && type != UCNV_US_ASCII)
        throw EEncoding("\"" + std::string(encoding) + "\" is not an 8-bit encoding");
    const std::string name = UsualName(converter);
    if (Lower(name) == "windows-1251")
        return Cp1251Page(sortLanguage);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        UChar units[4];
        status = U_ZERO_ERROR;
        ucnv_resetToUnicode(converter);
        const int32_t length = ucnv_toUChars(converter, units, 4, &byte, 1, &status);
        UChar32 c = 0;
        if (U_SUCCESS(status) && length > 0) {
            int32_t k = 0;
            U16_NEXT(units, k, length, c);
        }
        chars[b] = U_SUCCESS(status) && length > 0 ? static_cast<char32_t>(c) : kNoChar;
    }
    // A page whose printable lower half is not ASCII (EBCDIC) would read
    // every text as something else.
    for (int b = 0x20; b < 0x7F; ++b)
        if (chars[b] != static_cast<char32_t>(b))
            throw EEncoding("\"" + std::string(encoding) +
                            "\" is not an encoding of texts that Lexorin reads: its bytes below "
                            "0x80 are not ASCII");
    // The control codes too (IBM866's converter, for one, swaps a few).
    for (int b = 0; b < 0x80; ++b)
        chars[b] = static_cast<char32_t>(b);
    // A byte that stands for nothing in 0x80..0x9F is the C1 control of its
    // value, as Windows-1251's 0x98 is; one above stands for nothing, and a
    // text holding it is refused when it is read.
    for (int b = 0x80; b < 0xA0; ++b)
        if (chars[b] == kNoChar &&
            std::find(chars.begin(), chars.end(), static_cast<char32_t>(b)) == chars.end())
            chars[b] = static_cast<char32_t>(b);
    return std::make_shared<const TCodePage>(name, chars, CharTablesOf(chars, sortLanguage),
                                             std::string(sortLanguage));
}

std::vector<std::string> ReadableEncodings() {
    std::vector<std::string> names = {"UTF-8", "UTF-16"};
    for (std::string& name : EightBitEncodings())
        names.push_back(std::move(name));
    return names;
}

std::vector<std::string> EightBitEncodings() {
    std::vector<std::string> names;
    std::vector<std::string> wanted;
    for (int k = 1250; k <= 1258; ++k)
        wanted.push_back("windows-" + std::to_string(k));
    for (int k = 1; k <= 16; ++k)
        wanted.push_back("ISO-8859-" + std::to_string(k));
    for (const char* name : {"KOI8-R", "KOI8-U", "IBM866"})
        wanted.emplace_back(name);
    for (const std::string& name : wanted) {
        const TConverter open(name);
        if (open.converter == nullptr)
            continue;
        const UConverterType type = ucnv_getType(open.converter);
        if (type == UCNV_SBCS || type == UCNV_LATIN_1)
            names.push_back(name);
    }
    return names;
}

TUnicodeForm UnicodeForm(std::string_view encoding) {
    const std::string name = Lower(encoding);
    if (name == "utf-8" || name == "utf8")
        return TUnicodeForm::Utf8;
    if (name == "utf-16" || name == "utf16")
        return TUnicodeForm::Utf16;
    if (name == "utf-16le" || name == "utf16le")
        return TUnicodeForm::Utf16Le;
    if (name == "utf-16be" || name == "utf16be")
        return TUnicodeForm::Utf16Be;
    return TUnicodeForm::None;
}

std::shared_ptr<const TCodePage> AlphabetPage(const std::u32string& characters,
                                              std::string_view sortLanguage,
                                              std::string_view unicodeName) {
    const std::shared_ptr<const TCodePage> cp1251 = Cp1251Page(sortLanguage);
    std::u32string others;
    for (char32_t c : characters)
        if (c >= 0x80)
            others.push_back(c);
    std::sort(others.begin(), others.end());
    others.erase(std::unique(others.begin(), others.end()), others.end());
    if (std::all_of(others.begin(), others.end(), [&](char32_t c) { return cp1251->Byte(c) >= 0; }))
        return cp1251;
    constexpr std::size_t kRoom = 128;
    if (others.size() > kRoom) {
        std::string named;
        for (std::size_t k = 0; k < 8; ++k) {
            named += k > 0 ? ", " : "";
            icu::UnicodeString one(static_cast<UChar32>(others[k * others.size() / 8]));
            one.toUTF8String(named);
        }
        throw ETooManyCharacters("The text uses " + std::to_string(others.size()) +
                                 " different characters besides ASCII (" + named +
                                 ", ...); Lexorin analyses a text of at most 128 besides ASCII");
    }
    // The other case of each letter, so that a word typed in either case
    // still matches, while room is left.
    const std::u32string own = others;
    for (char32_t c : own)
        for (const UChar32 partner :
             {u_tolower(static_cast<UChar32>(c)), u_toupper(static_cast<UChar32>(c)),
              u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)}) {
            const auto p = static_cast<char32_t>(partner);
            if (others.size() < kRoom && p >= 0x80 &&
                std::find(others.begin(), others.end(), p) == others.end())
                others.push_back(p);
        }
    const std::unique_ptr<icu::Collator> collator = MakeCollator(sortLanguage);
    std::stable_sort(others.begin(), others.end(), [&](char32_t a, char32_t b) {
        const UCollationResult order = Compare(*collator, a, b);
        return order != UCOL_EQUAL ? order == UCOL_LESS : a < b;
    });
    std::array<char32_t, 256> chars{};
    std::fill(chars.begin(), chars.end(), kNoChar);
    for (char32_t c = 0; c < 0x80; ++c)
        chars[c] = c;
    for (std::size_t k = 0; k < others.size(); ++k)
        chars[0x80 + k] = others[k];
    const TCharTables tables = DeriveTables(chars, *collator);
    // The alphabet's size: its letters, each case counted once.
    int letters = 0;
    for (int b = 0; b < 256; ++b)
        letters += (tables.type[b] & kCharAlpha) != 0 && tables.lower[b] == b ? 1 : 0;
    return std::make_shared<const TCodePage>(std::string(unicodeName) + ", alphabet of " +
                                                 std::to_string(letters) + " letters",
                                             chars, tables, std::string(sortLanguage));
}

const TCodePage& TextPage() {
    return *ActivePage();
}

void SetTextPage(std::shared_ptr<const TCodePage> page) {
    ActivePage() = std::move(page);
    SetCharTables(TextPage().Tables());
}

std::string TextToUtf8(std::string_view text) {
    return TextToUtf8(TextPage(), text);
}

std::string TextToUtf8(const TCodePage& page, std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 2);
    for (char byte : text) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80)
            utf8.push_back(byte);
        else
            utf8 += page.Utf8(b);
    }
    return utf8;
}

char UnicodeToText(char32_t c) {
    const int byte = TextPage().Byte(c);
    return byte >= 0 ? static_cast<char>(byte) : '?';
}

bool Utf8ToText(std::string_view utf8, std::string& text) {
    if (utf8.starts_with("\xEF\xBB\xBF"))
        utf8.remove_prefix(3);
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return false;
    const icu::UnicodeString decoded = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    std::string result;
    result.reserve(static_cast<std::size_t>(decoded.length()));
    for (int32_t k = 0; k < decoded.length(); k = decoded.moveIndex32(k, 1))
        result.push_back(UnicodeToText(static_cast<char32_t>(decoded.char32At(k))));
    text = std::move(result);
    return true;
}

bool Utf8WhollyInText(std::string_view utf8, std::string& text) {
    std::string inText;
    if (!Utf8ToText(utf8, inText) || TextToUtf8(inText) != utf8)
        return false;
    text = std::move(inText);
    return true;
}

std::string Utf8CharsInText(std::string_view utf8) {
    const icu::UnicodeString decoded = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    std::string text;
    for (int32_t k = 0; k < decoded.length(); k = decoded.moveIndex32(k, 1))
        if (const int byte = TextPage().Byte(static_cast<char32_t>(decoded.char32At(k))); byte >= 0)
            text.push_back(static_cast<char>(byte));
    return text;
}

} // namespace lexorin

#include "Utf8.h"

#include <algorithm>
#include <memory>
#include <unicode/coll.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace lexorin {
namespace {

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

} // namespace

std::size_t Utf8Length(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), StartsCharacter));
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < utf8.size(); ++end)
        if (StartsCharacter(utf8[end]) && characters++ == count)
            break;
    return utf8.substr(0, end);
}

int CompareUtf8(std::string_view a, std::string_view b) {
    static const std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        return std::unique_ptr<icu::Collator>(
            icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }();
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order =
        collator == nullptr
            ? UCOL_EQUAL
            : collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                    icu::StringPiece(b.data(), static_cast<int32_t>(b.size())),
                                    status);
    if (U_SUCCESS(status) && order != UCOL_EQUAL)
        return order == UCOL_LESS ? -1 : 1;
    return a.compare(b);
}

namespace {

// The text with every character mapped by `map`.
template <typename Map> std::string MapChars(std::string_view utf8, Map map) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    icu::UnicodeString mapped;
    for (int32_t k = 0; k < text.length(); k = text.moveIndex32(k, 1))
        mapped.append(map(text.char32At(k)));
    std::string result;
    mapped.toUTF8String(result);
    return result;
}

} // namespace

std::string Utf8Lower(std::string_view utf8) {
    return MapChars(utf8, [](UChar32 c) { return u_tolower(c); });
}

std::string Utf8LowerText(std::string_view utf8) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    std::string result;
    text.toLower(icu::Locale::getRoot()).toUTF8String(result);
    return result;
}

std::string Utf8Fold(std::string_view utf8) {
    return MapChars(utf8, [](UChar32 c) { return u_foldCase(c, U_FOLD_CASE_DEFAULT); });
}

} // namespace lexorin

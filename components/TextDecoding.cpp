#include "TextDecoding.h"

#include <algorithm>
#include <cctype>
#include <unicode/normalizer2.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>
#include <vector>

namespace lexorin {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsUtf16Marked(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Well-formed UTF-8 decoded; false when it is not.
bool FromUtf8(std::string_view bytes, icu::UnicodeString& text) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    const auto size = static_cast<int32_t>(bytes.size());
    u_strFromUTF8(nullptr, 0, &length, bytes.data(), size, &status);
    if (U_FAILURE(status) && status != U_BUFFER_OVERFLOW_ERROR)
        return false;
    status = U_ZERO_ERROR;
    UChar* buffer = text.getBuffer(length);
    u_strFromUTF8(buffer, length, nullptr, bytes.data(), size, &status);
    text.releaseBuffer(U_SUCCESS(status) ? length : 0);
    return U_SUCCESS(status);
}

// UTF-16 after its byte-order mark; false for an unpaired surrogate.
bool FromUtf16(std::string_view bytes, icu::UnicodeString& text) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("UTF-16", &status);
    if (U_FAILURE(status))
        return false;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    text = icu::UnicodeString(bytes.data(), static_cast<int32_t>(bytes.size()), converter, status);
    ucnv_close(converter);
    return U_SUCCESS(status);
}

TDecodedText FromUnicode(icu::UnicodeString text, std::string_view name,
                         std::string_view sortLanguage) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_SUCCESS(status) && !nfc->isNormalized(text, status))
        text = nfc->normalize(text, status);
    if (!text.isEmpty() && text.char32At(0) == 0xFEFF)
        text.remove(0, 1);
    // Each character beyond ASCII once, in the order met.
    std::u32string characters;
    std::vector<bool> seen(0x110000);
    for (int32_t k = 0; k < text.length(); k = text.moveIndex32(k, 1)) {
        const auto c = static_cast<char32_t>(text.char32At(k));
        if (c >= 0x80 && !seen[c]) {
            seen[c] = true;
            characters.push_back(c);
        }
    }
    TDecodedText decoded;
    decoded.unicode = true;
    decoded.page = AlphabetPage(characters, sortLanguage, name);
    const TCodePage& page = *decoded.page;
    decoded.encoding = page.Name() == "windows-1251" ? std::string(name) : page.Name();
    decoded.text.reserve(static_cast<std::size_t>(text.length()));
    for (int32_t k = 0; k < text.length(); k = text.moveIndex32(k, 1))
        decoded.text.push_back(
            static_cast<char>(page.Byte(static_cast<char32_t>(text.char32At(k)))));
    return decoded;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

} // namespace

TDecodedText DecodeText(std::string_view bytes, std::string_view encoding,
                        std::string_view sortLanguage) {
    const std::string named = Lower(encoding);
    const bool utf16 = named.starts_with("utf-16") || named.starts_with("utf16") ||
                       (named.empty() && IsUtf16Marked(bytes));
    const bool utf8 =
        named == "utf-8" || named == "utf8" ||
        (named.empty() && !utf16 && (bytes.starts_with(kUtf8Mark) || !IsAscii(bytes)));
    icu::UnicodeString text;
    if (utf16) {
        if (!FromUtf16(bytes, text))
            throw EEncoding("The text is not well-formed UTF-16");
        return FromUnicode(std::move(text), "UTF-16", sortLanguage);
    }
    if (utf8) {
        std::string_view body = bytes;
        if (body.starts_with(kUtf8Mark))
            body.remove_prefix(kUtf8Mark.size());
        if (FromUtf8(body, text))
            return FromUnicode(std::move(text), "UTF-8", sortLanguage);
        if (!named.empty())
            throw EEncoding("The text is not well-formed UTF-8");
    }
    TDecodedText decoded;
    decoded.page = named.empty() ? Cp1251Page(sortLanguage) : EightBitPage(encoding, sortLanguage);
    decoded.encoding = decoded.page->Name();
    decoded.text.assign(bytes);
    // A mark that turned out not to head UTF-8 is no part of the text.
    if (named.empty() && decoded.text.starts_with(kUtf8Mark))
        decoded.text.erase(0, kUtf8Mark.size());
    return decoded;
}

} // namespace lexorin

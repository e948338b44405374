#include "TextDecoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
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

// The character of the UTF-8 sequence at `k` (not ASCII), moving `k` past
// it; false for a sequence that is not well-formed (overlong, a surrogate,
// beyond U+10FFFF, cut off).
bool NextChar(std::string_view utf8, std::size_t& k, char32_t& c) {
    const auto lead = static_cast<unsigned char>(utf8[k]);
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || k + static_cast<std::size_t>(length) > utf8.size())
        return false;
    c = lead & (0x7F >> length);
    for (int n = 1; n < length; ++n) {
        const auto next = static_cast<unsigned char>(utf8[k + static_cast<std::size_t>(n)]);
        if ((next & 0xC0) != 0x80)
            return false;
        c = c << 6 | (next & 0x3F);
    }
    if ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
        (length == 4 && (c < 0x10000 || c > 0x10FFFF)))
        return false;
    k += static_cast<std::size_t>(length);
    return true;
}

// Well-formed UTF-8 in one pass: ASCII as it is, every other character as
// 0x80 plus the place of its first occurrence among the characters beyond
// ASCII (`characters`, each once, in the order met). Beyond 128 of them the
// text is no longer written, but every character is still counted. False
// when the bytes are not well-formed.
bool Collect(std::string_view utf8, std::string& text, std::u32string& characters) {
    characters.clear();
    text.clear();
    text.reserve(utf8.size());
    std::vector<std::uint8_t> place(0x110000); // 1 + the place of a character met, or 0
    for (std::size_t k = 0; k < utf8.size();) {
        if (static_cast<unsigned char>(utf8[k]) < 0x80) {
            text.push_back(utf8[k++]);
            continue;
        }
        char32_t c = 0;
        if (!NextChar(utf8, k, c))
            return false;
        if (place[c] == 0) {
            characters.push_back(c);
            place[c] = static_cast<std::uint8_t>(std::min<std::size_t>(characters.size(), 255));
        }
        if (characters.size() <= 128)
            text.push_back(static_cast<char>(0x80 + place[c] - 1));
    }
    return true;
}

// Whether a text of these characters beyond ASCII is in NFC whatever their
// order: so it is when none of them may change or combine there.
bool NormalisedWhateverTheOrder(const std::u32string& characters) {
    return std::all_of(characters.begin(), characters.end(), [](char32_t c) {
        const auto u = static_cast<UChar32>(c);
        return u_getIntPropertyValue(u, UCHAR_NFC_QUICK_CHECK) == UNORM_YES &&
               u_getCombiningClass(u) == 0;
    });
}

// Well-formed UTF-8 (without a byte-order mark) as the text in its page;
// false when it is not well-formed.
bool FromUtf8(std::string_view utf8, std::string_view name, std::string_view sortLanguage,
              TDecodedText& decoded) {
    // More byte-order marks at the start are no part of the text either.
    while (utf8.starts_with(kUtf8Mark))
        utf8.remove_prefix(kUtf8Mark.size());
    std::u32string characters;
    std::string& text = decoded.text;
    if (!Collect(utf8, text, characters))
        return false;
    // Most texts are in NFC already; the others are normalised once.
    if (!NormalisedWhateverTheOrder(characters)) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
        const icu::StringPiece piece(utf8.data(), static_cast<int32_t>(utf8.size()));
        std::string normalised;
        if (U_SUCCESS(status) && !nfc->isNormalizedUTF8(piece, status) && U_SUCCESS(status)) {
            icu::StringByteSink<std::string> sink(&normalised, static_cast<int32_t>(utf8.size()));
            nfc->normalizeUTF8(0, piece, sink, nullptr, status);
            if (U_SUCCESS(status))
                Collect(normalised, text, characters);
        }
    }
    decoded.unicode = true;
    decoded.page = AlphabetPage(characters, sortLanguage, name);
    const TCodePage& page = *decoded.page;
    decoded.encoding = page.Name() == "windows-1251" ? std::string(name) : page.Name();
    // From the places met to the page's bytes.
    std::array<char, 256> byteOf{};
    for (int b = 0; b < 0x80; ++b)
        byteOf[b] = static_cast<char>(b);
    for (std::size_t k = 0; k < characters.size(); ++k)
        byteOf[0x80 + k] = static_cast<char>(page.Byte(characters[k]));
    for (char& c : text)
        c = byteOf[static_cast<unsigned char>(c)];
    return true;
}

// UTF-16 as UTF-8 (`form`: "UTF-16" after a byte-order mark, or
// "UTF-16LE", "UTF-16BE"); false for an unpaired surrogate.
bool Utf16ToUtf8(std::string_view bytes, const char* form, std::string& utf8) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(form, &status);
    if (U_FAILURE(status))
        return false;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    const icu::UnicodeString text(bytes.data(), static_cast<int32_t>(bytes.size()), converter,
                                  status);
    ucnv_close(converter);
    if (U_FAILURE(status))
        return false;
    utf8.clear();
    text.toUTF8String(utf8);
    return true;
}

} // namespace

TDecodedText DecodeText(std::string_view bytes, std::string_view encoding,
                        std::string_view sortLanguage) {
    const TUnicodeForm form = UnicodeForm(encoding);
    const bool automatic = encoding.empty();
    const bool utf16 = form == TUnicodeForm::Utf16 || form == TUnicodeForm::Utf16Le ||
                       form == TUnicodeForm::Utf16Be || (automatic && IsUtf16Marked(bytes));
    const bool utf8 = form == TUnicodeForm::Utf8 ||
                      (automatic && !utf16 && (bytes.starts_with(kUtf8Mark) || !IsAscii(bytes)));
    TDecodedText decoded;
    if (utf16) {
        std::string converted;
        const char* order = form == TUnicodeForm::Utf16Le   ? "UTF-16LE"
                            : form == TUnicodeForm::Utf16Be ? "UTF-16BE"
                                                            : "UTF-16";
        if (!Utf16ToUtf8(bytes, order, converted) ||
            !FromUtf8(converted, "UTF-16", sortLanguage, decoded))
            throw EEncoding("The text is not well-formed UTF-16");
        return decoded;
    }
    if (utf8) {
        std::string_view body = bytes;
        if (body.starts_with(kUtf8Mark))
            body.remove_prefix(kUtf8Mark.size());
        if (FromUtf8(body, "UTF-8", sortLanguage, decoded))
            return decoded;
        if (!automatic)
            throw EEncoding("The text is not well-formed UTF-8");
    }
    decoded.page = automatic ? Cp1251Page(sortLanguage) : EightBitPage(encoding, sortLanguage);
    decoded.encoding = decoded.page->Name();
    // A byte that stands for no character in the page would be lost.
    const TCodePage& page = *decoded.page;
    for (std::size_t k = 0; k < bytes.size(); ++k)
        if (const auto b = static_cast<unsigned char>(bytes[k]); page.Char(b) == kNoChar) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", b);
            throw EEncoding("The text is not in " + page.Name() + ": its byte " + hex +
                            " at offset " + std::to_string(k) + " stands for no character there");
        }
    decoded.text.assign(bytes);
    // A mark that turned out not to head UTF-8 is no part of the text.
    if (automatic && decoded.text.starts_with(kUtf8Mark))
        decoded.text.erase(0, kUtf8Mark.size());
    return decoded;
}

} // namespace lexorin

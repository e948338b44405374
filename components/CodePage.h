// Code pages of texts: what each byte of a text stands for, and the
// engine's tables for it (classes, case, collation) derived from the
// Unicode character database and a collator.
//
// A text is analysed as 8-bit bytes. An 8-bit file keeps its bytes and gets
// the page of its encoding; a Unicode file gets Windows-1251 when every one
// of its characters has a place there, and otherwise an alphabet of its own:
// ASCII as it is and the text's other characters (with the other-case
// partners of its letters while room is left) from 0x80 up, in the order of
// the collation.
#pragma once

#include "FeLocale.h"

#include <array>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexorin {

// A byte that stands for no character.
inline constexpr char32_t kNoChar = 0xFFFFFFFF;

class TCodePage {
public:
    // `chars`: the character of each byte, kNoChar for none; `sortLanguage`:
    // the language the weights of `tables` follow ("" for the default).
    TCodePage(std::string name, const std::array<char32_t, 256>& chars, const TCharTables& tables,
              std::string sortLanguage = {});

    // How the user sees it: "windows-1251", "ISO-8859-2", "UTF-8, alphabet of
    // 41 letters".
    const std::string& Name() const { return name_; }
    char32_t Char(unsigned char byte) const { return chars_[byte]; }
    // The byte of a character, or -1 when the page has none.
    int Byte(char32_t c) const;
    const TCharTables& Tables() const { return tables_; }
    const std::string& SortLanguage() const { return sortLanguage_; }
    // The character of a byte in UTF-8; U+FFFD for a byte that stands for
    // none.
    const std::string& Utf8(unsigned char byte) const { return utf8_[byte]; }

private:
    std::string name_;
    std::array<char32_t, 256> chars_;
    TCharTables tables_;
    std::string sortLanguage_;
    std::array<std::string, 256> utf8_;
    std::vector<std::pair<char32_t, unsigned char>> bytes_; // by character
};

// An encoding that is unknown, or bytes that are not in it.
class EEncoding : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A Unicode text that needs more characters than a page holds.
class ETooManyCharacters : public EEncoding {
public:
    using EEncoding::EEncoding;
};

// The engine's tables for a page of these characters (kNoChar: none):
// classes and case from the Unicode character database; weights putting
// everything that is neither letter nor digit first, in byte order, then
// digits and letters in the order of the language's collation ("": the
// Unicode default), both cases of a letter weighing as its lower case.
TCharTables CharTablesOf(const std::array<char32_t, 256>& chars, std::string_view sortLanguage);

// The sort languages offered besides the default ("").
const std::vector<std::pair<std::string, std::string>>& SortLanguages(); // code, name

// The same page sorting by another language.
std::shared_ptr<const TCodePage> WithSortLanguage(const TCodePage& page,
                                                  std::string_view sortLanguage);

// Windows-1251. With the default sort language ("") its tables are the
// engine's built-in ones; with another the letters sort by that language.
std::shared_ptr<const TCodePage> Cp1251Page(std::string_view sortLanguage = {});

// The page of an 8-bit encoding by any of its usual names or aliases
// ("windows-1250", "cp1250", "latin2", "koi8-r"); EEncoding when there is no
// such encoding or it is not one byte a character.
std::shared_ptr<const TCodePage> EightBitPage(std::string_view encoding,
                                              std::string_view sortLanguage = {});

// The 8-bit encodings offered by name, in the order shown.
std::vector<std::string> EightBitEncodings();
// Every encoding a text can be read in by name: UTF-8, UTF-16, then the
// 8-bit ones.
std::vector<std::string> ReadableEncodings();

// Which Unicode form an encoding's name stands for, in any case: UTF-8
// ("utf-8", "utf8"), UTF-16 after a byte-order mark ("utf-16", "utf16"),
// UTF-16 of either byte order ("utf-16le", "utf-16be"), or none.
enum class TUnicodeForm { None, Utf8, Utf16, Utf16Le, Utf16Be };
TUnicodeForm UnicodeForm(std::string_view encoding);

// The page for a Unicode text of these characters (any order, repeats
// allowed), Windows-1251 when they all fit it; ETooManyCharacters, naming
// how many there are and a few of them, when more than 128 lie outside
// ASCII. `unicodeName` heads the page's name ("UTF-8, alphabet of ...").
std::shared_ptr<const TCodePage> AlphabetPage(const std::u32string& characters,
                                              std::string_view sortLanguage = {},
                                              std::string_view unicodeName = "UTF-8");

// The page of the text being analysed: Windows-1251 until another is set.
// Setting it installs its tables in the engine.
const TCodePage& TextPage();
void SetTextPage(std::shared_ptr<const TCodePage> page);

// Text in the text's page and Unicode: a character the page lacks becomes
// '?'.
std::string TextToUtf8(std::string_view text);
// The same for bytes of another page.
std::string TextToUtf8(const TCodePage& page, std::string_view text);
char UnicodeToText(char32_t c);
// False, and `text` untouched, when `utf8` is not well-formed UTF-8.
bool Utf8ToText(std::string_view utf8, std::string& text);
// The same, also false when a character of `utf8` is not in the page, so
// that what was typed can match nothing in the text.
bool Utf8WhollyInText(std::string_view utf8, std::string& text);
// The characters of a UTF-8 text that the text's page holds, as its bytes;
// the others are left out, so that a character the text does not hold
// matches nothing in it.
std::string Utf8CharsInText(std::string_view utf8);

} // namespace lexorin

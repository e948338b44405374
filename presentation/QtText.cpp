#include "QtText.h"

#include "CodePage.h"
#include "Cp1251.h"

namespace lexorin {

QString FromTextBytes(const std::string& text) {
    const TCodePage& page = TextPage();
    QString result(static_cast<qsizetype>(text.size()), QChar());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = page.Char(static_cast<unsigned char>(text[i]));
        // One QChar a byte: a character beyond the first plane shows as a
        // replacement character.
        result[static_cast<qsizetype>(i)] =
            QChar(c <= 0xFFFF ? static_cast<char16_t>(c) : char16_t{0xFFFD});
    }
    return result;
}

std::string ToTextBytes(const QString& text) {
    std::string result(static_cast<std::size_t>(text.size()), '?');
    for (qsizetype i = 0; i < text.size(); ++i)
        result[static_cast<std::size_t>(i)] = UnicodeToText(text[i].unicode());
    return result;
}

bool TypedInText(const QString& typed, std::string& text) {
    text = ToTextBytes(typed);
    return FromTextBytes(text) == typed;
}

QString FromProgramText(const std::string& cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

std::string ToProgramText(const QString& text) {
    std::string cp1251;
    Utf8ToCp1251(text.toStdString(), cp1251);
    return cp1251;
}

} // namespace lexorin

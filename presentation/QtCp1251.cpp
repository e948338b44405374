#include "QtCp1251.h"

#include "Cp1251.h"

namespace lexorin {

QString FromCp1251(const std::string& text) {
    QString result(static_cast<qsizetype>(text.size()), QChar());
    for (std::size_t i = 0; i < text.size(); ++i)
        result[static_cast<qsizetype>(i)] =
            QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(text[i]))));
    return result;
}

std::string ToCp1251(const QString& text) {
    std::string result(static_cast<std::size_t>(text.size()), '?');
    for (qsizetype i = 0; i < text.size(); ++i)
        result[static_cast<std::size_t>(i)] = UnicodeToCp1251(text[i].unicode());
    return result;
}

bool FitsCp1251(const QString& text) {
    return FromCp1251(ToCp1251(text)) == text;
}

} // namespace lexorin

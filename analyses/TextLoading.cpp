#include "TextLoading.h"

#include "Cp1251.h"
#include "FeUtils.h"

#include <algorithm>

namespace lexorin {

TLoadedText LoadText(const std::string& bytes) {
    TLoadedText loaded;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::string decoded;
    loaded.fromUtf8 = !ascii && Utf8ToCp1251(bytes, decoded);
    loaded.text = CleanText(loaded.fromUtf8 ? std::move(decoded) : bytes);
    return loaded;
}

std::string CleanText(std::string text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    return CrLfLineBreaks(text);
}

} // namespace lexorin

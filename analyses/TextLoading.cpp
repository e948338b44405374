#include "TextLoading.h"

#include "Cp1251.h"

#include <algorithm>

namespace lexorin {

TLoadedText LoadText(const std::string& bytes) {
    TLoadedText loaded;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::string decoded;
    loaded.fromUtf8 = !ascii && Utf8ToCp1251(bytes, decoded);
    const std::string& source = loaded.fromUtf8 ? decoded : bytes;
    std::string& text = loaded.text;
    text.reserve(source.size() + source.size() / 32);
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            if (c == '\r' && i + 1 < source.size() && source[i + 1] == '\n')
                ++i;
        } else {
            text.push_back(c == '\0' ? ' ' : c);
        }
    }
    return loaded;
}

} // namespace lexorin

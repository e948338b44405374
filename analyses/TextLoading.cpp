#include "TextLoading.h"

namespace lexorin {

std::string LoadedText(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 32);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            text += "\r\n";
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            text.push_back(c == '\0' ? ' ' : c);
        }
    }
    return text;
}

} // namespace lexorin

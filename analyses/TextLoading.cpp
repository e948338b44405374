#include "TextLoading.h"

#include "FeUtils.h"
#include "TextDecoding.h"

#include <algorithm>

namespace lexorin {

TLoadedText LoadTextInEncoding(const std::string& bytes, std::string_view encoding,
                               std::string_view sortLanguage) {
    TDecodedText decoded = DecodeText(bytes, encoding, sortLanguage);
    TLoadedText loaded;
    loaded.text = CleanText(std::move(decoded.text));
    loaded.fromUtf8 = decoded.unicode;
    loaded.page = std::move(decoded.page);
    loaded.encoding = std::move(decoded.encoding);
    return loaded;
}

std::string CleanText(std::string text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    return CrLfLineBreaks(text);
}

} // namespace lexorin

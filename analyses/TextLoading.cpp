#include "TextLoading.h"

#include "Cp1251.h"
#include "FeUtils.h"

#include <algorithm>

namespace lexorin {

TLoadedText LoadText(const std::string& bytes) {
    TLoadedText loaded;
    loaded.text = CleanText(FileBytesToCp1251(bytes, &loaded.fromUtf8));
    return loaded;
}

std::string CleanText(std::string text) {
    std::replace(text.begin(), text.end(), '\0', ' ');
    return CrLfLineBreaks(text);
}

} // namespace lexorin

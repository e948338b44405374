#include "WholeFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace lexorin {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        bytes.clear();
        return false;
    }
    if (file.bad()) {
        bytes.clear();
        return false;
    }
    return true;
}

} // namespace lexorin

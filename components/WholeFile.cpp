#include "WholeFile.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace lexorin {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    struct stat info {};
    if (file == nullptr || fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // One read of the size the file has; a file that grows meanwhile is read
    // on to its end, one that shrinks is cut where it ends.
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    char more[65536];
    while (got == bytes.size() && !std::feof(file.get())) {
        const std::size_t extra = std::fread(more, 1, sizeof more, file.get());
        if (extra == 0)
            break;
        bytes.append(more, extra);
        got = bytes.size();
    }
    if (std::ferror(file.get())) {
        bytes.clear();
        return false;
    }
    bytes.resize(got);
    return true;
}

} // namespace lexorin

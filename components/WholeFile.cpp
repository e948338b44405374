#include "WholeFile.h"

#include "ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    try {
        ReplaceFile(path, [bytes](const std::string& temporary) {
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (fd < 0)
                throw std::runtime_error(std::strerror(errno));
            // On disk before it takes the old file's place.
            const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
            const int error = errno;
            if (::close(fd) != 0 || !written)
                throw std::runtime_error(std::strerror(error));
        });
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

} // namespace lexorin

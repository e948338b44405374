#include "ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lexorin {
namespace {

[[noreturn]] void Fail(int error) {
    throw std::runtime_error(std::strerror(error));
}

// The temporary file of the ReplaceFile under way, for the signal handler:
// the name is complete before `pending` is set, and `pending` is cleared
// before the name changes.
char pendingName[4096];
volatile std::sig_atomic_t pending = 0;

extern "C" void RemovePendingAndEnd(int signal) {
    if (pending != 0)
        ::unlink(pendingName);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Marks `name` as the temporary file to remove on a signal while it lives.
class TPendingFile {
public:
    explicit TPendingFile(const std::string& name) {
        if (name.size() >= sizeof pendingName)
            return;
        std::memcpy(pendingName, name.c_str(), name.size() + 1);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        pending = 1;
    }
    ~TPendingFile() {
        pending = 0;
        std::atomic_signal_fence(std::memory_order_seq_cst);
    }
    TPendingFile(const TPendingFile&) = delete;
    TPendingFile& operator=(const TPendingFile&) = delete;
};

mode_t NewFileMode(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void ReplaceFile(const std::string& destination,
                 const std::function<void(const std::string&)>& write) {
    struct stat existing {};
    if (::stat(destination.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
        !S_ISDIR(existing.st_mode)) {
        // A device or a pipe has no contents to keep, and taking its place
        // would put a plain file where /dev/null was.
        write(destination);
        return;
    }
    // A link stays a link: the file it leads to is replaced.
    std::string path = destination;
    if (std::error_code linkError; std::filesystem::is_symlink(destination, linkError)) {
        path = std::filesystem::weakly_canonical(destination, linkError).string();
        if (linkError)
            Fail(linkError.value());
    }
    std::vector<char> name(path.begin(), path.end());
    for (char c : std::string_view(".XXXXXX"))
        name.push_back(c);
    name.push_back('\0');
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0)
        Fail(errno);
    const std::string temporary(name.data());
    const TPendingFile pendingFile(temporary);
    try {
        const bool moded = ::fchmod(descriptor, NewFileMode(path)) == 0;
        const int error = errno;
        ::close(descriptor);
        if (!moded)
            Fail(error);
        write(temporary);
        if (std::rename(temporary.c_str(), path.c_str()) != 0)
            Fail(errno);
    } catch (...) {
        std::remove(temporary.c_str());
        throw;
    }
}

void RemoveTemporaryFileOnSignals() {
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        action.sa_handler = RemovePendingAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace lexorin

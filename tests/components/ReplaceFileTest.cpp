#include "ReplaceFile.h"

#include "TempFile.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lexorin {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;

// A folder of its own for each test, so that leftovers can be counted.
fs::path Folder(const std::string& name) {
    const fs::path folder = fs::path(::testing::TempDir()) / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

int Entries(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ReplaceFile, NewAndReplacedFilesWithTheirPermissions) {
    const fs::path folder = Folder("replace-new");
    const std::string path = (folder / "out.csv").string();
    ReplaceFile(path, [](const std::string& temporary) { Write(temporary, "first"); });
    EXPECT_EQ(ReadFileBytes(path), "first");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask) << "as a file made the ordinary way";

    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ReplaceFile(path, [](const std::string& temporary) { Write(temporary, "second"); });
    EXPECT_EQ(ReadFileBytes(path), "second");
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";
    EXPECT_EQ(Entries(folder), 1);
}

TEST(ReplaceFile, AFailureLeavesWhatWasThere) {
    const fs::path folder = Folder("replace-fail");
    const std::string path = (folder / "out.csv").string();
    Write(path, "old");
    EXPECT_THROW(ReplaceFile(path,
                             [](const std::string& temporary) {
                                 Write(temporary, "half of it");
                                 throw std::runtime_error("disk full");
                             }),
                 std::runtime_error);
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(Entries(folder), 1) << "no temporary file left behind";

    // A folder in the way cannot be replaced by a file.
    const fs::path inTheWay = folder / "taken";
    fs::create_directory(inTheWay);
    try {
        ReplaceFile(inTheWay.string(), [](const std::string& temporary) { Write(temporary, "x"); });
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Is a directory");
    }
    EXPECT_TRUE(fs::is_directory(inTheWay));
    EXPECT_EQ(Entries(folder), 2);

    try {
        ReplaceFile((folder / "missing" / "out.csv").string(), [](const std::string&) {});
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "No such file or directory");
    }
}

TEST(ReplaceFile, ALinkStaysALink) {
    const fs::path folder = Folder("replace-link");
    const fs::path file = folder / "target.csv";
    const fs::path link = folder / "link.csv";
    Write(file.string(), "old");
    fs::create_symlink(file.filename(), link);
    ReplaceFile(link.string(), [](const std::string& temporary) { Write(temporary, "new"); });
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(file.string()), "new");
    EXPECT_EQ(Entries(folder), 2);
}

TEST(ReplaceFile, APipeIsWrittenInPlace) {
    const fs::path folder = Folder("replace-pipe");
    const std::string pipe = (folder / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ReplaceFile(pipe, [&pipe](const std::string& target) {
        EXPECT_EQ(target, pipe);
        Write(target, "through");
    });
    char bytes[16] = {};
    EXPECT_EQ(::read(reader, bytes, sizeof bytes), 7);
    ::close(reader);
    EXPECT_EQ(std::string(bytes), "through");
    struct stat info {};
    ASSERT_EQ(::stat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "not replaced by a plain file";
    EXPECT_EQ(Entries(folder), 1);
}

// A process stopped by SIGINT or SIGTERM halfway through a write: the old
// file stays and the temporary one is gone, and the process still ends by
// that signal.
TEST(ReplaceFile, ASignalRemovesTheTemporaryFile) {
    for (const int signal : {SIGINT, SIGTERM}) {
        const fs::path folder = Folder("replace-signal");
        const std::string path = (folder / "out.csv").string();
        Write(path, "old");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RemoveTemporaryFileOnSignals();
            ReplaceFile(path, [signal](const std::string& temporary) {
                Write(temporary, "half of it");
                std::raise(signal);
            });
            std::_Exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(ReadFileBytes(path), "old");
        EXPECT_EQ(Entries(folder), 1) << "no temporary file";
    }
}

} // namespace
} // namespace lexorin

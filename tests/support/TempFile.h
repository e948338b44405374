// Files for tests, in the test framework's temporary folder.
#pragma once

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace lexorin::test {

// Writes the bytes to a file of that name and returns its path.
inline std::string WriteTempFile(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace lexorin::test

// Files for tests, in the test framework's temporary folder.
#pragma once

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace lexorin::test {

// Writes the bytes to a file of that name and returns its path.
inline std::string WriteTempFile(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

} // namespace lexorin::test

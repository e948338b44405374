// Reading one part of a zip archive (a workbook) with the unzip program.
#pragma once

#include <cstdio>
#include <string>

namespace lexorin::test {

// The bytes of `part` in the archive; empty when it cannot be read.
inline std::string ZipPart(const std::string& archive, const std::string& part) {
    std::string bytes;
    FILE* unzip = popen(("unzip -p '" + archive + "' '" + part + "' 2>/dev/null").c_str(), "r");
    if (unzip == nullptr)
        return bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, unzip)) > 0;)
        bytes.append(buffer, n);
    pclose(unzip);
    return bytes;
}

} // namespace lexorin::test

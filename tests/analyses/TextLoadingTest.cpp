#include "TextLoading.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

TEST(TextLoading, LineBreaksNulBytesAndEncodings) {
    const std::vector<std::tuple<std::string, std::string, bool>> cases = {
        {"a\r\nb\nc\rd\n\re", "a\r\nb\r\nc\r\nd\r\n\r\ne", false},
        {std::string("x\0y", 3), "x y", false},
        {"plain ascii", "plain ascii", false},
        {"\xC6\xE8\xE2\xE5", "\xC6\xE8\xE2\xE5", false}, // cp1251 bytes
        {"\xD0\x96\xD0\xB8\xD0\xB2\xD0\xB5\n", "\xC6\xE8\xE2\xE5\r\n", true},
        {"\xEF\xBB\xBFok", "ok", true},
    };
    for (const auto& [bytes, text, converted] : cases) {
        const TLoadedText loaded = LoadTextInEncoding(bytes, {}, {});
        EXPECT_EQ(loaded.text, text) << bytes;
        EXPECT_EQ(loaded.fromUtf8, converted) << bytes;
    }
}

} // namespace
} // namespace lexorin

#include "Cp1251.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

TEST(Cp1251, EveryByteMakesTheRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        EXPECT_EQ(UnicodeToCp1251(Cp1251ToUnicode(static_cast<unsigned char>(b))), byte) << b;
        std::string back;
        ASSERT_TRUE(Utf8ToCp1251(Cp1251ToUtf8(std::string(1, byte)), back)) << b;
        EXPECT_EQ(back, std::string(1, byte)) << b;
    }
}

TEST(Cp1251, Utf8IsDecodedOrRejected) {
    std::string text = "unchanged";
    EXPECT_TRUE(Utf8ToCp1251("\xEF\xBB\xBF\xD0\x96\xD0\xB8\xE2\x80\x94 \xE2\x82\xAC", text));
    EXPECT_EQ(text, "\xC6\xE8\x97 \x88") << "BOM dropped; Zhi, em dash, euro";
    EXPECT_TRUE(Utf8ToCp1251("\xE4\xB8\xAD\xF0\x9F\x98\x80", text));
    EXPECT_EQ(text, "??") << "characters cp1251 lacks";
    const std::vector<std::string> malformed = {
        "\xC6\xE8",         // cp1251 text, not UTF-8
        "\xC0\xAF",         // overlong
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // beyond U+10FFFF
        "ab\xD0",           // cut off
        "\x80",             // a lone continuation byte
    };
    for (const std::string& bytes : malformed) {
        text = "unchanged";
        EXPECT_FALSE(Utf8ToCp1251(bytes, text)) << bytes;
        EXPECT_EQ(text, "unchanged");
    }
}

} // namespace
} // namespace lexorin

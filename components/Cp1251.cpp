#include "Cp1251.h"

#include <algorithm>
#include <cstdint>

namespace lexorin {
namespace {

// Code points of the bytes 0x80..0xFF.
constexpr char16_t kHigh[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// The bytes 0x80..0xFF ordered by their code points, for the way back.
struct TReverse {
    char16_t code[128];
    unsigned char byte[128];
};

constexpr TReverse MakeReverse() {
    TReverse r{};
    for (int k = 0; k < 128; ++k) {
        r.code[k] = kHigh[k];
        r.byte[k] = static_cast<unsigned char>(0x80 + k);
    }
    for (int a = 1; a < 128; ++a) // insertion sort, at compile time
        for (int b = a; b > 0 && r.code[b - 1] > r.code[b]; --b) {
            const char16_t c = r.code[b];
            r.code[b] = r.code[b - 1];
            r.code[b - 1] = c;
            const unsigned char y = r.byte[b];
            r.byte[b] = r.byte[b - 1];
            r.byte[b - 1] = y;
        }
    return r;
}

constexpr TReverse kReverse = MakeReverse();

} // namespace

char UnicodeToCp1251(char32_t c) {
    if (c < 0x80)
        return static_cast<char>(c);
    const char16_t* end = kReverse.code + 128;
    const char16_t* at = std::lower_bound(kReverse.code, end, c);
    if (at == end || *at != c)
        return '?';
    return static_cast<char>(kReverse.byte[at - kReverse.code]);
}

bool Utf8ToCp1251(std::string_view utf8, std::string& text) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        i = 3;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        int extra = 0;
        char32_t c = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= utf8.size())
            return false; // the sequence is cut off
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out.push_back(UnicodeToCp1251(c));
        i += static_cast<std::size_t>(extra) + 1;
    }
    text = std::move(out);
    return true;
}

char32_t Cp1251ToUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kHigh[byte - 0x80];
}

std::string Cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const char32_t u = Cp1251ToUnicode(static_cast<unsigned char>(c));
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (u < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (u >> 6)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (u >> 12)));
            out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

std::string ProgramFileText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::string cp1251;
    if (Utf8ToCp1251(bytes, cp1251))
        return std::string(bytes);
    return Cp1251ToUtf8(bytes);
}

std::string ProgramFileBytes(std::string_view utf8) {
    std::string cp1251;
    if (Utf8ToCp1251(utf8, cp1251) && Cp1251ToUtf8(cp1251) == utf8)
        return cp1251;
    return "\xEF\xBB\xBF" + std::string(utf8);
}

} // namespace lexorin

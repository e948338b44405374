#include "FeStream.h"

#include "FeErrors.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace lexorin {
namespace {

constexpr std::int32_t kChunk = 1 << 16;

void Put(std::ostream& stream, const char* bytes, std::size_t count) {
    stream.write(bytes, static_cast<std::streamsize>(count));
    if (!stream)
        throw EFeError("Stream write error");
}

void Get(std::istream& stream, char* bytes, std::size_t count, const char* what) {
    stream.read(bytes, static_cast<std::streamsize>(count));
    if (static_cast<std::size_t>(stream.gcount()) != count)
        throw EFeStreamError(std::string("the stream ends inside ") + what);
}

} // namespace

void WriteByte(std::ostream& stream, std::uint8_t value) {
    const char c = static_cast<char>(value);
    Put(stream, &c, 1);
}

void WriteInt32(std::ostream& stream, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                           static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
    Put(stream, bytes, 4);
}

void WriteBytes(std::ostream& stream, const std::string& bytes) {
    Put(stream, bytes.data(), bytes.size());
}

std::uint8_t ReadByte(std::istream& stream) {
    char c = 0;
    Get(stream, &c, 1, "a byte");
    return static_cast<std::uint8_t>(c);
}

std::int32_t ReadInt32(std::istream& stream) {
    unsigned char b[4] = {0, 0, 0, 0};
    Get(stream, reinterpret_cast<char*>(b), 4, "a 32-bit integer");
    const std::uint32_t u = std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 |
                            std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
    return static_cast<std::int32_t>(u);
}

std::string ReadBytes(std::istream& stream, std::int32_t count) {
    if (count < 0)
        throw EFeStreamError("negative length " + std::to_string(count));
    std::string bytes;
    while (static_cast<std::int32_t>(bytes.size()) < count) {
        const std::size_t have = bytes.size();
        // Chunks double with what has arrived, so a long run costs few copies.
        const auto arrived = static_cast<std::int32_t>(have);
        const std::int32_t step = std::min(std::max(kChunk, arrived), count - arrived);
        bytes.resize(have + static_cast<std::size_t>(step));
        Get(stream, bytes.data() + have, static_cast<std::size_t>(step), "a run of bytes");
    }
    return bytes;
}

void SkipBytes(std::istream& stream, std::int32_t count) {
    if (count < 0)
        throw EFeStreamError("negative length " + std::to_string(count));
    char buffer[4096];
    while (count > 0) {
        const std::int32_t step = std::min<std::int32_t>(count, sizeof buffer);
        Get(stream, buffer, static_cast<std::size_t>(step), "a skipped block");
        count -= step;
    }
}

} // namespace lexorin

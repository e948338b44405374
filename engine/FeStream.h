// Little-endian reading and writing of the engine's stream forms.
//
// Readers never trust a length they read: data is taken in bounded chunks, so
// a corrupt length fails at the end of the stream instead of allocating it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace lexorin {

void WriteByte(std::ostream& stream, std::uint8_t value);
void WriteInt32(std::ostream& stream, std::int32_t value);
void WriteBytes(std::ostream& stream, const std::string& bytes);

std::uint8_t ReadByte(std::istream& stream);
std::int32_t ReadInt32(std::istream& stream);
// Reads exactly `count` bytes (count >= 0).
std::string ReadBytes(std::istream& stream, std::int32_t count);
void SkipBytes(std::istream& stream, std::int32_t count);

} // namespace lexorin

#pragma once
// Texts of slot numbers, track numbers and packed-BCD times, and the number check of the fields.

#include <cstdint>
#include <optional>
#include <string>

namespace tavisto {

// Decimal text, at least two digits: 5 -> "05", 100 -> "100".
std::string MyIntToStr(int n);

// The two nibbles of a packed-BCD byte as digits. A nibble above 9 (only in files from elsewhere)
// shows as its hex digit A..F, so that the text reads back to the same byte.
std::string MyBcdToStr(std::uint8_t bcd);

// Packed BCD of a number 0..99: 23 -> 0x23.
constexpr std::uint8_t toBcd(int value)
{
    return static_cast<std::uint8_t>((value / 10) << 4 | value % 10);
}

// Packed BCD of a text of digits (leading zeros skipped, at most two digits used; "" -> 0x00).
// Hex digits A..F read back as the nibbles MyBcdToStr shows; any other character gives nothing.
std::optional<std::uint8_t> MyStrToBcd(const std::string& text);

// A track field's text as a byte: decimal digits only, the low 8 bits of their value.
std::optional<std::uint8_t> trackTextToByte(const std::string& text);

// The value of a text of ASCII digits within lo..hi, or -1 when the text is rejected.
long long NumberChecK(const std::string& text, std::int32_t lo, std::int32_t hi);

}  // namespace tavisto

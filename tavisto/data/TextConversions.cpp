#include "TextConversions.h"

#include <cstddef>

namespace tavisto {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<int> nibbleOf(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

char nibbleText(int nibble)
{
    return static_cast<char>(nibble < 10 ? '0' + nibble : 'A' + nibble - 10);
}

}  // namespace

std::string MyIntToStr(int n)
{
    const std::string digits = std::to_string(n);
    return n >= 0 && n < 10 ? "0" + digits : digits;
}

std::string MyBcdToStr(std::uint8_t bcd)
{
    return {nibbleText(bcd >> 4), nibbleText(bcd & 0x0F)};
}

std::optional<std::uint8_t> MyStrToBcd(const std::string& text)
{
    for (char c : text)
        if (!nibbleOf(c))
            return std::nullopt;
    const std::size_t first = text.find_first_not_of('0');
    if (first == std::string::npos)
        return std::uint8_t{0x00};
    const int high = *nibbleOf(text[first]);
    if (first + 1 == text.size())
        return static_cast<std::uint8_t>(high);
    return static_cast<std::uint8_t>(high << 4 | *nibbleOf(text[first + 1]));
}

std::optional<std::uint8_t> trackTextToByte(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = (value * 10 + static_cast<unsigned>(c - '0')) & 0xFF;
    }
    return static_cast<std::uint8_t>(value);
}

long long NumberChecK(const std::string& text, std::int32_t lo, std::int32_t hi)
{
    if (text.empty())
        return -1;
    long long value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return -1;
        value = value * 10 + (c - '0');
        if (value > hi)  // also keeps long digit strings from overflowing
            return -1;
    }
    return value < lo ? -1 : value;
}

}  // namespace tavisto

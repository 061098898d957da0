#include "Records.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vormante {

std::string ReadRecordText(const std::uint8_t* field, int maxLength) {
    const auto* start = reinterpret_cast<const char*>(field);
    const void* nul = std::memchr(start, 0, static_cast<std::size_t>(maxLength));
    const auto length = nul ? static_cast<const char*>(nul) - start : maxLength;
    return std::string(start, static_cast<std::size_t>(length));
}

void WriteRecordText(std::uint8_t* field, int width, std::string_view value) {
    const std::size_t count = std::min<std::size_t>(value.size(), static_cast<std::size_t>(width));
    std::memcpy(field, value.data(), count);
    std::memset(field + count, 0, static_cast<std::size_t>(width) - count);
}

std::string FormatPosition(int tenthsOfDegree) {
    const int magnitude = std::abs(tenthsOfDegree);
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d%c", magnitude / 10, magnitude % 10,
                  tenthsOfDegree > 0 ? 'E' : 'W');
    return text;
}

std::optional<int> ParsePosition(std::string_view text) {
    const auto trim = [](std::string_view& part) {
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t'))
            part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '\t'))
            part.remove_suffix(1);
    };
    trim(text);
    if (text.empty())
        return std::nullopt;
    bool west = false;
    const char last = static_cast<char>(std::tolower(static_cast<unsigned char>(text.back())));
    if (last == 'e' || last == 'w') {
        west = last == 'w';
        text.remove_suffix(1);
    } else if (text.front() == '-' || text.front() == '+') {
        west = text.front() == '-';
        text.remove_prefix(1);
    }
    trim(text);
    std::string_view degrees = text, tenths = "0";
    const std::size_t dot = text.find_first_of(".,");
    if (dot != std::string_view::npos) {
        degrees = text.substr(0, dot);
        tenths = text.substr(dot + 1);
    }
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.size() <= 9 &&
               std::all_of(part.begin(), part.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    };
    if (!digits(degrees) || !digits(tenths) || tenths.size() != 1)
        return std::nullopt;
    const long value = std::strtol(std::string(degrees).c_str(), nullptr, 10) * 10 + (tenths[0] - '0');
    // The field is 12 bits of two's complement: one tenth further West than East.
    if (value > (west ? 2048 : 2047))
        return std::nullopt;
    return static_cast<int>(west ? -value : value);
}

} // namespace vormante

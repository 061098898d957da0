#include "Records.h"

#include <algorithm>
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

} // namespace vormante

#include "JsonWriter.h"

#include "model/TextEncoding.h"

#include <cstdio>

namespace vormante::cli {

std::string JsonUtf8String(std::string_view utf8) {
    std::string out = "\"";
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += ch;
        }
    }
    out += '"';
    return out;
}

std::string JsonLatin1String(std::string_view bytes) {
    return JsonUtf8String(Latin1ToUtf8(bytes));
}

JsonObjectBuilder& JsonObjectBuilder::utf8(std::string_view name, std::string_view utf8) {
    key(name);
    text_ += JsonUtf8String(utf8);
    return *this;
}

void JsonObjectBuilder::key(std::string_view name) {
    if (!first_)
        text_ += ", ";
    first_ = false;
    text_ += JsonLatin1String(name);
    text_ += ": ";
}

JsonObjectBuilder& JsonObjectBuilder::number(std::string_view name, long long value) {
    key(name);
    text_ += std::to_string(value);
    return *this;
}

JsonObjectBuilder& JsonObjectBuilder::text(std::string_view name, std::string_view latin1) {
    key(name);
    text_ += JsonLatin1String(latin1);
    return *this;
}

JsonObjectBuilder& JsonObjectBuilder::raw(std::string_view name, std::string_view json) {
    key(name);
    text_ += json;
    return *this;
}

} // namespace vormante::cli

// Just enough JSON for the dump: objects written one member at a time, each
// record on a line of its own so that dumps compare well with diff.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vormante::cli {

// A JSON string literal of bytes taken as Latin-1 characters: each byte becomes
// the character of the same code, written as UTF-8 or as an escape.
std::string JsonLatin1String(std::string_view bytes);

// A JSON string literal of UTF-8 text.
std::string JsonUtf8String(std::string_view utf8);

// Builds one flat JSON object: {"a": 1, "b": "x"}.
class JsonObjectBuilder {
public:
    JsonObjectBuilder& number(std::string_view key, long long value);
    JsonObjectBuilder& text(std::string_view key, std::string_view latin1);
    JsonObjectBuilder& utf8(std::string_view key, std::string_view utf8);
    // A member whose value is already JSON (an array or object).
    JsonObjectBuilder& raw(std::string_view key, std::string_view json);
    std::string str() const { return text_ + "}"; }

private:
    void key(std::string_view name);

    std::string text_ = "{";
    bool first_ = true;
};

} // namespace vormante::cli

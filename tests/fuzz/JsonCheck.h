// A strict, fast well-formedness check of a JSON text in UTF-8 (RFC 8259): one
// value, strings without raw control characters and with valid escapes and UTF-8.
// For checking large generated texts many times over, where building a document
// tree would be too slow.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace jsoncheck {

class Checker {
public:
    explicit Checker(std::string_view text) : s_(text) {}

    std::string Run() {
        Blank();
        if (!Value(0))
            return error_;
        Blank();
        if (p_ != s_.size())
            Fail("text after the value");
        return error_;
    }

private:
    bool Fail(const char* what) {
        if (error_.empty())
            error_ = std::string(what) + " at byte " + std::to_string(p_);
        return false;
    }
    bool More() const { return p_ < s_.size(); }
    unsigned char Peek() const { return More() ? static_cast<unsigned char>(s_[p_]) : 0; }
    void Blank() {
        while (More() && (Peek() == ' ' || Peek() == '\n' || Peek() == '\r' || Peek() == '\t'))
            ++p_;
    }
    bool Literal(std::string_view word) {
        if (s_.substr(p_, word.size()) != word)
            return Fail("bad literal");
        p_ += word.size();
        return true;
    }
    bool Value(int depth) {
        if (depth > 64)
            return Fail("nested too deep");
        switch (Peek()) {
        case '{':
            return Object(depth);
        case '[':
            return Array(depth);
        case '"':
            return String();
        case 't':
            return Literal("true");
        case 'f':
            return Literal("false");
        case 'n':
            return Literal("null");
        default:
            return Number();
        }
    }
    bool Object(int depth) { return Items(depth, '}', "',' or '}' expected"); }
    bool Array(int depth) { return Items(depth, ']', "',' or ']' expected"); }
    // An object's members or an array's elements, from the opening bracket to `close`.
    bool Items(int depth, char close, const char* separatorExpected) {
        ++p_;
        Blank();
        if (Peek() == close)
            return ++p_, true;
        for (;;) {
            Blank();
            if (close == '}' && !Key())
                return false;
            if (!Value(depth + 1))
                return false;
            Blank();
            if (Peek() == close)
                return ++p_, true;
            if (Peek() != ',')
                return Fail(separatorExpected);
            ++p_;
        }
    }
    // An object member's key and the colon after it, leaving the blanks before the value.
    bool Key() {
        if (Peek() != '"' || !String())
            return Fail("object key expected");
        Blank();
        if (Peek() != ':')
            return Fail("':' expected");
        ++p_;
        Blank();
        return true;
    }
    static bool Digit(unsigned char c) { return c >= '0' && c <= '9'; }
    bool Number() {
        if (Peek() == '-')
            ++p_;
        if (Peek() == '0')
            ++p_;
        else if (Digit(Peek()))
            while (Digit(Peek()))
                ++p_;
        else
            return Fail("value expected");
        if (Peek() == '.') {
            ++p_;
            if (!Digit(Peek()))
                return Fail("digit expected");
            while (Digit(Peek()))
                ++p_;
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++p_;
            if (Peek() == '+' || Peek() == '-')
                ++p_;
            if (!Digit(Peek()))
                return Fail("digit expected");
            while (Digit(Peek()))
                ++p_;
        }
        return true;
    }
    bool String() {
        ++p_;
        while (More()) {
            const unsigned char c = Peek();
            if (c == '"')
                return ++p_, true;
            if (c < 0x20)
                return Fail("raw control character in a string");
            if (c == '\\') {
                ++p_;
                const unsigned char e = Peek();
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i) {
                        ++p_;
                        if (!std::isxdigit(Peek()))
                            return Fail("bad \\u escape");
                    }
                } else if (std::string_view("\"\\/bfnrt").find(static_cast<char>(e)) ==
                           std::string_view::npos) {
                    return Fail("bad escape");
                }
                ++p_;
            } else if (c < 0x80) {
                ++p_;
            } else if (!Utf8()) {
                return false;
            }
        }
        return Fail("unterminated string");
    }
    bool Utf8() {
        const unsigned char c = Peek();
        const int extra = c >= 0xF0 && c <= 0xF4 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c <= 0xDF ? 1 : -1;
        if (extra < 0 || c > 0xF4)
            return Fail("invalid UTF-8 lead byte");
        ++p_;
        for (int i = 0; i < extra; ++i, ++p_)
            if ((Peek() & 0xC0) != 0x80)
                return Fail("invalid UTF-8 continuation");
        return true;
    }

    std::string_view s_;
    std::size_t p_ = 0;
    std::string error_;
};

// What is wrong with text, or an empty string when it is well-formed JSON.
inline std::string Problem(std::string_view text) {
    return Checker(text).Run();
}

} // namespace jsoncheck

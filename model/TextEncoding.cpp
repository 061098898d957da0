#include "TextEncoding.h"

#include <cstdint>

namespace vormante {

namespace {

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252's characters for 0x80..0x9F; the five bytes it leaves undefined
// stand for the C1 control of the same number, as web browsers read them.
constexpr std::uint16_t CP1252_HIGH[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::size_t FirstNonUtf8Offset(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            cp = b & 0x07u;
        } else {
            return i;
        }
        if (extra >= text.size() - i)
            return i;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                return i;
            cp = cp << 6 | (c & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return i;
        i += extra + 1;
    }
    return text.size();
}

bool IsUtf8(std::string_view text) {
    return FirstNonUtf8Offset(text) == text.size();
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? CP1252_HIGH[b - 0x80] : b);
    }
    return out;
}

DecodedText DecodeText(std::string_view bytes) {
    DecodedText decoded;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
        decoded.byteOrderMark = true;
    }
    if (IsUtf8(bytes)) {
        decoded.text.assign(bytes);
    } else {
        decoded.encoding = TextEncoding::Windows1252;
        decoded.text = Windows1252ToUtf8(bytes);
    }
    return decoded;
}

const char* EncodingName(TextEncoding encoding) {
    return encoding == TextEncoding::Windows1252 ? "Windows-1252" : "UTF-8";
}

std::string Latin1ToUtf8(std::string_view latin1) {
    return ConvertEachByte(latin1, [](std::string& out, unsigned char b) { AppendUtf8(out, b); });
}

bool Utf8ToLatin1(std::string_view utf8, std::string* latin1) {
    latin1->clear();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            *latin1 += static_cast<char>(b);
            continue;
        }
        // Only the two-byte forms C2 80 .. C3 BF stand for U+0080 .. U+00FF.
        if ((b != 0xC2 && b != 0xC3) || i + 1 >= utf8.size())
            return false;
        const auto c = static_cast<unsigned char>(utf8[++i]);
        if ((c & 0xC0) != 0x80)
            return false;
        *latin1 += static_cast<char>((b & 0x03) << 6 | (c & 0x3F));
    }
    return true;
}

std::string EscapeControls(std::string_view utf8) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        auto code = static_cast<unsigned char>(utf8[i]);
        // C1 controls are U+0080..U+009F, written as C2 80 .. C2 9F.
        const bool c1 = code == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (c1)
            code = static_cast<unsigned char>(utf8[++i]);
        if (code < 0x20 || code == 0x7F || c1) {
            out += "\\x";
            out += HEX[code >> 4];
            out += HEX[code & 0xF];
        } else {
            out += static_cast<char>(code);
        }
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace vormante

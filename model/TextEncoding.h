// Text as lists and files bring it, and names as the image stores them.
//
// Names in the image are Latin-1 bytes; text files are UTF-8, with or without a
// byte order mark, or Windows-1252 as older spreadsheets save them. DecodeText
// takes a file's bytes as they come and gives UTF-8 text with the encoding it read:
// valid UTF-8 is taken as UTF-8, anything else as Windows-1252 (every byte is a
// character there, so the decoding never fails).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vormante {

enum class TextEncoding { Utf8, Windows1252 };

struct DecodedText {
    std::string text; // UTF-8, without a byte order mark
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
};

DecodedText DecodeText(std::string_view bytes);
// "UTF-8" or "Windows-1252", as the previews say which encoding was read.
const char* EncodingName(TextEncoding encoding);

// True when the text is well-formed UTF-8 (no overlong forms, surrogates or code
// points past U+10FFFF).
bool IsUtf8(std::string_view text);
// The offset of the first byte that breaks UTF-8, or text.size() when there is none.
std::size_t FirstNonUtf8Offset(std::string_view text);

std::string Windows1252ToUtf8(std::string_view text);
// Latin-1 bytes as UTF-8 text.
std::string Latin1ToUtf8(std::string_view latin1);
// UTF-8 text as Latin-1 bytes; false when the text is not UTF-8 or holds a
// character beyond U+00FF.
bool Utf8ToLatin1(std::string_view utf8, std::string* latin1);

// A conversion that takes one byte at a time: append(out, byte) adds what each
// byte of `bytes` becomes, in order.
template <class Append> std::string ConvertEachByte(std::string_view bytes, Append append) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes)
        append(out, static_cast<unsigned char>(ch));
    return out;
}

// UTF-8 text with its control characters (U+0000..U+001F, U+007F..U+009F) written
// as \xNN, so that printing a name from a file cannot move a terminal's cursor or
// change its colours.
std::string EscapeControls(std::string_view utf8);

// The text without the spaces and tabs at its ends.
std::string_view TrimBlanks(std::string_view text);

} // namespace vormante

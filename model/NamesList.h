// Lists of channel names, one channel a line, as people keep their favourite
// order: typed by hand, copied from a forum, saved from a spreadsheet or from
// another receiver.
//
// A line is a plain name, or "number;name", "number,name" or "number<TAB>name"
// (the number only orders the lines: numbered lines go by their numbers, an
// unnumbered line stays after the line before it). Blank lines and lines starting
// with '#' are skipped. The text is UTF-8, with or without a byte order mark, or
// Windows-1252 when it is not valid UTF-8. A file larger than MAX_NAMES_BYTES, more
// lines than MAX_NAMES_LINES, a line longer than MAX_NAMES_LINE_LENGTH characters
// and control characters (a binary file) are refused with the line.
#pragma once

#include "ChannelDatabase.h"
#include "TextEncoding.h"

#include <string>
#include <string_view>
#include <vector>

namespace vormante {

inline constexpr std::size_t MAX_NAMES_BYTES = 1u << 20;
inline constexpr std::size_t MAX_NAMES_LINES = 10000;
inline constexpr std::size_t MAX_NAMES_LINE_LENGTH = 1000;

struct NamesLine {
    int line = 0;     // in the text, from 1
    std::string name; // UTF-8, without surrounding blanks or quotes
    bool numbered = false;
    long number = 0; // when numbered
};

struct NamesListResult {
    bool ok = false;
    std::vector<NamesLine> lines; // in the order they ask for
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    int errorLine = 0;
    std::string error; // "line N: reason", or the size refusal, when !ok
};

// Reads the bytes of a names list as they come from the file.
NamesListResult ReadNamesList(std::string_view bytes);

// The satellite's channels of one kind as "number;name" lines in chain order,
// UTF-8, under a comment naming the satellite: a list ReadNamesList reads back
// to the same order.
std::string WriteNamesList(const ChannelDatabase& db, int satellite, bool tv);

} // namespace vormante

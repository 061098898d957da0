// Channel lists as CSV text, for editing in a spreadsheet and bringing back.
//
// The list holds every channel, satellite by satellite in slot order, TV then
// radio, each in chain order, under one header row:
//   Satellite,Position,TV/Radio,Number,Name,Frequency,Polarization,Symbol rate,
//   Video PID,Audio PID,PCR PID,Teletext PID,Lock,Scrambled,Fav 1,Fav 2,Fav 3,Fav 4
// The text is UTF-8; names, stored as Latin-1 in the image, are converted both ways.
// A name a spreadsheet would run as a formula (it starts with =, +, - or @) is
// written behind an apostrophe, which the reader takes off again.
//
// The reader takes what spreadsheets write: UTF-8, or Windows-1252 when the text
// is not UTF-8; comma, semicolon or tab separators (whichever the header row
// uses), quoted fields with doubled quotes, a byte order mark, CRLF or LF line
// ends, columns in any order, extra columns and empty rows. The TV/Radio and
// Number columns may be left out. Anything else is refused with the line and the
// reason. Reading takes one pass and memory in proportion to the rows read.
#pragma once

#include "ChannelDatabase.h"
#include "TextEncoding.h"

#include <string>
#include <string_view>
#include <vector>

namespace vormante {

// Flags of a channel as bits, shared by the list, the import and the reorder.
enum ChannelFlagBits : unsigned {
    FLAG_LOCKED = 1u << 0,
    FLAG_SCRAMBLED = 1u << 1,
    FLAG_FAV1 = 1u << 2,
    FLAG_FAV2 = 1u << 3,
    FLAG_FAV3 = 1u << 4,
    FLAG_FAV4 = 1u << 5,
    FLAG_FAVOURITES = FLAG_FAV1 | FLAG_FAV2 | FLAG_FAV3 | FLAG_FAV4,
    FLAG_ALL = FLAG_LOCKED | FLAG_SCRAMBLED | FLAG_FAVOURITES,
};
unsigned ChannelFlagsOf(ConstChannelRecord channel);
// Sets the flags named by mask to their values in flags; the others keep theirs.
void SetChannelFlags(ChannelRecord channel, unsigned flags, unsigned mask);

// One data row of a list.
struct ListRow {
    int line = 0;          // where the row starts in the text, from 1
    std::string satellite; // UTF-8, informative only
    int position = 0;      // tenths of a degree, East positive
    bool tv = true;        // the TV/Radio column, or the video PID where the list has none
    unsigned frequency = 0;
    bool vertical = false;
    unsigned symbolRate = 0;
    unsigned videoPid = NULL_PID;
    unsigned audioPid = NULL_PID;
    unsigned pcrPid = NULL_PID;
    unsigned teletextPid = NULL_PID;
    unsigned flags = 0;     // ChannelFlagBits
    std::string name;       // UTF-8 as in the list
    std::string latin1Name; // the name as Latin-1 when nameFits
    bool nameFits = false;  // the name is Latin-1 text of at most 11 bytes
};

struct ListReadResult {
    bool ok = false;
    std::vector<ListRow> rows;
    TextEncoding encoding = TextEncoding::Utf8; // how the text was read
    int errorLine = 0;
    std::string error; // "line N: reason" when !ok
};

// A list larger than this is refused: an image holds 3000 channels. Blank rows
// do not count.
inline constexpr std::size_t MAX_LIST_ROWS = 10000;
inline constexpr std::size_t MAX_LIST_BYTES = 8u << 20;

std::string WriteChannelList(const ChannelDatabase& db);
// Takes the list file's bytes as they are.
ListReadResult ReadChannelList(std::string_view bytes);

} // namespace vormante

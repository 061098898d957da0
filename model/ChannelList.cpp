#include "ChannelList.h"

#include "ChainWalk.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <optional>

namespace vormante {

namespace {

enum Column {
    COL_SATELLITE,
    COL_POSITION,
    COL_TYPE,
    COL_NUMBER,
    COL_NAME,
    COL_FREQUENCY,
    COL_POLARIZATION,
    COL_SYMBOL_RATE,
    COL_VIDEO,
    COL_AUDIO,
    COL_PCR,
    COL_TELETEXT,
    COL_LOCK,
    COL_SCRAMBLED,
    COL_FAV1,
    COL_FAV2,
    COL_FAV3,
    COL_FAV4,
    COLUMN_COUNT
};

constexpr std::array<const char*, COLUMN_COUNT> HEADERS = {
    "Satellite",    "Position",    "TV/Radio",  "Number",    "Name",    "Frequency",
    "Polarization", "Symbol rate", "Video PID", "Audio PID", "PCR PID", "Teletext PID",
    "Lock",         "Scrambled",   "Fav 1",     "Fav 2",     "Fav 3",   "Fav 4"};

constexpr std::array<unsigned, 6> FLAG_COLUMN_BITS = {FLAG_LOCKED, FLAG_SCRAMBLED, FLAG_FAV1,
                                                      FLAG_FAV2,   FLAG_FAV3,      FLAG_FAV4};

constexpr unsigned PID_LIMIT = 0x3FFF;    // PID fields are 14 bits wide
constexpr unsigned WORD16_LIMIT = 0xFFFF; // frequency and symbol rate fields
constexpr int POSITION_LIMIT = 2047;      // the position field is 12 bits, signed

// ------------------------------------------------------------------ writing

void AppendField(std::string& out, std::string_view field) {
    const bool quote = field.find_first_of(",;\t\"\r\n") != std::string_view::npos ||
                       (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (const char ch : field) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
}

void AppendRow(std::string& out, const std::array<std::string, COLUMN_COUNT>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendField(out, fields[i]);
    }
    out += "\r\n";
}

void AppendChannel(std::string& out, const ChannelDatabase& db, int satellite, int channel, int number) {
    const ConstSatelliteRecord sat = db.Satellite(satellite);
    const ConstChannelRecord record = db.Channel(channel);
    const int t = record.transponder();
    const bool usable = IsTransponderSlot(t) && db.Transponder(t).isUsed();
    const unsigned flags = ChannelFlagsOf(record);
    std::array<std::string, COLUMN_COUNT> fields;
    fields[COL_SATELLITE] = Latin1ToUtf8(sat.name());
    fields[COL_POSITION] = FormatPosition(sat.position());
    // Literals go in through std::string: GCC 12 warns falsely (-Wrestrict) on assigning them in Release
    // builds.
    fields[COL_TYPE] = std::string(record.videoPid() == NULL_PID ? "Radio" : "TV");
    fields[COL_NUMBER] = std::to_string(number);
    fields[COL_NAME] = Latin1ToUtf8(record.name());
    fields[COL_FREQUENCY] = std::to_string(usable ? db.Transponder(t).frequency() : 0);
    fields[COL_POLARIZATION].assign(1, usable && db.Transponder(t).isVertical() ? 'V' : 'H');
    fields[COL_SYMBOL_RATE] = std::to_string(usable ? db.Transponder(t).symbolRate() : 0);
    fields[COL_VIDEO] = std::to_string(record.videoPid());
    fields[COL_AUDIO] = std::to_string(record.audioPid());
    fields[COL_PCR] = std::to_string(record.pcrPid());
    fields[COL_TELETEXT] = std::to_string(record.teletextPid());
    for (std::size_t i = 0; i < FLAG_COLUMN_BITS.size(); ++i)
        fields[COL_LOCK + i].assign(1, flags & FLAG_COLUMN_BITS[i] ? '1' : '0');
    AppendRow(out, fields);
}

// ------------------------------------------------------------------ reading

struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

struct Failure {
    int line = 0;
    std::string reason;
};

std::string At(int line, const std::string& reason) {
    return std::string("line ") + std::to_string(line) + ": " + reason;
}

// The line of the first byte that breaks UTF-8, or 0 when the text is UTF-8.
int FirstNonUtf8Line(std::string_view text) {
    const std::size_t bad = FirstNonUtf8Offset(text);
    if (bad == text.size())
        return 0;
    int line = 1;
    // LF, CR LF and a lone CR each end a line, as they do for the rows.
    for (std::size_t i = 0; i < bad; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
    return line;
}

// The separator the header row uses most, outside quotes; 0 when it has none.
char DetectSeparator(std::string_view text) {
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char ch : text) {
        if (ch == '"')
            quoted = !quoted;
        else if (!quoted && (ch == '\n' || ch == '\r'))
            break;
        else if (!quoted && ch == ',')
            ++commas;
        else if (!quoted && ch == ';')
            ++semicolons;
        else if (!quoted && ch == '\t')
            ++tabs;
    }
    if (commas == 0 && semicolons == 0 && tabs == 0)
        return 0;
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    return tabs > commas ? '\t' : ',';
}

// Splits the text into records. Quoted fields may hold separators, line ends and doubled quotes.
std::optional<Failure> SplitRecords(std::string_view text, char separator, std::vector<Record>& records) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    int line = 1;
    const auto lineEnd = [&](std::size_t at) { return text[at] == '\r' || text[at] == '\n'; };
    while (i < n) {
        if (records.size() > MAX_LIST_ROWS)
            return Failure{line, std::string("the list has more than ") + std::to_string(MAX_LIST_ROWS) +
                                     " rows; an image holds at most " + std::to_string(CHANNEL_SLOTS) +
                                     " channels"};
        Record record;
        record.line = line;
        for (;;) {
            std::string field;
            if (text[i] == '"') {
                const int openedAt = line;
                ++i;
                for (;;) {
                    if (i >= n)
                        return Failure{openedAt, "a quoted field is not closed"};
                    const char ch = text[i++];
                    if (ch == '"') {
                        if (i < n && text[i] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        break;
                    }
                    if (ch == '\n' || (ch == '\r' && !(i < n && text[i] == '\n')))
                        ++line;
                    field += ch;
                }
                while (i < n && text[i] == ' ')
                    ++i;
                if (i < n && text[i] != separator && !lineEnd(i))
                    return Failure{line, std::string("text follows the closing quote of field ") +
                                             std::to_string(record.fields.size() + 1)};
            } else {
                while (i < n && text[i] != separator && !lineEnd(i))
                    field += text[i++];
            }
            record.fields.push_back(std::move(field));
            if (i < n && text[i] == separator) {
                ++i;
                if (i < n)
                    continue;
                record.fields.emplace_back(); // a separator ending the text leaves an empty last field
            }
            break;
        }
        if (i < n && text[i] == '\r')
            ++i;
        if (i < n && text[i] == '\n')
            ++i;
        ++line;
        records.push_back(std::move(record));
    }
    return std::nullopt;
}

std::string Trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string Lower(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// Header names compare by their letters and digits only: "Fav 1", "fav1" and "FAV-1" are one column.
std::string HeaderKey(std::string_view text) {
    std::string key;
    for (const char ch : text)
        if (std::isalnum(static_cast<unsigned char>(ch)))
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return key;
}

std::optional<unsigned> ParseUnsigned(std::string_view field, unsigned limit) {
    const std::string text = Trimmed(field);
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    unsigned value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(ch - '0');
    }
    if (value > limit)
        return std::nullopt;
    return value;
}

// "19.2E", "5.0W", "0.0W" as written, and also "19.2", "-5" or "13E".
std::optional<int> ParsePositionText(std::string_view field) {
    std::string text = Lower(Trimmed(field));
    int sign = 1;
    if (!text.empty() && (text.back() == 'e' || text.back() == 'w')) {
        sign = text.back() == 'w' ? -1 : 1;
        text.pop_back();
    } else if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        sign = text.front() == '-' ? -1 : 1;
        text.erase(0, 1);
    }
    std::string degrees = text, tenths = "0";
    const std::size_t dot = text.find_first_of(".,");
    if (dot != std::string::npos) {
        degrees = text.substr(0, dot);
        tenths = text.substr(dot + 1);
        if (tenths.size() != 1)
            return std::nullopt;
    }
    const auto whole = ParseUnsigned(degrees, 999);
    const auto fraction = ParseUnsigned(tenths, 9);
    if (!whole || !fraction || degrees.find(' ') != std::string::npos)
        return std::nullopt;
    const int value = static_cast<int>(*whole * 10 + *fraction);
    if (value > POSITION_LIMIT)
        return std::nullopt;
    return sign * value;
}

std::optional<bool> ParseFlag(std::string_view field) {
    const std::string text = Lower(Trimmed(field));
    if (text.empty() || text == "0" || text == "no" || text == "false" || text == "-")
        return false;
    if (text == "1" || text == "yes" || text == "true" || text == "x")
        return true;
    return std::nullopt;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t SHOWN = 40;
    std::string quoted(1, '"');
    quoted.append(text.substr(0, SHOWN));
    quoted.append(text.size() > SHOWN ? "...\"" : "\"");
    return quoted;
}

class RowParser {
public:
    explicit RowParser(const std::array<int, COLUMN_COUNT>& columns) : columns_(columns) {}

    std::optional<Failure> Parse(const Record& record, ListRow& row) const {
        row.line = record.line;
        const auto field = [&](Column column) -> const std::string& {
            return record.fields[static_cast<std::size_t>(columns_[column])];
        };
        const auto fail = [&](Column column, const std::string& expected) {
            return Failure{record.line, std::string(HEADERS[column]) + " " + Quoted(Trimmed(field(column))) +
                                            " is not " + expected};
        };
        row.satellite = field(COL_SATELLITE);
        const auto position = ParsePositionText(field(COL_POSITION));
        if (!position)
            return fail(COL_POSITION, "a satellite position like 19.2E or 5.0W");
        row.position = *position;
        const std::string type = Lower(Trimmed(field(COL_TYPE)));
        if (type != "tv" && type != "radio")
            return fail(COL_TYPE, "TV or Radio");
        row.tv = type == "tv";
        if (!Trimmed(field(COL_NUMBER)).empty() && !ParseUnsigned(field(COL_NUMBER), 99999))
            return fail(COL_NUMBER, "a channel number");
        const auto frequency = ParseUnsigned(field(COL_FREQUENCY), WORD16_LIMIT);
        if (!frequency)
            return fail(COL_FREQUENCY, "a frequency in MHz");
        row.frequency = *frequency;
        const std::string polarization = Lower(Trimmed(field(COL_POLARIZATION)));
        if (polarization != "h" && polarization != "v" && polarization != "horizontal" &&
            polarization != "vertical")
            return fail(COL_POLARIZATION, "H or V");
        row.vertical = polarization[0] == 'v';
        const auto symbolRate = ParseUnsigned(field(COL_SYMBOL_RATE), WORD16_LIMIT);
        if (!symbolRate)
            return fail(COL_SYMBOL_RATE, "a symbol rate in kS/s");
        row.symbolRate = *symbolRate;
        unsigned* const pids[] = {&row.videoPid, &row.audioPid, &row.pcrPid, &row.teletextPid};
        for (int k = 0; k < 4; ++k) {
            const auto column = static_cast<Column>(COL_VIDEO + k);
            const auto pid = ParseUnsigned(field(column), PID_LIMIT);
            if (!pid)
                return fail(column, "a PID from 0 to 16383");
            *pids[k] = *pid;
        }
        row.flags = 0;
        for (std::size_t k = 0; k < FLAG_COLUMN_BITS.size(); ++k) {
            const auto column = static_cast<Column>(COL_LOCK + static_cast<int>(k));
            const auto flag = ParseFlag(field(column));
            if (!flag)
                return fail(column, "1 or 0");
            row.flags |= *flag ? FLAG_COLUMN_BITS[k] : 0u;
        }
        row.name = field(COL_NAME);
        row.nameFits = Utf8ToLatin1(row.name, &row.latin1Name) &&
                       row.latin1Name.size() <= static_cast<std::size_t>(ChannelRecord::NAME_FIELD_SIZE) &&
                       row.latin1Name.find('\0') == std::string::npos;
        if (!row.nameFits)
            row.latin1Name.clear();
        return std::nullopt;
    }

private:
    std::array<int, COLUMN_COUNT> columns_;
};

bool IsEmptyRecord(const Record& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return Trimmed(field).empty(); });
}

} // namespace

unsigned ChannelFlagsOf(ConstChannelRecord channel) {
    return (channel.locked() ? FLAG_LOCKED : 0u) | (channel.scrambled() ? FLAG_SCRAMBLED : 0u) |
           (channel.fav1() ? FLAG_FAV1 : 0u) | (channel.fav2() ? FLAG_FAV2 : 0u) |
           (channel.fav3() ? FLAG_FAV3 : 0u) | (channel.fav4() ? FLAG_FAV4 : 0u);
}

void SetChannelFlags(ChannelRecord channel, unsigned flags, unsigned mask) {
    if (mask & FLAG_LOCKED)
        channel.setLocked(flags & FLAG_LOCKED);
    if (mask & FLAG_SCRAMBLED)
        channel.setScrambled(flags & FLAG_SCRAMBLED);
    if (mask & FLAG_FAV1)
        channel.setFav1(flags & FLAG_FAV1);
    if (mask & FLAG_FAV2)
        channel.setFav2(flags & FLAG_FAV2);
    if (mask & FLAG_FAV3)
        channel.setFav3(flags & FLAG_FAV3);
    if (mask & FLAG_FAV4)
        channel.setFav4(flags & FLAG_FAV4);
}

std::string WriteChannelList(const ChannelDatabase& db) {
    std::string out;
    out.reserve(128 * 1024);
    std::array<std::string, COLUMN_COUNT> header;
    for (std::size_t i = 0; i < header.size(); ++i)
        header[i] = HEADERS[i];
    AppendRow(out, header);
    std::vector<int> radio;
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        radio.clear();
        int tvNumber = 0;
        chains::WalkChannels(db, s, [&](int c) {
            if (db.Channel(c).videoPid() == NULL_PID)
                radio.push_back(c);
            else
                AppendChannel(out, db, s, c, ++tvNumber);
            return true;
        });
        for (std::size_t k = 0; k < radio.size(); ++k)
            AppendChannel(out, db, s, radio[k], static_cast<int>(k) + 1);
    }
    return out;
}

ListReadResult ReadChannelList(std::string_view text) {
    ListReadResult result;
    const auto refuse = [&](int line, const std::string& reason) {
        result.ok = false;
        result.rows.clear();
        result.errorLine = line;
        result.error = At(line, reason);
        return result;
    };
    if (text.size() > MAX_LIST_BYTES)
        return refuse(1,
                      std::string("the list is larger than ") + std::to_string(MAX_LIST_BYTES >> 20) + " MB");
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (const int line = FirstNonUtf8Line(text))
        return refuse(line, "the text is not UTF-8; save the list as UTF-8 text");
    const char separator = DetectSeparator(text);
    if (separator == 0)
        return refuse(1, "not a channel list: the header row has no comma, semicolon or tab");

    std::vector<Record> records;
    if (const auto failure = SplitRecords(text, separator, records))
        return refuse(failure->line, failure->reason);
    if (records.empty())
        return refuse(1, "the list is empty");

    const Record& header = records.front();
    std::array<int, COLUMN_COUNT> columns;
    columns.fill(-1);
    for (int i = 0; i < static_cast<int>(header.fields.size()); ++i) {
        const std::string key = HeaderKey(header.fields[static_cast<std::size_t>(i)]);
        for (std::size_t c = 0; c < COLUMN_COUNT; ++c)
            if (columns[c] == -1 && key == HeaderKey(HEADERS[c]))
                columns[c] = i;
    }
    for (std::size_t c = 0; c < COLUMN_COUNT; ++c)
        if (columns[c] == -1)
            return refuse(header.line, std::string("not a channel list: the header row has no \"") +
                                           HEADERS[c] + "\" column");
    const std::size_t needed =
        static_cast<std::size_t>(*std::max_element(columns.begin(), columns.end())) + 1;

    const RowParser parser(columns);
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        if (IsEmptyRecord(record))
            continue;
        if (record.fields.size() < needed)
            return refuse(record.line, std::to_string(record.fields.size()) +
                                           " fields where the header has " +
                                           std::to_string(header.fields.size()));
        ListRow row;
        if (const auto failure = parser.Parse(record, row))
            return refuse(failure->line, failure->reason);
        result.rows.push_back(std::move(row));
    }
    result.ok = true;
    return result;
}

} // namespace vormante

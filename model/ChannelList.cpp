#include "ChannelList.h"

#include "TextEncoding.h"
#include "Texts.h"

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

// ------------------------------------------------------------------ writing

// A spreadsheet takes a field that starts with =, +, - or @ for a formula and runs
// it. Such a name is written behind an apostrophe, which keeps it text there, and
// the reader takes the apostrophe off again. A name that starts with apostrophes
// before such a character gets one more, so every name reads back as itself.
bool NeedsFormulaGuard(std::string_view text) {
    while (!text.empty() && text.front() == '\'')
        text.remove_prefix(1);
    return !text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos;
}

std::string Guarded(const std::string& text) {
    return NeedsFormulaGuard(text) ? "'" + text : text;
}

std::string Unguarded(const std::string& text) {
    return !text.empty() && text.front() == '\'' && NeedsFormulaGuard(std::string_view(text).substr(1))
               ? text.substr(1)
               : text;
}

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
    fields[COL_SATELLITE] = Guarded(Latin1ToUtf8(sat.name()));
    fields[COL_POSITION] = FormatPosition(sat.position());
    // Literals go in through std::string: GCC 12 warns falsely (-Wrestrict) on assigning them in Release
    // builds.
    fields[COL_TYPE] = std::string(record.videoPid() == NULL_PID ? "Radio" : "TV");
    fields[COL_NUMBER] = std::to_string(number);
    fields[COL_NAME] = Guarded(Latin1ToUtf8(record.name()));
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

// A record of the text: its first MAX_KEPT_FIELDS fields and how many it has.
struct Record {
    int line = 0;
    std::vector<std::string> fields;
    std::size_t fieldCount = 0;
};

struct Failure {
    int line = 0;
    std::string reason;
};

std::string At(int line, const std::string& reason) {
    //: %1 is a line number of the list, %2 what is wrong there
    return FillIn(Tr("ChannelList", "line %1: %2"), {std::to_string(line), reason});
}

// A list has 18 columns and perhaps a few notes; more fields than this are kept
// only while they are empty, so a row of a million separators costs no memory.
constexpr std::size_t MAX_KEPT_FIELDS = 256;

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

bool IsBlank(std::string_view field) {
    return field.find_first_not_of(" \t") == std::string_view::npos;
}

// Reads the text one record at a time, in one pass. Quoted fields may hold
// separators, line ends and doubled quotes; LF, CR LF and a lone CR end a line.
class RecordReader {
public:
    RecordReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    bool atEnd() const { return i_ >= text_.size(); }

    // The next record, blank or not; a failure when the text is malformed there.
    std::optional<Failure> Read(Record& record) {
        record.line = line_;
        record.fields.clear();
        record.fieldCount = 0;
        for (;;) {
            std::string field;
            if (i_ < text_.size() && text_[i_] == '"') {
                if (auto failure = ReadQuoted(field, record.fieldCount + 1))
                    return failure;
            } else {
                const std::size_t end = text_.find_first_of(Stops(), i_);
                field.assign(text_.substr(i_, end == std::string_view::npos ? end : end - i_));
                i_ = end == std::string_view::npos ? text_.size() : end;
            }
            if (auto failure = Keep(record, std::move(field)))
                return failure;
            if (i_ < text_.size() && text_[i_] == separator_) {
                ++i_;
                if (i_ < text_.size())
                    continue;
                if (auto failure = Keep(record, std::string())) // a separator ending the text
                    return failure;
            }
            break;
        }
        if (i_ < text_.size() && text_[i_] == '\r')
            ++i_;
        if (i_ < text_.size() && text_[i_] == '\n')
            ++i_;
        ++line_;
        return std::nullopt;
    }

private:
    std::string_view Stops() const {
        return separator_ == ',' ? ",\r\n" : separator_ == ';' ? ";\r\n" : "\t\r\n";
    }

    std::optional<Failure> ReadQuoted(std::string& field, std::size_t number) {
        const int openedAt = line_;
        ++i_;
        for (;;) {
            const std::size_t quote = text_.find('"', i_);
            if (quote == std::string_view::npos)
                return Failure{openedAt, Tr("ChannelList", "a quoted field is not closed")};
            const std::string_view part = text_.substr(i_, quote - i_);
            for (std::size_t k = 0; k < part.size(); ++k)
                if (part[k] == '\n' || (part[k] == '\r' && !(k + 1 < part.size() && part[k + 1] == '\n')))
                    ++line_;
            field.append(part);
            i_ = quote + 1;
            if (i_ < text_.size() && text_[i_] == '"') {
                field += '"';
                ++i_;
                continue;
            }
            break;
        }
        while (i_ < text_.size() && text_[i_] == ' ')
            ++i_;
        if (i_ < text_.size() && text_[i_] != separator_ && text_[i_] != '\r' && text_[i_] != '\n')
            //: %1 is the field's number in its row
            return Failure{line_, FillIn(Tr("ChannelList", "text follows the closing quote of field %1"),
                                         {std::to_string(number)})};
        return std::nullopt;
    }

    std::optional<Failure> Keep(Record& record, std::string field) {
        ++record.fieldCount;
        if (record.fields.size() < MAX_KEPT_FIELDS) {
            record.fields.push_back(std::move(field));
            return std::nullopt;
        }
        if (IsBlank(field))
            return std::nullopt;
        return Failure{record.line, FillIn(Tr("ChannelList",
                                              "more than %1 fields hold text; a channel list has %2 columns"),
                                           {std::to_string(MAX_KEPT_FIELDS), std::to_string(COLUMN_COUNT)})};
    }

    std::string_view text_;
    char separator_;
    std::size_t i_ = 0;
    int line_ = 1;
};

std::string Trimmed(std::string_view text) {
    return std::string(TrimBlanks(text));
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
        // `text` puts the column's header as %1 and the quoted field as %2.
        const auto fail = [&](Column column, const std::string& text) {
            return Failure{record.line, FillIn(text, {HEADERS[column], Quoted(Trimmed(field(column)))})};
        };
        row.satellite = Unguarded(field(COL_SATELLITE));
        const auto position = ParsePosition(field(COL_POSITION));
        if (!position)
            //: %1 is a column header of the list (not translated), %2 the quoted field
            return fail(COL_POSITION,
                        Tr("ChannelList", "%1 %2 is not a satellite position like 19.2E or 5.0W"));
        row.position = *position;
        // TV/Radio and Number are informative, and a list may leave them out.
        const std::string type = columns_[COL_TYPE] < 0 ? std::string() : Lower(Trimmed(field(COL_TYPE)));
        if (columns_[COL_TYPE] >= 0 && type != "tv" && type != "radio")
            return fail(COL_TYPE, Tr("ChannelList", "%1 %2 is not TV or Radio"));
        if (columns_[COL_NUMBER] >= 0 && !Trimmed(field(COL_NUMBER)).empty() &&
            !ParseUnsigned(field(COL_NUMBER), 99999))
            return fail(COL_NUMBER, Tr("ChannelList", "%1 %2 is not a channel number"));
        const auto frequency = ParseUnsigned(field(COL_FREQUENCY), WORD16_LIMIT);
        if (!frequency)
            return fail(COL_FREQUENCY, Tr("ChannelList", "%1 %2 is not a frequency in MHz"));
        row.frequency = *frequency;
        const std::string polarization = Lower(Trimmed(field(COL_POLARIZATION)));
        if (polarization != "h" && polarization != "v" && polarization != "horizontal" &&
            polarization != "vertical")
            return fail(COL_POLARIZATION, Tr("ChannelList", "%1 %2 is not H or V"));
        row.vertical = polarization[0] == 'v';
        const auto symbolRate = ParseUnsigned(field(COL_SYMBOL_RATE), WORD16_LIMIT);
        if (!symbolRate)
            return fail(COL_SYMBOL_RATE, Tr("ChannelList", "%1 %2 is not a symbol rate in kS/s"));
        row.symbolRate = *symbolRate;
        unsigned* const pids[] = {&row.videoPid, &row.audioPid, &row.pcrPid, &row.teletextPid};
        for (int k = 0; k < 4; ++k) {
            const auto column = static_cast<Column>(COL_VIDEO + k);
            const auto pid = ParseUnsigned(field(column), PID_LIMIT);
            if (!pid)
                return fail(column, Tr("ChannelList", "%1 %2 is not a PID from 0 to 16383"));
            *pids[k] = *pid;
        }
        row.tv = columns_[COL_TYPE] < 0 ? row.videoPid != NULL_PID : type == "tv";
        row.flags = 0;
        for (std::size_t k = 0; k < FLAG_COLUMN_BITS.size(); ++k) {
            const auto column = static_cast<Column>(COL_LOCK + static_cast<int>(k));
            const auto flag = ParseFlag(field(column));
            if (!flag)
                return fail(column, Tr("ChannelList", "%1 %2 is not 1 or 0"));
            row.flags |= *flag ? FLAG_COLUMN_BITS[k] : 0u;
        }
        row.name = Unguarded(field(COL_NAME));
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
                       [](const std::string& field) { return IsBlank(field); });
}

bool IsOptional(std::size_t column) {
    return column == COL_TYPE || column == COL_NUMBER;
}

// Where each known column stands in the header row (-1: absent); a failure when a
// column the list cannot do without is missing.
std::optional<Failure> FindColumns(const Record& header, std::array<int, COLUMN_COUNT>& columns) {
    std::array<std::string, COLUMN_COUNT> keys;
    for (std::size_t c = 0; c < COLUMN_COUNT; ++c)
        keys[c] = HeaderKey(HEADERS[c]);
    columns.fill(-1);
    for (int i = 0; i < static_cast<int>(header.fields.size()); ++i) {
        const std::string key = HeaderKey(header.fields[static_cast<std::size_t>(i)]);
        for (std::size_t c = 0; c < COLUMN_COUNT; ++c)
            if (columns[c] == -1 && key == keys[c])
                columns[c] = i;
    }
    for (std::size_t c = 0; c < COLUMN_COUNT; ++c)
        if (columns[c] == -1 && !IsOptional(c))
            //: %1 is a column header of the list (not translated)
            return Failure{header.line,
                           FillIn(Tr("ChannelList", "not a channel list: the header row has no \"%1\" "
                                                    "column"),
                                  {HEADERS[c]})};
    return std::nullopt;
}

// The rows after the header, up to the end of the text or the first fault.
std::optional<Failure> ReadRows(RecordReader& reader, const Record& header,
                                const std::array<int, COLUMN_COUNT>& columns, std::vector<ListRow>& rows) {
    const std::size_t needed =
        static_cast<std::size_t>(*std::max_element(columns.begin(), columns.end())) + 1;
    const RowParser parser(columns);
    Record record;
    while (!reader.atEnd()) {
        if (auto failure = reader.Read(record))
            return failure;
        // Blank rows are skipped and do not count toward the limit.
        if (IsEmptyRecord(record))
            continue;
        if (rows.size() == MAX_LIST_ROWS)
            return Failure{record.line,
                           FillIn(Tr("ChannelList",
                                     "the list has more than %1 rows; an image holds at most %2 channels"),
                                  {std::to_string(MAX_LIST_ROWS), std::to_string(CHANNEL_SLOTS)})};
        if (record.fields.size() < needed)
            //: %1 is the row's number of fields, %2 the header's
            return Failure{record.line,
                           FillIn(Tr("ChannelList", "%1 fields where the header has %2"),
                                  {std::to_string(record.fieldCount), std::to_string(header.fieldCount)})};
        ListRow row;
        if (auto failure = parser.Parse(record, row))
            return failure;
        rows.push_back(std::move(row));
    }
    return std::nullopt;
}

// Each flag bit with the channel record's getter and setter.
struct FlagField {
    unsigned bit;
    bool (ConstChannelRecord::*get)() const;
    void (ChannelRecord::*set)(bool);
};
constexpr FlagField FLAG_FIELDS[] = {
    {FLAG_LOCKED, &ConstChannelRecord::locked, &ChannelRecord::setLocked},
    {FLAG_SCRAMBLED, &ConstChannelRecord::scrambled, &ChannelRecord::setScrambled},
    {FLAG_FAV1, &ConstChannelRecord::fav1, &ChannelRecord::setFav1},
    {FLAG_FAV2, &ConstChannelRecord::fav2, &ChannelRecord::setFav2},
    {FLAG_FAV3, &ConstChannelRecord::fav3, &ChannelRecord::setFav3},
    {FLAG_FAV4, &ConstChannelRecord::fav4, &ChannelRecord::setFav4},
};

} // namespace

unsigned ChannelFlagsOf(ConstChannelRecord channel) {
    unsigned flags = 0;
    for (const FlagField& field : FLAG_FIELDS)
        flags |= (channel.*field.get)() ? field.bit : 0u;
    return flags;
}

void SetChannelFlags(ChannelRecord channel, unsigned flags, unsigned mask) {
    for (const FlagField& field : FLAG_FIELDS)
        if (mask & field.bit)
            (channel.*field.set)((flags & field.bit) != 0);
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

ListReadResult ReadChannelList(std::string_view bytes) {
    ListReadResult result;
    const auto refuse = [&](int line, const std::string& reason) {
        result.ok = false;
        result.rows.clear();
        result.errorLine = line;
        result.error = At(line, reason);
        return result;
    };
    if (bytes.size() > MAX_LIST_BYTES)
        return refuse(1, FillIn(Tr("ChannelList", "the list is larger than %1 MB"),
                                {std::to_string(MAX_LIST_BYTES >> 20)}));
    const DecodedText decoded = DecodeText(bytes);
    result.encoding = decoded.encoding;
    const std::string_view text = decoded.text;
    const char separator = DetectSeparator(text);
    if (separator == 0)
        return refuse(1,
                      Tr("ChannelList", "not a channel list: the header row has no comma, semicolon or tab"));

    RecordReader reader(text, separator);
    Record header;
    if (const auto failure = reader.Read(header))
        return refuse(failure->line, failure->reason);
    std::array<int, COLUMN_COUNT> columns;
    if (const auto failure = FindColumns(header, columns))
        return refuse(failure->line, failure->reason);
    if (const auto failure = ReadRows(reader, header, columns, result.rows))
        return refuse(failure->line, failure->reason);
    result.ok = true;
    return result;
}

} // namespace vormante

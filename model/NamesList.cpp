#include "NamesList.h"

#include "TextEncoding.h"
#include "Texts.h"

#include "BulkOperations.h"

#include <algorithm>
#include <climits>
#include <cstdio>

namespace vormante {

namespace {

constexpr long NUMBER_LIMIT = 999999999;

std::string At(std::size_t line, const std::string& reason) {
    //: %1 is a line number of the list, %2 what is wrong there
    return FillIn(Tr("NamesList", "line %1: %2"), {std::to_string(line), reason});
}

bool IsControl(unsigned char c) {
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// "a ""b""" as a spreadsheet quotes it: a "b".
std::string Unquoted(std::string_view name) {
    if (name.size() < 2 || name.front() != '"' || name.back() != '"')
        return std::string(name);
    std::string plain;
    name = name.substr(1, name.size() - 2);
    for (std::size_t i = 0; i < name.size(); ++i) {
        plain += name[i];
        if (name[i] == '"' && i + 1 < name.size() && name[i + 1] == '"')
            ++i;
    }
    return plain;
}

// A line that is not blank and no comment: "12;name", "12,name", "12<TAB>name" or a name.
NamesLine ParseLine(std::string_view text, int line) {
    NamesLine parsed;
    parsed.line = line;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    std::size_t at = digits;
    while (at < text.size() && text[at] == ' ')
        ++at;
    if (digits > 0 && at < text.size() && (text[at] == ';' || text[at] == ',' || text[at] == '\t')) {
        parsed.numbered = true;
        for (std::size_t i = 0; i < digits; ++i)
            parsed.number = std::min(NUMBER_LIMIT, parsed.number * 10 + (text[i] - '0'));
        text.remove_prefix(at + 1);
    }
    parsed.name = Unquoted(TrimBlanks(text));
    return parsed;
}

// Numbered lines go by their numbers; an unnumbered line stays after the line before it.
void OrderByNumbers(std::vector<NamesLine>& lines) {
    if (std::none_of(lines.begin(), lines.end(), [](const NamesLine& l) { return l.numbered; }))
        return;
    std::vector<std::pair<long, std::size_t>> keys;
    keys.reserve(lines.size());
    long key = LONG_MIN;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].numbered)
            key = lines[i].number;
        keys.emplace_back(key, i);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<NamesLine> ordered;
    ordered.reserve(lines.size());
    for (const auto& entry : keys)
        ordered.push_back(std::move(lines[entry.second]));
    lines = std::move(ordered);
}

// Latin-1 text for one line of a written list: control characters, which would
// break the line, become blanks.
std::string LineText(const std::string& latin1) {
    std::string text = latin1;
    for (char& c : text)
        if (IsControl(static_cast<unsigned char>(c)) || c == '\t')
            c = ' ';
    return Latin1ToUtf8(text);
}

} // namespace

NamesListResult ReadNamesList(std::string_view bytes) {
    NamesListResult result;
    if (bytes.size() > MAX_NAMES_BYTES) {
        result.error =
            FillIn(Tr("NamesList", "the list is larger than %1 MiB; a list of names for one satellite is "
                                   "far smaller"),
                   {std::to_string(MAX_NAMES_BYTES >> 20)});
        return result;
    }
    const DecodedText decoded = DecodeText(bytes);
    result.encoding = decoded.encoding;
    result.byteOrderMark = decoded.byteOrderMark;
    const std::string_view text = decoded.text;
    const auto fail = [&](std::size_t line, const std::string& reason) {
        result.errorLine = static_cast<int>(line);
        result.error = At(line, reason);
        result.lines.clear();
        return result;
    };
    std::size_t line = 0;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view content = text.substr(begin, end - begin);
        ++line;
        if (line > MAX_NAMES_LINES)
            return fail(
                line,
                FillIn(Tr("NamesList", "the list has more than %1 lines; an image holds at most %2 channels"),
                       {std::to_string(MAX_NAMES_LINES), std::to_string(CHANNEL_SLOTS)}));
        // Control characters first: a binary file is told as such, whatever its line lengths.
        for (const char c : content)
            if (IsControl(static_cast<unsigned char>(c))) {
                char code[8];
                std::snprintf(code, sizeof code, "0x%02X",
                              static_cast<unsigned>(static_cast<unsigned char>(c)));
                //: %1 is the character's code, such as 0x07
                return fail(line, FillIn(Tr("NamesList", "the control character %1 is no part of a list of "
                                                         "names; is this a binary file?"),
                                         {code}));
            }
        if (CharacterCount(content) > MAX_NAMES_LINE_LENGTH)
            return fail(line,
                        FillIn(Tr("NamesList", "the line is longer than %1 characters; a channel name has "
                                               "at most %2"),
                               {std::to_string(MAX_NAMES_LINE_LENGTH),
                                std::to_string(ChannelRecord::NAME_FIELD_SIZE)}));
        const std::string_view trimmed = TrimBlanks(content);
        if (!trimmed.empty() && trimmed.front() != '#')
            result.lines.push_back(ParseLine(trimmed, static_cast<int>(line)));
        // LF, CR LF and a lone CR each end a line.
        begin = end + 1;
        if (end < text.size() && text[end] == '\r' && begin < text.size() && text[begin] == '\n')
            ++begin;
    }
    OrderByNumbers(result.lines);
    result.ok = true;
    return result;
}

std::string WriteNamesList(const ChannelDatabase& db, int satellite, bool tv) {
    std::string out;
    if (!IsSatelliteSlot(satellite))
        return out;
    const ConstSatelliteRecord sat = db.Satellite(satellite);
    out += "# " + LineText(sat.name()) + " (" + FormatPosition(sat.position()) + "), " +
           (tv ? "TV" : "radio") + " channels in their order\n";
    int number = 0;
    for (const int channel : ChannelsOfKind(db, satellite, tv)) {
        std::string name = LineText(db.Channel(channel).name());
        // A name that starts with a quote is quoted, so reading does not take its quotes away.
        if (!name.empty() && name.front() == '"') {
            std::string quoted = "\"";
            for (const char c : name)
                quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
            name = quoted + "\"";
        }
        out += std::to_string(++number) + ";" + name + "\n";
    }
    return out;
}

} // namespace vormante

// Helpers for the channel list tests: images loaded from bytes, and lists
// taken apart into lines and comma-separated fields and put back together.
#pragma once

#include "TestSupport.h"

#include "model/ChannelDatabase.h"
#include "model/ConsistencyCheck.h"

#include <memory>
#include <string>
#include <vector>

namespace listtest {

using namespace vormante;

// Columns of the written list.
enum Col {
    SATELLITE,
    POSITION,
    TYPE,
    NUMBER,
    NAME,
    FREQUENCY,
    POLARIZATION,
    SYMBOL_RATE,
    VIDEO,
    AUDIO,
    PCR,
    TELETEXT,
    LOCK,
    SCRAMBLED,
    FAV1,
    FAV2,
    FAV3,
    FAV4
};

inline std::unique_ptr<ChannelDatabase> Loaded(const std::vector<std::uint8_t>& bytes) {
    auto db = std::make_unique<ChannelDatabase>();
    if (!testsupport::LoadInto(*db, bytes))
        qFatal("image refused");
    return db;
}

inline std::vector<std::uint8_t> BytesOf(const ChannelDatabase& db) {
    return {db.workingCopy().begin(), db.workingCopy().end()};
}

inline std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        if (end == std::string::npos)
            return parts;
        begin = end + separator.size();
    }
}

// The rows of a written list without its header; the names used in tests hold no commas or quotes.
inline std::vector<std::vector<std::string>> DataRows(const std::string& list) {
    std::vector<std::vector<std::string>> rows;
    auto lines = Split(list, "\r\n");
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!lines[i].empty())
            rows.push_back(Split(lines[i], ","));
    return rows;
}

inline std::string Joined(const std::vector<std::vector<std::string>>& rows, const std::string& header,
                          const std::string& separator = ",", const std::string& lineEnd = "\r\n") {
    std::string text = header + lineEnd;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i ? separator : "") + row[i];
        text += lineEnd;
    }
    return text;
}

inline std::string HeaderOf(const std::string& list) {
    return list.substr(0, list.find("\r\n"));
}

inline bool Consistent(const ChannelDatabase& db) {
    return CheckConsistency(db).empty();
}

} // namespace listtest

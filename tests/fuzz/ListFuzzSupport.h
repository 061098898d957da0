// What the fuzz targets of the text readers share: lines counted as the readers count them, to
// check that a refusal names one of them, and the demo image to apply an accepted text to.
#pragma once

#include "model/ChannelDatabase.h"
#include "model/SampleImages.h"

#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// LF, CR LF and a lone CR each end a line; a text without any is one line.
inline int CountLines(std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        lines += text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
    return lines;
}

// A refusal of a list names a line inside the text, in its line number and at the start of its message.
inline bool NamesALineOf(std::string_view text, int errorLine, const std::string& error) {
    return errorLine >= 1 && errorLine <= CountLines(text) && error.rfind("line ", 0) == 0;
}

// The demo image, loaded afresh into one database kept from input to input.
inline vormante::ChannelDatabase& FreshDemoDatabase() {
    static const std::vector<std::uint8_t> demo = vormante::BuildDemoImage();
    static vormante::ChannelDatabase db;
    if (!db.Load(demo).ok)
        std::abort();
    db.BuildRecordPointers();
    return db;
}

// Texts the model hands to the user (check problems, file errors, list and
// import messages, diff lines) pass through Tr, so a program with a translation
// catalogue can install a translator while the model stays free of it. Without
// one, Tr returns the English source unchanged.
//
// Every shown text is written literally as Tr("Context", "English text"), so
// that the extraction tool finds it; tables of texts mark each entry with
// VORMANTE_TEXT and are translated where they are shown. Numbers and names go
// into one sentence through FillIn's %1..%9, never by gluing pieces together.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vormante {

// Returns the translation of `source` (UTF-8) in `context`; both are the
// literal texts of a Tr call or a VORMANTE_TEXT mark.
using TextTranslator = std::string (*)(const char* context, const char* source);

// Installs the process-wide translator; nullptr removes it. Safe to call while
// other threads translate.
void SetTextTranslator(TextTranslator translator);

std::string Tr(const char* context, const char* source);

// A text marked in a table and translated where it is shown.
struct MarkedText {
    const char* context;
    const char* source;
};
#define VORMANTE_TEXT(context, source)                                                                       \
    ::vormante::MarkedText {                                                                                 \
        context, source                                                                                      \
    }

std::string TrMarked(const MarkedText& text);

// Puts values[n - 1] in the place of every %n (n from 1 to 9) of `text`, in one
// pass, so a value that holds "%2" is left as it is. A %n without a value and a
// % before anything else stay as written.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace vormante

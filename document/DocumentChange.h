// What one step of the document, its undo or its redo touched: the records whose
// bytes changed, found from the byte ranges the step keeps. The views take from it
// which rows to bring up to date; a list whose records all stay as they were keeps
// its rows, its selection and its place.
#pragma once

#include "model/ImageDelta.h"

#include <QMetaType>

#include <vector>

namespace vormante {

struct DocumentChange {
    enum class Cause { Step, Undo, Redo };

    Cause cause = Cause::Step;
    // Slots whose record bytes changed, ascending, each once. A transponder also
    // counts as touched when its in-use mark changed.
    std::vector<int> satellites;
    std::vector<int> transponders;
    std::vector<int> channels;
    bool settings = false; // the settings block: the lists, the LNB types, the current satellite
    bool other = false;    // bytes outside every record (the sectors' headers, gaps)

    bool empty() const;
    bool TouchesSatellite(int slot) const;
    bool TouchesTransponder(int slot) const;
    bool TouchesChannel(int slot) const;

    // The records the ranges of a step lie in.
    static DocumentChange Of(const ImageDelta& delta, Cause cause);
};

} // namespace vormante

Q_DECLARE_METATYPE(vormante::DocumentChange)

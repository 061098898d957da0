#pragma once

#include "model/ChannelDatabase.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace vormante {

class Document;

// What the archive window does to the open image: open an archived image in its
// place, or restore one into it as an edit that Undo takes back. The window picks
// the entry and reads it; these commands make the change.
class ArchiveCommands {
public:
    // confirmLeave asks about the open image's unsaved changes before Open replaces
    // it; true to go ahead. Without one, Open goes ahead.
    ArchiveCommands(vormante::Document& document, std::function<bool()> confirmLeave);

    // Opens the image unnamed, so Save asks for a name and nothing in the archive or
    // elsewhere is overwritten. False when the user kept the open image or the image
    // did not load; the load's error in *error.
    bool OpenImage(const QByteArray& image, QString* error);

    // One step named stepName that makes the open image the archived one; false when
    // the two are already the same, and nothing is recorded.
    bool RestoreImage(const QString& stepName, const QByteArray& image);

private:
    vormante::Document& document_;
    std::function<bool()> confirmLeave_;
};

} // namespace vormante

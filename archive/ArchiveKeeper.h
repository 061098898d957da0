// Keeping images in the user's archive on their way through the editor and the
// tools. Keeping never stands in the way: a transfer or a save goes on whatever
// the archive does. What goes wrong is told once through the reporter (the
// editor's status line, the command line's standard error) until the archive
// works again; every entry the bound removes is told as well.
#pragma once

#include "ImageArchive.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace vormante::archiving {

using Reporter = std::function<void(const QString& text)>;
// Where the archive's words go; by default to standard error.
void SetReporter(Reporter reporter);

// Keeps a whole image; false when it could not be kept (and that was reported).
bool Keep(ArchiveKind kind, const QByteArray& image, const QString& file, const QString& port);
// Keeps the content of the file at path before a save replaces it, when it is a whole
// image; anything else (no file, another size) is not an image and is left to the backup.
void KeepFileBeforeSaving(const QString& path);

// "2026-12-09 18:30:05", local time: how the window and the step names show an entry's time.
QString ShownTime(const ArchiveEntry& entry);
// "port /dev/ttyUSB0", "demo.bin": where an entry came from or went to.
QString ShownPlace(const ArchiveEntry& entry);
// "the image received on 2026-12-09 18:30:05 from /dev/ttyUSB0"
QString Describe(const ArchiveEntry& entry);
// What the bound removed, in one sentence; empty for none.
QString DroppedText(const QList<ArchiveEntry>& dropped, int limit);

} // namespace vormante::archiving

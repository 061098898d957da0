// The one way to files for the Qt side of the program (the editor, the transfer
// window, the archive, the list commands): the model's reader (ReadFileBytes),
// writer (WriteFileSafely) and backup rule (WriteBackupOf), with results as the
// model gives them. A path from Qt is encoded here, and only here, the way the
// system's calls expect it (QFile::encodeName); the result's texts come back
// with Text.
#pragma once

#include "model/ImageFile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vormante::files {

inline std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// A text of a result (its reason or message) for showing.
inline QString Text(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

inline std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// At most maxBytes + 1 bytes, so that a caller can tell a file that is too long.
inline FileReadResult Read(const QString& path, std::size_t maxBytes) {
    return ReadFileBytes(NativePath(path), maxBytes);
}

inline QByteArray ToByteArray(const FileReadResult& read) {
    return QByteArray(reinterpret_cast<const char*>(read.bytes.data()),
                      static_cast<qsizetype>(read.bytes.size()));
}

inline FileWriteResult Write(const QString& path, std::span<const std::uint8_t> bytes) {
    return WriteFileSafely(NativePath(path), bytes);
}

inline FileWriteResult BackUp(const QString& path, std::span<const std::uint8_t> whenMissing = {}) {
    return WriteBackupOf(NativePath(path), whenMissing);
}

} // namespace vormante::files

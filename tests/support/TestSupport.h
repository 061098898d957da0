// Helpers shared by the test executables.
#pragma once

#include "document/Document.h"
#include "model/ChannelDatabase.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace vormante::testsupport {

// Deterministic random bytes, so a failing case can be run again.
std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed);

// An image in which every slot is free: the empty, consistent starting point.
std::vector<std::uint8_t> EmptyImage();

// Loads bytes into the database and builds its record pointers; fails the test on refusal.
bool LoadInto(vormante::ChannelDatabase& db, const std::vector<std::uint8_t>& bytes);
// Opens bytes in the document (its history empty, its pages told); false on refusal.
bool LoadInto(vormante::Document& document, const std::vector<std::uint8_t>& bytes,
              const QString& path = QStringLiteral("test.bin"));
// Changes the document's image as one step, as a command of the editor would.
void Edit(vormante::Document& document, const std::function<void(vormante::ChannelDatabase&)>& change);

QByteArray ToByteArray(const std::vector<std::uint8_t>& bytes);

// The whole content of a file; empty when it cannot be read.
QByteArray ReadFile(const QString& path);
// Writes bytes as the whole content of a file; false when that fails.
bool WriteFile(const QString& path, const QByteArray& bytes);
// Writes a file the test cannot go on without (stops the test run when that fails); returns path.
QString WriteFileOrDie(const QString& path, const QByteArray& bytes);
// The rows of a test run on both sample images (model/SampleImages.h): the column "full",
// false for the demo image and true for the full one.
void AddSampleImageRows();

// Writes the demo image (model/SampleImages.h) to a file; false when that fails.
bool WriteDemoImage(const QString& path);

} // namespace vormante::testsupport

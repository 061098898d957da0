// Helpers shared by the test executables.
#pragma once

#include "model/ChannelDatabase.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <random>
#include <vector>

namespace testsupport {

// Deterministic random bytes, so a failing case can be run again.
std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed);

// An image in which every slot is free: the empty, consistent starting point.
std::vector<std::uint8_t> EmptyImage();

// Loads bytes into the database and builds its record pointers; fails the test on refusal.
bool LoadInto(vormante::ChannelDatabase& db, const std::vector<std::uint8_t>& bytes);

QByteArray ToByteArray(const std::vector<std::uint8_t>& bytes);

// The whole content of a file; empty when it cannot be read.
QByteArray ReadFile(const QString& path);

} // namespace testsupport

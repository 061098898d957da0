// Figures of the archive: keeping one image in an archive of 500, the Archive
// window's list over 500 images, and the check after sending's receive, paced.
#pragma once

#include "Measure.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace vormante {

namespace bench {

// Adds archive_write_ms and archive_list_ms; the archive is made in workDir.
void RunArchiveBench(const std::vector<std::uint8_t>& image, const QString& workDir, int runs,
                     Report& report);

// Adds check_receive_ratio: `vormante-cli send --verify` against a paced simulator that
// takes the image and gives it back; the receive of the check, from the handshake answered
// to the command's end, over the line time. The tools are looked for in toolDir.
void RunCheckBench(const QString& toolDir, const QString& image, const QString& workDir, int runs,
                   Report& report);

} // namespace bench

} // namespace vormante

// Reading and writing transponder lists in the satellites.xml format:
//
//   <satellites>
//     <sat name="19.2E Astra 1N/1P" flags="1" position="192">
//       <transponder frequency="11494000" symbol_rate="22000000" polarization="0" system="0" .../>
//     </sat>
//   </satellites>
//
// The reader streams the file (no tree of the whole document) and takes any
// encoding its XML declaration names that Qt can decode. Comments, unknown
// elements and unknown attributes are passed over. A file that is not
// well-formed XML, has another root element, ends early, declares entities (no
// entity is ever expanded or fetched) or is larger than the limit is refused
// with the line and the reason. A satellite or transponder whose values cannot
// be taken is skipped and kept as a problem with its line and reason.
#pragma once

#include "model/SatelliteFile.h"

#include <QByteArray>

#include <cstddef>
#include <string>

namespace vormante {

// Real lists hold a few hundred satellites and a few thousand transponders in
// well under a megabyte; anything much larger is refused, a file too large
// before it is read.
inline constexpr std::size_t MAX_SATELLITES_XML_BYTES = 16u * 1024u * 1024u;
inline constexpr int MAX_FILE_SATELLITES = 1000;
inline constexpr int MAX_FILE_TRANSPONDERS = 50000;

struct SatellitesXmlRead {
    bool ok = false;
    int errorLine = 0;  // the line of the refusal, 0 when it concerns the whole file
    std::string error;  // the reason, "line 3: ..." when it has a line
    SatelliteFile file; // when ok
};

SatellitesXmlRead ReadSatellitesXml(const QByteArray& bytes);
// Refuses a file larger than MAX_SATELLITES_XML_BYTES by its size, before reading it,
// and anything that is not a regular file.
SatellitesXmlRead ReadSatellitesXmlFile(const std::string& path);

// UTF-8, one element per line, attributes in the usual order: name, flags="1",
// position; frequency, symbol_rate, polarization, fec_inner="0", system,
// modulation="1".
QByteArray WriteSatellitesXml(const SatelliteFile& file);

} // namespace vormante

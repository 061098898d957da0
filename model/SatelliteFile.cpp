#include "SatelliteFile.h"

#include "ChainWalk.h"
#include "TextEncoding.h"

namespace vormante {

SatelliteFile SatelliteFileOf(const ChannelDatabase& db) {
    SatelliteFile file;
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        const ConstSatelliteRecord record = db.Satellite(s);
        if (!record.isUsed())
            continue;
        FileSatellite satellite;
        satellite.name = Latin1ToUtf8(record.name());
        satellite.position = record.position();
        chains::WalkTransponders(db, s, [&](int t) {
            const ConstTransponderRecord transponder = db.Transponder(t);
            FileTransponder entry;
            entry.frequency = std::int64_t(transponder.frequency()) * 1000;
            entry.symbolRate = std::int64_t(transponder.symbolRate()) * 1000;
            entry.polarization = transponder.isVertical() ? FILE_VERTICAL : FILE_HORIZONTAL;
            satellite.transponders.push_back(entry);
            return true;
        });
        file.satellites.push_back(std::move(satellite));
    }
    return file;
}

} // namespace vormante

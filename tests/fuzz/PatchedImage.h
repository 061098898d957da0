// A small sound image and the patches a fuzz input makes to it. Short inputs
// then reach deep into chains and counts, which 204800 bytes of raw input rarely do.
#pragma once

#include "ModelTestImages.h"

#include <span>
#include <vector>

namespace modeltest {

// Six satellites (one deleted again), 25 transponders, about 110 channels of both
// kinds spread over them, a few released slots in between.
inline std::vector<std::uint8_t> SmallSoundImage() {
    ChannelDatabase db;
    db.Load(std::vector<std::uint8_t>(IMAGE_SIZE, 0));
    db.BuildRecordPointers();
    for (int s = 0; s < 6; ++s)
        AddSatelliteWithTransponders(db, 5, "Sat" + std::to_string(s));
    for (int c = 0; c < 120; ++c)
        StoreChannel(db, (c * 7) % 30, "Ch" + std::to_string(c), c % 3 != 0, c % 5 == 0);
    DeleteSatellite(db, 2);
    for (int n : {9, 4, 1})
        DeleteChannel(db, FindChannel(db, 0, -1, true, n), 0);
    RenumberChannels(db, 0);
    db.Settings().setCurrentSatellite(1);
    return {db.workingCopy().begin(), db.workingCopy().end()};
}

// Input: a patch count, that many 3-byte patches (where, which byte, value), then the
// operation script. Patches land in the satellite table, the first transponders, the
// first channels, the two bookkeeping bytes of the settings, or anywhere.
inline std::span<const std::uint8_t> ApplyPatches(std::vector<std::uint8_t>& image,
                                                  std::span<const std::uint8_t> input) {
    std::size_t at = 0;
    const auto next = [&]() -> unsigned { return at < input.size() ? input[at++] : 0u; };
    const unsigned count = next() % 33;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned a = next(), b = next(), value = next();
        const unsigned index = b | (a >> 3) << 8; // 13 bits
        std::size_t offset = 0;
        switch (a % 5) {
        case 0:
            offset = layout::SatelliteOffset(0) + index % (8 * layout::SATELLITE_RECORD_SIZE);
            break;
        case 1:
            offset = layout::TransponderOffset(0) + index % (32 * layout::TRANSPONDER_RECORD_SIZE);
            break;
        case 2:
            offset = layout::ChannelOffset(static_cast<int>(index / 48 % 128)) + index % 48;
            break;
        case 3:
            offset = layout::SETTINGS_BLOCK + ((index & 1) ? 31 : 50);
            break;
        default:
            offset = (std::size_t(index) * 25 + value) % IMAGE_SIZE;
            break;
        }
        image[offset] = static_cast<std::uint8_t>(value);
    }
    return input.subspan(std::min(at, input.size()));
}

} // namespace modeltest

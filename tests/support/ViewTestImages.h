// Small images for the page tests, built with the record operations the way the
// editor itself builds them: a satellite with TV and radio channels mixed on two
// transponders, one with radio channels only, one with no channels and one with
// fifty TV channels.
#pragma once

#include "TestSupport.h"
#include "model/ChannelDatabase.h"
#include "model/RecordOperations.h"

#include <string>
#include <vector>

namespace vormante::viewtest {

inline constexpr int MIXED_SATELLITE = 0;
inline constexpr int RADIO_SATELLITE = 1;
inline constexpr int EMPTY_SATELLITE = 2;
inline constexpr int BIG_SATELLITE = 3;
inline constexpr int MIXED_TV = 6;
inline constexpr int MIXED_RADIO = 4;
inline constexpr int RADIO_ONLY_RADIO = 2;
inline constexpr int BIG_TV = 50;

struct TestChannel {
    const char* name;
    bool tv;
    int transponder; // index into the satellite's transponders
    bool scrambled;
};

inline int AddTestTransponder(vormante::ChannelDatabase& db, int satellite, unsigned frequency,
                              unsigned symbolRate, bool vertical) {
    const int t = vormante::AddTransponder(db, satellite);
    vormante::TransponderRecord record = db.Transponder(t);
    record.setFrequency(frequency);
    record.setSymbolRate(symbolRate);
    record.setPolarization(vertical ? 1 : 0);
    return t;
}

inline int AddTestChannel(vormante::ChannelDatabase& db, int transponder, const std::string& name, bool tv,
                          bool scrambled, unsigned pidBase) {
    const int c = vormante::AddChannel(db, transponder);
    vormante::ChannelRecord record = db.Channel(c);
    record.setName(name);
    record.setVideoPid(tv ? pidBase : vormante::NULL_PID);
    record.setAudioPid(pidBase + 1);
    record.setPcrPid(tv ? pidBase : pidBase + 1);
    record.setTeletextPid(vormante::NULL_PID);
    record.setScrambled(scrambled);
    record.setSpareShort(0);
    record.setExtraPid(0);
    record.setTransponder(static_cast<std::uint16_t>(transponder));
    db.Satellite(static_cast<int>(db.Transponder(transponder).satellite())).setChannelFlag(true);
    return c;
}

inline int AddTestSatellite(vormante::ChannelDatabase& db, const char* name) {
    const int s = vormante::AllocateSatellite(db);
    db.Satellite(s).setName(name);
    return s;
}

// The image with the four satellites described above; currentSatellite names the mixed one.
inline std::vector<std::uint8_t> TwoSatelliteImage() {
    vormante::ChannelDatabase db;
    testsupport::LoadInto(db, testsupport::EmptyImage());

    const int mixed = AddTestSatellite(db, "Mixed Sat");
    const int tps[2] = {AddTestTransponder(db, mixed, 11000, 27500, true),
                        AddTestTransponder(db, mixed, 10700, 22000, false)};
    const TestChannel mixedChannels[] = {
        {"Alpha", true, 0, true},   {"Radio1", false, 0, false}, {"bravo", true, 1, false},
        {"Charlie", true, 0, true}, {"Radio2", false, 1, false}, {"delta", true, 1, false},
        {"Radio3", false, 0, true}, {"Echo", true, 0, false},    {"Radio4", false, 1, false},
        {"Zulu", true, 1, false},
    };
    unsigned pid = 100;
    for (const TestChannel& c : mixedChannels)
        AddTestChannel(db, tps[c.transponder], c.name, c.tv, c.scrambled, pid += 10);
    vormante::RenumberChannels(db, mixed);

    const int radio = AddTestSatellite(db, "Radio Sat");
    const int radioTp = AddTestTransponder(db, radio, 12000, 27500, false);
    AddTestChannel(db, radioTp, "Wave", false, false, 300);
    AddTestChannel(db, radioTp, "Jazz", false, false, 310);
    vormante::RenumberChannels(db, radio);

    const int empty = AddTestSatellite(db, "Empty Sat");
    AddTestTransponder(db, empty, 11500, 30000, true);

    const int big = AddTestSatellite(db, "Big Sat");
    const int bigTp = AddTestTransponder(db, big, 11700, 27500, true);
    for (int i = 1; i <= BIG_TV; ++i)
        AddTestChannel(db, bigTp, "TV " + std::to_string(i), true, false, 1000 + 4 * unsigned(i));
    vormante::RenumberChannels(db, big);

    db.Settings().setCurrentSatellite(static_cast<unsigned>(mixed));
    return std::vector<std::uint8_t>(db.workingCopy().begin(), db.workingCopy().end());
}

} // namespace vormante::viewtest

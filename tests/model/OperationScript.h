// Runs record operations chosen and parameterised by a string of bytes. The
// randomized tests feed it random bytes, the fuzz target the fuzzer's input.
// In Editor mode every call is one the editor could make (used satellites, slots
// taken from the chains, renumbering after every change), so a consistent image
// must stay consistent. In Any mode parameters are raw numbers, edge values
// included, as a damaged image or a careless caller could produce them.
#pragma once

#include "ModelTestImages.h"
#include "model/ChannelDatabase.h"
#include "model/ConsistencyCheck.h"
#include "model/RecordOperations.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <vector>

namespace modeltest {

using namespace vormante;

class ByteScript {
public:
    explicit ByteScript(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return position_ >= bytes_.size(); }
    unsigned Byte() { return AtEnd() ? 0u : bytes_[position_++]; }
    unsigned Short() { return Byte() | Byte() << 8; }
    // 0..n-1; 0 when n is not positive.
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Short() % static_cast<unsigned>(n)); }
    bool Flag() { return (Byte() & 1) != 0; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

enum class ParameterMode { Editor, Any };

class OperationScript {
public:
    static constexpr int OPERATION_COUNT = 16;

    OperationScript(ChannelDatabase& db, ByteScript& script, ParameterMode mode)
        : db_(db), script_(script), mode_(mode) {}

    // Runs one operation picked by the script; returns its index.
    int RunOne() {
        const int op = static_cast<int>(script_.Byte() % OPERATION_COUNT);
        Run(op);
        return op;
    }

    void Run(int op) {
        switch (op) {
        case 0:
            if (AllocateSatellite(db_) == SATELLITES_FULL)
                ++full_;
            break;
        case 1:
            DeleteSatellite(db_, Satellite());
            break;
        case 2: {
            const int t = AddTransponder(db_, Satellite());
            if (IsTransponderSlot(t))
                db_.Transponder(t).setFrequency(10700 + static_cast<unsigned>(script_.Below(2000)));
            break;
        }
        case 3:
        case 7: {
            // A transponder with its channels, or only its channels, goes; the rest is renumbered.
            const int s = Satellite();
            if (op == 3)
                DeleteTransponder(db_, Transponder(s));
            else
                DeleteChannelsOfTransponder(db_, Transponder(s));
            RenumberChannels(db_, s);
            break;
        }
        case 4:
        case 5:
            StoreNewChannel();
            break;
        case 6: {
            const int s = Satellite();
            const bool tv = script_.Flag();
            DeleteChannel(db_, Channel(s, tv), s);
            RenumberChannels(db_, s);
            break;
        }
        case 8:
            SortChannels(db_, Satellite(), static_cast<SortKind>(script_.Below(6)));
            break;
        case 9:
        case 10: {
            const int s = Satellite();
            const bool tv = script_.Flag();
            const int count = Number(s, tv);
            MoveChannelToNumber(db_, s, Number(s, tv, count), Number(s, tv, count), tv);
            break;
        }
        case 11: {
            // The channel dialog edits a channel's video PID, which can turn it from TV to radio.
            const int s = Satellite();
            const int c = Channel(s, script_.Flag());
            if (IsChannelSlot(c))
                db_.Channel(c).setVideoPid(
                    script_.Flag() ? NULL_PID : 0x100 + static_cast<unsigned>(script_.Below(100)));
            RenumberChannels(db_, s);
            break;
        }
        case 12:
            ClearSatelliteChannels(db_, Satellite());
            break;
        case 13:
            RenumberChannels(db_, Satellite());
            break;
        case 14:
            Lookups();
            break;
        default: {
            const int s = Satellite();
            if (mode_ == ParameterMode::Any)
                MoveChannel(db_, s, AnySlot(CHANNEL_SLOTS), AnySlot(CHANNEL_SLOTS), script_.Flag());
            else
                db_.Settings().setCurrentSatellite(static_cast<unsigned>(s));
            break;
        }
        }
    }

    int fullTables() const { return full_; }

private:
    // A raw slot number: edge values or anything in and around the table.
    int AnySlot(int tableSize) {
        static constexpr int EDGES[] = {-1,   -2,   0,      1,     99,      100,    255,  499,
                                        500,  1749, 1750,   1999,  2000,    2047,   2999, 3000,
                                        4095, 8191, 0xFFFF, -8192, INT_MIN, INT_MAX};
        const unsigned pick = script_.Byte();
        if (pick < 48)
            return EDGES[pick % std::size(EDGES)];
        return script_.Below(tableSize + 2) - 1;
    }

    int Satellite() {
        if (mode_ == ParameterMode::Any)
            return AnySlot(SATELLITE_SLOTS);
        int used = 0;
        for (int s = 0; s < SATELLITE_SLOTS; ++s)
            used += db_.Satellite(s).isUsed() ? 1 : 0;
        return used == 0 ? NO_LINK : SatelliteSlotByOrdinal(db_, 1 + script_.Below(used));
    }

    int Transponder(int satellite) {
        if (mode_ == ParameterMode::Any)
            return AnySlot(TRANSPONDER_SLOTS);
        if (!IsSatelliteSlot(satellite))
            return NO_LINK;
        return TransponderByOrdinal(db_, satellite,
                                    script_.Below(int(db_.Satellite(satellite).transponderCount())));
    }

    int Channel(int satellite, bool tv) {
        if (mode_ == ParameterMode::Any)
            return AnySlot(CHANNEL_SLOTS);
        const int count = Number(satellite, tv);
        return count == 0 ? NO_LINK : FindChannel(db_, satellite, -1, tv, 1 + script_.Below(count));
    }

    // In Editor mode: the number of channels of the type, and with `count` a number 1..count.
    int Number(int satellite, bool tv, int count = -1) {
        if (mode_ == ParameterMode::Any)
            return AnySlot(CHANNEL_SLOTS);
        if (count < 0) // the ordinal of a slot that is on no chain is the count of the type
            return IsSatelliteSlot(satellite) ? ChannelOrdinal(db_, satellite, -1, tv, CHANNEL_SLOTS) : 0;
        return count == 0 ? 0 : 1 + script_.Below(count);
    }

    void StoreNewChannel() {
        int s = Satellite();
        int t = Transponder(s);
        if (mode_ == ParameterMode::Editor) {
            // The channel dialog offers every transponder of every satellite.
            const int start = script_.Below(TRANSPONDER_SLOTS);
            for (int i = 0; i < TRANSPONDER_SLOTS; ++i) {
                const int candidate = (start + i) % TRANSPONDER_SLOTS;
                if (db_.Transponder(candidate).isUsed()) {
                    t = candidate;
                    s = static_cast<int>(db_.Transponder(candidate).satellite());
                    break;
                }
            }
        }
        const bool tv = script_.Flag();
        const bool tableFull = FindFreeChannelSlot(db_) == NO_LINK;
        const int c = AddChannel(db_, t);
        if (c == NO_LINK) {
            full_ += tableFull ? 1 : 0;
            return;
        }
        if (mode_ == ParameterMode::Editor) {
            ChannelRecord channel = db_.Channel(c);
            channel.setTransponder(static_cast<std::uint16_t>(t));
            channel.setVideoPid(tv ? 0x100 : NULL_PID);
            channel.setScrambled(script_.Flag());
            channel.setName(std::string(1, char('A' + script_.Below(26))) + std::to_string(c));
            channel.setSpareShort(0);
            channel.setExtraPid(0);
            db_.Settings().setCurrentSatellite(static_cast<unsigned>(s));
        }
        RenumberChannels(db_, s);
    }

    void Lookups() {
        const int s = Satellite();
        const bool tv = script_.Flag();
        const int t = mode_ == ParameterMode::Any ? AnySlot(TRANSPONDER_SLOTS) : NO_LINK;
        const int n = mode_ == ParameterMode::Any ? AnySlot(CHANNEL_SLOTS) : 1 + script_.Below(20);
        sink_ += FindChannel(db_, s, t, tv, n);
        sink_ += ChannelOrdinal(db_, s, t, tv, Channel(s, tv));
        sink_ += ChannelAtNumber(db_, s, n, tv);
        sink_ += CountChannelsOnTransponder(db_, Transponder(s), tv);
        sink_ += CountChannelsOnCurrentSatellite(db_, tv);
        sink_ += TransponderOrdinal(db_, s, Transponder(s));
        sink_ += TransponderByOrdinal(db_, s, n);
        sink_ += SatelliteSlotByOrdinal(db_, n);
        sink_ += SatelliteOrdinalOfSlot(db_, s);
        sink_ += FindFreeChannelSlot(db_);
    }

    ChannelDatabase& db_;
    ByteScript& script_;
    ParameterMode mode_;
    int full_ = 0;
    long long sink_ = 0; // keeps the lookups from being optimised away
};

// Where a fuzz input without bytes beyond the image finds its operation script:
// the spare stretch at the end of the image, which no operation reads or writes.
inline constexpr std::size_t SCRIPT_AREA = 199308;

struct ImageRunResult {
    bool wasSound = false; // the image passed the check before the operations
    ParameterMode mode = ParameterMode::Any;
    std::vector<ConsistencyProblem> after; // the check after the operations, for a sound image
};

// Checks the image, runs every operation once and then up to `maxOperations` more
// as the script says, and checks it again if it was sound. A sound image is worked
// on in Editor mode, so that it must stay sound; others in either mode.
inline ImageRunResult RunImage(ChannelDatabase& db, std::span<const std::uint8_t> image,
                               std::span<const std::uint8_t> scriptBytes, int maxOperations = 24) {
    db.Reset(false);
    db.Load(image);
    db.BuildRecordPointers();

    ImageRunResult result;
    result.wasSound = CheckConsistency(db).empty();
    ByteScript script(scriptBytes);
    const bool anyParameters = (script.Byte() & 1) != 0;
    result.mode = result.wasSound || !anyParameters ? ParameterMode::Editor : ParameterMode::Any;
    OperationScript runner(db, script, result.mode);
    for (int op = 0; op < OperationScript::OPERATION_COUNT; ++op)
        runner.Run(op);
    for (int i = 0; i < maxOperations && !script.AtEnd(); ++i)
        runner.RunOne();
    // Only a sound image has to stay sound; checking the others again tells nothing new.
    if (result.wasSound)
        result.after = CheckConsistency(db);
    return result;
}

// Arbitrary bytes as an image, cut or padded with zeros to the image size. The
// script is whatever follows the image in `input`, or else the image's spare tail.
inline ImageRunResult RunImageInput(ChannelDatabase& db, std::span<const std::uint8_t> input) {
    std::vector<std::uint8_t> image(IMAGE_SIZE, 0);
    std::copy_n(input.begin(), std::min(input.size(), IMAGE_SIZE), image.begin());
    const std::vector<std::uint8_t> scriptBytes =
        input.size() > IMAGE_SIZE ? std::vector<std::uint8_t>(input.begin() + IMAGE_SIZE, input.end())
                                  : std::vector<std::uint8_t>(image.begin() + SCRIPT_AREA, image.end());
    return RunImage(db, image, scriptBytes);
}

} // namespace modeltest

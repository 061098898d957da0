// The open database: the image as last read or written (loadedCopy) and the
// image being edited (workingCopy). A change is a byte difference between the two.
#pragma once

#include "ImageLayout.h"
#include "Records.h"
#include "SystemSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace vormante {

struct LoadResult {
    bool ok = false;
    std::string error; // a reason to show the user when !ok
};

// Receives the whole image in one call and reports whether every byte was written.
using ImageSink = std::function<bool(std::span<const std::uint8_t>)>;

class ChannelDatabase {
public:
    // Record kinds of RecordAddress.
    enum RecordKind {
        KIND_SATELLITE = 0,
        KIND_MARK = 1,
        KIND_SETTINGS = 2,
        KIND_TRANSPONDER = 3,
        KIND_CHANNEL = 5
    };

    ChannelDatabase();
    ChannelDatabase(const ChannelDatabase&) = delete;
    ChannelDatabase& operator=(const ChannelDatabase&) = delete;

    void Reset(bool loadedFlag) { loaded_ = loadedFlag; }
    // Takes the bytes of an image file. Anything but exactly IMAGE_SIZE bytes is
    // refused and leaves both copies as they were.
    LoadResult Load(std::span<const std::uint8_t> bytes);
    bool IsChanged() const;
    bool WriteLoaded(const ImageSink& sink);
    bool WriteWorking(const ImageSink& sink);
    void Commit();
    void BuildRecordPointers();
    static std::uint8_t* RecordAddress(int kind, std::uint8_t* base, int index);

    bool loaded() const { return loaded_; }
    bool pointersBuilt() const { return settingsPointer_ != nullptr; }
    const DatabaseImage& loadedCopy() const { return loadedCopy_; }
    DatabaseImage& workingCopy() { return workingCopy_; }
    const DatabaseImage& workingCopy() const { return workingCopy_; }

    // Record views into the working copy: writable from a database the caller may
    // change, read-only from a const one. A slot outside its table throws
    // std::out_of_range: callers range-check every slot taken from the image.
    SatelliteRecord Satellite(int slot);
    ConstSatelliteRecord Satellite(int slot) const;
    TransponderRecord Transponder(int slot);
    ConstTransponderRecord Transponder(int slot) const;
    ChannelRecord Channel(int slot);
    ConstChannelRecord Channel(int slot) const;
    std::uint8_t& TransponderMark(int slot);
    std::uint8_t TransponderMark(int slot) const;
    SystemSettingsBlock Settings();
    ConstSystemSettingsBlock Settings() const;

    // The pointers BuildRecordPointers set; null until then.
    const std::uint8_t* SettingsPointer() const { return settingsPointer_; }
    const std::uint8_t* SatellitePointer() const { return satellitePointer_; }
    const std::uint8_t* MarkPointer() const { return markPointer_; }
    const std::uint8_t* TransponderPointer() const { return transponderPointer_; }
    const std::uint8_t* ChannelPointer(int slot) const;

private:
    bool loaded_ = false;
    DatabaseImage loadedCopy_{};
    DatabaseImage workingCopy_{};
    std::uint8_t* settingsPointer_ = nullptr;
    std::uint8_t* satellitePointer_ = nullptr;
    std::uint8_t* markPointer_ = nullptr;
    std::uint8_t* transponderPointer_ = nullptr;
    std::array<std::uint8_t*, CHANNEL_SLOTS> channelPointers_{};
};

} // namespace vormante

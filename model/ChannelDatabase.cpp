#include "ChannelDatabase.h"

#include "Texts.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vormante {

ChannelDatabase::ChannelDatabase() = default;

LoadResult ChannelDatabase::Load(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != IMAGE_SIZE) {
        //: %1 is the file's size in bytes, %2 the size of every image
        return {false,
                FillIn(Tr("ChannelDatabase", "The file holds %1 bytes, but a receiver database image holds "
                                             "exactly %2 bytes. It is not an image and was not opened."),
                       {std::to_string(bytes.size()), std::to_string(IMAGE_SIZE)})};
    }
    std::copy(bytes.begin(), bytes.end(), loadedCopy_.begin());
    workingCopy_ = loadedCopy_;
    loaded_ = true;
    return {true, {}};
}

bool ChannelDatabase::IsChanged() const {
    return std::memcmp(workingCopy_.data(), loadedCopy_.data(), IMAGE_SIZE) != 0;
}

bool ChannelDatabase::WriteLoaded(const ImageSink& sink) {
    loaded_ = true;
    return sink(std::span<const std::uint8_t>(loadedCopy_));
}

bool ChannelDatabase::WriteWorking(const ImageSink& sink) {
    loaded_ = true;
    return sink(std::span<const std::uint8_t>(workingCopy_));
}

void ChannelDatabase::Commit() {
    loadedCopy_ = workingCopy_;
}

std::uint8_t* ChannelDatabase::RecordAddress(int kind, std::uint8_t* base, int index) {
    // Transponder and channel addresses are relative to sector 1.
    constexpr std::size_t SECTOR1 = layout::SECTOR_OFFSETS[1];
    switch (kind) {
    case KIND_SATELLITE:
        return base + layout::SatelliteOffset(index);
    case KIND_MARK:
        return base + layout::TransponderMarkOffset(index);
    case KIND_SETTINGS:
        return base + layout::SETTINGS_BLOCK;
    case KIND_TRANSPONDER:
        return base + (layout::TransponderOffset(index) - SECTOR1);
    case KIND_CHANNEL:
        if (!IsChannelSlot(index))
            return base;
        return base + (layout::ChannelOffset(index) - SECTOR1);
    default:
        return base;
    }
}

void ChannelDatabase::BuildRecordPointers() {
    if (!loaded_)
        return;
    std::uint8_t* image = workingCopy_.data();
    std::uint8_t* sector1 = image + layout::SECTOR_OFFSETS[1];
    satellitePointer_ = RecordAddress(KIND_SATELLITE, image, 0);
    markPointer_ = RecordAddress(KIND_MARK, image, 0);
    settingsPointer_ = RecordAddress(KIND_SETTINGS, image, 0);
    transponderPointer_ = RecordAddress(KIND_TRANSPONDER, sector1, 0);
    for (int c = 0; c < CHANNEL_SLOTS; ++c)
        channelPointers_[static_cast<std::size_t>(c)] = RecordAddress(KIND_CHANNEL, sector1, c);
}

const std::uint8_t* ChannelDatabase::ChannelPointer(int slot) const {
    return IsChannelSlot(slot) ? channelPointers_[static_cast<std::size_t>(slot)] : nullptr;
}

namespace {
template <typename Check> int Checked(int slot, Check isSlot, const char* table) {
    if (!isSlot(slot))
        throw std::out_of_range(std::string(table) + " slot " + std::to_string(slot));
    return slot;
}

// Where a table's records lie in the image, and its name in an error.
struct Table {
    bool (*isSlot)(int);
    std::size_t (*offset)(int);
    const char* name;
};
constexpr Table SATELLITES{IsSatelliteSlot, layout::SatelliteOffset, "satellite"};
constexpr Table TRANSPONDERS{IsTransponderSlot, layout::TransponderOffset, "transponder"};
constexpr Table CHANNELS{IsChannelSlot, layout::ChannelOffset, "channel"};

// The view on a slot's record; a slot outside the table throws std::out_of_range.
template <class Record, class Byte> Record RecordAt(Byte* image, const Table& table, int slot) {
    return Record(image + table.offset(Checked(slot, table.isSlot, table.name)));
}
} // namespace

SatelliteRecord ChannelDatabase::Satellite(int slot) {
    return RecordAt<SatelliteRecord>(workingCopy_.data(), SATELLITES, slot);
}

TransponderRecord ChannelDatabase::Transponder(int slot) {
    return RecordAt<TransponderRecord>(workingCopy_.data(), TRANSPONDERS, slot);
}

ChannelRecord ChannelDatabase::Channel(int slot) {
    return RecordAt<ChannelRecord>(workingCopy_.data(), CHANNELS, slot);
}

ConstSatelliteRecord ChannelDatabase::Satellite(int slot) const {
    return RecordAt<ConstSatelliteRecord>(workingCopy_.data(), SATELLITES, slot);
}

ConstTransponderRecord ChannelDatabase::Transponder(int slot) const {
    return RecordAt<ConstTransponderRecord>(workingCopy_.data(), TRANSPONDERS, slot);
}

ConstChannelRecord ChannelDatabase::Channel(int slot) const {
    return RecordAt<ConstChannelRecord>(workingCopy_.data(), CHANNELS, slot);
}

std::uint8_t& ChannelDatabase::TransponderMark(int slot) {
    return workingCopy_[layout::TransponderMarkOffset(Checked(slot, IsTransponderSlot, "transponder"))];
}

std::uint8_t ChannelDatabase::TransponderMark(int slot) const {
    return workingCopy_[layout::TransponderMarkOffset(Checked(slot, IsTransponderSlot, "transponder"))];
}

SystemSettingsBlock ChannelDatabase::Settings() {
    return SystemSettingsBlock(workingCopy_.data() + layout::SETTINGS_BLOCK);
}

ConstSystemSettingsBlock ChannelDatabase::Settings() const {
    return ConstSystemSettingsBlock(workingCopy_.data() + layout::SETTINGS_BLOCK);
}

} // namespace vormante

// Byte layout of the receiver's database image: where every table lies and
// the helpers that read and write bit fields of little-endian 32-bit words.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vormante {

inline constexpr std::size_t IMAGE_SIZE = 204800;
using DatabaseImage = std::array<std::uint8_t, IMAGE_SIZE>;

inline constexpr int SATELLITE_SLOTS = 100;
inline constexpr int TRANSPONDER_SLOTS = 2000;
inline constexpr int CHANNEL_SLOTS = 3000;
inline constexpr int LNB_TYPES = 8;

// A link field holding all ones reads as -1 after sign extension.
inline constexpr int NO_LINK = -1;
// A PID of 0x1FFF means "no PID"; a channel without a video PID is a radio channel.
inline constexpr std::uint32_t NULL_PID = 0x1FFF;

inline constexpr bool IsSatelliteSlot(int s) {
    return s >= 0 && s < SATELLITE_SLOTS;
}
inline constexpr bool IsTransponderSlot(int t) {
    return t >= 0 && t < TRANSPONDER_SLOTS;
}
inline constexpr bool IsChannelSlot(int c) {
    return c >= 0 && c < CHANNEL_SLOTS;
}

namespace layout {

// Four sectors, each opening with an opaque 44-byte header that is never touched.
inline constexpr std::size_t SECTOR_COUNT = 4;
inline constexpr std::array<std::size_t, SECTOR_COUNT> SECTOR_OFFSETS = {0, 8192, 73728, 139264};
inline constexpr std::array<std::size_t, SECTOR_COUNT> SECTOR_SIZES = {8192, 65536, 65536, 65536};
inline constexpr std::size_t SECTOR_HEADER_SIZE = 44;

inline constexpr std::size_t SATELLITE_TABLE = 44;
inline constexpr std::size_t SATELLITE_RECORD_SIZE = 36;
inline constexpr std::size_t TRANSPONDER_MARK_TABLE = 3664;
inline constexpr std::size_t SETTINGS_BLOCK = 5684;
inline constexpr std::size_t SETTINGS_BLOCK_SIZE = 8192 - SETTINGS_BLOCK; // 2508, to the end of sector 0
inline constexpr std::size_t TRANSPONDER_TABLE = 8236;
inline constexpr std::size_t TRANSPONDER_RECORD_SIZE = 16;
inline constexpr std::size_t CHANNEL_RECORD_SIZE = 48;

// Channel slots are numbered 0..2999 across three runs in sectors 1, 2 and 3.
inline constexpr std::size_t CHANNEL_RUN_COUNT = 3;
inline constexpr std::array<int, CHANNEL_RUN_COUNT> CHANNEL_RUN_FIRST_SLOT = {0, 500, 1750};
inline constexpr std::array<int, CHANNEL_RUN_COUNT> CHANNEL_RUN_SLOTS = {500, 1250, 1250};
inline constexpr std::array<std::size_t, CHANNEL_RUN_COUNT> CHANNEL_RUN_OFFSETS = {40256, 73772, 139308};

constexpr std::size_t SatelliteOffset(int slot) {
    return SATELLITE_TABLE + SATELLITE_RECORD_SIZE * slot;
}
constexpr std::size_t TransponderMarkOffset(int slot) {
    return TRANSPONDER_MARK_TABLE + slot;
}
constexpr std::size_t TransponderOffset(int slot) {
    return TRANSPONDER_TABLE + TRANSPONDER_RECORD_SIZE * slot;
}
constexpr std::size_t ChannelOffset(int slot) {
    std::size_t run = slot < CHANNEL_RUN_FIRST_SLOT[1] ? 0 : slot < CHANNEL_RUN_FIRST_SLOT[2] ? 1 : 2;
    return CHANNEL_RUN_OFFSETS[run] + CHANNEL_RECORD_SIZE * (slot - CHANNEL_RUN_FIRST_SLOT[run]);
}

static_assert(SECTOR_OFFSETS[3] + SECTOR_SIZES[3] == IMAGE_SIZE);
static_assert(SatelliteOffset(SATELLITE_SLOTS) <= TRANSPONDER_MARK_TABLE);
static_assert(TransponderOffset(TRANSPONDER_SLOTS) <= CHANNEL_RUN_OFFSETS[0]);
static_assert(ChannelOffset(499) == 64208 && ChannelOffset(500) == 73772);
static_assert(ChannelOffset(1749) == 133724 && ChannelOffset(1750) == 139308);
static_assert(ChannelOffset(2999) + CHANNEL_RECORD_SIZE <= IMAGE_SIZE);

// The parts of the image as runs of equal records (a sector header and the settings
// block are one record each); the bytes outside them are unused. The diff counts its
// differing bytes by part, the send check names the place of a byte by them.
enum class PartKind { SectorHeader, Satellite, TransponderMark, Settings, Transponder, Channel };
struct ImagePart {
    PartKind kind;
    std::size_t begin;
    std::size_t recordSize;
    int records;
    int firstRecord; // the number of the first record: a channel run's first slot, a sector's index
    constexpr std::size_t end() const { return begin + recordSize * static_cast<std::size_t>(records); }
};
inline constexpr std::array<ImagePart, 4 + CHANNEL_RUN_COUNT + SECTOR_COUNT> IMAGE_PARTS = {{
    {PartKind::Satellite, SATELLITE_TABLE, SATELLITE_RECORD_SIZE, SATELLITE_SLOTS, 0},
    {PartKind::TransponderMark, TRANSPONDER_MARK_TABLE, 1, TRANSPONDER_SLOTS, 0},
    {PartKind::Settings, SETTINGS_BLOCK, SETTINGS_BLOCK_SIZE, 1, 0},
    {PartKind::Transponder, TRANSPONDER_TABLE, TRANSPONDER_RECORD_SIZE, TRANSPONDER_SLOTS, 0},
    {PartKind::Channel, CHANNEL_RUN_OFFSETS[0], CHANNEL_RECORD_SIZE, CHANNEL_RUN_SLOTS[0],
     CHANNEL_RUN_FIRST_SLOT[0]},
    {PartKind::Channel, CHANNEL_RUN_OFFSETS[1], CHANNEL_RECORD_SIZE, CHANNEL_RUN_SLOTS[1],
     CHANNEL_RUN_FIRST_SLOT[1]},
    {PartKind::Channel, CHANNEL_RUN_OFFSETS[2], CHANNEL_RECORD_SIZE, CHANNEL_RUN_SLOTS[2],
     CHANNEL_RUN_FIRST_SLOT[2]},
    {PartKind::SectorHeader, SECTOR_OFFSETS[0], SECTOR_HEADER_SIZE, 1, 0},
    {PartKind::SectorHeader, SECTOR_OFFSETS[1], SECTOR_HEADER_SIZE, 1, 1},
    {PartKind::SectorHeader, SECTOR_OFFSETS[2], SECTOR_HEADER_SIZE, 1, 2},
    {PartKind::SectorHeader, SECTOR_OFFSETS[3], SECTOR_HEADER_SIZE, 1, 3},
}};

// Where a byte lies: its part and the number of its record there, or no part for an
// unused byte or one past the image.
struct ImagePlace {
    const ImagePart* part = nullptr;
    int record = -1;
};
constexpr ImagePlace PlaceOf(std::size_t offset) {
    for (const ImagePart& part : IMAGE_PARTS)
        if (offset >= part.begin && offset < part.end())
            return {&part, part.firstRecord + static_cast<int>((offset - part.begin) / part.recordSize)};
    return {};
}
static_assert(PlaceOf(ChannelOffset(500)).record == 500 && PlaceOf(SECTOR_OFFSETS[2]).record == 2);

} // namespace layout

namespace bits {

inline std::uint32_t LoadWord(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

inline void StoreWord(std::uint8_t* p, std::uint32_t w) {
    p[0] = std::uint8_t(w);
    p[1] = std::uint8_t(w >> 8);
    p[2] = std::uint8_t(w >> 16);
    p[3] = std::uint8_t(w >> 24);
}

constexpr std::uint32_t Mask(int width) {
    return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u;
}

inline std::uint32_t Get(const std::uint8_t* word, int bit, int width) {
    return (LoadWord(word) >> bit) & Mask(width);
}

// Read, mask, merge, write: only the field's bits change; wider values are cut to the field.
inline void Set(std::uint8_t* word, int bit, int width, std::uint32_t value) {
    const std::uint32_t mask = Mask(width) << bit;
    StoreWord(word, (LoadWord(word) & ~mask) | ((value << bit) & mask));
}

// Link fields are two's-complement numbers of the field's width.
inline int GetSigned(const std::uint8_t* word, int bit, int width) {
    const std::uint32_t raw = Get(word, bit, width);
    const std::uint32_t sign = 1u << (width - 1);
    return static_cast<int>(raw ^ sign) - static_cast<int>(sign);
}

inline std::uint16_t LoadShort(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

inline void StoreShort(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}

} // namespace bits

} // namespace vormante

// The receiver-wide settings block at image offset 5684 and its LNB table,
// with the texts that stand for each stored value.
#pragma once

#include "Records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vormante {

// One word per LNB type ("Type1".."Type8").
template <bool W> class BasicLnbSlot : public BasicRecordView<W> {
    using Base = BasicRecordView<W>;
    using Base::field;
    using Base::link;
    using Base::setField;
    using Base::setLink;
    using Base::setShortAt;
    using Base::setText;
    using Base::shortAt;
    using Base::text;

public:
    using Base::data;
    explicit BasicLnbSlot(typename Base::Byte* bytes) : Base(bytes) {}
    // A writable record converts to a read-only one.
    BasicLnbSlot(const BasicLnbSlot<true>& other) requires(!W) : Base(other.data()) {}

    unsigned lowBandIndex() const { return field(0, 0, 5); }
    void setLowBandIndex(unsigned v) requires W { setField(0, 0, 5, v); }
    unsigned highBandIndex() const { return field(0, 5, 5); }
    void setHighBandIndex(unsigned v) requires W { setField(0, 5, 5, v); }
    bool diseqcOn() const { return field(0, 10, 1) != 0; }
    void setDiseqcOn(bool v) requires W { setField(0, 10, 1, v); }
    unsigned diseqcPort() const { return field(0, 11, 3); }
    void setDiseqcPort(unsigned v) requires W { setField(0, 11, 3, v); }
    unsigned polarityControl() const { return field(0, 14, 3); }
    void setPolarityControl(unsigned v) requires W { setField(0, 14, 3, v); }
    unsigned bandControl() const { return field(0, 17, 3); }
    void setBandControl(unsigned v) requires W { setField(0, 17, 3, v); }
    unsigned tone22k() const { return field(0, 20, 2); }
    void setTone22k(unsigned v) requires W { setField(0, 20, 2, v); }
    unsigned switch12V() const { return field(0, 22, 2); }
    void setSwitch12V(unsigned v) requires W { setField(0, 22, 2, v); }
    bool lnbPower() const { return field(0, 24, 1) != 0; }
    void setLnbPower(bool v) requires W { setField(0, 24, 1, v); }

    // The DiSEqC list shows "None", "Port 1".."Port 4", "Port A", "Port B":
    // the item is diseqcPort + diseqcOn. Item 0 clears both, item k sets port k - 1.
    unsigned diseqcItem() const { return diseqcPort() + (diseqcOn() ? 1u : 0u); }
    void setDiseqcItem(unsigned item) requires W;
};
using LnbSlot = BasicLnbSlot<true>;
using ConstLnbSlot = BasicLnbSlot<false>;

template <bool W> class BasicSystemSettingsBlock : public BasicRecordView<W> {
    using Base = BasicRecordView<W>;
    using Base::field;
    using Base::link;
    using Base::setField;
    using Base::setLink;
    using Base::setShortAt;
    using Base::setText;
    using Base::shortAt;
    using Base::text;

public:
    using Base::data;
    static constexpr std::size_t SIZE = layout::SETTINGS_BLOCK_SIZE;
    static constexpr int CURRENT_SATELLITE_BYTE = 31;
    static constexpr int SATELLITE_COUNT_BYTE = 50;
    static constexpr int LNB_FREQUENCIES_BYTE = 60;
    static constexpr int LNB_SLOTS_BYTE = 132;
    static constexpr int PIN_CODE_BYTE = 164;
    static constexpr int EXPLICIT_FREQUENCY_TYPES = 4;

    explicit BasicSystemSettingsBlock(typename Base::Byte* bytes) : Base(bytes) {}
    // A writable record converts to a read-only one.
    BasicSystemSettingsBlock(const BasicSystemSettingsBlock<true>& other) requires(!W) : Base(other.data()) {}

    unsigned standby() const { return field(0, 1, 1); }
    void setStandby(unsigned v) requires W { setField(0, 1, 1, v); }
    unsigned aspectRatio() const { return field(0, 2, 1); }
    void setAspectRatio(unsigned v) requires W { setField(0, 2, 1, v); }
    unsigned menuLanguage() const { return field(0, 3, 3); }
    void setMenuLanguage(unsigned v) requires W { setField(0, 3, 3, v); }
    unsigned rfChannel() const { return field(0, 8, 7); }
    void setRfChannel(unsigned v) requires W { setField(0, 8, 7, v); }
    unsigned soundSystem() const { return field(0, 15, 3); }
    void setSoundSystem(unsigned v) requires W { setField(0, 15, 3, v); }
    unsigned colorSystem() const { return field(0, 18, 3); }
    void setColorSystem(unsigned v) requires W { setField(0, 18, 3, v); }
    unsigned lockReceiver() const { return field(0, 21, 1); }
    void setLockReceiver(unsigned v) requires W { setField(0, 21, 1, v); }
    unsigned lockMenu() const { return field(0, 22, 1); }
    void setLockMenu(unsigned v) requires W { setField(0, 22, 1, v); }
    // Stored as list position + 1: 1 "ALWAYS", 2 "2 Sec" .. 7 "7 Sec".
    unsigned delayTime() const { return field(0, 23, 3); }
    void setDelayTime(unsigned v) requires W { setField(0, 23, 3, v); }

    unsigned timeZone() const { return field(1, 11, 13); }
    void setTimeZone(unsigned v) requires W { setField(1, 11, 13, v); }
    unsigned gmtUsage() const { return field(1, 24, 1); }
    void setGmtUsage(unsigned v) requires W { setField(1, 24, 1, v); }
    unsigned summerTime() const { return field(1, 25, 1); }
    void setSummerTime(unsigned v) requires W { setField(1, 25, 1, v); }
    unsigned timeOffset() const { return field(1, 26, 6); }
    void setTimeOffset(unsigned v) requires W { setField(1, 26, 6, v); }

    unsigned currentSatellite() const { return data()[CURRENT_SATELLITE_BYTE]; }
    void setCurrentSatellite(unsigned v) requires W { data()[CURRENT_SATELLITE_BYTE] = std::uint8_t(v); }
    unsigned satelliteCount() const { return data()[SATELLITE_COUNT_BYTE]; }
    void setSatelliteCount(unsigned v) requires W { data()[SATELLITE_COUNT_BYTE] = std::uint8_t(v); }
    unsigned transparency() const { return data()[51]; }
    unsigned volumeLeft() const { return data()[52]; }
    unsigned volumeRight() const { return data()[53]; }

    // Explicit oscillator frequencies of Type 1..Type 4 (index 0..3), in kHz as stored.
    std::uint32_t lnbLowFrequency(int type) const;
    void setLnbLowFrequency(int type, std::uint32_t kHz) requires W;
    std::uint32_t lnbHighFrequency(int type) const;
    void setLnbHighFrequency(int type, std::uint32_t kHz) requires W;

    // LNB type index 0..7 (a satellite's 3-bit lnbType always is one); others throw std::out_of_range.
    BasicLnbSlot<W> lnbSlot(int type) const;

    // The receiver's PIN, NUL-terminated; bounded by the end of the block.
    std::string pinCode() const { return text(PIN_CODE_BYTE, static_cast<int>(SIZE) - PIN_CODE_BYTE); }

private:
    typename Base::Byte* frequencyWord(int type, int band) const;
};
using SystemSettingsBlock = BasicSystemSettingsBlock<true>;
using ConstSystemSettingsBlock = BasicSystemSettingsBlock<false>;

// Fixed oscillator frequencies in MHz that Type 5..Type 8 pick by index.
inline constexpr std::array<std::uint16_t, 8> LNB_FREQUENCY_TABLE = {5150,  9750,  10000, 10600,
                                                                     10750, 11250, 11300, 11475};

struct LnbFrequencies {
    std::optional<unsigned> lowMHz;
    std::optional<unsigned> highMHz;
};

// Low and high oscillator frequency of an LNB type in MHz: the explicit pair for
// Type 1..4, the table entries for Type 5..8. An index past the table has no value.
LnbFrequencies LnbFrequenciesOf(ConstSystemSettingsBlock settings, int type);
// Stores MHz x 1000 as the explicit pair of Type 1..4.
void SetExplicitLnbFrequencies(SystemSettingsBlock& settings, int type, unsigned lowMHz, unsigned highMHz);

// Texts of the stored values, in index order.
namespace texts {
inline constexpr std::array<const char*, 6> MENU_LANGUAGES = {"English", "French", "Spanish",
                                                              "German",  "Greek",  "Portuguese"};
extern const std::array<const char*, 54> TIME_ZONES;
inline constexpr std::array<const char*, 2> OFF_ON = {"Off", "On"};
inline constexpr std::array<const char*, 2> ASPECT = {"4:3", "16:9"};
inline constexpr std::array<const char*, 7> DELAY_TIME = {"ALWAYS", "2 Sec", "3 Sec", "4 Sec",
                                                          "5 Sec",  "6 Sec", "7 Sec"};
inline constexpr std::array<const char*, 3> COLOR_SYSTEM = {"Auto", "PAL", "NTSC"};
inline constexpr std::array<const char*, 4> SOUND_SYSTEM = {"M", "B/G", "I", "D/K"};
inline constexpr std::array<const char*, 2> LOCK = {"Free", "Locked"};
inline constexpr std::array<const char*, 2> STANDBY = {"No", "Yes"};
inline constexpr std::array<const char*, 3> TONE22K = {"OFF", "ON", "Auto"};
inline constexpr std::array<const char*, 7> DISEQC = {"None",   "Port 1", "Port 2", "Port 3",
                                                      "Port 4", "Port A", "Port B"};
inline constexpr std::array<const char*, 5> CONTROL_MODE = {"None", "DiSEqC", "0/12V", "0/22KHz", "13/18V"};

// "Type1".."Type8" in the LNB dialog and list; "Type 1".."Type 8" for satellites.
std::string LnbTypeName(int type);
std::string SatelliteLnbTypeName(int type);

// The text at index, or an empty text when the index names no entry.
template <std::size_t N> const char* At(const std::array<const char*, N>& list, long long index) {
    return index >= 0 && static_cast<unsigned long long>(index) < N ? list[static_cast<std::size_t>(index)]
                                                                    : "";
}
} // namespace texts

} // namespace vormante

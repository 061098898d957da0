// Named access to the satellite, transponder and channel records of an image.
// A record object is a view on bytes inside a DatabaseImage; it never owns them.
// Getters are const; setters change only their field's bits.
#pragma once

#include "ImageLayout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace vormante {

// Reads and writes a NUL-padded text field of a record.
std::string ReadRecordText(const std::uint8_t* field, int maxLength);
void WriteRecordText(std::uint8_t* field, int width, std::string_view value);

// A view on a record's bytes. Writable views (W true) have setters; read-only views,
// which a const ChannelDatabase hands out, have only getters, so the compiler finds
// every place that would write through them.
template <bool W> class BasicRecordView {
public:
    using Byte = std::conditional_t<W, std::uint8_t, const std::uint8_t>;
    Byte* data() const { return bytes_; }

protected:
    explicit BasicRecordView(Byte* bytes) : bytes_(bytes) {}

    std::uint32_t field(int word, int bit, int width) const {
        return bits::Get(bytes_ + 4 * word, bit, width);
    }
    int link(int word, int bit, int width) const { return bits::GetSigned(bytes_ + 4 * word, bit, width); }
    void setField(int word, int bit, int width, std::uint32_t value) requires W {
        bits::Set(bytes_ + 4 * word, bit, width, value);
    }
    void setLink(int word, int bit, int width, int value) requires W {
        setField(word, bit, width, static_cast<std::uint32_t>(value));
    }
    std::uint16_t shortAt(int byte) const { return bits::LoadShort(bytes_ + byte); }
    void setShortAt(int byte, std::uint16_t value) requires W { bits::StoreShort(bytes_ + byte, value); }

    // Text of at most maxLength bytes, ending at the first NUL.
    std::string text(int byte, int maxLength) const { return ReadRecordText(bytes_ + byte, maxLength); }
    // Copies at most width bytes of the text and fills the rest of the width with zeros.
    void setText(int byte, int width, std::string_view value) requires W {
        WriteRecordText(bytes_ + byte, width, value);
    }

private:
    Byte* bytes_;
};

template <bool W> class BasicSatelliteRecord : public BasicRecordView<W> {
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
    static constexpr std::size_t SIZE = layout::SATELLITE_RECORD_SIZE;
    static constexpr int NAME_FIELD_SIZE = 16;
    static constexpr int NAME_MAX_CHARS = 15;
    // `state` values: 0 free, 3 in use, 1 in use and holding channels.
    static constexpr unsigned STATE_FREE = 0, STATE_HAS_CHANNELS = 1, STATE_IN_USE = 3;
    static constexpr std::uint8_t SLOT_MARK = 90;

    explicit BasicSatelliteRecord(typename Base::Byte* bytes) : Base(bytes) {}
    // A writable record converts to a read-only one.
    BasicSatelliteRecord(const BasicSatelliteRecord<true>& other) requires(!W) : Base(other.data()) {}

    unsigned channelCount() const { return field(0, 0, 13); }
    void setChannelCount(unsigned v) requires W { setField(0, 0, 13, v); }
    unsigned transponderCount() const { return field(0, 13, 11); }
    void setTransponderCount(unsigned v) requires W { setField(0, 13, 11, v); }
    unsigned state() const { return field(0, 30, 2); }
    void setState(unsigned v) requires W { setField(0, 30, 2, v); }
    bool isUsed() const { return state() != STATE_FREE; }

    int firstChannel() const { return link(1, 0, 14); }
    void setFirstChannel(int v) requires W { setLink(1, 0, 14, v); }
    int lastChannel() const { return link(1, 14, 14); }
    void setLastChannel(int v) requires W { setLink(1, 14, 14, v); }
    unsigned lnbType() const { return field(1, 28, 3); }
    void setLnbType(unsigned v) requires W { setField(1, 28, 3, v); }
    bool channelFlag() const { return field(1, 31, 1) != 0; }
    void setChannelFlag(bool v) requires W { setField(1, 31, 1, v); }

    int firstTransponder() const { return link(2, 0, 12); }
    void setFirstTransponder(int v) requires W { setLink(2, 0, 12, v); }
    int lastTransponder() const { return link(2, 12, 12); }
    void setLastTransponder(int v) requires W { setLink(2, 12, 12, v); }
    unsigned slotMark() const { return field(2, 24, 8); }
    void setSlotMark(unsigned v) requires W { setField(2, 24, 8, v); }

    unsigned defaultTvChannel() const { return field(3, 0, 16); }
    void setDefaultTvChannel(unsigned v) requires W { setField(3, 0, 16, v); }
    unsigned defaultRadioChannel() const { return field(3, 16, 16); }
    void setDefaultRadioChannel(unsigned v) requires W { setField(3, 16, 16, v); }

    // Bytes 16-31: at most 15 characters, NUL-terminated; readers stop after 16 bytes.
    // Writing fills the first 15 bytes; the 16th byte keeps its value.
    std::string name() const { return text(16, NAME_FIELD_SIZE); }
    void setName(std::string_view v) requires W { setText(16, NAME_MAX_CHARS, v); }

    // Signed orbital position in tenths of a degree, East positive.
    int position() const { return link(8, 0, 12); }
    void setPosition(int v) requires W { setLink(8, 0, 12, v); }
    unsigned auxByte() const { return field(8, 23, 8); }
    void setAuxByte(unsigned v) requires W { setField(8, 23, 8, v); }
};
using SatelliteRecord = BasicSatelliteRecord<true>;
using ConstSatelliteRecord = BasicSatelliteRecord<false>;

template <bool W> class BasicTransponderRecord : public BasicRecordView<W> {
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
    static constexpr std::size_t SIZE = layout::TRANSPONDER_RECORD_SIZE;
    static constexpr unsigned IN_USE_BOTH = 3;
    static constexpr std::uint8_t MARK = 0x80;

    explicit BasicTransponderRecord(typename Base::Byte* bytes) : Base(bytes) {}
    // A writable record converts to a read-only one.
    BasicTransponderRecord(const BasicTransponderRecord<true>& other) requires(!W) : Base(other.data()) {}

    unsigned number() const { return field(0, 0, 11); }
    void setNumber(unsigned v) requires W { setField(0, 0, 11, v); }
    unsigned polarization() const { return field(0, 14, 2); }
    void setPolarization(unsigned v) requires W { setField(0, 14, 2, v); }
    bool isVertical() const { return polarization() != 0; }
    unsigned symbolRate() const { return field(0, 16, 16); }
    void setSymbolRate(unsigned v) requires W { setField(0, 16, 16, v); }

    int prevTransponder() const { return link(1, 0, 12); }
    void setPrevTransponder(int v) requires W { setLink(1, 0, 12, v); }
    int nextTransponder() const { return link(1, 12, 12); }
    void setNextTransponder(int v) requires W { setLink(1, 12, 12, v); }
    unsigned satellite() const { return field(1, 24, 8); }
    void setSatellite(unsigned v) requires W { setField(1, 24, 8, v); }

    std::uint32_t spareWord() const { return field(2, 0, 32); }
    void setSpareWord(std::uint32_t v) requires W { setField(2, 0, 32, v); }

    unsigned frequency() const { return field(3, 0, 16); }
    void setFrequency(unsigned v) requires W { setField(3, 0, 16, v); }
    // Two bits: both set in use, both clear free; either bit set counts as not free.
    unsigned inUse() const { return field(3, 17, 2); }
    void setInUse(unsigned v) requires W { setField(3, 17, 2, v); }
    bool isUsed() const { return inUse() != 0; }
    bool hasChannels() const { return field(3, 19, 1) != 0; }
    void setHasChannels(bool v) requires W { setField(3, 19, 1, v); }
};
using TransponderRecord = BasicTransponderRecord<true>;
using ConstTransponderRecord = BasicTransponderRecord<false>;

template <bool W> class BasicChannelRecord : public BasicRecordView<W> {
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
    static constexpr std::size_t SIZE = layout::CHANNEL_RECORD_SIZE;
    static constexpr int NAME_FIELD_SIZE = 11;
    static constexpr unsigned SERVICE_TV = 1, SERVICE_RADIO = 2;
    static constexpr unsigned STATE_FREE = 0, STATE_IN_USE = 1;
    static constexpr std::uint16_t NO_TRANSPONDER = 0xFFFF;

    explicit BasicChannelRecord(typename Base::Byte* bytes) : Base(bytes) {}
    // A writable record converts to a read-only one.
    BasicChannelRecord(const BasicChannelRecord<true>& other) requires(!W) : Base(other.data()) {}

    int prevChannel() const { return link(0, 0, 14); }
    void setPrevChannel(int v) requires W { setLink(0, 0, 14, v); }
    int nextChannel() const { return link(0, 14, 14); }
    void setNextChannel(int v) requires W { setLink(0, 14, 14, v); }
    unsigned serviceType() const { return field(0, 28, 3); }
    void setServiceType(unsigned v) requires W { setField(0, 28, 3, v); }
    bool locked() const { return field(0, 31, 1) != 0; }
    void setLocked(bool v) requires W { setField(0, 31, 1, v); }

    unsigned audioPid() const { return field(1, 0, 14); }
    void setAudioPid(unsigned v) requires W { setField(1, 0, 14, v); }
    // 0 free, 1 in use; 2 and 3 are occupied but never written by the editor.
    unsigned state() const { return field(1, 30, 2); }
    void setState(unsigned v) requires W { setField(1, 30, 2, v); }
    bool isOccupied() const { return state() != STATE_FREE; }

    unsigned videoPid() const { return field(2, 0, 14); }
    void setVideoPid(unsigned v) requires W { setField(2, 0, 14, v); }
    bool fav4() const { return field(2, 28, 1) != 0; }
    void setFav4(bool v) requires W { setField(2, 28, 1, v); }
    bool fav3() const { return field(2, 29, 1) != 0; }
    void setFav3(bool v) requires W { setField(2, 29, 1, v); }
    bool fav2() const { return field(2, 30, 1) != 0; }
    void setFav2(bool v) requires W { setField(2, 30, 1, v); }
    bool fav1() const { return field(2, 31, 1) != 0; }
    void setFav1(bool v) requires W { setField(2, 31, 1, v); }

    std::uint16_t spareShort() const { return shortAt(12); }
    void setSpareShort(std::uint16_t v) requires W { setShortAt(12, v); }
    std::uint16_t transponder() const { return shortAt(14); }
    void setTransponder(std::uint16_t v) requires W { setShortAt(14, v); }

    unsigned teletextPid() const { return field(4, 0, 14); }
    void setTeletextPid(unsigned v) requires W { setField(4, 0, 14, v); }
    unsigned pairBits() const { return field(4, 28, 2); }
    void setPairBits(unsigned v) requires W { setField(4, 28, 2, v); }
    bool scrambled() const { return field(4, 31, 1) != 0; }
    void setScrambled(bool v) requires W { setField(4, 31, 1, v); }

    unsigned pcrPid() const { return field(5, 0, 14); }
    void setPcrPid(unsigned v) requires W { setField(5, 0, 14, v); }
    unsigned channelNumber() const { return field(5, 14, 13); }
    void setChannelNumber(unsigned v) requires W { setField(5, 14, 13, v); }

    unsigned extraPid() const { return field(6, 0, 14); }
    void setExtraPid(unsigned v) requires W { setField(6, 0, 14, v); }

    std::uint8_t shortText1FirstByte() const { return data()[29]; }
    void setShortText1FirstByte(std::uint8_t v) requires W { data()[29] = v; }
    std::uint8_t shortText2FirstByte() const { return data()[33]; }
    void setShortText2FirstByte(std::uint8_t v) requires W { data()[33] = v; }

    // Bytes 37-47, NUL-padded; an 11-character name has no terminator.
    std::string name() const { return text(37, NAME_FIELD_SIZE); }
    void setName(std::string_view v) requires W { setText(37, NAME_FIELD_SIZE, v); }
};
using ChannelRecord = BasicChannelRecord<true>;
using ConstChannelRecord = BasicChannelRecord<false>;

// Shows a position as "%d.%d%c": 'E' when greater than 0, 'W' otherwise (0 shows 0.0W).
std::string FormatPosition(int tenthsOfDegree);
// Reads what FormatPosition writes, and also "19.2", "-5", "13e" or "5,0W": every
// position the 12-bit field holds, from 204.8W (-2048) to 204.7E (2047), and
// nothing else, so that each position written reads back as itself.
std::optional<int> ParsePosition(std::string_view text);

} // namespace vormante

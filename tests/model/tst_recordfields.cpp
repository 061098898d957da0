// Every named field of the three record kinds sits at its documented bits,
// round-trips, and leaves every other bit of the record as it was.
#include "TestSupport.h"
#include "model/Records.h"

#include <QtTest>

#include <functional>

using namespace vormante;

namespace {

struct FieldCase {
    const char* name;
    int byte;  // byte offset of the word (or short) inside the record
    int bit;   // lowest bit inside that 32-bit word
    int width; // bits
    bool isSigned;
    std::function<long long(std::uint8_t*)> get;
    std::function<void(std::uint8_t*, long long)> set;
};

template <class Record, class Value>
FieldCase Field(const char* name, int byte, int bit, int width, Value (Record::*get)() const,
                void (Record::*set)(Value)) {
    return {name,
            byte,
            bit,
            width,
            std::is_signed_v<Value> && !std::is_same_v<Value, bool>,
            [get](std::uint8_t* p) { return static_cast<long long>((Record(p).*get)()); },
            [set](std::uint8_t* p, long long v) {
                Record r(p);
                (r.*set)(static_cast<Value>(v));
            }};
}

std::vector<FieldCase> SatelliteFields() {
    using R = SatelliteRecord;
    return {
        Field<R>("channelCount", 0, 0, 13, &R::channelCount, &R::setChannelCount),
        Field<R>("transponderCount", 0, 13, 11, &R::transponderCount, &R::setTransponderCount),
        Field<R>("state", 0, 30, 2, &R::state, &R::setState),
        Field<R>("firstChannel", 4, 0, 14, &R::firstChannel, &R::setFirstChannel),
        Field<R>("lastChannel", 4, 14, 14, &R::lastChannel, &R::setLastChannel),
        Field<R>("lnbType", 4, 28, 3, &R::lnbType, &R::setLnbType),
        Field<R>("channelFlag", 4, 31, 1, &R::channelFlag, &R::setChannelFlag),
        Field<R>("firstTransponder", 8, 0, 12, &R::firstTransponder, &R::setFirstTransponder),
        Field<R>("lastTransponder", 8, 12, 12, &R::lastTransponder, &R::setLastTransponder),
        Field<R>("slotMark", 8, 24, 8, &R::slotMark, &R::setSlotMark),
        Field<R>("defaultTvChannel", 12, 0, 16, &R::defaultTvChannel, &R::setDefaultTvChannel),
        Field<R>("defaultRadioChannel", 12, 16, 16, &R::defaultRadioChannel, &R::setDefaultRadioChannel),
        Field<R>("position", 32, 0, 12, &R::position, &R::setPosition),
        Field<R>("auxByte", 32, 23, 8, &R::auxByte, &R::setAuxByte),
    };
}

std::vector<FieldCase> TransponderFields() {
    using R = TransponderRecord;
    return {
        Field<R>("number", 0, 0, 11, &R::number, &R::setNumber),
        Field<R>("polarization", 0, 14, 2, &R::polarization, &R::setPolarization),
        Field<R>("symbolRate", 0, 16, 16, &R::symbolRate, &R::setSymbolRate),
        Field<R>("prevTransponder", 4, 0, 12, &R::prevTransponder, &R::setPrevTransponder),
        Field<R>("nextTransponder", 4, 12, 12, &R::nextTransponder, &R::setNextTransponder),
        Field<R>("satellite", 4, 24, 8, &R::satellite, &R::setSatellite),
        Field<R>("spareWord", 8, 0, 32, &R::spareWord, &R::setSpareWord),
        Field<R>("frequency", 12, 0, 16, &R::frequency, &R::setFrequency),
        Field<R>("inUse", 12, 17, 2, &R::inUse, &R::setInUse),
        Field<R>("hasChannels", 12, 19, 1, &R::hasChannels, &R::setHasChannels),
    };
}

std::vector<FieldCase> ChannelFields() {
    using R = ChannelRecord;
    return {
        Field<R>("prevChannel", 0, 0, 14, &R::prevChannel, &R::setPrevChannel),
        Field<R>("nextChannel", 0, 14, 14, &R::nextChannel, &R::setNextChannel),
        Field<R>("serviceType", 0, 28, 3, &R::serviceType, &R::setServiceType),
        Field<R>("locked", 0, 31, 1, &R::locked, &R::setLocked),
        Field<R>("audioPid", 4, 0, 14, &R::audioPid, &R::setAudioPid),
        Field<R>("state", 4, 30, 2, &R::state, &R::setState),
        Field<R>("videoPid", 8, 0, 14, &R::videoPid, &R::setVideoPid),
        Field<R>("fav4", 8, 28, 1, &R::fav4, &R::setFav4),
        Field<R>("fav3", 8, 29, 1, &R::fav3, &R::setFav3),
        Field<R>("fav2", 8, 30, 1, &R::fav2, &R::setFav2),
        Field<R>("fav1", 8, 31, 1, &R::fav1, &R::setFav1),
        Field<R>("spareShort", 12, 0, 16, &R::spareShort, &R::setSpareShort),
        Field<R>("transponder", 12, 16, 16, &R::transponder, &R::setTransponder),
        Field<R>("teletextPid", 16, 0, 14, &R::teletextPid, &R::setTeletextPid),
        Field<R>("pairBits", 16, 28, 2, &R::pairBits, &R::setPairBits),
        Field<R>("scrambled", 16, 31, 1, &R::scrambled, &R::setScrambled),
        Field<R>("pcrPid", 20, 0, 14, &R::pcrPid, &R::setPcrPid),
        Field<R>("channelNumber", 20, 14, 13, &R::channelNumber, &R::setChannelNumber),
        Field<R>("extraPid", 24, 0, 14, &R::extraPid, &R::setExtraPid),
    };
}

long long Expected(const FieldCase& f, std::uint32_t raw) {
    const std::uint32_t mask = bits::Mask(f.width);
    raw &= mask;
    if (f.isSigned && (raw >> (f.width - 1)) & 1u)
        return static_cast<long long>(raw) - (1ll << f.width);
    return raw;
}

} // namespace

class TestRecordFields : public QObject {
    Q_OBJECT

private:
    void checkFields(const std::vector<FieldCase>& fields, std::size_t recordSize) {
        std::mt19937 random(1234);
        for (const FieldCase& f : fields) {
            for (int round = 0; round < 200; ++round) {
                std::vector<std::uint8_t> record(recordSize);
                for (auto& b : record)
                    b = static_cast<std::uint8_t>(random());
                const std::vector<std::uint8_t> before = record;
                const std::uint32_t raw = random();
                // Values wider than the field are cut to it, so set the raw value.
                f.set(record.data(),
                      f.isSigned ? Expected(f, raw) : static_cast<long long>(raw & bits::Mask(f.width)));
                QCOMPARE(f.get(record.data()), Expected(f, raw));
                // The word holding the field: only the field's bits may differ.
                const std::uint32_t wordBefore = bits::LoadWord(before.data() + f.byte);
                const std::uint32_t wordAfter = bits::LoadWord(record.data() + f.byte);
                const std::uint32_t fieldMask = bits::Mask(f.width) << f.bit;
                QVERIFY2((wordBefore & ~fieldMask) == (wordAfter & ~fieldMask), f.name);
                QCOMPARE((wordAfter & fieldMask) >> f.bit, raw & bits::Mask(f.width));
                for (std::size_t i = 0; i < recordSize; ++i) {
                    if (i >= std::size_t(f.byte) && i < std::size_t(f.byte) + 4)
                        continue;
                    QVERIFY2(record[i] == before[i], f.name);
                }
            }
        }
    }

private Q_SLOTS:
    void satelliteFieldsRoundTrip() { checkFields(SatelliteFields(), SatelliteRecord::SIZE); }
    void transponderFieldsRoundTrip() { checkFields(TransponderFields(), TransponderRecord::SIZE); }
    void channelFieldsRoundTrip() { checkFields(ChannelFields(), ChannelRecord::SIZE); }

    void linksSignExtend() {
        std::vector<std::uint8_t> record(ChannelRecord::SIZE, 0);
        ChannelRecord channel(record.data());
        channel.setNextChannel(NO_LINK);
        QCOMPARE(channel.nextChannel(), NO_LINK);
        QCOMPARE(bits::LoadWord(record.data()), 0x3FFFu << 14);
        channel.setNextChannel(2999);
        QCOMPARE(channel.nextChannel(), 2999);

        std::vector<std::uint8_t> sat(SatelliteRecord::SIZE, 0);
        SatelliteRecord satellite(sat.data());
        satellite.setLastTransponder(NO_LINK);
        QCOMPARE(satellite.lastTransponder(), NO_LINK);
        QCOMPARE(bits::LoadWord(sat.data() + 8), 0xFFFu << 12);
        satellite.setLastTransponder(1999);
        QCOMPARE(satellite.lastTransponder(), 1999);
    }

    void satelliteNameKeepsSixteenthByte() {
        std::vector<std::uint8_t> record(SatelliteRecord::SIZE, 0xAA);
        SatelliteRecord satellite(record.data());
        QCOMPARE(satellite.name().size(), std::size_t(16)); // no terminator: stops after 16 bytes
        satellite.setName("ASTRA 1KR 19.2E!!");             // 17 characters, cut to 15
        QCOMPARE(satellite.name(), std::string("ASTRA 1KR 19.2E") + char(0xAA));
        QCOMPARE(record[31], std::uint8_t(0xAA));
        satellite.setName("Hotbird");
        QCOMPARE(satellite.name(), std::string("Hotbird"));
        for (int i = 16 + 7; i < 31; ++i)
            QCOMPARE(record[std::size_t(i)], std::uint8_t(0));
        QCOMPARE(record[31], std::uint8_t(0xAA));
    }

    void channelNameFillsElevenBytes() {
        std::vector<std::uint8_t> record(ChannelRecord::SIZE, 0x55);
        ChannelRecord channel(record.data());
        channel.setName("ABCDEFGHIJK");
        QCOMPARE(channel.name(), std::string("ABCDEFGHIJK"));
        QCOMPARE(record[47], std::uint8_t('K'));
        channel.setName("BBC");
        QCOMPARE(channel.name(), std::string("BBC"));
        for (int i = 40; i < 48; ++i)
            QCOMPARE(record[std::size_t(i)], std::uint8_t(0));
        QCOMPARE(record[36], std::uint8_t(0x55)); // byte before the name untouched
    }

    void positionText() {
        QCOMPARE(FormatPosition(-1800), std::string("180.0W"));
        QCOMPARE(FormatPosition(1800), std::string("180.0E"));
        QCOMPARE(FormatPosition(0), std::string("0.0W"));
        QCOMPARE(FormatPosition(192), std::string("19.2E"));
        QCOMPARE(FormatPosition(-5), std::string("0.5W"));
        // One rule both ways: every position the field holds reads back from its text, and no other.
        for (int position = -2048; position <= 2047; ++position)
            QCOMPARE(ParsePosition(FormatPosition(position)), std::optional<int>(position));
        for (const char* text : {"204.8E", "204.9W", "-204.9", "19.25E", "E", "19.2N", ""})
            QVERIFY2(!ParsePosition(text), text);
        QCOMPARE(ParsePosition(" 13e "), std::optional<int>(130));
        QCOMPARE(ParsePosition("5,0 W"), std::optional<int>(-50));
    }
};

QTEST_GUILESS_MAIN(TestRecordFields)
#include "tst_recordfields.moc"

// The settings block and the LNB table: fields by name, value texts and frequencies.
#include "TestSupport.h"
#include "model/ChannelDatabase.h"

#include <QtTest>

using namespace vormante;
using testsupport::LoadInto;
using testsupport::RandomBytes;

namespace {
struct SettingsField {
    const char* name;
    int word, bit, width;
    unsigned (SystemSettingsBlock::*get)() const;
    void (SystemSettingsBlock::*set)(unsigned);
};

const SettingsField K_FIELDS[] = {
    {"standby", 0, 1, 1, &SystemSettingsBlock::standby, &SystemSettingsBlock::setStandby},
    {"aspectRatio", 0, 2, 1, &SystemSettingsBlock::aspectRatio, &SystemSettingsBlock::setAspectRatio},
    {"menuLanguage", 0, 3, 3, &SystemSettingsBlock::menuLanguage, &SystemSettingsBlock::setMenuLanguage},
    {"rfChannel", 0, 8, 7, &SystemSettingsBlock::rfChannel, &SystemSettingsBlock::setRfChannel},
    {"soundSystem", 0, 15, 3, &SystemSettingsBlock::soundSystem, &SystemSettingsBlock::setSoundSystem},
    {"colorSystem", 0, 18, 3, &SystemSettingsBlock::colorSystem, &SystemSettingsBlock::setColorSystem},
    {"lockReceiver", 0, 21, 1, &SystemSettingsBlock::lockReceiver, &SystemSettingsBlock::setLockReceiver},
    {"lockMenu", 0, 22, 1, &SystemSettingsBlock::lockMenu, &SystemSettingsBlock::setLockMenu},
    {"delayTime", 0, 23, 3, &SystemSettingsBlock::delayTime, &SystemSettingsBlock::setDelayTime},
    {"timeZone", 1, 11, 13, &SystemSettingsBlock::timeZone, &SystemSettingsBlock::setTimeZone},
    {"gmtUsage", 1, 24, 1, &SystemSettingsBlock::gmtUsage, &SystemSettingsBlock::setGmtUsage},
    {"summerTime", 1, 25, 1, &SystemSettingsBlock::summerTime, &SystemSettingsBlock::setSummerTime},
    {"timeOffset", 1, 26, 6, &SystemSettingsBlock::timeOffset, &SystemSettingsBlock::setTimeOffset},
};

struct LnbField {
    const char* name;
    int bit, width;
    std::function<unsigned(const LnbSlot&)> get;
    std::function<void(LnbSlot&, unsigned)> set;
};
} // namespace

class TestSystemSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void settingsFieldsTouchOnlyTheirBits() {
        std::mt19937 random(77);
        for (const SettingsField& f : K_FIELDS) {
            for (int round = 0; round < 10; ++round) {
                ChannelDatabase db;
                QVERIFY(LoadInto(db, RandomBytes(IMAGE_SIZE, random())));
                const DatabaseImage before = db.workingCopy();
                SystemSettingsBlock settings = db.Settings();
                const unsigned value = random() & bits::Mask(f.width);
                (settings.*f.set)(value);
                QCOMPARE((settings.*f.get)(), value);
                const std::size_t at = layout::SETTINGS_BLOCK + 4 * std::size_t(f.word);
                const std::uint32_t mask = bits::Mask(f.width) << f.bit;
                QCOMPARE(bits::LoadWord(db.workingCopy().data() + at) & ~mask,
                         bits::LoadWord(before.data() + at) & ~mask);
                QCOMPARE((bits::LoadWord(db.workingCopy().data() + at) & mask) >> f.bit, value);
                for (std::size_t i = 0; i < IMAGE_SIZE; ++i)
                    if (i < at || i >= at + 4)
                        QVERIFY2(db.workingCopy()[i] == before[i], f.name);
            }
        }
    }

    void valuesWiderThanTheFieldAreCut() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, testsupport::EmptyImage()));
        SystemSettingsBlock settings = db.Settings();
        settings.setDelayTime(static_cast<unsigned>(-1 + 1 - 1)); // list position -1 stored as 7
        QCOMPARE(settings.delayTime(), 7u);
        settings.setTimeZone(20);
        QCOMPARE(settings.timeZone(), 20u);
    }

    void bytesAndPin() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, RandomBytes(IMAGE_SIZE, 5)));
        SystemSettingsBlock settings = db.Settings();
        settings.setCurrentSatellite(42);
        settings.setSatelliteCount(255);
        QCOMPARE(db.workingCopy()[5715], std::uint8_t(42));
        QCOMPARE(db.workingCopy()[5734], std::uint8_t(255));
        std::memcpy(db.workingCopy().data() + 5684 + 164, "1234", 5);
        QCOMPARE(settings.pinCode(), std::string("1234"));
        // A PIN without terminator stops at the end of the block.
        std::memset(db.workingCopy().data() + 5684 + 164, 'x', 8192 - 5684 - 164);
        QCOMPARE(settings.pinCode().size(), std::size_t(8192 - 5684 - 164));
    }

    void lnbSlotFieldsRoundTrip() {
        const LnbField fields[] = {
            {"lowBandIndex", 0, 5, &LnbSlot::lowBandIndex, &LnbSlot::setLowBandIndex},
            {"highBandIndex", 5, 5, &LnbSlot::highBandIndex, &LnbSlot::setHighBandIndex},
            {"diseqcOn", 10, 1, [](const LnbSlot& s) { return unsigned(s.diseqcOn()); },
             [](LnbSlot& s, unsigned v) { s.setDiseqcOn(v != 0); }},
            {"diseqcPort", 11, 3, &LnbSlot::diseqcPort, &LnbSlot::setDiseqcPort},
            {"polarityControl", 14, 3, &LnbSlot::polarityControl, &LnbSlot::setPolarityControl},
            {"bandControl", 17, 3, &LnbSlot::bandControl, &LnbSlot::setBandControl},
            {"tone22k", 20, 2, &LnbSlot::tone22k, &LnbSlot::setTone22k},
            {"switch12V", 22, 2, &LnbSlot::switch12V, &LnbSlot::setSwitch12V},
            {"lnbPower", 24, 1, [](const LnbSlot& s) { return unsigned(s.lnbPower()); },
             [](LnbSlot& s, unsigned v) { s.setLnbPower(v != 0); }},
        };
        std::mt19937 random(3);
        ChannelDatabase db;
        QVERIFY(LoadInto(db, RandomBytes(IMAGE_SIZE, 11)));
        for (const LnbField& f : fields) {
            for (int type = 0; type < 8; ++type) {
                LnbSlot slot = db.Settings().lnbSlot(type);
                const std::size_t at = layout::SETTINGS_BLOCK + 132 + 4 * std::size_t(type);
                QCOMPARE(static_cast<const void*>(slot.data()),
                         static_cast<const void*>(db.workingCopy().data() + at));
                const std::uint32_t before = bits::LoadWord(slot.data());
                const unsigned value = random() & bits::Mask(f.width);
                f.set(slot, value);
                QCOMPARE(f.get(slot), value);
                const std::uint32_t mask = bits::Mask(f.width) << f.bit;
                QVERIFY2((bits::LoadWord(slot.data()) & ~mask) == (before & ~mask), f.name);
            }
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, db.Settings().lnbSlot(8));
    }

    void diseqcItems() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, testsupport::EmptyImage()));
        LnbSlot slot = db.Settings().lnbSlot(2);
        slot.setDiseqcOn(true);
        slot.setDiseqcPort(5);
        QCOMPARE(std::string(texts::At(texts::DISEQC, slot.diseqcItem())), std::string("Port B"));
        slot.setDiseqcItem(0);
        QCOMPARE(bits::LoadWord(slot.data()) & (0xFu << 10), 0u);
        slot.setDiseqcItem(5);
        QCOMPARE(std::string(texts::At(texts::DISEQC, slot.diseqcItem())), std::string("Port A"));
        QCOMPARE(slot.diseqcPort(), 4u);
        // A stored port of 7 with diseqcOn gives item 8: no text, no read past the list.
        slot.setDiseqcPort(7);
        QCOMPARE(std::string(texts::At(texts::DISEQC, slot.diseqcItem())), std::string());
    }

    void lnbFrequencies() {
        ChannelDatabase db;
        QVERIFY(LoadInto(db, testsupport::EmptyImage()));
        SystemSettingsBlock settings = db.Settings();
        SetExplicitLnbFrequencies(settings, 2, 9750, 10600);
        QCOMPARE(bits::LoadWord(db.workingCopy().data() + 5684 + 60 + 16), 9750000u);
        QCOMPARE(bits::LoadWord(db.workingCopy().data() + 5684 + 64 + 16), 10600000u);
        LnbFrequencies type3 = LnbFrequenciesOf(settings, 2);
        QCOMPARE(*type3.lowMHz, 9750u);
        QCOMPARE(*type3.highMHz, 10600u);

        LnbSlot type6 = settings.lnbSlot(5);
        type6.setLowBandIndex(1);
        type6.setHighBandIndex(3);
        LnbFrequencies f6 = LnbFrequenciesOf(settings, 5);
        QCOMPARE(*f6.lowMHz, 9750u);
        QCOMPARE(*f6.highMHz, 10600u);
        type6.setHighBandIndex(31); // an empty list selection names no entry
        QVERIFY(!LnbFrequenciesOf(settings, 5).highMHz.has_value());
    }

    void valueTexts() {
        QCOMPARE(texts::TIME_ZONES.size(), std::size_t(54));
        QCOMPARE(std::string(texts::TIME_ZONES[20]), std::string("GMT; Dublin, London"));
        QCOMPARE(std::string(texts::TIME_ZONES[53]), std::string("Wellington, Auckland"));
        QCOMPARE(std::string(texts::At(texts::DELAY_TIME, 0)), std::string("ALWAYS"));
        QCOMPARE(std::string(texts::At(texts::MENU_LANGUAGES, 6)), std::string());
        QCOMPARE(std::string(texts::At(texts::MENU_LANGUAGES, -1)), std::string());
        QCOMPARE(texts::LnbTypeName(0), std::string("Type1"));
        QCOMPARE(texts::SatelliteLnbTypeName(7), std::string("Type 8"));
    }
};

QTEST_GUILESS_MAIN(TestSystemSettings)
#include "tst_systemsettings.moc"

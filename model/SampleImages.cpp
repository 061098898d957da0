#include "SampleImages.h"

#include "ChannelDatabase.h"
#include "ChannelList.h"
#include "EditOperations.h"
#include "RecordOperations.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace vormante {

namespace {

struct ChannelSpec {
    const char* name;
    unsigned videoPid;
    unsigned audioPid;
    unsigned teletextPid;
    unsigned pcrPid;
    unsigned flags = 0; // ChannelFlagBits
};

struct TransponderSpec {
    unsigned frequency;    // MHz
    unsigned symbolRate;   // kS/s
    unsigned polarization; // 0 horizontal, 1 vertical
    std::vector<ChannelSpec> channels;
};

struct SatelliteSpec {
    const char* name;
    int position; // tenths of a degree, East positive
    unsigned lnbType;
    std::vector<TransponderSpec> transponders;
};

constexpr unsigned H = 0, V = 1;

ChannelSpec Tv(const char* name, unsigned video, unsigned audio, unsigned teletext, unsigned flags = 0) {
    return {name, video, audio, teletext, video, flags};
}

ChannelSpec Radio(const char* name, unsigned audio, unsigned flags = 0) {
    return {name, NULL_PID, audio, NULL_PID, audio, flags};
}

SatelliteSpec Astra1() {
    return {"Astra 1 19.2E",
            192,
            0,
            {
                {11836,
                 27500,
                 H,
                 {Tv("Das Erste", 101, 102, 104, FLAG_FAV1), Tv("arte", 401, 402, 404, FLAG_FAV2),
                  Tv("PHOENIX", 501, 502, 504), Tv("ONE", 301, 302, 304)}},
                {11953,
                 27500,
                 H,
                 {Tv("ZDF", 110, 120, 130, FLAG_FAV1), Tv("3sat", 210, 220, 230, FLAG_FAV2),
                  Tv("KiKA", 310, 320, 330, FLAG_FAV4), Tv("ZDFinfo", 610, 620, 630),
                  Tv("ZDFneo", 660, 670, 680)}},
                {12188,
                 27500,
                 H,
                 {Tv("RTL", 163, 104, 105, FLAG_FAV1), Tv("RTLZWEI", 166, 128, 68),
                  Tv("SUPER RTL", 165, 120, 65, FLAG_FAV4), Tv("VOX", 167, 136, 71)}},
                {12544,
                 22000,
                 H,
                 {Tv("SAT.1", 255, 256, 32, FLAG_FAV1), Tv("ProSieben", 511, 512, 33),
                  Tv("kabel eins", 767, 768, 34)}},
                {12265,
                 27500,
                 H,
                 {Tv("BR Sued", 201, 202, 204), Radio("BAYERN 1", 2021), Radio("BAYERN 3", 2023, FLAG_FAV3),
                  Radio("B5 aktuell", 2025), Radio("Dlf", 2031, FLAG_FAV3), Radio("Dlf Kultur", 2033)}},
                {11797,
                 27500,
                 H,
                 {Tv("Sky Cinema", 511, 515, NULL_PID, FLAG_SCRAMBLED),
                  Tv("Sky Sport 1", 255, 259, NULL_PID, FLAG_SCRAMBLED),
                  Tv("Sky Krimi", 1023, 1027, NULL_PID, FLAG_SCRAMBLED | FLAG_LOCKED)}},
            }};
}

SatelliteSpec Hotbird() {
    return {
        "Hotbird 13.0E",
        130,
        1,
        {
            {11766,
             27500,
             V,
             {Tv("Rai 1", 512, 650, 575, FLAG_FAV1), Tv("Rai 2", 513, 651, 576), Tv("Rai 3", 514, 652, 577),
              Radio("Rai Radio 1", 659)}},
            {10992,
             27500,
             V,
             {Tv("TV5MONDE", 160, 80, 101, FLAG_FAV2), Tv("Euronews", 2221, 2231, NULL_PID)}},
            {11034, 27500, V, {Tv("TVP Polonia", 5601, 5602, 5603), Tv("Al Jazeera", 1160, 1120, NULL_PID)}},
            {12476,
             27500,
             H,
             {Tv("Sky Uno", 1110, 1111, NULL_PID, FLAG_SCRAMBLED),
              Tv("Sky TG24", 1120, 1121, NULL_PID, FLAG_SCRAMBLED)}},
            {12111, 27500, V, {Radio("R.Vaticana", 4121), Radio("Radio Maria", 4131)}},
        }};
}

SatelliteSpec Astra2() {
    return {"Astra 2 28.2E",
            282,
            2,
            {
                {10773,
                 22000,
                 H,
                 {Tv("BBC One", 5000, 5001, 5002, FLAG_FAV1), Tv("BBC Two", 5100, 5101, 5102, FLAG_FAV1),
                  Tv("BBC Four", 5300, 5301, 5302), Tv("CBeebies", 5600, 5601, 5602, FLAG_FAV4)}},
                {10847,
                 23000,
                 V,
                 {Tv("ITV1", 2310, 2311, 2312, FLAG_FAV1), Tv("ITV2", 2320, 2321, 2322),
                  Tv("ITV3", 2330, 2331, 2332), Tv("ITV4", 2340, 2341, 2342)}},
                {10964,
                 22000,
                 H,
                 {Tv("Channel 4", 2101, 2102, 2103), Tv("E4", 2201, 2202, 2203),
                  Tv("More4", 2301, 2302, 2303), Tv("Film4", 2401, 2402, 2403, FLAG_LOCKED)}},
                {11426,
                 27500,
                 H,
                 {Radio("BBC R1", 7001, FLAG_FAV3), Radio("BBC Radio 2", 7002),
                  Radio("BBC Radio 4", 7004, FLAG_FAV3), Radio("BBC R5 Live", 7005)}},
                {11778,
                 27500,
                 V,
                 {Tv("Sky One", 2305, 2306, NULL_PID, FLAG_SCRAMBLED),
                  Tv("Sky Arts", 2315, 2316, NULL_PID, FLAG_SCRAMBLED)}},
            }};
}

SatelliteSpec Eutelsat5W() {
    return {"Eutelsat 5W",
            -50,
            3,
            {
                {11096,
                 29950,
                 V,
                 {Tv("TF1", 120, 130, 140, FLAG_SCRAMBLED), Tv("France 2", 220, 230, 240, FLAG_FAV1),
                  Tv("France 3", 320, 330, 340), Tv("France 5", 520, 530, 540),
                  Tv("M6", 620, 630, 640, FLAG_SCRAMBLED)}},
                {11555,
                 29950,
                 H,
                 {Tv("Arte", 720, 730, 740), Tv("LCP", 1320, 1330, NULL_PID), Radio("France Info", 1050),
                  Radio("Fr. Inter", 1060, FLAG_FAV3)}},
            }};
}

SatelliteSpec Thor() {
    return {"Thor 0.8W",
            -8,
            5,
            {
                {10872,
                 25000,
                 V,
                 {Tv("NRK1", 512, 640, 576, FLAG_SCRAMBLED), Tv("NRK2", 513, 641, 577, FLAG_SCRAMBLED),
                  Tv("NRK3", 514, 642, 578, FLAG_SCRAMBLED)}},
                {11216,
                 24500,
                 V,
                 {Tv("SVT1", 1011, 1012, 1013, FLAG_SCRAMBLED), Tv("SVT2", 1021, 1022, 1023, FLAG_SCRAMBLED),
                  Tv("TV4", 1031, 1032, 1033, FLAG_SCRAMBLED)}},
                {11325, 24500, H, {Radio("NRK P1", 650), Radio("NRK P2", 651), Radio("NRK P3", 652)}},
            }};
}

SatelliteSpec Turksat() {
    return {
        "Turksat 42.0E",
        420,
        7,
        {
            {11054,
             30000,
             V,
             {Tv("TRT 1", 1001, 1002, 1003, FLAG_FAV1), Tv("TRT Haber", 1011, 1012, 1013),
              Tv("TRT Spor", 1021, 1022, 1023), Tv("TRT Cocuk", 1031, 1032, 1033, FLAG_FAV4)}},
            {11096,
             30000,
             H,
             {Tv("atv", 301, 302, NULL_PID), Tv("Show TV", 401, 402, NULL_PID),
              Tv("Kanal D", 501, 502, NULL_PID), Tv("Star TV", 601, 602, NULL_PID)}},
            {11958, 27500, V, {Radio("TRT FM", 2101), Radio("TRT Radyo 1", 2102), Radio("TRT Nagme", 2103)}},
        }};
}

// The demo image's satellites, in the order they are stored.
std::vector<SatelliteSpec> DemoSatellites() {
    return {Astra1(), Hotbird(), Astra2(), Eutelsat5W(), Thor(), Turksat()};
}

[[noreturn]] void Fail(const std::string& what) {
    throw std::logic_error("building a sample image: " + what);
}

std::unique_ptr<ChannelDatabase> EmptyDatabase() {
    auto db = std::make_unique<ChannelDatabase>();
    const std::vector<std::uint8_t> empty(IMAGE_SIZE, 0);
    if (!db->Load(empty).ok)
        Fail("the empty image was refused");
    db->BuildRecordPointers();
    return db;
}

std::vector<std::uint8_t> ImageOf(ChannelDatabase& db) {
    std::vector<std::uint8_t> bytes;
    db.WriteWorking([&bytes](std::span<const std::uint8_t> image) {
        bytes.assign(image.begin(), image.end());
        return true;
    });
    if (bytes.size() != IMAGE_SIZE)
        Fail("the image came out with the wrong size");
    return bytes;
}

int NewSatellite(ChannelDatabase& db, const std::string& name, int position, unsigned lnbType) {
    const int slot = AllocateSatellite(db);
    if (slot == SATELLITES_FULL)
        Fail("no free satellite slot");
    SatelliteRecord satellite = db.Satellite(slot);
    satellite.setName(name);
    satellite.setPosition(position);
    satellite.setLnbType(lnbType);
    return slot;
}

int NewTransponder(ChannelDatabase& db, int satellite, unsigned frequency, unsigned symbolRate,
                   unsigned polarization) {
    const int slot = AddTransponder(db, satellite);
    if (slot < 0)
        Fail("no free transponder slot");
    TransponderRecord transponder = db.Transponder(slot);
    transponder.setFrequency(frequency);
    transponder.setSymbolRate(symbolRate);
    transponder.setPolarization(polarization);
    return slot;
}

// Adds a channel and stores its fields the way the channel dialog does.
void NewChannel(ChannelDatabase& db, int satellite, int transponder, const ChannelSpec& spec) {
    const int slot = AddChannel(db, transponder);
    if (slot < 0)
        Fail("no free channel slot");
    ChannelRecord channel = db.Channel(slot);
    channel.setTransponder(static_cast<std::uint16_t>(transponder));
    channel.setName(spec.name);
    channel.setVideoPid(spec.videoPid);
    channel.setAudioPid(spec.audioPid);
    channel.setTeletextPid(spec.teletextPid);
    channel.setPcrPid(spec.pcrPid);
    SetChannelFlags(db.Channel(slot), spec.flags, FLAG_ALL);
    channel.setSpareShort(0);
    channel.setExtraPid(0);
    channel.setPairBits(0);
    channel.setServiceType(spec.videoPid == NULL_PID ? ChannelRecord::SERVICE_RADIO
                                                     : ChannelRecord::SERVICE_TV);
    db.Satellite(satellite).setChannelFlag(true);
}

void SetDemoLnbTypes(ChannelDatabase& db) {
    struct DemoType {
        unsigned low, high, diseqcItem, polarity, band, tone;
    };
    // Type 1..4: universal LNBs at 9750/10600 MHz behind a four-port DiSEqC switch (they
    // keep no polarity or band control). Type 5 C band, Type 6 and Type 8 universal on
    // ports A and B, Type 7 a single 10750 LNB.
    const DemoType types[LNB_TYPES] = {
        {1, 3, 1, 0, 0, 2}, {1, 3, 2, 0, 0, 2}, {1, 3, 3, 0, 0, 2}, {1, 3, 4, 0, 0, 2},
        {0, 0, 0, 4, 0, 0}, {1, 3, 5, 4, 3, 2}, {4, 4, 0, 4, 0, 0}, {1, 3, 6, 4, 3, 2},
    };
    for (int type = 0; type < LNB_TYPES; ++type) {
        const DemoType& t = types[type];
        StoreLnb(db, type,
                 {t.low, t.high, 9750000u, 10600000u, t.polarity, t.band, t.diseqcItem, t.tone, 0u, true});
    }
}

void SetDemoSettings(ChannelDatabase& db) {
    SystemSettingsBlock settings = db.Settings();
    settings.setStandby(0);
    settings.setAspectRatio(1);  // 16:9
    settings.setMenuLanguage(0); // English
    settings.setRfChannel(38);
    settings.setSoundSystem(1); // B/G
    settings.setColorSystem(1); // PAL
    settings.setLockReceiver(0);
    settings.setLockMenu(0);
    settings.setDelayTime(3); // 3 Sec
    settings.setTimeZone(22); // Berlin, Stockholm, Rome, Bern
    settings.setGmtUsage(1);
    settings.setSummerTime(0);
    settings.setTimeOffset(0);
    std::uint8_t* block = settings.data();
    block[51] = 0;  // transparency
    block[52] = 24; // volume left
    block[53] = 24; // volume right
    const char pin[] = "0000";
    for (std::size_t i = 0; i < sizeof pin; ++i)
        block[SystemSettingsBlock::PIN_CODE_BYTE + i] = static_cast<std::uint8_t>(pin[i]);
    SetDemoLnbTypes(db);
}

} // namespace

std::vector<std::uint8_t> BuildDemoImage() {
    auto db = EmptyDatabase();
    SetDemoSettings(*db);
    SystemSettingsBlock settings = db->Settings();
    int first = -1;
    for (const SatelliteSpec& satelliteSpec : DemoSatellites()) {
        const int satellite =
            NewSatellite(*db, satelliteSpec.name, satelliteSpec.position, satelliteSpec.lnbType);
        if (first < 0)
            first = satellite;
        for (const TransponderSpec& tp : satelliteSpec.transponders) {
            const int transponder =
                NewTransponder(*db, satellite, tp.frequency, tp.symbolRate, tp.polarization);
            for (const ChannelSpec& channel : tp.channels)
                NewChannel(*db, satellite, transponder, channel);
        }
        RenumberChannels(*db, satellite);
    }
    settings.setCurrentSatellite(static_cast<unsigned>(first));
    return ImageOf(*db);
}

std::vector<std::uint8_t> BuildFullImage() {
    using namespace full_image;
    auto db = EmptyDatabase();
    SetDemoSettings(*db);
    SystemSettingsBlock settings = db->Settings();

    // Satellites 1 to 99 share the 1000 channels the big one leaves; the first few take one more.
    const int otherChannels = CHANNEL_SLOTS - BIG_SATELLITE_CHANNELS;
    const int perOther = otherChannels / (SATELLITE_SLOTS - 1);
    const int remainder = otherChannels % (SATELLITE_SLOTS - 1);
    char name[32];
    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        const int position = (s * 36) % 3600 - 1800 + 1; // spread round the arc, never 0
        std::snprintf(name, sizeof name, "Full %03d", s + 1);
        const int satellite = NewSatellite(*db, name, position, static_cast<unsigned>(s % LNB_TYPES));
        int transponders[TRANSPONDERS_PER_SATELLITE];
        for (int t = 0; t < TRANSPONDERS_PER_SATELLITE; ++t)
            transponders[t] = NewTransponder(*db, satellite, 10700 + 100 * t + s % 50, 22000 + 500 * (t % 12),
                                             static_cast<unsigned>(t % 2));
        int channels = s == 0 ? BIG_SATELLITE_CHANNELS : perOther + (s - 1 < remainder ? 1 : 0);
        for (int c = 0; c < channels; ++c) {
            int t;
            if (s == 0)
                t = c < BIG_TRANSPONDER_CHANNELS
                        ? 0
                        : 1 + (c - BIG_TRANSPONDER_CHANNELS) % (TRANSPONDERS_PER_SATELLITE - 1);
            else
                t = c % TRANSPONDERS_PER_SATELLITE;
            // Every fifth channel is radio; some are scrambled, locked or favourites.
            const bool radio = c % 5 == 4;
            std::snprintf(name, sizeof name, "%s %d-%d", radio ? "R" : "TV", s + 1, c + 1);
            const unsigned pid = 32 + static_cast<unsigned>(c) * 4;
            ChannelSpec spec = radio ? Radio(name, pid + 1) : Tv(name, pid, pid + 1, pid + 2);
            spec.flags = (c % 7 == 0 ? FLAG_SCRAMBLED : 0u) | (c % 31 == 0 ? FLAG_LOCKED : 0u) |
                         (c % 11 == 0 ? FLAG_FAV1 : 0u) | (c % 13 == 0 ? FLAG_FAV2 : 0u);
            NewChannel(*db, satellite, transponders[t], spec);
        }
        RenumberChannels(*db, satellite);
    }
    settings.setCurrentSatellite(0);
    return ImageOf(*db);
}

} // namespace vormante

#include "EditOperations.h"

#include "RecordOperations.h"

#include <utility>

namespace vormante {

namespace {
constexpr unsigned MASK_16 = 0xFFFF;
constexpr unsigned PID_MASK = 0x3FFF;

unsigned PidOrNull(unsigned pid) {
    pid &= PID_MASK;
    return pid == 0 ? NULL_PID : pid;
}

bool IsUsedSatellite(const ChannelDatabase& db, int slot) {
    return IsSatelliteSlot(slot) && db.Satellite(slot).isUsed();
}
} // namespace

int AddSatelliteWith(ChannelDatabase& db, const SatelliteValues& values) {
    const int slot = AllocateSatellite(db);
    if (!IsSatelliteSlot(slot))
        return SATELLITES_FULL;
    StoreSatellite(db, slot, values);
    return slot;
}

bool StoreSatellite(ChannelDatabase& db, int slot, const SatelliteValues& values) {
    if (!IsUsedSatellite(db, slot))
        return false;
    SatelliteRecord record = db.Satellite(slot);
    record.setName(values.name.substr(0, SatelliteRecord::NAME_MAX_CHARS));
    record.setPosition(values.position);
    record.setLnbType(values.lnbType & 7u);
    return true;
}

int AddTransponderWith(ChannelDatabase& db, int satellite, const TransponderValues& values) {
    if (!IsUsedSatellite(db, satellite))
        return -1;
    const int slot = AddTransponder(db, satellite);
    if (!IsTransponderSlot(slot))
        return -1;
    StoreTransponder(db, slot, values);
    return slot;
}

bool StoreTransponder(ChannelDatabase& db, int slot, const TransponderValues& values) {
    if (!IsTransponderSlot(slot))
        return false;
    TransponderRecord record = db.Transponder(slot);
    record.setFrequency(values.frequency & MASK_16);
    record.setSymbolRate(values.symbolRate & MASK_16);
    record.setPolarization(values.polarization & 3u);
    return true;
}

bool StoreLnb(ChannelDatabase& db, int type, const LnbValues& values) {
    if (type < 0 || type >= LNB_TYPES)
        return false;
    SystemSettingsBlock settings = db.Settings();
    LnbSlot slot = settings.lnbSlot(type);
    if (values.lowBandIndex)
        slot.setLowBandIndex(*values.lowBandIndex);
    if (values.highBandIndex)
        slot.setHighBandIndex(*values.highBandIndex);
    if (type >= SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES) {
        if (values.polarityControl)
            slot.setPolarityControl(*values.polarityControl);
        if (values.bandControl)
            slot.setBandControl(*values.bandControl);
    } else {
        if (values.highKHz)
            settings.setLnbHighFrequency(type, *values.highKHz);
        if (values.lowKHz)
            settings.setLnbLowFrequency(type, *values.lowKHz);
    }
    if (values.diseqcItem)
        slot.setDiseqcItem(*values.diseqcItem);
    if (values.tone22k)
        slot.setTone22k(*values.tone22k);
    if (values.switch12V)
        slot.setSwitch12V(*values.switch12V);
    if (values.lnbPower)
        slot.setLnbPower(*values.lnbPower);
    return true;
}

int AddChannelWith(ChannelDatabase& db, int transponder, int satellite, const ChannelValues& values) {
    if (!IsUsedSatellite(db, satellite) || !IsTransponderSlot(transponder))
        return -1;
    const ConstTransponderRecord place = std::as_const(db).Transponder(transponder);
    if (!place.isUsed() || static_cast<int>(place.satellite()) != satellite)
        return -1;
    const int slot = AddChannel(db, transponder);
    if (!IsChannelSlot(slot))
        return -1;
    StoreChannel(db, slot, transponder, satellite, values);
    return slot;
}

bool StoreChannel(ChannelDatabase& db, int channel, int transponder, int satellite,
                  const ChannelValues& values) {
    if (!IsChannelSlot(channel) || !IsTransponderSlot(transponder) || !IsSatelliteSlot(satellite))
        return false;
    ChannelRecord record = db.Channel(channel);
    record.setName(values.name.substr(0, ChannelRecord::NAME_FIELD_SIZE));
    record.setVideoPid(PidOrNull(values.videoPid));
    record.setAudioPid(PidOrNull(values.audioPid));
    record.setTeletextPid(PidOrNull(values.teletextPid));
    record.setPcrPid(PidOrNull(values.pcrPid));
    record.setFav1(values.fav[0]);
    record.setFav2(values.fav[1]);
    record.setFav3(values.fav[2]);
    record.setFav4(values.fav[3]);
    record.setLocked(values.locked);
    // A channel without a video PID is a radio channel.
    const unsigned video = record.videoPid();
    record.setServiceType(video != 0 && video != NULL_PID ? ChannelRecord::SERVICE_TV
                                                          : ChannelRecord::SERVICE_RADIO);
    record.setSpareShort(0);
    record.setTransponder(static_cast<std::uint16_t>(transponder));
    record.setPairBits(0);
    record.setExtraPid(0);
    record.setScrambled(values.scrambled);

    RenumberChannels(db, satellite);
    db.Settings().setCurrentSatellite(static_cast<unsigned>(satellite));
    SatelliteRecord owner = db.Satellite(satellite);
    if (!owner.channelFlag())
        owner.setChannelFlag(true);
    return true;
}

ChannelValues ChannelValuesOf(const ChannelDatabase& db, int channel) {
    ChannelValues values;
    if (!IsChannelSlot(channel))
        return values;
    const ConstChannelRecord record = db.Channel(channel);
    values.name = record.name();
    values.videoPid = record.videoPid();
    values.audioPid = record.audioPid();
    values.pcrPid = record.pcrPid();
    values.teletextPid = record.teletextPid();
    values.locked = record.locked();
    values.scrambled = record.scrambled();
    values.fav = {record.fav1(), record.fav2(), record.fav3(), record.fav4()};
    return values;
}

namespace {
struct SettingAccess {
    unsigned (ConstSystemSettingsBlock::*get)() const;
    void (SystemSettingsBlock::*set)(unsigned);
    unsigned offset; // stored value = list position + offset
};

SettingAccess AccessOf(SettingField field) {
    using C = ConstSystemSettingsBlock;
    using S = SystemSettingsBlock;
    switch (field) {
    case SettingField::MenuLanguage:
        return {&C::menuLanguage, &S::setMenuLanguage, 0};
    case SettingField::GmtUsage:
        return {&C::gmtUsage, &S::setGmtUsage, 0};
    case SettingField::TimeZone:
        return {&C::timeZone, &S::setTimeZone, 0};
    case SettingField::SummerTime:
        return {&C::summerTime, &S::setSummerTime, 0};
    case SettingField::Aspect:
        return {&C::aspectRatio, &S::setAspectRatio, 0};
    case SettingField::DelayTime:
        return {&C::delayTime, &S::setDelayTime, 1};
    case SettingField::ColorSystem:
        return {&C::colorSystem, &S::setColorSystem, 0};
    case SettingField::SoundSystem:
        return {&C::soundSystem, &S::setSoundSystem, 0};
    case SettingField::Standby:
        return {&C::standby, &S::setStandby, 0};
    case SettingField::LockReceiver:
        return {&C::lockReceiver, &S::setLockReceiver, 0};
    case SettingField::LockMenu:
        return {&C::lockMenu, &S::setLockMenu, 0};
    }
    return {&C::menuLanguage, &S::setMenuLanguage, 0};
}
} // namespace

int SettingPosition(const ChannelDatabase& db, SettingField field, int itemCount) {
    const SettingAccess access = AccessOf(field);
    const long long position = static_cast<long long>((db.Settings().*access.get)()) - access.offset;
    return position >= 0 && position < itemCount ? static_cast<int>(position) : -1;
}

bool StoreSettingPosition(ChannelDatabase& db, SettingField field, int position) {
    if (position < 0)
        return false;
    const SettingAccess access = AccessOf(field);
    SystemSettingsBlock settings = db.Settings();
    (settings.*access.set)(static_cast<unsigned>(position) + access.offset);
    return true;
}

} // namespace vormante

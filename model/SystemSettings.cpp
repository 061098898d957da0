#include "SystemSettings.h"

#include <stdexcept>

namespace vormante {

void LnbSlot::setDiseqcItem(unsigned item) {
    setDiseqcOn(item != 0);
    setDiseqcPort(item == 0 ? 0 : item - 1);
}

std::uint8_t* SystemSettingsBlock::frequencyWord(int type, int band) const {
    if (type < 0 || type >= EXPLICIT_FREQUENCY_TYPES)
        throw std::out_of_range("LNB type without explicit frequencies");
    return data() + LNB_FREQUENCIES_BYTE + 8 * type + 4 * band;
}

std::uint32_t SystemSettingsBlock::lnbLowFrequency(int type) const { return bits::LoadWord(frequencyWord(type, 0)); }

void SystemSettingsBlock::setLnbLowFrequency(int type, std::uint32_t kHz) {
    bits::StoreWord(frequencyWord(type, 0), kHz);
}

std::uint32_t SystemSettingsBlock::lnbHighFrequency(int type) const {
    return bits::LoadWord(frequencyWord(type, 1));
}

void SystemSettingsBlock::setLnbHighFrequency(int type, std::uint32_t kHz) {
    bits::StoreWord(frequencyWord(type, 1), kHz);
}

LnbSlot SystemSettingsBlock::lnbSlot(int type) const {
    if (type < 0 || type >= LNB_TYPES)
        throw std::out_of_range("LNB type index");
    return LnbSlot(data() + LNB_SLOTS_BYTE + 4 * type);
}

LnbFrequencies LnbFrequenciesOf(const SystemSettingsBlock& settings, int type) {
    if (type >= 0 && type < SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES)
        return {settings.lnbLowFrequency(type) / 1000, settings.lnbHighFrequency(type) / 1000};
    const LnbSlot slot = settings.lnbSlot(type);
    auto fromTable = [](unsigned index) -> std::optional<unsigned> {
        if (index < LnbFrequencyTable.size())
            return LnbFrequencyTable[index];
        return std::nullopt;
    };
    return {fromTable(slot.lowBandIndex()), fromTable(slot.highBandIndex())};
}

void SetExplicitLnbFrequencies(SystemSettingsBlock& settings, int type, unsigned lowMHz, unsigned highMHz) {
    settings.setLnbLowFrequency(type, lowMHz * 1000u);
    settings.setLnbHighFrequency(type, highMHz * 1000u);
}

namespace texts {

const std::array<const char*, 54> TimeZones = {
    "Eniwetok, Kwajalein",
    "Midway Island, Samoa",
    "Hawaii",
    "Alaska",
    "Pacific Time [US & Canada]",
    "Arizona",
    "Mountain Time [US & Canada]",
    "Central Time [US & Canada]",
    "Mexico City",
    "Saskatchewan",
    "Bogota, Lina",
    "Eastern Time [US & Canada]",
    "Indiana [East]",
    "Atlantic Time [Canada]",
    "Caracas, La Paz",
    "Newfoundland",
    "Brasilia",
    "Buenos Aires, Georgetown",
    "Mid-Atlantic",
    "Azores, Cape Verdels",
    "GMT; Dublin, London",
    "Monrovia, Casablanca",
    "Berlin, Stockholm, Rome, Bern",
    "Brusseles, Vienna",
    "Paris, Madrid",
    "Prague, Bratislava",
    "Warsaw",
    "Athens, Helsinki, Istanbul",
    "Cairo",
    "Eastern Europe",
    "Harare, Pretoria",
    "Israel",
    "Baghdad, Kuwait, Nairobi, Riyadh",
    "Moscow, St.Petersburg",
    "Tehran",
    "Abu Dhabi, Muscat, Tbilisi, Kazam",
    "Kabul",
    "Islamabad, Karachi",
    "New Delhi, Mumbai, Chennai, Calcutta",
    "Srilanka",
    "Almaty, Dhaka",
    "Bangkok, Jakarta, Hanoi",
    "Beijing, Chongqing, Urumqi",
    "Hongkong, Perth, Singapore, Taipei",
    "Tokyo, Osaka, Sapporo, Seoul",
    "Adelaide",
    "Darwin",
    "Brisbane",
    "Canberra, Melbourne, Sydney",
    "Guam, Port Moresby, Vladivostok",
    "Hobart",
    "Magadan, Solomon Is., New Caledonia",
    "Fiji, Kamchatka, Marshall Is.",
    "Wellington, Auckland",
};

std::string LnbTypeName(int type) { return "Type" + std::to_string(type + 1); }
std::string SatelliteLnbTypeName(int type) { return "Type " + std::to_string(type + 1); }

} // namespace texts

} // namespace vormante

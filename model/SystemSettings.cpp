#include "SystemSettings.h"

#include <stdexcept>

namespace vormante {

template <bool W> void BasicLnbSlot<W>::setDiseqcItem(unsigned item) requires W {
    setDiseqcOn(item != 0);
    setDiseqcPort(item == 0 ? 0 : item - 1);
}

template <bool W>
typename BasicSystemSettingsBlock<W>::Base::Byte* BasicSystemSettingsBlock<W>::frequencyWord(int type,
                                                                                             int band) const {
    if (type < 0 || type >= EXPLICIT_FREQUENCY_TYPES)
        throw std::out_of_range("LNB type without explicit frequencies");
    return data() + LNB_FREQUENCIES_BYTE + 8 * type + 4 * band;
}

template <bool W> std::uint32_t BasicSystemSettingsBlock<W>::lnbLowFrequency(int type) const {
    return bits::LoadWord(frequencyWord(type, 0));
}

template <bool W>
void BasicSystemSettingsBlock<W>::setLnbLowFrequency(int type, std::uint32_t kHz) requires W {
    bits::StoreWord(frequencyWord(type, 0), kHz);
}

template <bool W> std::uint32_t BasicSystemSettingsBlock<W>::lnbHighFrequency(int type) const {
    return bits::LoadWord(frequencyWord(type, 1));
}

template <bool W>
void BasicSystemSettingsBlock<W>::setLnbHighFrequency(int type, std::uint32_t kHz) requires W {
    bits::StoreWord(frequencyWord(type, 1), kHz);
}

template <bool W> BasicLnbSlot<W> BasicSystemSettingsBlock<W>::lnbSlot(int type) const {
    if (type < 0 || type >= LNB_TYPES)
        throw std::out_of_range("LNB type index");
    return BasicLnbSlot<W>(data() + LNB_SLOTS_BYTE + 4 * type);
}

template class BasicLnbSlot<true>;
template class BasicSystemSettingsBlock<true>;
// The read-only forms member by member: clang 14 instantiates the setters of a whole
// class too, whose requires-clause the read-only form fails, and stops the build.
template std::uint32_t BasicSystemSettingsBlock<false>::lnbLowFrequency(int) const;
template std::uint32_t BasicSystemSettingsBlock<false>::lnbHighFrequency(int) const;
template BasicLnbSlot<false> BasicSystemSettingsBlock<false>::lnbSlot(int) const;

LnbFrequencies LnbFrequenciesOf(ConstSystemSettingsBlock settings, int type) {
    if (type >= 0 && type < SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES)
        return {settings.lnbLowFrequency(type) / 1000, settings.lnbHighFrequency(type) / 1000};
    const ConstLnbSlot slot = settings.lnbSlot(type);
    auto fromTable = [](unsigned index) -> std::optional<unsigned> {
        if (index < LNB_FREQUENCY_TABLE.size())
            return LNB_FREQUENCY_TABLE[index];
        return std::nullopt;
    };
    return {fromTable(slot.lowBandIndex()), fromTable(slot.highBandIndex())};
}

void SetExplicitLnbFrequencies(SystemSettingsBlock& settings, int type, unsigned lowMHz, unsigned highMHz) {
    settings.setLnbLowFrequency(type, lowMHz * 1000u);
    settings.setLnbHighFrequency(type, highMHz * 1000u);
}

namespace texts {

const std::array<const char*, 54> TIME_ZONES = {
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

std::string LnbTypeName(int type) {
    return "Type" + std::to_string(type + 1);
}
std::string SatelliteLnbTypeName(int type) {
    return "Type " + std::to_string(type + 1);
}

} // namespace texts

} // namespace vormante

#include "ImageDump.h"

#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ImageInput.h"
#include "JsonWriter.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace vormante::cli {

namespace {

std::string SatelliteJson(ConstSatelliteRecord r, int slot) {
    return JsonObjectBuilder()
        .number("slot", slot)
        .number("state", r.state())
        .number("channelCount", r.channelCount())
        .number("transponderCount", r.transponderCount())
        .number("firstChannel", r.firstChannel())
        .number("lastChannel", r.lastChannel())
        .number("lnbType", r.lnbType())
        .number("channelFlag", r.channelFlag())
        .number("firstTransponder", r.firstTransponder())
        .number("lastTransponder", r.lastTransponder())
        .number("slotMark", r.slotMark())
        .number("defaultTvChannel", r.defaultTvChannel())
        .number("defaultRadioChannel", r.defaultRadioChannel())
        .text("name", r.name())
        .number("position", r.position())
        .number("auxByte", r.auxByte())
        .str();
}

std::string TransponderJson(ConstTransponderRecord r, int slot) {
    return JsonObjectBuilder()
        .number("slot", slot)
        .number("number", r.number())
        .number("polarization", r.polarization())
        .number("symbolRate", r.symbolRate())
        .number("prevTransponder", r.prevTransponder())
        .number("nextTransponder", r.nextTransponder())
        .number("satellite", r.satellite())
        .number("spareWord", r.spareWord())
        .number("frequency", r.frequency())
        .number("inUse", r.inUse())
        .number("hasChannels", r.hasChannels())
        .str();
}

// The two four-byte short texts, as little-endian numbers of their bytes.
long long ShortText(ConstChannelRecord r, int byte) {
    return bits::LoadWord(r.data() + byte);
}

std::string ChannelJson(ConstChannelRecord r, int slot) {
    return JsonObjectBuilder()
        .number("slot", slot)
        .number("prevChannel", r.prevChannel())
        .number("nextChannel", r.nextChannel())
        .number("serviceType", r.serviceType())
        .number("locked", r.locked())
        .number("audioPid", r.audioPid())
        .number("state", r.state())
        .number("videoPid", r.videoPid())
        .number("fav1", r.fav1())
        .number("fav2", r.fav2())
        .number("fav3", r.fav3())
        .number("fav4", r.fav4())
        .number("spareShort", r.spareShort())
        .number("transponder", r.transponder())
        .number("teletextPid", r.teletextPid())
        .number("pairBits", r.pairBits())
        .number("scrambled", r.scrambled())
        .number("pcrPid", r.pcrPid())
        .number("channelNumber", r.channelNumber())
        .number("extraPid", r.extraPid())
        .number("shortText1", ShortText(r, 29))
        .number("shortText2", ShortText(r, 33))
        .text("name", r.name())
        .str();
}

std::string LnbJson(ConstSystemSettingsBlock settings, int type) {
    const ConstLnbSlot slot = settings.lnbSlot(type);
    JsonObjectBuilder object;
    object.number("lowBandIndex", slot.lowBandIndex())
        .number("highBandIndex", slot.highBandIndex())
        .number("diseqcOn", slot.diseqcOn())
        .number("diseqcPort", slot.diseqcPort())
        .number("polarityControl", slot.polarityControl())
        .number("bandControl", slot.bandControl())
        .number("tone22k", slot.tone22k())
        .number("switch12V", slot.switch12V())
        .number("lnbPower", slot.lnbPower());
    if (type < SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES)
        object.number("lowFrequency", settings.lnbLowFrequency(type))
            .number("highFrequency", settings.lnbHighFrequency(type));
    return object.str();
}

std::string SettingsJson(ConstSystemSettingsBlock s) {
    std::string lnb = "[\n";
    for (int type = 0; type < LNB_TYPES; ++type)
        lnb += "      " + LnbJson(s, type) + (type + 1 < LNB_TYPES ? ",\n" : "\n");
    lnb += "    ]";
    return JsonObjectBuilder()
        .number("standby", s.standby())
        .number("aspectRatio", s.aspectRatio())
        .number("menuLanguage", s.menuLanguage())
        .number("rfChannel", s.rfChannel())
        .number("soundSystem", s.soundSystem())
        .number("colorSystem", s.colorSystem())
        .number("lockReceiver", s.lockReceiver())
        .number("lockMenu", s.lockMenu())
        .number("delayTime", s.delayTime())
        .number("timeZone", s.timeZone())
        .number("gmtUsage", s.gmtUsage())
        .number("summerTime", s.summerTime())
        .number("timeOffset", s.timeOffset())
        .number("currentSatellite", s.currentSatellite())
        .number("satelliteCount", s.satelliteCount())
        .number("transparency", s.transparency())
        .number("volumeLeft", s.volumeLeft())
        .number("volumeRight", s.volumeRight())
        .text("pinCode", s.pinCode())
        .raw("lnb", lnb)
        .str();
}

void WriteArray(std::ostream& out, const char* name, const std::vector<std::string>& items, bool last) {
    out << "  \"" << name << "\": [";
    for (std::size_t i = 0; i < items.size(); ++i)
        out << (i ? ",\n    " : "\n    ") << items[i];
    out << (items.empty() ? "]" : "\n  ]") << (last ? "\n" : ",\n");
}

} // namespace

void WriteImageJson(const ChannelDatabase& db, std::ostream& out) {
    std::vector<std::string> items;
    out << "{\n";
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        if (db.Satellite(s).state() != SatelliteRecord::STATE_FREE)
            items.push_back(SatelliteJson(db.Satellite(s), s));
    WriteArray(out, "satellites", items, false);
    items.clear();
    for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
        if (db.Transponder(t).inUse() != 0)
            items.push_back(TransponderJson(db.Transponder(t), t));
    WriteArray(out, "transponders", items, false);
    items.clear();
    for (int c = 0; c < CHANNEL_SLOTS; ++c)
        if (db.Channel(c).state() != ChannelRecord::STATE_FREE)
            items.push_back(ChannelJson(db.Channel(c), c));
    WriteArray(out, "channels", items, false);
    out << "  \"settings\": " << SettingsJson(db.Settings()) << "\n}\n";
}

int RunDump(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    const ImageCommandStart start = StartImageCommand(args, DUMP_COMMAND, {}, {}, out, err);
    if (start.exit)
        return *start.exit;
    const ChannelDatabase& db = *start.db;
    WriteImageJson(db, out);
    return EXIT_OK;
}

const Command DUMP_COMMAND = {
    "dump", "print the whole image as JSON",
    "Usage: vormante-cli dump IMAGE\n"
    "\n"
    "Prints IMAGE as a JSON object with four members:\n"
    "  \"satellites\"    one object per used satellite slot,\n"
    "  \"transponders\"  one per transponder slot with an in-use bit set,\n"
    "  \"channels\"      one per used channel slot,\n"
    "  \"settings\"      the settings block, with its eight LNB types under \"lnb\".\n"
    "Each record object has its \"slot\" and every field under the field's name.\n"
    "Links and positions are signed (-1 for no link), everything else unsigned as\n"
    "stored; names are read up to the first NUL as Latin-1 text.\n"
    "\n"
    "Exit status: 0 printed, 2 IMAGE missing, unreadable or not 204800 bytes.\n",
    RunDump};

} // namespace vormante::cli

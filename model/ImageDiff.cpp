#include "ImageDiff.h"

#include "ChainWalk.h"
#include "ChannelList.h"
#include "ChannelMatcher.h"
#include "RecordOperations.h"

#include <cstdlib>
#include <functional>
#include <map>

namespace vormante {

namespace {

std::string Number(long long value) {
    return std::to_string(value);
}
std::string Text(const std::string& latin1) {
    std::string text(1, '"');
    text += Latin1ToUtf8(latin1);
    text += '"';
    return text;
}

void Compare(std::vector<FieldDifference>& out, const std::string& field, const std::string& before,
             const std::string& after) {
    if (before != after)
        out.push_back({field, before, after});
}

void Compare(std::vector<FieldDifference>& out, const std::string& field, long long before, long long after) {
    if (before != after)
        out.push_back({field, Number(before), Number(after)});
}

// Pairs a with b: pass 1 by `strict`, pass 2 by `loose`; each side's members in order.
// Returns for every member of a the index of its partner in b, or -1.
std::vector<int> PairInOrder(std::size_t aCount, std::size_t bCount,
                             const std::function<bool(int, int)>& strict,
                             const std::function<bool(int, int)>& loose) {
    std::vector<int> pairs(aCount, -1);
    std::vector<bool> taken(bCount, false);
    for (const auto* rule : {&strict, &loose}) {
        for (std::size_t i = 0; i < aCount; ++i) {
            if (pairs[i] != -1)
                continue;
            for (std::size_t j = 0; j < bCount; ++j) {
                if (!taken[j] && (*rule)(static_cast<int>(i), static_cast<int>(j))) {
                    taken[j] = true;
                    pairs[i] = static_cast<int>(j);
                    break;
                }
            }
        }
    }
    return pairs;
}

struct TransponderInfo {
    unsigned frequency;
    bool vertical;
    unsigned symbolRate;
};

std::vector<TransponderInfo> TranspondersOf(const ChannelDatabase& db, int satellite) {
    std::vector<TransponderInfo> list;
    chains::WalkTransponders(db, satellite, [&](int t) {
        const ConstTransponderRecord record = db.Transponder(t);
        list.push_back({record.frequency(), record.isVertical(), record.symbolRate()});
        return true;
    });
    return list;
}

std::string Describe(const TransponderInfo& t) {
    return Number(t.frequency) + " MHz " + (t.vertical ? "V " : "H ") + Number(t.symbolRate) + " kS/s";
}

// Pairs transponders: an exact match first, then the same polarization within +-2 MHz; each in order.
// Buckets by frequency keep this linear, whatever the chains of a damaged image hold.
std::vector<int> PairTransponders(const std::vector<TransponderInfo>& before,
                                  const std::vector<TransponderInfo>& after) {
    std::map<std::pair<unsigned, bool>, std::vector<int>> byFrequency; // ascending indexes of `after`
    for (int j = 0; j < static_cast<int>(after.size()); ++j)
        byFrequency[{after[static_cast<std::size_t>(j)].frequency,
                     after[static_cast<std::size_t>(j)].vertical}]
            .push_back(j);
    std::vector<int> pairs(before.size(), -1);
    std::vector<bool> taken(after.size(), false);
    for (const bool exact : {true, false}) {
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (pairs[i] != -1)
                continue;
            const TransponderInfo& x = before[i];
            int best = -1;
            // The exact pass looks at the same frequency only; the loose one takes, of every
            // frequency within the tolerance, the transponder first in the chain.
            const unsigned tolerance = exact ? 0 : FREQUENCY_TOLERANCE_MHZ;
            const unsigned low = x.frequency < tolerance ? 0 : x.frequency - tolerance;
            for (unsigned f = low; f <= x.frequency + tolerance; ++f) {
                const auto bucket = byFrequency.find({f, x.vertical});
                if (bucket == byFrequency.end())
                    continue;
                for (const int j : bucket->second) {
                    if (taken[static_cast<std::size_t>(j)] ||
                        (exact && after[static_cast<std::size_t>(j)].symbolRate != x.symbolRate))
                        continue;
                    if (best == -1 || j < best)
                        best = j;
                    break;
                }
            }
            if (best != -1) {
                pairs[i] = best;
                taken[static_cast<std::size_t>(best)] = true;
            }
        }
    }
    return pairs;
}

void DiffTransponders(const ChannelDatabase& first, int a, const ChannelDatabase& second, int b,
                      std::vector<ItemDifference>& out) {
    const auto before = TranspondersOf(first, a);
    const auto after = TranspondersOf(second, b);
    const auto pairs = PairTransponders(before, after);
    std::vector<bool> paired(after.size(), false);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (pairs[i] < 0) {
            out.push_back({DiffKind::Removed, Describe(before[i]), {}});
            continue;
        }
        const TransponderInfo& y = after[static_cast<std::size_t>(pairs[i])];
        paired[static_cast<std::size_t>(pairs[i])] = true;
        ItemDifference item{DiffKind::Changed, Describe(before[i]), {}};
        Compare(item.fields, "frequency", before[i].frequency, y.frequency);
        Compare(item.fields, "symbol rate", before[i].symbolRate, y.symbolRate);
        if (!item.fields.empty())
            out.push_back(std::move(item));
    }
    for (std::size_t j = 0; j < after.size(); ++j)
        if (!paired[j])
            out.push_back({DiffKind::Added, Describe(after[j]), {}});
}

struct ChannelInfo {
    ImageChannel channel;
    int number = 0;
};

std::vector<ChannelInfo> ChannelsOf(const ChannelDatabase& db, int satellite) {
    std::vector<ChannelInfo> list;
    int tv = 0, radio = 0;
    chains::WalkChannels(db, satellite, [&](int c) {
        ChannelInfo info;
        info.channel.satellite = satellite;
        info.channel.channel = c;
        info.channel.key = ServiceKeyOf(db, satellite, c);
        info.channel.tv = info.channel.key.videoPid != NULL_PID;
        info.number = info.channel.tv ? ++tv : ++radio;
        list.push_back(std::move(info));
        return true;
    });
    return list;
}

std::string Describe(const ChannelInfo& info) {
    return std::string(info.channel.tv ? "TV " : "Radio ") + Number(info.number) + " " +
           Latin1ToUtf8(info.channel.key.name);
}

void DiffChannels(const ChannelDatabase& first, int a, const ChannelDatabase& second, int b,
                  std::vector<ItemDifference>& out) {
    const auto before = ChannelsOf(first, a);
    const auto after = ChannelsOf(second, b);
    std::vector<ServiceKey> wanted, candidates;
    for (const auto& info : before)
        wanted.push_back(info.channel.key);
    for (const auto& info : after)
        candidates.push_back(info.channel.key);
    const std::vector<int> pairs = MatchServices(wanted, candidates);
    std::vector<bool> paired(after.size(), false);
    static const char* const FLAG_NAMES[] = {"lock", "scrambled", "fav 1", "fav 2", "fav 3", "fav 4"};
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (pairs[i] < 0) {
            out.push_back({DiffKind::Removed, Describe(before[i]), {}});
            continue;
        }
        const ChannelInfo& y = after[static_cast<std::size_t>(pairs[i])];
        paired[static_cast<std::size_t>(pairs[i])] = true;
        const ConstChannelRecord x = first.Channel(before[i].channel.channel);
        const ConstChannelRecord z = second.Channel(y.channel.channel);
        ItemDifference item{DiffKind::Changed, Describe(before[i]), {}};
        Compare(item.fields, "name", Text(x.name()), Text(z.name()));
        Compare(item.fields, "number", before[i].number, y.number);
        const ServiceKey& kx = before[i].channel.key;
        const ServiceKey& kz = y.channel.key;
        Compare(item.fields, "frequency", kx.frequency, kz.frequency);
        Compare(item.fields, "polarization", kx.vertical ? "V" : "H", kz.vertical ? "V" : "H");
        Compare(item.fields, "symbol rate", kx.symbolRate, kz.symbolRate);
        Compare(item.fields, "video PID", kx.videoPid, kz.videoPid);
        Compare(item.fields, "audio PID", kx.audioPid, kz.audioPid);
        Compare(item.fields, "PCR PID", x.pcrPid(), z.pcrPid());
        Compare(item.fields, "teletext PID", x.teletextPid(), z.teletextPid());
        const unsigned fx = ChannelFlagsOf(x), fz = ChannelFlagsOf(z);
        for (unsigned bit = 0; bit < 6; ++bit)
            Compare(item.fields, FLAG_NAMES[bit], (fx >> bit) & 1u, (fz >> bit) & 1u);
        if (!item.fields.empty())
            out.push_back(std::move(item));
    }
    for (std::size_t j = 0; j < after.size(); ++j)
        if (!paired[j])
            out.push_back({DiffKind::Added, Describe(after[j]), {}});
}

void DiffSettings(const ChannelDatabase& first, const ChannelDatabase& second,
                  std::vector<FieldDifference>& out) {
    const ConstSystemSettingsBlock x = first.Settings(), y = second.Settings();
    const auto field = [&](const char* name, auto get) { Compare(out, name, get(x), get(y)); };
    field("standby", [](ConstSystemSettingsBlock s) { return s.standby(); });
    field("aspect ratio", [](ConstSystemSettingsBlock s) { return s.aspectRatio(); });
    field("menu language", [](ConstSystemSettingsBlock s) { return s.menuLanguage(); });
    field("RF channel", [](ConstSystemSettingsBlock s) { return s.rfChannel(); });
    field("sound system", [](ConstSystemSettingsBlock s) { return s.soundSystem(); });
    field("colour system", [](ConstSystemSettingsBlock s) { return s.colorSystem(); });
    field("receiver lock", [](ConstSystemSettingsBlock s) { return s.lockReceiver(); });
    field("menu lock", [](ConstSystemSettingsBlock s) { return s.lockMenu(); });
    field("delay time", [](ConstSystemSettingsBlock s) { return s.delayTime(); });
    field("time zone", [](ConstSystemSettingsBlock s) { return s.timeZone(); });
    field("GMT usage", [](ConstSystemSettingsBlock s) { return s.gmtUsage(); });
    field("summer time", [](ConstSystemSettingsBlock s) { return s.summerTime(); });
    field("time offset", [](ConstSystemSettingsBlock s) { return s.timeOffset(); });
    field("current satellite", [](ConstSystemSettingsBlock s) { return s.currentSatellite(); });
    field("transparency", [](ConstSystemSettingsBlock s) { return s.transparency(); });
    field("volume left", [](ConstSystemSettingsBlock s) { return s.volumeLeft(); });
    field("volume right", [](ConstSystemSettingsBlock s) { return s.volumeRight(); });
    Compare(out, "PIN code", Text(x.pinCode()), Text(y.pinCode()));
    for (int type = 0; type < LNB_TYPES; ++type) {
        const std::string prefix = std::string("LNB Type") + Number(type + 1) + " ";
        if (type < SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES) {
            Compare(out, prefix + "low frequency", x.lnbLowFrequency(type), y.lnbLowFrequency(type));
            Compare(out, prefix + "high frequency", x.lnbHighFrequency(type), y.lnbHighFrequency(type));
        }
        const ConstLnbSlot a = x.lnbSlot(type), b = y.lnbSlot(type);
        Compare(out, prefix + "low band", a.lowBandIndex(), b.lowBandIndex());
        Compare(out, prefix + "high band", a.highBandIndex(), b.highBandIndex());
        Compare(out, prefix + "DiSEqC", a.diseqcItem(), b.diseqcItem());
        Compare(out, prefix + "polarity control", a.polarityControl(), b.polarityControl());
        Compare(out, prefix + "band control", a.bandControl(), b.bandControl());
        Compare(out, prefix + "22 kHz tone", a.tone22k(), b.tone22k());
        Compare(out, prefix + "12 V switch", a.switch12V(), b.switch12V());
        Compare(out, prefix + "LNB power", a.lnbPower(), b.lnbPower());
    }
}

// The name under which the diff counts a part's differing bytes.
const char* PartTable(layout::PartKind kind) {
    switch (kind) {
    case layout::PartKind::SectorHeader:
        return "sector headers";
    case layout::PartKind::Satellite:
        return "satellite table";
    case layout::PartKind::TransponderMark:
        return "transponder marks";
    case layout::PartKind::Settings:
        return "settings";
    case layout::PartKind::Transponder:
        return "transponder table";
    case layout::PartKind::Channel:
        break;
    }
    return "channel table";
}

void AppendFields(std::string& out, const std::vector<FieldDifference>& fields, const char* indent) {
    for (const FieldDifference& field : fields)
        out += std::string(indent) + field.field + ": " + EscapeControls(field.before) + " -> " +
               EscapeControls(field.after) + "\n";
}

} // namespace

const char* DiffKindName(DiffKind kind) {
    switch (kind) {
    case DiffKind::Added:
        return "added";
    case DiffKind::Removed:
        return "removed";
    default:
        return "changed";
    }
}

ImageDifference DiffImages(const ChannelDatabase& first, const ChannelDatabase& second) {
    ImageDifference result;
    const std::vector<int> a = UsedSatellites(first), b = UsedSatellites(second);
    const auto samePosition = [&](int i, int j) {
        return first.Satellite(a[static_cast<std::size_t>(i)]).position() ==
               second.Satellite(b[static_cast<std::size_t>(j)]).position();
    };
    const auto pairs = PairInOrder(
        a.size(), b.size(),
        [&](int i, int j) {
            return samePosition(i, j) && first.Satellite(a[static_cast<std::size_t>(i)]).name() ==
                                             second.Satellite(b[static_cast<std::size_t>(j)]).name();
        },
        samePosition);
    std::vector<bool> paired(b.size(), false);
    for (std::size_t i = 0; i < a.size(); ++i) {
        const ConstSatelliteRecord x = first.Satellite(a[i]);
        SatelliteDifference satellite{DiffKind::Changed, Latin1ToUtf8(x.name()), x.position(), {}, {}, {}};
        if (pairs[i] < 0) {
            satellite.kind = DiffKind::Removed;
            result.satellites.push_back(std::move(satellite));
            continue;
        }
        const int other = b[static_cast<std::size_t>(pairs[i])];
        paired[static_cast<std::size_t>(pairs[i])] = true;
        const ConstSatelliteRecord y = second.Satellite(other);
        Compare(satellite.fields, "name", Text(x.name()), Text(y.name()));
        Compare(satellite.fields, "LNB type", x.lnbType() + 1, y.lnbType() + 1);
        DiffTransponders(first, a[i], second, other, satellite.transponders);
        DiffChannels(first, a[i], second, other, satellite.channels);
        if (!satellite.fields.empty() || !satellite.transponders.empty() || !satellite.channels.empty())
            result.satellites.push_back(std::move(satellite));
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (paired[j])
            continue;
        const ConstSatelliteRecord y = second.Satellite(b[j]);
        result.satellites.push_back({DiffKind::Added, Latin1ToUtf8(y.name()), y.position(), {}, {}, {}});
    }
    DiffSettings(first, second, result.settings);
    result.bytes = CountDifferingBytes(first.workingCopy(), second.workingCopy());
    return result;
}

std::vector<ByteDifference> CountDifferingBytes(const DatabaseImage& first, const DatabaseImage& second) {
    static const char* const ORDER[] = {"sector headers", "satellite table",   "transponder marks",
                                        "settings",       "transponder table", "channel table",
                                        "unused bytes"};
    std::map<std::string, std::size_t> counts;
    std::vector<bool> inPart(IMAGE_SIZE, false);
    for (const layout::ImagePart& part : layout::IMAGE_PARTS) {
        for (std::size_t i = part.begin; i < part.end(); ++i) {
            inPart[i] = true;
            counts[PartTable(part.kind)] += first[i] != second[i] ? 1 : 0;
        }
    }
    for (std::size_t i = 0; i < IMAGE_SIZE; ++i)
        counts["unused bytes"] += !inPart[i] && first[i] != second[i] ? 1 : 0;
    std::vector<ByteDifference> bytes;
    for (const char* table : ORDER)
        if (counts[table] > 0)
            bytes.push_back({table, counts[table]});
    return bytes;
}

std::string DescribeByteDifferences(const std::vector<ByteDifference>& bytes) {
    std::string text;
    for (const ByteDifference& part : bytes)
        text +=
            (text.empty() ? "" : ", ") + Number(static_cast<long long>(part.count)) +
            (part.table == std::string("unused bytes") ? " of the unused bytes" : " in the " + part.table);
    return text;
}

std::string FormatDifferenceReport(const ImageDifference& difference, const std::string& firstName,
                                   const std::string& secondName) {
    // Names come from the images: their control characters are shown, not sent to the terminal.
    std::string out =
        "Differences from " + EscapeControls(firstName) + " to " + EscapeControls(secondName) + "\n";
    if (difference.empty())
        return out + "No differences.\n";
    if (difference.fieldsEqual())
        out += "No compared field differs, but bytes do.\n";
    for (const SatelliteDifference& satellite : difference.satellites) {
        out += "\nSatellite " + EscapeControls(satellite.name) + " (" + FormatPosition(satellite.position) +
               "): " + DiffKindName(satellite.kind) + "\n";
        AppendFields(out, satellite.fields, "  ");
        for (const auto* items : {&satellite.transponders, &satellite.channels}) {
            for (const ItemDifference& item : *items) {
                out += std::string("  ") + (items == &satellite.transponders ? "Transponder " : "") +
                       EscapeControls(item.item) + ": " + DiffKindName(item.kind) + "\n";
                AppendFields(out, item.fields, "    ");
            }
        }
    }
    if (!difference.settings.empty()) {
        out += "\nSettings: changed\n";
        AppendFields(out, difference.settings, "  ");
    }
    out += "\nBytes that differ: " + DescribeByteDifferences(difference.bytes) + ".\n";
    return out;
}

} // namespace vormante

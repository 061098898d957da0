#include "ImageDiff.h"

#include "ChainWalk.h"
#include "ChannelList.h"
#include "ChannelMatcher.h"
#include "RecordOperations.h"
#include "Texts.h"

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

// A field's name is a marked text, translated only when the field differs, or a text made already.
std::string FieldName(const MarkedText& name) {
    return TrMarked(name);
}
const std::string& FieldName(const std::string& name) {
    return name;
}

template <class Name>
void Compare(std::vector<FieldDifference>& out, const Name& field, const std::string& before,
             const std::string& after) {
    if (before != after)
        out.push_back({FieldName(field), before, after});
}

template <class Name>
void Compare(std::vector<FieldDifference>& out, const Name& field, long long before, long long after) {
    if (before != after)
        out.push_back({FieldName(field), Number(before), Number(after)});
}

// The image's parts as the byte counts name them (the key), shown, and counted in a sentence; in image order.
struct PartTexts {
    const char* table;
    MarkedText name;
    MarkedText count;
};
const PartTexts PART_TEXTS[] = {
    {"sector headers", VORMANTE_TEXT("ImageDiff", "sector headers"),
     VORMANTE_TEXT("ImageDiff", "%1 in the sector headers")},
    {"satellite table", VORMANTE_TEXT("ImageDiff", "satellite table"),
     VORMANTE_TEXT("ImageDiff", "%1 in the satellite table")},
    {"transponder marks", VORMANTE_TEXT("ImageDiff", "transponder marks"),
     VORMANTE_TEXT("ImageDiff", "%1 in the transponder marks")},
    {"settings", VORMANTE_TEXT("ImageDiff", "settings"), VORMANTE_TEXT("ImageDiff", "%1 in the settings")},
    {"transponder table", VORMANTE_TEXT("ImageDiff", "transponder table"),
     VORMANTE_TEXT("ImageDiff", "%1 in the transponder table")},
    {"channel table", VORMANTE_TEXT("ImageDiff", "channel table"),
     VORMANTE_TEXT("ImageDiff", "%1 in the channel table")},
    {"unused bytes", VORMANTE_TEXT("ImageDiff", "unused bytes"),
     VORMANTE_TEXT("ImageDiff", "%1 of the unused bytes")},
};

const PartTexts* PartTextsOf(const std::string& table) {
    for (const PartTexts& part : PART_TEXTS)
        if (table == part.table)
            return &part;
    return nullptr;
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
    //: A transponder: %1 frequency, %2 polarization V or H, %3 symbol rate
    return FillIn(Tr("ImageDiff", "%1 MHz %2 %3 kS/s"),
                  {Number(t.frequency), t.vertical ? "V" : "H", Number(t.symbolRate)});
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

// The differences of two lists whose members `pairs` pairs (-1: no partner): a
// member of before without a partner was removed, one of after left over was
// added, and a pair in which `compare` finds differing fields was changed.
template <class Info, class CompareFields>
void ListDifferences(const std::vector<Info>& before, const std::vector<Info>& after,
                     const std::vector<int>& pairs, std::vector<ItemDifference>& out, CompareFields compare) {
    std::vector<bool> paired(after.size(), false);
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (pairs[i] < 0) {
            out.push_back({DiffKind::Removed, Describe(before[i]), {}});
            continue;
        }
        const auto j = static_cast<std::size_t>(pairs[i]);
        paired[j] = true;
        ItemDifference item{DiffKind::Changed, {}, {}};
        compare(before[i], after[j], item.fields);
        if (!item.fields.empty()) {
            item.item = Describe(before[i]);
            out.push_back(std::move(item));
        }
    }
    for (std::size_t j = 0; j < after.size(); ++j)
        if (!paired[j])
            out.push_back({DiffKind::Added, Describe(after[j]), {}});
}

void DiffTransponders(const ChannelDatabase& first, int a, const ChannelDatabase& second, int b,
                      std::vector<ItemDifference>& out) {
    const auto before = TranspondersOf(first, a);
    const auto after = TranspondersOf(second, b);
    ListDifferences(
        before, after, PairTransponders(before, after), out,
        [](const TransponderInfo& x, const TransponderInfo& y, std::vector<FieldDifference>& fields) {
            Compare(fields, VORMANTE_TEXT("ImageDiff", "frequency"), x.frequency, y.frequency);
            Compare(fields, VORMANTE_TEXT("ImageDiff", "symbol rate"), x.symbolRate, y.symbolRate);
        });
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
    //: A channel: %1 its number, %2 its name
    const std::string text = info.channel.tv ? Tr("ImageDiff", "TV %1 %2") : Tr("ImageDiff", "Radio %1 %2");
    return FillIn(text, {Number(info.number), Latin1ToUtf8(info.channel.key.name)});
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
    //: A channel's flags in the list of differences
    static const MarkedText FLAG_NAMES[] = {
        VORMANTE_TEXT("ImageDiff", "lock"),  VORMANTE_TEXT("ImageDiff", "scrambled"),
        VORMANTE_TEXT("ImageDiff", "fav 1"), VORMANTE_TEXT("ImageDiff", "fav 2"),
        VORMANTE_TEXT("ImageDiff", "fav 3"), VORMANTE_TEXT("ImageDiff", "fav 4")};
    const auto compare = [&](const ChannelInfo& from, const ChannelInfo& to,
                             std::vector<FieldDifference>& fields) {
        const ConstChannelRecord x = first.Channel(from.channel.channel);
        const ConstChannelRecord z = second.Channel(to.channel.channel);
        Compare(fields, VORMANTE_TEXT("ImageDiff", "name"), Text(x.name()), Text(z.name()));
        Compare(fields, VORMANTE_TEXT("ImageDiff", "number"), from.number, to.number);
        const ServiceKey& kx = from.channel.key;
        const ServiceKey& kz = to.channel.key;
        Compare(fields, VORMANTE_TEXT("ImageDiff", "frequency"), kx.frequency, kz.frequency);
        Compare(fields, VORMANTE_TEXT("ImageDiff", "polarization"), kx.vertical ? "V" : "H",
                kz.vertical ? "V" : "H");
        Compare(fields, VORMANTE_TEXT("ImageDiff", "symbol rate"), kx.symbolRate, kz.symbolRate);
        Compare(fields, VORMANTE_TEXT("ImageDiff", "video PID"), kx.videoPid, kz.videoPid);
        Compare(fields, VORMANTE_TEXT("ImageDiff", "audio PID"), kx.audioPid, kz.audioPid);
        Compare(fields, VORMANTE_TEXT("ImageDiff", "PCR PID"), x.pcrPid(), z.pcrPid());
        Compare(fields, VORMANTE_TEXT("ImageDiff", "teletext PID"), x.teletextPid(), z.teletextPid());
        const unsigned fx = ChannelFlagsOf(x), fz = ChannelFlagsOf(z);
        for (unsigned bit = 0; bit < 6; ++bit)
            Compare(fields, FLAG_NAMES[bit], (fx >> bit) & 1u, (fz >> bit) & 1u);
    };
    ListDifferences(before, after, MatchServices(wanted, candidates), out, compare);
}

void DiffSettings(const ChannelDatabase& first, const ChannelDatabase& second,
                  std::vector<FieldDifference>& out) {
    const ConstSystemSettingsBlock x = first.Settings(), y = second.Settings();
    const auto field = [&](const MarkedText& name, auto get) { Compare(out, name, get(x), get(y)); };
    //: A receiver setting's name in the list of differences
    field(VORMANTE_TEXT("ImageDiff", "standby"), [](ConstSystemSettingsBlock s) { return s.standby(); });
    field(VORMANTE_TEXT("ImageDiff", "aspect ratio"),
          [](ConstSystemSettingsBlock s) { return s.aspectRatio(); });
    field(VORMANTE_TEXT("ImageDiff", "menu language"),
          [](ConstSystemSettingsBlock s) { return s.menuLanguage(); });
    field(VORMANTE_TEXT("ImageDiff", "RF channel"), [](ConstSystemSettingsBlock s) { return s.rfChannel(); });
    field(VORMANTE_TEXT("ImageDiff", "sound system"),
          [](ConstSystemSettingsBlock s) { return s.soundSystem(); });
    field(VORMANTE_TEXT("ImageDiff", "colour system"),
          [](ConstSystemSettingsBlock s) { return s.colorSystem(); });
    field(VORMANTE_TEXT("ImageDiff", "receiver lock"),
          [](ConstSystemSettingsBlock s) { return s.lockReceiver(); });
    field(VORMANTE_TEXT("ImageDiff", "menu lock"), [](ConstSystemSettingsBlock s) { return s.lockMenu(); });
    field(VORMANTE_TEXT("ImageDiff", "delay time"), [](ConstSystemSettingsBlock s) { return s.delayTime(); });
    field(VORMANTE_TEXT("ImageDiff", "time zone"), [](ConstSystemSettingsBlock s) { return s.timeZone(); });
    field(VORMANTE_TEXT("ImageDiff", "GMT usage"), [](ConstSystemSettingsBlock s) { return s.gmtUsage(); });
    field(VORMANTE_TEXT("ImageDiff", "summer time"),
          [](ConstSystemSettingsBlock s) { return s.summerTime(); });
    field(VORMANTE_TEXT("ImageDiff", "time offset"),
          [](ConstSystemSettingsBlock s) { return s.timeOffset(); });
    field(VORMANTE_TEXT("ImageDiff", "current satellite"),
          [](ConstSystemSettingsBlock s) { return s.currentSatellite(); });
    field(VORMANTE_TEXT("ImageDiff", "transparency"),
          [](ConstSystemSettingsBlock s) { return s.transparency(); });
    field(VORMANTE_TEXT("ImageDiff", "volume left"),
          [](ConstSystemSettingsBlock s) { return s.volumeLeft(); });
    field(VORMANTE_TEXT("ImageDiff", "volume right"),
          [](ConstSystemSettingsBlock s) { return s.volumeRight(); });
    Compare(out, VORMANTE_TEXT("ImageDiff", "PIN code"), Text(x.pinCode()), Text(y.pinCode()));
    for (int type = 0; type < LNB_TYPES; ++type) {
        const std::string number = Number(type + 1);
        const auto lnb = [&](const std::string& text) { return FillIn(text, {number}); };
        //: An LNB type's setting; %1 is the type's number (the receiver calls its types Type1..Type8)
        if (type < SystemSettingsBlock::EXPLICIT_FREQUENCY_TYPES) {
            Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 low frequency")), x.lnbLowFrequency(type),
                    y.lnbLowFrequency(type));
            Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 high frequency")), x.lnbHighFrequency(type),
                    y.lnbHighFrequency(type));
        }
        const ConstLnbSlot a = x.lnbSlot(type), b = y.lnbSlot(type);
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 low band")), a.lowBandIndex(), b.lowBandIndex());
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 high band")), a.highBandIndex(), b.highBandIndex());
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 DiSEqC")), a.diseqcItem(), b.diseqcItem());
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 polarity control")), a.polarityControl(),
                b.polarityControl());
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 band control")), a.bandControl(), b.bandControl());
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 22 kHz tone")), a.tone22k(), b.tone22k());
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 12 V switch")), a.switch12V(), b.switch12V());
        Compare(out, lnb(Tr("ImageDiff", "LNB Type%1 LNB power")), a.lnbPower(), b.lnbPower());
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

std::string DiffKindShown(DiffKind kind) {
    switch (kind) {
    case DiffKind::Added:
        //: What happened to a satellite, transponder or channel from the first image to the second
        return Tr("ImageDiff", "added");
    case DiffKind::Removed:
        return Tr("ImageDiff", "removed");
    default:
        return Tr("ImageDiff", "changed");
    }
}

std::string PartTableShown(const std::string& table) {
    const PartTexts* texts = PartTextsOf(table);
    return texts ? TrMarked(texts->name) : table;
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
        Compare(satellite.fields, VORMANTE_TEXT("ImageDiff", "name"), Text(x.name()), Text(y.name()));
        Compare(satellite.fields, VORMANTE_TEXT("ImageDiff", "LNB type"), x.lnbType() + 1, y.lnbType() + 1);
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
    for (const PartTexts& part : PART_TEXTS)
        if (counts[part.table] > 0)
            bytes.push_back({part.table, counts[part.table]});
    return bytes;
}

std::string DescribeByteDifferences(const std::vector<ByteDifference>& bytes) {
    std::string text;
    for (const ByteDifference& part : bytes) {
        const std::string count = Number(static_cast<long long>(part.count));
        const PartTexts* texts = PartTextsOf(part.table);
        text += (text.empty() ? "" : ", ") +
                (texts ? FillIn(TrMarked(texts->count), {count}) : count + " in the " + part.table);
    }
    return text;
}

std::string FormatDifferenceReport(const ImageDifference& difference, const std::string& firstName,
                                   const std::string& secondName) {
    // Names come from the images: their control characters are shown, not sent to the terminal.
    //: %1 and %2 are the names of the compared images
    std::string out = FillIn(Tr("ImageDiff", "Differences from %1 to %2"),
                             {EscapeControls(firstName), EscapeControls(secondName)}) +
                      "\n";
    if (difference.empty())
        return out + Tr("ImageDiff", "No differences.") + "\n";
    if (difference.fieldsEqual())
        out += Tr("ImageDiff", "No compared field differs, but bytes do.") + "\n";
    for (const SatelliteDifference& satellite : difference.satellites) {
        //: %1 satellite name, %2 its position, %3 added, removed or changed
        out += "\n" +
               FillIn(Tr("ImageDiff", "Satellite %1 (%2): %3"),
                      {EscapeControls(satellite.name), FormatPosition(satellite.position),
                       DiffKindShown(satellite.kind)}) +
               "\n";
        AppendFields(out, satellite.fields, "  ");
        for (const ItemDifference& item : satellite.transponders) {
            //: %1 a transponder (frequency, polarization, symbol rate), %2 added, removed or changed
            out += "  " +
                   FillIn(Tr("ImageDiff", "Transponder %1: %2"),
                          {EscapeControls(item.item), DiffKindShown(item.kind)}) +
                   "\n";
            AppendFields(out, item.fields, "    ");
        }
        for (const ItemDifference& item : satellite.channels) {
            out += "  " + EscapeControls(item.item) + ": " + DiffKindShown(item.kind) + "\n";
            AppendFields(out, item.fields, "    ");
        }
    }
    if (!difference.settings.empty()) {
        out += "\n" + Tr("ImageDiff", "Settings: changed") + "\n";
        AppendFields(out, difference.settings, "  ");
    }
    //: %1 lists the differing bytes per part, e.g. "3 in the channel table, 2 of the unused bytes"
    out += "\n" +
           FillIn(Tr("ImageDiff", "Bytes that differ: %1."), {DescribeByteDifferences(difference.bytes)}) +
           "\n";
    return out;
}

} // namespace vormante

#include "TransponderUpdate.h"

#include "ChainWalk.h"
#include "ChannelMatcher.h"
#include "EditOperations.h"
#include "RecordOperations.h"
#include "SystemSettings.h"
#include "Texts.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>
#include <tuple>
#include <unordered_map>

namespace vormante {

namespace {

constexpr std::int64_t MAX_FIELD = 0xFFFF;
constexpr int TOLERANCE = FREQUENCY_TOLERANCE_MHZ;

std::uint64_t Fingerprint(const ChannelDatabase& db) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const std::uint8_t byte : db.workingCopy())
        hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

// kHz to MHz or S/s to kS/s, rounded; 0 when the result does not fit the 16-bit field.
unsigned ToField(std::int64_t value) {
    if (value <= 0)
        return 0;
    const std::int64_t rounded = value / 1000 + (value % 1000 >= 500 ? 1 : 0);
    return rounded >= 1 && rounded <= MAX_FIELD ? static_cast<unsigned>(rounded) : 0;
}

// A transponder of the image's chain as the comparison sees it.
struct ImageTransponder {
    int slot = -1;
    unsigned frequency = 0;
    unsigned symbolRate = 0;
    bool vertical = false;
    int listedBy = 0; // the file line that lists it, 0 none
};

std::vector<ImageTransponder> ChainOf(const ChannelDatabase& db, int satellite) {
    std::vector<ImageTransponder> chain;
    chains::WalkTransponders(db, satellite, [&](int t) {
        const ConstTransponderRecord record = db.Transponder(t);
        chain.push_back({t, record.frequency(), record.symbolRate(), record.isVertical(), 0});
        return true;
    });
    return chain;
}

// Pairs the file's transponders of one satellite with the image's chain (empty
// for a satellite to add): the chain's members the file lists get listedBy, the
// rest of the file goes to added, updated or skipped.
class TransponderComparison {
public:
    TransponderComparison(std::vector<ImageTransponder>& chain, bool dvbS2) : chain_(chain), dvbS2_(dvbS2) {
        index_.reserve(chain.size());
        for (std::size_t i = 0; i < chain.size(); ++i)
            index_.push_back({chain[i].vertical, chain[i].frequency, i});
        std::sort(index_.begin(), index_.end());
    }

    void Run(const FileSatellite& source, std::vector<PlannedTransponder>& added,
             std::vector<PlannedTransponder>* updated, std::vector<SkippedTransponder>& skipped) {
        for (const FileProblem& problem : source.skipped)
            skipped.push_back({problem.line, problem.reason, false});
        for (const FileTransponder& entry : source.transponders)
            Take(entry, added, updated, skipped);
    }

private:
    using Key = std::tuple<bool, unsigned, std::size_t>;

    void Take(const FileTransponder& entry, std::vector<PlannedTransponder>& added,
              std::vector<PlannedTransponder>* updated, std::vector<SkippedTransponder>& skipped) {
        const unsigned frequency = ToField(entry.frequency);
        const unsigned symbolRate = ToField(entry.symbolRate);
        if (frequency == 0 || symbolRate == 0) {
            //: %1 is the list's frequency in kHz
            skipped.push_back({entry.line,
                               frequency == 0
                                   ? FillIn(Tr("TransponderUpdate",
                                               "frequency %1 kHz does not fit the receiver's 1 to 65535 MHz"),
                                            {std::to_string(entry.frequency)})
                                   : FillIn(Tr("TransponderUpdate",
                                               "symbol rate %1 does not fit the receiver's 1 to 65535 kS/s"),
                                            {std::to_string(entry.symbolRate)}),
                               false});
            return;
        }
        const bool vertical = IsReceivedVertical(entry.polarization);
        const bool leftOut = entry.dvbS2 && !dvbS2_;
        if (ImageTransponder* same = Closest(frequency, symbolRate, vertical)) {
            same->listedBy = entry.line;
            if (leftOut)
                //: %1 frequency in MHz, %2 symbol rate in kS/s, %3 polarization V or H
                skipped.push_back(
                    {entry.line,
                     FillIn(Tr("TransponderUpdate", "DVB-S2, left out; the image's %1/%2/%3 stays as it is"),
                            {std::to_string(same->frequency), std::to_string(same->symbolRate),
                             same->vertical ? "V" : "H"}),
                     true});
            else if (same->symbolRate != symbolRate && updated != nullptr)
                updated->push_back(
                    {same->slot, entry.line, same->frequency, symbolRate, same->symbolRate, vertical});
            return;
        }
        if (const int earlier = Repeated(frequency, vertical)) {
            skipped.push_back({entry.line,
                               FillIn(Tr("TransponderUpdate", "repeats the transponder of line %1"),
                                      {std::to_string(earlier)}),
                               false});
            return;
        }
        if (leftOut) {
            skipped.push_back({entry.line, Tr("TransponderUpdate", "DVB-S2, left out"), true});
            return;
        }
        PlannedTransponder planned;
        planned.line = entry.line;
        planned.frequency = frequency;
        planned.symbolRate = symbolRate;
        planned.vertical = vertical;
        added.push_back(planned);
        addedLines_.emplace(AddedKey(frequency, vertical), entry.line);
    }

    static unsigned AddedKey(unsigned frequency, bool vertical) {
        return frequency << 1 | (vertical ? 1u : 0u);
    }

    // The chain's unlisted transponder nearest in frequency within the tolerance;
    // of equals, the one with the same symbol rate, then the first in the chain.
    ImageTransponder* Closest(unsigned frequency, unsigned symbolRate, bool vertical) {
        ImageTransponder* best = nullptr;
        auto bestRank = std::make_pair(TOLERANCE + 1, 1);
        const unsigned low = frequency > unsigned(TOLERANCE) ? frequency - TOLERANCE : 0;
        for (auto it = std::lower_bound(index_.begin(), index_.end(), Key{vertical, low, 0});
             it != index_.end() && std::get<0>(*it) == vertical && std::get<1>(*it) <= frequency + TOLERANCE;
             ++it) {
            ImageTransponder& candidate = chain_[std::get<2>(*it)];
            if (candidate.listedBy != 0)
                continue;
            const auto rank = std::make_pair(std::abs(int(candidate.frequency) - int(frequency)),
                                             candidate.symbolRate == symbolRate ? 0 : 1);
            if (rank < bestRank || (rank == bestRank && best != nullptr && &candidate < best)) {
                best = &candidate;
                bestRank = rank;
            }
        }
        return best;
    }

    // The line of a transponder already listed or added that this one repeats, 0 none.
    int Repeated(unsigned frequency, bool vertical) const {
        const unsigned low = frequency > unsigned(TOLERANCE) ? frequency - TOLERANCE : 0;
        for (auto it = std::lower_bound(index_.begin(), index_.end(), Key{vertical, low, 0});
             it != index_.end() && std::get<0>(*it) == vertical && std::get<1>(*it) <= frequency + TOLERANCE;
             ++it)
            if (chain_[std::get<2>(*it)].listedBy != 0)
                return chain_[std::get<2>(*it)].listedBy;
        for (unsigned f = low; f <= frequency + TOLERANCE; ++f)
            if (const auto it = addedLines_.find(AddedKey(f, vertical)); it != addedLines_.end())
                return it->second;
        return 0;
    }

    std::vector<ImageTransponder>& chain_;
    bool dvbS2_;
    std::vector<Key> index_;
    std::unordered_map<unsigned, int> addedLines_; // frequency and polarization -> the first line adding it
};

std::vector<int> ChannelsPerTransponder(const ChannelDatabase& db) {
    std::vector<int> counts(TRANSPONDER_SLOTS, 0);
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        chains::WalkChannels(db, s, [&](int c) {
            const int t = db.Channel(c).transponder();
            if (IsTransponderSlot(t))
                ++counts[static_cast<std::size_t>(t)];
            return true;
        });
    return counts;
}

bool ContainsCBand(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return lower.find("c-band") != std::string::npos;
}

std::string NameOf(const FileSatellite& satellite) {
    const std::string name = StoredSatelliteName(satellite.name);
    return name.empty() ? FormatPosition(satellite.position) : name;
}

// What the proposals look at besides the satellite itself.
struct BeamContext {
    const SatelliteFile& file;
    std::multimap<int, int> byPosition; // file satellites by position
    std::vector<bool> cBand;            // per file satellite
    std::vector<bool> taken;            // per file satellite: another image satellite takes it
    std::set<int> imagePositions;       // where the image has satellites of its own
};

// The beams of the position: those at it, and one tenth beside when one of the
// two is C-band. A beam at the satellite's position under the satellite's own
// name is its own (as in a file this program wrote), whatever band its
// frequencies suggest. Otherwise the proposal matches the LNB's band and prefers
// the exact position, then the same name, then a beam no other satellite took,
// then the first in the file. A beam beside, at a position where the image has a
// satellite of its own, is left to that one.
void FindBeams(const BeamContext& context, SatelliteUpdate& update) {
    const auto& [file, byPosition, cBand, taken, imagePositions] = context;
    const auto [first, last] = byPosition.equal_range(update.position);
    bool cBandHere = false;
    for (auto it = first; it != last; ++it) {
        update.beams.push_back(it->second);
        cBandHere = cBandHere || cBand[static_cast<std::size_t>(it->second)];
    }
    for (const int beside : {update.position - 1, update.position + 1}) {
        const auto [from, to] = byPosition.equal_range(beside);
        for (auto it = from; it != to; ++it)
            if (cBandHere || cBand[static_cast<std::size_t>(it->second)])
                update.beams.push_back(it->second);
    }
    std::sort(update.beams.begin(), update.beams.end());
    std::tuple<int, int, int, int> bestRank{2, 2, 2, 2};
    for (const int beam : update.beams) {
        const auto index = static_cast<std::size_t>(beam);
        const FileSatellite& satellite = file.satellites[index];
        const bool sameName = NameOf(satellite) == update.name;
        const bool own = sameName && satellite.position == update.position;
        if (!own && (cBand[index] != update.cBandLnb || (satellite.position != update.position &&
                                                         imagePositions.count(satellite.position) != 0)))
            continue;
        const std::tuple<int, int, int, int> rank{own ? 0 : 1, satellite.position == update.position ? 0 : 1,
                                                  sameName ? 0 : 1, taken[index] ? 1 : 0};
        if (rank < bestRank) {
            bestRank = rank;
            update.proposedBeam = beam;
        }
    }
}

unsigned ProposedLnbType(const ChannelDatabase& db, bool cBand) {
    for (unsigned type = 0; type < LNB_TYPES; ++type)
        if (IsCBandLnb(db, type) == cBand)
            return type;
    return 0;
}

// Files write the position and the band before the name ("19.2E Astra 1N/1P",
// "0.8W Ku-band Thor 5/6/7"). The record keeps the position apart and Ku-band is
// the usual band, so the 15 characters go to the rest; "C-band" stays.
std::size_t PrefixLength(const std::string& name) {
    std::size_t i = 0;
    while (i < name.size() && i < 3 && std::isdigit(static_cast<unsigned char>(name[i])))
        ++i;
    const bool position = i > 0 && i + 4 < name.size() && name[i] == '.' &&
                          std::isdigit(static_cast<unsigned char>(name[i + 1])) &&
                          (name[i + 2] == 'E' || name[i + 2] == 'W') && name[i + 3] == ' ';
    i = position ? i + 4 : 0;
    static const std::string KU_BAND = "Ku-band ";
    return name.compare(i, KU_BAND.size(), KU_BAND) == 0 && name.size() > i + KU_BAND.size()
               ? i + KU_BAND.size()
               : i;
}

// Marks what fits the tables, in the plan's order, and counts the rest.
void CountRoom(const ChannelDatabase& db, TransponderUpdatePlan& plan) {
    int freeTransponders = 0, freeSatellites = 0;
    for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
        freeTransponders += db.Transponder(t).isUsed() ? 0 : 1;
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        freeSatellites += db.Satellite(s).isUsed() ? 0 : 1;
    for (SatelliteUpdate& update : plan.satellites)
        for (PlannedTransponder& unlisted : update.unlisted)
            if (plan.deleteUnlisted && unlisted.channels == 0) {
                unlisted.deleted = true;
                freeTransponders += db.Transponder(unlisted.slot).isUsed() ? 1 : 0;
            }
    const auto place = [&](PlannedTransponder& planned, bool room) {
        planned.fits = room && freeTransponders > 0;
        freeTransponders -= planned.fits ? 1 : 0;
        plan.transpondersNotFitting += planned.fits ? 0 : 1;
    };
    for (SatelliteUpdate& update : plan.satellites)
        for (PlannedTransponder& planned : update.added)
            place(planned, true);
    for (SatelliteAddition& addition : plan.additions) {
        addition.fits = freeSatellites > 0;
        freeSatellites -= addition.fits ? 1 : 0;
        plan.satellitesNotFitting += addition.fits ? 0 : 1;
        for (PlannedTransponder& planned : addition.transponders)
            place(planned, addition.fits);
    }
}

} // namespace

bool TransponderUpdatePlan::ChangesImage() const {
    const auto fits = [](const PlannedTransponder& planned) { return planned.fits; };
    const auto deleted = [](const PlannedTransponder& planned) { return planned.deleted; };
    for (const SatelliteUpdate& update : satellites)
        if (!update.updated.empty() || std::any_of(update.added.begin(), update.added.end(), fits) ||
            std::any_of(update.unlisted.begin(), update.unlisted.end(), deleted))
            return true;
    return std::any_of(additions.begin(), additions.end(),
                       [](const SatelliteAddition& addition) { return addition.fits; });
}

bool IsCBandLnb(const ChannelDatabase& db, unsigned lnbType) {
    if (lnbType >= unsigned(LNB_TYPES))
        return false;
    const LnbFrequencies frequencies = LnbFrequenciesOf(db.Settings(), static_cast<int>(lnbType));
    return frequencies.lowMHz == C_BAND_OSCILLATOR_MHZ || frequencies.highMHz == C_BAND_OSCILLATOR_MHZ;
}

bool IsCBandBeam(const FileSatellite& satellite) {
    if (satellite.transponders.empty())
        return ContainsCBand(satellite.name);
    std::size_t below = 0;
    for (const FileTransponder& transponder : satellite.transponders)
        below += transponder.frequency < std::int64_t(C_BAND_OSCILLATOR_MHZ) * 1000 ? 1 : 0;
    return 2 * below > satellite.transponders.size();
}

std::string StoredSatelliteName(const std::string& utf8Name) {
    std::size_t i = PrefixLength(utf8Name);
    std::string latin1;
    for (; i < utf8Name.size() && latin1.size() < std::size_t(SatelliteRecord::NAME_MAX_CHARS);) {
        const auto lead = static_cast<unsigned char>(utf8Name[i]);
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 1;
        unsigned code = lead < 0x80 ? lead : '?';
        // Two-byte sequences reach U+07FF; only U+0080..U+00FF have a Latin-1 byte.
        if (length == 2 && i + 1 < utf8Name.size() && lead <= 0xC3)
            code = (lead & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8Name[i + 1]) & 0x3Fu);
        latin1.push_back(static_cast<char>(code < 0x20 || (code >= 0x7F && code < 0xA0) ? ' ' : code));
        i += length;
    }
    while (!latin1.empty() && latin1.back() == ' ')
        latin1.pop_back();
    return latin1;
}

TransponderUpdatePlan PlanTransponderUpdate(const ChannelDatabase& db, const SatelliteFile& file,
                                            const TransponderUpdateOptions& options) {
    TransponderUpdatePlan plan;
    plan.imageFingerprint = Fingerprint(db);
    plan.deleteUnlisted = options.deleteUnlisted;
    BeamContext context{file,
                        {},
                        std::vector<bool>(file.satellites.size()),
                        std::vector<bool>(file.satellites.size(), false),
                        {}};
    for (std::size_t i = 0; i < file.satellites.size(); ++i) {
        context.byPosition.emplace(file.satellites[i].position, static_cast<int>(i));
        context.cBand[i] = IsCBandBeam(file.satellites[i]);
    }
    for (int s = 0; s < SATELLITE_SLOTS; ++s)
        if (db.Satellite(s).isUsed())
            context.imagePositions.insert(db.Satellite(s).position());
    const std::vector<int> channels = ChannelsPerTransponder(db);
    std::vector<bool>& taken = context.taken;
    const std::vector<bool>& cBand = context.cBand;

    for (int s = 0; s < SATELLITE_SLOTS; ++s) {
        const ConstSatelliteRecord record = db.Satellite(s);
        if (!record.isUsed())
            continue;
        SatelliteUpdate update;
        update.satellite = s;
        update.name = record.name();
        update.position = record.position();
        update.lnbType = record.lnbType();
        update.cBandLnb = IsCBandLnb(db, update.lnbType);
        FindBeams(context, update);
        const auto chosen = options.beams.find(s);
        update.beam = chosen == options.beams.end() ? update.proposedBeam : chosen->second;
        if (std::find(update.beams.begin(), update.beams.end(), update.beam) == update.beams.end())
            update.beam = -1;
        if (update.beam >= 0) {
            taken[static_cast<std::size_t>(update.beam)] = true;
            std::vector<ImageTransponder> chain = ChainOf(db, s);
            TransponderComparison(chain, options.dvbS2)
                .Run(file.satellites[static_cast<std::size_t>(update.beam)], update.added, &update.updated,
                     update.skipped);
            for (const ImageTransponder& member : chain)
                if (member.listedBy == 0)
                    update.unlisted.push_back({member.slot, 0, member.frequency, member.symbolRate, 0,
                                               member.vertical,
                                               channels[static_cast<std::size_t>(member.slot)]});
        }
        plan.satellites.push_back(std::move(update));
    }

    for (std::size_t i = 0; i < file.satellites.size(); ++i) {
        if (taken[i])
            continue;
        const FileSatellite& satellite = file.satellites[i];
        const int index = static_cast<int>(i);
        plan.offers.push_back(
            {index, NameOf(satellite), satellite.position, cBand[i], ProposedLnbType(db, cBand[i])});
        const auto asked = options.additions.find(index);
        if (asked == options.additions.end())
            continue;
        SatelliteAddition addition;
        addition.file = index;
        addition.name = plan.offers.back().name;
        addition.position = satellite.position;
        addition.lnbType = asked->second & 7u;
        std::vector<ImageTransponder> none;
        TransponderComparison(none, options.dvbS2)
            .Run(satellite, addition.transponders, nullptr, addition.skipped);
        plan.additions.push_back(std::move(addition));
    }
    CountRoom(db, plan);
    return plan;
}

bool ApplyTransponderUpdate(ChannelDatabase& db, const TransponderUpdatePlan& plan) {
    if (Fingerprint(db) != plan.imageFingerprint)
        return false;
    const auto valuesOf = [](const PlannedTransponder& planned) {
        return TransponderValues{planned.frequency, planned.symbolRate, planned.vertical ? 1u : 0u};
    };
    for (const SatelliteUpdate& update : plan.satellites)
        for (const PlannedTransponder& planned : update.updated)
            if (IsTransponderSlot(planned.slot))
                db.Transponder(planned.slot).setSymbolRate(planned.symbolRate & 0xFFFFu);
    for (const SatelliteUpdate& update : plan.satellites)
        for (const PlannedTransponder& planned : update.unlisted)
            if (planned.deleted && planned.channels == 0)
                DeleteTransponder(db, planned.slot);
    for (const SatelliteUpdate& update : plan.satellites)
        for (const PlannedTransponder& planned : update.added)
            if (planned.fits)
                AddTransponderWith(db, update.satellite, valuesOf(planned));
    for (const SatelliteAddition& addition : plan.additions) {
        if (!addition.fits)
            continue;
        const int slot = AddSatelliteWith(db, {addition.name, addition.position, addition.lnbType});
        if (!IsSatelliteSlot(slot))
            continue;
        for (const PlannedTransponder& planned : addition.transponders)
            if (planned.fits)
                AddTransponderWith(db, slot, valuesOf(planned));
    }
    return true;
}

} // namespace vormante

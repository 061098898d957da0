// Bringing a satellites.xml transponder list (see SatelliteFile.h) into an
// image: the plan of what will change, for the preview, and applying it in one
// call.
//
// Each satellite of the image is paired with a satellite of the file at its
// position. Files list the C-band beam of a position one tenth beside the
// Ku-band beam, so the beams within one tenth are candidates and the
// satellite's LNB type picks one: an LNB with a 5150 MHz oscillator receives
// C-band. A transponder of the file and one of the image are the same when
// they are received with the same polarization and their frequencies lie
// within the channel matcher's +-2 MHz. For a paired satellite the plan lists
// the file's transponders the image lacks (to add), the image's whose symbol
// rate differs (updated in place, so their channels stay on them) and the
// image's that the file does not list (kept, or deleted when asked and they
// carry no channels). Satellites of the file that no image satellite takes
// may be added with their transponders.
//
// DVB-S2 transponders are left out unless asked for, and values that do not
// fit the records' 16-bit MHz and kS/s fields are skipped; both are counted.
// Additions take free slots in the order the plan lists them (the paired
// satellites in slot order, then the new satellites in file order, each in
// file order) as long as the tables have room; what does not fit is counted
// and never written.
#pragma once

#include "SatelliteFile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vormante {

// Both the frequency and the oscillator are in MHz.
inline constexpr unsigned C_BAND_OSCILLATOR_MHZ = 5150;

struct TransponderUpdateOptions {
    bool dvbS2 = false; // take DVB-S2 transponders too
    bool deleteUnlisted =
        false; // delete the image's transponders the file does not list (never one with channels)
    // Image satellite slot -> the file satellite it takes (index into the file), or
    // -1 for none. A satellite not named takes the beam proposed for it.
    std::map<int, int> beams;
    // File satellite (index) to add -> the LNB type (0..7) it gets.
    std::map<int, unsigned> additions;
};

// One transponder of the plan. Frequencies in MHz, symbol rates in kS/s.
struct PlannedTransponder {
    int slot = -1; // the image's transponder; -1 for one to add
    int line = 0;  // where the file lists it; 0 when it does not
    unsigned frequency = 0;
    unsigned symbolRate = 0;       // the new one when updated
    unsigned symbolRateBefore = 0; // updated only
    bool vertical = false;
    int channels = 0;     // not in the file: the channels it carries
    bool fits = true;     // to add: a free slot is left for it
    bool deleted = false; // not in the file: deleted when applied
};

struct SkippedTransponder {
    int line = 0;
    std::string reason;
    bool dvbS2 = false; // left out as DVB-S2 rather than for a fault
};

struct SatelliteUpdate {
    int satellite = -1; // the image's slot
    std::string name;   // Latin-1 as stored
    int position = 0;
    unsigned lnbType = 0;
    bool cBandLnb = false;
    std::vector<int> beams; // file satellites within one tenth of its position, in file order
    int proposedBeam = -1;  // the one its LNB type picks, -1 none
    int beam = -1;          // the one taken, -1 none
    std::vector<PlannedTransponder> added, updated, unlisted;
    std::vector<SkippedTransponder> skipped;
};

// A file satellite that no image satellite takes: it may be added.
struct SatelliteOffer {
    int file = -1;
    std::string name; // as stored (see StoredSatelliteName)
    int position = 0;
    bool cBand = false;
    unsigned proposedLnbType = 0; // a C-band beam proposes an LNB type with 5150 MHz
};

struct SatelliteAddition {
    int file = -1;
    std::string name; // Latin-1, at most 15 characters
    int position = 0;
    unsigned lnbType = 0;
    bool fits = true; // a free satellite slot is left for it
    std::vector<PlannedTransponder> transponders;
    std::vector<SkippedTransponder> skipped;
};

struct TransponderUpdatePlan {
    std::uint64_t imageFingerprint = 0; // of the image planned on; applying refuses any other
    bool deleteUnlisted = false;
    std::vector<SatelliteUpdate> satellites;  // every used satellite of the image, slot order
    std::vector<SatelliteOffer> offers;       // file order
    std::vector<SatelliteAddition> additions; // the offers asked for, file order
    int satellitesNotFitting = 0;
    int transpondersNotFitting = 0;

    bool ChangesImage() const;
};

// Whether the LNB type receives C-band (one of its oscillators is at 5150 MHz).
bool IsCBandLnb(const ChannelDatabase& db, unsigned lnbType);
// Whether a file satellite is a C-band beam: most of its transponders lie below
// 5150 MHz, or, without transponders, its name says "C-band".
bool IsCBandBeam(const FileSatellite& satellite);
// The name a file satellite gets in the image: without the position (and a
// "Ku-band") the file writes before it, in Latin-1 ('?' for what Latin-1 lacks),
// cut to 15 characters.
std::string StoredSatelliteName(const std::string& utf8Name);

TransponderUpdatePlan PlanTransponderUpdate(const ChannelDatabase& db, const SatelliteFile& file,
                                            const TransponderUpdateOptions& options);

// Applies the plan: symbol rates, deletions, then the additions that fit, in
// the plan's order. False, changing nothing, when the image is not the one the
// plan was made on.
bool ApplyTransponderUpdate(ChannelDatabase& db, const TransponderUpdatePlan& plan);

} // namespace vormante

// What must hold for any bytes read as satellites.xml, checked by the fuzz target
// fuzz_satxml_reader and replayed on its findings by tst_satellitesxml.
//
// A refusal gives a reason and, when it has one, a line inside the text. An
// accepted file is planned on the demo image with every option on and every
// offered satellite ticked: applying adds exactly what the plan says fits,
// never beyond the tables, leaves a consistent image, and the image then
// exported reads back as "no changes".
#pragma once

#include "ListFuzzSupport.h"
#include "exchange/SatellitesXml.h"
#include "model/ConsistencyCheck.h"
#include "model/SampleImages.h"
#include "model/TransponderUpdate.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace satxmlcheck {

using namespace vormante;

inline int UsedTransponders(const ChannelDatabase& db) {
    int used = 0;
    for (int t = 0; t < TRANSPONDER_SLOTS; ++t)
        used += db.Transponder(t).isUsed() ? 1 : 0;
    return used;
}

// Empty when every rule holds, else what broke.
inline std::string Check(const QByteArray& bytes) {
    const int lines = CountLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const SatellitesXmlRead read = ReadSatellitesXml(bytes);
    if (!read.ok)
        return read.error.empty() || read.errorLine < 0 || read.errorLine > lines
                   ? "refusal without a reason or outside the text: " + read.error
                   : std::string();
    for (const FileProblem& problem : read.file.skipped)
        if (problem.line < 1 || problem.line > lines || problem.reason.empty())
            return "a skipped satellite without its line or reason";

    static const std::vector<std::uint8_t> DEMO = BuildDemoImage();
    static ChannelDatabase db;
    if (!db.Load(DEMO).ok)
        return "the demo image does not load";
    db.BuildRecordPointers();
    TransponderUpdateOptions options;
    options.dvbS2 = true;
    options.deleteUnlisted = true;
    for (const SatelliteOffer& offer : PlanTransponderUpdate(db, read.file, options).offers)
        options.additions[offer.file] = offer.proposedLnbType;
    const TransponderUpdatePlan plan = PlanTransponderUpdate(db, read.file, options);
    int expected = UsedTransponders(db);
    for (const SatelliteUpdate& update : plan.satellites) {
        for (const PlannedTransponder& planned : update.added)
            expected += planned.fits ? 1 : 0;
        for (const PlannedTransponder& planned : update.unlisted)
            expected -= planned.deleted ? 1 : 0;
    }
    for (const SatelliteAddition& addition : plan.additions)
        for (const PlannedTransponder& planned : addition.transponders)
            expected += planned.fits ? 1 : 0;
    if (!ApplyTransponderUpdate(db, plan))
        return "a fresh plan was refused";
    if (UsedTransponders(db) != expected || expected > TRANSPONDER_SLOTS)
        return "the transponders applied are not those the plan says fit";
    const auto problems = CheckConsistency(db);
    if (!problems.empty())
        return "the update left the image unsound: " + problems.front().message;
    const SatellitesXmlRead back = ReadSatellitesXml(WriteSatellitesXml(SatelliteFileOf(db)));
    if (!back.ok)
        return "the exported image does not read back: " + back.error;
    if (PlanTransponderUpdate(db, back.file, {}).ChangesImage())
        return "the exported image does not read back as no changes";
    return {};
}

} // namespace satxmlcheck

#include "SatellitesXmlBench.h"

#include "document/FileAccess.h"
#include "exchange/SatellitesXml.h"
#include "model/TransponderUpdate.h"

#include <QDir>
#include <QFile>

#include <memory>
#include <stdexcept>

namespace vormante {

namespace bench {

namespace {

constexpr double PLAN_LIMIT_MS = 50;
constexpr double EXPORT_LIMIT_MS = 20;

// The real list kept beside the project (../shared/data from the source tree or a folder above it).
QString RealListPath() {
    QDir dir(QStringLiteral(VORMANTE_SOURCE_DIR));
    for (int up = 0; up < 3 && dir.cdUp(); ++up) {
        const QString path = dir.filePath(QStringLiteral("shared/data/satellites.xml"));
        if (QFile::exists(path))
            return path;
    }
    return {};
}

// A list shaped like the real one: 212 satellites, 3412 transponders, four in five of them
// DVB-S2, one in six circular, every third position with a C-band beam one tenth beside.
// The first hundred positions are the full image's, so they pair.
vormante::SatelliteFile WrittenList() {
    vormante::SatelliteFile file;
    constexpr int SATELLITES = 212, TRANSPONDERS = 3412;
    int transponder = 0;
    for (int s = 0; s < SATELLITES; ++s) {
        vormante::FileSatellite satellite;
        const bool cBand = s % 3 == 2;
        const int base = s < 100 ? (s * 36) % 3600 - 1799 : -1795 + (s - 100) * 31;
        satellite.position = cBand ? base + 1 : base;
        satellite.name = std::to_string(satellite.position) + (cBand ? " C-band Bench" : " Ku-band Bench");
        const int count = TRANSPONDERS / SATELLITES + (s < TRANSPONDERS % SATELLITES ? 1 : 0);
        for (int t = 0; t < count; ++t, ++transponder) {
            vormante::FileTransponder entry;
            entry.frequency =
                (cBand ? 3700000 : 10700000) + std::int64_t(t) * (cBand ? 20000 : 37000) + s % 50 * 1000;
            entry.symbolRate = 22000000 + std::int64_t(t % 12) * 500000;
            entry.polarization = transponder % 6 == 5 ? 2u + unsigned(t % 2) : unsigned(t % 2);
            entry.dvbS2 = transponder % 5 != 0;
            satellite.transponders.push_back(entry);
        }
        file.satellites.push_back(std::move(satellite));
    }
    return file;
}

} // namespace

void RunSatellitesXmlBench(const std::vector<std::uint8_t>& image, int runs, Report& report) {
    auto db = std::make_unique<vormante::ChannelDatabase>();
    if (!db->Load(std::span<const std::uint8_t>(image)).ok)
        throw std::runtime_error("the image does not load");
    db->BuildRecordPointers();

    const QString realPath = RealListPath();
    QByteArray xml;
    if (!realPath.isEmpty()) {
        const vormante::FileReadResult read =
            vormante::files::Read(realPath, vormante::MAX_SATELLITES_XML_BYTES);
        if (read.ok && read.bytes.size() <= vormante::MAX_SATELLITES_XML_BYTES)
            xml = vormante::files::ToByteArray(read);
    }
    const bool real = !xml.isEmpty();
    if (!real)
        xml = vormante::WriteSatellitesXml(WrittenList());
    report.Note(
        real ? QStringLiteral("satellites.xml: %1").arg(realPath)
             : QStringLiteral("satellites.xml: written (%1 bytes); no real list beside the source tree")
                   .arg(xml.size()));

    vormante::SatellitesXmlRead read;
    const Timing readMs = TimeMs(runs, [&] { read = vormante::ReadSatellitesXml(xml); });
    if (!read.ok)
        throw std::runtime_error("the satellites.xml list does not read: " + read.error);
    std::size_t transponders = 0;
    for (const vormante::FileSatellite& satellite : read.file.satellites)
        transponders += satellite.transponders.size();
    report.Add("satxml_read_ms",
               QStringLiteral("read satellites.xml (%1 satellites, %2 transponders)")
                   .arg(read.file.satellites.size())
                   .arg(transponders),
               readMs, 0, "ms");

    // The heaviest choice: every satellite of the file that the image lacks ticked to be added.
    vormante::TransponderUpdateOptions options;
    for (const vormante::SatelliteOffer& offer :
         vormante::PlanTransponderUpdate(*db, read.file, options).offers)
        options.additions[offer.file] = offer.proposedLnbType;
    vormante::TransponderUpdatePlan plan;
    const Timing planMs =
        TimeMs(runs, [&] { plan = vormante::PlanTransponderUpdate(*db, read.file, options); });
    report.Add("satxml_plan_ms", QStringLiteral("plan the update from it, all its other satellites ticked"),
               planMs, PLAN_LIMIT_MS, "ms");
    if (plan.satellitesNotFitting == 0)
        report.Warn(QStringLiteral("the full image found room for satellites of the list"));

    QByteArray written;
    const Timing exportMs =
        TimeMs(runs, [&] { written = vormante::WriteSatellitesXml(vormante::SatelliteFileOf(*db)); });
    report.Add("satxml_export_ms", QStringLiteral("export satellites.xml (2000 transponders)"), exportMs,
               EXPORT_LIMIT_MS, "ms");
    const vormante::SatellitesXmlRead back = vormante::ReadSatellitesXml(written);
    if (!back.ok || vormante::PlanTransponderUpdate(*db, back.file, {}).ChangesImage())
        report.Warn(QStringLiteral("the exported list does not read back as no changes"));
}

} // namespace bench

} // namespace vormante

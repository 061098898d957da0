// Fuzz target: image bytes into what the command-line companion reads out of an
// image: the summary of `info`, the consistency check of `check` and the JSON of
// `dump`. Inputs shorter than an image are padded with zeros, longer ones cut, so
// every input is an image. The dump must always be well-formed JSON with one
// object per used record.
#include "ImageDump.h"
#include "ImageSummary.h"
#include "model/ConsistencyCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

using namespace vormante;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> image(data, data + std::min(size, IMAGE_SIZE));
    image.resize(IMAGE_SIZE, 0);
    static ChannelDatabase db;
    if (!db.Load(image).ok)
        std::abort();
    db.BuildRecordPointers();

    const cli::ImageSummary summary = cli::SummarizeImage(db);
    (void)CheckConsistency(db);
    std::ostringstream out;
    cli::WriteImageJson(db, out);

    const std::string text = out.str();
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) {
        std::fprintf(stderr, "the dump is no JSON object: %s at %d\n", qPrintable(error.errorString()),
                     error.offset);
        std::abort();
    }
    const QJsonObject root = json.object();
    if (root.value(QStringLiteral("satellites")).toArray().size() != summary.satellites ||
        root.value(QStringLiteral("transponders")).toArray().size() != summary.transponders) {
        std::fprintf(stderr, "the dump and the summary count different records\n");
        std::abort();
    }
    return 0;
}

// vormante-bench: the editor's speed and memory figures against their limits.
// Prints a table and writes the figures as one JSON object (times in ms, ratios
// without unit, memory in MB); each is the median of repeated runs on the full
// sample image, with every window offscreen.
#include "ArchiveBench.h"
#include "BulkBench.h"
#include "FindBench.h"
#include "HistoryBench.h"
#include "ListBench.h"
#include "Measure.h"
#include "NamesBench.h"
#include "PageBench.h"
#include "ProcessBench.h"
#include "SatellitesXmlBench.h"

#include "document/FileAccess.h"
#include "model/SampleImages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

using namespace vormante;

namespace {

const char USAGE[] = "Usage: vormante-bench [--quick] [--runs N] [--transfer-runs N] [--json FILE]\n"
                     "\n"
                     "  --quick            leave the paced transfers out (about 36 s each run, and\n"
                     "                     the check after sending, about 54 s each run)\n"
                     "  --runs N           runs of every in-process figure (default 15)\n"
                     "  --startup-runs N   start-ups of the editor (default 7)\n"
                     "  --transfer-runs N  paced sends and receives (default 3)\n"
                     "  --json FILE        write the figures there as well\n";

int Usage(const char* problem) {
    std::fprintf(stderr, "vormante-bench: %s\n\n%s", problem, USAGE);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return bench::RunStartupChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    bool quick = false;
    int runs = 15;
    int startupRuns = 7;
    int transferRuns = 3;
    QString json;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto count = [&](int* target) {
            if (!hasValue)
                return false;
            *target = std::atoi(argv[++i]);
            return *target > 0;
        };
        if (arg == "--quick") {
            quick = true;
        } else if (arg == "--runs") {
            if (!count(&runs))
                return Usage("--runs takes a count from 1 up");
        } else if (arg == "--startup-runs") {
            if (!count(&startupRuns))
                return Usage("--startup-runs takes a count from 1 up");
        } else if (arg == "--transfer-runs") {
            if (!count(&transferRuns))
                return Usage("--transfer-runs takes a count from 1 up");
        } else if (arg == "--json" && hasValue) {
            json = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(USAGE, stdout);
            return 0;
        } else {
            return Usage(("unknown argument \"" + arg + "\"").c_str());
        }
    }

    QApplication app(argc, argv);
    QTemporaryDir work;
    const std::vector<std::uint8_t> image = vormante::BuildFullImage();
    const QString imagePath = work.filePath(QStringLiteral("full.bin"));
    if (!work.isValid() || !vormante::files::Write(imagePath, image).ok()) {
        std::fprintf(stderr, "vormante-bench: cannot write the sample image to a temporary folder\n");
        return 1;
    }
    // The transfers keep their images in an archive of the bench's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(work.filePath(QStringLiteral("data"))));

    bench::Report report;
    try {
        bench::RunPageBench(image, runs, report);
        bench::RunFindBench(image, runs, report);
        bench::RunListBench(image, runs, report);
        bench::RunHistoryBench(image, runs, report);
        bench::RunBulkBench(image, runs, report);
        bench::RunNamesBench(image, runs, report);
        bench::RunSatellitesXmlBench(image, runs, report);
        bench::RunArchiveBench(image, work.path(), runs, report);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vormante-bench: %s\n", error.what());
        return 1;
    }
    bench::RunStartupBench(QCoreApplication::applicationFilePath(), imagePath, startupRuns, report);
    if (!quick) {
        bench::RunTransferBench(QCoreApplication::applicationDirPath(), imagePath, work.path(), transferRuns,
                                report);
        bench::RunCheckBench(QCoreApplication::applicationDirPath(), imagePath, work.path(), transferRuns,
                             report);
    }

    const int over = report.Print();
    std::printf("%s\n", over == 0 ? "All figures within their limits."
                                  : qPrintable(QStringLiteral("%1 figure(s) over the limit.").arg(over)));
    if (!json.isEmpty() && !report.WriteJson(json)) {
        std::fprintf(stderr, "vormante-bench: cannot write %s\n", qPrintable(json));
        return 1;
    }
    return report.warnings() > 0 ? 1 : 0;
}

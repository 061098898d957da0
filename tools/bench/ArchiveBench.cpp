#include "ArchiveBench.h"
#include "Harness.h"

#include "archive/ImageArchive.h"
#include "document/Document.h"
#include "model/ImageLayout.h"
#include "views/lists/ArchiveDialog.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>

#include <stdexcept>

namespace vormante {

namespace bench {

namespace {

constexpr int ARCHIVE_SIZE = 500;
// The line time of a whole image at 115200 baud, 8N1: 204800 bytes of 10 bits.
constexpr double LINE_SECONDS = 204800.0 * 10 / 115200;

// The image made distinct by a number in an opaque sector header.
QByteArray Variant(const std::vector<std::uint8_t>& image, int number) {
    QByteArray bytes(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
    const auto at = static_cast<qsizetype>(vormante::layout::SECTOR_OFFSETS[1]) + 4;
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace

void RunArchiveBench(const std::vector<std::uint8_t>& image, const QString& workDir, int runs,
                     Report& report) {
    vormante::ImageArchive archive(QDir(workDir).filePath(QStringLiteral("archive-bench")));
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-1);
    for (int i = 0; i < ARCHIVE_SIZE; ++i) {
        const auto kind = i % 3 == 0   ? vormante::ArchiveKind::BeforeSave
                          : i % 3 == 1 ? vormante::ArchiveKind::Sent
                                       : vormante::ArchiveKind::Received;
        if (!archive
                 .Add(kind, Variant(image, i), QStringLiteral("/home/user/receiver.bin"),
                      QStringLiteral("COM1"), start.addSecs(i))
                 .ok)
            throw std::runtime_error("the archive for the bench cannot be written");
    }
    int next = ARCHIVE_SIZE;
    // A new image each run: the archive stays at its bound, so each run also drops the oldest.
    report.Add("archive_write_ms", "keep one image in an archive of 500",
               TimeMs(runs,
                      [&] {
                          archive.Add(vormante::ArchiveKind::Received, Variant(image, next++), {},
                                      QStringLiteral("COM1"));
                      }),
               20, "ms");

    vormante::Document document;
    ArchiveDialog dialog(archive, document, {});
    report.Add("archive_list_ms", "the Archive window's list of 500 images",
               TimeMs(runs, [&] { dialog.Refill(); }), 50, "ms");
    if (dialog.entries().size() != ARCHIVE_SIZE)
        report.Warn(QStringLiteral("the archive window listed %1 images, not %2")
                        .arg(dialog.entries().size())
                        .arg(ARCHIVE_SIZE));
}

void RunCheckBench(const QString& toolDir, const QString& image, const QString& workDir, int runs,
                   Report& report) {
    std::vector<double> ratios;
    QString problem;
    for (int run = 0; run < std::max(1, runs) && problem.isEmpty(); ++run) {
        QProcess sim;
        const QString memory = QDir(workDir).filePath(QStringLiteral("memory-%1.bin").arg(run));
        const QString device =
            StartSimulator(sim, toolDir,
                           {QStringLiteral("accept"), QStringLiteral("--quiet"), QStringLiteral("--memory"),
                            memory, QStringLiteral("--then-give")});
        if (device.isEmpty()) {
            problem = QStringLiteral("the receiver simulator did not start");
            break;
        }
        QProcess cli;
        // The check's receive starts when its status leaves "waiting": the second transfer status.
        qint64 receiveStart = -1;
        bool checking = false;
        QByteArray progress;
        const CliEnd ended = WatchCli(
            cli, toolDir,
            {QStringLiteral("send"), image, QStringLiteral("--verify"), QStringLiteral("--port"), device},
            180000, progress, [&](qint64 now, const QByteArray& chunk) {
                checking = checking || chunk.contains("Checking what the receiver now holds");
                if (checking && receiveStart < 0 &&
                    progress.mid(progress.indexOf("Checking")).contains("Data is transmitting"))
                    receiveStart = now;
            });
        const qint64 end = ended.nanoseconds;
        sim.waitForFinished(10000);
        if (cli.exitCode() != 0 || receiveStart < 0) {
            problem = QStringLiteral("vormante-cli send --verify failed: %1")
                          .arg(QString::fromLocal8Bit(progress).trimmed());
            StopBoth(cli, sim);
            break;
        }
        ratios.push_back(static_cast<double>(end - receiveStart) / 1e9 / LINE_SECONDS);
    }
    if (!problem.isEmpty())
        report.Warn(QStringLiteral("check after sending: ") + problem);
    if (!ratios.empty())
        report.Add("check_receive_ratio", "check after sending: its receive, paced, / 17.78 s",
                   Summarize(ratios), 1.05, "");
}

} // namespace bench

} // namespace vormante

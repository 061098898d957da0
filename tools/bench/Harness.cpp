#include "Harness.h"

#include "document/Document.h"
#include "model/ChannelDatabase.h"
#include "views/channels/ChannelListPage.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>

#include <span>
#include <stdexcept>

namespace vormante {

namespace bench {

void Settle() {
    QApplication::processEvents();
}

void LoadImage(Document& document, const std::vector<std::uint8_t>& image) {
    if (!document.Open(std::span<const std::uint8_t>(image), QStringLiteral("full.bin")).ok)
        throw std::runtime_error("the image does not load");
}

void LoadImage(ChannelDatabase& db, const std::vector<std::uint8_t>& image) {
    if (!db.Load(std::span<const std::uint8_t>(image)).ok)
        throw std::runtime_error("the image does not load");
    db.BuildRecordPointers();
}

void ShowChannelPage(ChannelListPage& page, Document& document) {
    page.resize(1000, 720);
    page.Initialize(document);
    page.show();
    page.Refresh();
}

void ChooseSatellite(ChannelListPage& page, int choice) {
    if (QComboBox* satellites = page.findChild<QComboBox*>())
        satellites->setCurrentIndex(choice);
}

QString StartSimulator(QProcess& sim, const QString& toolDir, const QStringList& args) {
    sim.start(toolDir + QStringLiteral("/vormante-receiver-sim"), args);
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        sim.kill();
        sim.waitForFinished(5000);
        return {};
    }
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}

CliEnd WatchCli(QProcess& cli, const QString& toolDir, const QStringList& args, int limitMs,
                QByteArray& progress,
                const std::function<void(qint64 now, const QByteArray& chunk)>& onChunk) {
    cli.setReadChannel(QProcess::StandardError);
    QElapsedTimer timer;
    timer.start();
    cli.start(toolDir + QStringLiteral("/vormante-cli"), args);
    while (cli.state() != QProcess::NotRunning && timer.elapsed() < limitMs) {
        if (!cli.waitForReadyRead(50))
            continue;
        const qint64 now = timer.nsecsElapsed();
        const QByteArray chunk = cli.readAllStandardError();
        progress += chunk;
        onChunk(now, chunk);
    }
    const bool finished = cli.state() == QProcess::NotRunning || cli.waitForFinished(1000);
    return {timer.nsecsElapsed(), finished};
}

void StopBoth(QProcess& cli, QProcess& sim) {
    cli.kill();
    sim.kill();
    cli.waitForFinished(5000);
    sim.waitForFinished(5000);
}

} // namespace bench

} // namespace vormante

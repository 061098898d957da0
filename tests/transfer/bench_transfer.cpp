// Paced transfers over a pseudo-terminal, timed against the line time of an
// image at 115200 baud 8N1 (204800 bytes x 10 bits). Not part of `make test`:
// the two transfers take some 36 seconds. Exits 1 when a transfer is not byte
// for byte right or takes more than 1.02 times the line time.
#include "ReceiverSimulator.h"
#include "RecordingView.h"
#include "transfer/SerialPort.h"
#include "transfer/TransferEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <thread>

using namespace vormante;
using namespace vormante::sim;

namespace {
constexpr double LINE_SECONDS = 204800.0 * 10 / 115200;
constexpr double ALLOWED_RATIO = 1.02;

QByteArray ToBytes(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

struct Outcome {
    bool identical = false;
    double seconds = 0; // handshake answered to the end, as the receiver saw it
};

Outcome Run(TransferDirection direction, const QString& folder) {
    const QByteArray image = ToBytes(PatternImage(31));
    const QString sendFile = folder + QStringLiteral("/send.bin");
    const QString receiveFile = folder + QStringLiteral("/received.bin");
    QFile out(sendFile);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size())
        return {};
    out.close();

    SimulatorOptions options;
    options.mode = direction == TransferDirection::Send ? SimulatorMode::Accept : SimulatorMode::Give;
    options.image = PatternImage(31);
    options.timeout = std::chrono::seconds(60);
    options.linger = std::chrono::seconds(5);
    ReceiverSimulator simulator;
    std::string error;
    if (!simulator.Open(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return {};
    }

    SerialPort port;
    RecordingView view;
    view.fileNames = {receiveFile};
    TransferEngine engine(direction, sendFile, port, view);
    engine.Initialize();
    if (!engine.Start(QString::fromStdString(simulator.devicePath())))
        return {};
    SimulatorResult result;
    std::thread worker([&] { result = simulator.Run(options); });
    QElapsedTimer clock;
    clock.start();
    while (!view.ended && clock.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    simulator.Cancel();
    worker.join();

    Outcome outcome;
    outcome.seconds = result.seconds;
    if (direction == TransferDirection::Send) {
        outcome.identical = result.ok && ToBytes(result.received) == image;
    } else {
        QFile in(receiveFile);
        outcome.identical = view.ended && in.open(QIODevice::ReadOnly) && in.readAll() == image;
    }
    return outcome;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    bool good = true;
    std::printf("line time of an image: %.3f s, allowed %.3f s\n", LINE_SECONDS,
                LINE_SECONDS * ALLOWED_RATIO);
    for (TransferDirection direction : {TransferDirection::Send, TransferDirection::Receive}) {
        const Outcome outcome = Run(direction, folder.path());
        const double ratio = outcome.seconds / LINE_SECONDS;
        const bool ok = outcome.identical && ratio <= ALLOWED_RATIO;
        good = good && ok;
        std::printf("%-7s %s, %.3f s, %.4f x line time: %s\n",
                    direction == TransferDirection::Send ? "send" : "receive",
                    outcome.identical ? "identical" : "NOT identical", outcome.seconds, ratio,
                    ok ? "ok" : "FAILED");
    }
    return good ? 0 : 1;
}

#include "ProcessBench.h"
#include "Harness.h"

#include "app/EditorApp.h"
#include "app/MainWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace vormante {

namespace bench {

namespace {

// The line time of a whole image at 115200 baud, 8N1: 204800 bytes of 10 bits.
constexpr double LINE_SECONDS = 204800.0 * 10 / 115200;

// Peak resident memory of this process in kB, from /proc.
long PeakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Watches the main window's first paint after it was shown.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            (watched == window_ || window_->isAncestorOf(static_cast<QWidget*>(watched)))) {
            seen_ = true;
            // The whole window paints in this one update; report once it is through.
            QTimer::singleShot(0, [] {
                std::printf("shown %ld %.3f\n", PeakRssKb(), ProcessCpuMs());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

bool SameFile(const QString& a, const QString& b) {
    QFile fa(a), fb(b);
    return fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly) && fa.readAll() == fb.readAll();
}

// One transfer's times in seconds: the whole run of vormante-cli, and its data phase,
// from the receiver's handshake answered (the cli's status leaves "waiting") to the
// cli's exit with the image sent or saved.
struct TransferTimes {
    double whole = -1;
    double data = -1;
};

// The simulator in `simArgs` on a fresh pseudo-terminal and vormante-cli with
// `cliArgs` plus the port; sets problem when the transfer fails.
TransferTimes TimedTransfer(const QString& toolDir, const QStringList& simArgs, const QStringList& cliArgs,
                            QString* problem) {
    QProcess sim;
    const QString device = StartSimulator(sim, toolDir, simArgs);
    if (device.isEmpty()) {
        *problem = QStringLiteral("the receiver simulator did not start");
        return {};
    }

    QProcess cli;
    qint64 dataStart = -1;
    QByteArray progress;
    const CliEnd ended = WatchCli(cli, toolDir, QStringList(cliArgs) << QStringLiteral("--port") << device,
                                  120000, progress, [&](qint64 now, const QByteArray& chunk) {
                                      // The first status after the waiting one marks the handshake done.
                                      if (dataStart >= 0)
                                          return;
                                      for (const QByteArray& line : chunk.split('\n')) {
                                          const QByteArray text = line.trimmed();
                                          if (!text.isEmpty() && !text.startsWith("Waiting")) {
                                              dataStart = now;
                                              return;
                                          }
                                      }
                                  });
    const qint64 end = ended.nanoseconds;
    progress += cli.readAllStandardError();
    sim.waitForFinished(10000);
    if (!ended.finished || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0 || dataStart < 0) {
        *problem = QStringLiteral("vormante-cli %1 failed: %2")
                       .arg(cliArgs.value(0), QString::fromLocal8Bit(progress).trimmed());
        StopBoth(cli, sim);
        return {};
    }
    return {static_cast<double>(end) / 1e9, static_cast<double>(end - dataStart) / 1e9};
}

} // namespace

int RunStartupChild(int& argc, char** argv, const QString& image) {
    EditorApp app(argc, argv);
    MainWindow window;
    FirstPaint watcher(&window);
    app.installEventFilter(&watcher);
    app.setWindowIcon(window.windowIcon());
    window.show();
    if (!window.OpenFile(image))
        return 1;
    return app.exec();
}

void RunStartupBench(const QString& self, const QString& image, int runs, Report& report) {
    std::vector<double> times;
    std::vector<double> peaks;
    std::vector<double> cpu;
    for (int run = 0; run < std::max(1, runs); ++run) {
        QProcess child;
        // Qt's start-up chatter offscreen is noise here; shown only when the child fails.
        child.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        child.start(self, {QStringLiteral("--startup-child"), image});
        QByteArray line;
        while (!line.contains('\n') && child.waitForReadyRead(10000))
            line += child.readAll();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        child.waitForFinished(10000);
        if (!line.startsWith("shown ")) {
            std::fputs(child.readAllStandardError().constData(), stderr);
            report.Warn(QStringLiteral("the start-up child did not report its window"));
            return;
        }
        times.push_back(ms);
        const QList<QByteArray> fields = line.mid(6).trimmed().split(' ');
        peaks.push_back(fields.value(0).toDouble() / 1024);
        cpu.push_back(fields.value(1).toDouble());
    }
    report.Add("startup_ms", "start-up to main window shown (image open)", Summarize(times, cpu), 300, "ms");
    report.Add("rss_mb", "peak RSS of the editor, full image open", Median(peaks), 80, "MB");
}

void RunTransferBench(const QString& toolDir, const QString& image, const QString& workDir, int runs,
                      Report& report) {
    std::vector<double> sends, sendsWhole;
    std::vector<double> receives, receivesWhole;
    QString problem;
    // One timed transfer whose result file must hold the image; false when it failed.
    const auto transfer = [&](const QStringList& simArgs, const QStringList& cliArgs, const QString& result,
                              const QString& differs, std::vector<double>& data, std::vector<double>& whole) {
        const TransferTimes times = TimedTransfer(toolDir, simArgs, cliArgs, &problem);
        if (times.data < 0)
            return false;
        if (!SameFile(image, result))
            problem = differs;
        data.push_back(times.data / LINE_SECONDS);
        whole.push_back(times.whole);
        return true;
    };
    for (int run = 0; run < std::max(1, runs) && problem.isEmpty(); ++run) {
        const QString taken = QDir(workDir).filePath(QStringLiteral("taken-%1.bin").arg(run));
        if (!transfer(
                {QStringLiteral("accept"), QStringLiteral("--quiet"), QStringLiteral("--output"), taken},
                {QStringLiteral("send"), image}, taken,
                QStringLiteral("the simulator took a different image than was sent"), sends, sendsWhole))
            break;
        const QString received = QDir(workDir).filePath(QStringLiteral("received-%1.bin").arg(run));
        if (!transfer({QStringLiteral("give"), QStringLiteral("--quiet"), QStringLiteral("--image"), image},
                      {QStringLiteral("receive"), received}, received,
                      QStringLiteral("the image received differs from the one given"), receives,
                      receivesWhole))
            break;
    }
    if (!problem.isEmpty())
        report.Warn(QStringLiteral("transfer: ") + problem);
    if (!sends.empty())
        report.Add("transfer_send_ratio", "send, paced, / 17.78 s", Summarize(sends), 1.02, "");
    if (!receives.empty())
        report.Add("transfer_receive_ratio", "receive, paced, / 17.78 s", Summarize(receives), 1.02, "");
    if (!sends.empty() && !receives.empty()) {
        report.Note(QStringLiteral(
                        "transfer ratios count from the handshake answered to the image sent or saved; whole "
                        "runs of vormante-cli, with its start and the wait for the receiver's handshake: "
                        "send %1 s, receive %2 s")
                        .arg(Median(sendsWhole), 0, 'f', 2)
                        .arg(Median(receivesWhole), 0, 'f', 2));
    }
}

} // namespace bench

} // namespace vormante

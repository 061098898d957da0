// send and receive: the PC's side of a transfer on the same protocol engine as
// the transfer window, with the console in place of the window.
#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ConsoleTransferView.h"
#include "ImageInput.h"

#include "model/ConsistencyCheck.h"
#include "transfer/SerialPort.h"
#include "transfer/TransferEngine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <iostream>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace vormante::cli {

namespace {

constexpr int DEFAULT_TIMEOUT_SECONDS = 120;

struct TransferRequest {
    TransferDirection direction;
    std::string file; // send: the image to send; receive: where to write the image received
    std::string port;
    int timeoutSeconds = DEFAULT_TIMEOUT_SECONDS;
};

const char* CommandName(TransferDirection direction) {
    return direction == TransferDirection::Send ? "send" : "receive";
}

std::optional<int> ParseSeconds(const std::string& text) {
    if (text.empty() || text.size() > 7 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int seconds = std::stoi(text);
    return seconds > 0 ? std::optional<int>(seconds) : std::nullopt;
}

// A receive would only find out at the end that its output cannot be written.
bool OutputLooksWritable(const std::string& path, std::string* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        *error = "\"" + path + "\" is not a regular file";
        return false;
    }
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *error = "cannot write into the folder \"" + folder + "\" of \"" + path + "\"";
        return false;
    }
    return true;
}

int RunTransfer(const TransferRequest& request, std::ostream& out, std::ostream& err) {
    const char* name = CommandName(request.direction);
    const bool send = request.direction == TransferDirection::Send;
    if (send) {
        auto db = std::make_unique<ChannelDatabase>();
        std::string error;
        if (!ReadImageFile(request.file, *db, &error)) {
            ReportError(err, name, error);
            return EXIT_UNUSABLE;
        }
        const std::size_t problems = CheckConsistency(*db).size();
        if (problems)
            err << "vormante-cli send: warning: \"" << request.file << "\" has " << problems
                << (problems == 1 ? " consistency problem" : " consistency problems")
                << " (vormante-cli check lists them); sending it all the same\n";
    } else {
        std::string error;
        if (!OutputLooksWritable(request.file, &error)) {
            ReportError(err, name, error);
            return EXIT_UNUSABLE;
        }
    }

    // The engine and the port need an event loop; main() leaves creating the application to us.
    std::unique_ptr<QCoreApplication> application;
    static int argc = 1;
    static char programName[] = "vormante-cli";
    static char* argv[] = {programName, nullptr};
    if (!QCoreApplication::instance())
        application = std::make_unique<QCoreApplication>(argc, argv);

    const bool terminal = &err == &std::cerr && ::isatty(STDERR_FILENO);
    ConsoleTransferView view(err, terminal, send ? std::string() : request.file);
    SerialPort port;
    TransferEngine engine(request.direction, QString::fromStdString(request.file), port, view);
    QEventLoop loop;
    QTimer patience;
    patience.setSingleShot(true);
    patience.setInterval(request.timeoutSeconds * 1000);
    bool timedOut = false;
    bool started = false;

    QObject::connect(&patience, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    // Only progress counts as a sign of life: a line that carries nothing but
    // noise, or asks for the same block forever, times out like a silent one.
    view.onChange = [&] {
        if (patience.isActive())
            patience.start();
        // The window ends, or the engine fell back to a closed port (a lost line).
        if (view.ended() || (started && engine.state() == TransferEngine::State::Closed))
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    };

    engine.Initialize();
    started = engine.Start(QString::fromStdString(request.port));
    if (started) {
        patience.start();
        loop.exec();
    }
    if (timedOut || !view.ended())
        engine.Close();
    view.FinishLine();

    const bool complete = send ? engine.acknowledged() >= IMAGE_SIZE : view.saved();
    if (complete) {
        for (const QString& message : view.messages())
            out << message.toStdString() << "\n";
        return EXIT_OK;
    }
    for (const QString& message : view.messages())
        ReportError(err, name, message.toStdString());
    if (!started)
        ReportError(err, name, "cannot use the port \"" + request.port + "\"");
    else if (timedOut)
        ReportError(err, name,
                    "no progress from the receiver for " + std::to_string(request.timeoutSeconds) +
                        (request.timeoutSeconds == 1 ? " second" : " seconds") + "; gave up");
    else if (!send && !view.saveError().isEmpty())
        ReportError(err, name,
                    "the received image could not be written: " + view.saveError().toStdString() +
                        "; it has been discarded");
    else
        ReportError(err, name, "the transfer did not complete");
    return EXIT_PROBLEMS;
}

int RunTransferCommand(TransferDirection direction, const Command& command, const CommandArgs& args,
                       std::ostream& out, std::ostream& err) {
    const char* name = CommandName(direction);
    const ParsedArguments parsed = ParseArguments(args, {}, {"--port", "--timeout"});
    if (parsed.help) {
        out << command.help;
        return EXIT_OK;
    }
    if (!parsed.error.empty())
        return ReportUsageError(err, name, parsed.error);
    if (parsed.operands.size() != 1)
        return ReportUsageError(err, name,
                                direction == TransferDirection::Send ? "expects one IMAGE file"
                                                                     : "expects one OUTPUT file");
    TransferRequest request{direction, parsed.operands[0], {}, DEFAULT_TIMEOUT_SECONDS};
    const auto port = parsed.values.find("--port");
    if (port == parsed.values.end() || port->second.empty())
        return ReportUsageError(err, name, "needs --port DEVICE");
    request.port = port->second;
    const auto timeout = parsed.values.find("--timeout");
    if (timeout != parsed.values.end()) {
        const std::optional<int> seconds = ParseSeconds(timeout->second);
        if (!seconds)
            return ReportUsageError(err, name, "--timeout takes a whole number of seconds from 1 up");
        request.timeoutSeconds = *seconds;
    }
    return RunTransfer(request, out, err);
}

} // namespace

int RunSend(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    return RunTransferCommand(TransferDirection::Send, SEND_COMMAND, args, out, err);
}

int RunReceive(const CommandArgs& args, std::ostream& out, std::ostream& err) {
    return RunTransferCommand(TransferDirection::Receive, RECEIVE_COMMAND, args, out, err);
}

const Command SEND_COMMAND = {
    "send", "send an image to the receiver over a serial port",
    "Usage: vormante-cli send IMAGE --port DEVICE [--timeout SECONDS]\n"
    "\n"
    "Sends IMAGE (exactly 204800 bytes) to the receiver, as \"Data From PC To IRD\"\n"
    "does: open the port, then start the transfer on the receiver, which asks for\n"
    "the image block by block.\n"
    "\n"
    "Options:\n"
    "  --port DEVICE      the serial port: COM1, COM2, COM3 (the first three serial\n"
    "                     ports) or a device path such as /dev/ttyUSB0\n"
    "  --timeout SECONDS  give up when the transfer makes no progress for this\n"
    "                     long, from the start on (default 120)\n"
    "\n"
    "Exit status: 0 the whole image was sent, 1 the transfer failed or was\n"
    "refused, 2 wrong usage or IMAGE missing, unreadable or not 204800 bytes.\n",
    RunSend};

const Command RECEIVE_COMMAND = {
    "receive", "receive the receiver's image over a serial port",
    "Usage: vormante-cli receive OUTPUT --port DEVICE [--timeout SECONDS]\n"
    "\n"
    "Takes the receiver's image, as \"Data From IRD To PC\" does: open the port,\n"
    "then start the transfer on the receiver, which sends its whole image. The\n"
    "204800 bytes received are written to OUTPUT, exactly as named, replacing it.\n"
    "\n"
    "Options:\n"
    "  --port DEVICE      the serial port: COM1, COM2, COM3 (the first three serial\n"
    "                     ports) or a device path such as /dev/ttyUSB0\n"
    "  --timeout SECONDS  give up when the transfer makes no progress for this\n"
    "                     long, from the start on (default 120)\n"
    "\n"
    "Exit status: 0 the whole image was received and written, 1 the transfer\n"
    "failed or OUTPUT could not be written, 2 wrong usage.\n",
    RunReceive};

} // namespace vormante::cli

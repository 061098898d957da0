// send and receive: the PC's side of a transfer on the same protocol engine as
// the transfer window, with the console in place of the window.
#include "Arguments.h"
#include "Cli.h"
#include "Commands.h"
#include "ConsoleTransferView.h"
#include "ImageInput.h"

#include "archive/ArchiveKeeper.h"
#include "model/ConsistencyCheck.h"
#include "model/ImageDiff.h"
#include "transfer/SendCheck.h"
#include "transfer/SerialPort.h"
#include "transfer/TransferEngine.h"
#include "transfer/TransferProtocol.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <span>
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
    bool force = false;  // send: an image with consistency problems goes all the same
    bool verify = false; // send: then check what the receiver holds
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

std::string Seconds(int seconds) {
    return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
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

// What one run of the engine on the console came to.
struct Session {
    bool started = false;
    bool timedOut = false;
    bool complete = false; // sent whole, saved, or (a check) taken
    QStringList messages;
    QString saveError;
    std::size_t problems = 0; // of the image received
    QByteArray image;         // the image sent, or the one a check took
};

// Runs the engine in one direction until the transfer ends, fails or makes no progress
// for the request's time-out. A check takes the image instead of saving it.
Session RunSession(TransferDirection direction, const TransferRequest& request, bool checking,
                   std::ostream& err) {
    const bool send = direction == TransferDirection::Send;
    const bool terminal = &err == &std::cerr && ::isatty(STDERR_FILENO);
    ConsoleTransferView view(err, terminal, send || checking ? std::string() : request.file);
    const QString port = QString::fromStdString(request.port);
    view.SetPlaces(port,
                   send ? QFileInfo(QString::fromStdString(request.file)).absoluteFilePath() : QString());
    view.SetChecking(checking);
    view.SetAwaiting("Still waiting for the receiver on " + request.port +
                     " to start the transfer; giving up after " + Seconds(request.timeoutSeconds) +
                     " without progress (--timeout).");
    SerialPort serial;
    TransferEngine engine(direction, QString::fromStdString(request.file), serial, view);
    // With a short time-out the hint still comes before the command gives up.
    engine.SetTimeLimits(
        TransferEngine::SILENCE_LIMIT,
        std::min<std::chrono::milliseconds>(TransferEngine::HANDSHAKE_HINT_DELAY,
                                            std::chrono::milliseconds(request.timeoutSeconds * 500)));
    QEventLoop loop;
    QTimer patience;
    patience.setSingleShot(true);
    patience.setInterval(request.timeoutSeconds * 1000);
    Session session;

    QObject::connect(&patience, &QTimer::timeout, &loop, [&] {
        session.timedOut = true;
        loop.quit();
    });
    // Only progress counts as a sign of life: a line that carries nothing but
    // noise, or asks for the same block forever, times out like a silent one.
    view.onChange = [&] {
        if (patience.isActive())
            patience.start();
        // The window ends, or the engine fell back to a closed port (a lost line).
        if (view.ended() || (session.started && engine.state() == TransferEngine::State::Closed))
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    };

    engine.Initialize();
    session.started = engine.Start(port);
    if (session.started) {
        patience.start();
        loop.exec();
    }
    if (session.timedOut || !view.ended())
        engine.Close();
    view.FinishLine();
    session.messages = view.messages();
    session.saveError = view.saveError();
    session.problems = engine.receivedProblems();
    session.image = checking ? view.heldImage() : view.sentImage();
    session.complete = send ? engine.acknowledged() >= IMAGE_SIZE
                            : (checking ? !session.image.isEmpty() && view.ended() : view.saved());
    return session;
}

void ReportFailure(const char* name, const TransferRequest& request, bool send, const Session& session,
                   std::ostream& err) {
    // The engine's own words come first and say most; the bare "Error!" that follows a
    // specific message, and the command's generic line, would only repeat it.
    bool said = false;
    for (const QString& message : session.messages) {
        if (said && message == QLatin1String(transfertext::GENERIC_ERROR))
            continue;
        ReportError(err, name, message.toStdString());
        said = true;
    }
    if (!session.started) {
        if (!said)
            ReportError(err, name, "cannot use the port \"" + request.port + "\"");
    } else if (session.timedOut)
        ReportError(err, name,
                    "no progress from the receiver for " + Seconds(request.timeoutSeconds) + "; gave up");
    else if (!send && !session.saveError.isEmpty())
        ReportError(err, name,
                    "the received image could not be written: " + session.saveError.toStdString() +
                        "; it has been discarded");
    else if (!said)
        ReportError(err, name, "the transfer did not complete");
}

// send --verify: receives the image back and compares it byte for byte.
int CheckWhatTheReceiverHolds(const TransferRequest& request, const QByteArray& sent, std::ostream& out,
                              std::ostream& err) {
    err << "Checking what the receiver now holds: start sending on the receiver now.\n";
    err.flush();
    const Session check = RunSession(TransferDirection::Receive, request, true, err);
    if (!check.complete) {
        ReportFailure("send", request, false, check, err);
        ReportError(err, "send", "the image was sent, but what the receiver holds could not be checked");
        return EXIT_UNUSABLE;
    }
    const std::vector<DifferingByte> differences = DifferingBytes(sent, check.image);
    if (differences.empty()) {
        out << sendcheck::IDENTICAL << "\n";
        return EXIT_OK;
    }
    out << sendcheck::DifferenceText(differences, 20).toStdString() << "\n";
    const ImageDifference grouped = DiffImages(*LoadedImage(sent), *LoadedImage(check.image));
    if (!grouped.empty())
        out << "\n" << FormatDifferenceReport(grouped, request.file, "the receiver's image");
    return EXIT_PROBLEMS;
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
        const std::string count =
            std::to_string(problems) + (problems == 1 ? " consistency problem" : " consistency problems");
        if (problems && !request.force) {
            ReportError(err, name,
                        "\"" + request.file + "\" has " + count +
                            " that the receiver may not handle (vormante-cli check lists them); it is not "
                            "sent. --force sends it anyway.");
            return EXIT_UNUSABLE;
        }
        if (problems)
            err << "vormante-cli send: warning: \"" << request.file << "\" has " << count
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
    // The archive's words go to standard error, each failure once.
    archiving::SetReporter([&err, name](const QString& text) { ReportError(err, name, text.toStdString()); });
    const std::shared_ptr<void> reporterReset(nullptr, [](void*) { archiving::SetReporter({}); });

    const Session session = RunSession(request.direction, request, false, err);
    if (!session.complete) {
        ReportFailure(name, request, send, session, err);
        return request.verify ? EXIT_UNUSABLE : EXIT_PROBLEMS;
    }
    for (const QString& message : session.messages)
        out << message.toStdString() << "\n";
    if (!send && session.problems > 0) {
        ReportError(err, name,
                    "the received image has " + std::to_string(session.problems) +
                        (session.problems == 1 ? " consistency problem" : " consistency problems") +
                        " (vormante-cli check lists them); it was written as the receiver holds it");
        return EXIT_PROBLEMS;
    }
    if (send && request.verify)
        return CheckWhatTheReceiverHolds(request, session.image, out, err);
    return EXIT_OK;
}

int RunTransferCommand(TransferDirection direction, const Command& command, const CommandArgs& args,
                       std::ostream& out, std::ostream& err) {
    const char* name = CommandName(direction);
    const bool send = direction == TransferDirection::Send;
    const ParsedArguments parsed =
        ParseArguments(args, send ? std::set<std::string>{"--force", "--verify"} : std::set<std::string>{},
                       {"--port", "--timeout"});
    if (parsed.help) {
        out << command.help;
        return EXIT_OK;
    }
    if (!parsed.error.empty())
        return ReportUsageError(err, name, parsed.error);
    if (parsed.operands.size() != 1)
        return ReportUsageError(err, name, send ? "expects one IMAGE file" : "expects one OUTPUT file");
    TransferRequest request{direction, parsed.operands[0], {}, DEFAULT_TIMEOUT_SECONDS};
    request.force = parsed.flags.count("--force") > 0;
    request.verify = parsed.flags.count("--verify") > 0;
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

// The options send and receive share, as both commands' help shows them.
#define PORT_AND_TIMEOUT_HELP                                                                                \
    "  --port DEVICE      the serial port: COM1, COM2, COM3 (the first three serial\n"                       \
    "                     ports) or a device path such as /dev/ttyUSB0\n"                                    \
    "  --timeout SECONDS  give up when the transfer makes no progress for this\n"                            \
    "                     long, from the start on (default 120)\n"

const Command SEND_COMMAND = {
    "send", "send an image to the receiver over a serial port",
    "Usage: vormante-cli send IMAGE --port DEVICE [--timeout SECONDS] [--force] [--verify]\n"
    "\n"
    "Sends IMAGE (exactly 204800 bytes) to the receiver, as \"Data From PC To IRD\"\n"
    "does: open the port, then start the transfer on the receiver, which asks for\n"
    "the image block by block. An image that fails the consistency check (see\n"
    "vormante-cli check) is not sent unless --force is given. The image sent is\n"
    "kept in the archive (see vormante-cli archive).\n"
    "\n"
    "Options:\n" PORT_AND_TIMEOUT_HELP
    "  --force            send an image with consistency problems all the same\n"
    "  --verify           after sending, check what the receiver now holds: start\n"
    "                     sending on the receiver when asked; the image comes back,\n"
    "                     is kept in the archive and compared byte for byte\n"
    "\n"
    "Exit status: 0 the whole image was sent (with --verify: and the receiver holds\n"
    "exactly it), 1 the transfer failed or was refused (with --verify: the receiver\n"
    "holds a different image; the differing bytes are listed), 2 wrong usage, IMAGE\n"
    "missing, unreadable, not 204800 bytes or with problems and no --force (with\n"
    "--verify also: a transfer failed).\n",
    RunSend};

const Command RECEIVE_COMMAND = {
    "receive", "receive the receiver's image over a serial port",
    "Usage: vormante-cli receive OUTPUT --port DEVICE [--timeout SECONDS]\n"
    "\n"
    "Takes the receiver's image, as \"Data From IRD To PC\" does: open the port,\n"
    "then start the transfer on the receiver, which sends its whole image. The\n"
    "204800 bytes received are kept in the archive and written to OUTPUT, exactly\n"
    "as named, replacing it, then checked for consistency.\n"
    "\n"
    "Options:\n" PORT_AND_TIMEOUT_HELP "\n"
    "Exit status: 0 the whole image was received and written, 1 the transfer\n"
    "failed, OUTPUT could not be written, or the image written has consistency\n"
    "problems (as the receiver holds it), 2 wrong usage.\n",
    RunReceive};

#undef PORT_AND_TIMEOUT_HELP

} // namespace vormante::cli

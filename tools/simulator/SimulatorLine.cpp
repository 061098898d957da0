#include "SimulatorLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace vormante::sim {

namespace {

int MillisecondsUntil(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 100)); // wake often to notice Cancel
}

// The PC's settings must hold still this long before they count as final.
constexpr std::chrono::milliseconds SETTLE{200};

bool SameSettings(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && cfgetispeed(&a) == cfgetispeed(&b) && cfgetospeed(&a) == cfgetospeed(&b);
}

long SpeedNumber(speed_t speed) {
    switch (speed) {
    case B50:
        return 50;
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    case B230400:
        return 230400;
    default:
        return -1;
    }
}
} // namespace

std::string Hex(std::uint8_t byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string LineSettingsProblem(const termios& settings) {
    std::string problems;
    auto add = [&problems](const std::string& problem) {
        problems += (problems.empty() ? "" : ", ") + problem;
    };
    if (cfgetospeed(&settings) != B115200 || cfgetispeed(&settings) != B115200) {
        const long speed = SpeedNumber(cfgetospeed(&settings));
        add(speed > 0 ? std::to_string(speed) + " baud" : "a speed other than 115200 baud");
    }
    if ((settings.c_cflag & CSIZE) != CS8)
        add("not 8 data bits");
    if (settings.c_cflag & PARENB)
        add("parity");
    if (settings.c_cflag & CSTOPB)
        add("2 stop bits");
    if (settings.c_cflag & CRTSCTS)
        add("hardware flow control");
    if (settings.c_iflag & (IXON | IXOFF | IXANY))
        add("software flow control");
    return problems;
}

void ReceiverSimulator::Line::Log(const std::string& text) const {
    if (options.log)
        options.log(text);
}

bool ReceiverSimulator::Line::Fail(const std::string& why) {
    result.ok = false;
    result.error = why;
    Log("failed: " + why);
    return false;
}

// A byte the PC had no business sending: named by its offset in the PC's stream.
bool ReceiverSimulator::Line::Unexpected(std::uint8_t byte, std::size_t offset, const std::string& when) {
    return Fail("unexpected byte " + Hex(byte) + " from the PC at offset " + std::to_string(offset) + " " +
                when);
}

bool ReceiverSimulator::Line::WriteAll(const std::uint8_t* bytes, std::size_t count) {
    const Clock::time_point until = Patience();
    while (count > 0) {
        if (Cancelled())
            return Fail("cancelled");
        const ssize_t n = ::write(sim.master_, bytes, count);
        if (n > 0) {
            bytes += n;
            count -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return Fail(std::string("the line failed: ") + std::strerror(errno));
        if (Clock::now() >= until)
            return Fail("the PC does not take any more bytes");
        pollfd p{sim.master_, POLLOUT, 0};
        ::poll(&p, 1, MillisecondsUntil(until));
    }
    return true;
}

// Some bytes, or 0 when none came by `until`, or -1 when the line is gone
// (the PC closed the port) or the run was cancelled.
long ReceiverSimulator::Line::ReadSome(std::uint8_t* buffer, std::size_t max, Clock::time_point until) {
    for (;;) {
        if (Cancelled())
            return -1;
        const ssize_t n = ::read(sim.master_, buffer, max);
        if (n > 0) {
            result.pcBytes += static_cast<std::size_t>(n);
            return n;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return -1; // EIO: the PC closed its port
        if (Clock::now() >= until)
            return 0;
        pollfd p{sim.master_, POLLIN, 0};
        ::poll(&p, 1, MillisecondsUntil(until));
    }
}

// The PC must send nothing until `until`; true when it kept quiet.
bool ReceiverSimulator::Line::ExpectSilence(Clock::time_point until, const std::string& when) {
    std::uint8_t byte = 0;
    const std::size_t offset = result.pcBytes;
    const long n = ReadSome(&byte, 1, until);
    if (n < 0)
        return LineGone();
    return n == 0 || Unexpected(byte, offset, when);
}

// Waits, silent, for the PC to close the port; any byte it sends is a failure.
bool ReceiverSimulator::Line::AwaitClose(Clock::time_point until, const std::string& when) {
    for (;;) {
        std::uint8_t byte = 0;
        const std::size_t offset = result.pcBytes;
        const long n = ReadSome(&byte, 1, until);
        if (n > 0)
            return Unexpected(byte, offset, when);
        if (n < 0) {
            if (Cancelled())
                return Fail("cancelled");
            result.pcClosed = true;
            return true;
        }
        if (Clock::now() >= until)
            return Fail("the PC did not close the port " + when);
    }
}

// Sleeps until the line could have carried `count` more bytes.
void ReceiverSimulator::Line::Pace(std::size_t count) {
    if (!options.paced)
        return;
    pacedBytes += count;
    const auto due = paceStart + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(pacedBytes / options.bytesPerSecond));
    std::this_thread::sleep_until(due);
}

bool ReceiverSimulator::Line::HangUp() {
    Log("hanging up after " + std::to_string(result.imageBytes) + " image bytes");
    sim.Close();
    result.hungUp = true;
    result.ok = true;
    return false;
}

bool ReceiverSimulator::Line::HangUpDue() const {
    return options.hangUpAfter >= 0 && result.imageBytes >= static_cast<std::size_t>(options.hangUpAfter);
}

bool ReceiverSimulator::Line::SilenceDue() const {
    return options.silentAfter >= 0 && result.imageBytes >= static_cast<std::size_t>(options.silentAfter);
}

std::size_t ReceiverSimulator::Line::Limit(std::size_t wanted, long after) const {
    if (after < 0)
        return wanted;
    return std::min(wanted, static_cast<std::size_t>(after) - result.imageBytes);
}

// The receiver stops talking, the cable still in: the PC must give up and close.
bool ReceiverSimulator::Line::GoSilent(const std::string& when) {
    Log("going silent after " + std::to_string(result.imageBytes) + " image bytes");
    result.wentSilent = true;
    if (!AwaitClose(Patience(), "after the receiver went silent " + when))
        return false;
    result.ok = true;
    return false; // the transfer is over; there is nothing to linger for
}

// Waits for the PC to open the port and set it up, then checks the settings.
bool ReceiverSimulator::Line::AwaitOpenPort() {
    const Clock::time_point giveUp = Patience();
    termios settings{};
    for (;;) {
        if (Cancelled())
            return Fail("cancelled");
        if (!sim.ReadLineSettings(&settings))
            return Fail(std::string("can't read the line settings: ") + std::strerror(errno));
        if (cfgetospeed(&settings) != UNOPENED_SPEED || (settings.c_cflag & CLOCAL))
            break;
        if (Clock::now() >= giveUp)
            return Fail("the PC did not open the port");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // The PC sets the line up in several steps: wait until they are done.
    termios previous = settings;
    Clock::time_point stableSince = Clock::now();
    while (Clock::now() - stableSince < SETTLE) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!sim.ReadLineSettings(&settings))
            return Fail(std::string("can't read the line settings: ") + std::strerror(errno));
        if (!SameSettings(settings, previous)) {
            previous = settings;
            stableSince = Clock::now();
        }
    }
    Log("the PC opened the port");
    if (options.checkLineSettings) {
        const std::string problem = LineSettingsProblem(settings);
        if (!problem.empty())
            return Fail("the PC set the line to " + problem +
                        "; the receiver speaks 115200 baud, 8 data bits, "
                        "no parity, 1 stop bit, no flow control");
        result.lineChecked = true;
    }
    // From here on only the PC holds the device, so its closing shows as a hang-up.
    // Before a second session the receiver keeps its hold: it sets the line back to
    // how an unopened port stands, which shows when the PC opens the port again.
    if (keepHold)
        keepHold = false;
    else
        sim.CloseSlave();
    return true;
}

} // namespace vormante::sim

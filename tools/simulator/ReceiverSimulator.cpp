#include "ReceiverSimulator.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <random>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace vormante::sim {

namespace {
using Clock = std::chrono::steady_clock;
using Frame = std::array<std::uint8_t, 2>;

// The receiver's side of the protocol, kept apart from the PC's code on purpose.
constexpr std::size_t IMAGE_BYTES = 204800;
constexpr std::size_t BLOCK_BYTES = 8192;
constexpr int BLOCKS = 25;
constexpr Frame SEND_READY = {0xB1, 0x1B};
constexpr Frame RECEIVE_READY = {0xC1, 0x1C};
constexpr Frame NEXT_BLOCK = {0xD1, 0x1D};
constexpr Frame REPEAT_BLOCK = {0xE1, 0x1E};
// Line noise in which no two neighbours make a frame.
constexpr std::array<std::uint8_t, 6> GARBAGE = {0x55, 0x1B, 0xAA, 0xC1, 0x00, 0xFF};
constexpr std::size_t PACED_CHUNK = 16;

int MillisecondsUntil(Clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 100)); // wake often to notice Cancel
}
} // namespace

struct ReceiverSimulator::Session {
    ReceiverSimulator& sim;
    const SimulatorOptions& options;
    SimulatorResult& result;
    Clock::time_point paceStart;
    std::size_t pacedBytes = 0;

    void Log(const std::string& text) const {
        if (options.log)
            options.log(text);
    }
    bool Fail(const std::string& why) {
        result.ok = false;
        result.error = why;
        Log("failed: " + why);
        return false;
    }
    bool Cancelled() const { return sim.cancelled.load(); }
    Clock::time_point Patience() const { return Clock::now() + options.timeout; }

    bool WriteAll(const std::uint8_t* bytes, std::size_t count) {
        const Clock::time_point until = Patience();
        while (count > 0) {
            if (Cancelled())
                return Fail("cancelled");
            const ssize_t n = ::write(sim.master, bytes, count);
            if (n > 0) {
                bytes += n;
                count -= static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return Fail(std::string("the line failed: ") + std::strerror(errno));
            if (Clock::now() >= until)
                return Fail("the PC does not take any more bytes");
            pollfd p{sim.master, POLLOUT, 0};
            ::poll(&p, 1, MillisecondsUntil(until));
        }
        return true;
    }
    bool WriteFrame(const Frame& frame) { return WriteAll(frame.data(), frame.size()); }

    // Some bytes, or 0 when none came by `until`, or -1 when the line is gone.
    long ReadSome(std::uint8_t* buffer, std::size_t max, Clock::time_point until) {
        for (;;) {
            if (Cancelled())
                return -1;
            const ssize_t n = ::read(sim.master, buffer, max);
            if (n > 0)
                return n;
            if (n == 0 || (errno != EAGAIN && errno != EINTR))
                return -1; // EIO: the PC closed its port
            if (Clock::now() >= until)
                return 0;
            pollfd p{sim.master, POLLIN, 0};
            ::poll(&p, 1, MillisecondsUntil(until));
        }
    }

    // Sleeps until the line could have carried `count` more bytes.
    void Pace(std::size_t count) {
        if (!options.paced)
            return;
        pacedBytes += count;
        const auto due = paceStart + std::chrono::duration_cast<Clock::duration>(
                                         std::chrono::duration<double>(pacedBytes / options.bytesPerSecond));
        std::this_thread::sleep_until(due);
    }

    bool HangUp() {
        Log("hanging up after " + std::to_string(result.imageBytes) + " image bytes");
        sim.Close();
        result.hungUp = true;
        result.ok = true;
        return false;
    }
    bool HangUpDue() const {
        return options.hangUpAfter >= 0 && result.imageBytes >= static_cast<std::size_t>(options.hangUpAfter);
    }
    std::size_t HangUpLimit(std::size_t wanted) const {
        if (options.hangUpAfter < 0)
            return wanted;
        return std::min(wanted, static_cast<std::size_t>(options.hangUpAfter) - result.imageBytes);
    }

    bool Handshake(const Frame& own, const Frame& answer) {
        if (options.garbageBytes > 0) {
            std::vector<std::uint8_t> noise(options.garbageBytes);
            for (std::size_t i = 0; i < noise.size(); ++i)
                noise[i] = GARBAGE[i % GARBAGE.size()];
            Log("sending " + std::to_string(noise.size()) + " garbage bytes");
            if (!WriteAll(noise.data(), noise.size()))
                return false;
        }
        const Frame frame = options.wrongDirection ? (own == SEND_READY ? RECEIVE_READY : SEND_READY) : own;
        const Clock::time_point giveUp = Patience();
        int previous = -1;
        while (!Cancelled()) {
            if (options.splitHandshake && result.handshakes == 0) {
                Log("sending the handshake in two writes");
                if (!WriteAll(frame.data(), 1))
                    return false;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (!WriteAll(frame.data() + 1, 1))
                    return false;
            } else if (!WriteFrame(frame)) {
                return false;
            }
            ++result.handshakes;
            const Clock::time_point retry = std::min(Clock::now() + options.handshakeInterval, giveUp);
            std::array<std::uint8_t, 64> bytes{};
            for (;;) {
                const long n = ReadSome(bytes.data(), bytes.size(), retry);
                if (n < 0)
                    return Fail(Cancelled() ? "cancelled" : "the PC closed the port");
                if (n == 0)
                    break;
                for (long i = 0; i < n; ++i) {
                    if (previous == answer[0] && bytes[i] == answer[1])
                        return true;
                    previous = bytes[i];
                }
            }
            if (Clock::now() >= giveUp)
                return Fail("the PC did not answer the handshake");
        }
        return Fail("cancelled");
    }

    // Image bytes from the PC, at the line rate when paced; honours the hang-up.
    bool ReadImage(std::uint8_t* target, std::size_t count, bool counted) {
        while (count > 0) {
            std::size_t wanted = options.paced ? std::min(count, PACED_CHUNK * 4) : count;
            if (counted) {
                if (HangUpDue())
                    return HangUp();
                wanted = HangUpLimit(wanted);
            }
            const long n = ReadSome(target, wanted, Patience());
            if (n < 0)
                return Fail(Cancelled() ? "cancelled" : "the PC closed the port");
            if (n == 0)
                return Fail("the PC stopped sending");
            target += n;
            count -= static_cast<std::size_t>(n);
            if (counted)
                result.imageBytes += static_cast<std::size_t>(n);
            Pace(static_cast<std::size_t>(n));
        }
        return true;
    }

    bool Accept() {
        Log("asking the PC for its image");
        if (!Handshake(RECEIVE_READY, SEND_READY))
            return false;
        sim.CloseSlave();
        Log("the PC is sending");
        const Clock::time_point start = Clock::now();
        paceStart = start;
        std::vector<std::uint8_t> image(IMAGE_BYTES);
        if (options.repeatAfterBlock == 0) {
            Log("asking for a repeat before the first block");
            if (!WriteFrame(REPEAT_BLOCK))
                return false;
            // The PC discards both queues on a repeat: give it time, or it
            // would discard the NextBlock that follows too.
            std::uint8_t stray[16];
            const long n = ReadSome(stray, sizeof stray, Clock::now() + std::chrono::milliseconds(500));
            if (n != 0)
                return Fail("the PC answered a repeat before the first block");
        }
        for (int k = 1; k <= BLOCKS; ++k) {
            if (!WriteFrame(NEXT_BLOCK))
                return false;
            ++result.blocksRequested;
            std::uint8_t* block = image.data() + BLOCK_BYTES * static_cast<std::size_t>(k - 1);
            if (!ReadImage(block, BLOCK_BYTES, true))
                return false;
            if (options.repeatAfterBlock == k) {
                Log("asking for block " + std::to_string(k) + " again");
                if (!WriteFrame(REPEAT_BLOCK))
                    return false;
                std::vector<std::uint8_t> again(BLOCK_BYTES);
                if (!ReadImage(again.data(), again.size(), false))
                    return false;
                result.repeatMatched = std::equal(again.begin(), again.end(), block);
                if (!result.repeatMatched)
                    return Fail("the repeated block differs from the first copy");
            }
        }
        if (!WriteFrame(NEXT_BLOCK)) // acknowledges the last block
            return false;
        ++result.blocksRequested;
        result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        result.received = std::move(image);
        result.ok = true;
        return true;
    }

    bool Give() {
        if (options.image.size() != IMAGE_BYTES)
            return Fail("the image to give must be exactly 204800 bytes");
        Log("offering the image to the PC");
        if (!Handshake(SEND_READY, RECEIVE_READY))
            return false;
        sim.CloseSlave();
        Log("streaming the image");
        const Clock::time_point start = Clock::now();
        paceStart = start;
        while (result.imageBytes < IMAGE_BYTES) {
            if (HangUpDue())
                return HangUp();
            std::size_t chunk = IMAGE_BYTES - result.imageBytes;
            if (options.paced)
                chunk = std::min(chunk, PACED_CHUNK);
            chunk = HangUpLimit(chunk);
            if (!WriteAll(options.image.data() + result.imageBytes, chunk))
                return false;
            result.imageBytes += chunk;
            Pace(chunk);
        }
        result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        result.ok = true;
        return true;
    }

    // Leaving at once would hang the line up under the PC's last read.
    void Linger() {
        const Clock::time_point until = Clock::now() + options.linger;
        std::array<std::uint8_t, 64> bytes{};
        while (!Cancelled() && Clock::now() < until) {
            if (ReadSome(bytes.data(), bytes.size(), until) < 0)
                break;
        }
    }
};

ReceiverSimulator::ReceiverSimulator() = default;
ReceiverSimulator::~ReceiverSimulator() { Close(); }

bool ReceiverSimulator::Open(std::string* error) {
    Close();
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
        if (error)
            *error = std::string("can't open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    // Raw from the start, so nothing the receiver says is echoed back before the PC opens the port.
    termios settings{};
    ::tcgetattr(slave, &settings);
    ::cfmakeraw(&settings);
    ::cfsetspeed(&settings, B115200);
    ::tcsetattr(slave, TCSANOW, &settings);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    const char* name = ::ttyname(slave);
    path = name ? name : "";
    cancelled = false;
    return true;
}

void ReceiverSimulator::CloseSlave() {
    // Once the PC holds the device, our own hold on it would hide the PC closing it.
    if (slave >= 0) {
        ::close(slave);
        slave = -1;
    }
}

void ReceiverSimulator::Close() {
    CloseSlave();
    if (master >= 0) {
        ::close(master);
        master = -1;
    }
}

SimulatorResult ReceiverSimulator::Run(const SimulatorOptions& options) {
    SimulatorResult result;
    if (master < 0) {
        result.error = "the pseudo-terminal is not open";
        return result;
    }
    Session session{*this, options, result, Clock::now()};
    const bool done = options.mode == SimulatorMode::Accept ? session.Accept() : session.Give();
    if (done)
        session.Linger();
    return result;
}

std::vector<std::uint8_t> PatternImage(std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> image(IMAGE_BYTES);
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(random() & 0xFF);
    return image;
}

} // namespace vormante::sim

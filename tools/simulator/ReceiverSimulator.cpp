#include "ReceiverSimulator.h"
#include "SimulatorLine.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
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
} // namespace

// The receiver's part of one transfer: the handshakes, the image blocks and the
// faults asked for, over the line below.
struct ReceiverSimulator::Session : ReceiverSimulator::Line {
    bool SendHandshake(const Frame& frame) {
        std::vector<std::uint8_t> bytes;
        if (result.handshakes == 0 && options.garbageBytes > 0) {
            for (std::size_t i = 0; i < options.garbageBytes; ++i)
                bytes.push_back(GARBAGE[i % GARBAGE.size()]);
            Log("sending " + std::to_string(options.garbageBytes) + " garbage bytes with the handshake");
        }
        ++result.handshakes;
        if (result.handshakes == 1 && options.splitHandshake) {
            Log("sending the handshake in two writes");
            bytes.push_back(frame[0]);
            if (!WriteAll(bytes.data(), bytes.size()))
                return false;
            // Long enough that the PC reads the first byte on its own.
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            return WriteAll(frame.data() + 1, 1);
        }
        bytes.insert(bytes.end(), frame.begin(), frame.end());
        return WriteAll(bytes.data(), bytes.size());
    }

    // Sends the handshake (and its repeats, when allowed) and takes exactly the
    // answer: its two bytes and nothing else.
    bool Handshake(const Frame& own, const Frame& answer) {
        if (!AwaitOpenPort())
            return false;
        if (options.wrongDirection) {
            const Frame other = own == SEND_READY ? RECEIVE_READY : SEND_READY;
            Log("sending the handshake of the other direction");
            if (!SendHandshake(other))
                return false;
            if (!AwaitClose(Patience(), "after a handshake of the wrong direction"))
                return false;
            result.ok = true;
            return false; // refused, as it must be: nothing more to play
        }
        const Clock::time_point giveUp = Patience();
        std::size_t matched = 0;
        for (int attempt = 0; attempt <= options.handshakeRepeats; ++attempt) {
            if (!SendHandshake(own))
                return false;
            const bool last = attempt == options.handshakeRepeats;
            const Clock::time_point retry =
                last ? giveUp : std::min(Clock::now() + options.handshakeInterval, giveUp);
            while (matched < answer.size()) {
                std::uint8_t byte = 0;
                const std::size_t offset = result.pcBytes;
                const long n = ReadSome(&byte, 1, matched > 0 ? giveUp : retry);
                if (n < 0)
                    return LineGone();
                if (n == 0)
                    break;
                if (byte != answer[matched])
                    return Unexpected(byte, offset,
                                      "while waiting for its answer " + Hex(answer[0]) + " " +
                                          Hex(answer[1]) + " to the handshake");
                ++matched;
            }
            if (matched == answer.size())
                return true;
        }
        return Fail("the PC did not answer the handshake (" + std::to_string(result.handshakes) +
                    (result.handshakes == 1 ? " handshake sent)" : " handshakes sent)"));
    }

    // Image bytes from the PC, at the line rate when paced; honours the hang-up.
    bool ReadImage(std::uint8_t* target, std::size_t count, bool counted) {
        while (count > 0) {
            std::size_t wanted = options.paced ? std::min(count, PACED_CHUNK * 4) : count;
            if (counted) {
                if (HangUpDue())
                    return HangUp();
                wanted = Limit(wanted, options.hangUpAfter);
            }
            const long n = ReadSome(target, wanted, Patience());
            if (n < 0)
                return LineGone();
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

    // Before the next request the PC must be quiet: a byte now is one too many.
    bool NothingWaiting(const std::string& when) { return ExpectSilence(Clock::now(), when); }

    bool Accept() {
        Log("asking the PC for its image");
        if (!Handshake(RECEIVE_READY, SEND_READY))
            return false;
        Log("the PC is sending");
        const Clock::time_point start = Clock::now();
        paceStart = start;
        pacedBytes = 0; // a second session counts its own bytes
        std::vector<std::uint8_t> image(IMAGE_BYTES);
        // A doubled answer, or anything else, before the first request.
        if (!ExpectSilence(Clock::now() + std::chrono::milliseconds(50), "after its answer to the handshake"))
            return false;
        if (options.repeatAfterBlock == 0) {
            Log("asking for a repeat before the first block");
            if (!WriteFrame(REPEAT_BLOCK))
                return false;
            // No block has gone out yet, so there is nothing to repeat. The PC
            // discards both queues on a repeat: give it time, or it would
            // discard the NextBlock that follows too.
            if (!ExpectSilence(Clock::now() + std::chrono::milliseconds(500),
                               "after a repeat before the first block"))
                return false;
        }
        for (int k = 1; k <= BLOCKS; ++k) {
            if (!NothingWaiting("before block " + std::to_string(k) + " was asked for"))
                return false;
            if (!WriteFrame(NEXT_BLOCK))
                return false;
            ++result.blocksRequested;
            std::uint8_t* block = image.data() + BLOCK_BYTES * static_cast<std::size_t>(k - 1);
            if (!ReadImage(block, BLOCK_BYTES, true))
                return false;
            if (options.repeatAfterBlock == k || options.damagedBlock == k) {
                const bool damaged = options.damagedBlock == k;
                Log((damaged ? "block " + std::to_string(k) + " arrived damaged; asking for it again"
                             : "asking for block " + std::to_string(k) + " again"));
                if (!NothingWaiting("before block " + std::to_string(k) + " was asked for again"))
                    return false;
                if (!WriteFrame(REPEAT_BLOCK))
                    return false;
                std::vector<std::uint8_t> again(BLOCK_BYTES);
                if (!ReadImage(again.data(), again.size(), false))
                    return false;
                if (damaged) {
                    std::copy(again.begin(), again.end(), block); // the good copy replaces the damaged one
                } else {
                    result.repeatMatched = std::equal(again.begin(), again.end(), block);
                    if (!result.repeatMatched)
                        return Fail("the repeated block differs from the first copy");
                }
            }
            if (SilenceDue())
                return GoSilent("after block " + std::to_string(k));
        }
        if (!NothingWaiting("after the last block"))
            return false;
        // The PC can close the port only once it has the last acknowledgement.
        if (options.thenGive && !sim.SetLineUnopened())
            return Fail(std::string("can't set the line back: ") + std::strerror(errno));
        if (!WriteFrame(NEXT_BLOCK)) // acknowledges the last block
            return false;
        ++result.blocksRequested;
        result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        result.received = std::move(image);
        result.stored = result.received;
        if (options.storeFault >= 0 && static_cast<std::size_t>(options.storeFault) < result.stored.size()) {
            result.stored[static_cast<std::size_t>(options.storeFault)] ^= 0xFF;
            Log("storing the byte at offset " + std::to_string(options.storeFault) + " changed");
        }
        result.ok = true;
        return true;
    }

    // Block k of the given image as a damaged line delivers it: some bytes
    // changed, and frame pairs where image bytes were, which the PC must take
    // as image bytes like any others.
    std::vector<std::uint8_t> StreamedImage(const std::vector<std::uint8_t>& image) const {
        std::vector<std::uint8_t> bytes = image;
        if (options.damagedBlock >= 1 && options.damagedBlock <= BLOCKS) {
            const std::size_t begin = BLOCK_BYTES * static_cast<std::size_t>(options.damagedBlock - 1);
            const std::uint8_t frames[] = {0xB1, 0x1B, 0xC1, 0x1C, 0xD1, 0x1D, 0xE1, 0x1E};
            std::copy(std::begin(frames), std::end(frames),
                      bytes.begin() + static_cast<std::ptrdiff_t>(begin));
            for (std::size_t i = begin + sizeof frames; i < begin + BLOCK_BYTES; i += 97)
                bytes[i] ^= 0xFF;
        }
        return bytes;
    }

    bool Give(const std::vector<std::uint8_t>& image) {
        if (image.size() != IMAGE_BYTES)
            return Fail("the image to give must be exactly 204800 bytes");
        Log("offering the image to the PC");
        if (!Handshake(SEND_READY, RECEIVE_READY))
            return false;
        Log("streaming the image");
        result.imageBytes = 0;
        result.sent = StreamedImage(image);
        std::vector<std::uint8_t> stream = result.sent;
        for (std::size_t i = 0; i < options.extraBytes; ++i)
            stream.push_back(static_cast<std::uint8_t>(0xA5 ^ i));
        const Clock::time_point start = Clock::now();
        paceStart = start;
        pacedBytes = 0; // a second session counts its own bytes
        std::size_t position = 0;
        while (position < stream.size()) {
            if (HangUpDue())
                return HangUp();
            if (SilenceDue())
                return GoSilent("mid-image");
            // The PC only listens while the image streams.
            if (!NothingWaiting("while the image streams to it"))
                return false;
            std::size_t chunk = stream.size() - position;
            if (options.paced)
                chunk = std::min(chunk, PACED_CHUNK);
            if (position < IMAGE_BYTES)
                chunk = Limit(Limit(std::min(chunk, IMAGE_BYTES - position), options.hangUpAfter),
                              options.silentAfter);
            if (!WriteAll(stream.data() + position, chunk)) {
                // Past the image the PC may have closed the port already, as it should.
                if (position >= IMAGE_BYTES)
                    break;
                return false;
            }
            position += chunk;
            if (position <= IMAGE_BYTES)
                result.imageBytes = position;
            Pace(chunk);
        }
        result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        result.ok = true;
        return true;
    }

    // Leaving at once would hang the line up under the PC's last read. The PC
    // must say nothing more; it closes the port when it is done.
    void Linger() {
        const Clock::time_point until = Clock::now() + options.linger;
        for (;;) {
            std::uint8_t byte = 0;
            const std::size_t offset = result.pcBytes;
            const long n = ReadSome(&byte, 1, until);
            if (n > 0) {
                Unexpected(byte, offset, "after the transfer was over");
                return;
            }
            if (n < 0) {
                result.pcClosed = !Cancelled();
                return;
            }
            if (Clock::now() >= until)
                return;
        }
    }
};

ReceiverSimulator::ReceiverSimulator() = default;
ReceiverSimulator::~ReceiverSimulator() {
    Close();
}

bool ReceiverSimulator::Open(std::string* error) {
    Close();
    if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
        if (error)
            *error = std::string("can't open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    // Raw from the start, so nothing the receiver says is echoed back before the
    // PC opens the port, and at a speed no PC chooses, so its opening shows.
    SetLineUnopened();
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    const char* name = ::ttyname(slave_);
    path_ = name ? name : "";
    cancelled_ = false;
    return true;
}

bool ReceiverSimulator::ReadLineSettings(termios* settings) const {
    // Our own descriptor of the PC's side of the line: it shows what the PC set.
    return slave_ >= 0 && ::tcgetattr(slave_, settings) == 0;
}

void ReceiverSimulator::CloseSlave() {
    // Once the PC holds the device, our own hold on it would hide the PC closing it.
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
}

void ReceiverSimulator::Close() {
    CloseSlave();
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

SimulatorResult ReceiverSimulator::Run(const SimulatorOptions& options) {
    SimulatorResult result;
    if (master_ < 0) {
        result.error = "the pseudo-terminal is not open";
        return result;
    }
    Session session{{*this, options, result, Clock::now()}};
    session.keepHold = options.mode == SimulatorMode::Accept && options.thenGive;
    bool done = options.mode == SimulatorMode::Accept ? session.Accept() : session.Give(options.image);
    if (done && options.mode == SimulatorMode::Accept && options.thenGive) {
        // The owner starts the receiver's send: the PC must open the port again to take it.
        session.Log("the image is stored; waiting for the PC to open the port again to take it back");
        const std::vector<std::uint8_t> stored = result.stored;
        const int handshakes = result.handshakes;
        result.handshakes = 0;
        done = session.Give(stored);
        result.handshakes += handshakes;
    }
    if (done)
        session.Linger();
    return result;
}

bool ReceiverSimulator::SetLineUnopened() {
    termios settings{};
    if (slave_ < 0 || ::tcgetattr(slave_, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CLOCAL);
    ::cfsetspeed(&settings, UNOPENED_SPEED);
    return ::tcsetattr(slave_, TCSANOW, &settings) == 0;
}

std::vector<std::uint8_t> PatternImage(std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> image(IMAGE_BYTES);
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(random() & 0xFF);
    return image;
}

} // namespace vormante::sim

// The simulator's end of the serial line, shared by its parts: reading and writing
// the pseudo-terminal with deadlines, pacing, hanging up, going silent, and waiting
// for the PC to open the port with the receiver's line settings.
#pragma once

#include "ReceiverSimulator.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <termios.h>

namespace vormante::sim {

using Clock = std::chrono::steady_clock;
using Frame = std::array<std::uint8_t, 2>;

// Until the PC opens the port, the line stands at a speed no PC would choose.
constexpr speed_t UNOPENED_SPEED = B50;
// A byte as the log shows it: 0x1B.
std::string Hex(std::uint8_t byte);

struct ReceiverSimulator::Line {
    ReceiverSimulator& sim;
    const SimulatorOptions& options;
    SimulatorResult& result;
    Clock::time_point paceStart;
    std::size_t pacedBytes = 0;
    bool keepHold = false; // keep our hold on the line through the first session

    void Log(const std::string& text) const;
    bool Fail(const std::string& why);
    bool Cancelled() const { return sim.cancelled_.load(); }
    Clock::time_point Patience() const { return Clock::now() + options.timeout; }
    // A byte the PC had no business sending: named by its offset in the PC's stream.
    bool Unexpected(std::uint8_t byte, std::size_t offset, const std::string& when);
    bool WriteAll(const std::uint8_t* bytes, std::size_t count);
    bool WriteFrame(const Frame& frame) { return WriteAll(frame.data(), frame.size()); }
    // Some bytes, or 0 when none came by `until`, or -1 when the line is gone
    // (the PC closed the port) or the run was cancelled.
    long ReadSome(std::uint8_t* buffer, std::size_t max, Clock::time_point until);
    bool LineGone() { return Fail(Cancelled() ? "cancelled" : "the PC closed the port"); }
    // The PC must send nothing until `until`; true when it kept quiet.
    bool ExpectSilence(Clock::time_point until, const std::string& when);
    // Waits, silent, for the PC to close the port; any byte it sends is a failure.
    bool AwaitClose(Clock::time_point until, const std::string& when);
    // Sleeps until the line could have carried `count` more bytes.
    void Pace(std::size_t count);
    bool HangUp();
    bool HangUpDue() const;
    bool SilenceDue() const;
    std::size_t Limit(std::size_t wanted, long after) const;
    // The receiver stops talking, the cable still in: the PC must give up and close.
    bool GoSilent(const std::string& when);
    // Waits for the PC to open the port and set it up, then checks the settings.
    bool AwaitOpenPort();
};

} // namespace vormante::sim

// A stand-in for the receiver at the far end of the serial line. It opens a
// pseudo-terminal whose device the PC side opens as its serial port, and
// plays the receiver's part of the transfer: "accept" takes the PC's image,
// "give" offers its own. Faults can be injected on request.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct termios;

namespace vormante::sim {

enum class SimulatorMode {
    Accept, // receiver asks for the PC's image (ReceiveReady, then NextBlock per block)
    Give,   // receiver offers its image (SendReady, then the image as one stream)
};

// The simulator is as strict as a receiver: it waits for the PC to open the
// port, checks the line settings the PC set (115200 baud, 8 data bits, no
// parity, 1 stop bit, no flow control), sends one handshake, and takes from
// the PC exactly the expected 2-byte answer and image blocks. Any other byte is
// a failure that names its offset in the PC's stream and its value.
struct SimulatorOptions {
    SimulatorMode mode = SimulatorMode::Accept;
    std::vector<std::uint8_t> image; // give: the image streamed to the PC
    bool paced = true;               // hold to the line rate, as a real 115200-baud line does
    double bytesPerSecond = 11520;
    int repeatAfterBlock = -1;     // accept: ask again for this block once (0: before the first block)
    int damagedBlock = -1;         // accept: this block (1..25) arrives damaged and is asked for again;
                                   // give: this block goes out damaged (bytes changed, frame pairs in it)
    std::size_t garbageBytes = 0;  // line noise sent in the same write as the first handshake
    bool splitHandshake = false;   // the first handshake goes out in two writes
    bool wrongDirection = false;   // handshake with the other direction's frame; the PC must not answer
    long hangUpAfter = -1;         // hang up after this many image bytes (-1: never)
    long silentAfter = -1;         // go silent, line kept open, after this many image bytes (-1: never);
                                   // accept: once the block holding that byte has arrived
    std::size_t extraBytes = 0;    // give: stream this many bytes beyond the image
    long storeFault = -1;          // accept: the byte at this offset is stored changed (-1: none)
    bool thenGive = false;         // accept: then offer the stored image back, as a receiver whose
                                   // owner starts its send once the upload is done
    int handshakeRepeats = 0;      // handshakes repeated when unanswered (a receiver's retries)
    bool checkLineSettings = true; // fail when the PC's line settings are not the receiver's
    std::chrono::milliseconds handshakeInterval{1000}; // wait for an answer before a repeat
    std::chrono::milliseconds timeout{120000};         // longest wait for the PC
    std::chrono::milliseconds linger{10000};           // wait for the PC to close before leaving
    std::function<void(const std::string&)> log;
};

struct SimulatorResult {
    bool ok = false;
    std::string error;
    std::vector<std::uint8_t> received; // accept: the image the PC sent
    std::vector<std::uint8_t> stored;   // accept: what the receiver keeps, the store fault included
    std::vector<std::uint8_t> sent;     // give: the image bytes streamed, damage included
    std::size_t imageBytes = 0;         // image bytes moved, either way
    std::size_t pcBytes = 0;            // bytes received from the PC in all
    int handshakes = 0;                 // handshake frames sent
    int blocksRequested = 0;            // NextBlock frames sent
    bool repeatMatched = false;         // the repeated block came back unchanged
    bool lineChecked = false;           // the PC's line settings were read back and right
    bool hungUp = false;
    bool wentSilent = false;
    bool pcClosed = false; // the PC closed the port while the line was still up
    double seconds = 0;    // from the handshake answer to the last image byte
};

class ReceiverSimulator {
public:
    ReceiverSimulator();
    ~ReceiverSimulator();
    ReceiverSimulator(const ReceiverSimulator&) = delete;
    ReceiverSimulator& operator=(const ReceiverSimulator&) = delete;

    // Opens the pseudo-terminal; the PC opens devicePath() as its port.
    bool Open(std::string* error);
    const std::string& devicePath() const { return path_; }

    // Plays one transfer; blocks until it is over, failed or was cancelled.
    SimulatorResult Run(const SimulatorOptions& options);
    // Makes a Run on another thread give up soon.
    void Cancel() { cancelled_ = true; }

private:
    struct Line;
    struct Session;
    void Close();
    bool ReadLineSettings(struct termios* settings) const;
    void CloseSlave();
    bool SetLineUnopened();

    int master_ = -1;
    int slave_ = -1;
    std::string path_;
    std::atomic<bool> cancelled_{false};
};

// What is wrong with line settings for the receiver's line; empty when right.
std::string LineSettingsProblem(const struct termios& settings);

// A deterministic pseudo-random image, so runs can be compared.
std::vector<std::uint8_t> PatternImage(std::uint32_t seed);

} // namespace vormante::sim

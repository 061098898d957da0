// vormante-receiver-sim: plays the receiver at the far end of a serial line,
// on a pseudo-terminal, for tests and for trying transfers without a receiver.
#include "ReceiverSimulator.h"
#include "model/ImageFile.h"
#include "model/ImageLayout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <utility>

using namespace vormante;

using namespace vormante::sim;

namespace {

const char USAGE[] =
    "Usage: vormante-receiver-sim accept|give [options]\n"
    "\n"
    "Opens a pseudo-terminal, prints its device path on the first line of the\n"
    "output, and plays the receiver on it. Open that path as the port in the\n"
    "transfer window (type it into the port box) and press Start.\n"
    "\n"
    "  accept   the receiver takes the PC's image (use \"Data From PC To IRD\")\n"
    "  give     the receiver offers its image (use \"Data From IRD To PC\")\n"
    "\n"
    "The receiver is strict: it waits for the PC to open the port, checks the\n"
    "line settings (115200 baud, 8 data bits, no parity, 1 stop bit, no flow\n"
    "control), sends one handshake, and fails on any byte from the PC other than\n"
    "the expected answer and image blocks, naming its offset and value.\n"
    "\n"
    "Options:\n"
    "  --output FILE          accept: save the image taken here (default receiver-image.bin,\n"
    "                         unless --memory is given)\n"
    "  --image FILE           give: the 204800-byte image to offer (default: a pattern)\n"
    "  --memory FILE          the receiver's memory: accept stores the image it takes there\n"
    "                         (with the store fault, if any); give offers what it holds\n"
    "  --then-give            accept: once the image is stored, offer it back on the same\n"
    "                         line, as a receiver whose owner starts its send after the\n"
    "                         upload; the PC closes the port and opens it again to take it\n"
    "  --store-fault OFFSET   accept: store the byte at OFFSET (0..204799) changed, so a\n"
    "                         check after sending has something to find\n"
    "  --seed N               give: seed of the pattern image (default 1)\n"
    "  --unpaced              move bytes as fast as the pseudo-terminal allows\n"
    "  --rate N               bytes per second when paced (default 11520, 115200 baud 8N1)\n"
    "  --repeat-after K       accept: ask for block K again (0: before the first block)\n"
    "  --damaged-block K      accept: block K arrives damaged and is asked for again;\n"
    "                         give: block K goes out damaged (1..25)\n"
    "  --garbage N            send N bytes of line noise with the first handshake\n"
    "  --split-handshake      send the first handshake frame in two writes\n"
    "  --handshake-repeats N  repeat an unanswered handshake up to N times, a second apart\n"
    "  --wrong-direction      open with the handshake frame of the other direction\n"
    "  --hang-up-after N      hang up the line after N image bytes\n"
    "  --silent-after N       stop talking after N image bytes, the line kept open\n"
    "  --extra-bytes N        give: stream N bytes more than an image\n"
    "  --no-line-check        accept any line settings\n"
    "  --timeout SECONDS      longest wait for the PC (default 120)\n"
    "  --quiet                print only the device path and the outcome\n"
    "  --help                 show this text\n"
    "\n"
    "Exit status: 0 the receiver's part was played as asked, 1 the PC broke the\n"
    "protocol or the line failed, 2 wrong usage.\n";

int Usage(const std::string& problem) {
    std::cerr << "vormante-receiver-sim: " << problem << "\n\n" << USAGE;
    return 2;
}

// Images are read and written as the editor does: bounded, without blocking on a pipe, and
// replaced atomically.
bool ReadImage(const std::string& file, std::vector<std::uint8_t>* image, std::string* error) {
    vormante::FileReadResult read = vormante::ReadFileBytes(file, vormante::IMAGE_SIZE);
    if (!read.ok) {
        *error = read.error;
        return false;
    }
    *image = std::move(read.bytes);
    if (image->size() != 204800) {
        const std::string size =
            image->size() > vormante::IMAGE_SIZE ? "more than 204800" : std::to_string(image->size());
        *error = file + " holds " + size + " bytes, not an image of 204800";
        return false;
    }
    return true;
}

bool WriteImage(const std::string& file, const std::vector<std::uint8_t>& image) {
    return vormante::WriteFileSafely(file, image).ok();
}

} // namespace

int main(int argc, char** argv) {
    SimulatorOptions options;
    std::string output = "receiver-image.bin";
    std::string imageFile;
    std::string memoryFile;
    bool outputGiven = false;
    unsigned long seed = 1;
    bool quiet = false;
    bool modeGiven = false;

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> const char* {
            if (i + 1 >= argc) {
                std::exit(Usage(std::string(name) + " needs a value"));
            }
            return argv[++i];
        };
        auto number = [&](const char* name) -> long {
            const char* text = value(name);
            char* end = nullptr;
            const long n = std::strtol(text, &end, 10);
            if (end == text || *end != '\0' || n < 0)
                std::exit(Usage(std::string(name) + " needs a number, not \"" + text + "\""));
            return n;
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << USAGE;
            return 0;
        } else if (arg == "accept" || arg == "give") {
            options.mode = arg == "accept" ? SimulatorMode::Accept : SimulatorMode::Give;
            modeGiven = true;
        } else if (arg == "--output") {
            output = value("--output");
            outputGiven = true;
        } else if (arg == "--memory") {
            memoryFile = value("--memory");
        } else if (arg == "--then-give") {
            options.thenGive = true;
        } else if (arg == "--store-fault") {
            const long offset = number("--store-fault");
            if (offset > 204799)
                return Usage("--store-fault takes an offset from 0 to 204799");
            options.storeFault = offset;
        } else if (arg == "--image") {
            imageFile = value("--image");
        } else if (arg == "--seed") {
            seed = static_cast<unsigned long>(number("--seed"));
        } else if (arg == "--unpaced") {
            options.paced = false;
        } else if (arg == "--rate") {
            const long rate = number("--rate");
            if (rate == 0)
                return Usage("--rate must be above 0");
            options.bytesPerSecond = static_cast<double>(rate);
        } else if (arg == "--repeat-after") {
            const long k = number("--repeat-after");
            if (k > 25)
                return Usage("--repeat-after takes a block from 0 to 25");
            options.repeatAfterBlock = static_cast<int>(k);
        } else if (arg == "--damaged-block") {
            const long k = number("--damaged-block");
            if (k < 1 || k > 25)
                return Usage("--damaged-block takes a block from 1 to 25");
            options.damagedBlock = static_cast<int>(k);
        } else if (arg == "--handshake-repeats") {
            options.handshakeRepeats = static_cast<int>(std::min(number("--handshake-repeats"), 1000L));
        } else if (arg == "--silent-after") {
            options.silentAfter = number("--silent-after");
        } else if (arg == "--extra-bytes") {
            options.extraBytes = static_cast<std::size_t>(std::min(number("--extra-bytes"), 100000000L));
        } else if (arg == "--no-line-check") {
            options.checkLineSettings = false;
        } else if (arg == "--garbage") {
            options.garbageBytes = static_cast<std::size_t>(number("--garbage"));
        } else if (arg == "--split-handshake") {
            options.splitHandshake = true;
        } else if (arg == "--wrong-direction") {
            options.wrongDirection = true;
        } else if (arg == "--hang-up-after") {
            options.hangUpAfter = number("--hang-up-after");
        } else if (arg == "--timeout") {
            options.timeout = std::chrono::seconds(number("--timeout"));
        } else if (arg == "--quiet") {
            quiet = true;
        } else {
            return Usage("unknown argument \"" + arg + "\"");
        }
    }
    if (!modeGiven)
        return Usage("say accept or give");
    if (options.mode == SimulatorMode::Give && (options.thenGive || options.storeFault >= 0))
        return Usage("--then-give and --store-fault go with accept");
    if (options.mode == SimulatorMode::Give && !memoryFile.empty()) {
        if (!imageFile.empty())
            return Usage("give takes --image or --memory, not both");
        imageFile = memoryFile;
    }

    if (options.mode == SimulatorMode::Give) {
        std::string error;
        if (imageFile.empty())
            options.image = PatternImage(static_cast<std::uint32_t>(seed));
        else if (!ReadImage(imageFile, &options.image, &error))
            return Usage(error);
    }
    if (!quiet)
        options.log = [](const std::string& text) { std::cerr << "receiver: " << text << std::endl; };

    ReceiverSimulator simulator;
    std::string error;
    if (!simulator.Open(&error)) {
        std::cerr << "vormante-receiver-sim: " << error << '\n';
        return 1;
    }
    std::cout << simulator.devicePath() << std::endl;

    const SimulatorResult result = simulator.Run(options);
    if (!result.ok) {
        std::cerr << "vormante-receiver-sim: " << result.error << '\n';
        return 1;
    }
    if (result.hungUp) {
        std::cerr << "receiver: hung up after " << result.imageBytes << " image bytes\n";
        return 0;
    }
    if (result.wentSilent) {
        std::cerr << "receiver: went silent after " << result.imageBytes
                  << " image bytes; the PC closed the port\n";
        return 0;
    }
    if (options.wrongDirection) {
        std::cerr << "receiver: the PC refused the handshake of the wrong direction and closed the port\n";
        return 0;
    }
    if (options.mode == SimulatorMode::Accept) {
        if ((outputGiven || memoryFile.empty()) && !WriteImage(output, result.received)) {
            std::cerr << "vormante-receiver-sim: can't write " << output << '\n';
            return 1;
        }
        if (!memoryFile.empty() && !WriteImage(memoryFile, result.stored)) {
            std::cerr << "vormante-receiver-sim: can't write " << memoryFile << '\n';
            return 1;
        }
        std::cerr << "receiver: took 204800 bytes, "
                  << (memoryFile.empty() ? "saved to " + output : "stored in " + memoryFile)
                  << (options.thenGive ? ", and gave them back in " : ", in ") << result.seconds << " s\n";
    } else {
        std::cerr << "receiver: gave 204800 bytes in " << result.seconds << " s\n";
    }
    return 0;
}

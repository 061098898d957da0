// Fuzz target: arbitrary byte streams from the receiver into the transfer engine,
// in both directions and every state, through a scripted channel and view.
//
// The input is a script. Its first byte picks the direction and whether the file
// to send is a whole image; then each step is an opcode byte and its operands:
// bytes arriving (short runs, or long runs of filler that carry a receive close to
// its end), the port getting lost, the window's Start, Stop, Exit and close box, and
// the answers the user gives when a received image is to be saved. After every step
// the engine's counters stay inside the image, it writes only while the port is
// open, and nothing reaches the view after the window has ended.
#include "FuzzTransferSupport.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

using namespace vormante;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    fuzztransfer::PrepareFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = fuzztransfer::RunScript(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "transfer engine: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}

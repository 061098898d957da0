// Fuzz target: arbitrary bytes as a satellites.xml transponder list. The reader
// must refuse or accept every input without crashing, hanging or expanding
// entities; an accepted list is planned and applied on the demo image with
// every option on, and the rules of SatellitesXmlCheck.h must hold.
#include "SatellitesXmlCheck.h"

#include <cstdio>
#include <cstdlib>

using namespace vormante;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::string fault = satxmlcheck::Check(bytes);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

// Fuzz target: arbitrary bytes as the archive's index file and as the names of files
// in its folder, both of which anything on the disk may have written. Parsing must
// refuse or accept without crashing; an accepted index, written out, must read back
// and write out again byte for byte the same, so the archive never loses an entry
// by keeping it.
#include "archive/ArchiveIndex.h"

#include <cstdio>
#include <cstdlib>

using namespace vormante;

namespace {

void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto stem = ParseArchiveFileName(QString::fromUtf8(bytes)); stem && !stem->time.isValid())
        Fail("a file name read as an invalid time");

    ArchiveIndex index;
    if (!ParseArchiveIndex(bytes, &index))
        return 0;
    const QByteArray written = SerializeArchiveIndex(index);
    ArchiveIndex again;
    if (!ParseArchiveIndex(written, &again))
        Fail("a written index does not read back");
    if (again.entries.size() != index.entries.size() || again.limit != index.limit)
        Fail("a written index lost entries or its bound");
    if (SerializeArchiveIndex(again) != written)
        Fail("an index read back writes out differently");
    return 0;
}

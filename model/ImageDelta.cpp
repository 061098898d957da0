#include "ImageDelta.h"

#include <algorithm>
#include <cstring>

namespace vormante {

namespace {
// Unchanged bytes between two differences up to this many are taken into one range:
// a range costs 8 bytes of bookkeeping plus its bytes twice.
constexpr std::size_t JOIN_GAP = 8;
constexpr std::size_t WORD = sizeof(std::uint64_t);

std::uint64_t WordAt(const DatabaseImage& image, std::size_t offset) {
    std::uint64_t word;
    std::memcpy(&word, image.data() + offset, WORD);
    return word;
}
} // namespace

ImageDelta ImageDelta::Between(const DatabaseImage& before, const DatabaseImage& after) {
    static_assert(IMAGE_SIZE % WORD == 0);
    ImageDelta delta;
    std::size_t offset = 0;
    while (offset < IMAGE_SIZE) {
        // Skip equal words quickly, then find the exact first and last differing byte.
        if (WordAt(before, offset) == WordAt(after, offset)) {
            offset += WORD;
            continue;
        }
        std::size_t start = offset;
        while (before[start] == after[start])
            ++start;
        std::size_t end = start + 1; // one past the last differing byte seen
        // The probe runs on until more than JOIN_GAP equal bytes follow the last difference,
        // so every nearer difference is in this range already and the next range starts
        // more than JOIN_GAP bytes after it: ranges never need joining afterwards.
        std::size_t probe = end;
        while (probe < IMAGE_SIZE && probe - end <= JOIN_GAP) {
            if (before[probe] != after[probe])
                end = probe + 1;
            ++probe;
        }
        delta.ranges_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
        delta.before_.insert(delta.before_.end(), before.begin() + static_cast<std::ptrdiff_t>(start),
                             before.begin() + static_cast<std::ptrdiff_t>(end));
        delta.after_.insert(delta.after_.end(), after.begin() + static_cast<std::ptrdiff_t>(start),
                            after.begin() + static_cast<std::ptrdiff_t>(end));
        offset = (end + WORD - 1) / WORD * WORD;
    }
    delta.ranges_.shrink_to_fit();
    delta.before_.shrink_to_fit();
    delta.after_.shrink_to_fit();
    return delta;
}

void ImageDelta::Write(DatabaseImage& image, const std::vector<std::uint8_t>& content) const {
    std::size_t at = 0;
    for (const Range& range : ranges_) {
        std::memcpy(image.data() + range.offset, content.data() + at, range.length);
        at += range.length;
    }
}

std::size_t ImageDelta::memoryBytes() const {
    return sizeof(ImageDelta) + HeapBytes(ranges_.capacity() * sizeof(Range)) +
           HeapBytes(before_.capacity()) + HeapBytes(after_.capacity());
}

} // namespace vormante

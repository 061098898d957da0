// The bytes one edit changed in an image: the changed ranges with their content
// before and after. An edit history keeps these instead of whole images, so a step
// that renames one channel costs a few dozen bytes.
#pragma once

#include "ImageLayout.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vormante {

class ImageDelta {
public:
    struct Range {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };

    // The ranges where after differs from before. Differences closer together than
    // a few bytes share one range, which costs less than two.
    static ImageDelta Between(const DatabaseImage& before, const DatabaseImage& after);

    bool empty() const { return ranges_.empty(); }
    const std::vector<Range>& ranges() const { return ranges_; }
    // Bytes inside the ranges.
    std::size_t changedBytes() const { return before_.size(); }
    // Memory the delta holds, its heap blocks as the allocator hands them out, for
    // bounding an edit history.
    std::size_t memoryBytes() const;

    // What an allocation of `requested` bytes takes from the heap: the allocator's
    // header and rounding (8 bytes and 16-byte steps, at least 32, as glibc's malloc).
    static constexpr std::size_t HeapBytes(std::size_t requested) {
        return requested == 0 ? 0 : requested + 8 <= 32 ? 32 : (requested + 8 + 15) / 16 * 16;
    }

    // Writes the content before (or after) the edit into the ranges of image.
    void RestoreBefore(DatabaseImage& image) const { Write(image, before_); }
    void RestoreAfter(DatabaseImage& image) const { Write(image, after_); }

private:
    void Write(DatabaseImage& image, const std::vector<std::uint8_t>& content) const;

    std::vector<Range> ranges_;
    std::vector<std::uint8_t> before_; // the ranges' bytes, one after the other
    std::vector<std::uint8_t> after_;
};

} // namespace vormante

#pragma once

#include <array>
#include <cstddef>

namespace ondrix {

// Tells whether an image's bytes hold all of its image data: a JPEG's end-of-image marker after its scan, a
// PNG's end chunk, every strip and tile of every image and directory of a TIFF (DNG included). A file cut
// short (an interrupted copy from a card, or one still being written) fails the check. The structures are
// walked by the lengths they state, in work bounded by the size of the input, so hostile bytes are judged
// safely. Stateless; any thread.
class ImageCompleteness {
public:
    // All there, missing (cut short, or its writer is not done), or not to be told because the structure is
    // not one a writer makes (or the type is not one of the three).
    enum class Verdict { complete, incomplete, unjudgeable };

    // Where a JPEG's first scan starts: the marker segments before it are walked by their lengths (an
    // embedded thumbnail carries an end marker of its own). `needMore` when the bytes end before it.
    struct JpegScan {
        enum class State { found, needMore, invalid };
        State state = State::invalid;
        size_t at = 0; // the start-of-scan marker
    };

    static constexpr std::array<unsigned char, 2> kJpegEndOfImage{0xFF, 0xD9};

    // Dispatches on the bytes' signature, not a file name or exiv2's guess, so the check always fits them.
    static Verdict of(const unsigned char* bytes, size_t size);

    static JpegScan findJpegScan(const unsigned char* bytes, size_t size);
    // The end of the marker segment that starts at `at`, by its stated length.
    static size_t jpegSegmentEnd(const unsigned char* bytes, size_t at);
};

} // namespace ondrix

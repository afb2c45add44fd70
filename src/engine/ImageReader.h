#pragma once

#include "engine/ImageCompleteness.h"

#include <cstddef>
#include <vector>

namespace ondrix {

// Reads from an open image what exiv2 is given to rewrite, and judges on the way whether its image data is
// all there. A JPEG's metadata all lies before its first scan and exiv2 passes everything from the scan on
// through as it is, so a JPEG is never read whole; PNG and TIFF are (exiv2 rewrites them in memory anyway).
// Stateless; any thread. The file is only ever read.
class ImageReader {
public:
    struct Rewrite {
        ImageCompleteness::Verdict completeness = ImageCompleteness::Verdict::incomplete;
        // Empty when the file could not be read or is not worth rewriting.
        std::vector<unsigned char> bytes;
        // The original from here to its end follows exiv2's output, in place of the last `standIn` bytes of
        // it.
        size_t keptFrom = 0;
        size_t standIn = 0;
    };

    // `fileSize` is the size the caller saw when it opened `in`.
    static Rewrite read(int in, size_t fileSize);

    // Reads exactly `length` bytes at `offset`; false on an error or when the file ends before.
    static bool readAt(int in, size_t offset, unsigned char* into, size_t length);
};

} // namespace ondrix

#include "engine/ImageCompleteness.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace ondrix {

using Verdict = ImageCompleteness::Verdict;

ImageCompleteness::JpegScan ImageCompleteness::findJpegScan(const unsigned char* bytes, size_t size)
{
    size_t position = 2; // after start-of-image
    while (position + 4 <= size) {
        if (bytes[position] != 0xFF) {
            return {};
        }
        const unsigned char marker = bytes[position + 1];
        if (marker == 0xFF) { // fill byte
            ++position;
            continue;
        }
        if (marker == 0xDA) { // start of scan
            return {JpegScan::State::found, position};
        }
        position += 2 + ((size_t{bytes[position + 2]} << 8) | bytes[position + 3]);
    }
    return {JpegScan::State::needMore, 0};
}

size_t ImageCompleteness::jpegSegmentEnd(const unsigned char* bytes, size_t at)
{
    return at + 2 + ((size_t{bytes[at + 2]} << 8) | bytes[at + 3]);
}

namespace {

// Whether a JPEG's compressed data ends with its end-of-image marker. A file cut short (an interrupted copy
// from a card, or one still being written) has none, and rewriting it would only freeze the damage. Inside
// scan data a 0xFF byte is always stuffed or a restart marker, so 0xFF 0xD9 there is the end.
bool jpegIsComplete(const unsigned char* bytes, size_t size)
{
    const ImageCompleteness::JpegScan scan = ImageCompleteness::findJpegScan(bytes, size);
    return scan.state == ImageCompleteness::JpegScan::State::found &&
           std::search(bytes + scan.at + 2, bytes + size, ImageCompleteness::kJpegEndOfImage.begin(),
                       ImageCompleteness::kJpegEndOfImage.end()) != bytes + size;
}

quint32 bigEndian32(const unsigned char* p)
{
    return (quint32{p[0]} << 24) | (quint32{p[1]} << 16) | (quint32{p[2]} << 8) | quint32{p[3]};
}

// Whether a PNG's chunks, walked by their lengths from the signature, reach the end chunk inside the file.
bool pngIsComplete(const unsigned char* bytes, size_t size)
{
    size_t position = 8; // after the signature
    bool first = true;
    while (position + 12 <= size) {
        const size_t length = bigEndian32(bytes + position);
        const unsigned char* type = bytes + position + 4;
        if (first && std::memcmp(type, "IHDR", 4) != 0) {
            return false;
        }
        first = false;
        if (length > size - position - 12) {
            return false; // the chunk runs past the end of the file
        }
        if (std::memcmp(type, "IEND", 4) == 0) {
            return true;
        }
        position += 12 + length;
    }
    return false;
}

// Whether every directory of a TIFF (a DNG is one) and everything it points to lies inside the file, and
// there is image data at all. Writers put the directory first and the pixels after it (exiv2, most raw
// converters) or the pixels first and the directory last (libtiff): a file still being written then has
// strips past its end, or a header pointing past its end. Directories are followed along the chain and into
// sub-images (where a DNG keeps its raw data).
ImageCompleteness::Verdict tiffCompleteness(const unsigned char* bytes, size_t size)
{
    if (size < 8) {
        return Verdict::incomplete;
    }
    const bool little = bytes[0] == 'I';
    const auto read16 = [&](size_t at) -> quint32 {
        return little ? quint32(bytes[at]) | quint32(bytes[at + 1]) << 8
                      : quint32(bytes[at]) << 8 | quint32(bytes[at + 1]);
    };
    const auto read32 = [&](size_t at) -> quint32 {
        return little ? read16(at) | read16(at + 2) << 16 : read16(at) << 16 | read16(at + 2);
    };
    if (read16(2) != 42) {
        return Verdict::unjudgeable; // BigTIFF or not a TIFF
    }
    // Every entry, pointer and strip looked at costs one step; a crafted file whose directories share
    // their arrays or point at each other runs out of steps long before the walk outgrows the file, and is
    // not judged at all (it goes up without keywords instead of waiting for ever as "still being written").
    size_t steps = size + 4096;
    const auto step = [&steps](size_t n) {
        if (n > steps) {
            steps = 0;
            return false;
        }
        steps -= n;
        return true;
    };
    const auto typeSize = [](quint32 type) -> size_t {
        switch (type) {
        case 1:
        case 2:
        case 6:
        case 7:
            return 1; // byte, ascii, signed byte, undefined
        case 3:
        case 8:
            return 2; // short, signed short
        case 4:
        case 9:
        case 11:
        case 13:
            return 4; // long, signed long, float, sub-directory
        case 5:
        case 10:
        case 12:
            return 8; // rationals, double
        default:
            return 0;
        }
    };
    std::vector<size_t> pending{read32(4)};
    std::vector<size_t> visited;
    bool hasImageData = false;
    while (!pending.empty()) {
        const size_t directory = pending.back();
        pending.pop_back();
        if (directory == 0 || std::find(visited.begin(), visited.end(), directory) != visited.end()) {
            continue;
        }
        if (visited.size() >= 256) {
            return Verdict::unjudgeable;
        }
        if (directory > size - 2) {
            return Verdict::incomplete;
        }
        visited.push_back(directory);
        const size_t count = read16(directory);
        if (count == 0 || count > (size - directory - 2) / 12 || directory + 2 + count * 12 + 4 > size) {
            return Verdict::incomplete;
        }
        if (!step(count + visited.size())) {
            return Verdict::unjudgeable;
        }
        // Offsets and byte counts of strips, tiles and an embedded JPEG, by tag, as (value position, count,
        // element size).
        struct Array {
            size_t at = 0;
            size_t count = 0;
            size_t width = 0;
        };
        std::map<quint32, Array> arrays;
        for (size_t i = 0; i < count; ++i) {
            const size_t entry = directory + 2 + i * 12;
            const quint32 tag = read16(entry);
            const size_t width = typeSize(read16(entry + 2));
            const size_t elements = read32(entry + 4);
            if (width == 0) {
                continue; // a type this walk does not know; its value is not followed
            }
            if (elements > size / width) {
                return Verdict::incomplete;
            }
            const size_t length = elements * width;
            size_t at = entry + 8;
            if (length > 4) {
                at = read32(entry + 8);
                if (at > size || length > size - at) {
                    return Verdict::incomplete; // the value lies (partly) past the end of the file
                }
            }
            switch (tag) {
            case 273:
            case 279:
            case 324:
            case 325:
            case 513:
            case 514:
                arrays[tag] = {at, elements, width};
                break;
            case 330: // sub-image directories
                if (width == 4 && !step(elements)) {
                    return Verdict::unjudgeable;
                }
                for (size_t k = 0; k < elements && (width == 4); ++k) {
                    pending.push_back(read32(at + 4 * k));
                }
                break;
            default:
                break;
            }
        }
        const auto valueAt = [&](const Array& array, size_t k) -> size_t {
            return array.width == 2 ? read16(array.at + 2 * k) : read32(array.at + 4 * k);
        };
        for (const auto& [offsets, lengths] : {std::pair{273U, 279U}, {324U, 325U}, {513U, 514U}}) {
            const auto o = arrays.find(offsets);
            const auto l = arrays.find(lengths);
            if (o == arrays.end() && l == arrays.end()) {
                continue;
            }
            if (o == arrays.end() || l == arrays.end() || o->second.count != l->second.count ||
                (o->second.width != 2 && o->second.width != 4) ||
                (l->second.width != 2 && l->second.width != 4)) {
                return Verdict::incomplete;
            }
            if (!step(o->second.count)) {
                return Verdict::unjudgeable;
            }
            for (size_t k = 0; k < o->second.count; ++k) {
                const size_t start = valueAt(o->second, k);
                const size_t length = valueAt(l->second, k);
                if (start > size || length > size - start) {
                    return Verdict::incomplete;
                }
                hasImageData = hasImageData || length > 0;
            }
        }
        pending.push_back(read32(directory + 2 + count * 12));
    }
    return hasImageData ? Verdict::complete : Verdict::incomplete;
}

} // namespace

ImageCompleteness::Verdict ImageCompleteness::of(const unsigned char* bytes, size_t size)
{
    const auto judged = [](bool complete) { return complete ? Verdict::complete : Verdict::incomplete; };
    if (size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
        return judged(jpegIsComplete(bytes, size));
    }
    if (size >= 8 && std::memcmp(bytes, "\x89PNG\r\n\x1a\n", 8) == 0) {
        return judged(pngIsComplete(bytes, size));
    }
    if (size >= 4 && (std::memcmp(bytes, "II*\0", 4) == 0 || std::memcmp(bytes, "MM\0*", 4) == 0)) {
        return tiffCompleteness(bytes, size);
    }
    return Verdict::unjudgeable;
}

} // namespace ondrix

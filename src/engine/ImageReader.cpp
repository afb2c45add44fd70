#include "engine/ImageReader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ondrix {

using Verdict = ImageCompleteness::Verdict;

namespace {

// Reads the whole regular file behind `in`.
int readAll(int in, std::vector<unsigned char>& bytes)
{
    struct stat status {};
    if (::fstat(in, &status) != 0) {
        return errno;
    }
    bytes.resize(static_cast<size_t>(status.st_size));
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            bytes.resize(bytes.size() + 4096); // the file grew since fstat
        }
        const ssize_t read = ::read(in, bytes.data() + filled, bytes.size() - filled);
        if (read < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (read == 0) {
            bytes.resize(filled);
            return 0;
        }
        filled += static_cast<size_t>(read);
    }
}

} // namespace

bool ImageReader::readAt(int in, size_t offset, unsigned char* into, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::pread(in, into, length, off_t(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        into += n;
        offset += size_t(n);
        length -= size_t(n);
    }
    return true;
}

namespace {

// Whether the bytes [from, to) of `in` hold an end-of-image marker; searched from the end, where it usually
// is, a piece at a time.
bool hasJpegEndOfImage(int in, size_t from, size_t to)
{
    std::vector<unsigned char> buffer(std::min<size_t>(to - from, size_t(1) << 20) + 1);
    for (size_t end = to; end > from;) {
        const size_t begin = end - std::min(end - from, buffer.size() - 1);
        const size_t length = std::min(end + 1, to) - begin; // one byte more: a marker across the cut
        if (!ImageReader::readAt(in, begin, buffer.data(), length)) {
            return false;
        }
        if (std::search(buffer.data(), buffer.data() + length, ImageCompleteness::kJpegEndOfImage.begin(),
                        ImageCompleteness::kJpegEndOfImage.end()) != buffer.data() + length) {
            return true;
        }
        end = begin;
    }
    return false;
}

// A JPEG's metadata all lies before its first scan, and exiv2 passes everything from the scan on through as
// it is. So a JPEG is never read whole: exiv2 gets the segments before the scan, the scan's header and an end
// marker standing in for the rest, and the rest is copied from the original into the new file. A header
// larger than any camera writes is not judged.
constexpr size_t kMaxJpegHeadBytes = size_t(64) << 20;

ImageReader::Rewrite readJpegHead(int in, size_t fileSize)
{
    ImageReader::Rewrite rewrite;
    std::vector<unsigned char>& bytes = rewrite.bytes;
    size_t want = std::min<size_t>(fileSize, size_t(64) << 10);
    for (;;) {
        const size_t had = bytes.size();
        bytes.resize(want);
        if (!ImageReader::readAt(in, had, bytes.data() + had, want - had)) {
            bytes.clear(); // shorter than it was a moment ago
            return rewrite;
        }
        const ImageCompleteness::JpegScan scan = ImageCompleteness::findJpegScan(bytes.data(), bytes.size());
        if (scan.state == ImageCompleteness::JpegScan::State::invalid) {
            return rewrite;
        }
        if (scan.state == ImageCompleteness::JpegScan::State::found) {
            const size_t headerEnd = ImageCompleteness::jpegSegmentEnd(bytes.data(), scan.at);
            if (headerEnd > fileSize) {
                return rewrite;
            }
            if (headerEnd > bytes.size()) {
                want = headerEnd;
                continue;
            }
            bytes.resize(headerEnd);
            bytes.insert(bytes.end(), ImageCompleteness::kJpegEndOfImage.begin(),
                         ImageCompleteness::kJpegEndOfImage.end());
            rewrite.keptFrom = scan.at;
            rewrite.standIn = bytes.size() - scan.at;
            rewrite.completeness =
                hasJpegEndOfImage(in, scan.at + 2, fileSize) ? Verdict::complete : Verdict::incomplete;
            return rewrite;
        }
        if (want == fileSize) {
            return rewrite;
        }
        if (want >= kMaxJpegHeadBytes) {
            rewrite.completeness = Verdict::unjudgeable;
            return rewrite;
        }
        want = std::min({fileSize, want * 4, kMaxJpegHeadBytes});
    }
}

// PNG and TIFF are read whole: exiv2 rewrites them in memory anyway.
ImageReader::Rewrite readWhole(int in)
{
    ImageReader::Rewrite rewrite;
    if (readAll(in, rewrite.bytes) != 0 || rewrite.bytes.empty()) {
        rewrite.completeness = Verdict::unjudgeable;
        rewrite.bytes.clear();
        return rewrite;
    }
    rewrite.completeness = ImageCompleteness::of(rewrite.bytes.data(), rewrite.bytes.size());
    rewrite.keptFrom = rewrite.bytes.size();
    return rewrite;
}

} // namespace

ImageReader::Rewrite ImageReader::read(int in, size_t fileSize)
{
    std::array<unsigned char, 3> signature{};
    const bool jpeg = readAt(in, 0, signature.data(), signature.size()) &&
                      signature == std::array<unsigned char, 3>{0xFF, 0xD8, 0xFF};
    return jpeg ? readJpegHead(in, fileSize) : readWhole(in);
}

} // namespace ondrix

#include "iptc/Exiv2KeywordImage.h"

#include <algorithm>
#include <atomic>
#include <mutex>

namespace ondrix {

namespace {

constexpr const char* keywordsKey = "Iptc.Application2.Keywords";
constexpr const char* characterSetKey = "Iptc.Envelope.CharacterSet";
// ISO 2022 escape sequence that declares the IPTC text as UTF-8.
constexpr const char* utf8CharacterSet = "\x1b%G";

std::mutex xmpToolkitMutex;
std::atomic<void (*)(const char*)> logSink{nullptr};

void lockXmpToolkit(void*, bool lock)
{
    if (lock) {
        xmpToolkitMutex.lock();
    } else {
        xmpToolkitMutex.unlock();
    }
}

void forwardMessage(int, const char* message)
{
    if (const auto log = logSink.load()) {
        log(message);
    }
}

} // namespace

void Exiv2KeywordImage::initialize(void (*log)(const char* message))
{
    // exiv2's XMP toolkit must be initialised once, before threads use it, with a lock for its namespace
    // registry; its messages go to the caller instead of stderr.
    static std::once_flag once;
    std::call_once(once, [log] {
        logSink = log;
        Exiv2::LogMsg::setHandler(forwardMessage);
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
        Exiv2::XmpParser::initialize(lockXmpToolkit, nullptr);
    });
}

Exiv2KeywordImage::Exiv2KeywordImage(std::unique_ptr<Exiv2::Image> image)
    : m_image(std::move(image))
{}

std::unique_ptr<KeywordImage> Exiv2KeywordImage::open(const unsigned char* bytes, std::size_t size,
                                                      std::string& error)
{
    try {
        std::unique_ptr<Exiv2::Image> image(
            Exiv2::ImageFactory::open(bytes, static_cast<long>(size)).release());
        if (!image || image->mimeType().empty() || (image->checkMode(Exiv2::mdIptc) & Exiv2::amWrite) == 0) {
            return nullptr;
        }
        return std::unique_ptr<KeywordImage>(new Exiv2KeywordImage(std::move(image)));
    } catch (const std::exception& exception) {
        error = exception.what();
    } catch (...) {
        error = "unknown error";
    }
    return nullptr;
}

bool Exiv2KeywordImage::readKeywords(std::vector<std::string>& keywords, std::string& error)
{
    try {
        m_image->readMetadata();
        keywords.clear();
        for (const Exiv2::Iptcdatum& datum : m_image->iptcData()) {
            if (datum.key() == keywordsKey) {
                keywords.push_back(datum.toString());
            }
        }
        return true;
    } catch (const std::exception& exception) {
        error = exception.what();
    } catch (...) {
        error = "unknown error";
    }
    return false;
}

bool Exiv2KeywordImage::writeKeywords(const std::vector<std::string>& keywords, const unsigned char*& data,
                                      std::size_t& size, std::string& error)
{
    try {
        Exiv2::IptcData& iptc = m_image->iptcData();
        for (auto it = iptc.begin(); it != iptc.end();) {
            it = it->key() == keywordsKey ? iptc.erase(it) : std::next(it);
        }
        const Exiv2::IptcKey key(keywordsKey);
        for (const std::string& keyword : keywords) {
            Exiv2::Iptcdatum datum(key);
            datum.setValue(keyword);
            iptc.add(datum);
        }
        const bool needsUtf8 = std::any_of(keywords.begin(), keywords.end(), [](const std::string& keyword) {
            return std::any_of(keyword.begin(), keyword.end(),
                               [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        });
        if (needsUtf8 && iptc.findKey(Exiv2::IptcKey(characterSetKey)) == iptc.end()) {
            iptc[characterSetKey] = std::string(utf8CharacterSet);
        }
        m_image->writeMetadata();
        Exiv2::BasicIo& rewritten = m_image->io();
        if (rewritten.open() != 0) {
            error = "the rewritten image cannot be read back";
            return false;
        }
        data = rewritten.mmap(false);
        size = static_cast<std::size_t>(rewritten.size());
        return true;
    } catch (const std::exception& exception) {
        error = exception.what();
    } catch (...) {
        error = "unknown error";
    }
    return false;
}

} // namespace ondrix

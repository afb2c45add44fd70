#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace ondrix {

// One image held in memory by the keyword module, whose IPTC keywords can be read and replaced. The module
// is a separately loaded library (it carries the image metadata library, which only connections that write
// keywords need), so this interface is plain C++: no Qt types cross it, and no exception leaves it.
class KeywordImage {
public:
    virtual ~KeywordImage() = default;

    // The image's IPTC keywords in stored order; false with the reason when its metadata cannot be read.
    virtual bool readKeywords(std::vector<std::string>& keywords, std::string& error) = 0;
    // Replaces every keyword with `keywords` (declaring UTF-8 text when one needs it) and rewrites the image
    // in memory; `data`/`size` then show the rewritten bytes, valid while this object lives. False with the
    // reason when the image cannot be rewritten.
    virtual bool writeKeywords(const std::vector<std::string>& keywords, const unsigned char*& data,
                               std::size_t& size, std::string& error) = 0;
};

// What the keyword module's entry function returns. `build` must equal the loading executable's version.
struct KeywordModuleEntry {
    const char* build;
    // Routes the metadata library's warnings to `log` (any thread); called once, before the first `open`.
    void (*initialize)(void (*log)(const char* message));
    // The image in `bytes` (which must outlive the result), or null when it is not an image type whose IPTC
    // block can be written (`error` then says why when the bytes could not be parsed at all).
    std::unique_ptr<KeywordImage> (*open)(const unsigned char* bytes, std::size_t size, std::string& error);
};

} // namespace ondrix

// The name of the function the module exports; it returns `const ondrix::KeywordModuleEntry*`.
#define ONDRIX_KEYWORD_MODULE_ENTRY ondrix_keyword_module_entry

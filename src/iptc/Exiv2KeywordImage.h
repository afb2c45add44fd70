#pragma once

#include "iptc/KeywordImage.h"

#include <exiv2/exiv2.hpp>

namespace ondrix {

// A KeywordImage on exiv2, edited entirely in memory.
class Exiv2KeywordImage : public KeywordImage {
public:
    // Sets up exiv2 once for use from several threads, its messages going to `log`.
    static void initialize(void (*log)(const char* message));
    static std::unique_ptr<KeywordImage> open(const unsigned char* bytes, std::size_t size,
                                              std::string& error);

    bool readKeywords(std::vector<std::string>& keywords, std::string& error) override;
    bool writeKeywords(const std::vector<std::string>& keywords, const unsigned char*& data,
                       std::size_t& size, std::string& error) override;

private:
    explicit Exiv2KeywordImage(std::unique_ptr<Exiv2::Image> image);

    std::unique_ptr<Exiv2::Image> m_image;
};

} // namespace ondrix

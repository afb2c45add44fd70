// The keyword module's entry point: the executable loads this library the first time a keyword is to be
// written into an image and reaches everything in it through the entry returned here.
#include "iptc/Exiv2KeywordImage.h"
#include "iptc/KeywordImage.h"

namespace {

const ondrix::KeywordModuleEntry kEntry{ONDRIX_VERSION, &ondrix::Exiv2KeywordImage::initialize,
                                        &ondrix::Exiv2KeywordImage::open};

} // namespace

extern "C" __attribute__((visibility("default"))) const ondrix::KeywordModuleEntry*
ONDRIX_KEYWORD_MODULE_ENTRY()
{
    return &kEntry;
}

// Fuzzes the keyword text parse and the merge with an image's existing keywords. Input: the keyword text, a
// NUL, then the existing keywords separated by NULs. Checks the merge's promises rather than only crashes.
#include "engine/IPTCMetadataService.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool hasRemovedPrefix(const std::string& keyword)
{
    return keyword.starts_with("sp_") || keyword.starts_with("opta_") || keyword.starts_with("gettymeid_");
}

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = std::min(input.find('\0'), input.size());
    const QString text = QString::fromUtf8(input.data(), static_cast<qsizetype>(split));
    std::vector<std::string> existing;
    for (size_t start = split + 1; start <= input.size();) {
        const size_t end = std::min(input.find('\0', start), input.size());
        existing.push_back(input.substr(start, end - start));
        start = end + 1;
    }

    const QStringList keywords = ondrix::IPTCMetadataService::parseKeywords(text);
    for (const QString& keyword : keywords) {
        check(!keyword.isEmpty() && keyword.trimmed() == keyword && !keyword.contains(u','));
    }

    const std::vector<std::string> merged = ondrix::IPTCMetadataService::mergeKeywords(existing, keywords);
    // Existing keywords without the removed prefixes come first, in their order.
    std::vector<std::string> kept;
    std::copy_if(existing.begin(), existing.end(), std::back_inserter(kept),
                 [](const std::string& keyword) { return !hasRemovedPrefix(keyword); });
    check(merged.size() >= kept.size() && std::equal(kept.begin(), kept.end(), merged.begin()));
    // Every new keyword is there; the added ones are new keywords, each once, not among the kept ones.
    for (const QString& keyword : keywords) {
        check(std::find(merged.begin(), merged.end(), keyword.toStdString()) != merged.end());
    }
    const auto addedBegin = merged.begin() + static_cast<std::ptrdiff_t>(kept.size());
    for (auto it = addedBegin; it != merged.end(); ++it) {
        check(keywords.contains(QString::fromStdString(*it)));
        check(std::count(addedBegin, merged.end(), *it) == 1);
        check(std::find(kept.begin(), kept.end(), *it) == kept.end());
    }
    // Merging again changes nothing, which keeps an injected file from being rewritten on the next upload.
    // (A new keyword that itself carries a removed prefix is the exception: it is removed and added again.)
    const bool anyPrefixed = std::any_of(keywords.begin(), keywords.end(), [](const QString& keyword) {
        return hasRemovedPrefix(keyword.toStdString());
    });
    if (!anyPrefixed) {
        check(ondrix::IPTCMetadataService::mergeKeywords(merged, keywords) == merged);
    }
    return 0;
}

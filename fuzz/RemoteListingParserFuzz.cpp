// Feeds arbitrary bytes to the listing parser as a server's listing and as a names-only listing, and checks
// that every entry it returns can be shown and addressed: a non-empty, non-hidden name, a path made of the
// listed folder and that name, and no size for a directory.
#include "transfer/RemoteListingParser.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void checkItems(const QList<ondrix::RemoteItem>& items, const QString& prefix)
{
    for (const ondrix::RemoteItem& item : items) {
        check(!item.name.isEmpty());
        check(!item.name.startsWith(u'.'));
        check(item.id == prefix + u'/' + item.name);
        check(!item.isDirectory || item.size == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkItems(ondrix::RemoteListingParser::parseListing(text, QStringLiteral("/")), QString());
    checkItems(ondrix::RemoteListingParser::parseListing(text, QStringLiteral("/in/box/")),
               QStringLiteral("/in/box"));
    QList<ondrix::RemoteItem> names = ondrix::RemoteListingParser::parseNameList(text, QStringLiteral("/x"));
    checkItems(names, QStringLiteral("/x"));
    for (const ondrix::RemoteItem& item : names) {
        check(!item.isDirectory && item.size == 0);
    }
    if (names.size() < 256) {
        ondrix::RemoteItem::sort(names);
    }
    return 0;
}

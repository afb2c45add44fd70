#include "transfer/RemoteItem.h"

#include <QCollator>

#include <algorithm>

namespace ondrix {

void RemoteItem::sort(QList<RemoteItem>& items)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(items.begin(), items.end(), [&collator](const RemoteItem& a, const RemoteItem& b) {
        if (a.isDirectory != b.isDirectory) {
            return a.isDirectory;
        }
        return collator.compare(a.name, b.name) < 0;
    });
}

} // namespace ondrix

#include "ui/browser/BrowserTag.h"

#include <QCoreApplication>

namespace ondrix {

QList<BrowserTag> allBrowserTags()
{
    return {BrowserTag::red,  BrowserTag::orange, BrowserTag::yellow, BrowserTag::green,
            BrowserTag::blue, BrowserTag::purple, BrowserTag::gray};
}

QString storedName(BrowserTag tag)
{
    switch (tag) {
    case BrowserTag::red:
        return QStringLiteral("red");
    case BrowserTag::orange:
        return QStringLiteral("orange");
    case BrowserTag::yellow:
        return QStringLiteral("yellow");
    case BrowserTag::green:
        return QStringLiteral("green");
    case BrowserTag::blue:
        return QStringLiteral("blue");
    case BrowserTag::purple:
        return QStringLiteral("purple");
    case BrowserTag::gray:
        return QStringLiteral("gray");
    }
    return {};
}

std::optional<BrowserTag> browserTagFromStoredName(const QString& name)
{
    for (BrowserTag tag : allBrowserTags()) {
        if (storedName(tag) == name) {
            return tag;
        }
    }
    return std::nullopt;
}

QString displayName(BrowserTag tag)
{
    switch (tag) {
    case BrowserTag::red:
        return QCoreApplication::translate("BrowserTag", "Red");
    case BrowserTag::orange:
        return QCoreApplication::translate("BrowserTag", "Orange");
    case BrowserTag::yellow:
        return QCoreApplication::translate("BrowserTag", "Yellow");
    case BrowserTag::green:
        return QCoreApplication::translate("BrowserTag", "Green");
    case BrowserTag::blue:
        return QCoreApplication::translate("BrowserTag", "Blue");
    case BrowserTag::purple:
        return QCoreApplication::translate("BrowserTag", "Purple");
    case BrowserTag::gray:
        return QCoreApplication::translate("BrowserTag", "Gray");
    }
    return {};
}

QColor colour(BrowserTag tag)
{
    // The desktop's usual mark colours, readable on light and dark backgrounds.
    switch (tag) {
    case BrowserTag::red:
        return QColor(0xe0, 0x1b, 0x24);
    case BrowserTag::orange:
        return QColor(0xff, 0x78, 0x00);
    case BrowserTag::yellow:
        return QColor(0xf6, 0xd3, 0x2d);
    case BrowserTag::green:
        return QColor(0x33, 0xd1, 0x7a);
    case BrowserTag::blue:
        return QColor(0x35, 0x84, 0xe4);
    case BrowserTag::purple:
        return QColor(0x91, 0x41, 0xac);
    case BrowserTag::gray:
        return QColor(0x9a, 0x99, 0x96);
    }
    return {};
}

} // namespace ondrix

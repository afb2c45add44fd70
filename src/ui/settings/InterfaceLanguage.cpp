#include "ui/settings/InterfaceLanguage.h"

#include <QCoreApplication>

namespace ondrix {

QList<InterfaceLanguage> InterfaceLanguage::offered()
{
    return {
        {QStringLiteral("system"), QCoreApplication::translate("InterfaceLanguage", "System")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("ja"), QStringLiteral("日本語")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
    };
}

} // namespace ondrix

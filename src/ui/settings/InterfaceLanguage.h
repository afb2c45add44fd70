#pragma once

#include <QList>
#include <QString>

namespace ondrix {

// A language the interface can be shown in: the locale name stored as the preferred language ("de", "pt_BR";
// "system" for the desktop's own choice) and the name a picker shows, written in that language so a person
// finds their own.
struct InterfaceLanguage {
    QString code;
    QString name;

    // "system" first, then every translation the application ships.
    static QList<InterfaceLanguage> offered();
};

} // namespace ondrix

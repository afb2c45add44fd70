#include "app/Translations.h"

#include "model/AppSettings.h"
#include "platform/PreferencesStore.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ondrix {

QString startLanguage(const PreferencesStore& store)
{
    const QStringList languages = store.stringListValue(AppSettings::kAppleLanguages);
    return languages.isEmpty() || languages.first().isEmpty() ? QStringLiteral("system") : languages.first();
}

QString installTranslations(const QString& preferredLanguage)
{
    const QLocale locale = preferredLanguage.isEmpty() || preferredLanguage == QLatin1String("system")
                               ? QLocale::system()
                               : QLocale(preferredLanguage);
    // The translators live as long as the application; they are parented to it and named so a later call
    // finds them. Deleting one uninstalls it.
    const QString name = QStringLiteral("ondrix-interface-language");
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(name, Qt::FindDirectChildrenOnly));
    // Day names, dates and sizes follow the interface language, not only the texts. By name, as the system
    // locale would take them from LC_TIME and friends, which stay English on a desktop that sets only
    // LANGUAGE=de.
    QLocale::setDefault(QLocale(locale.name()));
    auto* ours = new QTranslator(QCoreApplication::instance());
    ours->setObjectName(name);
    // English is the language of the source texts; its file gives only the singular and plural forms of
    // the texts with a count, so it also serves every language that has no translation of its own.
    if (!ours->load(locale, QStringLiteral("ondrix"), QStringLiteral("_"), QStringLiteral(":/i18n")) &&
        !ours->load(QStringLiteral(":/i18n/ondrix_en.qm"))) {
        delete ours;
        return {};
    }
    QCoreApplication::installTranslator(ours);
    if (QLocale(ours->language()).language() == QLocale::English) {
        return {};
    }
    // The first language the desktop lists may have no translation (LANGUAGE=nl:de): the one loaded wins.
    const QLocale loaded(ours->language());
    if (loaded.language() != locale.language()) {
        QLocale::setDefault(loaded);
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    qt->setObjectName(name);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return ours->language();
}

} // namespace ondrix

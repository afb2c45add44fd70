// The shipped languages are finished, keep their placeholders and load; the interface started in one (stored,
// or the desktop's) shows nothing it translates left in English. Screenshots of the popover and settings.
#include "app/Translations.h"

#include "app/AppDelegate.h"
#include "app/Application.h"
#include "app/DockPresence.h"
#include "app/PopoverWindow.h"
#include "app/ShellWindow.h"
#include "model/AppSettings.h"
#include "platform/PreferencesStore.h"
#include "platform/XdgAutostartLoginItem.h"
#include "supervision/ConnectionsManager.h"
#include "support/TestEnvironment.h"
#include "support/ui/UiTestSupport.h"
#include "ui/settings/InterfaceLanguage.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace Qt::StringLiterals;
using namespace ondrix::test;

namespace {

struct Message {
    QString context, source, comment;
    bool numerus = false;
    QString type; // "unfinished", "obsolete", "vanished" or empty
    QStringList translations;
};

QList<Message> readTs(const QString& code)
{
    QXmlStreamReader xml(readFile(qEnvironmentVariable("ONDRIX_SOURCE_DIR") +
                                  u"/resources/translations/ondrix_%1.ts"_s.arg(code)));
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QStringView name = xml.name();
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            messages.append({.context = context, .numerus = xml.attributes().value(u"numerus"_s) == u"yes"});
        } else if (name == u"source") {
            messages.last().source = xml.readElementText();
        } else if (name == u"comment") {
            messages.last().comment = xml.readElementText();
        } else if (name == u"translation") {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!messages.last().numerus) {
                messages.last().translations << xml.readElementText();
            }
        } else if (name == u"numerusform") {
            messages.last().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << code.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// %1…%99 and %n, sorted, so a translation that drops or invents one is told apart.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(u"%(\\d{1,2}|n)"_s);
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        found << it.next().captured(0);
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

bool hasMnemonic(const QString& text)
{
    static const QRegularExpression mnemonic(u"(^|[^&])&[^&\\s]"_s);
    return mnemonic.match(text).hasMatch();
}

class TranslatedInterface : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Deleting a translator uninstalls it: the next test starts in English.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
        QLocale::setDefault(QLocale::system());
    }

    TestEnvironment env;
    XdgAutostartLoginItem loginItem{u"io.ondrix.Ondrix"_s, u"Ondrix"_s, u"/usr/bin/ondrix"_s};
    class NoDock final : public DockPresence {
    public:
        void setPolicy(Policy) override {}
    } dock;
};

} // namespace

// A text is found at run time only under the context the extraction recorded (a Q_OBJECT class, a
// Q_DECLARE_TR_FUNCTIONS name, a translate() context); a file-local tr() helper's texts never show.
TEST(ShippedLanguages, EveryTranslationContextExistsAtRunTime)
{
    QString sources;
    QDirIterator it(qEnvironmentVariable("ONDRIX_SOURCE_DIR") + u"/src"_s, {u"*.h"_s, u"*.cpp"_s},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        sources += QString::fromUtf8(readFile(it.next()));
    }
    static const QRegularExpression localHelper(u"\\bQString tr\\(const char\\*"_s);
    EXPECT_FALSE(sources.contains(localHelper)) << "a file-local tr() helper; use Q_DECLARE_TR_FUNCTIONS";

    QSet<QString> contexts;
    for (const Message& m : readTs(u"de"_s)) {
        contexts.insert(m.context);
    }
    for (const QString& context : contexts) {
        const QString name = context.startsWith(QLatin1String("ondrix::")) ? context.mid(8) : context;
        const QRegularExpression qobjectClass(
            u"class %1\\b[^;{]*\\{\\s*Q_OBJECT"_s.arg(QRegularExpression::escape(name)));
        // translate("Name", …), QT_TRANSLATE_NOOP("Name", …), QT_TRANSLATE_NOOP3("Name", …), over lines or
        // not.
        const QRegularExpression namedContext(
            u"(Q_DECLARE_TR_FUNCTIONS\\(|(translate|QT_TRANSLATE_NOOP3?)\\(\\s*\")%1\\b"_s.arg(
                QRegularExpression::escape(name)));
        const bool found = context.startsWith(QLatin1String("ondrix::")) ? sources.contains(qobjectClass)
                                                                         : sources.contains(namedContext);
        EXPECT_TRUE(found) << "no class or translate() call uses the context " << context.toStdString();
    }
}

TEST(ShippedLanguages, EverySourceIsFinishedKeepsItsPlaceholdersAndLoads)
{
    QStringList codes;
    for (const InterfaceLanguage& language : InterfaceLanguage::offered()) {
        if (language.code != u"system") {
            codes << language.code;
        }
    }
    QStringList files = QDir(qEnvironmentVariable("ONDRIX_SOURCE_DIR") + u"/resources/translations"_s)
                            .entryList({u"ondrix_*.ts"_s})
                            .replaceInStrings(QRegularExpression(u"^ondrix_|\\.ts$"_s), QString());
    // English is no choice in the picker: it is what the interface shows without a translation.
    EXPECT_TRUE(files.removeOne(u"en"_s)) << "no file with the English plural forms";
    EXPECT_EQ(QSet<QString>(files.cbegin(), files.cend()), QSet<QString>(codes.cbegin(), codes.cend()))
        << "the language picker and the translation sources must name the same languages";

    // The English file holds exactly the texts with a count, and no source text says a count as "(s)".
    QSet<QString> counted, englishForms;
    static const QRegularExpression pluralSuffix(u"\\w\\(s\\)"_s);
    for (const Message& m : readTs(u"de"_s)) {
        if (m.numerus) {
            counted.insert(m.context + u' ' + m.source);
        }
        EXPECT_FALSE(m.source.contains(pluralSuffix))
            << m.source.toStdString() << ": use %n and plural forms";
    }
    for (const Message& m : readTs(u"en"_s)) {
        englishForms.insert(m.context + u' ' + m.source);
        EXPECT_EQ(m.translations.size(), 2) << m.source.toStdString() << ": singular and plural";
    }
    EXPECT_EQ(englishForms, counted);

    QStringList problems;
    for (const QString& code : codes + QStringList{u"en"_s}) {
        const QList<Message> messages = readTs(code);
        EXPECT_GT(messages.size(), code == u"en" ? 10 : 100) << code.toStdString();
        QTranslator translator;
        ASSERT_TRUE(translator.load(u":/i18n/ondrix_%1.qm"_s.arg(code))) << code.toStdString();
        EXPECT_EQ(translator.language(), code);
        for (const Message& m : messages) {
            const auto problem = [&](const QString& what) {
                problems << u"%1 %2 \"%3\": %4"_s.arg(code, m.context, m.source, what);
            };
            if (!m.type.isEmpty() || m.translations.isEmpty()) {
                problem(m.type.isEmpty() ? u"no translation"_s : m.type);
                continue;
            }
            for (const QString& translation : m.translations) {
                if (translation.trimmed().isEmpty()) {
                    problem(u"empty"_s);
                } else if (placeholders(translation) != placeholders(m.source)) {
                    problem(u"placeholders differ in \"%1\""_s.arg(translation));
                } else if (hasMnemonic(m.source) != hasMnemonic(translation)) {
                    problem(u"keyboard accelerator lost in \"%1\""_s.arg(translation));
                }
            }
            if (!m.numerus &&
                translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                                     m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData()) !=
                    m.translations.first()) {
                problem(u"missing from the compiled file"_s);
            }
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " problems:\n"
                                    << problems.join(u'\n').toStdString();
}

// The stored language applies at start; with the setting left at "system" and LANGUAGE=de (registered a
// second time as TranslationsDesktopLanguageTest), the desktop's.
TEST_F(TranslatedInterface, TheStoredOrTheDesktopLanguageAppliesAtStart)
{
    const bool desktop = qEnvironmentVariable("LANGUAGE").startsWith(QLatin1String("de"));
    const QString expectedLanguage = desktop ? u"de"_s : u"fr"_s;
    if (!desktop) { // the language as the General tab sets it, on an earlier run
        Application().settings().setPreferredLanguage(u"fr"_s);
    }
    // As in main(): a language before the store is open, replaced by the one it names.
    installTranslations(u"de"_s);
    QString loaded;
    auto core = std::make_unique<Application>(
        [&](const PreferencesStore& store) { loaded = installTranslations(startLanguage(store)); });
    ASSERT_EQ(loaded, expectedLanguage);
    EXPECT_EQ(QLocale().dayName(1, QLocale::ShortFormat),
              QLocale(expectedLanguage).dayName(1, QLocale::ShortFormat));
    EXPECT_EQ(QCoreApplication::instance()->findChildren<QTranslator*>().size(), 2)
        << "the earlier language's translators are left installed";
    core->manager().addConnection({.name = u"Agency"_s, .host = u"127.0.0.1"_s});

    QHash<QString, QString> translated;
    for (const Message& m : readTs(expectedLanguage)) {
        if (!m.numerus && !m.translations.isEmpty() && m.translations.first() != m.source) {
            translated.insert(m.source, m.translations.first());
        }
    }

    AppDelegate delegate(*core, loginItem, dock, QDBusConnection(QString()));
    delegate.start();
    PopoverWindow* popover = delegate.popover();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popover->isVisible(); }, 2000));
    delegate.openSettings(SettingsTab::connections, core->manager().connections().first().id);
    ShellWindow* settings = delegate.settingsWindow();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->windowTitle(), desktop ? u"Ondrix-Einstellungen"_s : u"Paramètres d'Ondrix"_s);
    QTest::qWait(50); // layout requests posted by the first show

    for (QWidget* window : {static_cast<QWidget*>(popover), static_cast<QWidget*>(settings)}) {
        QStringList english, inLanguage;
        for (const QString& text : visibleTexts(window)) {
            if (translated.contains(text)) {
                english << text;
            }
            if (std::find(translated.cbegin(), translated.cend(), text) != translated.cend()) {
                inLanguage << text;
            }
        }
        english.removeDuplicates();
        EXPECT_TRUE(english.isEmpty()) << window->windowTitle().toStdString()
                                       << " shows in English: " << english.join(u" | "_s).toStdString();
        EXPECT_GE(inLanguage.size(), 5) << window->windowTitle().toStdString();
    }
    saveScreenshot(popover, u"translated-popover-%1"_s.arg(expectedLanguage));
    saveScreenshot(settings, u"translated-settings-%1"_s.arg(expectedLanguage));
    settings->close();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              desktop ? u"Abbrechen"_s : u"Annuler"_s);
}

// English counts take their singular and plural forms, also when the interface stays English because the
// language asked for has no translation.
TEST_F(TranslatedInterface, EnglishCountsTakeTheirSingularAndPluralForms)
{
    for (const QString& language : {u"en"_s, u"nl"_s}) {
        EXPECT_EQ(installTranslations(language), QString()) << language.toStdString();
        for (const Message& m : readTs(u"en"_s)) {
            for (const int n : {1, 2}) {
                EXPECT_EQ(QCoreApplication::translate(
                              m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                              m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData(), n),
                          QString(m.translations.value(n - 1)).replace(u"%n"_s, QString::number(n)));
            }
        }
    }
}

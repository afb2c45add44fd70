// The shipped languages: every translation source is finished and keeps the placeholders, every compiled
// language loads, and the interface started in a language (the stored one, or the desktop's) shows no text
// that language translates left in English. Screenshots of the popover and the settings window in each.
// English, the language of the source texts, has a file of its own for the singular and plural forms.
#include "app/Translations.h"

#include "app/AppDelegate.h"
#include "app/Application.h"
#include "app/ConnectionsCommand.h"
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
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextStream>
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

QString translationsFolder()
{
    return qEnvironmentVariable("ONDRIX_SOURCE_DIR") + u"/resources/translations"_s;
}

QList<Message> readTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    Message* current = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            current = nullptr;
        }
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name") && !current) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({context,
                             {},
                             {},
                             xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"),
                             {},
                             {}});
            current = &messages.last();
        } else if (current && name == QLatin1String("source")) {
            current->source = xml.readElementText();
        } else if (current && name == QLatin1String("comment")) {
            current->comment = xml.readElementText();
        } else if (current && name == QLatin1String("translation")) {
            current->type = xml.attributes().value(QLatin1String("type")).toString();
            if (!current->numerus) {
                current->translations << xml.readElementText();
            }
        } else if (current && name == QLatin1String("numerusform")) {
            current->translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList shippedCodes()
{
    QStringList codes;
    for (const InterfaceLanguage& language : InterfaceLanguage::offered()) {
        if (language.code != QLatin1String("system")) {
            codes << language.code;
        }
    }
    return codes;
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

QString describe(const QString& language, const Message& m, const QString& problem)
{
    return u"%1 %2 \"%3\": %4"_s.arg(language, m.context, m.source, problem);
}

class TranslatedInterface : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Deleting a translator uninstalls it: the next test starts in English.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
        QLocale::setDefault(QLocale::system());
    }

    // Starts the shell the way main() does, in the language the store and the desktop ask for, with one
    // connection; checks the popover and the settings window and saves a PNG of each.
    void checkInterface(const QString& expectedLanguage, const QString& expectedSettingsTitle)
    {
        // As in main(): a language before the store is open, replaced by the one it names.
        installTranslations(u"de"_s);
        QString loaded;
        auto core = std::make_unique<Application>(
            [&](const PreferencesStore& store) { loaded = installTranslations(startLanguage(store)); });
        ASSERT_EQ(loaded, expectedLanguage);
        EXPECT_EQ(QLocale().dayName(1, QLocale::ShortFormat),
                  QLocale(expectedLanguage).dayName(1, QLocale::ShortFormat))
            << "day names are not in the interface language";
        EXPECT_EQ(QCoreApplication::instance()->findChildren<QTranslator*>().size(), 2)
            << "the earlier language's translators are left installed";
        PushConnection connection;
        connection.id = QUuid::createUuid();
        connection.name = u"Agency"_s;
        connection.host = u"127.0.0.1"_s;
        core->manager().addConnection(connection);

        // English source texts the loaded language words differently.
        QHash<QString, QString> translated;
        for (const Message& m : readTs(translationsFolder() + u"/ondrix_%1.ts"_s.arg(expectedLanguage))) {
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
        EXPECT_EQ(settings->windowTitle(), expectedSettingsTitle);
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
    }

    TestEnvironment env;
    XdgAutostartLoginItem loginItem{u"io.ondrix.Ondrix"_s, u"Ondrix"_s, u"/usr/bin/ondrix"_s};
    class NoDock final : public DockPresence {
    public:
        void setPolicy(Policy) override {}
    } dock;
};

// Every source file below src/, concatenated.
QString allSources()
{
    QString text;
    QDirIterator it(qEnvironmentVariable("ONDRIX_SOURCE_DIR") + u"/src"_s, {u"*.h"_s, u"*.cpp"_s},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) {
            text += QString::fromUtf8(file.readAll());
        }
    }
    return text;
}

} // namespace

// A text is found at run time only under the context the extraction recorded: the class of a Q_OBJECT (with
// its namespace), the name given to Q_DECLARE_TR_FUNCTIONS, or the one passed to translate(). A file-local
// tr() helper records the enclosing class while looking up another name, so its texts never show.
TEST(ShippedLanguages, EveryTranslationContextExistsAtRunTime)
{
    const QString sources = allSources();
    static const QRegularExpression localHelper(u"\\bQString tr\\(const char\\*"_s);
    EXPECT_FALSE(sources.contains(localHelper)) << "a file-local tr() helper; use Q_DECLARE_TR_FUNCTIONS";

    QSet<QString> contexts;
    for (const Message& m : readTs(translationsFolder() + u"/ondrix_de.ts"_s)) {
        contexts.insert(m.context);
    }
    for (const QString& context : contexts) {
        const QString name = context.startsWith(QLatin1String("ondrix::")) ? context.mid(8) : context;
        const QRegularExpression qobjectClass(
            u"class %1\\b[^;{]*\\{\\s*Q_OBJECT"_s.arg(QRegularExpression::escape(name)));
        // translate("Name", …), QT_TRANSLATE_NOOP("Name", …), QT_TRANSLATE_NOOP3("Name", …), the name split
        // from the call by a line break or not.
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
    const QStringList codes = shippedCodes();
    QStringList files = QDir(translationsFolder()).entryList({u"ondrix_*.ts"_s});
    for (QString& file : files) {
        file = file.mid(7).chopped(3);
    }
    // English is no choice in the picker: it is what the interface shows without a translation.
    EXPECT_TRUE(files.removeOne(u"en"_s)) << "no file with the English plural forms";
    EXPECT_EQ(QSet<QString>(files.cbegin(), files.cend()), QSet<QString>(codes.cbegin(), codes.cend()))
        << "the language picker and the translation sources must name the same languages";

    // The English file holds exactly the texts with a count, and no source text says a count as "(s)".
    QSet<QString> counted, englishForms;
    static const QRegularExpression pluralSuffix(u"\\w\\(s\\)"_s);
    for (const Message& m : readTs(translationsFolder() + u"/ondrix_de.ts"_s)) {
        if (m.numerus) {
            counted.insert(m.context + QLatin1Char(' ') + m.source);
        }
        EXPECT_FALSE(m.source.contains(pluralSuffix))
            << m.source.toStdString() << ": use %n and plural forms";
    }
    for (const Message& m : readTs(translationsFolder() + u"/ondrix_en.ts"_s)) {
        englishForms.insert(m.context + QLatin1Char(' ') + m.source);
        EXPECT_EQ(m.translations.size(), 2) << m.source.toStdString() << ": singular and plural";
    }
    EXPECT_EQ(englishForms, counted);

    QStringList problems;
    for (const QString& code : codes + QStringList{u"en"_s}) {
        const QList<Message> messages = readTs(translationsFolder() + u"/ondrix_%1.ts"_s.arg(code));
        EXPECT_GT(messages.size(), code == QLatin1String("en") ? 10 : 100) << code.toStdString();
        QTranslator translator;
        ASSERT_TRUE(translator.load(u":/i18n/ondrix_%1.qm"_s.arg(code))) << code.toStdString();
        EXPECT_EQ(translator.language(), code);
        for (const Message& m : messages) {
            if (!m.type.isEmpty()) {
                problems << describe(code, m, m.type);
                continue;
            }
            if (m.translations.isEmpty()) {
                problems << describe(code, m, u"no translation"_s);
            }
            for (const QString& translation : m.translations) {
                if (translation.trimmed().isEmpty()) {
                    problems << describe(code, m, u"empty"_s);
                } else if (placeholders(translation) != placeholders(m.source)) {
                    problems << describe(code, m, u"placeholders differ in \"%1\""_s.arg(translation));
                } else if (hasMnemonic(m.source) != hasMnemonic(translation)) {
                    problems << describe(code, m, u"keyboard accelerator lost in \"%1\""_s.arg(translation));
                }
            }
            // The compiled file answers with the source's translation.
            if (!m.numerus && !m.translations.isEmpty() &&
                translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData(),
                                     m.comment.isEmpty() ? nullptr : m.comment.toUtf8().constData()) !=
                    m.translations.first()) {
                problems << describe(code, m, u"missing from the compiled file"_s);
            }
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.size() << " problems:\n"
                                    << problems.join(QLatin1Char('\n')).toStdString();
}

TEST_F(TranslatedInterface, TheStoredLanguageAppliesAtStart)
{
    {
        // The language setting as the General tab sets it, on an earlier run.
        Application earlier;
        earlier.settings().setPreferredLanguage(u"fr"_s);
    }
    checkInterface(u"fr"_s, u"Paramètres d'Ondrix"_s);
    // Qt's own texts come in the same language.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Annuler"_s);
}

// Registered a second time with LANGUAGE=de in its environment (the desktop's choice is read at start).
TEST_F(TranslatedInterface, TheDesktopLanguageAppliesWhenTheSettingIsSystem)
{
    if (!qEnvironmentVariable("LANGUAGE").startsWith(QLatin1String("de"))) {
        GTEST_SKIP() << "runs with LANGUAGE=de (TranslationsDesktopLanguageTest)";
    }
    checkInterface(u"de"_s, u"Ondrix-Einstellungen"_s);
}

// English counts take their singular and plural forms, also when the interface stays English because the
// language asked for has no translation. The import's summary line, from the real command.
TEST_F(TranslatedInterface, EnglishCountsTakeTheirSingularAndPluralForms)
{
    const QString file = env.configHome() + u"/import.json"_s;
    const auto importSummary = [&](int count) {
        QList<PushConnection> connections;
        for (int i = 0; i < count; ++i) {
            PushConnection connection;
            connection.id = QUuid::createUuid();
            connection.name = u"Agency %1"_s.arg(i);
            connection.host = u"127.0.0.1"_s;
            connection.localFolder = env.configHome();
            connections << connection;
        }
        QFile json(file);
        EXPECT_TRUE(json.open(QIODevice::WriteOnly | QIODevice::Truncate));
        json.write(PushConnection::encodeList(connections));
        json.close();
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const ConnectionsCommand command(env.configHome() + u"/preferences.sqlite"_s,
                                         [] { return std::optional<QString>(); });
        const int status = command.run({u"import"_s, file}, outStream, errStream);
        outStream.flush();
        errStream.flush();
        EXPECT_EQ(status, 0) << err.toStdString();
        // The summary follows one line per imported connection.
        return out.section(QLatin1Char('\n'), -2);
    };
    for (const QString& language : {u"en"_s, u"nl"_s}) {
        EXPECT_EQ(installTranslations(language), QString()) << language.toStdString();
        EXPECT_EQ(importSummary(1).toStdString(), "Imported 1 connection (0 replaced).\n");
        EXPECT_EQ(importSummary(2).toStdString(), "Imported 2 connections (0 replaced).\n");
    }
}

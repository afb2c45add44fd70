#include "engine/IPTCMetadataService.h"

#include "iptc/KeywordModule.h"
#include "support/TestEnvironment.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThreadPool>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <atomic>
#include <csignal>
#include <exiv2/exiv2.hpp>
#include <functional>
#include <mutex>

using namespace Qt::StringLiterals;

using namespace ondrix;
using Outcome = IPTCMetadataService::Outcome;
using test::readFile;

namespace {

using Keywords = std::vector<std::string>;

struct stat statusOf(const QString& path)
{
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

Outcome inject(const QString& path)
{
    return IPTCMetadataService::injectKeywords(u"Alpha"_s, path);
}

auto openImage(const QString& path)
{
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    return image;
}

Keywords readKeywords(const QString& path)
{
    const auto image = openImage(path);
    Keywords keywords;
    for (const auto& datum : image->iptcData()) {
        if (datum.key() == "Iptc.Application2.Keywords") {
            keywords.push_back(datum.toString());
        }
    }
    return keywords;
}

std::string readValue(const QString& path, const std::string& key)
{
    // A key the image lacks reads as empty.
    const auto image = openImage(path);
    return key.starts_with("Exif.")  ? image->exifData()[key].toString()
           : key.starts_with("Xmp.") ? image->xmpData()[key].toString()
                                     : image->iptcData()[key].toString();
}

void writeExistingMetadata(const QString& path, const Keywords& keywords)
{
    const auto image = openImage(path);
    image->exifData()["Exif.Image.Artist"] = std::string("Ada Photographer");
    image->exifData()["Exif.Photo.DateTimeOriginal"] = std::string("2024:05:01 10:20:30");
    image->xmpData()["Xmp.dc.title"] = std::string("Harbour at dawn");
    image->iptcData()["Iptc.Application2.Byline"] = std::string("Ada");
    for (const std::string& keyword : keywords) {
        Exiv2::Iptcdatum datum(Exiv2::IptcKey("Iptc.Application2.Keywords"));
        datum.setValue(keyword);
        image->iptcData().add(datum);
    }
    image->writeMetadata();
}

// ImageMagick's signature of the decoded pixels ("tiff:" forces a DNG to be read as the TIFF it is).
QByteArray pixelSignature(const QString& path)
{
    QProcess identify;
    identify.start(u"identify"_s,
                   {u"-format"_s, u"%#"_s, (path.endsWith(u".dng"_s) ? u"tiff:"_s : QString()) + path});
    identify.waitForFinished(60000);
    return identify.exitCode() == 0 ? identify.readAllStandardOutput() : QByteArray("<unreadable>");
}

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class IPTCMetadataServiceTest : public ::testing::Test {
protected:
    QString folder() const { return m_env.root() + u"/watched"_s; }

    // An image drawn by ImageMagick with metadata, mode 0640 and a tag; a ".dng" is a TIFF with a DNGVersion.
    QString makeRealImage(const QString& name) const
    {
        const QString path = m_env.makeDir(u"watched"_s) + u'/' + name;
        const bool dng = name.endsWith(QLatin1String(".dng"));
        QProcess convert;
        convert.start(u"convert"_s, u"-seed 7 -size 240x160 plasma:fractal -depth 8"_s.split(u' ')
                                        << (dng ? u"tiff:"_s : QString()) + path);
        EXPECT_TRUE(convert.waitForFinished(60000) && convert.exitCode() == 0)
            << convert.readAllStandardError().toStdString();
        if (dng) {
            const auto image = openImage(path);
            Exiv2::DataValue version(Exiv2::unsignedByte);
            version.read("1 4 0 0");
            image->exifData()["Exif.Image.DNGVersion"] = version;
            image->writeMetadata();
        }
        writeExistingMetadata(path, {"Existing"});
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
        EXPECT_EQ(::setxattr(QFile::encodeName(path).constData(), "user.xdg.tags", "Green", 5, 0), 0);
        return path;
    }

    test::TestEnvironment m_env;
};

// The keyword field's text: blank pieces go, agency prefixes (case-sensitive) and duplicates are dropped.
TEST(IPTCKeywordTextTest, ParseAndMergeDropBlanksAgencyPrefixesAndDuplicates)
{
    EXPECT_EQ(IPTCMetadataService::parseKeywords(u" Paris  ,,\tSeine\n, ,Île de France "_s),
              (QStringList{u"Paris"_s, u"Seine"_s, u"Île de France"_s}));
    EXPECT_TRUE(IPTCMetadataService::parseKeywords(u", \n ,\t,"_s).isEmpty());
    const Keywords existing{"sp_123", "Harbour", "opta_9", "gettymeid_77", "SP_kept", "spare", "Boat"};
    EXPECT_EQ(IPTCMetadataService::mergeKeywords(existing, {u"Boat"_s, u"Dawn"_s, u"Dawn"_s, u"Zürich"_s}),
              (Keywords{"Harbour", "SP_kept", "spare", "Boat", "Dawn", "Z\xc3\xbcrich"}));
}

// A copy cut short or still written by a writer that pauses is left alone. Each type at once on a pool: the
// keywords (UTF-8, the character set said) join the existing ones; pixels, metadata, mode, attributes stay.
TEST_F(IPTCMetadataServiceTest, ImagesCutShortOrStillWrittenAreLeftAloneAndEveryTypeReceivesTheKeywords)
{
    const QStringList paths{makeRealImage(u"photo.jpg"_s), makeRealImage(u"photo.png"_s),
                            makeRealImage(u"scan.tif"_s), makeRealImage(u"raw.dng"_s)};
    const Keywords merged{"Existing", "Alpha", "Z\xc3\xbcrich", "\xe6\x9d\xb1\xe4\xba\xac"};
    for (const QString& source : paths) {
        SCOPED_TRACE(source.toStdString());
        const QByteArray whole = readFile(source);
        const QString path = folder() + u"/cut-"_s + QFileInfo(source).fileName();
        const qsizetype half = whole.size() / 2;
        for (const qsizetype cut : {qsizetype(3), qsizetype(30), qsizetype(200), half, whole.size() - 2}) {
            m_env.writeFile(u"watched/cut-"_s + QFileInfo(source).fileName(), whole.left(cut));
            EXPECT_FALSE(IPTCMetadataService::isComplete(whole.left(cut))) << cut;
            EXPECT_NE(inject(path), Outcome::injected) << cut;
            EXPECT_EQ(readFile(path), whole.left(cut)) << cut;
        }
        EXPECT_TRUE(IPTCMetadataService::isComplete(whole));
        if (!source.endsWith(u".tif"_s)) {
            continue; // a writer at work is the same for every type
        }
        QProcess writer;
        writer.start(u"/bin/sh"_s,
                     {u"-c"_s,
                      QStringLiteral("exec 3>\"$0\"; head -c %1 \"$1\" >&3; echo paused; read go; "
                                     "tail -c +%2 \"$1\" >&3")
                          .arg(half)
                          .arg(half + 1),
                      path, source});
        ASSERT_TRUE(writer.waitForReadyRead(30000) && writer.readAllStandardOutput() == "paused\n");
        EXPECT_EQ(inject(path), Outcome::inUse);
        EXPECT_EQ(readFile(path), whole.left(half));
        writer.write("go\n");
        writer.closeWriteChannel();
        ASSERT_TRUE(writer.waitForFinished(30000) && readFile(path) == whole);
        EXPECT_EQ(inject(path), Outcome::injected);
    }
    // Data after a JPEG's end marker (a phone's motion-photo video, say) is no truncation and travels along.
    const QByteArray trailer(3000, '\x42');
    const QString motion = m_env.writeFile(u"watched/motion.jpg"_s, readFile(paths[0]) + trailer);
    EXPECT_EQ(inject(motion), Outcome::injected);
    EXPECT_EQ(readKeywords(motion), (Keywords{"Existing", "Alpha"}));
    EXPECT_TRUE(readFile(motion).endsWith(QByteArray(QByteArray("\xff\xd9") + trailer)));

    QList<QByteArray> pixelsBefore;
    for (const QString& path : paths) {
        pixelsBefore.append(pixelSignature(path));
    }
    QThreadPool pool;
    std::atomic<int> injected = 0;
    for (const QString& path : paths) {
        pool.start([&injected, path] {
            injected +=
                IPTCMetadataService::injectKeywords(u"Alpha, Zürich,東京"_s, path) == Outcome::injected;
        });
    }
    pool.waitForDone();
    EXPECT_EQ(injected, 4);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(readKeywords(path), merged);
        EXPECT_EQ(readValue(path, "Iptc.Envelope.CharacterSet"), "\x1b%G");
        EXPECT_EQ(readValue(path, "Iptc.Application2.Byline"), "Ada");
        EXPECT_EQ(readValue(path, "Xmp.dc.title"), "lang=\"x-default\" Harbour at dawn");
        if (!path.endsWith(u".png"_s)) {
            EXPECT_EQ(readValue(path, "Exif.Image.Artist"), "Ada Photographer");
            EXPECT_EQ(readValue(path, "Exif.Photo.DateTimeOriginal"), "2024:05:01 10:20:30");
        }
        EXPECT_EQ(pixelSignature(path), pixelsBefore[i]);
        EXPECT_EQ(statusOf(path).st_mode & 07777, 0640U);
        char tags[8] = {};
        EXPECT_EQ(QByteArray(tags, ::getxattr(QFile::encodeName(path).constData(), "user.xdg.tags", tags, 8)),
                  "Green");
        // Nothing new to add leaves a file as it is; prefixed keywords go even when nothing else is new.
        const struct stat before = statusOf(path);
        const QByteArray bytes = readFile(path);
        for (const char* text : {"Zürich, Alpha", "Alpha", ", \n ,", "Alpha,,Alpha"}) {
            EXPECT_NE(IPTCMetadataService::injectKeywords(QString::fromUtf8(text), path), Outcome::injected);
        }
        EXPECT_EQ(statusOf(path).st_ino, before.st_ino);
        EXPECT_EQ(readFile(path), bytes);
        writeExistingMetadata(path, {"opta_1", "gettymeid_2"});
        EXPECT_EQ(inject(path), Outcome::injected);
        EXPECT_EQ(readKeywords(path), merged);
    }
    EXPECT_EQ(readValue(paths[3], "Exif.Image.DNGVersion"), "1 4 0 0");
    EXPECT_EQ(folderEntries(folder()).filter(u"ondrix-iptc-tmp"_s), QStringList());
}

// Never touched: other files, a 2 GiB image (said in the log), a TIFF whose directories all point at one huge
// array; a file whose write fails (a full disk) or that changes during the copy. No temporary file stays.
TEST_F(IPTCMetadataServiceTest, OtherFilesHugeImagesFailedWritesAndFilesChangedDuringTheCopyAreNeverReplaced)
{
    // 255 directories, each naming the same 20 000 offsets as its strips, their lengths and its sub-images.
    constexpr quint32 kDirectories = 255, kEntries = 20000, kDirectorySize = 2 + 3 * 12 + 4;
    QByteArray tiff;
    QDataStream out(&tiff, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4949) << quint16(42) << quint32(8); // "II*", then the first directory's offset
    for (quint32 d = 0; d < kDirectories; ++d) {
        out << quint16(3);
        for (const quint16 tag : {273, 279, 330}) {
            out << tag << quint16(4) << kEntries << quint32(8 + kDirectories * kDirectorySize);
        }
        out << quint32(d + 1 < kDirectories ? 8 + (d + 1) * kDirectorySize : 0);
    }
    for (quint32 k = 0; k < kEntries; ++k) {
        out << quint32(8 + (k % kDirectories) * kDirectorySize);
    }
    EXPECT_FALSE(IPTCMetadataService::isComplete(tiff));

    const QString path = makeRealImage(u"photo.jpg"_s);
    const QByteArray before = readFile(path);
    const QString link = folder() + u"/link.jpg"_s;
    ASSERT_EQ(::symlink("photo.jpg", QFile::encodeName(link).constData()), 0);
    const QString directory = m_env.makeDir(u"watched/folder.jpg"_s);
    // A HEIF container (ftyp box) is not writable by exiv2 and stays as it is.
    const QByteArray heic =
        QByteArray::fromHex("00000018667479706865696300000000") + "mif1heic" + QByteArray(200, '\0');
    for (const QString& other :
         {m_env.writeFile(u"watched/anim.gif"_s, before), m_env.writeFile(u"watched/crafted.tif"_s, tiff),
          m_env.writeFile(u"watched/notes.txt"_s, "Alpha, Beta\n"),
          m_env.writeFile(u"watched/empty.jpg"_s, {}),
          m_env.writeFile(u"watched/garbage.png"_s, QByteArray(5000, 'Z')),
          m_env.writeFile(u"watched/phone.heic"_s, heic), link, directory}) {
        const QByteArray contents = readFile(other);
        EXPECT_EQ((std::tuple{inject(other), readFile(other)}), std::tuple(Outcome::skipped, contents))
            << qPrintable(other);
    }
    EXPECT_EQ(readKeywords(path), Keywords{"Existing"});
    EXPECT_EQ(folderEntries(directory), QStringList());
    QStringList reported;
    IPTCMetadataService::setProblemReporter([&](const QString& problem) { reported.append(problem); });
    const QString huge = makeRealImage(u"huge.jpg"_s);
    ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), IPTCMetadataService::kMaxImageBytes + 1), 0);
    EXPECT_EQ(inject(huge), Outcome::skipped);
    IPTCMetadataService::setProblemReporter({});
    EXPECT_EQ(std::tuple(reported.size(), reported.filter(u"huge.jpg is larger than 2 GiB"_s).size()),
              std::tuple(1, 1));

    m_env.writeFile(u"watched/.photo.jpg.ondrix-iptc-tmp"_s, "stale");
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    for (const rlim_t limit : {rlim_t(before.size() / 2), rlim_t(before.size() + 1)}) {
        rlimit limited = previous;
        limited.rlim_cur = limit;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        const Outcome outcome = inject(path);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        EXPECT_EQ(std::tuple(outcome, readFile(path)), std::tuple(Outcome::failed, before)) << limit;
        EXPECT_EQ(folderEntries(folder()).filter(u"ondrix-iptc-tmp"_s), QStringList()) << limit;
    }
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(inject(path), Outcome::injected);
    EXPECT_EQ(readKeywords(path), (Keywords{"Existing", "Alpha"}));

    const QByteArray injected = readFile(path);
    const QByteArray encoded = QFile::encodeName(path);
    const QString newer = m_env.writeFile(u"newer.jpg"_s, "a newer photo");
    int openError = 0;
    const timespec touched[2] = {{UTIME_OMIT, 0}, {1'500'000'000, 0}};
    const std::function<void()> interferences[] = {
        [&] {
            const int fd = ::open(encoded.constData(), O_WRONLY | O_NONBLOCK);
            openError = fd < 0 ? errno : 0;
            ::close(fd);
        },
        [&] { ASSERT_EQ(::utimensat(AT_FDCWD, encoded.constData(), touched, 0), 0); },
        [&] { ASSERT_EQ(::rename(QFile::encodeName(newer).constData(), encoded.constData()), 0); },
    };
    for (const auto& interfere : interferences) {
        EXPECT_EQ(IPTCMetadataService::injectKeywords(u"Beta"_s, path, interfere), Outcome::inUse);
        EXPECT_EQ(readFile(path), &interfere == &interferences[2] ? QByteArray("a newer photo") : injected);
    }
    EXPECT_EQ(openError, EWOULDBLOCK); // the lease held the writer back
    EXPECT_EQ(folderEntries(folder()).filter(u"ondrix-iptc-tmp"_s), QStringList());
}

} // namespace

// Without the keyword module (a damaged installation) images go up as they are and the reason is said once.
// Run by IPTCWithoutKeywordModuleTest, whose module path leads nowhere (a process loads the module once).
TEST_F(IPTCMetadataServiceTest, WithoutTheModuleImagesAreLeftAsTheyAreAndTheReasonIsSaidOnce)
{
    const QString modulePath = QFile::decodeName(qgetenv("ONDRIX_KEYWORD_MODULE"));
    if (QFileInfo::exists(modulePath)) {
        GTEST_SKIP() << "the module is there; IPTCWithoutKeywordModuleTest runs this without it";
    }
    QStringList reported;
    std::mutex reportedMutex;
    IPTCMetadataService::setProblemReporter([&](const QString& problem) {
        const std::lock_guard lock(reportedMutex);
        reported.append(problem);
    });
    const QString path = makeRealImage(u"photo.jpg"_s);
    const QByteArray before = readFile(path);
    std::atomic<int> skipped{0};
    QThreadPool pool; // four uploads at once
    for (int i = 0; i < 4; ++i) {
        pool.start([&skipped, path] { skipped += inject(path) == Outcome::skipped; });
    }
    pool.waitForDone();
    IPTCMetadataService::setProblemReporter({});
    EXPECT_EQ(skipped, 4);
    EXPECT_EQ(readFile(path), before);
    EXPECT_FALSE(QFileInfo::exists(IPTCMetadataService::temporaryPath(path)));
    EXPECT_EQ(std::tuple(reported.size(), reported.filter(modulePath + u" is missing"_s).size(),
                         reported.filter(u"uploaded without"_s).size()),
              std::tuple(1, 1, 1))
        << qPrintable(reported.join(u'\n'));
}

// A module is looked for only beside an executable whose place is known, never in the current folder.
TEST(KeywordModulePlace, OnlyBesideAnExecutableWhosePlaceIsKnown)
{
    const QString module = KeywordModule::pathFor(u"/opt/ondrix/bin/ondrix"_s);
    EXPECT_TRUE(module.startsWith(u"/opt/ondrix/"_s) && module.endsWith(u"/iptc.so"_s)) << qPrintable(module);
    for (const QString& unknown : {QString(), u"ondrix"_s, u"bin/ondrix"_s}) {
        EXPECT_EQ(KeywordModule::pathFor(unknown), QString()) << unknown.toStdString();
    }
}

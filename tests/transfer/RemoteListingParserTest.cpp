#include "transfer/RemoteListingParser.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace ondrix;

namespace {

// Sorting follows the user's locale; these tests read as an English-speaking user sees them.
[[maybe_unused]] const bool english =
    (QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)), true);

// One folder as the test servers list it (captured with curl).
const char16_t* const pyftpdlibListing =
    u"-rw-r--r--   1 root     root            2 Dec 06 00:08 .hidden\r\n"
    u"drwxr-xr-x   2 root     root         4096 Dec 06 00:08 Sub Folder\r\n"
    u"lrwxrwxrwx   1 root     root           15 Dec 06 00:08 link -> two  spaces.txt\r\n"
    u"-rw-r--r--   1 root     root           10 Dec 06 00:08 two  spaces.txt\r\n"
    u"-rw-r--r--   1 root     root            3 Dec 06 00:08 Äpfel ünd.jpg\r\n";

// paramiko's default long names: numeric owners, day before month.
const char16_t* const paramikoListing =
    u"-rw-r--r--   1 0        0               2 06 Dec 00:08 .hidden\n"
    u"-rw-r--r--   1 0        0               3 06 Dec 00:08 Äpfel ünd.jpg\n"
    u"lrwxrwxrwx   1 0        0              15 06 Dec 00:08 link -> two  spaces.txt\n"
    u"-rw-r--r--   1 0        0              10 06 Dec 00:08 two  spaces.txt\n"
    u"drwxr-xr-x   1 0        0            4096 06 Dec 00:08 Sub Folder\n";

// The listings above were taken the day after; their "Dec 6 00:08" is this year's.
const QDateTime now(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);
const QDateTime listed(QDate(2026, 12, 6), QTime(0, 8), Qt::UTC);

// Its MLSD: exact names (inner spaces kept), links as what they point to, the folder itself and its parent.
const char16_t* const pyftpdlibFacts =
    u"type=cdir;perm=elcmp;modify=20261206000800; .\r\n"
    u"type=pdir;perm=elcmp;modify=20261206000800; ..\r\n"
    u"type=dir;size=4096;perm=elcmp;modify=20261206000800.123; Sub Folder\r\n"
    u"type=file;size=10;perm=radfw;modify=20261206000800; link\r\n"
    u"type=file;size=10;perm=radfw;modify=20261206000800; two  spaces.txt\r\n"
    u"type=file;size=3;perm=radfw;modify=20261206000800; Äpfel ünd.jpg\r\n";

RemoteItem item(const QString& path, bool isDirectory, qint64 size = 0, const QDateTime& modified = {})
{
    return {path, path.section(u'/', -1), isDirectory, size, modified};
}

QList<RemoteItem> parsedAndSorted(const char16_t* text, const QString& base)
{
    QList<RemoteItem> items = RemoteListingParser::parseListing(QStringView(text), base, now);
    RemoteItem::sort(items);
    return items;
}

} // namespace

TEST(RemoteListingParser, EveryServerListingGivesTheSameSortedEntries)
{
    // A link keeps the arrow and target; runs of spaces inside a name read as one space.
    const QList<RemoteItem> expected = {
        item("/pub/Sub Folder", true, 0, listed),
        item("/pub/Äpfel ünd.jpg", false, 3, listed),
        {"/pub/link -> two spaces.txt", "link -> two spaces.txt", false, 15, listed},
        item("/pub/two spaces.txt", false, 10, listed),
    };
    for (const char16_t* listing : {pyftpdlibListing, paramikoListing}) {
        EXPECT_EQ(parsedAndSorted(listing, "/pub/"), expected) << QString::fromUtf16(listing).toStdString();
    }

    EXPECT_EQ(parsedAndSorted(pyftpdlibFacts, "/pub/"),
              (QList<RemoteItem>{expected[0], expected[1], item("/pub/link", false, 10, listed),
                                 item("/pub/two  spaces.txt", false, 10, listed)}));
    // Names-only lines are files and keep their inner spaces.
    EXPECT_EQ(
        RemoteListingParser::parseNameList(u"  b.txt \r\n.hidden\n\nSub Folder\r\ntwo  spaces\n", "/x/"),
        (QList<RemoteItem>{item("/x/b.txt", false), item("/x/Sub Folder", false),
                           item("/x/two  spaces", false)}));
    EXPECT_EQ(RemoteListingParser::parseNameList(u"top", "/").front().id, "/top");
}

// What each line gives: no entry (name null), or the entry's name, size and kind.
TEST(RemoteListingParser, UnixDosAndFactLineRules)
{
    struct Case {
        const char16_t* line;
        const char* name = nullptr;
        qint64 size = 0;
        bool directory = false;
    };
    const Case cases[] = {
        // Hidden entries are dropped and never come back through the DOS form.
        {u"drwxr-xr-x 5 root root 4096 Dec 6 00:08 ."},
        {u"drwxr-xr-x 4 root root 4096 Dec 6 00:08 .."},
        {u"-rw-r--r-- 1 root root 2 Dec 6 00:08 .profile"},
        {u"12-06-26  10:18AM       <DIR>          .git"},
        // A directory's size is 0 whatever the listing says; unreadable sizes are 0.
        {u"drwxr-xr-x 2 u g 4096 Dec 6 00:08 a", "a", 0, true},
        {u"-rw-r--r-- 1 u g 12k Dec 6 00:08 a", "a", 0},
        {u"-rw-r--r-- 1 u g +12 Dec 6 00:08 a", "a", 12},
        // A tab is part of a field, not a separator; a symbolic link is a file entry.
        {u"-rw-r--r-- 1 u g 12 Dec 6 00:08 tab\there", "tab\there", 12},
        {u"-rw-r--r-- 1 u g 12\t Dec 6 00:08 x", "x", 0},
        {u"lrwxrwxrwx 1 u g 7 Dec 6 00:08 l -> /etc", "l -> /etc", 7},
        // Eight fields, devices and sockets are no Unix entries; a "-" in the first field reads as DOS.
        {u"-rw-r--r-- 1 u g 12 Dec 6 name", "g 12 Dec 6 name"},
        {u"crw-rw-rw- 1 root root 1, 3 Dec 6 00:08 null", "root 1, 3 Dec 6 00:08 null"},
        {u"srwxrwxrwx 1 root root 0 Dec 6 00:08 socket"},
        {u"12-06-26  10:15AM       <DIR>          Reports 2026", "Reports 2026", 0, true},
        {u"12-06-26  10:16AM       <dir>          lower", "lower", 0, true},
        {u"12-06-26  10:17AM              1234 data file.csv", "data file.csv", 1234},
        {u"12-06-26  10:17AM              huge big.bin", "big.bin", 0},
        // Facts of the folder itself give no entry; a fact line is never read another way.
        {u"type=cdir;modify=20260203210759; /d"},
        {u"type=dir;x=1; -rw-r--r-- 1 u g 5 Dec 6 00:08 f", "-rw-r--r-- 1 u g 5 Dec 6 00:08 f", 0, true},
        {u"total 12"},
        {u"name only"},
    };
    for (const Case& c : cases) {
        const auto entry = RemoteListingParser::parseLine(c.line, "/d");
        EXPECT_EQ(entry ? std::tuple(entry->name.toStdString(), entry->size, entry->isDirectory)
                        : std::tuple(std::string("none"), qint64(0), false),
                  std::tuple(std::string(c.name ? c.name : "none"), c.size, c.directory))
            << QString::fromUtf16(c.line).toStdString();
    }
    // A total line before real entries is skipped alone; blank lines give nothing.
    EXPECT_EQ(
        RemoteListingParser::parseListing(u"total 8\n\r\n  \n-rw-r--r-- 1 u g 5 Dec 6 00:08 f\n", "/").size(),
        1);
}

TEST(RemoteListingParser, DatesOfEveryForm)
{
    const auto dateOf = [](QStringView line) {
        const std::optional<RemoteItem> entry = RemoteListingParser::parseLine(line, "/d", now);
        return entry ? entry->modified : QDateTime::fromSecsSinceEpoch(-1);
    };
    const auto at = [](int year, int month, int day, int hours = 0, int minutes = 0, int seconds = 0) {
        return QDateTime(QDate(year, month, day), QTime(hours, minutes, seconds), Qt::UTC);
    };
    // Older than six months, a long listing gives the year and no time; within them, the time and no year,
    // so a date after today is last year's.
    EXPECT_EQ(dateOf(u"-rw-r--r-- 1 u g 5 Mar 14  2019 a"), at(2019, 3, 14));
    EXPECT_EQ(dateOf(u"-rw-r--r-- 1 u g 5 Dec  8 13:05 a"), at(2026, 12, 8, 13, 5)) << "a zone ahead";
    EXPECT_EQ(dateOf(u"-rw-r--r-- 1 u g 5 Dec 24 13:05 a"), at(2025, 12, 24, 13, 5));
    EXPECT_EQ(dateOf(u"-rw-r--r-- 1 u g 5 jul 1 23:59 a"), at(2026, 7, 1, 23, 59));
    EXPECT_EQ(dateOf(u"-rw-r--r-- 1 0 0 5 01 Feb 10:00 a"), at(2026, 2, 1, 10, 0));
    // Windows servers: two- or four-digit years, 12-hour clocks, or ISO dates.
    EXPECT_EQ(dateOf(u"12-06-26  12:15AM  1234 a"), at(2026, 12, 6, 0, 15));
    EXPECT_EQ(dateOf(u"01-31-99  12:05PM  <DIR> a"), at(1999, 1, 31, 12, 5));
    EXPECT_EQ(dateOf(u"2026-02-03  21:07  7 a"), at(2026, 2, 3, 21, 7));
    EXPECT_EQ(dateOf(u"type=file;modify=20260203210759; a b"), at(2026, 2, 3, 21, 7, 59));
    EXPECT_EQ(dateOf(u"Type=File;Size=7;Modify=19991231235959.5; a"), at(1999, 12, 31, 23, 59, 59));
    // A date that cannot be read leaves the entry without one, never without its name.
    for (const char16_t* line :
         {u"-rw-r--r-- 1 u g 5 Foo 14 2019 a", u"-rw-r--r-- 1 u g 5 Feb 30 2019 a",
          u"-rw-r--r-- 1 u g 5 Dec 6 25:00 a", u"-rw-r--r-- 1 u g 5 Dec 6 1:2:3 a",
          u"-rw-r--r-- 1 u g 5 Dec -6 2019 a", u"13-06-26  10:15AM  1 a", u"12-06-26  13:15PM  1 a",
          u"type=file;modify=2026020321075; a", u"type=file;modify=20261306000000; a",
          u"type=file;modify=20260203210759Z; a"}) {
        EXPECT_EQ(dateOf(line), QDateTime()) << QString::fromUtf16(line).toStdString();
    }
}

TEST(RemoteItem, SortsFoldersFirstThenNamesIgnoringCase)
{
    QList<RemoteItem> items = {item("/b.txt", false), item("/Zeta", true),  item("/a.txt", false),
                               item("/B.txt", false), item("/alpha", true), item("/A.txt", false),
                               item("/Beta", true),   item("/Ärger", true)};
    RemoteItem::sort(items);
    // Case-only differences keep their listed order.
    EXPECT_EQ(items, (QList<RemoteItem>{item("/alpha", true), item("/Ärger", true), item("/Beta", true),
                                        item("/Zeta", true), item("/a.txt", false), item("/A.txt", false),
                                        item("/b.txt", false), item("/B.txt", false)}));
}

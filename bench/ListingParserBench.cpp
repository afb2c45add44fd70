// Times the parsing and sorting of large directory listings, the work the browser does on the background
// queue and the main thread after a listing of a big folder arrives.
#include "transfer/RemoteListingParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <algorithm>
#include <cstdio>

using namespace ondrix;

namespace {

QString unixListing(int lines)
{
    QString text;
    text.reserve(lines * 72);
    text += u"total 123456\r\n";
    for (int i = 0; i < lines; ++i) {
        if (i % 10 == 0) {
            text += QStringLiteral("drwxr-xr-x    2 ftp      ftp          4096 Dec  6 00:08 Folder %1\r\n")
                        .arg(i);
        } else {
            text += QStringLiteral("-rw-r--r--    1 ftp      ftp      %1 Dec  6 00:08 IMG_%2 final.jpg\r\n")
                        .arg(i * 1021, 9)
                        .arg(i);
        }
    }
    return text;
}

QString dosListing(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i) {
        text += QStringLiteral("12-06-26  10:15AM %1 report %2.pdf\r\n").arg(i * 77, 17).arg(i);
    }
    return text;
}

template <typename Work>
double bestOfFive(Work work)
{
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    constexpr int lines = 100000;
    const QString unix = unixListing(lines);
    const QString dos = dosListing(lines);
    qsizetype count = 0;

    const double unixMs =
        bestOfFive([&] { count = RemoteListingParser::parseListing(unix, "/big/").size(); });
    std::printf("parse %d Unix lines (%lld entries): %.1f ms\n", lines, static_cast<long long>(count),
                unixMs);

    const double dosMs = bestOfFive([&] { count = RemoteListingParser::parseListing(dos, "/big/").size(); });
    std::printf("parse %d DOS lines (%lld entries): %.1f ms\n", lines, static_cast<long long>(count), dosMs);

    const double namesMs =
        bestOfFive([&] { count = RemoteListingParser::parseNameList(unix, "/big/").size(); });
    std::printf("parse %d names-only lines (%lld entries): %.1f ms\n", lines, static_cast<long long>(count),
                namesMs);

    const QList<RemoteItem> parsed = RemoteListingParser::parseListing(unix, "/big/");
    const double sortMs = bestOfFive([&] {
        QList<RemoteItem> items = parsed;
        RemoteItem::sort(items);
    });
    std::printf("sort %lld entries (locale %s): %.1f ms\n", static_cast<long long>(parsed.size()),
                qPrintable(QLocale().name()), sortMs);
    return 0;
}

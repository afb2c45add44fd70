#include "platform/SystemdJournal.h"

#include <QByteArray>

#include <sys/stat.h>
#include <sys/uio.h>
#include <systemd/sd-journal.h>
#include <unistd.h>

#include <vector>

namespace ondrix {

bool SystemdJournal::standardErrorIsJournal()
{
    const QByteArray stream = qgetenv("JOURNAL_STREAM");
    const qsizetype colon = stream.indexOf(':');
    if (colon <= 0) {
        return false;
    }
    bool deviceOk = false;
    bool inodeOk = false;
    const qulonglong device = stream.left(colon).toULongLong(&deviceOk);
    const qulonglong inode = stream.mid(colon + 1).toULongLong(&inodeOk);
    struct stat standardError {};
    return deviceOk && inodeOk && ::fstat(STDERR_FILENO, &standardError) == 0 &&
           qulonglong(standardError.st_dev) == device && qulonglong(standardError.st_ino) == inode;
}

bool SystemdJournal::send(const Line& line)
{
    // Field values may hold any bytes; sd_journal_sendv takes them with their lengths, unlike the printf
    // form.
    std::vector<QByteArray> fields{"MESSAGE=" + line.message.toUtf8(),
                                   "PRIORITY=" + QByteArray::number(line.priority),
                                   QByteArrayLiteral("SYSLOG_IDENTIFIER=ondrix")};
    if (!line.connection.isEmpty()) {
        fields.push_back("ONDRIX_CONNECTION=" + line.connection.toUtf8());
    }
    if (!line.file.isEmpty()) {
        fields.push_back("ONDRIX_FILE=" + line.file.toUtf8());
    }
    std::vector<iovec> vectors;
    vectors.reserve(fields.size());
    for (QByteArray& field : fields) {
        vectors.push_back({field.data(), size_t(field.size())});
    }
    return sd_journal_sendv(vectors.data(), int(vectors.size())) == 0;
}

} // namespace ondrix

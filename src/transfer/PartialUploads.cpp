#include "transfer/PartialUploads.h"

#include "platform/PreferencesStore.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace ondrix {

PartialUploads::PartialUploads(PreferencesStore* store, const QUuid& connectionId)
    : m_store(store)
    , m_prefix(QStringLiteral("partial_upload:") + connectionId.toString(QUuid::WithoutBraces) +
               QLatin1Char(':'))
{}

QString PartialUploads::keyFor(const QString& localPath) const
{
    return m_prefix + localPath;
}

std::optional<PartialUploads::Entry> PartialUploads::find(const QString& localPath) const
{
    if (m_store == nullptr) {
        return std::nullopt;
    }
    const QByteArray data = m_store->dataValue(keyFor(localPath));
    if (data.isEmpty()) {
        return std::nullopt;
    }
    const QJsonObject object = QJsonDocument::fromJson(data).object();
    Entry entry;
    entry.sentTo = object.value(QLatin1String("sentTo")).toString();
    entry.target = object.value(QLatin1String("target")).toString();
    // Numbers as text: a double would round nanoseconds and inode numbers.
    entry.version.size = object.value(QLatin1String("size")).toString().toLongLong();
    entry.version.modifiedNs = object.value(QLatin1String("modifiedNs")).toString().toLongLong();
    entry.version.device = object.value(QLatin1String("device")).toString().toULongLong();
    entry.version.inode = object.value(QLatin1String("inode")).toString().toULongLong();
    if (entry.sentTo.isEmpty() || entry.target.isEmpty() || !entry.version.isValid()) {
        return std::nullopt;
    }
    return entry;
}

void PartialUploads::remember(const QString& localPath, const Entry& entry)
{
    if (m_store == nullptr || entry.version.size < m_minimumSize) {
        return;
    }
    const QJsonObject object{
        {QStringLiteral("sentTo"), entry.sentTo},
        {QStringLiteral("target"), entry.target},
        {QStringLiteral("size"), QString::number(entry.version.size)},
        {QStringLiteral("modifiedNs"), QString::number(entry.version.modifiedNs)},
        {QStringLiteral("device"), QString::number(entry.version.device)},
        {QStringLiteral("inode"), QString::number(entry.version.inode)},
    };
    m_store->setData(keyFor(localPath), QJsonDocument(object).toJson(QJsonDocument::Compact));
}

void PartialUploads::forget(const QString& localPath)
{
    if (m_store != nullptr && m_store->contains(keyFor(localPath))) {
        m_store->remove(keyFor(localPath));
    }
}

} // namespace ondrix

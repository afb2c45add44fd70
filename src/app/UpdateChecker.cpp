#include "app/UpdateChecker.h"

#include "platform/NotificationCenter.h"
#include "platform/PreferencesStore.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace ondrix {

Q_LOGGING_CATEGORY(lcUpdates, "ondrix.updates")

const QString UpdateChecker::kLastCheckKey = QStringLiteral("update_last_check");

namespace {

constexpr int kScheduleIntervalMs = 3600 * 1000;
constexpr int kTransferTimeoutMs = 30000;
// A feed is a few hundred bytes; an answer beyond this is cut off rather than held in memory whole.
constexpr qint64 kMaxFeedBytes = 1024 * 1024;

QList<int> versionParts(QString text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('v')) || text.startsWith(QLatin1Char('V'))) {
        text.remove(0, 1);
    }
    qsizetype end = 0;
    while (end < text.size() && (text[end].isDigit() || text[end] == QLatin1Char('.'))) {
        ++end;
    }
    QList<int> parts;
    for (const QString& part : text.left(end).split(QLatin1Char('.'), Qt::SkipEmptyParts)) {
        parts << part.toInt();
    }
    return parts;
}

bool isLoopback(const QUrl& url)
{
    const QString host = url.host();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

} // namespace

UpdateChecker::UpdateChecker(QUrl feedUrl, QString currentVersion, PreferencesStore& store,
                             NotificationCenter& center, Clock clock, QObject* parent)
    : QObject(parent)
    , m_feedUrl(std::move(feedUrl))
    , m_currentVersion(std::move(currentVersion))
    , m_store(store)
    , m_center(center)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
    , m_network(new QNetworkAccessManager(this))
{
    m_schedule.setInterval(kScheduleIntervalMs);
    connect(&m_schedule, &QTimer::timeout, this, &UpdateChecker::checkIfDue);
}

UpdateChecker::~UpdateChecker() = default;

int UpdateChecker::compareVersions(const QString& a, const QString& b)
{
    const QList<int> left = versionParts(a);
    const QList<int> right = versionParts(b);
    for (qsizetype i = 0; i < std::max(left.size(), right.size()); ++i) {
        const int l = left.value(i, 0);
        const int r = right.value(i, 0);
        if (l != r) {
            return l < r ? -1 : 1;
        }
    }
    return 0;
}

bool UpdateChecker::mayFetch(const QUrl& feedUrl)
{
    return feedUrl.scheme() == QLatin1String("https") ||
           (feedUrl.scheme() == QLatin1String("http") && isLoopback(feedUrl));
}

void UpdateChecker::startSchedule()
{
    m_schedule.start();
    checkIfDue();
}

void UpdateChecker::checkIfDue()
{
    const double last = m_store.doubleValue(kLastCheckKey);
    const double now = double(m_clock().toSecsSinceEpoch());
    if (!m_store.contains(kLastCheckKey) || now - last >= double(kCheckIntervalSeconds) || now < last) {
        checkNow(false);
    }
}

void UpdateChecker::checkNow(bool userInitiated)
{
    if (m_inFlight) {
        return;
    }
    if (!mayFetch(m_feedUrl)) {
        qCWarning(lcUpdates).noquote()
            << "[UpdateChecker] Not an HTTPS feed, not fetched:" << m_feedUrl.toString();
        return;
    }
    m_inFlight = true;
    // Recorded before the answer: an unreachable feed is not asked again every hour.
    m_store.setDouble(kLastCheckKey, double(m_clock().toSecsSinceEpoch()));
    QNetworkRequest request(m_feedUrl);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Ondrix"));
    request.setTransferTimeout(kTransferTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxFeedBytes) {
            reply->setProperty("ondrixTooLarge", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, userInitiated] {
        reply->deleteLater();
        m_inFlight = false;
        finished(reply, userInitiated);
    });
}

void UpdateChecker::finished(QNetworkReply* reply, bool userInitiated)
{
    const QByteArray body = reply->read(kMaxFeedBytes);
    const QJsonObject feed = QJsonDocument::fromJson(body).object();
    const QString version = feed.value(QStringLiteral("version")).toString();
    if (reply->error() != QNetworkReply::NoError || version.isEmpty()) {
        const QString reason = reply->property("ondrixTooLarge").toBool()
                                   ? tr("the answer is larger than a feed can be")
                               : reply->error() != QNetworkReply::NoError ? reply->errorString()
                                                                          : tr("the answer holds no version");
        qCWarning(lcUpdates).noquote() << "[UpdateChecker] Check failed:" << reason;
        if (userInitiated) {
            tell(QStringLiteral("ondrix-update-check"), tr("Could not check for updates"),
                 tr("%1. Check the internet connection and try again later.").arg(reason));
        }
        Q_EMIT checked(QString(), false);
        return;
    }
    const bool newer = compareVersions(version, m_currentVersion) > 0;
    if (newer) {
        const QString link = feed.value(QStringLiteral("url")).toString();
        QString text = feed.value(QStringLiteral("notes")).toString().left(300);
        if (!link.isEmpty()) {
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + tr("Download: %1").arg(link);
        }
        tell(QStringLiteral("ondrix-update-available"), tr("Ondrix %1 is available").arg(version), text);
    } else if (userInitiated) {
        tell(QStringLiteral("ondrix-update-check"), tr("Ondrix is up to date"),
             tr("Version %1 is the newest.").arg(m_currentVersion));
    }
    Q_EMIT checked(version, newer);
}

void UpdateChecker::tell(const QString& identifier, const QString& title, const QString& body)
{
    NotificationRequest request;
    request.identifier = identifier;
    request.title = title;
    request.body = body;
    m_center.add(request);
}

} // namespace ondrix

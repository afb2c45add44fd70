#include "ui/popover/MenuBarPresentation.h"

#include "transfer/FailureAdvice.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace ondrix {

MenuBarPresentation::Dot MenuBarPresentation::headerDot(bool hasActiveEngines, bool aggregatePaused,
                                                        bool anyEngineError)
{
    if (!hasActiveEngines) {
        return Dot::inactive;
    }
    if (anyEngineError) {
        return Dot::error;
    }
    return aggregatePaused ? Dot::paused : Dot::running;
}

QString MenuBarPresentation::headerStatusText(bool pausedForNetwork, bool aggregatePaused,
                                              int enabledConnections, int failingConnections)
{
    if (pausedForNetwork) {
        return tr("No network");
    }
    // The red dot said in words (it wins over the pause's orange too): a colour alone does not reach
    // everyone.
    if (failingConnections == 1) {
        return tr("1 connection has an error");
    }
    if (failingConnections > 1) {
        return tr("%n connections have errors", nullptr, failingConnections);
    }
    if (aggregatePaused) {
        return tr("Paused");
    }
    if (enabledConnections <= 0) {
        return tr("No connections");
    }
    if (enabledConnections == 1) {
        return tr("1 active connection");
    }
    return tr("%n active connections", nullptr, enabledConnections);
}

MenuBarPresentation::Banner MenuBarPresentation::environmentBanner(bool pausedForNetwork, bool onHotspot,
                                                                   bool preventSleepSetting,
                                                                   bool preventingSleep)
{
    if (pausedForNetwork) {
        if (onHotspot) {
            return {PopoverSymbol::wifiWarning, tr("Paused — mobile hotspot detected"), PopoverTone::orange};
        }
        return {PopoverSymbol::wifiOff, tr("Paused — no internet connection"), PopoverTone::orange};
    }
    if (preventSleepSetting) {
        if (preventingSleep) {
            return {PopoverSymbol::bolt, tr("Preventing sleep — uploading"), PopoverTone::blue};
        }
        return {PopoverSymbol::bolt, tr("Sleep prevention enabled"), PopoverTone::secondary};
    }
    return {};
}

QString MenuBarPresentation::connectionStatusText(const PushConnection& connection,
                                                  const std::optional<EngineState>& engineState,
                                                  int activeJobs)
{
    if (!connection.isEnabled) {
        return tr("Disabled");
    }
    if (!engineState) {
        return tr("Stopped");
    }
    switch (engineState->kind()) {
    case EngineState::Kind::idle:
        return tr("Stopped");
    case EngineState::Kind::watching:
        return tr("Connected");
    case EngineState::Kind::uploading:
        return uploadingText(activeJobs);
    case EngineState::Kind::paused:
        return tr("Paused");
    case EngineState::Kind::error: {
        const QString advice = FailureAdvice::forDescription(connection, engineState->message());
        return advice.isEmpty() ? engineState->message() : advice;
    }
    }
    return {};
}

QString MenuBarPresentation::uploadingText(int jobs)
{
    return jobs == 1 ? tr("Uploading 1 file") : tr("Uploading %n files", nullptr, jobs);
}

qint64 MenuBarPresentation::steppedSimultaneousUploads(qint64 value, int step)
{
    return step < 0 ? std::max<qint64>(value - 1, 1) : std::min<qint64>(value + 1, kMaxSimultaneousUploads);
}

qint64 MenuBarPresentation::steppedStabilitySeconds(qint64 value, int step)
{
    return step < 0 ? std::max<qint64>(value - 1, 1) : std::min<qint64>(value + 1, kMaxStabilitySeconds);
}

bool MenuBarPresentation::showsKeywordMenu(const PushConnection& connection)
{
    return connection.iptcEnabled && !connection.iptcKeywords.isEmpty();
}

QString MenuBarPresentation::keywordEntryTitle(const IPTCKeywordEntry& entry)
{
    return entry.name.isEmpty() ? entry.keyword : entry.name;
}

QString MenuBarPresentation::keywordMenuTitle(const PushConnection& connection)
{
    if (connection.selectedIPTCKeywordID) {
        for (const IPTCKeywordEntry& entry : connection.iptcKeywords) {
            if (entry.id == *connection.selectedIPTCKeywordID) {
                return keywordEntryTitle(entry);
            }
        }
    }
    return tr("No preset");
}

QString MenuBarPresentation::progressText(const UploadStatus& status)
{
    if (!status.isUploading()) {
        return {};
    }
    return tr("%1%").arg(qint64(status.progress() * 100.0));
}

QString MenuBarPresentation::moreUploadingText(int jobCount)
{
    if (jobCount <= kActivityRows) {
        return {};
    }
    return tr("+%n more uploading...", nullptr, jobCount - kActivityRows);
}

QString MenuBarPresentation::ageText(qint64 seconds)
{
    if (seconds <= 59) {
        return tr("now");
    }
    if (seconds < 3600) {
        return tr("%1m").arg(seconds / 60);
    }
    if (seconds >= 86400) {
        return tr("%1d").arg(seconds / 86400);
    }
    return tr("%1h").arg(seconds / 3600);
}

PopoverSymbol MenuBarPresentation::fileSymbol(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    const auto is = [&](std::initializer_list<const char*> list) {
        return std::any_of(list.begin(), list.end(),
                           [&](const char* e) { return extension == QLatin1String(e); });
    };
    if (is({"mp4", "mov", "avi", "mkv", "mxf"})) {
        return PopoverSymbol::film;
    }
    if (is({"mp3", "wav", "aac", "flac"})) {
        return PopoverSymbol::music;
    }
    if (is({"jpg", "jpeg", "png", "tiff", "raw"})) {
        return PopoverSymbol::photo;
    }
    if (is({"pdf"})) {
        return PopoverSymbol::richText;
    }
    if (is({"zip", "gz", "tar", "rar"})) {
        return PopoverSymbol::archive;
    }
    if (is({"doc", "docx", "txt", "rtf"})) {
        return PopoverSymbol::text;
    }
    if (is({"xls", "xlsx", "csv"})) {
        return PopoverSymbol::table;
    }
    return PopoverSymbol::document;
}

namespace {

// The manager's network types (fixed English words), their symbol and the text the popover shows for them.
struct NetworkKind {
    const char* type;
    PopoverSymbol symbol;
    const char* text;
};

const NetworkKind* networkKind(const QString& networkType)
{
    static const NetworkKind kinds[] = {
        {"WiFi", PopoverSymbol::wifi, QT_TRANSLATE_NOOP("MenuBarPresentation", "WiFi")},
        {"Ethernet", PopoverSymbol::ethernet, QT_TRANSLATE_NOOP("MenuBarPresentation", "Ethernet")},
        {"Hotspot", PopoverSymbol::hotspot, QT_TRANSLATE_NOOP("MenuBarPresentation", "Hotspot")},
        //: No network connection at all
        {"None", PopoverSymbol::wifiOff, QT_TRANSLATE_NOOP("MenuBarPresentation", "None")},
        {"Network", PopoverSymbol::network, QT_TRANSLATE_NOOP("MenuBarPresentation", "Network")},
        //: The network state before it is first known
        {"Unknown", PopoverSymbol::network, QT_TRANSLATE_NOOP("MenuBarPresentation", "Unknown")},
    };
    const auto it = std::find_if(std::begin(kinds), std::end(kinds), [&](const NetworkKind& kind) {
        return networkType == QLatin1String(kind.type);
    });
    return it == std::end(kinds) ? nullptr : it;
}

} // namespace

PopoverSymbol MenuBarPresentation::networkSymbol(const QString& networkType)
{
    const NetworkKind* kind = networkKind(networkType);
    return kind ? kind->symbol : PopoverSymbol::network;
}

QString MenuBarPresentation::networkText(const QString& networkType)
{
    // English shows the manager's word itself.
    const NetworkKind* kind = networkKind(networkType);
    return kind ? tr(kind->text) : networkType;
}

PopoverSymbol MenuBarPresentation::diskSymbol(double freeGB)
{
    return freeGB < 5.0 ? PopoverSymbol::driveWarning : PopoverSymbol::drive;
}

PopoverTone MenuBarPresentation::diskTone(double freeGB)
{
    if (freeGB < 2.0) {
        return PopoverTone::red;
    }
    return freeGB < 5.0 ? PopoverTone::orange : PopoverTone::secondary;
}

QString MenuBarPresentation::diskText(double freeGB)
{
    return tr("%1 GB free").arg(freeGB, 0, 'f', 1);
}

} // namespace ondrix

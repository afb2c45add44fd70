#pragma once

#include "engine/EngineState.h"
#include "engine/UploadStatus.h"
#include "model/PushConnection.h"
#include "ui/popover/PopoverSymbol.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace ondrix {

// What the popover shows, worked out from plain values without any widget: texts, symbols and colours of
// the header, the banner, the connection rows, the activity, the recent uploads and the status line, and
// the bounds of the inline steppers. The view only copies these into its widgets.
class MenuBarPresentation {
    Q_DECLARE_TR_FUNCTIONS(MenuBarPresentation)

public:
    // Upper bounds of the inline steppers; both start at 1.
    static constexpr qint64 kMaxSimultaneousUploads = PushConnection::kMaxSimultaneousUploads;
    static constexpr qint64 kMaxStabilitySeconds = 30;
    // Activity lists this many jobs and sums up the rest in one line.
    static constexpr int kActivityRows = 3;
    static constexpr int kRecentRows = 3;

    enum class Dot { inactive, running, paused, error };

    struct Banner {
        PopoverSymbol symbol = PopoverSymbol::bolt;
        QString text; // empty: no banner
        PopoverTone tone = PopoverTone::secondary;
    };

    // Grey without running engines, red while a running (so enabled) connection has an error, orange while
    // paused, green otherwise.
    static Dot headerDot(bool hasActiveEngines, bool aggregatePaused, bool anyEngineError);
    // An error of a running connection is said in words, as the dot shows it in colour.
    static QString headerStatusText(bool pausedForNetwork, bool aggregatePaused, int enabledConnections,
                                    int failingConnections = 0);
    // The hotspot reason is shown only while the network actually paused the uploads.
    static Banner environmentBanner(bool pausedForNetwork, bool onHotspot, bool preventSleepSetting,
                                    bool preventingSleep);

    // The status line of a connection row; `engineState` is none when the manager runs no engine for it. An
    // error is worded as what a person can do about it where libcurl's words alone would not say.
    static QString connectionStatusText(const PushConnection& connection,
                                        const std::optional<EngineState>& engineState, int activeJobs);
    // "Uploading 3 files", in the plural form the count takes.
    static QString uploadingText(int jobs);
    // One step of the inline steppers, clamped to their bounds even when the stored value lies outside.
    static qint64 steppedSimultaneousUploads(qint64 value, int step);
    static qint64 steppedStabilitySeconds(qint64 value, int step);
    // The keyword preset menu: shown only while injection is on and presets exist.
    static bool showsKeywordMenu(const PushConnection& connection);
    // The selected preset's name, its keyword when unnamed, or "No preset".
    static QString keywordMenuTitle(const PushConnection& connection);
    static QString keywordEntryTitle(const IPTCKeywordEntry& entry);

    // "42%" while uploading, empty otherwise.
    static QString progressText(const UploadStatus& status);
    // "+2 more uploading..." for 5 jobs; empty up to kActivityRows.
    static QString moreUploadingText(int jobCount);

    // Age of a recent upload from whole seconds elapsed: "now", "<m>m", "<h>h" or "<d>d".
    static QString ageText(qint64 seconds);
    // By the lower-cased extension of the file name.
    static PopoverSymbol fileSymbol(const QString& fileName);

    static PopoverSymbol networkSymbol(const QString& networkType);
    static QString networkText(const QString& networkType);
    static PopoverSymbol diskSymbol(double freeGB);
    static PopoverTone diskTone(double freeGB);
    static QString diskText(double freeGB);
};

} // namespace ondrix

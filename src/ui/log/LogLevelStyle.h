#pragma once

#include "records/LogEntry.h"
#include "ui/common/StatusPalette.h"

#include <QColor>
#include <QIcon>
#include <QString>

namespace ondrix {

// How a log level looks in the interface: its colour and symbol (a blue "i" in a circle for information, a
// green filled circle with a check mark for success, an orange triangle with "!" for a warning, a red filled
// circle with a cross for an error), and its name for assistive tools.
namespace LogLevelStyle {

StatusTone tone(LogEntry::LogLevel level);
// The symbol colour of the level's tone.
QColor color(LogEntry::LogLevel level);
// Drawn in `color(level)` at several sizes; callers that show many rows keep the icon they got.
QIcon icon(LogEntry::LogLevel level);
// "Information", "Success", "Warning", "Error".
QString name(LogEntry::LogLevel level);

} // namespace LogLevelStyle
} // namespace ondrix

#pragma once

#include "ui/popover/PopoverSymbol.h"

#include <QDateTime>
#include <QList>
#include <QWidget>

class QLabel;

namespace ondrix {

class ElidedLabel;
struct HistoryEntry;

// The "Recent" part of the popover: the last successful uploads with a symbol of their kind, size and age.
//
// Main thread only.
class RecentUploadsList : public QWidget {
    Q_OBJECT

public:
    explicit RecentUploadsList(QWidget* parent = nullptr);

    // `entries` newest first, failures among them; ages are counted to `now`.
    void showEntries(const QList<HistoryEntry>& entries, const QDateTime& now);
    // "name|size|age" per shown upload.
    QStringList lines() const;

private:
    struct Line {
        QWidget* widget = nullptr;
        QLabel* symbol = nullptr;
        PopoverSymbol shown = PopoverSymbol::logo;
        ElidedLabel* name = nullptr;
        QLabel* size = nullptr;
        QLabel* age = nullptr;
    };

    QList<Line> m_lines;
    QLabel* m_none = nullptr;
};

} // namespace ondrix

#pragma once

#include "engine/UploadJob.h"

#include <QList>
#include <QWidget>

class QLabel;

namespace ondrix {

class ElidedLabel;

// The "Activity" part of the popover: the first jobs on their way with their progress, one line summing up
// the rest, or that nothing is being transferred.
//
// Main thread only.
class ActivityList : public QWidget {
    Q_OBJECT

public:
    explicit ActivityList(QWidget* parent = nullptr);

    void showJobs(const QList<UploadJob>& jobs);
    // "name  42%" per shown job, then the more-uploading line.
    QStringList lines() const;

private:
    struct Line {
        QWidget* widget = nullptr;
        ElidedLabel* name = nullptr;
        QLabel* percent = nullptr;
    };

    QList<Line> m_lines;
    QLabel* m_more = nullptr;
    QLabel* m_none = nullptr;
};

} // namespace ondrix

#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QThreadPool;

namespace ondrix {

class UploadedRecord;

// Keeps the main thread from waiting for the store: reads an uploaded record on the transfer pool (a tree of
// 100 000 files takes the store a good part of a second), holds back the files that changed meanwhile, and
// hands them over once the record is read.
//
// Lives on the main thread with its engine; the hand-over comes from its own timer, which looks for the end
// of the reading every `kPollMs`.
class UploadedRecordGate : public QObject {
    Q_OBJECT

public:
    static constexpr int kPollMs = 20;
    using Release = std::function<void(const QSet<QString>& held)>;

    // Without `pool` the record is read at once, on the main thread.
    UploadedRecordGate(std::shared_ptr<UploadedRecord> record, QThreadPool* pool, Release release,
                       QObject* parent = nullptr);

    // Whether the record can be asked without waiting for the store; otherwise it starts reading it.
    bool isReady();
    // Whether the record can be asked about `path`; otherwise holds `path` back until it can.
    bool admit(const QString& path);
    // Forgets the files held back.
    void clear();

private:
    void poll();

    const std::shared_ptr<UploadedRecord> m_record;
    QThreadPool* const m_pool;
    const Release m_release;
    QSet<QString> m_held;
    QTimer m_timer;
    bool m_loadStarted = false;
};

} // namespace ondrix

#pragma once

#include "engine/FolderScan.h"
#include "model/NextTurn.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QThreadPool;

namespace ondrix {
class MonotonicClock;
}

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace ondrix {

// Answers, for one file at a time, whether it has stopped growing: it reads the file's size every interval
// until two readings agree while no process holds it open for writing (stable), the size cannot be read (the
// file vanished) or the maximum wait has passed. Only the size is compared; a stable answer comes with the
// last reading (date and size), so its owner need not read the file again.
//
// Lives on the main thread. A wait sleeps on a timer, so any number of waits proceed side by side; waits that
// read in the same turn and have the same interval share one timer, so a scan that offers a thousand files
// costs a few timers, not a thousand. The readings of one turn are taken together on the pool when one is
// given: a file on a network share that stopped answering then holds up its own wait, not the main thread.
// Answers are always delivered later, never inside waitForStability or cancel: those given in one turn go
// together in one queued call.
class FileStabilityChecker : public QObject {
    Q_OBJECT
    Q_PROPERTY(int activeWaits READ activeWaits NOTIFY activeWaitsChanged)

public:
    enum class Answer { Stable, NotStable, Cancelled };
    // The reading that settled the answer: the file's date and size for Stable, nothing otherwise.
    using Reading = std::optional<FolderScan::File>;
    using AnswerHandler = std::function<void(Answer, const Reading& reading)>;

    // Identifies one wait so its owner can cancel it; a default handle refers to nothing.
    class Handle {
    public:
        Handle() = default;
        // Ends the wait; its handler then receives Cancelled. Does nothing once the wait has ended.
        void cancel() const;
        bool isActive() const;

    private:
        friend class FileStabilityChecker;
        Handle(FileStabilityChecker* checker, quint64 id)
            : m_checker(checker)
            , m_id(id)
        {}
        QPointer<FileStabilityChecker> m_checker;
        quint64 m_id = 0;
    };

    static constexpr double kDefaultCheckInterval = 2.0;
    static constexpr double kDefaultMaxWaitSeconds = 60.0;

    explicit FileStabilityChecker(QObject* parent = nullptr);
    ~FileStabilityChecker() override;

    // Interval used when a caller gives none.
    double checkInterval() const { return m_checkInterval; }
    void setCheckInterval(double seconds) { m_checkInterval = seconds; }
    // A wait answers NotStable once more than this has passed since it began.
    double maxWaitSeconds() const { return m_maxWaitSeconds; }
    void setMaxWaitSeconds(double seconds) { m_maxWaitSeconds = seconds; }
    // Files are read through `tree` (see FolderScan::stat) once it is given.
    void setTree(std::shared_ptr<const WatchedTree> tree) { m_tree = std::move(tree); }
    // Files are read there; without a pool, on this thread.
    void setPool(QThreadPool* pool) { m_pool = pool; }
    // Intervals and the maximum wait are measured on `clock` (not owned) instead of the system's; only set
    // while no wait is active.
    void setClock(MonotonicClock* clock);

    // Starts a wait for the local file at `filePath`. A negative or non-finite interval counts as 0.
    // `onAnswer` runs on this object's thread, unless `context` has been destroyed by then. A caller that has
    // just read the file (a scan, a look at the uploaded record) passes that reading as `firstReading`; it
    // stands in for the first one the wait would take.
    Handle waitForStability(const QString& filePath, std::optional<double> intervalSeconds, QObject* context,
                            AnswerHandler onAnswer, Reading firstReading = std::nullopt);

    int activeWaits() const { return int(m_waits.size()); }

Q_SIGNALS:
    void activeWaitsChanged(int activeWaits);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    // One reading to take off this thread, and what it found.
    struct Read {
        quint64 id = 0;
        QString path;
        // The previous reading's size: only a file that kept it is asked about writers.
        std::optional<qint64> previousSize;
        Reading reading;
        bool openForWriting = false;
    };
    // What the readings on the pool report back through: this checker, while it lives.
    struct Link;

    struct Wait {
        QString path;
        int intervalMs = 0;
        qint64 startedMs = 0;
        // The reading given with the wait, used instead of the first one; then the latest reading.
        Reading given;
        Reading previous;
        int timerId = 0;
        QPointer<QObject> context;
        bool hasContext = false;
        AnswerHandler onAnswer;
    };

    struct Delivery {
        QPointer<QObject> context;
        bool hasContext = false;
        AnswerHandler onAnswer;
        Answer answer = Answer::Cancelled;
        Reading reading;
    };

    // The waits one timer wakes once the clock reaches `dueMs`.
    struct TimerGroup {
        qint64 dueMs = 0;
        std::vector<quint64> ids;
    };

    // Starts a timer for the waits that join it, due `intervalMs` from now.
    int startGroup(int intervalMs);
    void fire(int timerId);
    void fireDueTimers();
    // Takes one wait a step on: to its answer, to the timer in `next` with the reading given with it, or to
    // a reading of its file, added to `reads`.
    void step(quint64 id, std::vector<Read>& reads, std::unordered_map<int, int>& next);
    static void take(std::vector<Read>& reads, const WatchedTree* tree);
    void readingsTaken(const std::vector<Read>& reads);
    // Answers the wait from its new reading, or has it join the timer in `next` for its interval (started
    // when missing).
    void conclude(quint64 id, Reading reading, bool openForWriting, std::unordered_map<int, int>& next);
    void cancel(quint64 id);
    void answer(quint64 id, Answer answer, Reading reading = std::nullopt);
    void leaveTimer(quint64 id, int timerId);
    void deliverAnswers();
    bool hasTimedOut(const Wait& wait) const;

    double m_checkInterval = kDefaultCheckInterval;
    double m_maxWaitSeconds = kDefaultMaxWaitSeconds;
    std::shared_ptr<const WatchedTree> m_tree;
    QThreadPool* m_pool = nullptr;
    MonotonicClock* m_clock = nullptr;
    std::shared_ptr<Link> m_link;
    quint64 m_nextId = 1;
    std::unordered_map<quint64, Wait> m_waits;
    // The waits each timer wakes, and the timer of the first readings of this turn.
    std::unordered_map<int, TimerGroup> m_waitsByTimer;
    int m_firstReadingTimer = 0;
    std::vector<Delivery> m_answers;
    NextTurn m_answering{this, [this] { deliverAnswers(); }};
};

} // namespace ondrix

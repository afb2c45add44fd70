#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QTimer>
#include <QUuid>

#include <functional>

namespace ondrix {

// A table over a service's observable list of entries that carry an `id`. The rows follow the service's
// list without being rebuilt: changes are gathered for `coalesceMs` (a burst of a thousand changes becomes a
// few updates), then the new list is compared with the rows by id, and rows are removed at both ends and
// inserted at both ends, which covers how the lists change (new entries at one end, the oldest trimmed at
// the other). Any other change (a reorder, a whole new list) resets the model.
template <typename Entry>
class EntryListModel : public QAbstractTableModel {
public:
    using Source = std::function<QList<Entry>()>;

    static constexpr int kDefaultCoalesceMs = 100;

    explicit EntryListModel(Source source, QObject* parent = nullptr)
        : QAbstractTableModel(parent)
        , m_source(std::move(source))
        , m_entries(m_source())
    {
        m_coalesce.setSingleShot(true);
        m_coalesce.setInterval(kDefaultCoalesceMs);
        QObject::connect(&m_coalesce, &QTimer::timeout, this, [this] { syncNow(); });
    }

    // Call on every change of the source; the rows follow within `coalesceMs`.
    void sourceChanged()
    {
        if (!m_coalesce.isActive()) {
            m_coalesce.start();
        }
    }

    // Brings the rows to the source's list at once.
    void syncNow()
    {
        m_coalesce.stop();
        apply(m_source());
        ++m_syncs;
    }

    void setCoalesceMs(int ms) { m_coalesce.setInterval(ms); }
    // How often the rows were brought up to date, and how often that took a reset.
    int syncCount() const { return m_syncs; }
    int resetCount() const { return m_resets; }

    const QList<Entry>& entries() const { return m_entries; }
    const Entry& entryAt(int row) const { return m_entries.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_entries.size());
    }

private:
    void apply(const QList<Entry>& next)
    {
        if (next.isEmpty()) {
            if (!m_entries.isEmpty()) {
                beginRemoveRows({}, 0, int(m_entries.size()) - 1);
                m_entries.clear();
                endRemoveRows();
            }
            return;
        }
        if (m_entries.isEmpty()) {
            beginInsertRows({}, 0, int(next.size()) - 1);
            m_entries = next;
            endInsertRows();
            return;
        }
        QHash<QUuid, int> oldRow;
        oldRow.reserve(m_entries.size());
        for (int i = 0; i < m_entries.size(); ++i) {
            oldRow.insert(m_entries.at(i).id, i);
        }
        // The first new entry that was shown already starts the run of kept rows.
        int keptNew = 0;
        while (keptNew < next.size() && !oldRow.contains(next.at(keptNew).id)) {
            ++keptNew;
        }
        if (keptNew == next.size()) {
            reset(next);
            return;
        }
        const int keptOld = oldRow.value(next.at(keptNew).id);
        int length = 0;
        while (keptNew + length < next.size() && keptOld + length < m_entries.size() &&
               next.at(keptNew + length).id == m_entries.at(keptOld + length).id) {
            ++length;
        }
        for (int i = keptNew + length; i < next.size(); ++i) {
            if (oldRow.contains(next.at(i).id)) {
                reset(next); // moved, not just added or trimmed
                return;
            }
        }
        const int oldCount = int(m_entries.size());
        if (keptOld + length < oldCount) {
            beginRemoveRows({}, keptOld + length, oldCount - 1);
            m_entries.resize(keptOld + length);
            endRemoveRows();
        }
        if (keptOld > 0) {
            beginRemoveRows({}, 0, keptOld - 1);
            m_entries.remove(0, keptOld);
            endRemoveRows();
        }
        if (keptNew > 0) {
            beginInsertRows({}, 0, keptNew - 1);
            m_entries = next.mid(0, keptNew + length);
            endInsertRows();
        }
        if (keptNew + length < next.size()) {
            beginInsertRows({}, keptNew + length, int(next.size()) - 1);
            m_entries = next;
            endInsertRows();
        }
        // The kept rows may carry newer values under the same ids.
        m_entries = next;
    }

    void reset(const QList<Entry>& next)
    {
        beginResetModel();
        m_entries = next;
        endResetModel();
        ++m_resets;
    }

    Source m_source;
    QList<Entry> m_entries;
    QTimer m_coalesce;
    int m_syncs = 0;
    int m_resets = 0;
};

} // namespace ondrix

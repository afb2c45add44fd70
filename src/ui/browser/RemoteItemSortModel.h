#pragma once

#include <QSortFilterProxyModel>

namespace ondrix {

// The view's order of a RemoteItemModel: by the clicked column, ascending or descending, with folders always
// before files. Sorting by name keeps the listing's own order (already by name, in the user's locale) or
// reverses it, so even a folder of many thousand entries sorts without comparing a single name.
class RemoteItemSortModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit RemoteItemSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace ondrix

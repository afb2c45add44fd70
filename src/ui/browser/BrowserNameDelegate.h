#pragma once

#include <QStyledItemDelegate>

namespace ondrix {

// Draws the name cell of a remote entry: its icon and name as usual, then, on the right, a dot in the
// colour of its tag (RemoteItemModel::TagColourRole) and, when asked, a "›" that says a click opens it.
class BrowserNameDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit BrowserNameDelegate(bool showsChevron, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int trailingWidth(const QModelIndex& index) const;

    bool m_showsChevron;
};

} // namespace ondrix

#include "ui/browser/BrowserNameDelegate.h"

#include "ui/browser/RemoteItemModel.h"

#include <QApplication>
#include <QPainter>

namespace ondrix {

namespace {
constexpr int kDotDiameter = 9;
constexpr int kMarkWidth = 16;
} // namespace

BrowserNameDelegate::BrowserNameDelegate(bool showsChevron, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_showsChevron(showsChevron)
{}

int BrowserNameDelegate::trailingWidth(const QModelIndex& index) const
{
    int width = 0;
    if (index.data(RemoteItemModel::TagColourRole).isValid()) {
        width += kMarkWidth;
    }
    if (m_showsChevron) {
        width += kMarkWidth;
    }
    return width;
}

void BrowserNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const int trailing = trailingWidth(index);
    QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    // The selection background spans the whole cell; the text stops short of the marks.
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, cell.widget);
    cell.rect.setRight(cell.rect.right() - trailing);
    cell.backgroundBrush = Qt::NoBrush;
    cell.state &= ~QStyle::State_HasFocus;
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    int x = option.rect.right() - trailing;
    const QVariant tag = index.data(RemoteItemModel::TagColourRole);
    if (tag.isValid()) {
        const QRect dot(x + (kMarkWidth - kDotDiameter) / 2, option.rect.center().y() - kDotDiameter / 2,
                        kDotDiameter, kDotDiameter);
        painter->setPen(QPen(tag.value<QColor>().darker(130), 1));
        painter->setBrush(tag.value<QColor>());
        painter->drawEllipse(dot);
        x += kMarkWidth;
    }
    if (m_showsChevron) {
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
        painter->drawText(QRect(x, option.rect.top(), kMarkWidth, option.rect.height()), Qt::AlignCenter,
                          QStringLiteral("›"));
    }
    painter->restore();
}

QSize BrowserNameDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += trailingWidth(index);
    return size;
}

} // namespace ondrix

#include "ui/browser/RemotePathBar.h"

#include "ui/browser/RemoteNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace ondrix {

namespace {
// Levels shown below the top before the middle ones fold into "…".
constexpr int kShownLevels = 4;
constexpr int kMaxLabelWidth = 160;
} // namespace

RemotePathBar::RemotePathBar(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setPath(QStringLiteral("/"));
}

void RemotePathBar::setPath(const QString& path)
{
    m_path = path;
    while (QLayoutItem* item = m_layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QStringList folders = RemoteNames::ancestry(path);
    const auto addSeparator = [this] {
        auto* separator = new QLabel(QStringLiteral("›"), this);
        separator->setForegroundRole(QPalette::PlaceholderText);
        separator->setContentsMargins(2, 0, 2, 0);
        m_layout->addWidget(separator);
    };
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const bool folded = i > 0 && i < folders.size() - kShownLevels;
        if (folded) {
            if (i == 1) {
                addSeparator();
                m_layout->addWidget(new QLabel(QStringLiteral("…"), this));
            }
            continue;
        }
        if (i > 0) {
            addSeparator();
        }
        const QString folder = folders[i];
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        const QString label = RemoteNames::shown(RemoteNames::lastComponent(folder));
        const QString elided = button->fontMetrics().elidedText(label, Qt::ElideMiddle, kMaxLabelWidth);
        button->setText(QString(elided).replace(u'&', QStringLiteral("&&")));
        button->setToolTip(RemoteNames::shown(folder));
        button->setAccessibleName(tr("Go to %1").arg(RemoteNames::shown(folder)));
        if (i == folders.size() - 1) {
            QFont bold = button->font();
            bold.setBold(true);
            button->setFont(bold);
        }
        connect(button, &QToolButton::clicked, this, [this, folder] { Q_EMIT folderClicked(folder); });
        m_layout->addWidget(button);
    }
    m_layout->addStretch(1);
}

} // namespace ondrix

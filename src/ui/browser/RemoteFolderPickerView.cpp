#include "ui/browser/RemoteFolderPickerView.h"

#include "model/RemotePath.h"
#include "ui/browser/BrowserNameDelegate.h"
#include "ui/browser/BrowserStatePage.h"
#include "ui/browser/RemoteItemModel.h"
#include "ui/browser/RemoteListingLoader.h"
#include "ui/browser/RemoteNames.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

RemoteFolderPickerView::RemoteFolderPickerView(const PushConnection& connection, QThreadPool& pool,
                                               const QString& startPath, QWidget* parent)
    : QDialog(parent)
    , m_loader(new RemoteListingLoader(connection, pool, this))
    , m_currentPath(RemotePath::withoutTrailingSlash(
          startPath.trimmed().startsWith(u'/') ? startPath.trimmed() : u'/' + startPath.trimmed()))
    , m_back(new QToolButton(this))
    , m_up(new QToolButton(this))
    , m_path(new QLabel(this))
    , m_stack(new QStackedWidget(this))
    , m_list(new QListView(this))
    , m_model(new RemoteItemModel(this))
    , m_statePage(new BrowserStatePage(this))
    , m_notice(new QLabel(this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
    , m_select(new QPushButton(tr("Select This Folder"), this))
{
    setWindowTitle(tr("Choose Remote Folder"));
    setWindowModality(Qt::WindowModal);
    resize(440, 460);

    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_back->setToolTip(tr("Go back"));
    m_back->setAccessibleName(tr("Go back"));
    m_up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_up->setToolTip(tr("Enclosing folder"));
    m_up->setAccessibleName(tr("Enclosing folder"));
    for (QToolButton* button : {m_back, m_up}) {
        button->setAutoRaise(true);
    }
    QFont bold = m_path->font();
    bold.setBold(true);
    m_path->setFont(bold);
    m_path->setTextFormat(Qt::PlainText);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_list->setAccessibleName(tr("Folders"));
    m_list->setModel(m_model);
    m_list->setModelColumn(RemoteItemModel::NameColumn);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setItemDelegate(new BrowserNameDelegate(true, m_list));
    m_list->setIconSize(QSize(18, 18));
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_statePage);

    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setForegroundRole(QPalette::PlaceholderText);
    m_notice->hide();

    m_select->setDefault(true);
    m_cancel->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    buttons->addButton(m_select, QDialogButtonBox::AcceptRole);

    auto* header = new QHBoxLayout;
    header->setSpacing(2);
    header->addWidget(m_back);
    header->addWidget(m_up);
    header->addSpacing(6);
    header->addWidget(m_path, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(m_stack, 1);
    layout->addWidget(m_notice);
    layout->addWidget(buttons);

    connect(m_back, &QToolButton::clicked, this, &RemoteFolderPickerView::goBack);
    connect(m_up, &QToolButton::clicked, this, &RemoteFolderPickerView::goUp);
    connect(m_list, &QListView::clicked, this, &RemoteFolderPickerView::openRow);
    connect(m_list, &QListView::activated, this, &RemoteFolderPickerView::openRow);
    connect(m_statePage, &BrowserStatePage::buttonClicked, this, &RemoteFolderPickerView::retry);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_select, &QPushButton::clicked, this, &RemoteFolderPickerView::selectCurrentFolder);
    connect(m_loader, &RemoteListingLoader::listed, this, &RemoteFolderPickerView::applyListing);
    connect(m_loader, &RemoteListingLoader::listingFailed, this, &RemoteFolderPickerView::applyFailure);
    showFolder();
}

RemoteFolderPickerView::~RemoteFolderPickerView() = default;

void RemoteFolderPickerView::openFolder(const QString& path)
{
    m_history << m_currentPath;
    m_currentPath = RemotePath::withoutTrailingSlash(path);
    showFolder();
}

void RemoteFolderPickerView::goBack()
{
    if (!m_history.isEmpty()) {
        m_currentPath = m_history.takeLast();
        showFolder();
    }
}

void RemoteFolderPickerView::goUp()
{
    if (m_currentPath != u"/") {
        openFolder(RemotePath::directoryOf(m_currentPath));
    }
}

void RemoteFolderPickerView::retry()
{
    showFolder();
}

void RemoteFolderPickerView::selectCurrentFolder()
{
    Q_EMIT folderSelected(m_currentPath);
    accept();
}

void RemoteFolderPickerView::showFolder()
{
    m_path->setText(RemoteNames::shown(m_currentPath));
    m_path->setToolTip(m_path->text());
    m_back->setEnabled(!m_history.isEmpty());
    m_up->setEnabled(m_currentPath != u"/");
    m_notice->hide();
    if (m_model->folder() != m_currentPath) {
        m_statePage->showBusy(tr("Loading…"));
        m_stack->setCurrentWidget(m_statePage);
    }
    m_loader->list(m_currentPath);
}

void RemoteFolderPickerView::applyListing(const QString& folder, const QList<RemoteItem>& items)
{
    if (folder != m_currentPath) {
        return;
    }
    QList<RemoteItem> folders;
    for (const RemoteItem& item : items) {
        if (item.isDirectory) {
            folders << item;
        }
    }
    m_model->setListing(folder, folders);
    if (folders.isEmpty()) {
        m_statePage->showMessage(QStyle::SP_DirIcon, tr("No subfolders"), {});
        m_stack->setCurrentWidget(m_statePage);
    } else {
        m_stack->setCurrentWidget(m_list);
    }
    Q_EMIT listingShown();
}

void RemoteFolderPickerView::applyFailure(const QString& folder, const QString& message)
{
    if (folder != m_currentPath) {
        return;
    }
    m_model->setListing(QString(), {});
    m_statePage->showMessage(QStyle::SP_MessageBoxWarning, tr("This folder cannot be shown"), message,
                             tr("Retry"));
    m_stack->setCurrentWidget(m_statePage);
    Q_EMIT listingShown();
}

void RemoteFolderPickerView::openRow(const QModelIndex& index)
{
    if (!index.isValid()) {
        return;
    }
    if (!m_model->isSafe(index.row())) {
        m_notice->setText(tr("The server lists a folder named “%1”, which cannot be opened safely.")
                              .arg(RemoteNames::shown(m_model->item(index.row()).name)));
        m_notice->show();
        return;
    }
    openFolder(m_model->item(index.row()).id);
}

bool RemoteFolderPickerView::isShowingListing() const
{
    return m_model->folder() == m_currentPath;
}

QString RemoteFolderPickerView::notice() const
{
    return m_notice->isVisibleTo(this) ? m_notice->text() : QString();
}

} // namespace ondrix

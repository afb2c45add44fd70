#include "ui/browser/BrowserFolderView.h"

#include "model/RemotePath.h"
#include "records/LogService.h"
#include "ui/browser/BrowserNameDelegate.h"
#include "ui/browser/BrowserStatePage.h"
#include "ui/browser/BrowserTagStore.h"
#include "ui/browser/NamePromptBar.h"
#include "ui/browser/RemoteItemModel.h"
#include "ui/browser/RemoteItemSortModel.h"
#include "ui/browser/RemoteListingLoader.h"
#include "ui/browser/RemoteNames.h"
#include "ui/browser/RemotePathBar.h"
#include "ui/common/Dialogs.h"
#include "ui/common/StatusPalette.h"

#include <QAction>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace ondrix {

namespace {

QToolButton* toolButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& name,
                        const QString& text = {})
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setAutoRaise(true);
    if (!text.isEmpty()) {
        button->setText(text);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    return button;
}

// A round swatch for the tag menu.
QIcon swatch(const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(130), 1));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return QIcon(pixmap);
}

} // namespace

BrowserFolderView::BrowserFolderView(const PushConnection& connection, QThreadPool& pool,
                                     PreferencesStore& store, Dialogs& dialogs, LogService* log,
                                     QWidget* parent)
    : QWidget(parent)
    , m_connection(connection)
    , m_dialogs(dialogs)
    , m_log(log)
    , m_tags(std::make_unique<BrowserTagStore>(store, connection.id))
    , m_loader(new RemoteListingLoader(connection, pool, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    buildToolbar();
    buildTable();
    buildFooter();
    buildActions();

    m_prompt = new NamePromptBar(this);
    m_errorBanner = new QLabel(this);
    m_errorBanner->setObjectName(QStringLiteral("operationError"));
    m_errorBanner->setWordWrap(true);
    m_errorBanner->setTextFormat(Qt::PlainText);
    m_errorBanner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A light tint of the error colour over the window, with the error text made to read on that tint.
    QColor tint = StatusPalette::symbol(StatusTone::error);
    const QColor window = palette().color(QPalette::Window);
    const QColor background = QColor::fromRgbF(window.redF() * 0.88f + tint.redF() * 0.12f,
                                               window.greenF() * 0.88f + tint.greenF() * 0.12f,
                                               window.blueF() * 0.88f + tint.blueF() * 0.12f);
    tint.setAlphaF(0.45f);
    m_errorBanner->setStyleSheet(
        QStringLiteral("QLabel#operationError { color: %1; background: %2; border: 1px solid %3;"
                       " border-radius: 4px; padding: 6px; }")
            .arg(StatusPalette::text(StatusTone::error, background).name(), background.name(),
                 tint.name(QColor::HexArgb)));
    m_errorBanner->hide();

    m_stack = new QStackedWidget(this);
    m_statePage = new BrowserStatePage(this);
    m_stack->addWidget(m_table);
    m_stack->addWidget(m_statePage);
    connect(m_statePage, &BrowserStatePage::buttonClicked, this, &BrowserFolderView::refresh);

    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    toolbar->addWidget(m_back);
    toolbar->addWidget(m_up);
    toolbar->addSpacing(6);
    toolbar->addWidget(m_pathBar, 1);
    toolbar->addWidget(m_refresh);
    auto* footer = new QHBoxLayout;
    footer->addWidget(m_summary);
    footer->addWidget(m_busy);
    footer->addStretch(1);
    footer->addWidget(m_newFolder);
    footer->addWidget(m_rename);
    footer->addWidget(m_delete);

    layout->addLayout(toolbar);
    layout->addWidget(m_prompt);
    layout->addWidget(m_errorBanner);
    layout->addWidget(m_stack, 1);
    layout->addLayout(footer);

    m_model->setTags(m_tags->tags());
    connect(m_loader, &RemoteListingLoader::listed, this, &BrowserFolderView::applyListing);
    connect(m_loader, &RemoteListingLoader::listingFailed, this, &BrowserFolderView::applyFailure);
    connect(m_loader, &RemoteListingLoader::loadingChanged, this, &BrowserFolderView::updateLoading);
    connect(m_prompt, &NamePromptBar::cancelled, m_table, qOverload<>(&QWidget::setFocus));
    showFolder();
}

BrowserFolderView::~BrowserFolderView() = default;

void BrowserFolderView::buildToolbar()
{
    m_back = toolButton(this, QStyle::SP_ArrowBack, tr("Go back"));
    m_up = toolButton(this, QStyle::SP_ArrowUp, tr("Enclosing folder"));
    m_refresh = toolButton(this, QStyle::SP_BrowserReload, tr("Refresh"));
    m_pathBar = new RemotePathBar(this);
    connect(m_back, &QToolButton::clicked, this, &BrowserFolderView::navigateBack);
    connect(m_up, &QToolButton::clicked, this, &BrowserFolderView::navigateUp);
    connect(m_refresh, &QToolButton::clicked, this, &BrowserFolderView::refresh);
    connect(m_pathBar, &RemotePathBar::folderClicked, this, &BrowserFolderView::navigateTo);
}

void BrowserFolderView::buildTable()
{
    m_model = new RemoteItemModel(this);
    m_sorted = new RemoteItemSortModel(this);
    m_sorted->setSourceModel(m_model);
    m_table = new QTreeView(this);
    m_table->setAccessibleName(tr("Folder contents"));
    m_table->setModel(m_sorted);
    m_table->setRootIsDecorated(false);
    m_table->setItemsExpandable(false);
    m_table->setUniformRowHeights(true);
    m_table->setAllColumnsShowFocus(true);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setItemDelegateForColumn(RemoteItemModel::NameColumn, new BrowserNameDelegate(false, m_table));
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(RemoteItemModel::NameColumn, Qt::AscendingOrder);
    QHeaderView* header = m_table->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(RemoteItemModel::NameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(RemoteItemModel::SizeColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(RemoteItemModel::TypeColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(RemoteItemModel::ModifiedColumn, QHeaderView::Interactive);
    header->resizeSection(RemoteItemModel::SizeColumn, 90);
    header->resizeSection(RemoteItemModel::TypeColumn, 110);
    // Wide enough for the longest date and time the locale's short format writes.
    const QString widestDate =
        QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 58)), QLocale::ShortFormat);
    header->resizeSection(RemoteItemModel::ModifiedColumn,
                          m_table->fontMetrics().horizontalAdvance(widestDate) + 24);
    connect(m_table, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (index.data(RemoteItemModel::IsDirectoryRole).toBool()) {
            openSelected();
        }
    });
    connect(m_table, &QTreeView::customContextMenuRequested, this, &BrowserFolderView::showContextMenu);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BrowserFolderView::updateActions);
    connect(m_sorted, &QAbstractItemModel::modelReset, this, &BrowserFolderView::updateActions);
}

void BrowserFolderView::buildFooter()
{
    m_summary = new QLabel(this);
    m_summary->setForegroundRole(QPalette::PlaceholderText);
    m_busy = new QProgressBar(this);
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setFixedSize(80, 10);
    m_busy->setAccessibleName(tr("Loading"));
    m_busy->hide();
    m_newFolder = toolButton(this, QStyle::SP_FileDialogNewFolder, tr("New Folder"), tr("New Folder"));
    m_rename = toolButton(this, QStyle::SP_FileDialogDetailedView, tr("Rename selected item"), tr("Rename"));
    m_delete = toolButton(this, QStyle::SP_TrashIcon, tr("Delete selected items"), tr("Delete"));
    connect(m_newFolder, &QToolButton::clicked, this, &BrowserFolderView::startNewFolder);
    connect(m_rename, &QToolButton::clicked, this, &BrowserFolderView::startRename);
    connect(m_delete, &QToolButton::clicked, this, &BrowserFolderView::deleteSelected);
}

void BrowserFolderView::buildActions()
{
    const auto action = [this](const QString& text, QKeySequence shortcut, auto slot) {
        auto* result = new QAction(text, this);
        result->setShortcut(shortcut);
        result->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(result, &QAction::triggered, this, slot);
        addAction(result);
        return result;
    };
    m_openAction =
        action(tr("Open"), QKeySequence(Qt::CTRL | Qt::Key_Down), &BrowserFolderView::openSelected);
    m_newFolderAction = action(tr("New Folder"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                               &BrowserFolderView::startNewFolder);
    m_renameAction = action(tr("Rename"), QKeySequence(Qt::Key_F2), &BrowserFolderView::startRename);
    m_deleteAction = action(tr("Delete"), QKeySequence::Delete, &BrowserFolderView::deleteSelected);
    m_refreshAction = action(tr("Refresh"), QKeySequence::Refresh, &BrowserFolderView::refresh);
    m_backAction = action(tr("Go back"), QKeySequence::Back, &BrowserFolderView::navigateBack);
}

QList<RemoteItem> BrowserFolderView::selectedItems() const
{
    QList<RemoteItem> items;
    QModelIndexList rows = m_table->selectionModel()->selectedRows(RemoteItemModel::NameColumn);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows) {
        items << m_model->item(m_sorted->mapToSource(row).row());
    }
    return items;
}

void BrowserFolderView::navigateInto(const QString& path)
{
    m_navStack << RemotePath::withoutTrailingSlash(path);
    showFolder();
}

void BrowserFolderView::navigateBack()
{
    if (m_navStack.size() > 1) {
        m_navStack.removeLast();
        showFolder();
    }
}

void BrowserFolderView::navigateUp()
{
    if (currentPath() != u"/") {
        navigateInto(RemotePath::directoryOf(currentPath()));
    }
}

void BrowserFolderView::navigateTo(const QString& path)
{
    const QString target = RemotePath::withoutTrailingSlash(path);
    const qsizetype index = m_navStack.lastIndexOf(target);
    if (index < 0) {
        navigateInto(target);
        return;
    }
    if (index == m_navStack.size() - 1) {
        refresh();
        return;
    }
    m_navStack.resize(index + 1);
    showFolder();
}

void BrowserFolderView::showFolder()
{
    m_prompt->dismiss();
    clearOperationError();
    m_pathBar->setPath(currentPath());
    m_back->setEnabled(m_navStack.size() > 1);
    m_up->setEnabled(currentPath() != u"/");
    refresh();
}

void BrowserFolderView::refresh()
{
    if (m_model->folder() != currentPath()) {
        m_statePage->showBusy(tr("Loading…"));
        m_stack->setCurrentWidget(m_statePage);
    }
    m_loader->list(currentPath());
    updateActions();
}

void BrowserFolderView::applyListing(const QString& folder, const QList<RemoteItem>& items)
{
    if (folder != currentPath()) {
        return;
    }
    m_model->setListing(folder, items);
    m_summary->setText(RemoteNames::summary(m_model->folderCount(), items.size() - m_model->folderCount()));
    m_stack->setCurrentWidget(m_table);
    if (!m_selectAfterListing.isEmpty()) {
        selectPaths(m_selectAfterListing);
        m_selectAfterListing.clear();
    }
    updateActions();
    Q_EMIT listingShown();
}

void BrowserFolderView::applyFailure(const QString& folder, const QString& message)
{
    if (folder != currentPath()) {
        return;
    }
    m_model->setListing(QString(), {});
    m_summary->clear();
    m_statePage->showMessage(QStyle::SP_MessageBoxWarning, tr("This folder cannot be shown"), message,
                             tr("Retry"));
    m_stack->setCurrentWidget(m_statePage);
    if (m_log) {
        m_log->logFor(m_connection.id, m_connection.name,
                      tr("Cannot list %1: %2").arg(RemoteNames::shown(folder), message),
                      LogEntry::LogLevel::warning);
    }
    updateActions();
    Q_EMIT listingFailed(message);
}

bool BrowserFolderView::isShowingListing() const
{
    return m_stack->currentWidget() == m_table && m_model->folder() == currentPath();
}

QString BrowserFolderView::summaryText() const
{
    return m_summary->text();
}

void BrowserFolderView::updateLoading(bool loading)
{
    m_busy->setVisible(loading && isShowingListing());
    updateActions();
}

void BrowserFolderView::updateActions()
{
    // Runs on every selection change: counts rows instead of copying the selected entries.
    const QModelIndexList rows = m_table->selectionModel()->selectedRows(RemoteItemModel::NameColumn);
    const qsizetype count = rows.size();
    const bool listing = isShowingListing();
    const bool oneFolder = count == 1 && rows.first().data(RemoteItemModel::IsDirectoryRole).toBool();
    m_openAction->setEnabled(listing && oneFolder);
    m_newFolder->setEnabled(listing);
    m_newFolderAction->setEnabled(listing);
    m_rename->setEnabled(listing && count == 1);
    m_renameAction->setEnabled(m_rename->isEnabled());
    m_delete->setEnabled(listing && count > 0);
    m_deleteAction->setEnabled(m_delete->isEnabled());
    m_deleteAction->setText(count > 1 ? tr("Delete %n items", nullptr, int(count)) : tr("Delete"));
    m_busy->setVisible(m_loader->isLoading() && listing);
}

void BrowserFolderView::showContextMenu(const QPoint& position)
{
    const QModelIndex clicked = m_table->indexAt(position);
    if (clicked.isValid() && !m_table->selectionModel()->isRowSelected(clicked.row(), clicked.parent())) {
        m_table->selectionModel()->select(clicked,
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    updateActions();
    const QList<RemoteItem> selected = selectedItems();
    QMenu menu(this);
    if (m_openAction->isEnabled()) {
        menu.addAction(m_openAction);
    }
    menu.addAction(m_newFolderAction);
    if (!selected.isEmpty()) {
        if (selected.size() == 1) {
            menu.addAction(m_renameAction);
        }
        QMenu* tagMenu = menu.addMenu(tr("Tag"));
        const std::optional<BrowserTag> current =
            selected.size() == 1 ? m_tags->tag(selected.first().id) : std::nullopt;
        for (BrowserTag tag : allBrowserTags()) {
            QAction* item = tagMenu->addAction(swatch(colour(tag)), displayName(tag));
            item->setCheckable(true);
            item->setChecked(current == tag);
            connect(item, &QAction::triggered, this, [this, tag] { tagSelected(tag); });
        }
        tagMenu->addSeparator();
        QAction* remove = tagMenu->addAction(tr("Remove Tag"));
        connect(remove, &QAction::triggered, this, [this] { tagSelected(std::nullopt); });
        menu.addSeparator();
        menu.addAction(m_deleteAction);
    }
    menu.addSeparator();
    menu.addAction(m_refreshAction);
    menu.exec(m_table->viewport()->mapToGlobal(position));
}

void BrowserFolderView::openSelected()
{
    const QList<RemoteItem> selected = selectedItems();
    if (selected.size() != 1 || !selected.first().isDirectory || !refuseUnsafe(selected, tr("Cannot Open"))) {
        return;
    }
    navigateInto(selected.first().id);
}

void BrowserFolderView::startNewFolder()
{
    if (!isShowingListing()) {
        return;
    }
    m_prompt->disconnect(this);
    connect(m_prompt, &NamePromptBar::accepted, this, &BrowserFolderView::createFolder);
    m_prompt->ask(tr("New Folder"),
                  tr("Enter a name for the new folder at ") + RemoteNames::shown(currentPath()),
                  tr("Folder name"), tr("Create"));
}

void BrowserFolderView::createFolder(const QString& typed)
{
    const QString name = RemoteNames::trimmedTypedName(typed);
    if (name.isEmpty() || !typedNameAccepted(name, tr("Cannot Create Folder"))) {
        return;
    }
    const QString path = RemotePath::join(currentPath(), name);
    clearOperationError();
    m_loader->createFolder(path, [this, path, name](const std::optional<QString>& error) {
        if (!error) {
            m_selectAfterListing = {path};
        }
        finishCommand(error, tr("Could not create the folder “%1”: %2").arg(name, error.value_or(QString())));
    });
}

void BrowserFolderView::startRename()
{
    const QList<RemoteItem> selected = selectedItems();
    if (selected.size() != 1 || !refuseUnsafe(selected, tr("Cannot Rename"))) {
        return;
    }
    const RemoteItem item = selected.first();
    m_prompt->disconnect(this);
    connect(m_prompt, &NamePromptBar::accepted, this,
            [this, item](const QString& typed) { renameTo(item, typed); });
    m_prompt->ask(tr("Rename"), tr("Enter a new name for '%1'").arg(item.name), tr("New name"), tr("Rename"),
                  item.name);
}

void BrowserFolderView::renameTo(const RemoteItem& item, const QString& typed)
{
    const QString name = RemoteNames::trimmedTypedName(typed);
    if (name.isEmpty() || name == item.name || !typedNameAccepted(name, tr("Cannot Rename"))) {
        return;
    }
    const QString to = RemotePath::join(RemotePath::directoryOf(item.id), name);
    clearOperationError();
    m_loader->rename(item.id, to, [this, item, to](const std::optional<QString>& error) {
        if (!error) {
            m_tags->moveEntry(item.id, to);
            m_model->setTags(m_tags->tags());
            m_selectAfterListing = {to};
        }
        finishCommand(error, tr("Could not rename “%1”: %2").arg(item.name, error.value_or(QString())));
    });
}

void BrowserFolderView::deleteSelected()
{
    const QList<RemoteItem> selected = selectedItems();
    if (selected.isEmpty() || !refuseUnsafe(selected, tr("Cannot Delete"))) {
        return;
    }
    Confirmation question;
    question.title = selected.size() == 1 ? tr("Delete '%1'?").arg(selected.first().name)
                                          : tr("Delete %n items?", nullptr, int(selected.size()));
    question.text = question.title;
    question.informativeText = tr("This cannot be undone.");
    question.acceptLabel = tr("Delete");
    question.destructive = true;
    if (!m_dialogs.confirm(this, question)) {
        return;
    }
    clearOperationError();
    auto failed = std::make_shared<RemoteItem>();
    auto remaining = std::make_shared<QList<RemoteItem>>(selected);
    m_loader->remove(
        selected,
        [this, remaining](const RemoteItem& item) {
            m_tags->removeEntry(item.id);
            remaining->removeFirst();
        },
        [this, remaining](const std::optional<QString>& error) {
            m_model->setTags(m_tags->tags());
            m_table->clearSelection();
            QString failure;
            if (error && !remaining->isEmpty()) {
                const RemoteItem& item = remaining->first();
                failure = tr("Could not delete “%1”: %2").arg(item.name, *error);
                if (item.isDirectory) {
                    if (!failure.endsWith(u'.')) {
                        failure += u'.';
                    }
                    failure += u' ' + tr("A folder can only be deleted when it is empty.");
                }
            }
            finishCommand(error, failure);
        });
}

void BrowserFolderView::tagSelected(std::optional<BrowserTag> tag)
{
    const QList<RemoteItem> selected = selectedItems();
    if (selected.isEmpty() || !refuseUnsafe(selected, tr("Cannot Tag"))) {
        return;
    }
    QStringList paths;
    for (const RemoteItem& item : selected) {
        paths << item.id;
    }
    m_tags->setTag(paths, tag);
    m_model->setTags(m_tags->tags());
}

void BrowserFolderView::selectPaths(const QStringList& paths)
{
    QItemSelection selection;
    QModelIndex first;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (paths.contains(m_model->item(row).id)) {
            const QModelIndex index = m_sorted->mapFromSource(m_model->index(row, 0));
            selection.select(index, index);
            if (!first.isValid()) {
                first = index;
            }
        }
    }
    m_table->selectionModel()->select(selection,
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (first.isValid()) {
        m_table->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        m_table->scrollTo(first);
    }
}

bool BrowserFolderView::refuseUnsafe(const QList<RemoteItem>& items, const QString& title)
{
    for (const RemoteItem& item : items) {
        if (!RemoteNames::isSafeEntry(item, currentPath())) {
            m_dialogs.inform(this, title,
                             tr("The server lists an entry named “%1”. Its name contains a line break, a NUL "
                                "character or a “/”, or is “.” or “..”, so a command on it could act on "
                                "another entry. Ondrix leaves it alone; rename or remove it with another "
                                "program on the server.")
                                 .arg(RemoteNames::shown(item.name)));
            return false;
        }
    }
    return true;
}

bool BrowserFolderView::typedNameAccepted(const QString& name, const QString& title)
{
    if (std::optional<QString> problem = RemoteNames::typedNameProblem(name)) {
        m_dialogs.inform(this, title, *problem);
        return false;
    }
    return true;
}

void BrowserFolderView::finishCommand(const std::optional<QString>& error, const QString& failureText)
{
    if (error) {
        reportCommandFailure(failureText);
    }
    refresh();
    Q_EMIT commandFinished(error.value_or(QString()));
}

void BrowserFolderView::reportCommandFailure(const QString& message)
{
    m_errorBanner->setText(message);
    m_errorBanner->show();
    if (m_log) {
        m_log->logFor(m_connection.id, m_connection.name, message, LogEntry::LogLevel::error);
    }
}

void BrowserFolderView::clearOperationError()
{
    m_errorBanner->clear();
    m_errorBanner->hide();
}

QString BrowserFolderView::operationError() const
{
    return m_errorBanner->isVisibleTo(this) ? m_errorBanner->text() : QString();
}

} // namespace ondrix

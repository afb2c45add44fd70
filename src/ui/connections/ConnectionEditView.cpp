#include "ui/connections/ConnectionEditView.h"

#include "ui/common/StatusPalette.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ConnectionGlyphs.h"
#include "ui/connections/ConnectionSection.h"
#include "ui/connections/ConnectionTestArea.h"
#include "ui/connections/ExtensionFilterView.h"
#include "ui/connections/IptcPresetsSection.h"
#include "ui/connections/LocalFolderSection.h"
#include "ui/connections/PostUploadSection.h"
#include "ui/connections/RemoteFolderSection.h"
#include "ui/connections/ScheduleSection.h"
#include "ui/connections/TagsSection.h"
#include "ui/connections/TransferSection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

ConnectionEditView::ConnectionEditView(const PushConnection& connection, bool locked, Dialogs& dialogs,
                                       QThreadPool& pool, ConnectionEditActions actions, QWidget* parent)
    : QWidget(parent)
    , m_form(new ConnectionForm(connection, this))
    , m_actions(std::move(actions))
    , m_locked(locked)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kDefaultSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &ConnectionEditView::saveNow);
    build(dialogs, pool);
    connect(m_form, &ConnectionForm::changed, this, &ConnectionEditView::onFormChanged);
    connect(m_form, &ConnectionForm::reloaded, this, &ConnectionEditView::refresh);
    refresh();
}

ConnectionEditView::~ConnectionEditView()
{
    if (m_form->hasPendingText()) {
        saveNow();
    }
}

const PushConnection& ConnectionEditView::connection() const
{
    return m_form->connection();
}

void ConnectionEditView::build(Dialogs& dialogs, QThreadPool& pool)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->verticalScrollBar()->setAccessibleName(tr("Scroll the connection settings"));
    scroll->horizontalScrollBar()->setAccessibleName(tr("Scroll the connection settings sideways"));
    outer->addWidget(scroll);

    m_content = new QWidget;
    auto* layout = new QVBoxLayout(m_content);

    // The lock: a banner while locked, and the button that locks and unlocks.
    auto* lockRow = new QHBoxLayout;
    m_banner = new QWidget;
    auto* bannerLayout = new QHBoxLayout(m_banner);
    bannerLayout->setContentsMargins(0, 0, 0, 0);
    auto* bannerIcon = new QLabel;
    bannerIcon->setPixmap(
        ConnectionGlyphs::lock(true, StatusPalette::symbol(StatusTone::warning)).pixmap(16, 16));
    auto* bannerText = new QLabel(tr("This connection is locked. Click the lock to edit."));
    bannerText->setWordWrap(true);
    bannerLayout->addWidget(bannerIcon);
    bannerLayout->addWidget(bannerText, 1);
    m_lockButton = new QToolButton;
    m_lockButton->setObjectName(QStringLiteral("lockButton"));
    m_lockButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_lockButton, &QToolButton::clicked, this, [this] {
        if (m_actions.toggleLock) {
            m_actions.toggleLock();
        }
    });
    lockRow->addWidget(m_banner, 1);
    lockRow->addStretch();
    lockRow->addWidget(m_lockButton);
    layout->addLayout(lockRow);

    m_formArea = new QWidget;
    auto* formLayout = new QVBoxLayout(m_formArea);
    formLayout->setContentsMargins(0, 0, 0, 0);
    m_connection = new ConnectionSection(*m_form, dialogs);
    m_localFolder = new LocalFolderSection(*m_form, dialogs, pool, m_actions.saveBookmark);
    m_remoteFolder = new RemoteFolderSection(*m_form, pool, [this] { saveNow(); });
    m_tags = new TagsSection(*m_form);
    m_transfer = new TransferSection(*m_form);
    m_iptc = new IptcPresetsSection(*m_form, dialogs);
    m_postUpload = new PostUploadSection(*m_form, dialogs);
    m_schedule = new ScheduleSection(*m_form);
    m_extensions = new ExtensionFilterView(*m_form);
    m_test = new ConnectionTestArea(*m_form, pool);
    for (QWidget* section :
         std::initializer_list<QWidget*>{m_connection, m_localFolder, m_remoteFolder, m_tags, m_transfer,
                                         m_iptc, m_postUpload, m_schedule, m_extensions, m_test}) {
        formLayout->addWidget(section);
    }
    connect(m_test, &ConnectionTestArea::testFinished, this, &ConnectionEditView::testFinished);
    layout->addWidget(m_formArea);
    layout->addStretch();
    scroll->setWidget(m_content);
}

void ConnectionEditView::onFormChanged(bool typing)
{
    if (typing) {
        m_saveTimer.start();
    } else {
        saveNow();
    }
    refresh();
}

void ConnectionEditView::saveNow()
{
    m_saveTimer.stop();
    m_form->markSaved();
    if (m_actions.save) {
        m_actions.save(m_form->connection());
    }
}

void ConnectionEditView::rebase(const PushConnection& stored)
{
    m_form->rebase(stored);
}

void ConnectionEditView::setLocked(bool locked)
{
    m_locked = locked;
    refresh();
}

void ConnectionEditView::setPasswordProblem(const QString& problem)
{
    m_connection->setPasswordProblem(problem);
}

void ConnectionEditView::setOtherConnections(const QList<PushConnection>& connections)
{
    m_form->setOtherConnections(connections);
    refresh();
}

void ConnectionEditView::focusName()
{
    m_connection->focusName();
}

void ConnectionEditView::setFolderCheckDelayMs(int ms)
{
    m_localFolder->setFolderCheckDelayMs(ms);
}

void ConnectionEditView::setFolderCheck(std::function<QString(const QString&)> check)
{
    m_localFolder->setFolderCheck(std::move(check));
}

void ConnectionEditView::testConnection()
{
    m_test->testConnection();
}

bool ConnectionEditView::isTesting() const
{
    return m_test->isTesting();
}

QString ConnectionEditView::testResult() const
{
    return m_test->testResult();
}

void ConnectionEditView::hideEvent(QHideEvent* event)
{
    if (m_form->hasPendingText()) {
        saveNow();
    }
    QWidget::hideEvent(event);
}

void ConnectionEditView::refresh()
{
    m_banner->setVisible(m_locked);
    m_lockButton->setText(m_locked ? tr("Unlock") : tr("Lock"));
    m_lockButton->setAccessibleName(m_locked ? tr("Unlock") : tr("Lock"));
    // The button shows what pressing it does: an open lock to unlock, a closed one to lock.
    m_lockButton->setIcon(ConnectionGlyphs::lock(!m_locked, palette().color(QPalette::WindowText)));
    m_formArea->setEnabled(!m_locked);

    m_connection->refresh();
    m_localFolder->refresh();
    m_remoteFolder->refresh();
    m_tags->refresh();
    m_transfer->refresh();
    m_iptc->refresh();
    m_postUpload->refresh();
    m_schedule->refresh();
    m_extensions->refresh();
    m_test->refresh();
}

} // namespace ondrix

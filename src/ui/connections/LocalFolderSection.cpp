#include "ui/connections/LocalFolderSection.h"

#include "ui/common/Dialogs.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/FormWidgets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QVBoxLayout>

namespace ondrix {

using namespace FormWidgets;

LocalFolderSection::LocalFolderSection(ConnectionForm& form, Dialogs& dialogs, QThreadPool& pool,
                                       SaveBookmark saveBookmark, QWidget* parent)
    : QGroupBox(tr("Local Folder"), parent)
    , m_form(form)
    , m_dialogs(dialogs)
    , m_pool(pool)
    , m_saveBookmark(std::move(saveBookmark))
    , m_check(&ConnectionForm::localFolderProblem)
{
    m_checkTimer.setSingleShot(true);
    m_checkTimer.setInterval(kFolderCheckDelayMs);
    connect(&m_checkTimer, &QTimer::timeout, this, &LocalFolderSection::checkFolder);

    auto* layout = new QVBoxLayout(this);
    m_path = new QLabel;
    m_path->setObjectName(QStringLiteral("localFolderPath"));
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_path->setWordWrap(true);
    auto* choose = button(tr("Choose..."), QStringLiteral("chooseLocalFolder"), tr("Choose local folder"));
    layout->addWidget(stretchedRow({m_path, choose}));
    m_error = errorLabel(QStringLiteral("localFolderError"));
    layout->addWidget(m_error);
    m_sharedNote = caption();
    m_sharedNote->setObjectName(QStringLiteral("sharedFolderNote"));
    colour(m_sharedNote, StatusTone::warning);
    layout->addWidget(m_sharedNote);
    m_monitorSubfolders =
        checkBox(tr("Monitor subfolders recursively"), QStringLiteral("monitorSubdirectories"));
    layout->addWidget(m_monitorSubfolders);
    connect(choose, &QPushButton::clicked, this, &LocalFolderSection::chooseFolder);
    connect(m_monitorSubfolders, &QCheckBox::clicked, &m_form, &ConnectionForm::setMonitorSubdirectories);
}

void LocalFolderSection::refresh()
{
    const PushConnection& c = m_form.connection();
    m_path->setText(pathOrNotSelected(c.localFolder));
    // Shown for the folder it was found for; a changed folder is looked at again once edits pause.
    const bool checked = m_checkedFolder == c.localFolder;
    showMessage(m_error, checked ? m_problem : QString());
    if (!checked && m_checkingFolder != c.localFolder) {
        m_checkTimer.start();
    }
    showMessage(m_sharedNote, m_form.sharedFolderNote());
    m_monitorSubfolders->setChecked(c.monitorSubdirectories);
}

void LocalFolderSection::checkFolder()
{
    const QString folder = m_form.connection().localFolder;
    m_checkingFolder = folder;
    QPointer<LocalFolderSection> self(this);
    m_pool.start([self, folder, check = m_check] {
        const QString problem = check(folder);
        // Back on the main thread; the application object outlives every editor.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, folder, problem] {
                if (!self) {
                    return;
                }
                if (self->m_checkingFolder == folder) {
                    self->m_checkingFolder.reset();
                }
                if (self->m_form.connection().localFolder == folder) {
                    self->m_checkedFolder = folder;
                    self->m_problem = problem;
                    self->refresh();
                }
            },
            Qt::QueuedConnection);
    });
}

void LocalFolderSection::chooseFolder()
{
    const PushConnection& c = m_form.connection();
    const QString folder = m_dialogs.chooseFolder(this, tr("Select the folder to watch for new files"),
                                                  c.localFolder.isEmpty() ? QDir::homePath() : c.localFolder);
    if (folder.isEmpty()) {
        return;
    }
    // The bookmark first: saving the record restarts the engine, which then finds the folder's bookmark.
    if (m_saveBookmark) {
        m_saveBookmark(folder, c.id);
    }
    m_form.setLocalFolder(folder);
}

} // namespace ondrix

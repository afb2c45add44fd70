#include "ui/connections/RemoteFolderSection.h"

#include "ui/browser/RemoteFolderPickerView.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/FormWidgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ondrix {

using namespace FormWidgets;

RemoteFolderSection::RemoteFolderSection(ConnectionForm& form, QThreadPool& pool,
                                         std::function<void()> saveNow, QWidget* parent)
    : QGroupBox(tr("Remote Folder"), parent)
    , m_form(form)
    , m_pool(pool)
    , m_saveNow(std::move(saveNow))
{
    auto* f = new QFormLayout(this);
    m_path = lineEdit(QStringLiteral("remoteFolder"), tr("Remote path"), tr("/uploads/photos"));
    auto* browseButton =
        button(tr("Browse..."), QStringLiteral("browseRemoteFolder"), tr("Browse remote folders"));
    m_error = errorLabel(QStringLiteral("remoteFolderError"));
    f->addRow(tr("Remote path"), withMessage(row({m_path, browseButton}), m_error));
    m_preserveSubfolders =
        checkBox(tr("Preserve subfolder structure on server"), QStringLiteral("preserveSubdirectories"));
    f->addRow(QString(), m_preserveSubfolders);
    connect(m_path, &QLineEdit::textEdited, &m_form, &ConnectionForm::setRemoteFolder);
    connect(browseButton, &QPushButton::clicked, this, &RemoteFolderSection::browse);
    connect(m_preserveSubfolders, &QCheckBox::clicked, &m_form, &ConnectionForm::setPreserveSubdirectories);
}

void RemoteFolderSection::refresh()
{
    setText(m_path, m_form.remoteFolderText());
    showMessage(m_error, m_form.remoteFolderError());
    m_preserveSubfolders->setChecked(m_form.connection().preserveSubdirectories);
}

void RemoteFolderSection::browse()
{
    // The picker browses the server as the form stands, saved or not.
    auto* picker = new RemoteFolderPickerView(m_form.connection(), m_pool, m_form.remoteFolderText(), this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &RemoteFolderPickerView::folderSelected, this, [this](const QString& path) {
        m_form.setRemoteFolder(path);
        if (m_saveNow) {
            m_saveNow();
        }
    });
    picker->open();
}

} // namespace ondrix

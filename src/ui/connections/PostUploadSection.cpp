#include "ui/connections/PostUploadSection.h"

#include "ui/common/Dialogs.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/FormWidgets.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace ondrix {

using namespace FormWidgets;

PostUploadSection::PostUploadSection(ConnectionForm& form, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Post-Upload Action"), parent)
    , m_form(form)
    , m_dialogs(dialogs)
{
    auto* f = new QFormLayout(this);
    m_action = new QComboBox;
    m_action->setObjectName(QStringLiteral("postUploadAction"));
    m_action->setAccessibleName(tr("Action"));
    m_action->addItem(tr("None"), int(PostUploadAction::Kind::none));
    m_action->addItem(tr("Move to archive folder"), int(PostUploadAction::Kind::moveToArchive));
    m_action->addItem(tr("Run script"), int(PostUploadAction::Kind::runScript));
    f->addRow(tr("Action"), row({m_action}, true));
    connect(m_action, &QComboBox::activated, this, [this](int index) {
        m_form.setPostUploadKind(static_cast<PostUploadAction::Kind>(m_action->itemData(index).toInt()));
    });

    m_path = new QLabel;
    m_path->setObjectName(QStringLiteral("postUploadPath"));
    m_path->setWordWrap(true);
    auto* choose = button(tr("Choose..."), QStringLiteral("choosePostUploadPath"),
                          tr("Choose archive folder or script"));
    m_caption = caption();
    m_caption->setObjectName(QStringLiteral("postUploadCaption"));
    m_pathRow = withMessage(stretchedRow({m_path, choose}), m_caption);
    f->addRow(QString(), m_pathRow);
    connect(choose, &QPushButton::clicked, this, &PostUploadSection::choosePath);
}

void PostUploadSection::refresh()
{
    const PostUploadAction& action = m_form.connection().postUploadAction;
    m_action->setCurrentIndex(m_action->findData(int(action.kind())));
    m_pathRow->setVisible(m_form.showsPostUploadChooser());
    m_path->setText(pathOrNotSelected(action.path()));
    showMessage(m_caption, m_form.postUploadCaption());
}

void PostUploadSection::choosePath()
{
    const QString current = m_form.connection().postUploadAction.path();
    const QString start = current.isEmpty() ? QDir::homePath() : current;
    const QString path =
        m_form.postUploadChoosesFolder()
            ? m_dialogs.chooseFolder(this, tr("Choose the archive folder"), start)
            : m_dialogs.chooseOpenFile(this, tr("Choose the script to run"), start, QString());
    if (!path.isEmpty()) {
        m_form.setPostUploadPath(path);
    }
}

} // namespace ondrix

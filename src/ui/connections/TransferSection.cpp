#include "ui/connections/TransferSection.h"

#include "ui/connections/ConnectionForm.h"
#include "ui/connections/FormWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace ondrix {

using namespace FormWidgets;

TransferSection::TransferSection(ConnectionForm& form, QWidget* parent)
    : QGroupBox(tr("Sync && Transfer"), parent)
    , m_form(form)
{
    auto* f = new QFormLayout(this);

    m_stability = new QComboBox;
    m_stability->setObjectName(QStringLiteral("stabilityCheck"));
    m_stability->setAccessibleName(tr("Stability check"));
    f->addRow(tr("Stability check"),
              withMessage(row({m_stability}, true),
                          caption(tr("Wait this long after the last file write before uploading."))));
    connect(m_stability, &QComboBox::activated, this, [this](int index) {
        m_form.setStabilityCheckSeconds(m_stability->itemData(index).toLongLong());
    });

    m_simultaneous = new QSpinBox;
    m_simultaneous->setObjectName(QStringLiteral("simultaneousUploads"));
    m_simultaneous->setAccessibleName(tr("Simultaneous uploads"));
    m_simultaneous->setRange(int(ConnectionForm::kMinSimultaneousUploads),
                             int(ConnectionForm::kMaxSimultaneousUploads));
    f->addRow(tr("Simultaneous uploads"), row({m_simultaneous}, true));
    connect(m_simultaneous, &QSpinBox::valueChanged, &m_form, &ConnectionForm::setSimultaneousUploads);

    m_deleteLocal =
        checkBox(tr("Delete local file after successful upload"), QStringLiteral("deleteLocalAfterUpload"));
    m_deleteCaption = caption();
    m_deleteCaption->setObjectName(QStringLiteral("deleteModeCaption"));
    f->addRow(QString(), withMessage(m_deleteLocal, m_deleteCaption));
    connect(m_deleteLocal, &QCheckBox::clicked, &m_form, &ConnectionForm::setDeleteLocalAfterUpload);

    m_conflict = new QComboBox;
    m_conflict->setObjectName(QStringLiteral("conflictResolution"));
    m_conflict->setAccessibleName(tr("Conflict resolution"));
    for (ConflictMode mode : allConflictModes()) {
        m_conflict->addItem(displayName(mode), rawValue(mode));
    }
    f->addRow(tr("Conflict resolution"), row({m_conflict}, true));
    connect(m_conflict, &QComboBox::activated, this, [this](int index) {
        m_form.setConflictResolution(
            conflictModeFromRaw(m_conflict->itemData(index).toString()).value_or(ConflictMode::overwrite));
    });
    m_temporaryName =
        checkBox(tr("Upload under a temporary name, then rename"), QStringLiteral("useTemporaryName"));
    m_temporaryName->setToolTip(
        tr("The file arrives as a hidden name in the target folder and gets its real name once complete, so "
           "nothing watching the server sees half a file."));
    f->addRow(QString(), m_temporaryName);
    connect(m_temporaryName, &QCheckBox::clicked, &m_form, &ConnectionForm::setUseTemporaryName);
}

void TransferSection::refresh()
{
    const PushConnection& c = m_form.connection();
    {
        const QSignalBlocker block(m_stability);
        m_stability->clear();
        for (qint64 seconds : ConnectionForm::stabilityChoices(c.stabilityCheckSeconds)) {
            m_stability->addItem(tr("%1s").arg(seconds), seconds);
        }
        m_stability->setCurrentIndex(m_stability->findData(c.stabilityCheckSeconds));
    }
    {
        const QSignalBlocker block(m_simultaneous);
        m_simultaneous->setValue(int(c.simultaneousUploads));
    }
    m_deleteLocal->setChecked(c.deleteLocalAfterUpload);
    m_deleteCaption->setText(m_form.deleteModeCaption());
    if (m_form.deleteModeIsWarning()) {
        colour(m_deleteCaption, StatusTone::warning);
    } else {
        m_deleteCaption->setForegroundRole(QPalette::PlaceholderText);
    }
    m_conflict->setCurrentIndex(m_conflict->findData(rawValue(c.conflictResolution)));
    m_temporaryName->setChecked(c.useTemporaryName);
}

} // namespace ondrix

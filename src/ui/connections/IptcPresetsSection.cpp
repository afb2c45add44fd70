#include "ui/connections/IptcPresetsSection.h"

#include "ui/common/Dialogs.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ConnectionGlyphs.h"
#include "ui/connections/FormWidgets.h"
#include "ui/connections/IptcPresetsFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

using namespace FormWidgets;

namespace {

const char* const kPresetsFilter =
    QT_TRANSLATE_NOOP("ondrix::IptcPresetsSection", "IPTC presets (*.ondrix-keywords *.json)");

} // namespace

IptcPresetsSection::IptcPresetsSection(ConnectionForm& form, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("IPTC Presets"), parent)
    , m_form(form)
    , m_dialogs(dialogs)
{
    auto* layout = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    auto* import = button(tr("Import"), QStringLiteral("importIptc"), tr("Import IPTC presets"));
    auto* exportButton = button(tr("Export"), QStringLiteral("exportIptc"), tr("Export IPTC presets"));
    m_enabled = checkBox(tr("Enable IPTC presets"), QStringLiteral("iptcEnabled"));
    header->addWidget(m_enabled);
    header->addStretch();
    header->addWidget(import);
    header->addWidget(exportButton);
    layout->addLayout(header);
    connect(import, &QPushButton::clicked, this, &IptcPresetsSection::importPresets);
    connect(exportButton, &QPushButton::clicked, this, &IptcPresetsSection::exportPresets);
    connect(m_enabled, &QCheckBox::clicked, &m_form, &ConnectionForm::setIptcEnabled);

    m_picker = new QComboBox;
    m_picker->setObjectName(QStringLiteral("activeIptcPreset"));
    m_picker->setAccessibleName(tr("Active preset"));
    m_pickerRow = row({new QLabel(tr("Active preset")), m_picker}, true);
    layout->addWidget(m_pickerRow);
    connect(m_picker, &QComboBox::activated, this, [this](int index) {
        const QUuid id = m_picker->itemData(index).toUuid();
        m_form.selectIptcPreset(id.isNull() ? std::nullopt : std::optional<QUuid>(id));
    });
    layout->addWidget(caption(tr("Each preset can contain multiple IPTC keywords separated by commas. Switch "
                                 "presets to quickly change which keywords are injected before uploading.")));

    m_rows = new QWidget;
    m_rowsLayout = new QVBoxLayout(m_rows);
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rows);

    auto* add = button(tr("New preset"), QStringLiteral("newIptcPreset"));
    add->setIcon(ConnectionGlyphs::circleSign(true, StatusPalette::symbol(StatusTone::info)));
    layout->addWidget(row({add}, true));
    connect(add, &QPushButton::clicked, this, [this] { m_form.addIptcPreset(); });
}

void IptcPresetsSection::refresh()
{
    const PushConnection& c = m_form.connection();
    m_enabled->setChecked(c.iptcEnabled);
    m_pickerRow->setVisible(m_form.showsIptcPicker());
    {
        const QSignalBlocker block(m_picker);
        m_picker->clear();
        m_picker->addItem(tr("None"), QUuid());
        for (const IPTCKeywordEntry& entry : c.iptcKeywords) {
            m_picker->addItem(ConnectionForm::iptcPresetTitle(entry), entry.id);
        }
        m_picker->setCurrentIndex(std::max(0, m_picker->findData(c.selectedIPTCKeywordID.value_or(QUuid()))));
    }
    refreshRows();
}

void IptcPresetsSection::refreshRows()
{
    const QList<IPTCKeywordEntry>& entries = m_form.connection().iptcKeywords;
    QList<QUuid> ids;
    for (const IPTCKeywordEntry& entry : entries) {
        ids << entry.id;
    }
    if (ids != m_rowIds) {
        while (QLayoutItem* item = m_rowsLayout->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        for (const IPTCKeywordEntry& entry : entries) {
            const QUuid id = entry.id;
            auto* name = lineEdit(QStringLiteral("iptcName"), tr("Preset name"), tr("Preset name"));
            auto* keyword = lineEdit(QStringLiteral("iptcKeyword"), tr("Keywords"), tr("Keywords"));
            auto* remove =
                toolButton(QStringLiteral("−"), QStringLiteral("removeIptcPreset"), tr("Remove preset"));
            remove->setIcon(ConnectionGlyphs::circleSign(false, StatusPalette::symbol(StatusTone::error)));
            remove->setAutoRaise(true);
            name->setMaximumWidth(160);
            connect(name, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { m_form.setIptcPresetName(id, text); });
            connect(keyword, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { m_form.setIptcPresetKeyword(id, text); });
            connect(remove, &QToolButton::clicked, this, [this, id] { m_form.removeIptcPreset(id); });
            auto* line = row({name, keyword, remove});
            line->setProperty("presetId", id);
            m_rowsLayout->addWidget(line);
        }
        m_rowIds = ids;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QWidget* line = m_rowsLayout->itemAt(int(i))->widget();
        setText(line->findChild<QLineEdit*>(QStringLiteral("iptcName")), entries[i].name);
        setText(line->findChild<QLineEdit*>(QStringLiteral("iptcKeyword")), entries[i].keyword);
    }
    m_rows->setVisible(!entries.isEmpty());
}

void IptcPresetsSection::exportPresets()
{
    const QByteArray data = IptcPresetsFile::encode(m_form.connection().iptcKeywords);
    const QString title = tr("Export IPTC Presets");
    const QString path = m_dialogs.chooseSaveFile(
        this, title, QDir::home().filePath(IptcPresetsFile::defaultFileName()), tr(kPresetsFilter));
    if (path.isEmpty()) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        m_dialogs.inform(this, title,
                         tr("The presets could not be written to %1: %2. Choose a folder you can write to.")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void IptcPresetsSection::importPresets()
{
    const QString title = tr("Import IPTC Presets");
    const QString path = m_dialogs.chooseOpenFile(this, title, QDir::homePath(), tr(kPresetsFilter));
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.inform(
            this, title,
            tr("%1 could not be read: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    QString reason;
    const auto entries = IptcPresetsFile::decode(file.readAll(), &reason);
    if (!entries) {
        m_dialogs.inform(this, title,
                         tr("%1 is not an IPTC presets file, so nothing was imported. %2")
                             .arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    m_form.importIptcPresets(*entries);
}

} // namespace ondrix

#include "ui/connections/ExtensionFilterView.h"

#include "model/ExtensionCategory.h"
#include "model/FilterPresets.h"
#include "ui/common/StatusPalette.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ExtensionFilterRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ondrix {

namespace {

constexpr int kExtensionColumns = 5;

QString extensionKey(const QString& categoryId, const QString& extension)
{
    return categoryId + QLatin1Char('/') + extension;
}

void setTextKeepingCursor(QLineEdit* field, const QString& text)
{
    if (field->text() != text) {
        const QSignalBlocker block(field);
        field->setText(text);
    }
}

} // namespace

ExtensionFilterView::ExtensionFilterView(ConnectionForm& form, QWidget* parent)
    : QGroupBox(tr("File Types"), parent)
    , m_form(form)
{
    auto* layout = new QVBoxLayout(this);

    auto* presetRow = new QHBoxLayout;
    auto* presetLabel = new QLabel(tr("Extension preset"));
    m_presetPicker = new QComboBox;
    m_presetPicker->setObjectName(QStringLiteral("extensionPreset"));
    m_presetPicker->setAccessibleName(tr("Extension preset"));
    presetLabel->setBuddy(m_presetPicker);
    for (const FilterPreset& preset : FilterPresets::all()) {
        m_presetPicker->addItem(preset.name, preset.id);
        m_presetPicker->setItemData(m_presetPicker->count() - 1, preset.description, Qt::ToolTipRole);
    }
    m_resetButton = new QPushButton(tr("Reset to preset", "ext.reset.button"));
    m_resetButton->setObjectName(QStringLiteral("extensionReset"));
    m_resetButton->setAccessibleName(tr("Reset to preset", "ext.reset.button"));
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(m_presetPicker, 1);
    presetRow->addWidget(m_resetButton);
    layout->addLayout(presetRow);

    m_presetDescription = new QLabel;
    m_presetDescription->setForegroundRole(QPalette::PlaceholderText);
    m_presetDescription->setWordWrap(true);
    layout->addWidget(m_presetDescription);

    connect(m_presetPicker, &QComboBox::activated, this,
            [this](int index) { m_form.chooseExtensionPreset(m_presetPicker->itemData(index).toString()); });
    connect(m_resetButton, &QPushButton::clicked, this, [this] { m_form.resetExtensionPreset(); });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const ExtensionCategory& category : ExtensionCategory::all()) {
        auto* box = new QCheckBox(category.name);
        box->setObjectName(QStringLiteral("category-") + category.id);
        box->setAccessibleName(category.isExclude ? tr("%1 (left out)").arg(category.name) : category.name);
        box->setTristate(true);
        QFont bold = box->font();
        bold.setBold(true);
        box->setFont(bold);
        if (category.isExclude) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::WindowText, StatusPalette::text(StatusTone::error, palette));
            box->setPalette(palette);
            box->setToolTip(tr("Ticked extensions are never uploaded."));
        }
        const QString id = category.id;
        connect(box, &QCheckBox::clicked, this, [this, id] { m_form.toggleExtensionCategory(id); });
        m_categoryBoxes.insert(category.id, box);
        grid->addWidget(box, row++, 0, 1, kExtensionColumns);
        int column = 0;
        for (const QString& extension : category.extensions) {
            auto* extensionBox = new QCheckBox(extension);
            extensionBox->setObjectName(QStringLiteral("extension-") + extensionKey(category.id, extension));
            extensionBox->setAccessibleName(extension);
            if (category.isExclude) {
                extensionBox->setPalette(box->palette());
            }
            connect(extensionBox, &QCheckBox::clicked, this,
                    [this, id, extension] { m_form.toggleExtension(id, extension); });
            m_extensionBoxes.insert(extensionKey(category.id, extension), extensionBox);
            grid->addWidget(extensionBox, row, column, Qt::AlignLeft);
            if (++column == kExtensionColumns) {
                column = 0;
                ++row;
            }
        }
        if (column != 0) {
            ++row;
        }
        grid->setRowMinimumHeight(row++, 6);
    }
    layout->addLayout(grid);

    auto* lists = new QFormLayout;
    m_included = new QLineEdit;
    m_included->setObjectName(QStringLiteral("includedExtensions"));
    m_included->setAccessibleName(tr("Only upload"));
    m_included->setPlaceholderText(tr("every extension"));
    m_excluded = new QLineEdit;
    m_excluded->setObjectName(QStringLiteral("excludedExtensions"));
    m_excluded->setAccessibleName(tr("Never upload"));
    m_excluded->setPlaceholderText(tr("nothing left out"));
    lists->addRow(tr("Only upload"), m_included);
    lists->addRow(tr("Never upload"), m_excluded);
    connect(m_included, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.setIncludedExtensions(text); });
    connect(m_excluded, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.setExcludedExtensions(text); });

    auto* unspecified = new QWidget;
    auto* unspecifiedLayout = new QHBoxLayout(unspecified);
    unspecifiedLayout->setContentsMargins(0, 0, 0, 0);
    m_unspecifiedDownload = new QRadioButton(tr("Upload them", "ext.unspecified.download"));
    m_unspecifiedDownload->setObjectName(QStringLiteral("unspecifiedDownload"));
    m_unspecifiedIgnore = new QRadioButton(tr("Ignore them", "ext.unspecified.ignore"));
    m_unspecifiedIgnore->setObjectName(QStringLiteral("unspecifiedIgnore"));
    auto* group = new QButtonGroup(unspecified);
    group->addButton(m_unspecifiedDownload);
    group->addButton(m_unspecifiedIgnore);
    unspecifiedLayout->addWidget(m_unspecifiedDownload);
    unspecifiedLayout->addWidget(m_unspecifiedIgnore);
    unspecifiedLayout->addStretch();
    lists->addRow(tr("Files with unlisted extensions:", "ext.unspecified.label"), unspecified);
    connect(m_unspecifiedDownload, &QRadioButton::clicked, this,
            [this] { m_form.setDownloadUnspecifiedExtensions(true); });
    connect(m_unspecifiedIgnore, &QRadioButton::clicked, this,
            [this] { m_form.setDownloadUnspecifiedExtensions(false); });
    layout->addLayout(lists);

    refresh();
}

QCheckBox* ExtensionFilterView::extensionBox(const QString& categoryId, const QString& extension) const
{
    return m_extensionBoxes.value(extensionKey(categoryId, extension));
}

void ExtensionFilterView::refresh()
{
    const PushConnection& c = m_form.connection();
    const FilterPreset preset = ExtensionFilterRules::selectedPreset(c);
    {
        const QSignalBlocker block(m_presetPicker);
        m_presetPicker->setCurrentIndex(m_presetPicker->findData(preset.id));
    }
    m_presetDescription->setText(preset.description);
    m_resetButton->setVisible(ExtensionFilterRules::offersReset(c));
    for (const ExtensionCategory& category : ExtensionCategory::all()) {
        QCheckBox* box = m_categoryBoxes.value(category.id);
        const QSignalBlocker block(box);
        box->setCheckState(ExtensionFilterRules::categoryState(c, category));
        for (const QString& extension : category.extensions) {
            QCheckBox* extensionBox = m_extensionBoxes.value(extensionKey(category.id, extension));
            const QSignalBlocker blockExtension(extensionBox);
            extensionBox->setChecked(ExtensionFilterRules::isChecked(c, category, extension));
        }
    }
    setTextKeepingCursor(m_included, c.includedExtensions);
    setTextKeepingCursor(m_excluded, c.excludedExtensions);
    m_unspecifiedDownload->setChecked(c.downloadUnspecifiedExtensions);
    m_unspecifiedIgnore->setChecked(!c.downloadUnspecifiedExtensions);
}

} // namespace ondrix

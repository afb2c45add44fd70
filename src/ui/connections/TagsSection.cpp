#include "ui/connections/TagsSection.h"

#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ConnectionGlyphs.h"
#include "ui/connections/FormWidgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ondrix {

TagsSection::TagsSection(ConnectionForm& form, QWidget* parent)
    : QGroupBox(tr("File Manager Tags"), parent)
    , m_form(form)
    , m_tags(FormWidgets::checkBox(tr("Tag files by upload status"), QStringLiteral("finderTags")))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tags);
    layout->addWidget(
        FormWidgets::caption(tr("Files in the watched folder will be tagged in the file manager:")));
    auto* legend = new QHBoxLayout;
    const std::pair<const char*, StatusTone> tones[] = {
        {QT_TR_NOOP("Pending"), StatusTone::pending},
        {QT_TR_NOOP("Uploading"), StatusTone::info},
        {QT_TR_NOOP("Done"), StatusTone::success},
        {QT_TR_NOOP("Error"), StatusTone::error},
    };
    for (const auto& [text, tone] : tones) {
        auto* dot = new QLabel;
        dot->setPixmap(ConnectionGlyphs::dot(StatusPalette::symbol(tone)).pixmap(12, 12));
        legend->addWidget(dot);
        legend->addWidget(new QLabel(tr(text)));
        legend->addSpacing(8);
    }
    legend->addStretch();
    layout->addLayout(legend);
    connect(m_tags, &QCheckBox::clicked, &m_form, &ConnectionForm::setFinderTagsEnabled);
}

void TagsSection::refresh()
{
    m_tags->setChecked(m_form.connection().finderTagsEnabled);
}

} // namespace ondrix

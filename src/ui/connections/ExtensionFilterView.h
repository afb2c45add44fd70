#pragma once

#include <QGroupBox>
#include <QHash>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ondrix {

class ConnectionForm;

// The extension filter block of the connection editor: the preset picker with its reset button, one
// tri-state box per extension category with a box per extension, the two list texts, and the choice for
// files whose extension no list names. Shows the form and hands every click to it.
class ExtensionFilterView : public QGroupBox {
    Q_OBJECT

public:
    explicit ExtensionFilterView(ConnectionForm& form, QWidget* parent = nullptr);

    // Shows the form's current values.
    void refresh();

    QComboBox* presetPicker() const { return m_presetPicker; }
    QPushButton* resetButton() const { return m_resetButton; }
    QCheckBox* categoryBox(const QString& categoryId) const { return m_categoryBoxes.value(categoryId); }
    QCheckBox* extensionBox(const QString& categoryId, const QString& extension) const;

private:
    ConnectionForm& m_form;
    QComboBox* m_presetPicker;
    QLabel* m_presetDescription;
    QPushButton* m_resetButton;
    QHash<QString, QCheckBox*> m_categoryBoxes;
    QHash<QString, QCheckBox*> m_extensionBoxes; // "category/extension"
    QLineEdit* m_included;
    QLineEdit* m_excluded;
    QRadioButton* m_unspecifiedDownload;
    QRadioButton* m_unspecifiedIgnore;
};

} // namespace ondrix

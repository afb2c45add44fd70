#pragma once

#include <QGroupBox>
#include <QList>
#include <QUuid>

class QCheckBox;
class QComboBox;
class QVBoxLayout;

namespace ondrix {

class ConnectionForm;
class Dialogs;

// The "IPTC Presets" block of the connection editor: the switch, the active preset, one row per preset with
// its name and keywords, and the presets file's import and export.
//
// Main thread only.
class IptcPresetsSection : public QGroupBox {
    Q_OBJECT

public:
    IptcPresetsSection(ConnectionForm& form, Dialogs& dialogs, QWidget* parent = nullptr);

    void refresh();
    void exportPresets();
    void importPresets();

private:
    void refreshRows();

    ConnectionForm& m_form;
    Dialogs& m_dialogs;
    QCheckBox* m_enabled = nullptr;
    QWidget* m_pickerRow = nullptr;
    QComboBox* m_picker = nullptr;
    QWidget* m_rows = nullptr;
    QVBoxLayout* m_rowsLayout = nullptr;
    QList<QUuid> m_rowIds;
};

} // namespace ondrix

#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace ondrix {

class ConnectionForm;

// The "Sync & Transfer" block of the connection editor: the stability wait, simultaneous uploads, copy or
// move mode, conflict resolution and the temporary name.
//
// Main thread only.
class TransferSection : public QGroupBox {
    Q_OBJECT

public:
    explicit TransferSection(ConnectionForm& form, QWidget* parent = nullptr);

    void refresh();

private:
    ConnectionForm& m_form;
    QComboBox* m_stability = nullptr;
    QSpinBox* m_simultaneous = nullptr;
    QCheckBox* m_deleteLocal = nullptr;
    QLabel* m_deleteCaption = nullptr;
    QComboBox* m_conflict = nullptr;
    QCheckBox* m_temporaryName = nullptr;
};

} // namespace ondrix

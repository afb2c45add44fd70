#pragma once

#include <QGroupBox>

class QCheckBox;

namespace ondrix {

class ConnectionForm;

// The "File Manager Tags" block of the connection editor: the switch, and a legend of the colour each
// upload status gives a file.
//
// Main thread only.
class TagsSection : public QGroupBox {
    Q_OBJECT

public:
    explicit TagsSection(ConnectionForm& form, QWidget* parent = nullptr);

    void refresh();

private:
    ConnectionForm& m_form;
    QCheckBox* m_tags;
};

} // namespace ondrix

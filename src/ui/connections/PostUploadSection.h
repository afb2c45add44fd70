#pragma once

#include <QGroupBox>

class QComboBox;
class QLabel;

namespace ondrix {

class ConnectionForm;
class Dialogs;

// The "Post-Upload Action" block of the connection editor: nothing, moving to an archive folder or running a
// script, with the chooser of the folder or script and what the choice does.
//
// Main thread only.
class PostUploadSection : public QGroupBox {
    Q_OBJECT

public:
    PostUploadSection(ConnectionForm& form, Dialogs& dialogs, QWidget* parent = nullptr);

    void refresh();

private:
    void choosePath();

    ConnectionForm& m_form;
    Dialogs& m_dialogs;
    QComboBox* m_action = nullptr;
    QWidget* m_pathRow = nullptr;
    QLabel* m_path = nullptr;
    QLabel* m_caption = nullptr;
};

} // namespace ondrix

#pragma once

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QThreadPool;

namespace ondrix {

class ConnectionForm;

// The "Remote Folder" block of the connection editor: the path on the server with a browser to pick it, and
// whether subfolders are kept. A folder picked in the browser is saved at once, like a switch.
//
// Main thread only.
class RemoteFolderSection : public QGroupBox {
    Q_OBJECT

public:
    RemoteFolderSection(ConnectionForm& form, QThreadPool& pool, std::function<void()> saveNow,
                        QWidget* parent = nullptr);

    void refresh();

private:
    void browse();

    ConnectionForm& m_form;
    QThreadPool& m_pool;
    std::function<void()> m_saveNow;
    QLineEdit* m_path = nullptr;
    QLabel* m_error = nullptr;
    QCheckBox* m_preserveSubfolders = nullptr;
};

} // namespace ondrix

#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ondrix {

class ConnectionForm;
class Dialogs;

// The "Connection" block of the connection editor: name, switch, protocol, host, port with the usual-port
// hint, login, the SSH key for SFTP and the FTP mode for FTP. Shows the form and hands every edit to it.
//
// Main thread only.
class ConnectionSection : public QGroupBox {
    Q_OBJECT

public:
    ConnectionSection(ConnectionForm& form, Dialogs& dialogs, QWidget* parent = nullptr);

    void refresh();
    // Why the stored password is not available yet; empty hides the note.
    void setPasswordProblem(const QString& problem);
    void focusName();

private:
    void chooseSshKey();

    ConnectionForm& m_form;
    Dialogs& m_dialogs;
    QFormLayout* m_layout;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_enabled = nullptr;
    QComboBox* m_protocol = nullptr;
    QLineEdit* m_host = nullptr;
    QLabel* m_hostError = nullptr;
    QLineEdit* m_port = nullptr;
    QLabel* m_portError = nullptr;
    QWidget* m_portHint = nullptr;
    QLabel* m_portHintText = nullptr;
    QPushButton* m_usualPort = nullptr;
    QLabel* m_passwordProblem = nullptr;
    QLineEdit* m_username = nullptr;
    QLineEdit* m_password = nullptr;
    QWidget* m_sshKeyRow = nullptr;
    QLabel* m_sshKeyPath = nullptr;
    QPushButton* m_sshKeyClear = nullptr;
    QWidget* m_ftpModeRow = nullptr;
    QRadioButton* m_passive = nullptr;
    QRadioButton* m_active = nullptr;
};

} // namespace ondrix

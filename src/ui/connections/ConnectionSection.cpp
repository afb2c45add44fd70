#include "ui/connections/ConnectionSection.h"

#include "ui/common/Dialogs.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/FormWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ondrix {

using namespace FormWidgets;

ConnectionSection::ConnectionSection(ConnectionForm& form, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(tr("Connection"), parent)
    , m_form(form)
    , m_dialogs(dialogs)
    , m_layout(new QFormLayout(this))
{
    auto* f = m_layout;
    m_name = lineEdit(QStringLiteral("name"), tr("Name"), tr("My Server"));
    f->addRow(tr("Name"), m_name);
    connect(m_name, &QLineEdit::textEdited, &m_form, &ConnectionForm::setName);

    m_enabled = checkBox(tr("Enabled"), QStringLiteral("enabled"));
    f->addRow(QString(), m_enabled);
    connect(m_enabled, &QCheckBox::clicked, &m_form, &ConnectionForm::setEnabled);

    m_protocol = new QComboBox;
    m_protocol->setObjectName(QStringLiteral("protocol"));
    m_protocol->setAccessibleName(tr("Protocol"));
    for (TransferProtocol protocol : allTransferProtocols()) {
        m_protocol->addItem(displayName(protocol), rawValue(protocol));
    }
    f->addRow(tr("Protocol"), m_protocol);
    connect(m_protocol, &QComboBox::activated, this, [this](int index) {
        m_form.setProtocol(
            transferProtocolFromRaw(m_protocol->itemData(index).toString()).value_or(TransferProtocol::ftp));
    });

    m_host = lineEdit(QStringLiteral("host"), tr("Host"), tr("ftp.example.com"));
    m_hostError = errorLabel(QStringLiteral("hostError"));
    f->addRow(tr("Host"), withMessage(m_host, m_hostError));
    connect(m_host, &QLineEdit::textEdited, &m_form, &ConnectionForm::setHost);

    m_port = lineEdit(QStringLiteral("port"), tr("Port"));
    m_port->setMaximumWidth(90);
    m_portError = errorLabel(QStringLiteral("portError"));
    auto* portField = withMessage(m_port, m_portError);
    // The other protocol's usual port: a hint and a button that puts in this protocol's usual one.
    m_portHintText = caption();
    m_portHintText->setObjectName(QStringLiteral("portHint"));
    m_usualPort = button(QString(), QStringLiteral("useUsualPort"), tr("Use the usual port"));
    m_portHint = stretchedRow({m_portHintText, m_usualPort});
    portField->layout()->addWidget(m_portHint);
    f->addRow(tr("Port"), portField);
    connect(m_port, &QLineEdit::textEdited, &m_form, &ConnectionForm::setPortText);
    connect(m_usualPort, &QPushButton::clicked, &m_form, &ConnectionForm::useSuggestedPort);

    m_username = lineEdit(QStringLiteral("username"), tr("Username"));
    f->addRow(tr("Username"), m_username);
    connect(m_username, &QLineEdit::textEdited, &m_form, &ConnectionForm::setUsername);

    m_password = lineEdit(QStringLiteral("password"), tr("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_passwordProblem = errorLabel(QStringLiteral("passwordProblem"));
    f->addRow(tr("Password"), withMessage(m_password, m_passwordProblem));
    connect(m_password, &QLineEdit::textEdited, &m_form, &ConnectionForm::setPassword);

    m_sshKeyPath = new QLabel;
    m_sshKeyPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* chooseKey = button(tr("Choose..."), QStringLiteral("chooseSshKey"), tr("Choose private key"));
    m_sshKeyClear = button(tr("Clear"), QStringLiteral("clearSshKey"), tr("Clear private key"));
    m_sshKeyRow = stretchedRow({m_sshKeyPath, chooseKey, m_sshKeyClear});
    f->addRow(tr("Private key"), m_sshKeyRow);
    connect(chooseKey, &QPushButton::clicked, this, &ConnectionSection::chooseSshKey);
    connect(m_sshKeyClear, &QPushButton::clicked, this, [this] { m_form.setSshKeyPath(QString()); });

    m_passive = new QRadioButton(displayName(FTPMode::passive));
    m_passive->setObjectName(QStringLiteral("ftpModePassive"));
    m_active = new QRadioButton(displayName(FTPMode::active));
    m_active->setObjectName(QStringLiteral("ftpModeActive"));
    m_ftpModeRow = row({m_passive, m_active}, true);
    auto* modes = new QButtonGroup(m_ftpModeRow);
    modes->addButton(m_passive);
    modes->addButton(m_active);
    f->addRow(tr("FTP Mode"), m_ftpModeRow);
    connect(m_passive, &QRadioButton::clicked, this, [this] { m_form.setFtpMode(FTPMode::passive); });
    connect(m_active, &QRadioButton::clicked, this, [this] { m_form.setFtpMode(FTPMode::active); });
}

void ConnectionSection::refresh()
{
    const PushConnection& c = m_form.connection();
    setText(m_name, c.name);
    m_enabled->setChecked(c.isEnabled);
    m_protocol->setCurrentIndex(m_protocol->findData(rawValue(c.transferProtocol)));
    setText(m_host, c.host);
    showMessage(m_hostError, c.host.isEmpty() ? QString() : m_form.hostError());
    setText(m_port, m_form.portText());
    showMessage(m_portError, m_form.portError());
    const std::optional<qint64> usualPort = m_form.suggestedPort();
    m_portHint->setVisible(usualPort.has_value());
    if (usualPort) {
        m_portHintText->setText(m_form.portHint());
        m_usualPort->setText(tr("Use %1").arg(*usualPort));
        m_usualPort->setAccessibleName(tr("Use port %1").arg(*usualPort));
    }
    setText(m_username, c.username);
    setText(m_password, c.password);
    m_sshKeyPath->setText(c.sshKeyPath.isEmpty() ? tr("None (password login)") : c.sshKeyPath);
    m_sshKeyClear->setEnabled(!c.sshKeyPath.isEmpty());
    m_layout->setRowVisible(m_sshKeyRow, m_form.showsSshKey());
    m_layout->setRowVisible(m_ftpModeRow, m_form.showsFtpMode());
    m_passive->setChecked(c.ftpMode == FTPMode::passive);
    m_active->setChecked(c.ftpMode == FTPMode::active);
}

void ConnectionSection::setPasswordProblem(const QString& problem)
{
    showMessage(m_passwordProblem, problem);
}

void ConnectionSection::focusName()
{
    m_name->setFocus();
    m_name->selectAll();
}

void ConnectionSection::chooseSshKey()
{
    const QString current = m_form.connection().sshKeyPath;
    const QString file = m_dialogs.chooseOpenFile(
        this, tr("Choose the SSH private key"),
        current.isEmpty() ? QDir::home().filePath(QStringLiteral(".ssh")) : current, QString());
    if (!file.isEmpty()) {
        m_form.setSshKeyPath(file);
    }
}

} // namespace ondrix

#include "ui/connections/ConnectionEditView.h"

#include "ui/browser/RemoteFolderPickerView.h"
#include "ui/common/Dialogs.h"
#include "ui/connections/ConnectionForm.h"
#include "ui/connections/ConnectionGlyphs.h"
#include "ui/connections/ConnectionTester.h"
#include "ui/connections/ExtensionFilterView.h"
#include "ui/connections/IptcPresetsFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix {

namespace {

const QColor kOrange(0xE0, 0x7B, 0x00);
const QColor kRed(0xD0, 0x2B, 0x2B);
const char* const kPresetsFilter =
    QT_TRANSLATE_NOOP("ondrix::ConnectionEditView", "IPTC presets (*.ondrix-keywords *.json)");

QLabel* caption(const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    return label;
}

QLabel* errorLabel(const QString& name)
{
    auto* label = caption();
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kRed);
    label->setPalette(palette);
    label->setForegroundRole(QPalette::WindowText);
    label->hide();
    return label;
}

void colour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setForegroundRole(QPalette::WindowText);
}

// A field with its message underneath.
QWidget* withMessage(QWidget* field, QLabel* message)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field);
    layout->addWidget(message);
    return box;
}

QWidget* row(std::initializer_list<QWidget*> widgets, bool stretch = false)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
    if (stretch) {
        layout->addStretch();
    }
    return box;
}

QLineEdit* lineEdit(const QString& objectName, const QString& accessibleName, const QString& placeholder = {})
{
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    field->setPlaceholderText(placeholder);
    return field;
}

QPushButton* button(const QString& text, const QString& objectName, const QString& accessibleName = {})
{
    auto* b = new QPushButton(text);
    b->setObjectName(objectName);
    b->setAccessibleName(accessibleName.isEmpty() ? text : accessibleName);
    return b;
}

QCheckBox* checkBox(const QString& text, const QString& objectName)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(objectName);
    box->setAccessibleName(text);
    return box;
}

QToolButton* toolButton(const QString& text, const QString& objectName, const QString& accessibleName)
{
    auto* b = new QToolButton;
    b->setText(text);
    b->setObjectName(objectName);
    b->setAccessibleName(accessibleName);
    b->setToolTip(accessibleName);
    return b;
}

void setText(QLineEdit* field, const QString& text)
{
    if (field->text() != text) {
        const QSignalBlocker block(field);
        field->setText(text);
    }
}

void showMessage(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QString pathOrNotSelected(const QString& path)
{
    return path.isEmpty() ? QCoreApplication::translate("ondrix::ConnectionEditView", "Not selected") : path;
}

} // namespace

ConnectionEditView::ConnectionEditView(const PushConnection& connection, bool locked, Dialogs& dialogs,
                                       QThreadPool& pool, ConnectionEditActions actions, QWidget* parent)
    : QWidget(parent)
    , m_form(new ConnectionForm(connection, this))
    , m_dialogs(dialogs)
    , m_pool(pool)
    , m_actions(std::move(actions))
    , m_locked(locked)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kDefaultSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &ConnectionEditView::saveNow);
    m_folderCheckTimer.setSingleShot(true);
    m_folderCheckTimer.setInterval(kFolderCheckDelayMs);
    m_folderCheck = &ConnectionForm::localFolderProblem;
    connect(&m_folderCheckTimer, &QTimer::timeout, this, &ConnectionEditView::checkLocalFolder);
    build();
    connect(m_form, &ConnectionForm::changed, this, &ConnectionEditView::onFormChanged);
    connect(m_form, &ConnectionForm::reloaded, this, &ConnectionEditView::refresh);
    refresh();
}

ConnectionEditView::~ConnectionEditView()
{
    if (m_form->hasPendingText()) {
        saveNow();
    }
}

const PushConnection& ConnectionEditView::connection() const
{
    return m_form->connection();
}

void ConnectionEditView::build()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea;
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->verticalScrollBar()->setAccessibleName(tr("Scroll the connection settings"));
    m_scroll->horizontalScrollBar()->setAccessibleName(tr("Scroll the connection settings sideways"));
    outer->addWidget(m_scroll);

    m_content = new QWidget;
    auto* layout = new QVBoxLayout(m_content);

    // The lock: a banner while locked, and the button that locks and unlocks.
    auto* lockRow = new QHBoxLayout;
    m_banner = new QWidget;
    auto* bannerLayout = new QHBoxLayout(m_banner);
    bannerLayout->setContentsMargins(0, 0, 0, 0);
    auto* bannerIcon = new QLabel;
    bannerIcon->setPixmap(ConnectionGlyphs::lock(true, kOrange).pixmap(16, 16));
    auto* bannerText = new QLabel(tr("This connection is locked. Click the lock to edit."));
    bannerText->setWordWrap(true);
    bannerLayout->addWidget(bannerIcon);
    bannerLayout->addWidget(bannerText, 1);
    m_lockButton = new QToolButton;
    m_lockButton->setObjectName(QStringLiteral("lockButton"));
    m_lockButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_lockButton, &QToolButton::clicked, this, [this] {
        if (m_actions.toggleLock) {
            m_actions.toggleLock();
        }
    });
    lockRow->addWidget(m_banner, 1);
    lockRow->addStretch();
    lockRow->addWidget(m_lockButton);
    layout->addLayout(lockRow);

    m_formArea = new QWidget;
    auto* formLayout = new QVBoxLayout(m_formArea);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(buildConnectionSection());
    formLayout->addWidget(buildLocalFolderSection());
    formLayout->addWidget(buildRemoteFolderSection());
    formLayout->addWidget(buildTagsSection());
    formLayout->addWidget(buildTransferSection());
    formLayout->addWidget(buildIptcSection());
    formLayout->addWidget(buildPostUploadSection());
    formLayout->addWidget(buildScheduleSection());
    m_extensions = new ExtensionFilterView(*m_form);
    formLayout->addWidget(m_extensions);
    formLayout->addWidget(buildTestArea());
    layout->addWidget(m_formArea);
    layout->addStretch();
    m_scroll->setWidget(m_content);
}

QWidget* ConnectionEditView::buildConnectionSection()
{
    auto* box = new QGroupBox(tr("Connection"));
    m_connectionLayout = new QFormLayout(box);
    auto* f = m_connectionLayout;

    m_name = lineEdit(QStringLiteral("name"), tr("Name"), tr("My Server"));
    f->addRow(tr("Name"), m_name);
    connect(m_name, &QLineEdit::textEdited, m_form, &ConnectionForm::setName);

    m_enabled = checkBox(tr("Enabled"), QStringLiteral("enabled"));
    f->addRow(QString(), m_enabled);
    connect(m_enabled, &QCheckBox::clicked, m_form, &ConnectionForm::setEnabled);

    m_protocol = new QComboBox;
    m_protocol->setObjectName(QStringLiteral("protocol"));
    m_protocol->setAccessibleName(tr("Protocol"));
    for (TransferProtocol protocol : allTransferProtocols()) {
        m_protocol->addItem(displayName(protocol), rawValue(protocol));
    }
    f->addRow(tr("Protocol"), m_protocol);
    connect(m_protocol, &QComboBox::activated, this, [this](int index) {
        m_form->setProtocol(
            transferProtocolFromRaw(m_protocol->itemData(index).toString()).value_or(TransferProtocol::ftp));
    });

    m_host = lineEdit(QStringLiteral("host"), tr("Host"), tr("ftp.example.com"));
    m_hostError = errorLabel(QStringLiteral("hostError"));
    f->addRow(tr("Host"), withMessage(m_host, m_hostError));
    connect(m_host, &QLineEdit::textEdited, m_form, &ConnectionForm::setHost);

    m_port = lineEdit(QStringLiteral("port"), tr("Port"));
    m_port->setMaximumWidth(90);
    m_portError = errorLabel(QStringLiteral("portError"));
    auto* portField = withMessage(m_port, m_portError);
    // The other protocol's usual port: a hint and a button that puts in this protocol's usual one.
    m_portHintText = caption();
    m_portHintText->setObjectName(QStringLiteral("portHint"));
    m_usualPort = button(QString(), QStringLiteral("useUsualPort"), tr("Use the usual port"));
    m_portHint = row({m_portHintText, m_usualPort});
    static_cast<QHBoxLayout*>(m_portHint->layout())->setStretch(0, 1);
    portField->layout()->addWidget(m_portHint);
    f->addRow(tr("Port"), portField);
    connect(m_port, &QLineEdit::textEdited, m_form, &ConnectionForm::setPortText);
    connect(m_usualPort, &QPushButton::clicked, m_form, &ConnectionForm::useSuggestedPort);

    m_username = lineEdit(QStringLiteral("username"), tr("Username"));
    f->addRow(tr("Username"), m_username);
    connect(m_username, &QLineEdit::textEdited, m_form, &ConnectionForm::setUsername);

    m_password = lineEdit(QStringLiteral("password"), tr("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_passwordProblem = errorLabel(QStringLiteral("passwordProblem"));
    f->addRow(tr("Password"), withMessage(m_password, m_passwordProblem));
    connect(m_password, &QLineEdit::textEdited, m_form, &ConnectionForm::setPassword);

    m_sshKeyPath = new QLabel;
    m_sshKeyPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* chooseKey = button(tr("Choose..."), QStringLiteral("chooseSshKey"), tr("Choose private key"));
    m_sshKeyClear = button(tr("Clear"), QStringLiteral("clearSshKey"), tr("Clear private key"));
    m_sshKeyRow = row({m_sshKeyPath, chooseKey, m_sshKeyClear});
    static_cast<QHBoxLayout*>(m_sshKeyRow->layout())->setStretch(0, 1);
    f->addRow(tr("Private key"), m_sshKeyRow);
    connect(chooseKey, &QPushButton::clicked, this, &ConnectionEditView::chooseSshKey);
    connect(m_sshKeyClear, &QPushButton::clicked, this, [this] { m_form->setSshKeyPath(QString()); });

    m_passive = new QRadioButton(displayName(FTPMode::passive));
    m_passive->setObjectName(QStringLiteral("ftpModePassive"));
    m_active = new QRadioButton(displayName(FTPMode::active));
    m_active->setObjectName(QStringLiteral("ftpModeActive"));
    m_ftpModeRow = row({m_passive, m_active}, true);
    auto* modes = new QButtonGroup(m_ftpModeRow);
    modes->addButton(m_passive);
    modes->addButton(m_active);
    f->addRow(tr("FTP Mode"), m_ftpModeRow);
    connect(m_passive, &QRadioButton::clicked, this, [this] { m_form->setFtpMode(FTPMode::passive); });
    connect(m_active, &QRadioButton::clicked, this, [this] { m_form->setFtpMode(FTPMode::active); });
    return box;
}

QWidget* ConnectionEditView::buildLocalFolderSection()
{
    auto* box = new QGroupBox(tr("Local Folder"));
    auto* layout = new QVBoxLayout(box);
    m_localFolderPath = new QLabel;
    m_localFolderPath->setObjectName(QStringLiteral("localFolderPath"));
    m_localFolderPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_localFolderPath->setWordWrap(true);
    auto* choose = button(tr("Choose..."), QStringLiteral("chooseLocalFolder"), tr("Choose local folder"));
    auto* pathRow = row({m_localFolderPath, choose});
    static_cast<QHBoxLayout*>(pathRow->layout())->setStretch(0, 1);
    layout->addWidget(pathRow);
    m_localFolderError = errorLabel(QStringLiteral("localFolderError"));
    layout->addWidget(m_localFolderError);
    m_sharedFolderNote = caption();
    m_sharedFolderNote->setObjectName(QStringLiteral("sharedFolderNote"));
    colour(m_sharedFolderNote, kOrange);
    layout->addWidget(m_sharedFolderNote);
    m_monitorSubfolders =
        checkBox(tr("Monitor subfolders recursively"), QStringLiteral("monitorSubdirectories"));
    layout->addWidget(m_monitorSubfolders);
    connect(choose, &QPushButton::clicked, this, &ConnectionEditView::chooseLocalFolder);
    connect(m_monitorSubfolders, &QCheckBox::clicked, m_form, &ConnectionForm::setMonitorSubdirectories);
    return box;
}

QWidget* ConnectionEditView::buildRemoteFolderSection()
{
    auto* box = new QGroupBox(tr("Remote Folder"));
    auto* f = new QFormLayout(box);
    m_remoteFolder = lineEdit(QStringLiteral("remoteFolder"), tr("Remote path"), tr("/uploads/photos"));
    auto* browse = button(tr("Browse..."), QStringLiteral("browseRemoteFolder"), tr("Browse remote folders"));
    auto* fieldRow = row({m_remoteFolder, browse});
    m_remoteFolderError = errorLabel(QStringLiteral("remoteFolderError"));
    f->addRow(tr("Remote path"), withMessage(fieldRow, m_remoteFolderError));
    m_preserveSubfolders =
        checkBox(tr("Preserve subfolder structure on server"), QStringLiteral("preserveSubdirectories"));
    f->addRow(QString(), m_preserveSubfolders);
    connect(m_remoteFolder, &QLineEdit::textEdited, m_form, &ConnectionForm::setRemoteFolder);
    connect(browse, &QPushButton::clicked, this, &ConnectionEditView::chooseRemoteFolder);
    connect(m_preserveSubfolders, &QCheckBox::clicked, m_form, &ConnectionForm::setPreserveSubdirectories);
    return box;
}

QWidget* ConnectionEditView::buildTagsSection()
{
    auto* box = new QGroupBox(tr("File Manager Tags"));
    auto* layout = new QVBoxLayout(box);
    m_tags = checkBox(tr("Tag files by upload status"), QStringLiteral("finderTags"));
    layout->addWidget(m_tags);
    layout->addWidget(caption(tr("Files in the watched folder will be tagged in the file manager:")));
    auto* legend = new QHBoxLayout;
    const std::pair<const char*, QColor> colours[] = {
        {QT_TR_NOOP("Pending"), QColor(0xF5, 0xC2, 0x00)},
        {QT_TR_NOOP("Uploading"), QColor(0x1E, 0x7B, 0xE6)},
        {QT_TR_NOOP("Done"), QColor(0x2E, 0xA0, 0x43)},
        {QT_TR_NOOP("Error"), kRed},
    };
    for (const auto& [text, dotColour] : colours) {
        auto* dot = new QLabel;
        dot->setPixmap(ConnectionGlyphs::dot(dotColour).pixmap(12, 12));
        legend->addWidget(dot);
        legend->addWidget(new QLabel(tr(text)));
        legend->addSpacing(8);
    }
    legend->addStretch();
    layout->addLayout(legend);
    connect(m_tags, &QCheckBox::clicked, m_form, &ConnectionForm::setFinderTagsEnabled);
    return box;
}

QWidget* ConnectionEditView::buildTransferSection()
{
    auto* box = new QGroupBox(tr("Sync && Transfer"));
    auto* f = new QFormLayout(box);

    m_stability = new QComboBox;
    m_stability->setObjectName(QStringLiteral("stabilityCheck"));
    m_stability->setAccessibleName(tr("Stability check"));
    f->addRow(tr("Stability check"),
              withMessage(row({m_stability}, true),
                          caption(tr("Wait this long after the last file write before uploading."))));
    connect(m_stability, &QComboBox::activated, this, [this](int index) {
        m_form->setStabilityCheckSeconds(m_stability->itemData(index).toLongLong());
    });

    m_simultaneous = new QSpinBox;
    m_simultaneous->setObjectName(QStringLiteral("simultaneousUploads"));
    m_simultaneous->setAccessibleName(tr("Simultaneous uploads"));
    m_simultaneous->setRange(int(ConnectionForm::kMinSimultaneousUploads),
                             int(ConnectionForm::kMaxSimultaneousUploads));
    f->addRow(tr("Simultaneous uploads"), row({m_simultaneous}, true));
    connect(m_simultaneous, &QSpinBox::valueChanged, m_form, &ConnectionForm::setSimultaneousUploads);

    m_deleteLocal =
        checkBox(tr("Delete local file after successful upload"), QStringLiteral("deleteLocalAfterUpload"));
    m_deleteCaption = caption();
    m_deleteCaption->setObjectName(QStringLiteral("deleteModeCaption"));
    f->addRow(QString(), withMessage(m_deleteLocal, m_deleteCaption));
    connect(m_deleteLocal, &QCheckBox::clicked, m_form, &ConnectionForm::setDeleteLocalAfterUpload);

    m_conflict = new QComboBox;
    m_conflict->setObjectName(QStringLiteral("conflictResolution"));
    m_conflict->setAccessibleName(tr("Conflict resolution"));
    for (ConflictMode mode : allConflictModes()) {
        m_conflict->addItem(displayName(mode), rawValue(mode));
    }
    f->addRow(tr("Conflict resolution"), row({m_conflict}, true));
    connect(m_conflict, &QComboBox::activated, this, [this](int index) {
        m_form->setConflictResolution(
            conflictModeFromRaw(m_conflict->itemData(index).toString()).value_or(ConflictMode::overwrite));
    });
    m_temporaryName =
        checkBox(tr("Upload under a temporary name, then rename"), QStringLiteral("useTemporaryName"));
    m_temporaryName->setToolTip(
        tr("The file arrives as a hidden name in the target folder and gets its real name once complete, so "
           "nothing watching the server sees half a file."));
    f->addRow(QString(), m_temporaryName);
    connect(m_temporaryName, &QCheckBox::clicked, m_form, &ConnectionForm::setUseTemporaryName);
    return box;
}

QWidget* ConnectionEditView::buildIptcSection()
{
    auto* box = new QGroupBox(tr("IPTC Presets"));
    auto* layout = new QVBoxLayout(box);
    auto* header = new QHBoxLayout;
    auto* import = button(tr("Import"), QStringLiteral("importIptc"), tr("Import IPTC presets"));
    auto* exportButton = button(tr("Export"), QStringLiteral("exportIptc"), tr("Export IPTC presets"));
    m_iptcEnabled = checkBox(tr("Enable IPTC presets"), QStringLiteral("iptcEnabled"));
    header->addWidget(m_iptcEnabled);
    header->addStretch();
    header->addWidget(import);
    header->addWidget(exportButton);
    layout->addLayout(header);
    connect(import, &QPushButton::clicked, this, &ConnectionEditView::importIptcPresets);
    connect(exportButton, &QPushButton::clicked, this, &ConnectionEditView::exportIptcPresets);

    connect(m_iptcEnabled, &QCheckBox::clicked, m_form, &ConnectionForm::setIptcEnabled);

    m_iptcPicker = new QComboBox;
    m_iptcPicker->setObjectName(QStringLiteral("activeIptcPreset"));
    m_iptcPicker->setAccessibleName(tr("Active preset"));
    m_iptcPickerRow = row({new QLabel(tr("Active preset")), m_iptcPicker}, true);
    layout->addWidget(m_iptcPickerRow);
    connect(m_iptcPicker, &QComboBox::activated, this, [this](int index) {
        const QUuid id = m_iptcPicker->itemData(index).toUuid();
        m_form->selectIptcPreset(id.isNull() ? std::nullopt : std::optional<QUuid>(id));
    });
    layout->addWidget(caption(tr("Each preset can contain multiple IPTC keywords separated by commas. Switch "
                                 "presets to quickly change which keywords are injected before uploading.")));

    m_iptcRows = new QWidget;
    m_iptcRowsLayout = new QVBoxLayout(m_iptcRows);
    m_iptcRowsLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_iptcRows);

    auto* add = button(tr("New preset"), QStringLiteral("newIptcPreset"));
    add->setIcon(ConnectionGlyphs::circleSign(true, QColor(0x1E, 0x7B, 0xE6)));
    layout->addWidget(row({add}, true));
    connect(add, &QPushButton::clicked, this, [this] { m_form->addIptcPreset(); });
    return box;
}

QWidget* ConnectionEditView::buildPostUploadSection()
{
    auto* box = new QGroupBox(tr("Post-Upload Action"));
    auto* f = new QFormLayout(box);
    m_postAction = new QComboBox;
    m_postAction->setObjectName(QStringLiteral("postUploadAction"));
    m_postAction->setAccessibleName(tr("Action"));
    m_postAction->addItem(tr("None"), int(PostUploadAction::Kind::none));
    m_postAction->addItem(tr("Move to archive folder"), int(PostUploadAction::Kind::moveToArchive));
    m_postAction->addItem(tr("Run script"), int(PostUploadAction::Kind::runScript));
    f->addRow(tr("Action"), row({m_postAction}, true));
    connect(m_postAction, &QComboBox::activated, this, [this](int index) {
        m_form->setPostUploadKind(static_cast<PostUploadAction::Kind>(m_postAction->itemData(index).toInt()));
    });

    m_postPath = new QLabel;
    m_postPath->setObjectName(QStringLiteral("postUploadPath"));
    m_postPath->setWordWrap(true);
    auto* choose = button(tr("Choose..."), QStringLiteral("choosePostUploadPath"),
                          tr("Choose archive folder or script"));
    m_postCaption = caption();
    m_postCaption->setObjectName(QStringLiteral("postUploadCaption"));
    auto* pathRow = row({m_postPath, choose});
    static_cast<QHBoxLayout*>(pathRow->layout())->setStretch(0, 1);
    m_postPathRow = withMessage(pathRow, m_postCaption);
    f->addRow(QString(), m_postPathRow);
    connect(choose, &QPushButton::clicked, this, &ConnectionEditView::choosePostUploadPath);
    return box;
}

QWidget* ConnectionEditView::buildScheduleSection()
{
    auto* box = new QGroupBox(tr("Schedule"));
    auto* layout = new QVBoxLayout(box);
    m_schedule = checkBox(tr("Upload only during scheduled hours"), QStringLiteral("scheduleEnabled"));
    layout->addWidget(m_schedule);
    connect(m_schedule, &QCheckBox::clicked, m_form, &ConnectionForm::setScheduleEnabled);

    m_scheduleDetails = new QWidget;
    auto* details = new QVBoxLayout(m_scheduleDetails);
    details->setContentsMargins(0, 0, 0, 0);
    const auto stepper = [this](QLabel*& value, const QString& name, const QString& what, bool start) {
        value = new QLabel;
        value->setObjectName(name);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 6);
        value->setAlignment(Qt::AlignCenter);
        auto* minus = toolButton(QStringLiteral("−"), name + QStringLiteral("Minus"),
                                 tr("One hour earlier: %1").arg(what));
        auto* plus = toolButton(QStringLiteral("+"), name + QStringLiteral("Plus"),
                                tr("One hour later: %1").arg(what));
        const auto step = [this, start](int delta) {
            if (start) {
                m_form->stepScheduleStartHour(delta);
            } else {
                m_form->stepScheduleEndHour(delta);
            }
        };
        connect(minus, &QToolButton::clicked, this, [step] { step(-1); });
        connect(plus, &QToolButton::clicked, this, [step] { step(1); });
        return std::pair{minus, plus};
    };
    auto [startMinus, startPlus] = stepper(m_startHour, QStringLiteral("startHour"), tr("start"), true);
    auto [endMinus, endPlus] = stepper(m_endHour, QStringLiteral("endHour"), tr("end"), false);
    details->addWidget(row({new QLabel(tr("Hours")), new QLabel(tr("From")), startMinus, m_startHour,
                            startPlus, new QLabel(tr("to")), endMinus, m_endHour, endPlus},
                           true));
    auto* days = new QHBoxLayout;
    const QStringList labels = ConnectionForm::dayLabels();
    const QList<int> numbers = ConnectionForm::scheduleDayNumbers();
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const int day = numbers[i];
        auto* dayButton = toolButton(labels[i], QStringLiteral("day%1").arg(day), QLocale().dayName(day));
        dayButton->setCheckable(true);
        dayButton->setMinimumWidth(44);
        connect(dayButton, &QToolButton::clicked, this, [this, day] { m_form->toggleScheduleDay(day); });
        m_dayButtons << dayButton;
        days->addWidget(dayButton);
    }
    days->addStretch();
    details->addLayout(days);
    layout->addWidget(m_scheduleDetails);
    return box;
}

QWidget* ConnectionEditView::buildTestArea()
{
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 6, 0, 0);
    auto* icon = new QLabel;
    icon->setPixmap(ConnectionGlyphs::warning().pixmap(16, 16));
    m_requiredText = new QLabel;
    m_requiredText->setObjectName(QStringLiteral("requiredCaption"));
    colour(m_requiredText, kOrange);
    m_required = row({icon, m_requiredText}, true);
    layout->addWidget(m_required);

    m_testButton = button(tr("Test Connection"), QStringLiteral("testConnection"));
    m_testResultLabel = new QLabel;
    m_testResultLabel->setObjectName(QStringLiteral("testResult"));
    m_testResultLabel->setWordWrap(true);
    m_testResultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_testResultLabel->hide();
    layout->addWidget(row({m_testButton}, true));
    layout->addWidget(m_testResultLabel);
    connect(m_testButton, &QPushButton::clicked, this, &ConnectionEditView::testConnection);
    return area;
}

void ConnectionEditView::onFormChanged(bool typing)
{
    if (typing) {
        m_saveTimer.start();
    } else {
        saveNow();
    }
    refresh();
}

void ConnectionEditView::checkLocalFolder()
{
    const QString folder = m_form->connection().localFolder;
    m_checkingFolder = folder;
    QPointer<ConnectionEditView> self(this);
    m_pool.start([self, folder, check = m_folderCheck] {
        const QString problem = check(folder);
        // Back on the main thread; the application object outlives every editor.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, folder, problem] {
                if (!self) {
                    return;
                }
                if (self->m_checkingFolder == folder) {
                    self->m_checkingFolder.reset();
                }
                if (self->m_form->connection().localFolder == folder) {
                    self->m_checkedFolder = folder;
                    self->m_folderProblem = problem;
                    self->refresh();
                }
            },
            Qt::QueuedConnection);
    });
}

void ConnectionEditView::saveNow()
{
    m_saveTimer.stop();
    m_form->markSaved();
    if (m_actions.save) {
        m_actions.save(m_form->connection());
    }
}

void ConnectionEditView::rebase(const PushConnection& stored)
{
    m_form->rebase(stored);
}

void ConnectionEditView::setLocked(bool locked)
{
    m_locked = locked;
    refresh();
}

void ConnectionEditView::setPasswordProblem(const QString& problem)
{
    showMessage(m_passwordProblem, problem);
}

void ConnectionEditView::setOtherConnections(const QList<PushConnection>& connections)
{
    m_form->setOtherConnections(connections);
    refresh();
}

void ConnectionEditView::focusName()
{
    m_name->setFocus();
    m_name->selectAll();
}

void ConnectionEditView::hideEvent(QHideEvent* event)
{
    if (m_form->hasPendingText()) {
        saveNow();
    }
    QWidget::hideEvent(event);
}

void ConnectionEditView::refresh()
{
    const PushConnection& c = m_form->connection();

    m_banner->setVisible(m_locked);
    m_lockButton->setText(m_locked ? tr("Unlock") : tr("Lock"));
    m_lockButton->setAccessibleName(m_locked ? tr("Unlock") : tr("Lock"));
    // The button shows what pressing it does: an open lock to unlock, a closed one to lock.
    m_lockButton->setIcon(ConnectionGlyphs::lock(!m_locked, palette().color(QPalette::WindowText)));
    m_formArea->setEnabled(!m_locked);

    setText(m_name, c.name);
    m_enabled->setChecked(c.isEnabled);
    m_protocol->setCurrentIndex(m_protocol->findData(rawValue(c.transferProtocol)));
    setText(m_host, c.host);
    showMessage(m_hostError, c.host.isEmpty() ? QString() : m_form->hostError());
    setText(m_port, m_form->portText());
    showMessage(m_portError, m_form->portError());
    const std::optional<qint64> usualPort = m_form->suggestedPort();
    m_portHint->setVisible(usualPort.has_value());
    if (usualPort) {
        m_portHintText->setText(m_form->portHint());
        m_usualPort->setText(tr("Use %1").arg(*usualPort));
        m_usualPort->setAccessibleName(tr("Use port %1").arg(*usualPort));
    }
    setText(m_username, c.username);
    setText(m_password, c.password);
    m_sshKeyPath->setText(c.sshKeyPath.isEmpty() ? tr("None (password login)") : c.sshKeyPath);
    m_sshKeyClear->setEnabled(!c.sshKeyPath.isEmpty());
    m_connectionLayout->setRowVisible(m_sshKeyRow, m_form->showsSshKey());
    m_connectionLayout->setRowVisible(m_ftpModeRow, m_form->showsFtpMode());
    m_passive->setChecked(c.ftpMode == FTPMode::passive);
    m_active->setChecked(c.ftpMode == FTPMode::active);

    m_localFolderPath->setText(pathOrNotSelected(c.localFolder));
    // Shown for the folder it was found for; a changed folder is looked at again once edits pause.
    const bool checked = m_checkedFolder == c.localFolder;
    showMessage(m_localFolderError, checked ? m_folderProblem : QString());
    if (!checked && m_checkingFolder != c.localFolder) {
        m_folderCheckTimer.start();
    }
    showMessage(m_sharedFolderNote, m_form->sharedFolderNote());
    m_monitorSubfolders->setChecked(c.monitorSubdirectories);

    setText(m_remoteFolder, m_form->remoteFolderText());
    showMessage(m_remoteFolderError, m_form->remoteFolderError());
    m_preserveSubfolders->setChecked(c.preserveSubdirectories);

    m_tags->setChecked(c.finderTagsEnabled);

    {
        const QSignalBlocker block(m_stability);
        m_stability->clear();
        for (qint64 seconds : ConnectionForm::stabilityChoices(c.stabilityCheckSeconds)) {
            m_stability->addItem(tr("%1s").arg(seconds), seconds);
        }
        m_stability->setCurrentIndex(m_stability->findData(c.stabilityCheckSeconds));
    }
    {
        const QSignalBlocker block(m_simultaneous);
        m_simultaneous->setValue(int(c.simultaneousUploads));
    }
    m_deleteLocal->setChecked(c.deleteLocalAfterUpload);
    m_deleteCaption->setText(m_form->deleteModeCaption());
    if (m_form->deleteModeIsWarning()) {
        colour(m_deleteCaption, kOrange);
    } else {
        m_deleteCaption->setForegroundRole(QPalette::PlaceholderText);
    }
    m_conflict->setCurrentIndex(m_conflict->findData(rawValue(c.conflictResolution)));
    m_temporaryName->setChecked(c.useTemporaryName);

    m_iptcEnabled->setChecked(c.iptcEnabled);
    m_iptcPickerRow->setVisible(m_form->showsIptcPicker());
    {
        const QSignalBlocker block(m_iptcPicker);
        m_iptcPicker->clear();
        m_iptcPicker->addItem(tr("None"), QUuid());
        for (const IPTCKeywordEntry& entry : c.iptcKeywords) {
            m_iptcPicker->addItem(ConnectionForm::iptcPresetTitle(entry), entry.id);
        }
        m_iptcPicker->setCurrentIndex(
            std::max(0, m_iptcPicker->findData(c.selectedIPTCKeywordID.value_or(QUuid()))));
    }
    refreshIptcRows();

    m_postAction->setCurrentIndex(m_postAction->findData(int(c.postUploadAction.kind())));
    m_postPathRow->setVisible(m_form->showsPostUploadChooser());
    m_postPath->setText(pathOrNotSelected(c.postUploadAction.path()));
    showMessage(m_postCaption, m_form->postUploadCaption());

    m_schedule->setChecked(c.scheduleEnabled);
    m_scheduleDetails->setEnabled(c.scheduleEnabled);
    m_startHour->setText(ConnectionForm::hourText(c.scheduleStartHour));
    m_endHour->setText(ConnectionForm::hourText(c.scheduleEndHour));
    const QList<int> numbers = ConnectionForm::scheduleDayNumbers();
    for (qsizetype i = 0; i < m_dayButtons.size(); ++i) {
        m_dayButtons[i]->setChecked(c.scheduleDays.contains(numbers[i]));
    }

    m_extensions->refresh();

    const QString required = m_form->requiredCaption();
    m_requiredText->setText(required);
    m_required->setVisible(!required.isEmpty());
    m_testButton->setEnabled(!m_testing);
    m_testButton->setText(m_testing ? tr("Testing...") : tr("Test Connection"));
    m_testResultLabel->setText(m_testResult);
    colour(m_testResultLabel, m_testSucceeded ? QColor(0x2E, 0xA0, 0x43) : kRed);
    m_testResultLabel->setVisible(!m_testResult.isEmpty());
}

void ConnectionEditView::refreshIptcRows()
{
    const QList<IPTCKeywordEntry>& entries = m_form->connection().iptcKeywords;
    QList<QUuid> ids;
    for (const IPTCKeywordEntry& entry : entries) {
        ids << entry.id;
    }
    if (ids != m_iptcRowIds) {
        while (QLayoutItem* item = m_iptcRowsLayout->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        for (const IPTCKeywordEntry& entry : entries) {
            const QUuid id = entry.id;
            auto* name = lineEdit(QStringLiteral("iptcName"), tr("Preset name"), tr("Preset name"));
            auto* keyword = lineEdit(QStringLiteral("iptcKeyword"), tr("Keywords"), tr("Keywords"));
            auto* remove =
                toolButton(QStringLiteral("−"), QStringLiteral("removeIptcPreset"), tr("Remove preset"));
            remove->setIcon(ConnectionGlyphs::circleSign(false, kRed));
            remove->setAutoRaise(true);
            name->setMaximumWidth(160);
            connect(name, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { m_form->setIptcPresetName(id, text); });
            connect(keyword, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { m_form->setIptcPresetKeyword(id, text); });
            connect(remove, &QToolButton::clicked, this, [this, id] { m_form->removeIptcPreset(id); });
            auto* line = row({name, keyword, remove});
            line->setProperty("presetId", id);
            m_iptcRowsLayout->addWidget(line);
        }
        m_iptcRowIds = ids;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QWidget* line = m_iptcRowsLayout->itemAt(int(i))->widget();
        setText(line->findChild<QLineEdit*>(QStringLiteral("iptcName")), entries[i].name);
        setText(line->findChild<QLineEdit*>(QStringLiteral("iptcKeyword")), entries[i].keyword);
    }
    m_iptcRows->setVisible(!entries.isEmpty());
}

void ConnectionEditView::chooseLocalFolder()
{
    const PushConnection& c = m_form->connection();
    const QString folder = m_dialogs.chooseFolder(this, tr("Select the folder to watch for new files"),
                                                  c.localFolder.isEmpty() ? QDir::homePath() : c.localFolder);
    if (folder.isEmpty()) {
        return;
    }
    // The bookmark first: saving the record restarts the engine, which then finds the folder's bookmark.
    if (m_actions.saveBookmark) {
        m_actions.saveBookmark(folder, c.id);
    }
    m_form->setLocalFolder(folder);
}

void ConnectionEditView::chooseSshKey()
{
    const QString current = m_form->connection().sshKeyPath;
    const QString file = m_dialogs.chooseOpenFile(
        this, tr("Choose the SSH private key"),
        current.isEmpty() ? QDir::home().filePath(QStringLiteral(".ssh")) : current, QString());
    if (!file.isEmpty()) {
        m_form->setSshKeyPath(file);
    }
}

void ConnectionEditView::choosePostUploadPath()
{
    const QString current = m_form->connection().postUploadAction.path();
    const QString start = current.isEmpty() ? QDir::homePath() : current;
    const QString path =
        m_form->postUploadChoosesFolder()
            ? m_dialogs.chooseFolder(this, tr("Choose the archive folder"), start)
            : m_dialogs.chooseOpenFile(this, tr("Choose the script to run"), start, QString());
    if (!path.isEmpty()) {
        m_form->setPostUploadPath(path);
    }
}

void ConnectionEditView::chooseRemoteFolder()
{
    // The picker browses the server as the form stands, saved or not; its choice is saved like a switch.
    auto* picker = new RemoteFolderPickerView(m_form->connection(), m_pool, m_form->remoteFolderText(), this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &RemoteFolderPickerView::folderSelected, this, [this](const QString& path) {
        m_form->setRemoteFolder(path);
        saveNow();
    });
    picker->open();
}

void ConnectionEditView::testConnection()
{
    if (m_testing) {
        return;
    }
    m_testing = true;
    m_testResult.clear();
    refresh();
    ConnectionTester::run(m_pool, m_form->connection(), this, [this](const QString& result, bool success) {
        m_testing = false;
        m_testSucceeded = success;
        m_testResult = result;
        refresh();
        Q_EMIT testFinished(result);
    });
}

void ConnectionEditView::exportIptcPresets()
{
    const QByteArray data = IptcPresetsFile::encode(m_form->connection().iptcKeywords);
    const QString title = tr("Export IPTC Presets");
    const QString path = m_dialogs.chooseSaveFile(
        this, title, QDir::home().filePath(IptcPresetsFile::defaultFileName()), tr(kPresetsFilter));
    if (path.isEmpty()) {
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        m_dialogs.inform(this, title,
                         tr("The presets could not be written to %1: %2. Choose a folder you can write to.")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

void ConnectionEditView::importIptcPresets()
{
    const QString title = tr("Import IPTC Presets");
    const QString path = m_dialogs.chooseOpenFile(this, title, QDir::homePath(), tr(kPresetsFilter));
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.inform(
            this, title,
            tr("%1 could not be read: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    QString reason;
    const auto entries = IptcPresetsFile::decode(file.readAll(), &reason);
    if (!entries) {
        m_dialogs.inform(this, title,
                         tr("%1 is not an IPTC presets file, so nothing was imported. %2")
                             .arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    m_form->importIptcPresets(*entries);
}

} // namespace ondrix

#include "publish/PublishWindow.h"

#include "context/Navigation.h"
#include "context/PageContext.h"
#include "publish/Keyring.h"
#include "publish/KnownServers.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/EscapeKey.h"
#include "ui/Layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// What a password is kept under in the keyring: the account on its server.
QString keyringKey(const PublishTarget& target) {
    return target.user + u'@' + target.host + u':' + QString::number(target.port);
}

} // namespace

struct PublishWindow::Ui {
    QComboBox* PublishProtocol = nullptr;
    QLineEdit* PublishHost = nullptr;
    QSpinBox* PublishPort = nullptr;
    QLineEdit* PublishUser = nullptr;
    QLineEdit* PublishPassword = nullptr;
    QCheckBox* PublishRemember = nullptr;
    QLabel* keyCaption = nullptr;
    QLineEdit* PublishKeyFile = nullptr;
    ClickableLabel* keyPicker = nullptr;
    QLineEdit* PublishFolder = nullptr;
    QLineEdit* PublishAddress = nullptr;
    QCheckBox* PublishAll = nullptr;
    QProgressBar* PublishProgress = nullptr;
    QLabel* PublishFile = nullptr;
    QLabel* PublishReport = nullptr;
    QPushButton* PublishTrustNew = nullptr;
    QPushButton* PublishStart = nullptr;
    QPushButton* PublishCancel = nullptr;
    QPushButton* PublishOpen = nullptr;
    QPushButton* PublishClose = nullptr;
};

PublishWindow::PublishWindow(PageContext& context, Navigation& navigation, QWidget* owner)
    : QWidget(owner, Qt::Window), m_context(context), m_navigation(navigation),
      m_ui(std::make_unique<Ui>()), m_keyring(std::make_unique<SystemKeyring>()),
      m_dataFolder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
      m_known(std::make_unique<KnownServers>(m_dataFolder)) {
    setObjectName(QStringLiteral("PublishWindow"));
    setWindowTitle(QStringLiteral("Veröffentlichen"));
    createControls();
    connect(&m_publication, &Publication::progress, this,
            [this](const QString& file, qint64 done, qint64 total) {
                m_ui->PublishFile->setText(file);
                // The bar counts in kilobytes, which an int holds for any upload.
                m_ui->PublishProgress->setMaximum(int(std::max<qint64>(total / 1024, 1)));
                m_ui->PublishProgress->setValue(int(done / 1024));
            });
    connect(&m_publication, &Publication::finished, this, &PublishWindow::uploaded);
    dismissOnEscape(this, [this] {
        PublishCancelClick();
        hide();
    });
    Layout::fitToScreen(*this);
}

PublishWindow::~PublishWindow() = default;

void PublishWindow::useStores(std::unique_ptr<Keyring> keyring, const QString& dataFolder) {
    m_keyring = std::move(keyring);
    m_dataFolder = dataFolder;
    m_known = std::make_unique<KnownServers>(dataFolder);
}

void PublishWindow::createControls() {
    Ui& ui = *m_ui;
    QVBoxLayout* column = Layout::column(this);
    auto* form = new QFormLayout;
    column->addLayout(form);
    ui.PublishProtocol = named<QComboBox>(this, "PublishProtocol");
    ui.PublishProtocol->addItems(
        {QStringLiteral("SFTP (SSH)"), QStringLiteral("FTP mit TLS (FTPS)")});
    form->addRow(caption(this, "ProtocolLabel", QStringLiteral("Protokoll:")), ui.PublishProtocol);
    ui.PublishHost = named<QLineEdit>(this, "PublishHost");
    ui.PublishPort = named<QSpinBox>(this, "PublishPort");
    ui.PublishPort->setRange(1, 65535);
    ui.PublishPort->setValue(PublishTarget::defaultPort(PublishProtocol::Sftp));
    auto* hostRow = new QHBoxLayout;
    hostRow->addWidget(ui.PublishHost, 1);
    hostRow->addWidget(caption(this, "PortLabel", QStringLiteral("Port:")));
    hostRow->addWidget(ui.PublishPort);
    form->addRow(caption(this, "HostLabel", QStringLiteral("Server:")), hostRow);
    ui.PublishUser = named<QLineEdit>(this, "PublishUser");
    form->addRow(caption(this, "UserLabel", QStringLiteral("Benutzer:")), ui.PublishUser);
    ui.PublishPassword = named<QLineEdit>(this, "PublishPassword");
    ui.PublishPassword->setEchoMode(QLineEdit::Password);
    ui.PublishRemember =
        named<QCheckBox>(this, "PublishRemember", QStringLiteral("Passwort merken"));
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(ui.PublishPassword, 1);
    passwordRow->addWidget(ui.PublishRemember);
    form->addRow(caption(this, "PasswordLabel", QStringLiteral("Passwort oder Passphrase:")),
                 passwordRow);
    ui.keyCaption = caption(this, "KeyFileLabel", QStringLiteral("SSH-Schlüssel:"));
    ui.PublishKeyFile = named<QLineEdit>(this, "PublishKeyFile");
    ui.keyPicker = picture(this, "KeyFilePicker", QStringLiteral("folder.png"),
                           QStringLiteral("SSH-Schlüssel auswählen"));
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(ui.PublishKeyFile, 1);
    keyRow->addWidget(ui.keyPicker);
    form->addRow(ui.keyCaption, keyRow);
    ui.PublishFolder = named<QLineEdit>(this, "PublishFolder");
    ui.PublishFolder->setPlaceholderText(QStringLiteral("zum Beispiel /htdocs"));
    form->addRow(caption(this, "FolderLabel", QStringLiteral("Ordner auf dem Server:")),
                 ui.PublishFolder);
    ui.PublishAddress = named<QLineEdit>(this, "PublishAddress");
    ui.PublishAddress->setPlaceholderText(QStringLiteral("freiwillig"));
    form->addRow(caption(this, "AddressLabel", QStringLiteral("Adresse der Seite im Web:")),
                 ui.PublishAddress);
    ui.PublishAll =
        named<QCheckBox>(this, "PublishAll", QStringLiteral("Alle Dateien neu hochladen"));
    column->addWidget(ui.PublishAll);
    ui.PublishFile = named<QLabel>(this, "PublishFile");
    ui.PublishProgress = named<QProgressBar>(this, "PublishProgress");
    ui.PublishProgress->setValue(0);
    column->addWidget(ui.PublishFile);
    column->addWidget(ui.PublishProgress);
    ui.PublishReport = named<QLabel>(this, "PublishReport");
    ui.PublishReport->setWordWrap(true);
    ui.PublishReport->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(ui.PublishReport);
    ui.PublishTrustNew = named<QPushButton>(this, "PublishTrustNew",
                                            QStringLiteral("Dem neuen Schlüssel vertrauen"));
    ui.PublishTrustNew->hide();
    column->addWidget(ui.PublishTrustNew, 0, Qt::AlignLeft);
    column->addStretch(1);

    ui.PublishStart = named<QPushButton>(this, "PublishStart", QStringLiteral("Hochladen"));
    ui.PublishCancel = named<QPushButton>(this, "PublishCancel", QStringLiteral("Abbrechen"));
    ui.PublishOpen = named<QPushButton>(this, "PublishOpen", QStringLiteral("Im Browser öffnen"));
    ui.PublishClose = named<QPushButton>(this, "PublishClose", QStringLiteral("Schließen"));
    ui.PublishStart->setDefault(true);
    ui.PublishCancel->setEnabled(false);
    ui.PublishOpen->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {ui.PublishStart, ui.PublishCancel, ui.PublishOpen, ui.PublishClose})
        buttons->addWidget(button);
    column->addLayout(buttons);

    connect(ui.PublishProtocol, &QComboBox::activated, this, &PublishWindow::protocolChosen);
    connect(ui.keyPicker, &ClickableLabel::clicked, this, [this] {
        if (const std::optional<QString> chosen =
                m_context.ask.openFileName(m_ui->PublishKeyFile->text(), QString()))
            m_ui->PublishKeyFile->setText(*chosen);
    });
    connect(ui.PublishStart, &QPushButton::clicked, this, &PublishWindow::PublishStartClick);
    connect(ui.PublishCancel, &QPushButton::clicked, this, &PublishWindow::PublishCancelClick);
    connect(ui.PublishOpen, &QPushButton::clicked, this, &PublishWindow::PublishOpenClick);
    connect(ui.PublishTrustNew, &QPushButton::clicked, this, &PublishWindow::PublishTrustNewClick);
    connect(ui.PublishClose, &QPushButton::clicked, this, &QWidget::hide);
}

void PublishWindow::protocolChosen() {
    const PublishProtocol protocol = target().protocol;
    m_ui->PublishPort->setValue(PublishTarget::defaultPort(protocol));
    // A key file is for SSH only.
    const bool sftp = protocol == PublishProtocol::Sftp;
    setAllVisible({m_ui->keyCaption, m_ui->PublishKeyFile, m_ui->keyPicker}, sftp);
}

PublishTarget PublishWindow::target() const {
    const Ui& ui = *m_ui;
    PublishTarget made;
    made.protocol =
        ui.PublishProtocol->currentIndex() == 1 ? PublishProtocol::Ftps : PublishProtocol::Sftp;
    made.host = ui.PublishHost->text().trimmed();
    made.port = ui.PublishPort->value();
    made.user = ui.PublishUser->text().trimmed();
    if (made.protocol == PublishProtocol::Sftp)
        made.keyFile = ui.PublishKeyFile->text().trimmed();
    made.folder = ui.PublishFolder->text().trimmed();
    if (!made.folder.startsWith(u'/'))
        made.folder.prepend(u'/');
    return made;
}

QString PublishWindow::pageFolder() const {
    return m_context.state.hasFile() ? QFileInfo(m_context.state.ownFile()).absolutePath()
                                     : QString();
}

// The settings of a page folder are kept under its path.
QString PublishWindow::settingsGroup() const {
    return QStringLiteral("Veroeffentlichen/") +
           QString::fromLatin1(pageFolder().toUtf8().toPercentEncoding());
}

void PublishWindow::loadSettings() {
    QSettings settings;
    settings.beginGroup(settingsGroup());
    Ui& ui = *m_ui;
    ui.PublishProtocol->setCurrentIndex(settings.value(QStringLiteral("Protokoll")).toInt());
    protocolChosen();
    ui.PublishHost->setText(settings.value(QStringLiteral("Server")).toString());
    ui.PublishPort->setValue(
        settings.value(QStringLiteral("Port"), ui.PublishPort->value()).toInt());
    ui.PublishUser->setText(settings.value(QStringLiteral("Benutzer")).toString());
    ui.PublishKeyFile->setText(settings.value(QStringLiteral("Schluessel")).toString());
    ui.PublishFolder->setText(settings.value(QStringLiteral("Ordner")).toString());
    ui.PublishAddress->setText(settings.value(QStringLiteral("Adresse")).toString());
    ui.PublishRemember->setChecked(settings.value(QStringLiteral("Merken")).toBool());
    ui.PublishPassword->clear();
    if (ui.PublishRemember->isChecked() && !ui.PublishHost->text().isEmpty())
        m_keyring->read(keyringKey(target()), [this](std::optional<QString> password) {
            if (password && m_ui->PublishPassword->text().isEmpty())
                m_ui->PublishPassword->setText(*password);
        });
}

void PublishWindow::saveSettings() const {
    QSettings settings;
    settings.beginGroup(settingsGroup());
    const Ui& ui = *m_ui;
    settings.setValue(QStringLiteral("Protokoll"), ui.PublishProtocol->currentIndex());
    settings.setValue(QStringLiteral("Server"), ui.PublishHost->text().trimmed());
    settings.setValue(QStringLiteral("Port"), ui.PublishPort->value());
    settings.setValue(QStringLiteral("Benutzer"), ui.PublishUser->text().trimmed());
    settings.setValue(QStringLiteral("Schluessel"), ui.PublishKeyFile->text().trimmed());
    settings.setValue(QStringLiteral("Ordner"), ui.PublishFolder->text().trimmed());
    settings.setValue(QStringLiteral("Adresse"), ui.PublishAddress->text().trimmed());
    settings.setValue(QStringLiteral("Merken"), ui.PublishRemember->isChecked());
}

void PublishWindow::showForPage() {
    if (!m_publication.running())
        loadSettings();
    show();
    raise();
    activateWindow();
}

void PublishWindow::PublishStartClick() {
    if (m_publication.running())
        return;
    // Unsaved work is saved first, through the usual save, which brings the pictures along.
    if ((m_context.document.hasUnsavedChanges() || !m_context.state.hasFile()) &&
        !m_navigation.savePage())
        return;
    if (m_ui->PublishHost->text().trimmed().isEmpty()) {
        m_ui->PublishReport->setText(
            QStringLiteral("Bitte geben Sie den Server an, wie Ihr Webhoster ihn nennt."));
        return;
    }
    saveSettings();
    m_ui->PublishTrustNew->hide();
    upload();
}

void PublishWindow::upload() {
    Publication::Request request;
    request.target = target();
    request.password = m_ui->PublishPassword->text();
    request.trust = m_known->trustFor(request.target);
    request.pagePath = m_context.state.ownFile();
    request.uploadAll = m_ui->PublishAll->isChecked();
    request.recordsFolder = m_dataFolder;
    m_ui->PublishReport->clear();
    m_ui->PublishProgress->setValue(0);
    setRunning(true);
    m_publication.start(std::move(request));
}

void PublishWindow::setRunning(bool running) {
    m_ui->PublishStart->setEnabled(!running);
    m_ui->PublishCancel->setEnabled(running);
    if (running)
        m_ui->PublishOpen->setEnabled(false);
}

void PublishWindow::uploaded(const Publication::Result& result) {
    setRunning(false);
    m_ui->PublishFile->clear();
    if (result.distrust != CurlTransport::Distrust::None && askTrust(result)) {
        upload();
        return;
    }
    QStringList report;
    const Uploader::Summary& summary = result.summary;
    const bool done = summary.ok() && !summary.cancelled;
    // The status bar's notice goes after a while; the window keeps saying what went up.
    const QString counted = Uploader::statusText(summary.uploaded, summary.unchanged);
    if (done)
        report.append(counted);
    if (!summary.ok())
        report.append(summary.error);
    if (summary.cancelled)
        report.append(QStringLiteral("Das Hochladen wurde abgebrochen. Jede Datei auf dem Server "
                                     "ist ganz: die alte oder schon die neue."));
    if (!result.outside.isEmpty())
        report.append(outsideSentence(result.outside));
    if (!result.missing.isEmpty())
        report.append(missingSentence(result.missing));
    m_ui->PublishReport->setText(report.join(u'\n'));
    if (done) {
        m_context.notices.PostStatusMessage(counted);
        m_ui->PublishProgress->setValue(m_ui->PublishProgress->maximum());
        m_ui->PublishOpen->setEnabled(!m_ui->PublishAddress->text().trimmed().isEmpty());
        const PublishTarget server = target();
        if (!m_ui->PublishRemember->isChecked()) {
            m_keyring->forget(keyringKey(server));
        } else {
            m_keyring->write(keyringKey(server), m_ui->PublishPassword->text(), [this](bool kept) {
                if (kept)
                    return;
                QStringList shown{m_ui->PublishReport->text()};
                shown.removeAll(QString());
                shown.append(QStringLiteral(
                    "Kein Schlüsselbund verfügbar: Das Passwort wird nicht gespeichert."));
                m_ui->PublishReport->setText(shown.join(u'\n'));
            });
        }
    }
}

bool PublishWindow::askTrust(const Publication::Result& result) {
    const PublishTarget server = target();
    switch (result.distrust) {
    case CurlTransport::Distrust::None:
        return false;
    case CurlTransport::Distrust::ChangedHostKey:
        m_ui->PublishTrustNew->show();
        return false;
    case CurlTransport::Distrust::NewHostKey:
        if (!m_context.ask.trust(
                QStringLiteral("Sie verbinden sich zum ersten Mal mit dem Server „%1“. Sein "
                               "Erkennungszeichen ist: %2. Stimmt es mit dem überein, das Ihr "
                               "Webhoster angibt? Nur dann „Vertrauen“ wählen.")
                    .arg(server.host, result.fingerprint),
                this))
            return false;
        break;
    case CurlTransport::Distrust::UntrustedCertificate:
        // A pinned certificate that changed is trusted anew only through the button.
        if (result.pin.isEmpty()) {
            m_ui->PublishTrustNew->show();
            return false;
        }
        if (!m_context.ask.trust(
                QStringLiteral("Der Server „%1“ weist sich mit einem Zertifikat aus, das keine "
                               "bekannte Stelle bestätigt. Sein Erkennungszeichen ist: %2. Stimmt "
                               "es mit dem überein, das Ihr Webhoster angibt? Nur dann "
                               "„Vertrauen“ wählen.")
                    .arg(server.host, result.fingerprint),
                this))
            return false;
        break;
    }
    m_known->trust(server, result.pin);
    return true;
}

void PublishWindow::PublishCancelClick() {
    m_publication.cancel();
}

void PublishWindow::PublishOpenClick() {
    m_context.opener.openAddress(m_ui->PublishAddress->text().trimmed());
}

void PublishWindow::PublishTrustNewClick() {
    const PublishTarget server = target();
    if (!m_context.ask.trust(
            QStringLiteral("Vertrauen Sie dem neuen Schlüssel von „%1“ nur, wenn Ihr Webhoster "
                           "bestätigt hat, dass er ihn geändert hat. Danach fragt Quillmark nach "
                           "seinem Erkennungszeichen.")
                .arg(server.host),
            this))
        return;
    m_known->forget(server);
    m_ui->PublishTrustNew->hide();
    upload();
}

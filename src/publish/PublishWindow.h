#pragma once

#include "publish/Publication.h"

#include <QWidget>

#include <memory>

class Keyring;
class KnownServers;
class Navigation;
class PageContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

// „Veröffentlichen“: puts the saved page and the files it names on the user's web host. The
// settings are kept per page folder, the password only in the system's keyring; a server is
// trusted only once the user has compared what it shows with what the host says.
class PublishWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PublishWindow)
public:
    PublishWindow(PageContext& context, Navigation& navigation, QWidget* owner);
    ~PublishWindow() override;

    // Shows the window with the settings kept for the page's folder.
    void showForPage();
    // Where passwords, trusted servers and upload records are kept: the system's keyring and
    // the program's data folder; tests put in their own.
    void useStores(std::unique_ptr<Keyring> keyring, const QString& dataFolder);

    // „Hochladen“: saves unsaved work first, then uploads.
    void PublishStartClick();
    // „Abbrechen“: stops the upload within a second.
    void PublishCancelClick();
    // „Im Browser öffnen“: the page's web address.
    void PublishOpenClick();
    // „Dem neuen Schlüssel vertrauen“: after one more question, the server's new key is asked
    // about as on a first connection.
    void PublishTrustNewClick();

private:
    struct Ui;
    void createControls();
    void protocolChosen();
    PublishTarget target() const;
    QString pageFolder() const;
    QString settingsGroup() const;
    void loadSettings();
    void saveSettings() const;
    void upload();
    void uploaded(const Publication::Result& result);
    // Asks whether to trust what the server showed; true when it is trusted now.
    bool askTrust(const Publication::Result& result);
    void setRunning(bool running);

    PageContext& m_context;
    Navigation& m_navigation;
    std::unique_ptr<Ui> m_ui;
    std::unique_ptr<Keyring> m_keyring;
    QString m_dataFolder;
    std::unique_ptr<KnownServers> m_known;
    Publication m_publication;
};

#pragma once

#include <QString>

#include <functional>
#include <optional>

// Where a remembered password is kept: the system's keyring, and nowhere else. Every answer
// comes later, through a callback on the GUI thread; a keyring that cannot answer counts as no
// keyring: a read finds nothing, a write reports that nothing was kept.
class Keyring {
public:
    Keyring() = default;
    Keyring(const Keyring&) = delete;
    Keyring& operator=(const Keyring&) = delete;
    virtual ~Keyring() = default;

    // The password kept under key, or nothing.
    virtual void read(const QString& key, std::function<void(std::optional<QString>)> done) = 0;
    // Keeps the password under key; done tells whether it was kept.
    virtual void write(const QString& key, const QString& password,
                       std::function<void(bool)> done) = 0;
    virtual void forget(const QString& key) = 0;
};

// The system's keyring, through the desktop's secret service.
class SystemKeyring final : public Keyring {
public:
    void read(const QString& key, std::function<void(std::optional<QString>)> done) override;
    void write(const QString& key, const QString& password,
               std::function<void(bool)> done) override;
    void forget(const QString& key) override;
};

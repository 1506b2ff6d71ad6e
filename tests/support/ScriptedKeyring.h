#pragma once

#include "publish/Keyring.h"

#include <QMap>

// A keyring in memory that answers at once; with available false it keeps nothing, as a
// desktop without a keyring.
class ScriptedKeyring final : public Keyring {
public:
    QMap<QString, QString>& kept;
    const bool& available;

    ScriptedKeyring(QMap<QString, QString>& store, const bool& answers)
        : kept(store), available(answers) {}

    void read(const QString& key, std::function<void(std::optional<QString>)> done) override {
        done(available && kept.contains(key) ? std::optional(kept.value(key)) : std::nullopt);
    }
    void write(const QString& key, const QString& password,
               std::function<void(bool)> done) override {
        if (available)
            kept.insert(key, password);
        done(available);
    }
    void forget(const QString& key) override { kept.remove(key); }
};

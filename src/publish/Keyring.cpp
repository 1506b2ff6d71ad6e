#include "publish/Keyring.h"

#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Quillmark Veröffentlichen");

// A job that deletes itself once it has answered, and never falls back to a file.
template <typename Job> Job* job(const QString& key) {
    auto* made = new Job(kService);
    made->setAutoDelete(true);
    made->setInsecureFallback(false);
    made->setKey(key);
    return made;
}

} // namespace

void SystemKeyring::read(const QString& key, std::function<void(std::optional<QString>)> done) {
    auto* reading = job<QKeychain::ReadPasswordJob>(key);
    QObject::connect(reading, &QKeychain::Job::finished, reading,
                     [done = std::move(done)](QKeychain::Job* finished) {
                         if (finished->error() != QKeychain::NoError)
                             done(std::nullopt);
                         else
                             done(static_cast<QKeychain::ReadPasswordJob*>(finished)->textData());
                     });
    reading->start();
}

void SystemKeyring::write(const QString& key, const QString& password,
                          std::function<void(bool)> done) {
    auto* writing = job<QKeychain::WritePasswordJob>(key);
    writing->setTextData(password);
    QObject::connect(writing, &QKeychain::Job::finished, writing,
                     [done = std::move(done)](QKeychain::Job* finished) {
                         done(finished->error() == QKeychain::NoError);
                     });
    writing->start();
}

void SystemKeyring::forget(const QString& key) {
    job<QKeychain::DeletePasswordJob>(key)->start();
}

#include "platform/BrowserLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The desktop answers at once; a desktop that hangs is not waited for long.
constexpr int kQueryTimeoutMs = 2000;

std::optional<QString> runForOutput(const QString& program, const QStringList& arguments) {
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(found, arguments);
    if (!process.waitForFinished(kQueryTimeoutMs)) {
        process.kill();
        process.waitForFinished(kQueryTimeoutMs);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool startDetached(const QString& program, const QStringList& arguments) {
    const QString found = QStandardPaths::findExecutable(program);
    return !found.isEmpty() && QProcess::startDetached(found, arguments);
}

} // namespace

BrowserLauncher BrowserLauncher::onDesktop() {
    return BrowserLauncher(System{
        runForOutput, startDetached,
        [](const QString& desktopId) {
            return QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
        },
        [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }});
}

bool BrowserLauncher::open(const QString& path) const {
    const QString page = QFileInfo(path).absoluteFilePath();
    const QString browser = browserDesktopFile();
    if (!browser.isEmpty() &&
        m_system.start(QStringLiteral("gio"), {QStringLiteral("launch"), browser, page}))
        return true;
    return m_system.openFile(page);
}

QString BrowserLauncher::browserDesktopFile() const {
    const std::optional<QString> answer = m_system.output(
        QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                     QStringLiteral("x-scheme-handler/http")});
    // One desktop id on a line of its own.
    const QString desktopId = answer ? answer->section(u'\n', 0, 0).trimmed() : QString();
    if (!desktopId.endsWith(QLatin1String(".desktop")) || desktopId.contains(u'/'))
        return {};
    return m_system.desktopFile(desktopId);
}

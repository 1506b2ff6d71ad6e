#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Opens a local page in the desktop's web browser: the program that handles web addresses
// (x-scheme-handler/http), which is a browser, rather than the one for HTML files, which is
// often an editor. The browser's desktop file is started with the page through `gio launch`.
// Where no browser is known, the page goes to the handler of its file type.
class BrowserLauncher final {
public:
    // What the launcher asks of the system.
    struct System {
        // Runs a program and gives what it wrote to its standard output; none when it could
        // not run, did not end in time or failed.
        std::function<std::optional<QString>(const QString& program, const QStringList& arguments)>
            output;
        // Starts a program that goes on on its own; false when it could not start.
        std::function<bool(const QString& program, const QStringList& arguments)> start;
        // The path of an application's desktop file, found by its desktop id; empty when there
        // is none.
        std::function<QString(const QString& desktopId)> desktopFile;
        // Hands a file to the handler of its type; false when none took it.
        std::function<bool(const QString& path)> openFile;
    };

    explicit BrowserLauncher(System system) : m_system(std::move(system)) {}
    // The launcher on the desktop the program runs on.
    static BrowserLauncher onDesktop();

    // Opens the page file; false when neither the browser nor the file's handler took it.
    bool open(const QString& path) const;

private:
    // The desktop file of the desktop's web browser; empty when none is known.
    QString browserDesktopFile() const;

    System m_system;
};

#include "ui/PageViewLoader.h"

#include "ui/PageViewPane.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

struct Plugin {
    PageViewFactory* factory = nullptr;
    QString failure;
};

bool isWithin(const QString& folder, const QString& tree) {
    const QString canonicalTree = QDir(tree).canonicalPath();
    const QString canonical = QDir(folder).canonicalPath();
    return !canonicalTree.isEmpty() &&
           (canonical == canonicalTree || canonical.startsWith(canonicalTree + QLatin1Char('/')));
}

// Beside the executable first; then the build's plugin folder for a program run from the
// build tree, else the installed one.
QStringList pluginFolders() {
    const QString appFolder = QCoreApplication::applicationDirPath();
    return {appFolder, appFolder + QStringLiteral("/plugins"),
            isWithin(appFolder, QStringLiteral(QUILLMARK_BUILD_DIR))
                ? QStringLiteral(QUILLMARK_PLUGIN_BUILD_DIR)
                : QStringLiteral(QUILLMARK_PLUGIN_INSTALL_DIR)};
}

Plugin loadPlugin() {
    const QString fileName = QStringLiteral(QUILLMARK_PAGEVIEW_FILE);
    for (const QString& folder : pluginFolders()) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFileInfo(path).isFile())
            continue;
        // The loader stays, so the plugin is never unloaded while a pane may live.
        static QPluginLoader loader;
        loader.setFileName(path);
        QObject* root = loader.instance();
        if (!root)
            return {nullptr, loader.errorString()};
        if (auto* factory = qobject_cast<PageViewFactory*>(root))
            return {factory, {}};
        return {nullptr, QStringLiteral("%1 is no page view plugin").arg(path)};
    }
    return {nullptr, QStringLiteral("%1 not found in %2")
                         .arg(fileName, pluginFolders().join(QStringLiteral(", ")))};
}

const Plugin& plugin() {
    static const Plugin loaded = loadPlugin();
    return loaded;
}

} // namespace

Expected<PageViewPane*> PageViewLoader::create(QWidget* parent) {
    if (!plugin().factory)
        return {{plugin().failure}};
    return {{}, plugin().factory->create(parent)};
}

// The interface's meta-object is compiled here, so that every program that can load the
// plugin carries it and hands it to the plugin, which resolves it from the program.
#include "moc_PageViewPane.cpp"

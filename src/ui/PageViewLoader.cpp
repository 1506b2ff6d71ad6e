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

// Beside the executable first; then the build's plugin folder for a program run from the
// build tree, else the installed one.
QStringList pluginFolders() {
    const QString appFolder = QCoreApplication::applicationDirPath();
    const QString buildFolder = QStringLiteral(QUILLMARK_PLUGIN_BUILD_DIR);
    const bool inBuildTree = QDir(appFolder).canonicalPath().startsWith(
        QDir(QStringLiteral(QUILLMARK_BUILD_DIR)).canonicalPath());
    return {appFolder, appFolder + QStringLiteral("/plugins"),
            inBuildTree ? buildFolder : QStringLiteral(QUILLMARK_PLUGIN_INSTALL_DIR)};
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

PageViewPane* PageViewLoader::create(QWidget* parent) {
    return plugin().factory ? plugin().factory->create(parent) : nullptr;
}

QString PageViewLoader::failure() {
    return plugin().failure;
}

// The interface's meta-object is compiled here, so that every program that can load the
// plugin carries it and hands it to the plugin, which resolves it from the program.
#include "moc_PageViewPane.cpp"

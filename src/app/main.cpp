#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "platform/FileSizeSignal.h"
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    ignoreFileSizeSignal();
    // The page view's browser engine, loaded later from a plugin, shares the OpenGL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationDisplayName(QStringLiteral("Fernbrook Quillmark"));
    QApplication::setOrganizationName(QStringLiteral("Fernbrook"));
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own dialogs and context menus speak German like the rest of the program.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtGerman;
    if (qtGerman.load(QStringLiteral("qtbase_de"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    QtDialogs dialogs;
    DesktopDocumentOpener opener;
    WindowSet windows(dialogs, opener, WindowSet::Start::Shown);
    QObject::connect(&windows.mainWindow(), &MainWindow::closed, &app, &QApplication::quit);
    return QApplication::exec();
}

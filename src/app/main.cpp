#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/WindowSet.h"
#include "platform/FileSizeSignal.h"
#include "platform/QtDialogs.h"
#include "posteditor/PostEditorWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    // The help, the version and mistakes are answered before there is an application, so
    // that they work without a display.
    const CommandLineRequest request = readCommandLine(argumentsOf(argc, argv));
    if (request.ends()) {
        std::fputs(request.out.toLocal8Bit().constData(), stdout);
        std::fputs(request.err.toLocal8Bit().constData(), stderr);
        return request.exitCode;
    }
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
    // Files named on the command line open once the main window shows; one that cannot be
    // opened says why.
    QTimer::singleShot(0, &windows.mainWindow(), [&windows, &request] {
        if (!request.page.isEmpty())
            windows.mainWindow().openPage(request.page);
        if (!request.postFile.isEmpty())
            windows.postEditor().openFile(request.postFile);
    });
    return QApplication::exec();
}

#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// A mistake on the command line ends the program with this code, the help and the version
// with 0.
constexpr int kUsageError = 2;

QString usage() {
    return QStringLiteral("Aufruf: quillmark [Seite.html]\n"
                          "       quillmark --nachbearbeiten Datei\n");
}

QString help() {
    return usage() + QStringLiteral("\n"
                                    "Öffnet die Seite in Quillmark, um an ihr weiterzubauen.\n"
                                    "\n"
                                    "Optionen:\n"
                                    "  --nachbearbeiten Datei  öffnet die Datei im Fenster "
                                    "„HTML-Quelltext nachbearbeiten“\n"
                                    "  -h, --help              zeigt diese Hilfe\n"
                                    "  -v, --version           zeigt die Version von Quillmark\n");
}

CommandLineRequest mistake(const QString& what) {
    return {kUsageError, {}, what + u'\n' + usage(), {}, {}};
}

QString asTyped(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

CommandLineRequest readCommandLine(const QStringList& arguments) {
    const QCommandLineOption postEdit(QStringLiteral("nachbearbeiten"), QString(),
                                      QStringLiteral("Datei"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});
    QCommandLineParser parser;
    parser.addOptions({postEdit, helpOption, versionOption});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return mistake(
                QStringLiteral("Unbekannte Option „%1“.").arg(asTyped(unknown.constFirst())));
        return mistake(QStringLiteral("Nach „--nachbearbeiten“ fehlt der Name der Datei."));
    }
    if (parser.isSet(helpOption))
        return {0, help(), {}, {}, {}};
    if (parser.isSet(versionOption))
        return {0, QStringLiteral("Quillmark " QUILLMARK_VERSION "\n"), {}, {}, {}};
    const QStringList pages = parser.positionalArguments();
    if (pages.size() > 1)
        return mistake(QStringLiteral("Quillmark öffnet nur eine Seite auf einmal."));
    CommandLineRequest request;
    if (!pages.isEmpty())
        request.page = QFileInfo(pages.constFirst()).absoluteFilePath();
    if (parser.isSet(postEdit))
        request.postFile = QFileInfo(parser.value(postEdit)).absoluteFilePath();
    return request;
}

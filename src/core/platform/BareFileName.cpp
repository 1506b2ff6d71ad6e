#include "core/platform/BareFileName.h"

QString BareFileName(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString WindowCaption(const QString& windowName, const QString& path, bool unsaved) {
    const QString marker = unsaved ? QStringLiteral("*") : QString();
    if (path.isEmpty())
        return windowName + marker;
    return BareFileName(path) + marker + QStringLiteral("  -  ") + windowName;
}

QString ProposedFileName(const QString& title) {
    QString name = title;
    name.replace(u'/', u'-').replace(u'\\', u'-');
    qsizetype start = 0;
    while (start < name.size() && (name[start] == u'.' || name[start].isSpace()))
        ++start;
    name.remove(0, start);
    if (name.isEmpty())
        return QStringLiteral("Unbenannt.html");
    return name + QStringLiteral(".html");
}

QString WithFileType(const QString& path, const QString& fileType) {
    for (const QLatin1String known :
         {QLatin1String(".html"), QLatin1String(".htm"), QLatin1String(".txt")}) {
        if (path.endsWith(known, Qt::CaseInsensitive))
            return path;
    }
    return path + fileType;
}

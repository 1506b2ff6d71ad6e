#include "platform/BareFileName.h"

QString BareFileName(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString FileCaption(const QString& path) {
    return BareFileName(path) + QStringLiteral("  -  Quillmark");
}

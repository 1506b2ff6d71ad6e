#include "pageview/ShownCopy.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

QUrl ShownCopy::write(const QString& html, const QString& baseFolder) {
    if (!m_folder.isValid())
        return {};
    const QString path = m_folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    // The byte order mark makes the engine read UTF-8 whatever charset the page declares.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write("\xEF\xBB\xBF") != 3 ||
        file.write(withBase(html, baseFolder).toUtf8()) < 0 || !file.flush())
        return {};
    return QUrl::fromLocalFile(path);
}

QString ShownCopy::withBase(const QString& html, const QString& baseFolder) {
    if (baseFolder.isEmpty())
        return html;
    const QString href = QUrl::fromLocalFile(QDir(baseFolder).absolutePath() + QLatin1Char('/'))
                             .toString(QUrl::FullyEncoded);
    const QString base = QStringLiteral("<base href=\"%1\">").arg(href.toHtmlEscaped());
    static const QRegularExpression head(QStringLiteral("<head(\\s[^>]*)?>"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression doctype(QStringLiteral("^\\s*<!doctype[^>]*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch match = head.match(html);
    if (!match.hasMatch())
        match = doctype.match(html);
    const qsizetype at = match.hasMatch() ? match.capturedEnd() : 0;
    return QString(html).insert(at, base);
}

#include "pageview/ShownCopy.h"

#include "core/source/HtmlTokenizer.h"

#include <QDir>
#include <QFile>

QUrl ShownCopy::write(const QString& html, const QString& baseFolder) {
    if (!m_folder.isValid())
        return {};
    const QString path = m_folder.filePath(QStringLiteral("page.html"));
    QFile file(path);
    // The base goes in as the text is written: a copy of a long page with it would cost more
    // than the writing.
    const QStringView text(html);
    const qsizetype at = baseFolder.isEmpty() ? 0 : baseAt(text);
    // The byte order mark makes the engine read UTF-8 whatever charset the page declares.
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("\xEF\xBB\xBF") == 3 &&
        file.write(text.first(at).toUtf8()) >= 0 && file.write(base(baseFolder).toUtf8()) >= 0 &&
        file.write(text.sliced(at).toUtf8()) >= 0 && file.flush();
    return written ? QUrl::fromLocalFile(path) : QUrl();
}

QString ShownCopy::base(const QString& baseFolder) {
    if (baseFolder.isEmpty())
        return {};
    const QString href = QUrl::fromLocalFile(QDir(baseFolder).absolutePath() + QLatin1Char('/'))
                             .toString(QUrl::FullyEncoded);
    return QStringLiteral("<base href=\"%1\">").arg(href.toHtmlEscaped());
}

qsizetype ShownCopy::baseAt(QStringView html) {
    HtmlTokenizer tokenizer;
    tokenizer.start(html);
    HtmlTokenizer::Token token;
    qsizetype doctypeEnd = 0;
    bool leading = true; // only white space read so far
    while (tokenizer.next(token)) {
        const qsizetype end = token.start + token.length;
        if (token.kind == HtmlTokenizer::Kind::StartTag && !token.unfinished &&
            HtmlTokenizer::decoded(html.sliced(token.content.start, token.content.length),
                                   HtmlTokenizer::Decoding::Name) == u"head")
            return end;
        if (leading && token.kind == HtmlTokenizer::Kind::Doctype)
            doctypeEnd = end;
        leading = token.kind == HtmlTokenizer::Kind::Text &&
                  html.sliced(token.start, token.length).trimmed().isEmpty();
    }
    return doctypeEnd;
}

#include "core/platform/LineSplit.h"

namespace {

// Visits every piece between CR LF, CR or LF breaks; returns whether the text ended
// with a break.
template <typename Visit> bool forEachPiece(QStringView text, Visit visit) {
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        visit(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        visit(text.mid(start));
    return start == n;
}

} // namespace

QStringList SplitFileLines(QStringView text) {
    QStringList lines;
    forEachPiece(text, [&](QStringView piece) { lines.append(piece.toString()); });
    return lines;
}

QStringList SplitAppendedText(QStringView text) {
    QStringList lines;
    const bool endedWithBreak =
        forEachPiece(text, [&](QStringView piece) { lines.append(piece.toString()); });
    if (endedWithBreak)
        lines.append(QString());
    return lines;
}

QStringList SplitDocumentText(QStringView rawText) {
    QStringList lines;
    if (rawText.isEmpty())
        return lines;
    lines.reserve(rawText.count(QChar(QChar::ParagraphSeparator)) + 1);
    for (QStringView line : rawText.tokenize(QChar(QChar::ParagraphSeparator)))
        lines.append(line.toString());
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

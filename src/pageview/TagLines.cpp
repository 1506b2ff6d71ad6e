#include "pageview/TagLines.h"

#include "core/source/HtmlTokenizer.h"

#include <charconv>

namespace TagLines {
namespace {

bool standsForMore(QStringView name) {
    for (QStringView whole : {u"html", u"head", u"body"})
        if (name.compare(whole, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

int spacingFor(qsizetype lineCount) {
    return int((lineCount + kMostMarked - 1) / kMostMarked);
}

std::vector<Tag> read(QStringView html, int firstLine, int spacing) {
    std::vector<Tag> tags;
    HtmlTokenizer tokenizer;
    tokenizer.start(html);
    HtmlTokenizer::Token token;
    int line = firstLine;
    qsizetype counted = 0; // the line breaks before this offset are in line
    while (tokenizer.next(token)) {
        // A browser drops a tag the text ends in.
        if (token.kind != HtmlTokenizer::Kind::StartTag || token.unfinished)
            continue;
        line += int(html.sliced(counted, token.start - counted).count(u'\n'));
        counted = token.start;
        const auto run = [spacing](int inLine) { return (inLine - 1) / spacing; };
        const bool runHasOne = !tags.empty() && run(tags.back().line) == run(line);
        if (!runHasOne && !standsForMore(html.sliced(token.content.start, token.content.length)))
            tags.push_back({token.content.start + token.content.length, line});
    }
    return tags;
}

void appendAttribute(QString& text, int line) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, line).ptr;
    text.append(u' ').append(kAttribute).append(u"=\"");
    text.append(QLatin1StringView(digits, end - digits)).append(u'"');
}

} // namespace TagLines

#include "source/SourceHtml.h"

namespace SourceHtml {

void AppendBreaks(QStringList& lines, int count) {
    for (int i = 0; i < count; ++i)
        lines.append(kBreak);
}

QStringList closingTail() {
    return {kBodyClose, kHtmlClose};
}

} // namespace SourceHtml

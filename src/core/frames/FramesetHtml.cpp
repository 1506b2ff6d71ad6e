#include "core/frames/FramesetHtml.h"

#include "core/source/SourceHtml.h"

namespace FramesetHtml {

namespace {

using SourceHtml::attributeValue;

void appendHead(QStringList& lines, const QString& title) {
    lines << SourceHtml::pageStart() << SourceHtml::titleLine(title) << SourceHtml::kHeadClose;
}

// "<frameset rows=\"80,*,40\" border=\"1\">" or the same with cols.
QString framesetOpen(const char* direction, const QStringList& sizes, const QString& border) {
    return QStringLiteral("<frameset ") + QLatin1String(direction) + QStringLiteral("=\"") +
           attributeValue(sizes.join(u',')) + QStringLiteral("\" border=\"") +
           attributeValue(border) + QStringLiteral("\">");
}

QString frameLine(const FrameValues& frame) {
    return QStringLiteral("<frame src=\"") + attributeValue(frame.page) +
           QStringLiteral("\" name=\"") + attributeValue(frame.name) + QStringLiteral("\">");
}

const QString kFramesetClose = QStringLiteral("</frameset>");

} // namespace

QStringList page(FrameLayout layout, const FramesetValues& values) {
    const bool top = layout != FrameLayout::TwoColumns;
    const bool bottom =
        layout == FrameLayout::TopTwoColumnsBottom || layout == FrameLayout::TopThreeColumnsBottom;
    const bool thirdColumn = layout == FrameLayout::TopThreeColumnsBottom;
    const FrameValues& a = values.frame(Frame::A);
    const FrameValues& b = values.frame(Frame::B);
    const FrameValues& c = values.frame(Frame::C);
    const FrameValues& d = values.frame(Frame::D);
    const FrameValues& e = values.frame(Frame::E);

    QStringList lines;
    appendHead(lines, values.title);
    // The outer frameset divides the window into rows: the top frame's height, the rest
    // for the columns and the bottom frame's height.
    if (top) {
        QStringList heights{c.size, QStringLiteral("*")};
        if (bottom)
            heights << d.size;
        lines << framesetOpen("rows", heights, values.border) << frameLine(c);
    }
    QStringList widths{a.size, b.size};
    if (thirdColumn)
        widths << e.size;
    lines << framesetOpen("cols", widths, values.border) << frameLine(a) << frameLine(b);
    if (thirdColumn)
        lines << frameLine(e);
    lines << kFramesetClose;
    if (top) {
        if (bottom)
            lines << frameLine(d);
        lines << kFramesetClose;
    }
    lines << SourceHtml::kHtmlClose;
    return lines;
}

} // namespace FramesetHtml

#include "core/frames/FramesetHtml.h"

#include "core/generators/CssStyle.h"
#include "core/generators/GeneralSettingsHtml.h"
#include "core/source/SourceHtml.h"

#include <QRegularExpression>

#include <utility>

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

// Which frames a layout has besides A and B.
struct Parts {
    bool top;
    bool bottom;
    bool thirdColumn;
};

Parts partsOf(FrameLayout layout) {
    return {layout != FrameLayout::TwoColumns,
            layout == FrameLayout::TopTwoColumnsBottom ||
                layout == FrameLayout::TopThreeColumnsBottom,
            layout == FrameLayout::TopThreeColumnsBottom};
}

// The class of the frames across the whole width, on top and at the bottom.
const QString kAcross = QStringLiteral("quer");

// One share of the rest of the window.
const QString kOneShare = QStringLiteral("1fr");

// A frame size as a grid track: "120" is "120px", "30%" stays, "2*" is "2fr", and "*" or
// anything unreadable one share.
QString track(const QString& typed) {
    static const QRegularExpression kSize(QStringLiteral("^(\\d+(?:\\.\\d+)?)?([%*]?)$"));
    const QRegularExpressionMatch size = kSize.match(typed.trimmed());
    const QString number = size.captured(1);
    const QString unit = size.captured(2);
    if (number.isEmpty())
        return kOneShare;
    if (unit.isEmpty())
        return number + QStringLiteral("px");
    return number + (unit == u'*' ? QStringLiteral("fr") : unit);
}

QString iframeLine(const FrameValues& frame, bool across) {
    QString line = QStringLiteral("<iframe");
    for (const auto& [name, value] : {std::pair{"src", SourceHtml::addressAttribute(frame.page)},
                                      std::pair{"name", SourceHtml::textAttribute(frame.name)}}) {
        if (!value.isEmpty())
            line += u' ' + QLatin1String(name) + QStringLiteral("=\"") + value + u'"';
    }
    if (across)
        line += QStringLiteral(" class=\"") + kAcross + u'"';
    return line + QStringLiteral("></iframe>");
}

// The rules of the grid: the page fills the window; the rows are the top frame's height, the
// rest and the bottom frame's height, the columns the frames' widths; each frame fills its
// cell, the border inside.
QStringList gridRules(const Parts& parts, const FramesetValues& values) {
    QStringList rows;
    if (parts.top)
        rows << track(values.frame(Frame::C).size);
    rows << kOneShare;
    if (parts.bottom)
        rows << track(values.frame(Frame::D).size);
    QStringList columns{track(values.frame(Frame::A).size), track(values.frame(Frame::B).size)};
    if (parts.thirdColumn)
        columns << track(values.frame(Frame::E).size);
    const QString full = QStringLiteral("100%");
    QStringList rules{
        CssStyle::rule(QStringLiteral("html, body"),
                       CssStyle()
                           .add(QStringLiteral("height"), full)
                           .add(QStringLiteral("margin"), QStringLiteral("0"))),
        CssStyle::rule(QStringLiteral("body"),
                       CssStyle()
                           .add(QStringLiteral("display"), QStringLiteral("grid"))
                           .add(QStringLiteral("grid-template-rows"), rows.join(u' '))
                           .add(QStringLiteral("grid-template-columns"), columns.join(u' '))),
        CssStyle::rule(QStringLiteral("iframe"),
                       CssStyle()
                           .add(QStringLiteral("width"), full)
                           .add(QStringLiteral("height"), full)
                           .add(QStringLiteral("box-sizing"), QStringLiteral("border-box"))
                           .add(QStringLiteral("border"), CssStyle::border(values.border)))};
    if (parts.top)
        rules << CssStyle::rule(u'.' + kAcross, CssStyle().add(QStringLiteral("grid-column"),
                                                               QStringLiteral("1 / -1")));
    return rules;
}

} // namespace

QStringList page(FrameLayout layout, const FramesetValues& values) {
    const auto [top, bottom, thirdColumn] = partsOf(layout);
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

QStringList modernPage(FrameLayout layout, const FramesetValues& values) {
    const Parts parts = partsOf(layout);
    DocumentStart start;
    start.title = values.title;
    QStringList lines = GeneralSettingsHtml::modernDocumentStart(start, gridRules(parts, values));
    // The frames in the order the grid fills its cells: row by row.
    if (parts.top)
        lines << iframeLine(values.frame(Frame::C), true);
    lines << iframeLine(values.frame(Frame::A), false) << iframeLine(values.frame(Frame::B), false);
    if (parts.thirdColumn)
        lines << iframeLine(values.frame(Frame::E), false);
    if (parts.bottom)
        lines << iframeLine(values.frame(Frame::D), true);
    return lines + SourceHtml::closingTail();
}

} // namespace FramesetHtml

#include "core/generators/CssStyle.h"

#include "core/source/SourceHtml.h"

#include <algorithm>

namespace {

// One blank line of the classic page: the height of a line of text.
constexpr double kLineHeightEm = 1.2;

QString alignmentOf(Position position) {
    switch (position) {
    case Position::None:
        break;
    case Position::Left:
        return QStringLiteral("left");
    case Position::Center:
        return QStringLiteral("center");
    case Position::Right:
        return QStringLiteral("right");
    }
    return {};
}

} // namespace

CssStyle& CssStyle::add(const QString& property, const QString& value) {
    if (!value.isEmpty())
        m_declarations.append(property + QStringLiteral(": ") + value);
    return *this;
}

CssStyle& CssStyle::addPlacement(const Placement& placement) {
    add(QStringLiteral("text-align"), alignmentOf(placement.position));
    return addSpacing(placement);
}

CssStyle& CssStyle::addSpacing(const Placement& placement) {
    add(QStringLiteral("margin-top"), blankLines(placement.breaksBefore));
    return add(QStringLiteral("margin-bottom"), blankLines(placement.breaksAfter));
}

CssStyle& CssStyle::addFont(const TextFormat& format) {
    add(QStringLiteral("font-family"), fontFamily(format.fontName));
    add(QStringLiteral("font-size"), fontSize(format.fontSize));
    return add(QStringLiteral("color"), format.fontColor.trimmed());
}

QString CssStyle::attribute() const {
    if (isEmpty())
        return {};
    return QStringLiteral(" style=\"") +
           SourceHtml::attributeValue(m_declarations.join(QStringLiteral("; "))) + u'"';
}

QString CssStyle::fontFamily(const QString& typed) {
    const QString name = typed.trimmed();
    return name.isEmpty() ? QString() : quoted(name);
}

QString CssStyle::quoted(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + text + u'\'';
}

QString CssStyle::unquoted(QStringView css) {
    const bool inQuotes = css.size() >= 2 && (css.front() == u'\'' || css.front() == u'"') &&
                          css.back() == css.front();
    if (!inQuotes)
        return css.toString();
    QString text;
    // A backslash stands for the character after it.
    for (qsizetype i = 1; i < css.size() - 1; ++i) {
        if (css[i] == u'\\' && i + 1 < css.size() - 1)
            ++i;
        text += css[i];
    }
    return text;
}

QString CssStyle::fontSize(const QString& typed) {
    bool ok = false;
    const double points = typed.trimmed().toDouble(&ok);
    if (!ok || !(points > 0))
        return {};
    return QString::number(points) + QStringLiteral("pt");
}

bool CssStyle::isPixels(const QString& typed) {
    const QString value = typed.trimmed();
    return !value.isEmpty() &&
           std::all_of(value.begin(), value.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString CssStyle::length(const QString& typed) {
    const QString value = typed.trimmed();
    return isPixels(value) ? value + QStringLiteral("px") : value;
}

QString CssStyle::blankLines(int count) {
    if (count <= 0)
        return {};
    return QString::number(count * kLineHeightEm) + QStringLiteral("em");
}

QString CssStyle::border(const QString& typedWidth, const QString& color) {
    bool ok = false;
    const int pixels = typedWidth.trimmed().toInt(&ok);
    if (!isPixels(typedWidth) || !ok)
        return {};
    if (pixels == 0)
        return QStringLiteral("none");
    const QString line = length(typedWidth) + QStringLiteral(" solid");
    const QString typedColor = color.trimmed();
    return typedColor.isEmpty() ? line : line + u' ' + typedColor;
}

QString CssStyle::rule(const QString& selector, const CssStyle& style) {
    QString rule = selector + QStringLiteral(" { ");
    for (const QString& declaration : style.m_declarations)
        rule += declaration + QStringLiteral("; ");
    return rule + u'}';
}

#include "pageview/ShownPage.h"

#include "pageview/OpenElements.h"
#include "pageview/TagLines.h"

#include <QRandomGenerator>

#include <algorithm>
#include <charconv>

namespace {

// Marks stand at least this many characters apart, but the last settled point always holds
// one: a page of many short settled lines (a megabyte of stray end tags) would otherwise hold
// a comment on each, and the engine reads every one.
constexpr qsizetype kLeastMarkSpacing = 256;

// The points that get a mark, from points that follow a mark at `after`.
std::vector<qsizetype> spaced(const std::vector<qsizetype>& points, qsizetype after) {
    std::vector<qsizetype> kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i] - after >= kLeastMarkSpacing || i + 1 == points.size()) {
            kept.push_back(points[i]);
            after = points[i];
        }
    }
    return kept;
}

} // namespace

ShownPage::ShownPage()
    // Random, so that no comment a page holds of its own passes for a mark.
    : m_marker(QStringLiteral("quillmark-%1-")
                   .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'))) {}

QString ShownPage::loading(const QString& html, const QString& baseFolder) {
    m_html = html;
    m_baseFolder = baseFolder;
    m_settled = spaced(OpenElements::read(html, OpenElements::From::DocumentStart).settled,
                       -kLeastMarkSpacing);
    return marked(html, m_settled, 0, 1, TagLines::spacingFor(html.count(u'\n') + 1));
}

std::optional<ShownPage::Continuation> ShownPage::continuation(const QString& html,
                                                               const QString& baseFolder) const {
    if (m_settled.empty() || baseFolder != m_baseFolder)
        return std::nullopt;
    const qsizetype common =
        std::mismatch(html.begin(), html.end(), m_html.begin(), m_html.end()).first - html.begin();
    // The last point up to which both texts are the same.
    const auto after = std::upper_bound(m_settled.begin(), m_settled.end(), common);
    if (after == m_settled.begin())
        return std::nullopt;
    const qsizetype from = *std::prev(after);
    const auto point = static_cast<std::size_t>(std::prev(after) - m_settled.begin());
    const QStringView rest = QStringView(html).sliced(from);
    const OpenElements::Reading reading = OpenElements::read(rest, OpenElements::From::Body);
    if (!reading.readsAlone)
        return std::nullopt;
    // The rest's start is settled and keeps the mark it replaces.
    const std::vector<qsizetype> points = spaced(reading.settled, -kLeastMarkSpacing);
    const int firstLine = 1 + int(QStringView(html).first(from).count(u'\n'));
    Continuation continuation{
        html,
        {m_settled.begin(), std::prev(after)},
        mark(point),
        marked(rest, points, point, firstLine, TagLines::spacingFor(html.count(u'\n') + 1))};
    for (qsizetype settled : points)
        continuation.settled.push_back(from + settled);
    return continuation;
}

void ShownPage::continued(Continuation continuation) {
    m_html = std::move(continuation.html);
    m_settled = std::move(continuation.settled);
}

void ShownPage::forget() {
    m_html.clear();
    m_settled.clear();
}

QString ShownPage::mark(std::size_t point) const {
    QString text;
    appendMark(text, point);
    return text;
}

void ShownPage::appendMark(QString& text, std::size_t point) const {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, point).ptr;
    text.append(m_marker).append(QLatin1StringView(digits, end - digits));
}

QString ShownPage::marked(QStringView html, const std::vector<qsizetype>& points, std::size_t first,
                          int firstLine, int spacing) const {
    const std::vector<TagLines::Tag> tags = TagLines::read(html, firstLine, spacing);
    constexpr qsizetype kAttributeSize = TagLines::kAttribute.size() + 12;
    QString text;
    text.reserve(html.size() + qsizetype(points.size()) * (m_marker.size() + 14) +
                 qsizetype(tags.size()) * kAttributeSize);
    // Points stand at line starts and tags' names end inside lines: they never meet.
    qsizetype copied = 0;
    auto point = points.begin();
    auto tag = tags.begin();
    while (point != points.end() || tag != tags.end()) {
        const bool atPoint = tag == tags.end() || (point != points.end() && *point < tag->nameEnd);
        const qsizetype at = atPoint ? *point : tag->nameEnd;
        text.append(html.sliced(copied, at - copied));
        copied = at;
        if (atPoint) {
            text.append(u"<!--");
            appendMark(text, first + std::size_t(point - points.begin()));
            text.append(u"-->");
            ++point;
        } else {
            TagLines::appendAttribute(text, tag->line);
            ++tag;
        }
    }
    return text.append(html.sliced(copied));
}

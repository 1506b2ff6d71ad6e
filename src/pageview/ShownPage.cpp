#include "pageview/ShownPage.h"

#include "pageview/OpenElements.h"

#include <QRandomGenerator>

ShownPage::ShownPage()
    // Random, so that no comment a page holds of its own passes for the mark.
    : m_marker(QStringLiteral("quillmark-%1")
                   .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'))) {}

QString ShownPage::loading(const QString& html, const QString& baseFolder) {
    m_html = html;
    m_baseFolder = baseFolder;
    m_settled = OpenElements::read(html, OpenElements::From::DocumentStart).lastSettled;
    return m_settled < 0 ? html : marked(html, m_settled);
}

std::optional<ShownPage::Continuation> ShownPage::continuation(const QString& html,
                                                               const QString& baseFolder) const {
    if (m_settled < 0 || baseFolder != m_baseFolder || html.size() < m_settled ||
        QStringView(html).first(m_settled) != QStringView(m_html).first(m_settled))
        return std::nullopt;
    const QStringView rest = QStringView(html).sliced(m_settled);
    const OpenElements::Reading reading = OpenElements::read(rest, OpenElements::From::Body);
    if (!reading.readsAlone)
        return std::nullopt;
    return Continuation{html, m_settled + reading.lastSettled, m_marker,
                        marked(rest, reading.lastSettled)};
}

void ShownPage::continued(Continuation continuation) {
    m_html = std::move(continuation.html);
    m_settled = continuation.settled;
}

void ShownPage::forget() {
    m_html.clear();
    m_settled = -1;
}

QString ShownPage::marked(QStringView html, qsizetype at) const {
    QString text;
    text.reserve(html.size() + m_marker.size() + 7);
    text.append(html.first(at)).append(u"<!--").append(m_marker).append(u"-->");
    return text.append(html.sliced(at));
}

#include "core/platform/StandIns.h"

#include <QSet>

namespace {

constexpr char32_t kSwapped[] = {0x2028, 0x2029, 0xFDD0, 0xFDD1};
// Supplementary private-use area A: U+F0000 to U+FFFFD.
constexpr char32_t kFirstPrivate = 0xF0000;
constexpr char32_t kLastPrivate = 0xFFFFD;

QString asText(char32_t codePoint) {
    return QString::fromUcs4(&codePoint, 1);
}

} // namespace

StandIns StandIns::chooseFor(const QString& text) {
    StandIns chosen;
    QList<char32_t> held;
    for (const char32_t original : kSwapped) {
        if (text.contains(asText(original)))
            held.append(original);
    }
    if (held.isEmpty())
        return chosen;
    QSet<char32_t> used;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate())
            used.insert(QChar::surrogateToUcs4(text[i], text[i + 1]));
    }
    char32_t next = kFirstPrivate;
    for (const char32_t original : held) {
        while (next <= kLastPrivate && used.contains(next))
            ++next;
        if (next > kLastPrivate) {
            chosen.m_complete = false;
            chosen.m_swaps.clear();
            return chosen;
        }
        chosen.m_swaps.append({original, next++});
    }
    return chosen;
}

QString StandIns::hide(QString text) const {
    return swapped(std::move(text), true);
}

QString StandIns::restore(QString text) const {
    return swapped(std::move(text), false);
}

QString StandIns::readOnlyNotice() {
    return QStringLiteral("Diese Datei enthält Zeichen, die Quillmark nicht unverändert "
                          "speichern kann; sie ist nur zum Lesen geöffnet.");
}

QString StandIns::swapped(QString text, bool toStandIn) const {
    for (const Swap& swap : m_swaps) {
        const QString from = asText(toStandIn ? swap.original : swap.standIn);
        if (text.contains(from))
            text.replace(from, asText(toStandIn ? swap.standIn : swap.original));
    }
    return text;
}

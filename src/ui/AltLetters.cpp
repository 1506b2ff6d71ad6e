#include "ui/AltLetters.h"

namespace AltLetters {
namespace {

constexpr QChar kMark = u'&';

// Letters and digits every keyboard layout types with Alt.
bool reachable(QChar c) {
    return c.unicode() < 128 && c.isLetterOrNumber();
}

bool startsWord(const QString& caption, qsizetype at) {
    return at == 0 || !caption.at(at - 1).isLetterOrNumber();
}

} // namespace

QChar of(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != kMark)
            continue;
        if (caption.at(i + 1) != kMark)
            return caption.at(i + 1).toUpper();
        ++i; // an ampersand shown as it is
    }
    return {};
}

QString shown(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == kMark && i + 1 < caption.size())
            ++i;
        text.append(caption.at(i));
    }
    return text;
}

QString marked(const QString& caption, Taken& taken) {
    if (const QChar letter = of(caption); !letter.isNull()) {
        taken.insert(letter);
        return caption;
    }
    const auto free = [&](qsizetype at) {
        return reachable(caption.at(at)) && !taken.contains(caption.at(at).toUpper());
    };
    for (const bool wordStartsOnly : {true, false}) {
        for (qsizetype at = 0; at < caption.size(); ++at) {
            if (free(at) && (!wordStartsOnly || startsWord(caption, at))) {
                taken.insert(caption.at(at).toUpper());
                return QString(caption).insert(at, kMark);
            }
        }
    }
    return caption;
}

QString carried(const QString& oldCaption, const QString& newCaption) {
    const QChar letter = of(oldCaption);
    const qsizetype at = letter.isNull() ? -1 : newCaption.indexOf(letter, 0, Qt::CaseInsensitive);
    return at < 0 ? newCaption : QString(newCaption).insert(at, kMark);
}

} // namespace AltLetters

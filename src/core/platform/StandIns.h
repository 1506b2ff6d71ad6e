#pragma once

#include <QList>
#include <QString>

// A text field turns U+2028, U+2029, U+FDD0 and U+FDD1 into line breaks of its own. While a
// file's text is in a field, each of them that the file holds is kept as a stand-in from a
// private-use plane that the file does not contain, and put back when the text is written.
class StandIns final {
public:
    // Chooses stand-ins for the characters the text holds, each a code point the text does
    // not contain.
    static StandIns chooseFor(const QString& text);

    // False when the text holds one of the characters but every code point that could
    // stand in for it is taken: the text cannot go through a field and back unchanged.
    bool complete() const { return m_complete; }

    // Whether any character is held by a stand-in.
    bool swapsAny() const { return !m_swaps.isEmpty(); }

    QString hide(QString text) const;
    QString restore(QString text) const;

    // What the user is told of a file that is opened only to be read for that reason.
    static QString readOnlyNotice();

private:
    struct Swap {
        char32_t original;
        char32_t standIn;
    };
    QString swapped(QString text, bool toStandIn) const;

    QList<Swap> m_swaps;
    bool m_complete = true;
};

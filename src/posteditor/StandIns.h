#pragma once

#include <QList>
#include <QString>

// The editing field turns U+2028, U+2029, U+FDD0 and U+FDD1 into line breaks of its own.
// While a file is edited each of them is held as a stand-in from a private-use plane that
// the file does not contain, and put back when the text is written.
class StandIns final {
public:
    // Chooses stand-ins that the text does not contain.
    static StandIns chooseFor(const QString& text);

    QString hide(QString text) const;
    QString restore(QString text) const;

private:
    struct Swap {
        char32_t original;
        char32_t standIn;
    };
    QString swapped(QString text, bool toStandIn) const;

    QList<Swap> m_swaps;
};

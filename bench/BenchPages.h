#pragma once

#include <QStringList>

// The page the benchmarks work on: 100,000 styled paragraphs with umlauts.
inline QStringList benchPageLines() {
    QStringList lines;
    lines.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        lines.append(
            QStringLiteral("<p style=\"font-family:Arial; font-size:12pt\">Zeile %1 äöü</p>")
                .arg(i));
    return lines;
}

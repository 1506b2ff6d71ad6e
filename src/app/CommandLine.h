#pragma once

#include <QString>
#include <QStringList>

// What the program was asked on its command line: a page to open, a file for the
// post-editor, or an answer to print and end with (the help, the version, a mistake). It is
// read before the application exists, so that the answers need no display.
struct CommandLineRequest {
    // At least 0: print out and err, then end with this code instead of starting.
    int exitCode = -1;
    QString out;
    QString err;
    // Full paths, or empty.
    QString page;
    QString postFile;

    bool ends() const { return exitCode >= 0; }
};

// The arguments as the program got them, its own name first.
CommandLineRequest readCommandLine(const QStringList& arguments);

#pragma once

#include <QString>
#include <QStringList>

// The two checkers every page of the modern kind must pass, run on a page file. Each returns
// its findings, one readable line a finding, and also logs each line as a warning, since a
// failed comparison of lists shows only their sizes:
//     QCOMPARE(Validators::nuMessages({path}), QStringList{});
// A checker that cannot do its work (not installed, the file missing, no report in time) gives
// a line that says so, so that a page never passes unchecked. `make test` installs both.
namespace Validators {

// What HTML Tidy writes for "tidy -e -q": every line is a finding.
QStringList tidyMessages(const QString& path);

// The errors and warnings of the Nu Html Checker, the page's CSS included, each as
// "error, line 12: message [extract]"; its other notes are left out. A file named *.css is
// checked as a style sheet.
// Several pages are checked in one run of the checker, which saves its start-up of a few
// seconds each; each finding then begins with its file's name.
QStringList nuMessages(const QStringList& paths);

} // namespace Validators

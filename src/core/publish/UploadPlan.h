#pragma once

#include "core/platform/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

// A file that goes up: where it lies, and where it goes below the folder on the server.
struct UploadFile {
    QString localPath;    // absolute
    QString relativePath; // below the page's folder, with '/': "bilder/a.jpg"
};

// What publishing a page sends, and what it names but leaves behind.
struct UploadPlan {
    // The page first, then every file in the order it is first named.
    QList<UploadFile> files;
    // Names of local files that lie outside the page's folder, as the page writes them.
    QStringList outside;
    // Names of local files that do not exist, as the page writes them.
    QStringList missing;
};

// The plan for a page file. The page goes up with every local file it names in its folder or
// below it: in src, href and background attributes and in url() in style attributes and
// <style> elements. A page it names (.html, .htm; links, frames, inline frames) is read for
// its files too, but the pages that one names are not. Addresses with a scheme or a host, and
// names in comments and scripts, are left alone; a query or fragment is dropped and percent
// signs are decoded. A name that leads out of the folder, through ".." or a symbolic link,
// counts as outside. An error when the page itself cannot be read.
Expected<UploadPlan> planUpload(const QString& pagePath);

// The sentences that say why named files stay behind: the names follow, as written.
QString outsideSentence(const QStringList& names);
QString missingSentence(const QStringList& names);

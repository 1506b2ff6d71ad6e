#include "core/context/PagePictures.h"

#include "core/platform/BareFileName.h"
#include "core/platform/PageFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool sameFolder(const QString& first, const QString& second) {
    const QString canonical = QDir(first).canonicalPath();
    return !canonical.isEmpty() && canonical == QDir(second).canonicalPath();
}

QString leftAlone(const QString& name) {
    return QStringLiteral("„%1“ liegt schon anders im Ordner der Seite und wurde nicht ersetzt.")
        .arg(name);
}

QString notCopied(const QString& name, const QString& reason) {
    return QStringLiteral("„%1“ konnte nicht in den Ordner der Seite kopiert werden: %2")
        .arg(name, reason);
}

} // namespace

void PagePictures::remember(const QString& path) {
    m_pathsByName.insert(BareFileName(path), path);
}

void PagePictures::forget() {
    m_pathsByName.clear();
}

PagePictures::Copied PagePictures::copyInto(const QString& pageFolder,
                                            const QStringList& pageLines) const {
    Copied copied;
    for (auto it = m_pathsByName.cbegin(); it != m_pathsByName.cend(); ++it) {
        const QString& name = it.key();
        const QString& source = it.value();
        if (sameFolder(QFileInfo(source).absolutePath(), pageFolder) ||
            std::none_of(pageLines.cbegin(), pageLines.cend(),
                         [&name](const QString& line) { return line.contains(name); }))
            continue;
        const QString target = QDir(pageFolder).filePath(name);
        if (QFileInfo::exists(target)) {
            // The same picture is there already; another one of that name is not replaced.
            if (const Expected<bool> same = PageFile::sameBytes(source, target);
                !same.ok() || !same.value)
                copied.problems.append(leftAlone(name));
            continue;
        }
        if (const Outcome outcome = PageFile::copyFile(source, target); !outcome.ok()) {
            copied.problems.append(notCopied(name, outcome.error));
            continue;
        }
        ++copied.count;
    }
    copied.problems.sort();
    return copied;
}

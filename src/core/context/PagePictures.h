#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The pictures the user chose for the page from its file choosers. The page names each by its
// bare file name, so every save copies the ones it still names into the page's folder.
class PagePictures final {
public:
    // What a save's copying did.
    struct Copied {
        int count = 0;        // files copied; files already there with the same bytes are not
        QStringList problems; // one line for each file left alone or not copied
    };

    // A file chosen in a chooser whose field takes its bare name. A later choice of the same
    // name from another folder replaces the earlier one.
    void remember(const QString& path);
    // "Neu": the page names none of them any more.
    void forget();
    // The full path chosen for each bare name.
    const QHash<QString, QString>& pathsByName() const { return m_pathsByName; }

    // Copies each remembered file whose name appears in the page and that lies in another
    // folder into the page's folder, unless a file of that name is there already. A failed
    // copy leaves nothing behind in the folder.
    Copied copyInto(const QString& pageFolder, const QStringList& pageLines) const;

private:
    QHash<QString, QString> m_pathsByName;
};

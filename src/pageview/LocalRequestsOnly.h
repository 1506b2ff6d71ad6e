#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWebEngineUrlRequestInterceptor>

// Lets through only what belongs to the page: regular local files in the page's folder and
// below, in the user's home folder (so that "../" names keep working) and in the folder of
// the copy the engine shows, and the pictures the user chose for the page. Nothing from the
// network, no device, pipe or folder listing, no other file of the machine. A picture chosen
// elsewhere that is missing where the page looks for it is taken from where it was chosen.
class LocalRequestsOnly final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    explicit LocalRequestsOnly(const QString& shownCopyFolder);
    void setPageFolder(const QString& folder);
    void setPictures(const QHash<QString, QString>& pathsByName);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    bool mayRead(const QString& path) const;
    void collectFolders();

    QString m_shownCopyFolder;
    QString m_pageFolder;
    QStringList m_folders; // canonical, each ending with '/'
    QHash<QString, QString> m_pictures;
    QSet<QString> m_chosenFiles; // canonical paths of the chosen pictures
};

#include "ui/FileDrops.h"

#include "core/context/PagePictures.h"
#include "core/platform/BareFileName.h"
#include "platform/DialogObjects.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>

void takePicture(const QString& path, QLineEdit& field, OpenDialogObject& dialog,
                 PagePictures& pictures) {
    dialog.choose(path);
    pictures.remember(path);
    field.setText(BareFileName(path));
}

FileDrops::FileDrops(QWidget& window, std::function<bool(const QString&)> takes,
                     std::function<void(const QString&)> open)
    : QObject(&window), m_window(window), m_takes(std::move(takes)), m_open(std::move(open)) {}

void FileDrops::takePictures(QWidget& area, QLineEdit& field, OpenDialogObject& dialog,
                             PagePictures& pictures) {
    m_pictureAreas.append({&area, &field, &dialog, &pictures});
}

void FileDrops::watchWindow() {
    // Drags over widgets that take none reach the window.
    m_window.setAcceptDrops(true);
    m_window.installEventFilter(this);
    for (QWidget* widget : m_window.findChildren<QWidget*>())
        widget->installEventFilter(this);
    for (const PictureArea& area : std::as_const(m_pictureAreas))
        area.area->setAcceptDrops(true);
}

namespace {

bool carriesLocalFiles(const QDropEvent& event) {
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace

QString FileDrops::draggedFile(const QDropEvent& event) {
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    return urls.constFirst().toLocalFile();
}

std::function<void()> FileDrops::actionFor(QWidget& widget, const QString& path) const {
    for (const PictureArea& area : m_pictureAreas) {
        if ((&widget == area.area || area.area->isAncestorOf(&widget)) && area.dialog->offers(path))
            return [area, path] { takePicture(path, *area.field, *area.dialog, *area.pictures); };
    }
    if (m_takes(path)) {
        // The window may ask about unsaved work first, which must not happen inside the drop.
        return [this, path] { QTimer::singleShot(0, this, [this, path] { m_open(path); }); };
    }
    return {};
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    // Text dragged between fields, or a web address, is the fields' own business.
    if (!carriesLocalFiles(*drop))
        return false;
    const QString path = draggedFile(*drop);
    const std::function<void()> action =
        path.isEmpty() ? std::function<void()>() : actionFor(*static_cast<QWidget*>(watched), path);
    if (!action) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        action();
    return true;
}

#pragma once

#include <QList>
#include <QObject>

#include <functional>

class OpenDialogObject;
class PagePictures;
class QDropEvent;
class QLineEdit;
class QWidget;

// Files dragged onto a window from the file manager. A picture dropped on a picture's field,
// or on the area that field belongs to, fills the field as its chooser would; a file the
// window takes (a page for the main window) is opened, after the window's question about
// unsaved work; any other file is refused, and the cursor shows it. Drags of text between
// fields go on as before.
class FileDrops final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileDrops)
public:
    // takes says which files the window opens; open opens one, once the drop is over.
    FileDrops(QWidget& window, std::function<bool(const QString&)> takes,
              std::function<void(const QString&)> open);

    // Pictures the dialog offers, dropped on area (the field itself, or a page holding it):
    // the field takes the bare name, the pictures the full path.
    void takePictures(QWidget& area, QLineEdit& field, OpenDialogObject& dialog,
                      PagePictures& pictures);

    // Watches the window and everything in it now; call once the window is built.
    void watchWindow();

    // The file a drag carries: one local file, or none.
    static QString draggedFile(const QDropEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PictureArea {
        QWidget* area;
        QLineEdit* field;
        OpenDialogObject* dialog;
        PagePictures* pictures;
    };
    // What a drop of the file on the widget would do; nothing when it is refused.
    std::function<void()> actionFor(QWidget& widget, const QString& path) const;

    QWidget& m_window;
    std::function<bool(const QString&)> m_takes;
    std::function<void(const QString&)> m_open;
    QList<PictureArea> m_pictureAreas;
};

// Puts a chosen picture into its field as every picture chooser does: the field takes the
// bare name, the dialog and the page's pictures the full path.
void takePicture(const QString& path, QLineEdit& field, OpenDialogObject& dialog,
                 PagePictures& pictures);

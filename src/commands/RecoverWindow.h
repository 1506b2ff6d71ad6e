#pragma once

#include "core/context/RecoveryCopy.h"

#include <QHash>
#include <QWidget>

class Dialogs;
class EditorText;
class Navigation;
class PageDocument;
class QLabel;
class QListWidget;
class QPushButton;
class RecoveryFolder;

// „Nicht gespeicherte Arbeit wiederherstellen“: lists the copies of unsaved work that programs
// no longer running left behind, one checked line each, and takes the checked ones up into
// their windows as unsaved work again, or discards them after one question. Closed, it leaves
// the copies for the next start.
class RecoverWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecoverWindow)
public:
    // Where copies go back to: the main window's page and the post-editor's text.
    struct Targets {
        PageDocument& page;
        EditorText& postEditor;
    };

    RecoverWindow(RecoveryFolder& folder, Dialogs& dialogs, Navigation& navigation, Targets targets,
                  QWidget* owner);

    // Lists the copies that programs no longer running left behind and names those that
    // cannot be read, which stay where they are. True when there is something to offer.
    bool offer();

    // „Wiederherstellen“: the newest checked copy of each window goes back into it, after the
    // window's own question when it holds unsaved work; older ones stay listed.
    void RecoverButtonClick();
    // „Verwerfen“: after one question, the checked copies are deleted.
    void DiscardButtonClick();
    // F1: the help page on recovering unsaved work.
    void FormHelp();

private:
    void createControls();
    QStringList checkedPaths() const;
    // Takes the copy up into its window, then deletes it.
    void takeUp(const QString& path);
    // Takes the line off the list and deletes its copy.
    void remove(const QString& path);

    RecoveryFolder& m_folder;
    Dialogs& m_dialogs;
    Navigation& m_navigation;
    Targets m_targets;
    // The copies listed, by the path of their file.
    QHash<QString, RecoveryCopy> m_copies;
    QListWidget* m_list = nullptr;
    QLabel* m_status = nullptr;
};

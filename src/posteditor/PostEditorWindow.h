#pragma once

#include <QMainWindow>

class WindowSet;

// "HTML-Quelltext nachbearbeiten": edits an existing page file as plain text.
class PostEditorWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PostEditorWindow)
public:
    explicit PostEditorWindow(WindowSet& windows);

    // Shows the window unchanged, with the text it held when it was last closed.
    void showEditor();
    // Whether its text holds changes that were not saved.
    bool hasUnsavedChanges() const;
};

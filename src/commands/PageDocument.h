#pragma once

#include "commands/FileDocument.h"

#include <QObject>

class Navigation;
class PageContext;
struct RecoveryCopy;
struct RecoverySnapshot;

// The main window's page as the file commands see it: "Error 407" asks before unsaved work
// goes, "Neu" empties the fields and shows the general settings, a page taken up declares
// UTF-8, a save closes the page and takes its pictures along, and the status bar says what
// happened.
class PageDocument final : public QObject, public FileDocument {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageDocument)
public:
    PageDocument(PageContext& context, Navigation& navigation, QObject* parent = nullptr);

    bool hasUnsavedChanges() const override;
    void whenDiscarded(std::function<void()> go) override;
    void beginAnew(NewVariant variant) override;
    Outcome open(const QString& path) override;
    bool isReadOnly() const override;
    bool hasFile() const override;
    QString ownFile() const override;
    std::optional<Outcome> write(const QString& path) override;
    QString previewFile() const override;
    void previewed(const QString& path) override;
    Outcome print(QPrinter& printer) override;

    // What a copy of the unsaved page is taken from, cheap enough for every change.
    RecoverySnapshot recoverySnapshot() const;
    // Takes up a copy of unsaved work in place of the page, as unsaved work again, with the
    // file, kind, settings and pictures it had.
    void restore(const RecoveryCopy& copy);

signals:
    // "Neu" empties the page: the tab pages empty the fields that this variant empties.
    void pageBegunAnew(NewVariant variant);
    // A page was taken up from its file.
    void pageOpened();

private:
    PageContext& m_context;
    Navigation& m_navigation;
};

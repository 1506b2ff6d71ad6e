#pragma once

#include "platform/Dialogs.h"

class QWidget;

// The real dialogs, parented to the window that is active when they are asked for.
class QtDialogs final : public Dialogs {
public:
    QtDialogs() = default;
    std::optional<SaveAnswer> saveFileName(const QString& proposal, const QString& folder,
                                           const QString& filter) override;
    std::optional<QString> openFileName(const QString& proposal, const QString& filter) override;
    std::optional<QString> openPictureName(const QString& proposal, const QString& filter) override;
    std::optional<FontChoice> font(const FontChoice& initial) override;
    std::optional<QColor> color(const QColor& initial) override;
    std::unique_ptr<QPrinter> print() override;
    void message(const QString& text) override;
    void error(const QString& text) override;
    bool question(const QString& text) override;
    bool yesOrNo(const QString& text, QWidget* over) override;
    bool trust(const QString& text, QWidget* over) override;
};

// Opens a page in the desktop's web browser (see BrowserLauncher), a web address through
// QDesktopServices.
class DesktopDocumentOpener final : public DocumentOpener {
public:
    bool open(const QString& path) override;
    bool openAddress(const QString& address) override;
};

#pragma once

#include "context/Message.h"

#include <QString>

#include <functional>

// What a window may ask of the program's other windows. The window set implements it, so
// that no window needs to know another.
class Navigation {
public:
    virtual ~Navigation() = default;

    virtual void showMessage(Message which) = 0;
    // "Error 407": runs proceed after "Ja"; "Nein" and the close box drop it.
    virtual void askToDiscard(std::function<void()> proceed) = 0;
    // Switches the main window to "Allgemeine Einstellungen" without the tab warning,
    // enabling the page too when asked.
    virtual void showGeneralSettings(bool enablePage) = 0;
    virtual void showFormBuilder() = 0;
    virtual void showFrameBuilder() = 0;
    virtual void showPostEditor() = 0;
    virtual void showAbout() = 0;
    // „Veröffentlichen“ with the settings of the page's folder.
    virtual void showPublish() = 0;
    // The program help at the named page, or at the page it showed last.
    virtual void showHelpPage(const QString& page) = 0;
    virtual void showLastHelpPage() = 0;
    // The HTML tutorial at its first page, or at the page it showed last.
    virtual void showHtmlHelp() = 0;
    virtual void showLastHtmlHelpPage() = 0;
    // Saves the page as "Speichern" does, asking for a name when it has none; false when
    // the user cancelled or the save failed.
    virtual bool savePage() = 0;
    // When the program ends: the post-editor asks, in front of its window, whether its
    // unsaved text may go; true when there is none or the user lets it go.
    virtual bool postEditorMayEnd() = 0;
    // Closes the main window, which asks first when work is unsaved, and so ends the program.
    virtual void endProgram() = 0;
};

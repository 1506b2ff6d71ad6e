#pragma once

#include "core/context/PageKindSetting.h"
#include "core/context/PagePictures.h"
#include "core/context/PageState.h"
#include "core/platform/Outcome.h"
#include "core/source/PageSource.h"
#include "core/source/StatusNotices.h"
#include "platform/DialogObjects.h"
#include "platform/Dialogs.h"
#include "ui/SpellChecker.h"

class DocumentOpener;

// What every window works with, built before any window: the page document, its status
// notices, the program's shared dialogs, the page's state and the pictures chosen for it.
class PageContext final {
    Q_DISABLE_COPY_MOVE(PageContext)
public:
    PageContext(Dialogs& dialogs, DocumentOpener& opener)
        : ask(dialogs), opener(opener), dialogs(dialogs) {
        // A page begins as the kind the user chose last.
        state.setKind(PageKindSetting::remembered());
    }

    Dialogs& ask;
    DocumentOpener& opener;
    SharedDialogs dialogs;
    PageSource document;
    StatusNotices notices;
    PageState state;
    PagePictures pictures;
    SpellChecker spelling{ask};

    // Whether what is added now is written as a modern page.
    bool isModern() const { return state.kind() == PageKind::Modern; }

    // The one place a page shows what went wrong: true, after the error message, when the
    // outcome is a failure, so that the command stops there.
    bool failed(const Outcome& outcome) {
        if (outcome.ok())
            return false;
        ask.error(outcome.error);
        return true;
    }

    // The one way a button puts its lines into the page: they are appended (and the page's
    // readers told), then the status bar shows the message. False when the page takes nothing.
    bool add(const QStringList& lines, const QString& message) {
        if (!document.commit(lines))
            return false;
        notices.PostStatusMessage(message);
        return true;
    }
    // The same with the notice "<name> wurde hinzugefügt".
    bool addElement(const QStringList& lines, const QString& name) {
        return add(lines, StatusNotices::added(name));
    }
};

#include "commands/PageHandOver.h"

#include "context/PageContext.h"

namespace PageHandOver {

PageViewDock::Page asSaved(PageContext& context) {
    return {[&context] { return context.document.linesAsSaved().join(u'\n'); },
            [&context] { return context.dialogs.lastChosen.folderFor(context.state.ownFile()); },
            [&context] { return context.pictures.pathsByName(); }};
}

} // namespace PageHandOver

#pragma once

#include "ui/PageViewDock.h"

class PageContext;

namespace PageHandOver {
// The main window's page as its page view shows it and "Seite drucken..." prints it: the page
// as a save would write it, relative names resolved in the folder the save dialog opens in,
// pictures chosen elsewhere found where they were chosen.
PageViewDock::Page asSaved(PageContext& context);
} // namespace PageHandOver

#include "generators/TabPageTable.h"

#include "core/generators/Captions.h"
#include "generators/FormsPage.h"
#include "generators/GeneralSettingsPage.h"
#include "generators/ImagesPage.h"
#include "generators/LinesPage.h"
#include "generators/LinksPage.h"
#include "generators/ListsPage.h"
#include "generators/SourcePage.h"
#include "generators/TablesPage.h"
#include "generators/TextPage.h"

#include <array>

std::span<const TabPageEntry> TabPageTable() {
    static const std::array<TabPageEntry, 9> kPages{{
        {.caption = "Allgemeine Einstellungen",
         .helpPage = "TabSheet1",
         .create = [](PageServices& s, QWidget*) -> TabPage* {
             return new GeneralSettingsPage(s);
         }},
        {.caption = "Text",
         .helpPage = "TabSheet2",
         .create = [](PageServices& s, QWidget*) -> TabPage* { return new TextPage(s); }},
        {.caption = "Bilder",
         .helpPage = "TabSheet3",
         .create = [](PageServices& s, QWidget*) -> TabPage* { return new ImagesPage(s); }},
        {.caption = "Links",
         .helpPage = "TabSheet4",
         .create = [](PageServices& s, QWidget*) -> TabPage* { return new LinksPage(s); }},
        {.caption = "Linien",
         .helpPage = "TabSheet12",
         .create = [](PageServices& s, QWidget*) -> TabPage* { return new LinesPage(s); }},
        {.caption = Captions::kTablesPage,
         .helpPage = "TabSheet23",
         .create = [](PageServices& s, QWidget*) -> TabPage* { return new TablesPage(s); }},
        {.caption = Captions::kListsPage,
         .helpPage = "TabSheet24",
         .create = [](PageServices& s, QWidget*) -> TabPage* { return new ListsPage(s); }},
        {.caption = Captions::kFormsPage,
         .helpPage = "TabSheet13",
         .create = [](PageServices& s, QWidget*) -> TabPage* { return new FormsPage(s); }},
        {.caption = "Quelltext",
         .helpPage = "TabSheet5",
         .create = [](PageServices& s, QWidget* sourceArea) -> TabPage* {
             return new SourcePage(s, sourceArea);
         }},
    }};
    return kPages;
}

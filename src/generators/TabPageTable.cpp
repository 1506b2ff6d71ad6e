#include "generators/TabPageTable.h"

#include "generators/Captions.h"
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
        {"Allgemeine Einstellungen", "TabSheet1",
         [](PageServices& s, QWidget*) -> TabPage* { return new GeneralSettingsPage(s); }},
        {"Text", "TabSheet2",
         [](PageServices& s, QWidget*) -> TabPage* { return new TextPage(s); }},
        {"Bilder", "TabSheet3",
         [](PageServices& s, QWidget*) -> TabPage* { return new ImagesPage(s); }},
        {"Links", "TabSheet4",
         [](PageServices& s, QWidget*) -> TabPage* { return new LinksPage(s); }},
        {"Linien", "TabSheet12",
         [](PageServices& s, QWidget*) -> TabPage* { return new LinesPage(s); }},
        {Captions::kTablesPage, "TabSheet23",
         [](PageServices& s, QWidget*) -> TabPage* { return new TablesPage(s); }},
        {Captions::kListsPage, "TabSheet24",
         [](PageServices& s, QWidget*) -> TabPage* { return new ListsPage(s); }},
        {Captions::kFormsPage, "TabSheet13",
         [](PageServices& s, QWidget*) -> TabPage* { return new FormsPage(s); }},
        {"Quelltext", "TabSheet5",
         [](PageServices& s, QWidget* sourceArea) -> TabPage* {
             return new SourcePage(s, sourceArea);
         }},
    }};
    return kPages;
}

#pragma once

#include "core/generators/ListsHtml.h"
#include "generators/TabPage.h"

#include <memory>

class QGridLayout;

// The tab page "Listen": sorted and unsorted lists, nested to any depth. A list is put
// together entry by entry in two hidden fields (its lines and the closing tags of the lists
// still open), shown in a preview, and goes into the page in one step.
class ListsPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListsPage)
public:
    explicit ListsPage(PageServices& services);
    ~ListsPage() override;
    void emptyForNew(NewVariant variant) override;

    // "sortiert": the numberings and the sorted list's begin button.
    void RadioButton27Click();
    // "unsortiert": the bullets and the unsorted list's begin button.
    void RadioButton28Click();
    // Begins a list of the chosen kind, nested in the one open.
    void Button25Click();
    // "Eintrag hinzufügen": adds the entry to the list open.
    void Button24Click();
    // "zurückrücken": closes the innermost list open.
    void Button26Click();
    // "Liste zum Quelltext hinzufügen": closes every list open and appends them.
    void Button27Click();

private:
    struct Ui;
    void createKindAndStyles(QGridLayout& grid);
    void createEntryControls(QGridLayout& grid, QHBoxLayout& sides);
    void createPlacement(QVBoxLayout& column);
    ListKind kind() const;
    ListStyle checkedStyle(ListKind kind) const;
    // Checks the kind's radio button and shows its styles and its begin caption.
    void switchKind(ListKind kind);

    std::unique_ptr<Ui> m_ui;
    // SortedEntryCount: numbers the sorted entries in the preview across all lists of the
    // run; nothing resets it.
    int m_sortedEntryCount = 0;
};

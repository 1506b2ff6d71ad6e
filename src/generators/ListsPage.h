#pragma once

#include "generators/ListsHtml.h"
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

    void RadioButton27Click();
    void RadioButton28Click();
    void Button25Click();
    void Button24Click();
    void Button26Click();
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

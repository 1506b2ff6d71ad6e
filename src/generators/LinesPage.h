#pragma once

#include "generators/TabPage.h"

#include <memory>

// The tab page "Linien": a horizontal rule.
class LinesPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinesPage)
public:
    explicit LinesPage(PageServices& services);
    ~LinesPage() override;
    void emptyForNew(NewVariant variant) override;

    // "Zum Quelltext hinzufügen": appends the rule.
    void Button13Click();
    // "Farbassistent": chooses the rule's colour.
    void Button3Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};

#pragma once

#include "forms/FormPage.h"

#include <memory>

// "Auswahlliste": a question answered by picking an option from a list.
class SelectionListPage final : public FormPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectionListPage)
public:
    explicit SelectionListPage(PageContext& context);
    ~SelectionListPage() override;

    int OptionCount() const;

    // "Neue Antwortmöglichkeit": collects the option of Edit41.
    void Button15Click();
    // "Frage hinzufügen": writes the question with the list of collected options.
    void Button14Click();
    // The font assistant.
    void Button9Click();

private:
    struct Ui;
    std::unique_ptr<Ui> m_ui;
};

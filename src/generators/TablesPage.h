#pragma once

#include "generators/TabPage.h"

#include <QStringList>

#include <memory>

// The tab page "Tabellen": a table, built tag by tag. Six buttons each append one piece
// (table, row and cell opened and closed); the contents of a cell come from the other tabs.
class TablesPage final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TablesPage)
public:
    explicit TablesPage(PageServices& services);
    ~TablesPage() override;
    void emptyForNew(NewVariant variant) override;

    void Button14Click();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button18Click();
    void Button19Click();
    void Button20Click();
    void Button21Click();
    void Button22Click();
    void Button23Click();

private:
    struct Ui;
    void createGeneralSettings(QHBoxLayout& sides);
    void createCellSettings(QHBoxLayout& sides);
    void createButtons(QVBoxLayout& column);

    std::unique_ptr<Ui> m_ui;
};

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

    // "Tabelle erstellen": appends the table's opening lines.
    void Button14Click();
    // "Reihe öffnen".
    void Button15Click();
    // "Zelle öffnen", with the cell's settings.
    void Button16Click();
    // "Zelle schließen".
    void Button17Click();
    // "Reihe schließen".
    void Button18Click();
    // "Tabelle beenden": appends the table's closing lines.
    void Button19Click();
    // The colour assistant of the table's border.
    void Button20Click();
    // The colour assistant of the table's background.
    void Button21Click();
    // The colour assistant of the cell's border.
    void Button22Click();
    // The colour assistant of the cell's background.
    void Button23Click();

private:
    struct Ui;
    void createGeneralSettings(QHBoxLayout& sides);
    void createCellSettings(QHBoxLayout& sides);
    void createButtons(QVBoxLayout& column);

    std::unique_ptr<Ui> m_ui;
};

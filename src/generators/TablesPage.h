#pragma once

#include "core/platform/Outcome.h"
#include "generators/TabPage.h"

#include <QStringList>

#include <memory>

// The tab page "Tabellen": a table, built tag by tag. Six buttons each append one piece
// (table, row and cell opened and closed); the contents of a cell come from the other tabs.
// Or a whole table at once, its cells typed into a grid, with the same pieces.
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
    // "Tabelle mit Inhalt erstellen": appends the whole table with the grid's texts.
    void Button46Click();

private:
    struct Ui;
    void createGeneralSettings(QVBoxLayout& side);
    void createCellSettings(QVBoxLayout& side);
    void createButtons(QVBoxLayout& column);

    // The lines of the pieces that follow the settings, as the controls set them now and in
    // the page's kind; shared by the tag buttons and the whole table. The table's start and
    // end are refused when their spacing box holds no whole number.
    Expected<QStringList> tableStartLines() const;
    QStringList cellOpenLines() const;
    Expected<QStringList> tableEndLines() const;
    // The grid's texts, row by row, as the page's kind writes text.
    QList<QStringList> cellTexts() const;
    // Adds a piece that could be read, with its status message.
    void addPiece(const Expected<QStringList>& lines, const QString& message);

    std::unique_ptr<Ui> m_ui;
};

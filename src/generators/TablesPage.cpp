#include "generators/TablesPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "core/generators/Captions.h"
#include "core/generators/TablesHtml.h"
#include "core/source/PageSource.h"
#include "core/source/SourceHtml.h"
#include "core/source/StatusNotices.h"
#include "generators/Assistants.h"
#include "generators/PageParts.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "generators/TableContentsBox.h"
#include "platform/DialogObjects.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// The columns of the two settings grids.
enum Column { CaptionColumn, FieldColumn, PictureColumn, ButtonColumn };

// A caption and its text field on one row of a grid.
QLineEdit* fieldRow(QGridLayout& grid, int row, const char* labelName, const QString& text,
                    const char* fieldName) {
    QWidget* page = grid.parentWidget();
    grid.addWidget(caption(page, labelName, text), row, CaptionColumn);
    auto* field = named<QLineEdit>(page, fieldName);
    grid.addWidget(field, row, FieldColumn);
    return field;
}

QPushButton* assistantButton(QGridLayout& grid, int row, const char* name) {
    auto* button = named<QPushButton>(grid.parentWidget(), name, QStringLiteral("Farbassistent"));
    grid.addWidget(button, row, ButtonColumn, Qt::AlignLeft);
    return button;
}

ClickableLabel* colorPicture(QGridLayout& grid, int row, const char* name) {
    ClickableLabel* picture = assistantPicture(grid.parentWidget(), name, AssistantPicture::Color);
    grid.addWidget(picture, row, PictureColumn);
    return picture;
}

// A settings grid under its bold heading, at the top of its side of the page.
QGridLayout* settingsGrid(QWidget* page, QVBoxLayout& side, const char* headingName,
                          const QString& headingText) {
    side.addWidget(heading(page, headingName, headingText));
    QGridLayout* grid = Layout::nestedGrid();
    side.addLayout(grid);
    return grid;
}

} // namespace

struct TablesPage::Ui {
    QLineEdit* Edit25 = nullptr;
    QLineEdit* Edit26 = nullptr;
    QLineEdit* Edit27 = nullptr;
    QLineEdit* Edit28 = nullptr;
    QLineEdit* Edit29 = nullptr;
    QLineEdit* Edit30 = nullptr;
    QLineEdit* Edit31 = nullptr;
    QComboBox* ComboBox12 = nullptr;
    QComboBox* ComboBox13 = nullptr;
    PositionPicker* picker = nullptr;
    TableContentsBox* contents = nullptr;
};

TablesPage::TablesPage(PageServices& services)
    : TabPage("TabSheet8", services), m_ui(std::make_unique<Ui>()) {
    QVBoxLayout* column = Layout::column(content());
    QHBoxLayout* sides = Layout::nestedRow();
    sides->setSpacing(Layout::kGroupSpacing);
    column->addLayout(sides, 1);
    QVBoxLayout* tableSide = Layout::nestedColumn();
    QVBoxLayout* cellSide = Layout::nestedColumn();
    sides->addLayout(tableSide);
    sides->addLayout(cellSide, 1);
    createGeneralSettings(*tableSide);
    tableSide->addStretch(1);
    createCellSettings(*cellSide);
    // The whole table in one step under the cell settings, which it gives every cell; its grid
    // takes the room to spare.
    m_ui->contents = new TableContentsBox(content());
    cellSide->addWidget(m_ui->contents, 1);
    connect(m_ui->contents->addButton(), &QPushButton::clicked, this, &TablesPage::Button46Click);
    createButtons(*column);
    m_services.fields.track(m_ui->Edit25, m_ui->Edit26, m_ui->Edit27, m_ui->Edit28, m_ui->Edit29,
                            m_ui->Edit30, m_ui->Edit31);
}

TablesPage::~TablesPage() = default;

void TablesPage::createGeneralSettings(QVBoxLayout& side) {
    QWidget* page = content();
    QGridLayout* grid =
        settingsGrid(page, side, "Label55", QStringLiteral("Einstellungen Tabelle Allgemein"));
    m_ui->Edit28 = fieldRow(*grid, 0, "Label50", QStringLiteral("Hintergrundfarbe:"), "Edit28");
    connect(assistantButton(*grid, 0, "Button21"), &QPushButton::clicked, this,
            &TablesPage::Button21Click);
    m_ui->Edit29 = fieldRow(*grid, 1, "Label12", QStringLiteral("Borderbreite:"), "Edit29");
    m_ui->Edit30 = fieldRow(*grid, 2, "Label56", QStringLiteral("Borderfarbe:"), "Edit30");
    connect(colorPicture(*grid, 2, "Image60"), &ClickableLabel::clicked, this,
            &TablesPage::Button20Click);
    connect(assistantButton(*grid, 2, "Button20"), &QPushButton::clicked, this,
            &TablesPage::Button20Click);
    m_ui->Edit31 = fieldRow(*grid, 3, "Label57", QStringLiteral("Tabellengröße:"), "Edit31");
    grid->addWidget(caption(page, "Label58", QStringLiteral("in Prozent (%) oder Pixel")), 3,
                    PictureColumn, 1, 2);

    QLabel* label53 = caption(page, "Label53", QStringLiteral("Position Tabelle"));
    m_ui->picker = new PositionPicker({{"Image61", "Image62", "Image63"},
                                       {"Image66", "Image65", "Image64"},
                                       {"RadioButton22", "RadioButton23", "RadioButton24"},
                                       "Panel9"},
                                      page);
    PageParts::addRow(*grid, 4, label53, {m_ui->picker});

    const PageParts::SpacingRows spacing = PageParts::addSpacingRows(
        *grid, 5, page,
        {"Label59", QStringLiteral("Abstand vor Tabelle:"), "ComboBox12", "Label60",
         QStringLiteral("Abstand nach Tabelle:"), "ComboBox13"});
    m_ui->ComboBox12 = spacing.before;
    m_ui->ComboBox13 = spacing.after;

    using Topic = FieldExplanations::Topic;
    m_services.explanations.attach(Topic::Position, {label53});
    m_services.explanations.attach(Topic::SpacingBefore, {spacing.beforeCaption, spacing.before});
    m_services.explanations.attach(Topic::SpacingAfter, {spacing.afterCaption, spacing.after});
}

void TablesPage::createCellSettings(QVBoxLayout& side) {
    QGridLayout* grid =
        settingsGrid(content(), side, "Label51", QStringLiteral("Einstellungen aktuelle Zelle"));
    // The side is as wide as the grid below; the fields keep their width.
    grid->setColumnStretch(ButtonColumn + 1, 1);
    m_ui->Edit25 = fieldRow(*grid, 0, "Label52", QStringLiteral("Borderfarbe:"), "Edit25");
    connect(colorPicture(*grid, 0, "Image55"), &ClickableLabel::clicked, this,
            &TablesPage::Button22Click);
    connect(assistantButton(*grid, 0, "Button22"), &QPushButton::clicked, this,
            &TablesPage::Button22Click);
    m_ui->Edit26 = fieldRow(*grid, 1, "Label49", QStringLiteral("Borderbreite:"), "Edit26");
    m_ui->Edit27 = fieldRow(*grid, 2, "Label54", QStringLiteral("Hintergrundfarbe:"), "Edit27");
    connect(assistantButton(*grid, 2, "Button23"), &QPushButton::clicked, this,
            &TablesPage::Button23Click);
}

void TablesPage::createButtons(QVBoxLayout& column) {
    // Each opening button stands over the button that closes the same piece.
    struct Piece {
        const char* name;
        const char* text;
        void (TablesPage::*handler)();
    };
    static constexpr Piece kOpen[] = {
        {"Button14", Captions::kCreateTable, &TablesPage::Button14Click},
        {"Button15", "Reihe öffnen", &TablesPage::Button15Click},
        {"Button16", "Zelle öffnen", &TablesPage::Button16Click},
    };
    static constexpr Piece kClose[] = {
        {"Button19", Captions::kEndTable, &TablesPage::Button19Click},
        {"Button18", "Reihe schließen", &TablesPage::Button18Click},
        {"Button17", "Zelle schließen", &TablesPage::Button17Click},
    };
    QWidget* page = content();
    column.addWidget(PageParts::rule(page, "TableButtonsRule"));
    QGridLayout* buttons = Layout::nestedGrid();
    for (int i = 0; i < 3; ++i) {
        for (const auto& [pieces, row] : {std::pair{kOpen, 0}, std::pair{kClose, 1}}) {
            const Piece& piece = pieces[i];
            auto* button = named<QPushButton>(page, piece.name, QString::fromUtf8(piece.text));
            buttons->addWidget(button, row, i);
            connect(button, &QPushButton::clicked, this, piece.handler);
        }
    }
    QHBoxLayout* bottom = Layout::nestedRow();
    bottom->addStretch(1);
    bottom->addLayout(buttons);
    column.addLayout(bottom);
}

void TablesPage::emptyForNew(NewVariant variant) {
    if (variant != NewVariant::Menu)
        return;
    for (QLineEdit* field : {m_ui->Edit25, m_ui->Edit26, m_ui->Edit27, m_ui->Edit28, m_ui->Edit29,
                             m_ui->Edit30, m_ui->Edit31})
        field->clear();
}

Expected<QStringList> TablesPage::tableStartLines() const {
    const Expected<int> breaksBefore = SpacingBox::read(*m_ui->ComboBox12);
    if (!breaksBefore.ok())
        return {breaksBefore};
    const TableSettings table{m_ui->Edit29->text(),
                              m_ui->Edit30->text(),
                              m_ui->Edit28->text(),
                              m_ui->Edit31->text(),
                              {m_ui->picker->position(), breaksBefore.value, 0}};
    return {{},
            m_services.context.isModern() ? TablesHtml::modernTableStart(table)
                                          : TablesHtml::tableStart(table)};
}

QStringList TablesPage::cellOpenLines() const {
    const CellSettings cell{m_ui->Edit27->text(), m_ui->Edit26->text(), m_ui->Edit25->text()};
    return m_services.context.isModern() ? TablesHtml::modernCellOpen(cell)
                                         : TablesHtml::cellOpen(cell);
}

Expected<QStringList> TablesPage::tableEndLines() const {
    const Expected<int> breaksAfter = SpacingBox::read(*m_ui->ComboBox13);
    if (!breaksAfter.ok())
        return {breaksAfter};
    const Placement placement{m_ui->picker->position(), 0, breaksAfter.value};
    return {{},
            m_services.context.isModern() ? TablesHtml::modernTableEnd(placement)
                                          : TablesHtml::tableEnd(placement)};
}

QList<QStringList> TablesPage::cellTexts() const {
    QList<QStringList> rows = m_ui->contents->rows();
    if (m_services.context.isModern()) {
        for (QStringList& cells : rows) {
            for (QString& text : cells)
                text = SourceHtml::escapedText(text);
        }
    }
    return rows;
}

void TablesPage::addPiece(const Expected<QStringList>& lines, const QString& message) {
    if (!m_services.context.failed(lines))
        m_services.context.add(lines.value, message);
}

void TablesPage::Button14Click() {
    addPiece(tableStartLines(), QStringLiteral("Tabelle wurde erstellt"));
}

void TablesPage::Button15Click() {
    m_services.context.add(TablesHtml::rowOpen(), QStringLiteral("Reihe wurde geöffnet"));
}

void TablesPage::Button16Click() {
    m_services.context.add(cellOpenLines(), QStringLiteral("Zelle wurde geöffnet"));
}

void TablesPage::Button17Click() {
    m_services.context.add(TablesHtml::cellClose(), QStringLiteral("Zelle wurde geschlossen"));
}

void TablesPage::Button18Click() {
    m_services.context.add(TablesHtml::rowClose(), QStringLiteral("Reihe wurde geschlossen"));
}

void TablesPage::Button19Click() {
    addPiece(tableEndLines(), QStringLiteral("Tabelle wurde beendet"));
}

void TablesPage::Button46Click() {
    // Both spacing boxes are read before anything is added.
    const Expected<QStringList> start = tableStartLines();
    if (m_services.context.failed(start))
        return;
    const Expected<QStringList> end = tableEndLines();
    if (m_services.context.failed(end))
        return;
    m_services.context.addElement(
        TablesHtml::wholeTable({start.value, cellOpenLines(), end.value}, cellTexts()),
        QStringLiteral("Tabelle"));
}

void TablesPage::Button20Click() {
    Assistants::runColorAssistant(m_services.context.dialogs.ColorDialog1, *m_ui->Edit30);
}

void TablesPage::Button21Click() {
    Assistants::runColorAssistant(m_services.context.dialogs.ColorDialog1, *m_ui->Edit28);
}

void TablesPage::Button22Click() {
    Assistants::runColorAssistant(m_services.context.dialogs.ColorDialog1, *m_ui->Edit25);
}

void TablesPage::Button23Click() {
    Assistants::runColorAssistant(m_services.context.dialogs.ColorDialog1, *m_ui->Edit27);
}

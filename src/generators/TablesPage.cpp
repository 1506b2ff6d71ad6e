#include "generators/TablesPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "generators/Assistants.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "generators/TablesHtml.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

namespace {

constexpr int kRowHeight = 30;
constexpr int kFieldHeight = 22;
constexpr int kPictureSize = 20;

// The left column holds the settings of the whole table, the right one those of the cell.
struct Column {
    int labelX;
    int fieldX;
    int fieldWidth;
    int buttonWidth;
};
constexpr Column kTableColumn{16, 168, 120, 100};
constexpr Column kCellColumn{464, 580, 96, 86};
constexpr int kFirstRowY = 44;

QLabel* heading(QWidget* page, const char* name, const QString& text, int x) {
    QLabel* label = caption(page, name, text, x, 12);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->adjustSize();
    return label;
}

// A caption and its text field on one row of a column.
QLineEdit* fieldRow(QWidget* page, const Column& column, int row, const char* labelName,
                    const QString& text, const char* fieldName) {
    const int y = kFirstRowY + row * kRowHeight;
    caption(page, labelName, text, column.labelX, y + 3);
    return place<QLineEdit>(page, fieldName,
                            QRect(column.fieldX, y, column.fieldWidth, kFieldHeight));
}

// Right of a field: the colour picture (where there is one) and the assistant's button.
QPushButton* assistantButton(QWidget* page, const Column& column, int row, const char* name) {
    const int x = column.fieldX + column.fieldWidth + kPictureSize + 12;
    return place<QPushButton>(page, name,
                              QRect(x, kFirstRowY + row * kRowHeight - 1, column.buttonWidth, 24),
                              QStringLiteral("Farbassistent"));
}

ClickableLabel* colorPicture(QWidget* page, const Column& column, int row, const char* name) {
    const int x = column.fieldX + column.fieldWidth + 6;
    return assistantPicture(page, name,
                            QRect(x, kFirstRowY + row * kRowHeight + 1, kPictureSize, kPictureSize),
                            AssistantPicture::Color);
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
};

TablesPage::TablesPage(PageServices& services)
    : TabPage("TabSheet8", services), m_ui(std::make_unique<Ui>()) {
    createGeneralSettings();
    createCellSettings();
    createButtons();
    m_services.fields.track(m_ui->Edit25, m_ui->Edit26, m_ui->Edit27, m_ui->Edit28, m_ui->Edit29,
                            m_ui->Edit30, m_ui->Edit31);
}

TablesPage::~TablesPage() = default;

void TablesPage::createGeneralSettings() {
    heading(this, "Label55", QStringLiteral("Einstellungen Tabelle Allgemein"),
            kTableColumn.labelX);
    m_ui->Edit28 =
        fieldRow(this, kTableColumn, 0, "Label50", QStringLiteral("Hintergrundfarbe:"), "Edit28");
    connect(assistantButton(this, kTableColumn, 0, "Button21"), &QPushButton::clicked, this,
            &TablesPage::Button21Click);
    m_ui->Edit29 =
        fieldRow(this, kTableColumn, 1, "Label12", QStringLiteral("Borderbreite:"), "Edit29");
    m_ui->Edit30 =
        fieldRow(this, kTableColumn, 2, "Label56", QStringLiteral("Borderfarbe:"), "Edit30");
    connect(colorPicture(this, kTableColumn, 2, "Image60"), &ClickableLabel::clicked, this,
            &TablesPage::Button20Click);
    connect(assistantButton(this, kTableColumn, 2, "Button20"), &QPushButton::clicked, this,
            &TablesPage::Button20Click);
    m_ui->Edit31 =
        fieldRow(this, kTableColumn, 3, "Label57", QStringLiteral("Tabellengröße:"), "Edit31");
    caption(this, "Label58", QStringLiteral("in Prozent (%) oder Pixel"),
            kTableColumn.fieldX + kTableColumn.fieldWidth + 8, kFirstRowY + 3 * kRowHeight + 3);

    const int pickerY = kFirstRowY + 4 * kRowHeight + 8;
    QLabel* label53 = caption(this, "Label53", QStringLiteral("Position Tabelle"),
                              kTableColumn.labelX, pickerY + 3);
    m_ui->picker = placedPicker({{"Image61", "Image62", "Image63"},
                                 {"Image66", "Image65", "Image64"},
                                 {"RadioButton22", "RadioButton23", "RadioButton24"},
                                 "Panel9"},
                                this, QPoint(kTableColumn.fieldX, pickerY));

    const int spacingY = pickerY + kRowHeight + 8;
    QLabel* label59 = caption(this, "Label59", QStringLiteral("Abstand vor Tabelle:"),
                              kTableColumn.labelX, spacingY + 3);
    m_ui->ComboBox12 =
        SpacingBox::create(this, "ComboBox12", QRect(kTableColumn.fieldX, spacingY, 60, 22));
    QLabel* label60 = caption(this, "Label60", QStringLiteral("Abstand nach Tabelle:"),
                              kTableColumn.labelX, spacingY + kRowHeight + 3);
    m_ui->ComboBox13 = SpacingBox::create(
        this, "ComboBox13", QRect(kTableColumn.fieldX, spacingY + kRowHeight, 60, 22));

    using Topic = FieldExplanations::Topic;
    m_services.explanations.attach(Topic::Position, {label53});
    m_services.explanations.attach(Topic::SpacingBefore, {label59, m_ui->ComboBox12});
    m_services.explanations.attach(Topic::SpacingAfter, {label60, m_ui->ComboBox13});
}

void TablesPage::createCellSettings() {
    heading(this, "Label51", QStringLiteral("Einstellungen aktuelle Zelle"), kCellColumn.labelX);
    m_ui->Edit25 =
        fieldRow(this, kCellColumn, 0, "Label52", QStringLiteral("Borderfarbe:"), "Edit25");
    connect(colorPicture(this, kCellColumn, 0, "Image55"), &ClickableLabel::clicked, this,
            &TablesPage::Button22Click);
    connect(assistantButton(this, kCellColumn, 0, "Button22"), &QPushButton::clicked, this,
            &TablesPage::Button22Click);
    m_ui->Edit26 =
        fieldRow(this, kCellColumn, 1, "Label49", QStringLiteral("Borderbreite:"), "Edit26");
    m_ui->Edit27 =
        fieldRow(this, kCellColumn, 2, "Label54", QStringLiteral("Hintergrundfarbe:"), "Edit27");
    connect(assistantButton(this, kCellColumn, 2, "Button23"), &QPushButton::clicked, this,
            &TablesPage::Button23Click);
}

void TablesPage::createButtons() {
    // Each opening button stands over the button that closes the same piece.
    struct Piece {
        const char* name;
        const char* text;
        void (TablesPage::*handler)();
    };
    static constexpr Piece kOpen[] = {
        {"Button14", "Tabelle erstellen", &TablesPage::Button14Click},
        {"Button15", "Reihe öffnen", &TablesPage::Button15Click},
        {"Button16", "Zelle öffnen", &TablesPage::Button16Click},
    };
    static constexpr Piece kClose[] = {
        {"Button19", "Tabelle beenden", &TablesPage::Button19Click},
        {"Button18", "Reihe schließen", &TablesPage::Button18Click},
        {"Button17", "Zelle schließen", &TablesPage::Button17Click},
    };
    constexpr int kTop = 316;
    auto* rule = place<QFrame>(this, "TableButtonsRule", QRect(16, kTop - 16, kPageWidth - 32, 2));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    for (int i = 0; i < 3; ++i) {
        for (const auto& [pieces, y] : {std::pair{kOpen, kTop}, std::pair{kClose, kTop + 40}}) {
            const Piece& piece = pieces[i];
            auto* button = place<QPushButton>(this, piece.name, QRect(16 + i * 180, y, 160, 30),
                                              QString::fromUtf8(piece.text));
            connect(button, &QPushButton::clicked, this, piece.handler);
        }
    }
}

void TablesPage::emptyForNew(NewVariant variant) {
    if (variant != NewVariant::Menu)
        return;
    for (QLineEdit* field : {m_ui->Edit25, m_ui->Edit26, m_ui->Edit27, m_ui->Edit28, m_ui->Edit29,
                             m_ui->Edit30, m_ui->Edit31})
        field->clear();
}

void TablesPage::write(const QStringList& lines, const QString& message) {
    m_services.context.document.commit(lines);
    m_services.context.notices.PostStatusMessage(message);
}

void TablesPage::Button14Click() {
    const std::optional<int> breaksBefore =
        SpacingBox::read(*m_ui->ComboBox12, m_services.context.dialogs.ask);
    if (!breaksBefore)
        return;
    const TableSettings table{m_ui->Edit29->text(), m_ui->Edit30->text(),     m_ui->Edit28->text(),
                              m_ui->Edit31->text(), m_ui->picker->position(), *breaksBefore};
    write(TablesHtml::tableStart(table), QStringLiteral("Tabelle wurde erstellt"));
}

void TablesPage::Button15Click() {
    write(TablesHtml::rowOpen(), QStringLiteral("Reihe wurde geöffnet"));
}

void TablesPage::Button16Click() {
    const CellSettings cell{m_ui->Edit27->text(), m_ui->Edit26->text(), m_ui->Edit25->text()};
    write(TablesHtml::cellOpen(cell), QStringLiteral("Zelle wurde geöffnet"));
}

void TablesPage::Button17Click() {
    write(TablesHtml::cellClose(), QStringLiteral("Zelle wurde geschlossen"));
}

void TablesPage::Button18Click() {
    write(TablesHtml::rowClose(), QStringLiteral("Reihe wurde geschlossen"));
}

void TablesPage::Button19Click() {
    const std::optional<int> breaksAfter =
        SpacingBox::read(*m_ui->ComboBox13, m_services.context.dialogs.ask);
    if (!breaksAfter)
        return;
    write(TablesHtml::tableEnd(m_ui->picker->position(), *breaksAfter),
          QStringLiteral("Tabelle wurde beendet"));
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

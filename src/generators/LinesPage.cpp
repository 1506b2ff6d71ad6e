#include "generators/LinesPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "core/generators/LinesHtml.h"
#include "core/source/PageSource.h"
#include "core/source/StatusNotices.h"
#include "generators/Assistants.h"
#include "generators/PageParts.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
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
using PageParts::addRow;

struct LinesPage::Ui {
    QLabel* Label45 = nullptr;
    PositionPicker* picker = nullptr;
    QLabel* Label44 = nullptr;
    QComboBox* ComboBox15 = nullptr;
    QLabel* Label48 = nullptr;
    QLabel* Label30 = nullptr;
    QComboBox* ComboBox16 = nullptr;
    QLabel* Label20 = nullptr;
    QLineEdit* Edit5 = nullptr;
    ClickableLabel* Image35 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label47 = nullptr;
    QComboBox* ComboBox9 = nullptr;
    QLabel* Label46 = nullptr;
    QComboBox* ComboBox10 = nullptr;
    QPushButton* Button13 = nullptr;
};

LinesPage::LinesPage(PageServices& services)
    : TabPage("TabSheet7", services), m_ui(std::make_unique<Ui>()) {
    Ui& ui = *m_ui;
    QWidget* page = content();
    QVBoxLayout* column = Layout::column(page);
    QGridLayout* grid = Layout::nestedGrid();
    column->addLayout(grid);

    ui.Label45 = caption(page, "Label45", QStringLiteral("Linienposition"));
    ui.picker = new PositionPicker({{"Image46", "Image47", "Image48"},
                                    {"Image43", "Image44", "Image45"},
                                    {"RadioButton19", "RadioButton20", "RadioButton21"},
                                    "Panel10"},
                                   page);
    addRow(*grid, 0, ui.Label45, {ui.picker});

    // The percentages first, then the pixel widths after an empty item; an empty item
    // chosen leaves the width empty.
    ui.Label44 = caption(page, "Label44", QStringLiteral("Linienbreite"));
    ui.ComboBox15 = editableCombo(
        page, "ComboBox15",
        {QStringLiteral("5%"), QStringLiteral("10%"), QStringLiteral("25%"), QStringLiteral("50%"),
         QStringLiteral("100%"), QString(), QStringLiteral("10"), QStringLiteral("25"),
         QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("250"), QStringLiteral("500"),
         QString()},
        QStringLiteral("25%"));
    ui.Label48 = caption(page, "Label48", QStringLiteral("in Prozent (%) oder Pixel"));
    addRow(*grid, 1, ui.Label44, {ui.ComboBox15, ui.Label48})->addStretch(1);

    ui.Label30 = caption(page, "Label30", QStringLiteral("Liniendicke"));
    QStringList thicknesses;
    for (int i = 1; i <= 9; ++i)
        thicknesses.append(QString::number(i));
    ui.ComboBox16 = editableCombo(page, "ComboBox16", thicknesses, QStringLiteral("1"));
    addRow(*grid, 2, ui.Label30, {ui.ComboBox16})->addStretch(1);
    for (QComboBox* box : {ui.ComboBox15, ui.ComboBox16})
        Layout::showWhole(box);

    ui.Label20 = caption(page, "Label20", QStringLiteral("Linienfarbe"));
    ui.Edit5 = named<QLineEdit>(page, "Edit5");
    ui.Image35 = assistantPicture(page, "Image35", AssistantPicture::Color);
    ui.Button3 = named<QPushButton>(page, "Button3", QStringLiteral("Farbassistent"));
    addRow(*grid, 3, ui.Label20, {ui.Edit5, ui.Image35, ui.Button3})->addStretch(1);

    const PageParts::SpacingRows spacing =
        PageParts::addSpacingRows(*grid, 4, page,
                                  {"Label47", QStringLiteral("Abstand vor Linie:"), "ComboBox9",
                                   "Label46", QStringLiteral("Abstand nach Linie:"), "ComboBox10"});
    ui.Label47 = spacing.beforeCaption;
    ui.ComboBox9 = spacing.before;
    ui.Label46 = spacing.afterCaption;
    ui.ComboBox10 = spacing.after;

    ui.Button13 = named<QPushButton>(page, "Button13", QStringLiteral("Zum Quelltext hinzufügen"));
    Layout::addButtonAtBottom(*column, ui.Button13);

    connect(ui.Button13, &QPushButton::clicked, this, &LinesPage::Button13Click);
    enterPressesInAll(*page, *ui.Button13);
    connect(ui.Button3, &QPushButton::clicked, this, &LinesPage::Button3Click);
    connect(ui.Image35, &ClickableLabel::clicked, this, &LinesPage::Button3Click);

    m_services.fields.track(ui.Edit5);
    using Topic = FieldExplanations::Topic;
    m_services.explanations.attach(Topic::Position, {ui.Label45});
    m_services.explanations.attach(Topic::SpacingBefore, {ui.Label47, ui.ComboBox9});
    m_services.explanations.attach(Topic::SpacingAfter, {ui.Label46, ui.ComboBox10});
}

LinesPage::~LinesPage() = default;

void LinesPage::emptyForNew(NewVariant variant) {
    if (variant == NewVariant::Menu)
        m_ui->Edit5->clear();
}

void LinesPage::Button13Click() {
    const Ui& ui = *m_ui;
    const Expected<std::pair<int, int>> spacing =
        SpacingBox::readBoth(*ui.ComboBox9, *ui.ComboBox10);
    if (m_services.context.failed(spacing))
        return;
    Rule rule;
    rule.color = ui.Edit5->text();
    rule.size = ui.ComboBox16->currentText();
    rule.width = ui.ComboBox15->currentText();
    rule.placement = {ui.picker->position(), spacing.value.first, spacing.value.second};
    m_services.context.addElement(m_services.context.isModern()
                                      ? QStringList{LinesHtml::modernRuleLine(rule)}
                                      : LinesHtml::ruleBlock(rule),
                                  QStringLiteral("Linie"));
}

void LinesPage::Button3Click() {
    Assistants::runColorAssistant(m_services.context.dialogs.ColorDialog1, *m_ui->Edit5);
}

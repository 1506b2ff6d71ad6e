#include "generators/LinesPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "generators/Assistants.h"
#include "generators/LinesHtml.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/StatusNotices.h"
#include "ui/ClickableLabel.h"
#include "ui/Place.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

namespace {

constexpr int kLeft = 16;
constexpr int kField = 170;
constexpr int kFieldHeight = 24;
constexpr int kTop = 16;
constexpr int kRow = 36;

int row(int index) {
    return kTop + index * kRow;
}

// A caption placed to line up with the field of its row.
QLabel* rowCaption(QWidget* parent, const char* name, const QString& text, int index) {
    return caption(parent, name, text, kLeft, row(index) + 4);
}

} // namespace

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
    ui.Label45 = rowCaption(this, "Label45", QStringLiteral("Linienposition"), 0);
    ui.picker = placedPicker({{"Image46", "Image47", "Image48"},
                              {"Image43", "Image44", "Image45"},
                              {"RadioButton19", "RadioButton20", "RadioButton21"},
                              "Panel10"},
                             this, QPoint(kField, row(0) + 1));

    // The percentages first, then the pixel widths after an empty item; an empty item
    // chosen leaves the width empty.
    ui.Label44 = rowCaption(this, "Label44", QStringLiteral("Linienbreite"), 1);
    ui.ComboBox15 = editableCombo(
        this, "ComboBox15", QRect(kField, row(1), 90, kFieldHeight),
        {QStringLiteral("5%"), QStringLiteral("10%"), QStringLiteral("25%"), QStringLiteral("50%"),
         QStringLiteral("100%"), QString(), QStringLiteral("10"), QStringLiteral("25"),
         QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("250"), QStringLiteral("500"),
         QString()},
        QStringLiteral("25%"));
    ui.Label48 = caption(this, "Label48", QStringLiteral("in Prozent (%) oder Pixel"), kField + 100,
                         row(1) + 4);
    ui.Label30 = rowCaption(this, "Label30", QStringLiteral("Liniendicke"), 2);
    QStringList thicknesses;
    for (int i = 1; i <= 9; ++i)
        thicknesses.append(QString::number(i));
    ui.ComboBox16 = editableCombo(this, "ComboBox16", QRect(kField, row(2), 90, kFieldHeight),
                                  thicknesses, QStringLiteral("1"));
    ui.Label20 = rowCaption(this, "Label20", QStringLiteral("Linienfarbe"), 3);
    ui.Edit5 = place<QLineEdit>(this, "Edit5", QRect(kField, row(3), 150, kFieldHeight));
    ui.Image35 = assistantPicture(this, "Image35", QRect(kField + 156, row(3) + 1, 22, 22),
                                  AssistantPicture::Color);
    ui.Button3 = place<QPushButton>(this, "Button3", QRect(kField + 186, row(3) - 3, 170, 30),
                                    QStringLiteral("Farbassistent"));

    ui.Label47 = rowCaption(this, "Label47", QStringLiteral("Abstand vor Linie:"), 4);
    ui.ComboBox9 = SpacingBox::create(this, "ComboBox9", QRect(kField, row(4), 60, kFieldHeight));
    ui.Label46 = rowCaption(this, "Label46", QStringLiteral("Abstand nach Linie:"), 5);
    ui.ComboBox10 = SpacingBox::create(this, "ComboBox10", QRect(kField, row(5), 60, kFieldHeight));

    ui.Button13 = place<QPushButton>(this, "Button13", QRect(kLeft, kPageHeight - 48, 220, 32),
                                     QStringLiteral("Zum Quelltext hinzufügen"));

    connect(ui.Button13, &QPushButton::clicked, this, &LinesPage::Button13Click);
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
    Dialogs& ask = m_services.context.dialogs.ask;
    const std::optional<int> before = SpacingBox::read(*ui.ComboBox9, ask);
    if (!before)
        return;
    const std::optional<int> after = SpacingBox::read(*ui.ComboBox10, ask);
    if (!after)
        return;
    Rule rule;
    rule.color = ui.Edit5->text();
    rule.size = ui.ComboBox16->currentText();
    rule.width = ui.ComboBox15->currentText();
    rule.position = ui.picker->position();
    rule.breaksBefore = *before;
    rule.breaksAfter = *after;
    m_services.context.document.commit(LinesHtml::ruleBlock(rule));
    m_services.context.notices.PostStatusNotice(QStringLiteral("Linie"));
}

void LinesPage::Button3Click() {
    Assistants::runColorAssistant(m_services.context.dialogs.ColorDialog1, *m_ui->Edit5);
}

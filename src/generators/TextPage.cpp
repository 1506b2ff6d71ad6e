#include "generators/TextPage.h"
#include "context/PageContext.h"
#include "generators/FontSizeBox.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "generators/Assistants.h"
#include "generators/PositionPicker.h"
#include "generators/SpacingBox.h"
#include "generators/TextFormatHtml.h"
#include "platform/DialogObjects.h"
#include "source/PageSource.h"
#include "source/SourceHtml.h"
#include "source/StatusNotices.h"
#include "ui/ClickableLabel.h"
#include "ui/FieldText.h"
#include "ui/Place.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

using namespace Controls;

namespace {

constexpr int kRowHeight = 24;
constexpr int kPictureSize = 24;
// The right-hand column with the format, emphasis and position groups.
constexpr int kColumnX = 480;
constexpr int kColumnWidth = 312;

} // namespace

struct TextPage::Ui {
    QLabel* Label7 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    ClickableLabel* Image2 = nullptr;
    ClickableLabel* Label61 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QLabel* Label21 = nullptr;
    QLineEdit* Edit13 = nullptr;
    ClickableLabel* Image29 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* Edit11 = nullptr;
    ClickableLabel* Image30 = nullptr;
    QPushButton* Button6 = nullptr;
    QCheckBox* CheckBox5 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    PositionPicker* picker = nullptr;
    QPushButton* Button4 = nullptr;
};

TextPage::TextPage(PageServices& services)
    : TabPage("TabSheet2", services), m_ui(std::make_unique<Ui>()) {
    createTextArea();
    createFontGroup();
    createEmphasisGroup();
    createPositionGroup();
    m_ui->Button4 = place<QPushButton>(this, "Button4", QRect(572, 430, 220, 32),
                                       QStringLiteral("Zum Quelltext hinzufügen"));
    connectCommands();

    m_services.fields.track(m_ui->Memo1, m_ui->Edit13, m_ui->Edit11);
    using Topic = FieldExplanations::Topic;
    m_services.explanations.attach(Topic::TextBody, {m_ui->Label7});
    m_services.explanations.attach(Topic::Font, {m_ui->Label21});
    m_services.explanations.attach(Topic::Color, {m_ui->Label13});
}

TextPage::~TextPage() = default;

void TextPage::createTextArea() {
    m_ui->Label7 = caption(this, "Label7", QStringLiteral("Hier Text eingeben:"), 12, 10);
    m_ui->Memo1 = place<QPlainTextEdit>(this, "Memo1", QRect(12, 30, 370, 340));
    m_ui->Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ui->Image2 = picture(this, "Image2", QRect(390, 30, 28, kPictureSize),
                           QStringLiteral("enter.png"), QStringLiteral("Zeilenumbruch einfügen"));
    m_ui->Label61 = place<ClickableLabel>(this, "Label61", QRect(390, 60, 80, 20),
                                          QStringLiteral("Leerzeichen"));
    m_ui->Label61->setCursor(Qt::PointingHandCursor);
    describe(m_ui->Label61, QStringLiteral("Festes Leerzeichen einfügen"));
    QFont linkFont = m_ui->Label61->font();
    linkFont.setUnderline(true);
    m_ui->Label61->setFont(linkFont);

    caption(this, "BreaksBeforeCaption", QStringLiteral("Abstand vor Text"), 12, 386);
    m_ui->ComboBox3 = SpacingBox::create(this, "ComboBox3", QRect(140, 382, 60, kRowHeight));
    caption(this, "BreaksAfterCaption", QStringLiteral("Abstand nach Text"), 220, 386);
    m_ui->ComboBox4 = SpacingBox::create(this, "ComboBox4", QRect(350, 382, 60, kRowHeight));
}

void TextPage::createFontGroup() {
    auto* box = place<QGroupBox>(this, "FontGroup", QRect(kColumnX, 8, kColumnWidth, 166));
    box->setTitle(QStringLiteral("Schriftformatierung:"));
    m_ui->Label21 = caption(box, "Label21", QStringLiteral("Schriftart:"), 12, 30);
    QLabel* sizeCaption = caption(box, "FontSizeCaption", QStringLiteral("Schriftgröße:"), 12, 62);
    m_ui->Label13 = caption(box, "Label13", QStringLiteral("Schriftfarbe (Englisch):"), 12, 94);
    // The fields line up after the widest caption, their assistant pictures after them.
    const int fieldX =
        std::max({m_ui->Label21->width(), sizeCaption->width(), m_ui->Label13->width()}) + 20;
    const int fieldWidth = kColumnWidth - fieldX - 12 - kPictureSize - 4;
    const int pictureX = fieldX + fieldWidth + 4;
    m_ui->Edit13 = place<QLineEdit>(box, "Edit13", QRect(fieldX, 26, fieldWidth, kRowHeight),
                                    QStringLiteral("Times New Roman"));
    m_ui->Image29 = assistantPicture(
        box, "Image29", QRect(pictureX, 26, kPictureSize, kPictureSize), AssistantPicture::Font);
    m_ui->ComboBox1 = FontSizeBox::create(box, "ComboBox1", QRect(fieldX, 58, 60, kRowHeight));
    m_ui->Edit11 = place<QLineEdit>(box, "Edit11", QRect(fieldX, 90, fieldWidth, kRowHeight),
                                    QStringLiteral("Black"));
    m_ui->Image30 = assistantPicture(
        box, "Image30", QRect(pictureX, 90, kPictureSize, kPictureSize), AssistantPicture::Color);
    m_ui->Button6 = place<QPushButton>(box, "Button6", QRect(12, 124, kColumnWidth - 24, 30),
                                       QStringLiteral("Formatierungsassistent"));
}

void TextPage::createEmphasisGroup() {
    auto* box = place<QGroupBox>(this, "EmphasisGroup", QRect(kColumnX, 182, kColumnWidth, 110));
    box->setTitle(QStringLiteral("Schriftbetonung"));
    struct Flag {
        QCheckBox* Ui::*member;
        const char* name;
        const char* text;
    };
    static constexpr Flag kFlags[] = {
        {&Ui::CheckBox5, "CheckBox5", "Fett"},
        {&Ui::CheckBox6, "CheckBox6", "Unterstrichen"},
        {&Ui::CheckBox7, "CheckBox7", "Kursiv"},
        {&Ui::CheckBox1, "CheckBox1", "Durchgestrichen"},
        {&Ui::CheckBox2, "CheckBox2", "Hochgestellt"},
        {&Ui::CheckBox3, "CheckBox3", "Tiefgestellt"},
    };
    for (int i = 0; i < 6; ++i) {
        const QRect geometry(12 + (i / 3) * 140, 26 + (i % 3) * 26, 130, 20);
        (*m_ui).*kFlags[i].member =
            place<QCheckBox>(box, kFlags[i].name, geometry, QString::fromUtf8(kFlags[i].text));
    }
}

void TextPage::createPositionGroup() {
    auto* box = place<QGroupBox>(this, "PositionGroup", QRect(kColumnX, 300, kColumnWidth, 62));
    box->setTitle(QStringLiteral("Schriftposition"));
    m_ui->picker = placedPicker({{"Image23", "Image24", "Image25"},
                                 {"Image26", "Image27", "Image28"},
                                 {"RadioButton9", "RadioButton10", "RadioButton11"},
                                 "Panel4"},
                                box, QPoint(12, 28));
}

void TextPage::connectCommands() {
    connect(m_ui->Button4, &QPushButton::clicked, this, &TextPage::Button4Click);
    connect(m_ui->Image2, &ClickableLabel::clicked, this, &TextPage::Image2Click);
    connect(m_ui->Label61, &ClickableLabel::clicked, this, &TextPage::Label61Click);
    connect(m_ui->Button6, &QPushButton::clicked, this, &TextPage::Button6Click);
    connect(m_ui->Image29, &ClickableLabel::clicked, this, &TextPage::Button6Click);
    connect(m_ui->Image30, &ClickableLabel::clicked, this, &TextPage::Button6Click);
    m_ui->Memo1->installEventFilter(this);
}

void TextPage::Button4Click() {
    const std::optional<int> before =
        SpacingBox::read(*m_ui->ComboBox3, m_services.context.dialogs.ask);
    if (!before)
        return;
    const std::optional<int> after =
        SpacingBox::read(*m_ui->ComboBox4, m_services.context.dialogs.ask);
    if (!after)
        return;
    TextFormat format;
    format.fontName = m_ui->Edit13->text();
    format.fontSize = m_ui->ComboBox1->currentText();
    format.fontColor = m_ui->Edit11->text();
    format.position = m_ui->picker->position();
    format.emphasis = {m_ui->CheckBox5->isChecked(), m_ui->CheckBox6->isChecked(),
                       m_ui->CheckBox7->isChecked(), m_ui->CheckBox1->isChecked(),
                       m_ui->CheckBox2->isChecked(), m_ui->CheckBox3->isChecked()};
    format.breaksBefore = *before;
    format.breaksAfter = *after;
    const QString body = FieldText(*m_ui->Memo1);
    m_services.context.document.commit(
        TextFormatHtml::textBlock(format, TextFormatHtml::styledParagraphLine(format, body)));
    m_services.context.notices.PostStatusNotice(QStringLiteral("Text"));
    m_ui->Memo1->clear();
}

bool TextPage::Memo1KeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // The key then breaks the line at the caret, which now stands at the end, whatever
    // modifiers are held.
    appendMemoLine(SourceHtml::kBreak + QLatin1Char('\n'));
    return true;
}

void TextPage::Image2Click() {
    appendMemoLine(SourceHtml::kBreak);
}

void TextPage::Label61Click() {
    appendMemoLine(QStringLiteral("&nbsp;"));
}

void TextPage::Button6Click() {
    Assistants::runFontAssistant(m_services.context.dialogs.FontDialog1,
                                 {m_ui->Edit13, m_ui->ComboBox1, m_ui->CheckBox5, m_ui->CheckBox6,
                                  m_ui->CheckBox7, m_ui->CheckBox1, m_ui->Edit11});
}

void TextPage::appendMemoLine(const QString& line) {
    QTextCursor cursor(m_ui->Memo1->document());
    cursor.movePosition(QTextCursor::End);
    // An empty last line takes the text; otherwise the text starts a line of its own.
    cursor.insertText(cursor.block().text().isEmpty() ? line : QLatin1Char('\n') + line);
    m_ui->Memo1->setTextCursor(cursor);
}

void TextPage::emptyForNew(NewVariant /*variant*/) {
    m_ui->Memo1->clear();
    m_ui->Edit13->clear();
    m_ui->Edit11->clear();
}

bool TextPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Memo1 && event->type() == QEvent::KeyPress &&
        Memo1KeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return TabPage::eventFilter(watched, event);
}

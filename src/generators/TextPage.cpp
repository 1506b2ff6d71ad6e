#include "generators/TextPage.h"

#include "commands/CurrentFieldTracker.h"
#include "commands/FieldExplanations.h"
#include "context/PageContext.h"
#include "core/generators/PageKind.h"
#include "core/generators/TextFormatHtml.h"
#include "core/source/SourceHtml.h"
#include "generators/TextFormatBox.h"
#include "ui/ClickableLabel.h"
#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/Layout.h"
#include "ui/SpellingFields.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace Controls;

namespace {

const TextFormatNames kFormatNames{
    "Edit13",
    "Image29",
    "ComboBox1",
    "Edit11",
    "Image30",
    "Button6",
    {"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox1", "CheckBox2", "CheckBox3"},
    {{"Image23", "Image24", "Image25"},
     {"Image26", "Image27", "Image28"},
     {"RadioButton9", "RadioButton10", "RadioButton11"},
     "Panel4"},
    "ComboBox3",
    "ComboBox4"};

const TextFormatCaptions kFormatCaptions{
    .format = {"FontGroup", "Schriftformatierung:", true},
    .fontName = {"Label21", "Schriftart:"},
    .fontSize = {"FontSizeCaption", "Schriftgröße:"},
    .fontColor = {"Label13", "Schriftfarbe (Englisch):"},
    .emphasis = {"EmphasisGroup", "Schriftbetonung", true},
    .position = {"PositionGroup", "Schriftposition", true},
    .breaksBefore = {"BreaksBeforeCaption", "Abstand vor Text"},
    .breaksAfter = {"BreaksAfterCaption", "Abstand nach Text"}};

} // namespace

struct TextPage::Ui {
    QLabel* Label7 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    ClickableLabel* Image2 = nullptr;
    ClickableLabel* Label61 = nullptr;
    QLabel* Label77 = nullptr;
    QComboBox* ParagraphKind = nullptr;
    QLabel* ModernTextNote = nullptr;
    TextFormatBox* format = nullptr;
    QPushButton* Button4 = nullptr;
};

TextPage::TextPage(PageServices& services)
    : TabPage("TabSheet2", services), m_ui(std::make_unique<Ui>()) {
    QWidget* page = content();
    m_ui->format = new TextFormatBox(kFormatNames, kFormatCaptions,
                                     m_services.context.dialogs.FontDialog1, page);
    m_ui->Button4 = named<QPushButton>(page, "Button4", QStringLiteral("Zum Quelltext hinzufügen"));
    TextFormatBox::layOutPage(*page, createTextArea(), m_ui->format, m_ui->Button4);
    connectCommands();

    const TextFormatBox::Parts& format = m_ui->format->parts();
    m_services.fields.track(m_ui->Memo1, format.fontName, format.fontColor);
    SpellingFields::watch(*m_ui->Memo1, m_services.context.spelling);
    using Topic = FieldExplanations::Topic;
    m_services.explanations.attach(Topic::TextBody, {m_ui->Label7});
    m_services.explanations.attach(Topic::Font, {format.fontNameCaption});
    m_services.explanations.attach(Topic::Color, {format.fontColorCaption});
}

TextPage::~TextPage() = default;

QLayout* TextPage::createTextArea() {
    QWidget* page = content();
    m_ui->Label7 = caption(page, "Label7", QStringLiteral("Hier Text eingeben:"));
    m_ui->Memo1 = named<QPlainTextEdit>(page, "Memo1");
    m_ui->Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A tab shows as a blank in a page: Tab goes on to the next field, as in the others.
    m_ui->Memo1->setTabChangesFocus(true);
    m_ui->Image2 = picture(page, "Image2", QStringLiteral("enter.png"),
                           QStringLiteral("Zeilenumbruch einfügen"));
    m_ui->Label61 = named<ClickableLabel>(page, "Label61", QStringLiteral("Leerzeichen"));
    m_ui->Label61->setCursor(Qt::PointingHandCursor);
    describe(m_ui->Label61, QStringLiteral("Festes Leerzeichen einfügen"));
    QFont linkFont = m_ui->Label61->font();
    linkFont.setUnderline(true);
    m_ui->Label61->setFont(linkFont);

    // The helpers that add to the text stand beside it.
    QVBoxLayout* helpers = Layout::nestedColumn();
    helpers->addWidget(m_ui->Image2);
    helpers->addWidget(m_ui->Label61);
    helpers->addStretch(1);
    QHBoxLayout* field = Layout::nestedRow();
    field->addWidget(m_ui->Memo1, 1);
    field->addLayout(helpers);
    // What the text becomes: a paragraph, or a heading of one of three levels.
    m_ui->Label77 = caption(page, "Label77", QStringLiteral("Absatzart:"));
    m_ui->ParagraphKind = named<QComboBox>(page, "ParagraphKind");
    m_ui->ParagraphKind->addItems({QStringLiteral("Absatz"), QStringLiteral("Überschrift 1"),
                                   QStringLiteral("Überschrift 2"),
                                   QStringLiteral("Überschrift 3")});
    m_ui->Label77->setBuddy(m_ui->ParagraphKind);
    QHBoxLayout* kind = Layout::nestedRow();
    kind->addWidget(m_ui->Label77);
    kind->addWidget(m_ui->ParagraphKind);
    kind->addStretch(1);

    // A modern page shows the text as typed, which the page says while it is one.
    m_ui->ModernTextNote = caption(
        page, "ModernTextNote",
        QStringLiteral("In einer modernen Seite erscheint der Text genau so, wie Sie ihn tippen."));
    m_ui->ModernTextNote->setWordWrap(true);

    QVBoxLayout* column = Layout::nestedColumn();
    column->addWidget(m_ui->Label7);
    column->addLayout(field, 1);
    column->addLayout(kind);
    column->addWidget(m_ui->ModernTextNote);
    return column;
}

void TextPage::connectCommands() {
    connect(m_ui->Button4, &QPushButton::clicked, this, &TextPage::Button4Click);
    connect(m_ui->Image2, &ClickableLabel::clicked, this, &TextPage::Image2Click);
    connect(m_ui->Label61, &ClickableLabel::clicked, this, &TextPage::Label61Click);
    m_ui->Memo1->installEventFilter(this);
    PageState& state = m_services.context.state;
    m_ui->ModernTextNote->setVisible(state.kind() == PageKind::Modern);
    connect(&state, &PageState::kindChanged, m_ui->ModernTextNote,
            [this](PageKind kind) { m_ui->ModernTextNote->setVisible(kind == PageKind::Modern); });
}

void TextPage::Button4Click() {
    const Expected<TextFormat> format = m_ui->format->format();
    if (m_services.context.failed(format))
        return;
    const QString body = FieldText(*m_ui->Memo1);
    const auto kind = static_cast<ParagraphKind>(m_ui->ParagraphKind->currentIndex());
    const QStringList lines =
        m_services.context.isModern()
            ? TextFormatHtml::modernTextBlock(format.value, kind, body)
            : TextFormatHtml::textBlock(
                  format.value, TextFormatHtml::styledParagraphLine(format.value, body, kind));
    if (!m_services.context.addElement(lines, QStringLiteral("Text")))
        return;
    m_ui->Memo1->clear();
}

bool TextPage::Memo1KeyDown(int key) {
    // In a modern page the key breaks the line as in any text field.
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || m_services.context.isModern())
        return false;
    // The key then breaks the line at the caret, which now stands at the end, whatever
    // modifiers are held.
    appendMemoLine(SourceHtml::kBreak + QLatin1Char('\n'));
    return true;
}

void TextPage::Image2Click() {
    if (m_services.context.isModern())
        appendToMemo(QStringLiteral("\n"));
    else
        appendMemoLine(SourceHtml::kBreak);
}

void TextPage::Label61Click() {
    if (m_services.context.isModern())
        appendToMemo(QString(QChar::Nbsp));
    else
        appendMemoLine(QStringLiteral("&nbsp;"));
}

void TextPage::appendToMemo(const QString& text) {
    QTextCursor cursor(m_ui->Memo1->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    m_ui->Memo1->setTextCursor(cursor);
    // Typing goes on in the text, after what was appended.
    m_ui->Memo1->setFocus();
}

void TextPage::appendMemoLine(const QString& line) {
    const QTextBlock last = m_ui->Memo1->document()->lastBlock();
    // An empty last line takes the text; otherwise the text starts a line of its own.
    appendToMemo(last.text().isEmpty() ? line : QLatin1Char('\n') + line);
}

void TextPage::emptyForNew(NewVariant /*variant*/) {
    m_ui->Memo1->clear();
    m_ui->ParagraphKind->setCurrentIndex(0);
    m_ui->format->startFontAnew();
}

bool TextPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Memo1 && event->type() == QEvent::KeyPress &&
        Memo1KeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return TabPage::eventFilter(watched, event);
}

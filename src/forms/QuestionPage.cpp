#include "forms/QuestionPage.h"

#include "context/PageContext.h"
#include "forms/AnswerCollection.h"
#include "ui/Controls.h"
#include "ui/SpellingFields.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {

// Every question page captions its format alike.
const TextFormatCaptions kFormatCaptions{
    .fontName = {"FontNameLabel", "Schriftart:"},
    .fontSize = {"FontSizeLabel", "Schriftgröße:"},
    .fontColor = {"FontColorLabel", "Schriftfarbe (Englisch):"},
    .emphasis = {"EmphasisLabel", "Schriftbetonung"},
    .positionCaptions = {{{"PositionLabel", "Schriftposition"}}},
    .breaksBefore = {"BreaksBeforeLabel", "Abstand vor Text"},
    .breaksAfter = {"BreaksAfterLabel", "Abstand nach Text"},
    .sizeStartsAssistant = true};

} // namespace

QuestionPage::QuestionPage(PageContext& context, const QuestionKind& kind)
    : FormPage(context, kind.objectName, QString::fromUtf8(kind.caption)),
      m_noticeName(QString::fromUtf8(kind.noticeName)) {
    QWidget* page = content();
    QLabel* questionCaption = caption(page, "QuestionLabel", QStringLiteral("Frage:"));
    m_question = named<QLineEdit>(page, kind.questionField);
    m_answers = kind.answers(*m_question, context.state, page);
    m_format = new TextFormatBox(kind.format, kFormatCaptions, context.dialogs.FontDialog1, page);
    m_addButton = named<QPushButton>(page, kind.addButton, QStringLiteral("Frage hinzufügen"));
    SpellingFields::watch(*m_question, context.spelling);
    if (auto* answers = m_answers->findChild<AnswerCollection*>())
        SpellingFields::watch(answers->answerField(), context.spelling);

    QVBoxLayout* left = Layout::nestedColumn();
    left->addWidget(questionCaption);
    left->addWidget(m_question);
    left->addWidget(m_answers, 1);
    TextFormatBox::layOutPage(*page, left, m_format, m_addButton);

    connect(m_addButton, &QPushButton::clicked, this, &QuestionPage::addQuestion);
}

void QuestionPage::addQuestion() {
    const Expected<TextFormat> format = m_format->format();
    if (context().failed(format))
        return;
    if (context().addElement(m_answers->questionLines({format.value, m_question->text()}),
                             m_noticeName))
        m_answers->emptyAfterAdd(*m_question);
}

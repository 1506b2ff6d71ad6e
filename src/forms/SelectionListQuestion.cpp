#include "forms/SelectionListQuestion.h"

#include "forms/AnswerCollection.h"
#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace Controls;

namespace {

const AnswerCollectionNames kAnswers{"Edit41", "Button15", "Neue Antwortmöglichkeit", "Memo3",
                                     "Memo7"};

QComboBox* visibleRowsBox(QWidget* parent) {
    QStringList rows;
    for (int row = 1; row <= 8; ++row)
        rows.append(QString::number(row));
    QComboBox* box = editableCombo(parent, "ComboBox6", rows, QStringLiteral("1"), 3);
    Layout::showWhole(box, 2);
    return box;
}

// The options, collected one by one, and how many of them the list shows at once.
class SelectionListAnswers final : public QuestionAnswers {
public:
    SelectionListAnswers(const PageState& page, QWidget* parent)
        : QuestionAnswers(page, parent),
          m_options(new AnswerCollection(kAnswers, AnswerCollection::Preview::Disabled, this)),
          ComboBox6(visibleRowsBox(this)) {
        QGridLayout* grid = Layout::nestedGrid();
        setLayout(grid);
        grid->addWidget(m_options, 0, 0, 1, 2);
        grid->addWidget(
            caption(this, "VisibleRowsLabel",
                    QStringLiteral(
                        "Anzahl der Antwortmöglichkeiten, die ohne Scrollen angezeigt werden ")),
            1, 0);
        grid->addWidget(ComboBox6, 1, 1, Qt::AlignLeft);
        grid->setRowStretch(0, 1);
        grid->setColumnStretch(1, 1);
        connect(&m_options->newAnswerButton(), &QPushButton::clicked, this,
                &SelectionListAnswers::collectAnswer);
    }

    QStringList questionLines(const FormHtml::Question& question) const override {
        const FormHtml::SelectionList list{ComboBox6->currentText(), m_options->lines()};
        return isModern() ? FormHtml::modernSelectionListQuestion(question, list)
                          : FormHtml::selectionListQuestion(question, list);
    }
    void emptyAfterAdd(QLineEdit& question) override { m_options->clearWith(question); }

private:
    // "Neue Antwortmöglichkeit": collects the option of Edit41.
    void collectAnswer() {
        const QString option = m_options->answerField().text();
        m_options->collect(isModern() ? FormHtml::modernOptionLine(option)
                                      : FormHtml::optionLine(option));
    }

    AnswerCollection* m_options;
    QComboBox* ComboBox6;
};

} // namespace

const QuestionKind& SelectionListQuestion() {
    static const QuestionKind kKind{
        "TabSheet6",
        "Auswahlliste",
        "Edit31",
        "Button14",
        {"Edit32",
         "Image4",
         "ComboBox4",
         "Edit33",
         "Image30",
         "Button9",
         {"CheckBox25", "CheckBox26", "CheckBox27", "CheckBox28", "CheckBox29", "CheckBox30"},
         {{"Image27", "Image28", "Image29"},
          {"Image34", "Image33", "Image32"},
          {"RadioButton13", "RadioButton14", "RadioButton15"},
          "Panel5"},
         "ComboBox15",
         "ComboBox16"},
        "Auswahlliste",
        [](const QLineEdit&, const PageState& page, QWidget* parent) -> QuestionAnswers* {
            return new SelectionListAnswers(page, parent);
        }};
    return kKind;
}

#include "forms/TextAreaQuestion.h"

#include "ui/Controls.h"
#include "ui/FieldText.h"
#include "ui/Layout.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Controls;

namespace {

// The size of the field in rows and characters, and the text it starts with.
class TextAreaAnswers final : public QuestionAnswers {
public:
    TextAreaAnswers(const PageState& page, QWidget* parent)
        : QuestionAnswers(page, parent), Edit35(named<QLineEdit>(this, "Edit35")),
          Edit36(named<QLineEdit>(this, "Edit36")), Memo2(named<QPlainTextEdit>(this, "Memo2")) {
        QGridLayout* grid = Layout::nestedGrid();
        setLayout(grid);
        grid->addWidget(heading(this, "FieldSizeLabel", QStringLiteral("Größe des Feldes")), 0, 0,
                        1, 2);
        grid->addWidget(caption(this, "RowsLabel", QStringLiteral("Höhe in Reihen")), 1, 0);
        grid->addWidget(Edit35, 1, 1, Qt::AlignLeft);
        grid->addWidget(caption(this, "ColumnsLabel", QStringLiteral("Länge in Zeichen")), 2, 0);
        grid->addWidget(Edit36, 2, 1, Qt::AlignLeft);
        grid->addWidget(caption(this, "PresetLabel", QStringLiteral("Text im Feld")), 3, 0, 1, 2);
        grid->addWidget(Memo2, 4, 0, 1, 2);
        grid->setRowStretch(4, 1);
        grid->setColumnStretch(1, 1);
    }

    QStringList questionLines(const FormHtml::Question& question) const override {
        const FormHtml::TextArea area{Edit36->text(), Edit35->text(), FieldText(*Memo2)};
        return isModern() ? FormHtml::modernTextAreaQuestion(question, area)
                          : FormHtml::textAreaQuestion(question, area);
    }
    void emptyAfterAdd(QLineEdit& question) override {
        Memo2->clear();
        question.clear();
    }

private:
    QLineEdit* Edit35;
    QLineEdit* Edit36;
    QPlainTextEdit* Memo2;
};

} // namespace

const QuestionKind& TextAreaQuestion() {
    static const QuestionKind kKind{
        "TabSheet4",
        "Formularfeld",
        "Edit27",
        "Button11",
        {"Edit28",
         "Image2",
         "ComboBox3",
         "Edit29",
         "Image6",
         "Button8",
         {"CheckBox19", "CheckBox20", "CheckBox21", "CheckBox22", "CheckBox23", "CheckBox24"},
         {{"Image15", "Image16", "Image17"},
          {"Image20", "Image19", "Image18"},
          {"RadioButton7", "RadioButton8", "RadioButton12"},
          "Panel3"},
         "ComboBox11",
         "ComboBox12"},
        "Formularfeld",
        [](const QLineEdit&, const PageState& page, QWidget* parent) -> QuestionAnswers* {
            return new TextAreaAnswers(page, parent);
        }};
    return kKind;
}

#include "forms/InputFieldQuestion.h"

#include "ui/Controls.h"
#include "ui/Layout.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>

using namespace Controls;

namespace {

// The field's length and the most characters it takes, and whether it shows what is typed.
class InputFieldAnswers final : public QuestionAnswers {
public:
    InputFieldAnswers(const PageState& page, QWidget* parent)
        : QuestionAnswers(page, parent), Edit38(named<QLineEdit>(this, "Edit38")),
          Edit39(named<QLineEdit>(this, "Edit39")),
          RadioButton16(
              named<QRadioButton>(this, "RadioButton16", QStringLiteral("Sternchen (Passwort)"))),
          RadioButton17(named<QRadioButton>(this, "RadioButton17", QStringLiteral("Text"))) {
        QGridLayout* grid = Layout::nestedGrid();
        setLayout(grid);
        grid->addWidget(heading(this, "FieldSizeLabel", QStringLiteral("Größe des Feldes")), 0, 0,
                        1, 2);
        grid->addWidget(caption(this, "SizeLabel", QStringLiteral("Länge in Zeichen:")), 1, 0);
        grid->addWidget(Edit38, 1, 1, Qt::AlignLeft);
        grid->addWidget(
            caption(this, "MaxLengthLabel", QStringLiteral("Anzahl der einzugebenden Zeichen:")), 2,
            0);
        grid->addWidget(Edit39, 2, 1, Qt::AlignLeft);
        grid->addWidget(caption(this, "ShowAsLabel", QStringLiteral("Buchstaben anzeigen als:")), 3,
                        0, 1, 2);
        grid->addWidget(RadioButton16, 4, 0, 1, 2);
        grid->addWidget(RadioButton17, 5, 0, 1, 2);
        grid->setRowStretch(6, 1);
        grid->setColumnStretch(1, 1);
        RadioButton17->setChecked(true);
    }

    QStringList questionLines(const FormHtml::Question& question) const override {
        const FormHtml::InputField field{Edit38->text(), Edit39->text(),
                                         RadioButton16->isChecked()};
        return isModern() ? FormHtml::modernInputFieldQuestion(question, field)
                          : FormHtml::inputFieldQuestion(question, field);
    }
    void emptyAfterAdd(QLineEdit& question) override { question.clear(); }

private:
    QLineEdit* Edit38;
    QLineEdit* Edit39;
    QRadioButton* RadioButton16;
    QRadioButton* RadioButton17;
};

} // namespace

const QuestionKind& InputFieldQuestion() {
    static const QuestionKind kKind{
        "TabSheet5",
        "Einzeiliges Eingabefeld",
        "Edit26",
        "Button3",
        {"Edit25",
         "Image3",
         "ComboBox5",
         "Edit24",
         "Image5",
         "Button7",
         {"CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16", "CheckBox17", "CheckBox18"},
         {{"Image21", "Image22", "Image23"},
          {"Image26", "Image25", "Image24"},
          {"RadioButton4", "RadioButton5", "RadioButton6"},
          "Panel4"},
         "ComboBox13",
         "ComboBox14"},
        "Einzeiliges Eingabefeld",
        [](const QLineEdit&, const PageState& page, QWidget* parent) -> QuestionAnswers* {
            return new InputFieldAnswers(page, parent);
        }};
    return kKind;
}

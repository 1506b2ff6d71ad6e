#pragma once

#include "core/generators/TextFormatHtml.h"

#include <QString>
#include <QStringList>

// The lines the form builder writes into the page: the form's start and end, the collected
// answers, the questions with their fields, and the buttons.
namespace FormHtml {

// The host of the form-mail service that generated forms post to.
inline constexpr char FormMailHost[] = "formmail.example.net";

// The address of the form-mail service a form is sent to at first.
QString formServiceAddress();
// The form element opened: sent to the service's address, with the hidden field naming who
// receives the results.
QString formStartLine(const QString& service, const QString& recipient);
QString formEndLine();

// One collected answer, ready for its question; the name is the question as typed when the
// answer was collected.
QString radioAnswerLine(const QString& question, const QString& answer);
QString checkBoxAnswerLine(const QString& question, const QString& answer);
QString optionLine(const QString& answer);
// What the preview shows for the answer collected as number `number`.
QString previewLine(int number, const QString& answer);

// The formatted question text; its text is also the name of the question's field.
struct Question {
    TextFormat format;
    QString text;
};

struct TextArea {
    QString columns;
    QString rows;
    QString preset; // may hold line breaks
};

struct InputField {
    QString size;
    QString maxLength;
    bool password = false;
};

struct SelectionList {
    QString visibleRows;
    QStringList options; // collected option lines
};

enum class ButtonKind { Submit, Reset };

struct FormButton {
    ButtonKind kind = ButtonKind::Submit;
    QString caption;
    Placement placement{};
};

// The question blocks: the paragraph with the formatted question, the breaks after it
// inside the alignment block, the field, "</div>" and "</p>".
QStringList decisionQuestion(const Question& question, const QStringList& answers);
QStringList checkBoxQuestion(const Question& question, const QStringList& answers);
QStringList textAreaQuestion(const Question& question, const TextArea& area);
QStringList inputFieldQuestion(const Question& question, const InputField& field);
QStringList selectionListQuestion(const Question& question, const SelectionList& list);

// A send or reset button, without paragraph and without name.
QStringList button(const FormButton& formButton);

// The form of a modern page starts with the same line; without a service address it has no
// action and is sent to the page's own address.
QString modernFormStartLine(const QString& service, const QString& recipient);

// A collected answer of a modern page: a label around the radio button or check box and the
// answer shown as typed, then "<br>". Name and value send exactly what was typed; a question
// left empty gives no name.
QString modernRadioAnswerLine(const QString& question, const QString& answer);
QString modernCheckBoxAnswerLine(const QString& question, const QString& answer);
// "<option>answer</option>", the answer shown as typed.
QString modernOptionLine(const QString& answer);

// The question blocks of a modern page: "<fieldset>" with the alignment and the space around
// it, the formatted question as "<legend>" (none for an empty question), then the collected
// answers, or the one field inside "<label>", and "</fieldset>". Columns, rows, size and
// visible rows are written only as whole numbers above 0, the maximum length from 0 up.
// Decision and check-box questions differ only in their collected answers.
QStringList modernChoiceQuestion(const Question& question, const QStringList& answers);
QStringList modernTextAreaQuestion(const Question& question, const TextArea& area);
QStringList modernInputFieldQuestion(const Question& question, const InputField& field);
QStringList modernSelectionListQuestion(const Question& question, const SelectionList& list);

// "<button type=\"submit\">caption</button>" or the reset button, the caption shown as typed
// ("Absenden" or "Zurücksetzen" when none is typed), placed as modern elements are.
QStringList modernButton(const FormButton& formButton);

} // namespace FormHtml

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

} // namespace FormHtml

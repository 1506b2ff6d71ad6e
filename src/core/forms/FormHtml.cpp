#include "core/forms/FormHtml.h"

#include "core/source/SourceHtml.h"

namespace FormHtml {

namespace {

using SourceHtml::attributeValue;

// How a question block begins: the decision question closes a paragraph, the others open
// one.
enum class Opening { ClosingTag, OpeningTag };

QStringList questionBlock(Opening opening, const Question& question,
                          const QStringList& fieldTexts) {
    const TextFormat& format = question.format;
    QStringList text;
    TextFormatHtml::appendEmphasisOpen(text, format.emphasis);
    text.append(TextFormatHtml::paragraphStyleOpen(format) + question.text);
    TextFormatHtml::appendEmphasisClose(text, format.emphasis);
    QStringList lines{opening == Opening::ClosingTag ? QStringLiteral("</p>")
                                                     : QStringLiteral("<p>")};
    lines += TextFormatHtml::placedWithBreaksInside(format.placement, text, fieldTexts);
    lines.append(QStringLiteral("</p>"));
    return lines;
}

// A collected list as the page takes it: its lines, then one empty line.
QStringList collected(const QStringList& answers) {
    return answers + QStringList{QString()};
}

} // namespace

QString formServiceAddress() {
    return QStringLiteral("http://") + QString::fromLatin1(FormMailHost) +
           QStringLiteral("/Formular-Chef/Formular-Chef.cgi");
}

QString formStartLine(const QString& service, const QString& recipient) {
    return QStringLiteral("<form action=\"") + attributeValue(service) +
           QStringLiteral("\" method=\"post\"><input type=\"hidden\" name=\"empfaenger\" "
                          "value=\"") +
           attributeValue(recipient) + QStringLiteral("\">");
}

QString formEndLine() {
    return QStringLiteral("</form>");
}

QString radioAnswerLine(const QString& question, const QString& answer) {
    return QStringLiteral("<input type=\"radio\" name=\"") + attributeValue(question) +
           QStringLiteral("\" value=\"") + attributeValue(answer) + QStringLiteral("\" >") +
           answer + QStringLiteral("<br>");
}

QString checkBoxAnswerLine(const QString& question, const QString& answer) {
    return QStringLiteral("<input type=\"checkbox\" name=\"") + attributeValue(question) +
           QStringLiteral("\" value=\"") + attributeValue(answer) + QStringLiteral("\">") + answer +
           QStringLiteral("<br>");
}

QString optionLine(const QString& answer) {
    return QStringLiteral("<option>") + answer + QStringLiteral("</option>");
}

QString previewLine(int number, const QString& answer) {
    return QString::number(number) + QStringLiteral(") ") + answer;
}

QStringList decisionQuestion(const Question& question, const QStringList& answers) {
    return questionBlock(Opening::ClosingTag, question, collected(answers));
}

QStringList checkBoxQuestion(const Question& question, const QStringList& answers) {
    return questionBlock(Opening::OpeningTag, question, collected(answers));
}

QStringList textAreaQuestion(const Question& question, const TextArea& area) {
    return questionBlock(Opening::OpeningTag, question,
                         {QStringLiteral("<textarea name=\"") + attributeValue(question.text) +
                          QStringLiteral("\" cols=\"") + attributeValue(area.columns) +
                          QStringLiteral("\" rows=\"") + attributeValue(area.rows) +
                          QStringLiteral("\">") + area.preset + QStringLiteral("</textarea>")});
}

QStringList inputFieldQuestion(const Question& question, const InputField& field) {
    const QString type = field.password ? QStringLiteral("password") : QStringLiteral("text");
    return questionBlock(Opening::OpeningTag, question,
                         {QStringLiteral("<input name=\"") + attributeValue(question.text) +
                          QStringLiteral("\" type=\"") + type + QStringLiteral("\" size=\"") +
                          attributeValue(field.size) + QStringLiteral("\" maxlength=\"") +
                          attributeValue(field.maxLength) + QStringLiteral("\">")});
}

QStringList selectionListQuestion(const Question& question, const SelectionList& list) {
    QStringList field{QStringLiteral("<select size=\"") + attributeValue(list.visibleRows) +
                      QStringLiteral("\" name=\"") + attributeValue(question.text) +
                      QStringLiteral("\">")};
    field.append(collected(list.options));
    field.append(QStringLiteral("</select>"));
    return questionBlock(Opening::OpeningTag, question, field);
}

QStringList button(const FormButton& formButton) {
    const QString type =
        formButton.kind == ButtonKind::Submit ? QStringLiteral("submit") : QStringLiteral("reset");
    return TextFormatHtml::placedWithBreaksInside(
        formButton.placement,
        {QStringLiteral("<input type=\"") + type + QStringLiteral("\" value=\"") +
         attributeValue(formButton.caption) + QStringLiteral("\">")});
}

} // namespace FormHtml

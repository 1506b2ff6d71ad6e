#include "core/forms/FormHtml.h"

#include "core/generators/CssStyle.h"
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

const QString kInputType = QStringLiteral("<input type=\"");
const QString kTextAreaClose = QStringLiteral("</textarea>");
const QString kSelectClose = QStringLiteral("</select>");

// The form element with its action attribute and the recipient as its page kind writes them.
QString formOpen(const QString& action, const QString& recipient) {
    return QStringLiteral("<form") + action +
           QStringLiteral(" method=\"post\"><input type=\"hidden\" name=\"empfaenger\" "
                          "value=\"") +
           recipient + QStringLiteral("\">");
}

// The address as its page kind writes it into an attribute.
QString actionAttribute(const QString& address) {
    return QStringLiteral(" action=\"") + address + u'"';
}

QString inputType(bool password) {
    return password ? QStringLiteral("password") : QStringLiteral("text");
}

QString buttonType(ButtonKind kind) {
    return kind == ButtonKind::Submit ? QStringLiteral("submit") : QStringLiteral("reset");
}

// ` name="value"`, the value as a modern page sends it: "&", "<", ">" and the double quote as
// references, which the browser reads back as typed.
QString attribute(const char* name, const QString& value) {
    return u' ' + QLatin1String(name) + QStringLiteral("=\"") + SourceHtml::textAttribute(value) +
           u'"';
}

// The question as the name of its fields; a name must not be empty, so an empty question
// gives none.
QString nameAttribute(const QString& question) {
    return question.isEmpty() ? QString() : attribute("name", question);
}

// A typed count as an attribute when it is digits alone and at least `least`; nothing
// otherwise, since the attribute must hold a valid number.
QString countAttribute(const char* name, const QString& typed, int least) {
    bool ok = false;
    const int count = typed.trimmed().toInt(&ok);
    if (!CssStyle::isPixels(typed) || !ok || count < least)
        return {};
    return attribute(name, QString::number(count));
}

const QString kLabelOpen = QStringLiteral("<label>");
const QString kLabelClose = QStringLiteral("</label>");

QStringList labelled(QStringList field) {
    field.first().prepend(kLabelOpen);
    field.last().append(kLabelClose);
    return field;
}

QString modernAnswerLine(const char* type, const QString& question, const QString& answer) {
    return kLabelOpen + kInputType + QLatin1String(type) + u'"' + nameAttribute(question) +
           attribute("value", answer) + QStringLiteral("> ") + SourceHtml::escapedText(answer) +
           kLabelClose + SourceHtml::kBreak;
}

// The question as its fieldset's legend, formatted as modern text is, without the placement,
// which the fieldset carries.
QString legendLine(const Question& question) {
    TextFormat format = question.format;
    format.placement = {};
    return TextFormatHtml::modernTextIn(QStringLiteral("legend"), format, question.text)
        .join(QString());
}

QStringList modernQuestion(const Question& question, const QStringList& field) {
    CssStyle style;
    style.addPlacement(question.format.placement);
    QStringList lines{QStringLiteral("<fieldset") + style.attribute() + u'>'};
    if (!question.text.isEmpty())
        lines.append(legendLine(question));
    lines += field;
    lines.append(QStringLiteral("</fieldset>"));
    return lines;
}

} // namespace

QString formServiceAddress() {
    return QStringLiteral("http://") + QString::fromLatin1(FormMailHost) +
           QStringLiteral("/Formular-Chef/Formular-Chef.cgi");
}

QString formStartLine(const QString& service, const QString& recipient) {
    return formOpen(actionAttribute(attributeValue(service)), attributeValue(recipient));
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
                          QStringLiteral("\">") + area.preset + kTextAreaClose});
}

QStringList inputFieldQuestion(const Question& question, const InputField& field) {
    const QString type = inputType(field.password);
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
    field.append(kSelectClose);
    return questionBlock(Opening::OpeningTag, question, field);
}

QStringList button(const FormButton& formButton) {
    return TextFormatHtml::placedWithBreaksInside(
        formButton.placement,
        {kInputType + buttonType(formButton.kind) + QStringLiteral("\" value=\"") +
         attributeValue(formButton.caption) + QStringLiteral("\">")});
}

QString modernFormStartLine(const QString& service, const QString& recipient) {
    const QString address = SourceHtml::addressAttribute(service);
    return formOpen(address.isEmpty() ? QString() : actionAttribute(address),
                    SourceHtml::textAttribute(recipient));
}

QString modernRadioAnswerLine(const QString& question, const QString& answer) {
    return modernAnswerLine("radio", question, answer);
}

QString modernCheckBoxAnswerLine(const QString& question, const QString& answer) {
    return modernAnswerLine("checkbox", question, answer);
}

QString modernOptionLine(const QString& answer) {
    return optionLine(SourceHtml::escapedText(answer));
}

QStringList modernChoiceQuestion(const Question& question, const QStringList& answers) {
    return modernQuestion(question, answers);
}

QStringList modernTextAreaQuestion(const Question& question, const TextArea& area) {
    return modernQuestion(
        question,
        labelled({QStringLiteral("<textarea") + nameAttribute(question.text) +
                  countAttribute("cols", area.columns, 1) + countAttribute("rows", area.rows, 1) +
                  u'>' + SourceHtml::escapedText(area.preset) + kTextAreaClose}));
}

QStringList modernInputFieldQuestion(const Question& question, const InputField& field) {
    return modernQuestion(
        question, labelled({kInputType + inputType(field.password) + u'"' +
                            nameAttribute(question.text) + countAttribute("size", field.size, 1) +
                            countAttribute("maxlength", field.maxLength, 0) + u'>'}));
}

QStringList modernSelectionListQuestion(const Question& question, const SelectionList& list) {
    QStringList field{QStringLiteral("<select") + nameAttribute(question.text) +
                      countAttribute("size", list.visibleRows, 1) + u'>'};
    field += list.options;
    field.append(kSelectClose);
    return modernQuestion(question, labelled(field));
}

QStringList modernButton(const FormButton& formButton) {
    QString caption = formButton.caption;
    if (caption.trimmed().isEmpty())
        caption = formButton.kind == ButtonKind::Submit ? QStringLiteral("Absenden")
                                                        : QStringLiteral("Zurücksetzen");
    return TextFormatHtml::modernPlaced(
        formButton.placement,
        {QStringLiteral("<button type=\"") + buttonType(formButton.kind) + QStringLiteral("\">") +
         SourceHtml::escapedText(caption) + QStringLiteral("</button>")});
}

} // namespace FormHtml

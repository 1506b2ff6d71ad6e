#include "core/source/ProgramTags.h"

#include "core/forms/FormHtml.h"
#include "core/generators/ListsHtml.h"
#include "core/generators/TablesHtml.h"
#include "core/source/HtmlTokenizer.h"

#include <QHash>

namespace {

// The signatures of the start tags named `name` in lines an emitter writes.
void learn(QHash<QString, ProgramTag>& known, ProgramTag tag, const QStringList& lines,
           QStringView name) {
    HtmlTokenizer tokenizer;
    HtmlTokenizer::Token token;
    for (const QString& line : lines) {
        tokenizer.start(line);
        while (tokenizer.next(token)) {
            const QStringView tagName =
                QStringView(line).sliced(token.content.start, token.content.length);
            if (token.kind != HtmlTokenizer::Kind::StartTag || tagName != name)
                continue;
            QString signature;
            ProgramTags::append(signature, tagName);
            for (const HtmlTokenizer::Attribute& attribute : tokenizer.attributes())
                ProgramTags::append(signature, QStringView(line).sliced(attribute.name.start,
                                                                        attribute.name.length));
            known.insert(signature, tag);
        }
    }
}

QHash<QString, ProgramTag> knownTags() {
    QHash<QString, ProgramTag> known;
    const QString any = QStringLiteral("x");
    // A modern page writes an attribute only where its choice is made; it is learnt with every
    // choice made, since a bare tag could as well be typed by hand.
    const QString one = QStringLiteral("1");
    const TableSettings table{one, any, any, one, {}};
    const CellSettings cell{any, one, any};
    learn(known, ProgramTag::ListEntry,
          {ListsHtml::entryLine(any), ListsHtml::modernEntryLine(any)}, u"li");
    learn(known, ProgramTag::TableStart,
          TablesHtml::tableStart({}) + TablesHtml::modernTableStart(table), u"table");
    learn(known, ProgramTag::TableRow, TablesHtml::rowOpen(), u"tr");
    learn(known, ProgramTag::TableCell, TablesHtml::cellOpen({}) + TablesHtml::modernCellOpen(cell),
          u"td");
    learn(known, ProgramTag::FormStart,
          {FormHtml::formStartLine(any, any), FormHtml::modernFormStartLine(any, any)}, u"form");
    const FormHtml::Question question{{}, any};
    QStringList fields{FormHtml::radioAnswerLine(any, any), FormHtml::checkBoxAnswerLine(any, any),
                       FormHtml::modernRadioAnswerLine(any, any),
                       FormHtml::modernCheckBoxAnswerLine(any, any)};
    fields << FormHtml::textAreaQuestion(question, {any, any, any})
           << FormHtml::modernTextAreaQuestion(question, {one, one, any})
           << FormHtml::inputFieldQuestion(question, {any, any, false})
           << FormHtml::modernInputFieldQuestion(question, {one, one, false})
           << FormHtml::selectionListQuestion(question, {any, {}})
           << FormHtml::modernSelectionListQuestion(question, {one, {}})
           << FormHtml::button({FormHtml::ButtonKind::Submit, any})
           << FormHtml::modernButton({FormHtml::ButtonKind::Submit, any});
    for (QStringView field : {u"input", u"select", u"textarea", u"button"})
        learn(known, ProgramTag::FormField, fields, field);
    return known;
}

} // namespace

namespace ProgramTags {

void append(QString& signature, QStringView name) {
    if (!signature.isEmpty())
        signature += u' ';
    const qsizetype start = signature.size();
    signature += name;
    for (qsizetype i = start; i < signature.size(); ++i) {
        const QChar c = signature[i];
        if (c >= u'A' && c <= u'Z')
            signature[i] = QChar(c.unicode() + ('a' - 'A'));
    }
}

ProgramTag tagOf(const QString& signature) {
    static const QHash<QString, ProgramTag> known = knownTags();
    return known.value(signature, ProgramTag::None);
}

} // namespace ProgramTags

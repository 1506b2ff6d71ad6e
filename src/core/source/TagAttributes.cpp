#include "core/source/TagAttributes.h"

namespace TagAttributes {

namespace {

QStringView part(QStringView text, HtmlTokenizer::Extent extent) {
    return text.sliced(extent.start, extent.length);
}

} // namespace

bool isNamed(QStringView text, const HtmlTokenizer::Token& token, QLatin1StringView name) {
    return token.content.present() &&
           HtmlTokenizer::decoded(part(text, token.content), HtmlTokenizer::Decoding::Name) == name;
}

std::optional<QStringView> written(QStringView text, const HtmlTokenizer& tokenizer,
                                   QLatin1StringView name) {
    for (const HtmlTokenizer::Attribute& attribute : tokenizer.attributes()) {
        if (!attribute.name.present() || attribute.duplicate)
            continue;
        if (HtmlTokenizer::decoded(part(text, attribute.name), HtmlTokenizer::Decoding::Name) !=
            name)
            continue;
        return attribute.value.present() ? part(text, attribute.value) : QStringView();
    }
    return std::nullopt;
}

std::optional<QString> decoded(QStringView text, const HtmlTokenizer& tokenizer,
                               QLatin1StringView name) {
    const std::optional<QStringView> value = written(text, tokenizer, name);
    if (!value)
        return std::nullopt;
    return HtmlTokenizer::decoded(*value, HtmlTokenizer::Decoding::AttributeValue);
}

} // namespace TagAttributes

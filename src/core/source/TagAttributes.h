#pragma once

#include "core/source/HtmlTokenizer.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>

// What the readers of the page ask of the tag a tokenizer read last: its name, and its
// attributes by name, in any case as a browser compares them.
namespace TagAttributes {

// Whether the tag (or doctype) token in text is named name (given in lower case).
bool isNamed(QStringView text, const HtmlTokenizer::Token& token, QLatin1StringView name);

// The value of the latest tag's attribute named name (given in lower case) as it stands in
// text, between its quotes; an empty value for an attribute without one, nothing for an
// attribute the tag lacks. A repeated attribute counts once, as a browser reads it.
std::optional<QStringView> written(QStringView text, const HtmlTokenizer& tokenizer,
                                   QLatin1StringView name);

// The same as the browser reads it, character references decoded.
std::optional<QString> decoded(QStringView text, const HtmlTokenizer& tokenizer,
                               QLatin1StringView name);

} // namespace TagAttributes

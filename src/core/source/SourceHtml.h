#pragma once

#include <QString>
#include <QStringList>

// The lines every generator shares: blank-line spacers and the closing tail of a page.
namespace SourceHtml {

inline const QString kBodyClose = QStringLiteral("</body>");
inline const QString kHtmlClose = QStringLiteral("</html>");
// The blank line of the spacing boxes and of the text field's Enter key.
inline const QString kBreak = QStringLiteral("<br>");

// The line that declares a page's characters UTF-8, the encoding every page is saved in.
QString contentTypeLine();
// The start of every page the program writes: "<html>", "<head>", the content type and the
// generator lines.
QStringList pageStart();
// "<title>" + title + "</title>".
QString titleLine(const QString& title);
inline const QString kHeadClose = QStringLiteral("</head>");

// A typed value as it goes between the quotes of an attribute: each double quote becomes
// "&quot;", since a quote typed into a field would end the attribute there. Nothing else
// changes.
QString attributeValue(QString typed);
// The typed value back from such an attribute value: each "&quot;" a double quote again.
QString typedAttributeValue(QString written);

// Typed text as a modern page shows it: "&", "<" and ">" as character references, a
// no-break space as "&nbsp;". Line breaks stay.
QString escapedText(const QString& typed);
// A typed value between the quotes of an attribute of a modern page, which the browser reads
// back as typed: the text escaped, and each double quote as "&quot;".
QString textAttribute(const QString& typed);
// A typed file name or address in an attribute of a modern page: the same, without the blanks
// around it, and a blank inside as "%20", since an address holds none.
QString addressAttribute(const QString& typed);

// The name the generator lines give.
inline constexpr char kGeneratorName[] = "Fernbrook Quillmark";

// Appends count lines "<br>"; a count of 0 or less appends nothing.
void AppendBreaks(QStringList& lines, int count);

// "</body>", "</html>": what a save appends to close the page.
QStringList closingTail();

} // namespace SourceHtml

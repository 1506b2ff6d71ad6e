#pragma once

#include <QString>
#include <QStringView>

// The pieces of a page an add button writes that the page check can send the user back to.
enum class ProgramTag : quint8 {
    None,
    ListEntry,  // "Eintrag hinzufügen" on "Listen"
    TableStart, // "Tabelle erstellen"
    TableRow,   // "Reihe öffnen"
    TableCell,  // "Zelle öffnen"
    FormStart,  // "Formular erstellen" in the form builder
    FormField,  // a question's field or a button of the form builder
};

// Knows the start tags the add buttons write by their signature: the tag's name and its
// attributes' names in the order they stand, in lower case and apart by one blank
// ("td bgcolor border bordercolor"). A tag typed by hand with other attributes, or in another
// order, is no button's.
namespace ProgramTags {

// Appends a tag's or an attribute's name to a signature.
void append(QString& signature, QStringView name);
ProgramTag tagOf(const QString& signature);

} // namespace ProgramTags

#pragma once

// The captions of the tab pages, windows, buttons and fields that the page check names when it
// says which button mends a finding. The pages show the same texts, so a renamed button renames
// the advice with it.
namespace Captions {

inline constexpr char kTablesPage[] = "Tabellen";
inline constexpr char kListsPage[] = "Listen";
inline constexpr char kFormsPage[] = "Formulare";

inline constexpr char kCreateTable[] = "Tabelle erstellen";
inline constexpr char kEndTable[] = "Tabelle beenden";
inline constexpr char kBeginSortedList[] = "Sortierte Liste beginnen";
inline constexpr char kBeginUnsortedList[] = "Unsortierte Liste beginnen";

// The button on "Formulare" that opens the form builder.
inline constexpr char kOpenFormBuilder[] = "Neues Formular erstellen";
// The form builder's window, its form start and end, and where its form is sent.
inline constexpr char kFormBuilder[] = "Formulare";
inline constexpr char kCreateForm[] = "Formular erstellen";
inline constexpr char kEndForm[] = "Formular beenden";
inline constexpr char kFormService[] = "Adresse des Formular-Dienstes:";

} // namespace Captions
